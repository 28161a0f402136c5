// The keys the player chooses: what each key does through the bindings, the [touches]
// section of the settings file read at its edges, and the whole quest played through a
// keyboard remapped to ZQSD.
#include "KeysAtHand.h"

#include <algorithm>
#include <map>

namespace {
SDL_Keysym keysym(SDL_Keycode sym, Uint16 mod = 0) {
    SDL_Keysym key{};
    key.sym = sym;
    key.mod = mod;
    return key;
}

TranslatedKey pressed(const KeyBindings& keys, SDL_Keycode sym, Uint16 mod = 0) {
    return translateKey(keysym(sym, mod), keys);
}

TranslatedKey gameKey(int16 code) {
    return {KeyAction::GameKey, code};
}

// The arrows on ZQSD, the action on Enter and the menu on Tab, as a left hand on an
// AZERTY keyboard likes them.
const std::string kZqsd = "haut = Z\nbas = S\ngauche = Q\ndroite = D\naction = Return\n"
                          "menu = Tab\n";
} // namespace

TEST(Keys, ChosenKeysGiveTheirActionsCodesAndTheKeysGivenAwayNothing) {
    const KeyBindings chosen = boundBy(kZqsd + "rouge = R, F5\nplein_ecran = F12\nvoix = Alt+V\n");
    // Two keys for one action both work; the keys given away are bound nowhere and change
    // nothing; the keypad's Enter, taken by no action, still acts in the game as Enter did.
    const std::pair<SDL_Keycode, int16> chosenKeys[] = {
        {SDLK_z, Key::Up},          {SDLK_s, Key::Down},       {SDLK_q, Key::Left},
        {SDLK_d, Key::Right},       {SDLK_RETURN, Key::Space}, {SDLK_TAB, Key::M},
        {SDLK_r, Key::R},           {SDLK_F5, Key::R},         {SDLK_UP, Key::Other},
        {SDLK_SPACE, Key::Other},   {SDLK_m, Key::Other},      {SDLK_F11, Key::Other},
        {SDLK_KP_ENTER, Key::Enter}};
    for (auto [sym, code] : chosenKeys)
        EXPECT_EQ(pressed(chosen, sym), gameKey(code)) << SDL_GetKeyName(sym);
    EXPECT_EQ(pressed(chosen, SDLK_F12).action, KeyAction::ToggleFullscreen);
    EXPECT_EQ(pressed(chosen, SDLK_v, KMOD_LALT).action, KeyAction::ToggleSpeech);
    EXPECT_EQ(pressed(chosen, SDLK_v), gameKey(Key::V));
    EXPECT_EQ(pressed(chosen, SDLK_RETURN, KMOD_LALT), gameKey(Key::Space))
        << "Alt+Enter was given away with the window's toggle";
}

TEST(Keys, EachRefusedLineIsNamedOnceAndItsActionKeepsItsUsualKeys) {
    const std::string longName(3000, 'x');
    const std::string text = "[Touches]\n"
                             "HAUT = z,  up \n"
                             "bas = Flèche\n"
                             "gauche =\n"
                             "droite = D, Right, L, K\n"
                             "vert = Z\n"
                             "bleu = V\n"
                             "sauter = J\n"
                             "haut = W\n"
                             "menu = Tab, tab\n"
                             "[window]\nwidth=800\nheight=640\n"
                             "[touches]\n"
                             "manette_action = b\n"
                             "manette_menu = A\n"
                             "manette_bleu = trigger\n"
                             "rouge = " +
                             longName + "\n";
    const ReadSettings settings = parseSettings(text);
    EXPECT_EQ(settings.problems, "");
    EXPECT_EQ(settings.settings.width, 800);
    const ReadBindings read = readBindings(settings.touches);
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"bas = Flèche", "no key is named \"Flèche\"; bas keeps Down"},
        {"gauche = ", "nothing is given; gauche keeps Left"},
        {"droite = D, Right, L, K", "more than three are given; droite keeps Right"},
        {"sauter = J", "no action is named \"sauter\""},
        {"haut = W", "haut is given twice; its first line stands"},
        {"menu = Tab, tab", "tab is given twice; menu keeps M"},
        {"manette_bleu = trigger",
         "no button is named \"trigger\"; manette_bleu keeps rightshoulder"},
        {"rouge = " + longName, "no key is named \"" + longName + "\"; rouge keeps R"},
        // The later of two lines that want one key is refused, and the usual key it
        // falls back to may push out another line in turn.
        {"bleu = V", "V is vert's already; bleu keeps B"},
        {"vert = Z", "Z is haut's already; vert keeps V"},
    };
    ASSERT_EQ(read.warnings.size(), refused.size());
    for (const auto& [line, why] : refused)
        EXPECT_NE(
            std::find(read.warnings.begin(), read.warnings.end(), "[touches] " + line + ": " + why),
            read.warnings.end())
            << line.substr(0, 40);

    const KeyBindings& keys = read.bindings;
    const std::pair<SDL_Keycode, int16> kept[] = {{SDLK_z, Key::Up},      {SDLK_UP, Key::Up},
                                                  {SDLK_w, Key::Other},   {SDLK_DOWN, Key::Down},
                                                  {SDLK_LEFT, Key::Left}, {SDLK_RIGHT, Key::Right},
                                                  {SDLK_v, Key::V},       {SDLK_b, Key::B},
                                                  {SDLK_m, Key::M},       {SDLK_r, Key::R}};
    for (auto [sym, code] : kept)
        EXPECT_EQ(pressed(keys, sym), gameKey(code)) << SDL_GetKeyName(sym);
    EXPECT_EQ(keys.find(Device::Gamepad, {SDL_CONTROLLER_BUTTON_B}), gameKey(Key::Space));
    EXPECT_EQ(keys.find(Device::Gamepad, {SDL_CONTROLLER_BUTTON_A}), gameKey(Key::M));
    EXPECT_EQ(keys.find(Device::Gamepad, {SDL_CONTROLLER_BUTTON_START}), std::nullopt);

    // What --keys prints reads back as the same bindings, without a word.
    const KeyBindings again = boundBy(keys.format().substr(std::string("[touches]\n").size()));
    EXPECT_EQ(again.format(), keys.format());
    EXPECT_NE(keys.format().find("\nhaut = Z, Up\n"), std::string::npos) << keys.format();
    EXPECT_NE(keys.format().find("\nplein_ecran = F11, Alt+Return, Alt+Keypad Enter\n"),
              std::string::npos)
        << keys.format();
}

TEST(Keys, TheWholeQuestPlaysThroughAKeyboardRemappedToZqsd) {
    const KeyBindings keys = boundBy(kZqsd);
    // The key a player of this keyboard presses for each of the game's codes.
    const std::map<int16, SDL_Keycode> keyFor = {
        {Key::Up, SDLK_z},  {Key::Down, SDLK_s},       {Key::Left, SDLK_q}, {Key::Right, SDLK_d},
        {Key::M, SDLK_TAB}, {Key::Space, SDLK_RETURN}, {Key::R, SDLK_r}};
    ReplaySession session;
    for (ReplayEvent event : recordedGame("quest")) {
        if (event.kind == ReplayEvent::Kind::Key)
            event.key = pressed(keys, keyFor.at(event.key)).code;
        session.play(event);
    }
    EXPECT_EQ(session.takeViolations(), std::vector<std::string>{});
    EXPECT_EQ(session.digest(), recordedDigest("quest"));
}
