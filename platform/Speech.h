// Where the narrator's words go: the system's voice or screen reader on each platform, or a
// log for the tests.
#pragma once
#include "game/Narration.h"

#include <functional>
#include <memory>
#include <string>

class SpeechOutput {
  public:
    virtual ~SpeechOutput() = default;
    virtual void say(const Utterance&) = 0;
};

// The system's voice: speech-dispatcher on Linux (its library loaded only now), the
// screen reader or SAPI on Windows, the page in a browser. Null when the system has none,
// with the reason in `unavailable`.
std::unique_ptr<SpeechOutput> systemSpeech(std::string& unavailable);

// Writes each utterance on a line of its own: the game's time in microseconds, "!" when it
// cuts off what is being said or "+" when it waits its turn, then the text.
class SpeechLog : public SpeechOutput {
  public:
    SpeechLog(std::function<void(const std::string&)> write, std::function<Micros()> clock)
        : write_(std::move(write)), clock_(std::move(clock)) {}
    void say(const Utterance& utterance) override;

  private:
    std::function<void(const std::string&)> write_;
    std::function<Micros()> clock_;
};
