// Speech in a web page: each utterance goes to the page ('speech' event), whose live
// region the player's screen reader reads and whose "Voix" button adds the browser's voice.
#include "Speech.h"

#include <emscripten.h>

namespace {
class PageSpeech : public SpeechOutput {
  public:
    void say(const Utterance& utterance) override {
        EM_ASM({ Module.emit('speech', UTF8ToString($0), !!$1); }, utterance.text.c_str(),
               utterance.interrupt);
    }
};
} // namespace

std::unique_ptr<SpeechOutput> systemSpeech(std::string&) {
    return std::make_unique<PageSpeech>();
}
