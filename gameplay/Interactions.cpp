// The action key: what the hero finds, the items, the messages and the victory.
#include "game/FrmIntro.h"
#include "gameplay/Facing.h"
#include "gameplay/Locks.h"

#include <cmath>
#include <string>

namespace {

// What the hero says on finding a locked chest, and on a locked door.
constexpr const char* kLockedChest = ": Le coffre est vérouillé. Je n'ai pas la clé.";
constexpr const char* kLockedDoor = ": La porte est barrée. Il me faut une clé pour l'ouvrir.";

// Finding the sword starts the victory colours, drawn from one generator seeded here
// once, so that they change from tick to tick.
void findSword(FrmIntro& w) {
    if (!w.tmrRéussi.enabled()) w.victoryColours.seed(static_cast<std::uint32_t>(w.varPas));
    w.tmrRéussi.setEnabled(true);
}

// What the hero says about something that needs an item; with the item held he
// uses it, and the press calls for that action.
std::string unlock(FrmIntro& w, bool itemHeld, int16 action, const char* without,
                   const char* with) {
    if (!itemHeld) return without;
    w.varAction = action;
    return with;
}

// The caption for the faced tile, and the action it calls for in varAction. Some
// tiles act at once: the mage hands over his key, the switch is pressed.
std::string examine(FrmIntro& w, char tile) {
    const std::string& nom = w.strNom;
    switch (tile) {
    case 'P':
        return w.intLieu == 0 ? nom + ": La porte est débarrée. Je peux entrer!" : "";
    case 'V':
        return nom + ": Un passage secret!!";
    case 'C':
        return nom + ": Il n'y a plus rien dans le coffre.";
    case '4':
        w.varAction = Action::TakeBlueKey;
        return nom + ": IL Y A UNE CLÉ BLEUE DANS LE COFFRE!!!";
    case '7':
        w.varAction = Action::TakeGoldenKey;
        return nom + ": Une clé en or!";
    case 'H':
        w.varAction = Action::FindSword;
        findSword(w);
        return "VOUS AVEZ TROUVÉ L'ÉPÉE! VOUS AVEZ RÉUSSI LA QUÊTE!";
    case '8':
        return nom +
               unlock(w, holdsItemFor(w, tile), Action::TakeOrb,
                      ": Le coffre est vérouillé. Je n'ai pas la clé. En plus, il est bizzare.",
                      ": CE CRISTAL...  C'EST L'ORBE LÉGENDAIRE. L'ÉPÉE N'EST PAS LOIN!");
    case 'O':
        return nom + unlock(w, w.varCoffre8 == 1 && w.varOrbePlacee == 0, Action::PlaceOrb,
                            ": C'est ici que l'on place l'orbe légendaire.",
                            ": Un passage s'est ouvert en haut!");
    case '6':
        return nom + unlock(w, holdsItemFor(w, tile), Action::TakeAdamantiumKey, kLockedChest,
                            ": Il y a une clé en adamantium dans le coffre! étrange.");
    case 'p':
        return nom + unlock(w, holdsItemFor(w, tile), Action::UnlockForestDoor, kLockedDoor,
                            ": La clé bleu fonctionne dans la serrure.");
    case '9':
        return nom + unlock(w, holdsItemFor(w, tile), Action::UnlockCaveDoor, kLockedDoor,
                            ": La clé en or fonctionne dans la serrure.");
    case 'E':
        if (w.varEau != 0) return "";
        return nom + unlock(w, w.varSceau == 1, Action::FillBucket,
                            ": C'est la place idéale pour rammasser de l'eau. Seulement, il me "
                            "faudrait un sceau pour la rammasser.",
                            ": Je vais rammasser de l'eau avec le sceau.");
    case '1': {
        const bool metBefore = w.varCleMage == 1;
        w.varCleMage = 1;
        return metBefore ? "Mage: Il faut faire disparaître le buisson bloquant le coffre."
                         : "Mage: Je suis le magicien Oldavir. Prenez cette clé, elle vous sera "
                           "utile pour ouvrir le coffre bloqué par un buisson.";
    }
    case '2':
        w.varAction = Action::TakeBucket;
        return nom + ": J'ai trouvé un sceau! Je peux m'en servir pour rammasser de l'eau dans "
                     "le lac à l'ouest.";
    case '5':
        return nom + unlock(w, holdsItemFor(w, tile), Action::TakeRedKey, kLockedChest,
                            ": UNE CLÉ ROUGE!");
    case 's':
        if (!holdsItemFor(w, tile) || w.varSwitche != 0)
            return nom + ": Une switche! Je devrais aller dessus pour l'activer ou mettre "
                         "quelque chose dessus.";
        w.varSwitche = 1;
        w.procLoadForêt();
        w.procLoadMap();
        return nom + ": Et voila! je me demande à quoi elle sert.";
    default:
        return "";
    }
}

// The flag an action code sets, and the loader of the area it changes.
struct ActionEffect {
    int16 code;
    int16 GameState::*flag;
    void (FrmIntro::*reload)();
};

constexpr ActionEffect kEffects[] = {
    {Action::FillBucket, &GameState::varEau, nullptr},
    {Action::PlaceOrb, &GameState::varOrbePlacee, &FrmIntro::procLoadSalle},
    {Action::UnlockForestDoor, &GameState::varPorteForet, &FrmIntro::procLoadForêt},
    {Action::UnlockCaveDoor, &GameState::varPorteGrotte, &FrmIntro::procLoadGrotte},
    {Action::TakeOrb, &GameState::varCoffre8, &FrmIntro::procLoadGrotte},
    {Action::TakeBucket, &GameState::varSceau, &FrmIntro::procLoadForêt},
    {Action::TakeAdamantiumKey, &GameState::varCoffre6, &FrmIntro::procLoadForêt},
    {Action::TakeRedKey, &GameState::varCoffre5, &FrmIntro::procLoadForêt},
    {Action::TakeGoldenKey, &GameState::varCoffre7, &FrmIntro::procLoadForêt},
    {Action::TakeBlueKey, &GameState::varCoffre4, &FrmIntro::procLoadCouloir},
};

// The item is handed over behind the message just shown: the area is redrawn with
// the chest open, the bucket gone or the door unlocked.
void applyAction(FrmIntro& w) {
    for (const ActionEffect& effect : kEffects) {
        if (w.varAction != effect.code) continue;
        w.*effect.flag = 1;
        if (effect.reload) {
            (w.*effect.reload)();
            w.procLoadMap();
        }
    }
}

void showMessage(FrmIntro& w, bool shown) {
    w.lblMessage.visible = shown;
    w.lblFont.visible = shown;
}

} // namespace

// A press that finds something shows it; the next press only hides it again.
void FrmIntro::actionKeys(int16 keyCode) {
    if (keyCode != Key::Space && keyCode != Key::Enter) return;
    if (fraAide.visible || tmrI.enabled()) return;
    varAction = Action::None;
    lblMessage.caption = examine(*this, facedTile(*this));
    if (!lblMessage.caption.empty() && intEtat == 1) {
        intEtat = 2;
        showMessage(*this, true);
    } else {
        intEtat = 1;
        if (varAction == Action::FindSword) return End();
        showMessage(*this, false);
        if (varAction > Action::None) varAction = Action::None;
    }
    applyAction(*this);
}

// Each component is rounded to the nearest value, halves to the even one.
void FrmIntro::tmrRéussi_Timer() {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    auto component = [&] { return static_cast<int>(std::nearbyint(unit(victoryColours) * 255)); };
    const int red = component(), green = component(), blue = component();
    lblMessage.foreColor = RGB(red, green, blue);
}
