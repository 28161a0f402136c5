// Whether the player uses a screen reader, so that the game speaks from the start unasked.
#pragma once

bool screenReaderRuns();
