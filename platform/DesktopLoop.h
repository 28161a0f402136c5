// The desktop's driver of the game window, as WebLoop.cpp is the browser's.
#pragma once
#include "GameWindow.h"

// Plays until the game ends or the window is closed, asleep in SDL between steps; returns
// the exit status.
int playOnDesktop(GameWindow& window, FrmIntro& game);
