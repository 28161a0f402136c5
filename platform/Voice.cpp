// The window's voice: what the narrator says goes to the system's voice and the log.
#include "Voice.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
constexpr const char* kTurnedOn = "Lecture à voix haute activée";
constexpr const char* kTurnedOff = "Lecture à voix haute désactivée";
} // namespace

Voice::Voice(bool on, std::unique_ptr<SpeechOutput> log) : asked_(on) {
    if (log) addWitness(std::move(log));
}

void Voice::addWitness(std::unique_ptr<SpeechOutput> witness) {
    witnesses_.push_back(std::move(witness));
}

void Voice::begin(const FrmIntro& game) {
    if (asked_) turnOn(game);
}

void Voice::useOutput(std::unique_ptr<SpeechOutput> output) {
    output_ = std::move(output);
    tried_ = true;
}

// Opened once, the first time there is something to say: a system without a voice is told
// in one line, and the game plays on silent.
bool Voice::openOutput() {
    if (!tried_) {
        tried_ = true;
        std::string unavailable;
        output_ = systemSpeech(unavailable);
        if (!output_)
            std::fprintf(stderr, "epee: speech is unavailable: %s\n", unavailable.c_str());
    }
    return output_ != nullptr;
}

void Voice::say(const std::vector<Utterance>& utterances) {
    for (const Utterance& u : utterances) {
        for (const auto& witness : witnesses_)
            witness->say(u);
        if (on_ && openOutput()) output_->say(u);
    }
}

void Voice::look(const FrmIntro& game) {
    if (listening()) say(narrator_.look(game));
}

void Voice::describeSurroundings(const FrmIntro& game) {
    if (listening()) say(narrator_.describeSurroundings(game));
}

void Voice::repeatLast() {
    if (listening()) say(narrator_.repeatLast());
}

void Voice::toggle(const FrmIntro& game) {
    if (!on_) {
        turnOn(game);
        return;
    }
    say({{kTurnedOff, true}});
    on_ = false;
}

// Turned on, it says so, then reads what the window shows now, behind that.
void Voice::turnOn(const FrmIntro& game) {
    on_ = true;
    narrator_ = Narrator();
    std::vector<Utterance> now{{kTurnedOn, true}};
    for (Utterance u : narrator_.look(game)) {
        u.interrupt = false;
        now.push_back(u);
    }
    say(now);
}

std::unique_ptr<SpeechOutput> speechLogFromEnvironment(std::function<Micros()> clock) {
    const char* path = std::getenv("EPEE_SPEECH_LOG");
    if (!path || !*path) return nullptr;
    std::shared_ptr<std::FILE> file(std::fopen(path, "w"), [](std::FILE* f) {
        if (f) std::fclose(f);
    });
    if (!file) {
        std::fprintf(stderr, "epee: cannot write the speech log %s\n", path);
        return nullptr;
    }
    // Each line goes out at once, for a reader watching the file grow.
    return std::make_unique<SpeechLog>(
        [file](const std::string& line) {
            std::fputs(line.c_str(), file.get());
            std::fflush(file.get());
        },
        std::move(clock));
}
