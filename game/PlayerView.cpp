// The read-only entry points on what the window shows: its texts, the menu and the items held.
#include "PlayerView.h"

#include "FrmIntro.h"

namespace {
// The name entry's grid: 11 cells a row, the last row ending on "FIN".
constexpr int kGridColumns = 11, kGridRows = 5;

std::string letterUnderBox(const FrmIntro& f) {
    if (f.intGrilleLigne == kGridRows && f.intGrilleColonne == kGridColumns) return "FIN";
    const int index = (f.intGrilleLigne - 1) * kGridColumns + f.intGrilleColonne - 1;
    if (index < 0 || index >= static_cast<int>(f.strLettres.size())) return {};
    return f.strLettres.substr(static_cast<std::size_t>(index), 1);
}

std::string nameAsWritten(const FrmIntro& f) {
    std::string name;
    for (int slot = 0; slot <= 5; ++slot)
        name += f.lblNom(slot).caption;
    return name;
}

void addIf(std::vector<ShownText>& texts, bool shown, TextPlace place, std::string text) {
    if (shown) texts.push_back({place, std::move(text)});
}

// The configuration text ends on the row "R=  V=  B=", whose values are labels of their own
// drawn after each sign: the row is read with each value in its place.
std::string colourRow(const FrmIntro& f) {
    const std::string& text = f.lblAide(4).caption;
    const std::array<std::string, 3> values = menuColourValues(f);
    std::string row;
    std::size_t value = 0;
    for (char c : text) {
        row += c;
        if (c == '=' && value < values.size()) row += " " + values[value++];
    }
    return row;
}
} // namespace

std::vector<ShownText> shownTexts(const FrmIntro& f) {
    std::vector<ShownText> texts;
    addIf(texts, f.lblAuteur.visible, TextPlace::Credit, f.lblAuteur.caption);
    addIf(texts, f.lblTouche.visible || f.tmrTouche.enabled(), TextPlace::Prompt,
          f.lblTouche.caption);
    addIf(texts, f.lblNom(8).visible, TextPlace::Instruction, f.lblNom(8).caption);
    addIf(texts, f.lblNom(6).visible, TextPlace::Name, nameAsWritten(f));
    addIf(texts, f.lblNom(7).visible, TextPlace::LetterUnderBox, letterUnderBox(f));
    addIf(texts, f.lblMessage.visible, TextPlace::Message, f.lblMessage.caption);
    return texts;
}

std::vector<std::string> menuLines(const FrmIntro& f) {
    if (!f.fraAide.visible) return {};
    std::vector<std::string> lines{f.lblItem.caption};
    for (const std::string& item : heldItems(f))
        lines.push_back(item);
    lines.push_back(f.lblAide(5).caption);
    lines.push_back(colourRow(f));
    // The door's hint lies over the arrows' when the view shows a door.
    lines.push_back(f.lblAide(0).visible ? f.lblAide(0).caption : f.lblAide(3).caption);
    if (f.lblAide(2).visible) lines.push_back(f.lblAide(2).caption);
    lines.push_back(f.lblAide(1).caption);
    return lines;
}

std::array<std::string, 3> menuColourValues(const FrmIntro& f) {
    return {f.lblAide(6).caption, f.lblAide(7).caption, f.lblAide(8).caption};
}

std::vector<std::string> heldItems(const FrmIntro& f) {
    std::vector<std::string> items;
    for (int i = 0; i <= 7; ++i)
        if (f.lblObjet(i).visible) items.push_back(f.lblObjet(i).caption);
    return items;
}
