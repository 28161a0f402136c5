// The window's voice: the narrator, turned on or off by the player, and where its words go:
// the system's voice while on; the witnesses (the tests' speech log, a page's live region
// that a screen reader reads), on or off.
#pragma once
#include "Speech.h"

#include <memory>
#include <string>

class Voice {
  public:
    // Asked to speak, it starts speaking at begin(). The log, if any, is a first witness.
    Voice(bool on, std::unique_ptr<SpeechOutput> log);
    // Where the words go while on; by default the system's voice, opened when first needed.
    void useOutput(std::unique_ptr<SpeechOutput> output);
    // One more output told every word whether the voice is on or not.
    void addWitness(std::unique_ptr<SpeechOutput> witness);

    bool on() const { return on_; }
    // The window shows the game's first picture.
    void begin(const FrmIntro& game);
    // After each key press and timer tick: says what has appeared.
    void look(const FrmIntro& game);
    // The player's speech keys.
    void describeSurroundings(const FrmIntro& game);
    void repeatLast();
    void toggle(const FrmIntro& game);

  private:
    void say(const std::vector<Utterance>& utterances);
    bool openOutput();
    void turnOn(const FrmIntro& game);
    bool listening() const { return on_ || !witnesses_.empty(); }

    bool asked_;
    bool on_ = false;
    bool tried_ = false;
    std::unique_ptr<SpeechOutput> output_;
    std::vector<std::unique_ptr<SpeechOutput>> witnesses_;
    Narrator narrator_;
};

// A speech log to the file EPEE_SPEECH_LOG names, stamped by the clock; null without it.
std::unique_ptr<SpeechOutput> speechLogFromEnvironment(std::function<Micros()> clock);
