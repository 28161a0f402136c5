// When the game cannot start (no window, no screen), the player is told why in a message
// box, since a program started from a desktop has no console to read an error from.
#pragma once

// Writes `why` to the standard error and shows it in a message box, if one can be shown.
void showFailure(const char* why);
