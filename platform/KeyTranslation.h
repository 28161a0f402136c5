// The one place where SDL keys become the game's key codes, through the keys the player
// chose (KeyBindings.h).
#pragma once
#include "shell/Vocabulary.h"

#include <SDL.h>

// What a key does: a key code for the game, or one of the platform's own actions, which
// never reach the game.
enum class KeyAction : std::uint8_t {
    GameKey,
    ToggleFullscreen,
    DescribeSurroundings,
    RepeatSpeech,
    ToggleSpeech,
};

struct TranslatedKey {
    KeyAction action;
    int16 code; // for GameKey
    friend bool operator==(const TranslatedKey&, const TranslatedKey&) = default;
};

class KeyBindings;

// Letters follow the layout's meaning, so M is the key marked M on any keyboard. A key
// bound to no action is "any other key", but Enter, while no action takes it, stays the
// game's second action key.
TranslatedKey translateKey(const SDL_Keysym& key, const KeyBindings& bindings);
