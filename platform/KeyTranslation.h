// The one place where SDL keys become the game's key codes.
#pragma once
#include "shell/Vocabulary.h"

#include <SDL.h>

// The window's own keys never reach the game: fullscreen, and speech (F1 describes where
// the hero stands, F2 repeats the last text, F3 turns speech on or off).
enum class KeyAction : std::uint8_t {
    GameKey,
    ToggleFullscreen,
    DescribeSurroundings,
    RepeatSpeech,
    ToggleSpeech
};

struct TranslatedKey {
    KeyAction action;
    int16 code; // for GameKey
};

// Letters follow the layout's meaning, so M is the key marked M on any keyboard.
TranslatedKey translateKey(const SDL_Keysym& key);
