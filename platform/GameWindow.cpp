#include "GameWindow.h"

#include "KeyTranslation.h"
#include "RendererChoice.h"
#include "VideoStart.h"

#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <tuple>

namespace {
// The largest of 1x, 1.5x and 2x that fits the desktop's usable area.
double openingScale() {
    SDL_Rect usable{0, 0, 1024, 768};
    SDL_GetDisplayUsableBounds(0, &usable);
    for (double scale : {2.0, 1.5})
        if (kPlayWidthPx * scale <= usable.w && kPlayHeightPx * scale <= usable.h) return scale;
    return 1.0;
}

// The window's starting size: the scale asked for, else the size it had last time,
// else the largest scale that fits.
std::pair<int, int> openingSize(const WindowChoice& choice) {
    if (!choice.scale && choice.remembered.width && choice.remembered.height)
        return {*choice.remembered.width, *choice.remembered.height};
    const double scale = choice.scale.value_or(openingScale());
    return {int(std::lround(kPlayWidthPx * scale)), int(std::lround(kPlayHeightPx * scale))};
}

std::optional<Micros> earliest(std::optional<Micros> a, std::optional<Micros> b) {
    if (a && b) return std::min(*a, *b);
    return a ? a : b;
}

void fail(const char* what) {
    throw std::runtime_error(std::string(what) + ": " + SDL_GetError());
}
} // namespace

GameWindow::GameWindow(const WindowChoice& choice)
    : keys_(choice.keys),
      voice_(choice.speech, speechLogFromEnvironment([this] { return now(); })) {
    chooseRenderer();
    // The game reads keys, never typed text, so the X input method's compose table is of
    // no use to it, and reading it takes 12 to 20 ms of the start-up. A player's own
    // setting still rules.
    SDL_setenv("XCOMPOSEFILE", "/dev/null", 0);
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) fail("SDL_Init");
    startVideo();
    if (TTF_Init() != 0) fail("TTF_Init");
    IMG_Init(0);
    gamepad_ = std::make_unique<Gamepad>(keys_);
    std::tie(windowedWidth_, windowedHeight_) = openingSize(choice);
    const bool full = choice.fullscreen.value_or(choice.remembered.fullscreen.value_or(false));
    window_ = SDL_CreateWindow(windowCaption(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               windowedWidth_, windowedHeight_,
                               SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI |
                                   (full ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0));
    if (!window_) fail("SDL_CreateWindow");
    if (trace_) trace_->window(full);
    sdlRenderer_ = createRenderer(window_);
    if (!sdlRenderer_) fail("SDL_CreateRenderer");
    if (trace_) trace_->renderer(sdlRenderer_);
    screen_ = std::make_unique<Screen>(window_, sdlRenderer_);
    SDL_ShowCursor(SDL_DISABLE);
    start_ = SDL_GetPerformanceCounter();
}

GameWindow::~GameWindow() {
    screen_.reset();
    gamepad_.reset();
    if (sdlRenderer_) SDL_DestroyRenderer(sdlRenderer_);
    if (window_) SDL_DestroyWindow(window_);
    IMG_Quit();
    TTF_Quit();
    SDL_Quit();
}

Micros GameWindow::now() const {
    Uint64 elapsed = SDL_GetPerformanceCounter() - start_;
    return Micros(double(elapsed) * 1e6 / double(SDL_GetPerformanceFrequency()));
}

void GameWindow::begin(FrmIntro& game) {
    if (trace_) trace_->watchTimers(game);
    screen_->redrawAll();
    present(game);
    voice_.begin(game);
    // Pads are looked for once the window shows: the search takes time the player would
    // otherwise spend before a blank window. Pads already plugged in are announced then,
    // and without any the keyboard still plays, so a failure is no reason to stop.
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void GameWindow::update(FrmIntro& game) {
    SDL_Event event;
    while (!gameEnded(game) && SDL_PollEvent(&event))
        handle(event, game);
    fireDue(game);
}

void GameWindow::fireDue(FrmIntro& game) {
    if (gameEnded(game)) return;
    tick(game);
    if (auto key = gamepad_->repeatDue(now())) press(*key, game);
}

void GameWindow::act(const TranslatedKey& key, bool repeat, FrmIntro& game) {
    if (key.action == KeyAction::GameKey) return press(key.code, game);
    // The window's own keys never reach the game, and a held one does not toggle over and over.
    if (!repeat) windowKey(key.action, game);
}

std::optional<int> GameWindow::msUntilDue(const FrmIntro& game) const {
    const auto due = earliest(nextTimerDue(game), gamepad_->nextRepeat());
    if (!due) return std::nullopt;
    return int(std::max<Micros>(0, (*due - now() + 999) / 1000));
}

void GameWindow::handle(const SDL_Event& event, FrmIntro& game) {
    switch (event.type) {
    case SDL_QUIT:
        closeWindow(game);
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) closeWindow(game);
        if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED && !fullscreen())
            SDL_GetWindowSize(window_, &windowedWidth_, &windowedHeight_);
        if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
            event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            screen_->redrawAll();
        break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
        screen_->redrawAll();
        break;
    case SDL_KEYDOWN:
        act(translateKey(event.key.keysym, keys_), event.key.repeat != 0, game);
        break;
    default:
        break;
    }
    if (auto key = gamepad_->handle(event, now())) act(*key, false, game);
}

void GameWindow::press(int16 keyCode, FrmIntro& game) {
    // Timers due before the key are taken first, so events keep their order.
    tick(game);
    if (trace_) trace_->key(keyCode);
    if (gameEnded(game)) return;
    pressKey(game, keyCode);
    voice_.look(game);
}

void GameWindow::tick(FrmIntro& game) {
    fireDueTimers(game, now());
    voice_.look(game);
}

void GameWindow::windowKey(KeyAction action, const FrmIntro& game) {
    switch (action) {
    case KeyAction::ToggleFullscreen:
        toggleFullscreen();
        break;
    case KeyAction::DescribeSurroundings:
        voice_.describeSurroundings(game);
        break;
    case KeyAction::RepeatSpeech:
        voice_.repeatLast();
        break;
    case KeyAction::ToggleSpeech:
        voice_.toggle(game);
        break;
    case KeyAction::GameKey:
        break;
    }
}

void GameWindow::present(FrmIntro& game) {
    if (screen_->show(drawList(game)) && trace_) trace_->frame();
}

bool GameWindow::fullscreen() const {
    return SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP;
}

void GameWindow::toggleFullscreen() {
    const bool full = !fullscreen();
    SDL_SetWindowFullscreen(window_, full ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (trace_) trace_->window(full);
    screen_->redrawAll();
}

Settings GameWindow::settings() const {
    return {fullscreen(), windowedWidth_, windowedHeight_, voice_.on()};
}
