// Linux's voice: speech-dispatcher, the service the desktop's screen reader speaks through,
// its client library opened only when speech is turned on, so that the game starts and
// plays on a system without it.
#include "Speech.h"

#include <dlfcn.h>
#include <libspeechd.h>

namespace {
class SpeechDispatcher : public SpeechOutput {
  public:
    // Returns null, with the reason, when the library or the service cannot be had.
    static std::unique_ptr<SpeechDispatcher> open(std::string& unavailable);
    ~SpeechDispatcher() override {
        if (connection_) close_(connection_);
        dlclose(library_);
    }
    SpeechDispatcher(const SpeechDispatcher&) = delete;
    SpeechDispatcher& operator=(const SpeechDispatcher&) = delete;

    // A newer text cancels what is being said; a cue waits behind it in the same queue.
    void say(const Utterance& utterance) override {
        if (utterance.interrupt) cancel_(connection_);
        say_(connection_, SPD_TEXT, utterance.text.c_str());
    }

  private:
    explicit SpeechDispatcher(void* library) : library_(library) {}
    template <class F> bool find(F& function, const char* name) {
        function = reinterpret_cast<F>(dlsym(library_, name));
        return function != nullptr;
    }

    void* library_;
    SPDConnection* connection_ = nullptr;
    decltype(&spd_close) close_ = nullptr;
    decltype(&spd_say) say_ = nullptr;
    decltype(&spd_cancel) cancel_ = nullptr;
};

std::unique_ptr<SpeechDispatcher> SpeechDispatcher::open(std::string& unavailable) {
    void* library = dlopen("libspeechd.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        unavailable = "speech-dispatcher is not installed (libspeechd.so.2)";
        return nullptr;
    }
    std::unique_ptr<SpeechDispatcher> speech(new SpeechDispatcher(library));
    decltype(&spd_open) open = nullptr;
    decltype(&spd_set_language) setLanguage = nullptr;
    if (!speech->find(open, "spd_open") || !speech->find(setLanguage, "spd_set_language") ||
        !speech->find(speech->close_, "spd_close") || !speech->find(speech->say_, "spd_say") ||
        !speech->find(speech->cancel_, "spd_cancel")) {
        unavailable = "libspeechd.so.2 lacks the functions the game calls";
        return nullptr;
    }
    speech->connection_ = open("epee", "main", nullptr, SPD_MODE_SINGLE);
    if (!speech->connection_) {
        unavailable = "speech-dispatcher does not answer";
        return nullptr;
    }
    // The rate stays the system's: speech-dispatcher's own setting, as the screen reader's.
    setLanguage(speech->connection_, "fr");
    return speech;
}
} // namespace

std::unique_ptr<SpeechOutput> systemSpeech(std::string& unavailable) {
    return SpeechDispatcher::open(unavailable);
}
