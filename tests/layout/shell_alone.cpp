// The ground floor on its own: the element set, its timers and its draw list, with nothing
// of the game built on them. Linked with every object of shell/, so it builds only while
// shell/ needs nothing from above it.
#include "shell/Controls.h"
#include "shell/DrawList.h"
#include "shell/GameState.h"
#include "shell/WindowTimers.h"

#include <cstdio>

int main() {
    Controls window;
    GameState record;
    record.strLettre(1) = "A";
    std::printf("%zu items\n", buildDrawList(window).size() + namedTimers(window).size());
}
