// Which screen of the game shows, as the web page around it needs to know: a touch screen
// offers the keys that screen answers (the colour keys only while the menu is open).
#pragma once
#include "shell/FrmIntro.h"

// "title", "name", "game", "message", "menu", "victory" or "ended".
const char* pagePhase(const FrmIntro& game);
