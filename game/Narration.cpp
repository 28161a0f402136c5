// The narrator: what has appeared since the last look, said once, with the cues around it.
#include "Narration.h"

#include "Cues.h"

#include <algorithm>

namespace {
// Said as read: the runs of blanks that lay a text out on screen are no words.
std::string spoken(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' || c == '\n') {
            if (!out.empty() && out.back() != ' ') out += ' ';
            continue;
        }
        out += c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::string said(const ShownText& shown) {
    return shown.place == TextPlace::LetterUnderBox ? Cue::letter(shown.text) : spoken(shown.text);
}

bool contains(const std::vector<ShownText>& texts, const ShownText& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Every text shown before is still there: what appeared joins them rather than replacing.
bool onlyAdded(const std::vector<ShownText>& before, const std::vector<ShownText>& now) {
    return !before.empty() && std::all_of(before.begin(), before.end(),
                                          [&](const ShownText& t) { return contains(now, t); });
}

const char* const kColourSigns[] = {"R= ", "V= ", "B= "};
} // namespace

std::vector<Utterance> Narrator::look(const FrmIntro& game) {
    std::vector<Utterance> out;
    sayTexts(game, out);
    if (!out.empty()) lastTexts_ = out;
    sayCues(game, out);
    return out;
}

void Narrator::sayTexts(const FrmIntro& game, std::vector<Utterance>& out) {
    const std::string screen = shownScreen(game);
    const bool screenChanged = screen != screen_;
    std::vector<ShownText> texts = shownTexts(game);
    const bool interrupt = screenChanged || !onlyAdded(texts_, texts);
    for (const ShownText& text : texts)
        if (!contains(texts_, text) && !said(text).empty())
            out.push_back({said(text), out.empty() && interrupt});
    texts_ = std::move(texts);
    sayMenu(game, screenChanged, out);
    screen_ = screen;
}

void Narrator::sayMenu(const FrmIntro& game, bool opened, std::vector<Utterance>& out) {
    const std::array<std::string, 3> colours = menuColourValues(game);
    const std::vector<std::string> lines = menuLines(game);
    if (!lines.empty()) {
        if (opened)
            for (const std::string& line : lines)
                out.push_back({spoken(line), out.empty()});
        else
            for (std::size_t i = 0; i < colours.size(); ++i)
                if (colours[i] != colours_[i]) out.push_back({kColourSigns[i] + colours[i], true});
    }
    colours_ = colours;
}

void Narrator::sayCues(const FrmIntro& game, std::vector<Utterance>& out) {
    const std::optional<HeroPlace> hero = heroPlace(game);
    if (hero && (!hero_ || hero->area != hero_->area))
        out.push_back({std::string(Cue::areaName(hero->area)), false});
    if (hero && !hero->moving) {
        const bool stepEnded = hero_ && hero_->moving;
        const bool turned = rest_ && (hero->dirY != rest_->dirY || hero->dirX != rest_->dirX);
        const bool blocked =
            rest_ && hero->position == rest_->position && hero->area == rest_->area;
        if (stepEnded && (turned || blocked))
            out.push_back(
                {Cue::inFront(tileNearHero(game, hero->dirY, hero->dirX), blocked), false});
        rest_ = hero;
    }
    hero_ = hero;
}

std::vector<Utterance> Narrator::describeSurroundings(const FrmIntro& game) const {
    const std::optional<HeroPlace> hero = heroPlace(game);
    if (!hero) return repeatLast();
    return {{Cue::surroundings(hero->area, tileNearHero(game, -1, 0), tileNearHero(game, 1, 0),
                               tileNearHero(game, 0, -1), tileNearHero(game, 0, 1)),
             true},
            {Cue::held(heldItems(game)), false}};
}

std::vector<Utterance> Narrator::repeatLast() const {
    std::vector<Utterance> again = lastTexts_;
    for (Utterance& u : again)
        u.interrupt = &u == &again.front();
    return again;
}
