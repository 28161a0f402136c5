// The speech log: what the narrator said and when, one line an utterance.
#include "Speech.h"

void SpeechLog::say(const Utterance& utterance) {
    write_(std::to_string(clock_()) + (utterance.interrupt ? " ! " : " + ") + utterance.text +
           "\n");
}
