// The one place where SDL keys become the game's key codes.
#pragma once
#include "shell/Vocabulary.h"

#include <SDL.h>

enum class KeyAction : std::uint8_t { GameKey, ToggleFullscreen };

struct TranslatedKey {
    KeyAction action;
    int16 code; // for GameKey
};

// Letters follow the layout's meaning, so M is the key marked M on any keyboard.
TranslatedKey translateKey(const SDL_Keysym& key);
