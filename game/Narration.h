// Puts the game into words for a player who cannot see it: after each key press and timer
// tick the narrator looks at what the window shows and says what has appeared, each text
// once, as a screen reader would, with short cues of its own for what only the eyes get.
#pragma once
#include "game/PlayerView.h"

#include <string>
#include <vector>

struct Utterance {
    std::string text;
    // Cuts off what is being said, as a newer text does; otherwise waits behind it, as the
    // short cues do.
    bool interrupt;
    friend bool operator==(const Utterance&, const Utterance&) = default;
};

class Narrator {
  public:
    // What to say of the changes since the last look: the texts that appeared or changed
    // (each text once; a newer text cuts off one that has gone, and waits behind those still
    // shown), then the cues: the area entered, and what stands in front of the hero after he
    // turned or bumped into something.
    std::vector<Utterance> look(const FrmIntro& game);
    // Where the hero stands: the area, what lies one tile away each way, what he holds. Off
    // the map, the texts shown again.
    std::vector<Utterance> describeSurroundings(const FrmIntro& game) const;
    // The last texts said again, cues aside.
    std::vector<Utterance> repeatLast() const;

  private:
    void sayTexts(const FrmIntro& game, std::vector<Utterance>& out);
    void sayMenu(const FrmIntro& game, bool opened, std::vector<Utterance>& out);
    void sayCues(const FrmIntro& game, std::vector<Utterance>& out);

    std::string screen_;
    std::vector<ShownText> texts_;
    std::array<std::string, 3> colours_;
    std::vector<Utterance> lastTexts_;
    std::optional<HeroPlace> hero_;
    // Where the hero stood still last, to tell a turn and a blocked step when he stops again.
    std::optional<HeroPlace> rest_;
};
