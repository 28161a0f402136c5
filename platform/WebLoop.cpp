// The game in a web page. A page must never be blocked, so the browser drives the window
// from its own event loop: a step when SDL queues an event and when the next timer or
// gamepad repeat is due, and drawing on the display's next frame. The page (web/) shows
// its loading screen until the first picture and what comes after the end of a game, and
// reads the game's words (PageSpeech.cpp); a failure aborts the module, which the page
// reports.
#include "GameWindow.h"

#include <emscripten.h>
#include <emscripten/eventloop.h>
#include <emscripten/html5.h>

#include <cmath>
#include <memory>
#include <string>
#include <string_view>

namespace {
// Everything a game in the page needs, reached by the browser's callbacks through their
// user-data pointer. It lives as long as the page.
struct WebPlay {
    GameWindow window;
    Game game;
    long wakeUp = 0; // the pending timeout, 0 when none
    bool framePending = false;
    bool drawn = false;     // the page's loading screen gives way at the first picture
    std::string_view phase; // the last one told to the page
};

void step(WebPlay& play);

void onTimeout(void* data) {
    auto& play = *static_cast<WebPlay*>(data);
    play.wakeUp = 0;
    step(play);
}

void wakeAfter(WebPlay& play, double ms) {
    if (play.wakeUp) emscripten_clear_timeout(play.wakeUp);
    play.wakeUp = emscripten_set_timeout(onTimeout, ms, &play);
}

// An event just queued by SDL (a key, a gamepad, the page resized): it is taken by a step
// run as soon as the browser is free, never inside SDL's own event handling.
int onEvent(void* data, SDL_Event*) {
    wakeAfter(*static_cast<WebPlay*>(data), 0);
    return 1;
}

// Without the display's pixel ratio in the window's size, SDL's software picture would be
// stretched by the browser; with it the canvas holds one pixel per device pixel, so text
// is set at the size it shows.
void fitCanvas(const WebPlay& play) {
    double cssWidth = 0, cssHeight = 0;
    emscripten_get_element_css_size("#canvas", &cssWidth, &cssHeight);
    const double ratio = emscripten_get_device_pixel_ratio();
    const int w = int(std::lround(cssWidth * ratio)), h = int(std::lround(cssHeight * ratio));
    int shownW = 0, shownH = 0;
    SDL_GetWindowSize(play.window.sdlWindow(), &shownW, &shownH);
    if (w > 0 && h > 0 && (w != shownW || h != shownH))
        SDL_SetWindowSize(play.window.sdlWindow(), w, h);
}

EM_BOOL onFrame(double, void* data) {
    auto& play = *static_cast<WebPlay*>(data);
    play.framePending = false;
    if (!gameEnded(*play.game)) play.window.present(*play.game);
    if (!play.drawn) {
        play.drawn = true;
        EM_ASM({ Module.emit('firstPicture'); });
    }
    return EM_FALSE;
}

void gameOver(WebPlay& play) {
    if (play.wakeUp) emscripten_clear_timeout(play.wakeUp);
    play.wakeUp = 0;
    // The fade's last step ends the game in the same tick; its black is shown now, as no
    // frame will draw it, so a busy page never leaves a half-faded picture under the end screen.
    play.window.present(*play.game);
    // The page shows its end screen; its "Rejouer" button calls back for a new game.
    EM_ASM({ Module.onGameEnd(function() { Module._epee_new_game($0); }); }, &play);
}

// The page learns which screen shows when it changes (its 'phase' listeners; Module.phase
// for a script that starts listening later).
void tellPhase(WebPlay& play) {
    const std::string_view phase = shownScreen(*play.game);
    if (phase == play.phase) return;
    play.phase = phase;
    EM_ASM(
        {
            Module.phase = UTF8ToString($0);
            Module.emit('phase', Module.phase);
        },
        phase.data());
}

void step(WebPlay& play) {
    fitCanvas(play);
    play.window.update(*play.game);
    tellPhase(play);
    if (gameEnded(*play.game)) return gameOver(play);
    if (auto ms = play.window.msUntilDue(*play.game)) wakeAfter(play, *ms);
    if (!play.framePending) {
        play.framePending = true;
        emscripten_request_animation_frame(onFrame, &play);
    }
}

void startNewGame(WebPlay& play) {
    // The new game's clock starts at the window's present time, not at the window's start.
    play.game = newGame(play.window.now());
    play.window.begin(*play.game);
    step(play);
}
} // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void epee_new_game(void* play) {
    startNewGame(*static_cast<WebPlay*>(play));
}

int main() {
    // The window's size is set in device pixels (fitCanvas), as SDL's software drawing needs.
    SDL_SetHint(SDL_HINT_VIDEO_HIGHDPI_DISABLED, "1");
    auto* play = new WebPlay; // for the page's whole life
    // The page hears every word: its screen reader reads them, and its own "Voix" button (not
    // the window's speech key) has the browser's voice say them too.
    std::string alwaysThere;
    play->window.voice().addWitness(systemSpeech(alwaysThere));
    SDL_AddEventWatch(onEvent, play);
    startNewGame(*play);
    return 0;
}
