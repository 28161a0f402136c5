#include "KeyTranslation.h"

TranslatedKey translateKey(const SDL_Keysym& key) {
    const bool alt = (key.mod & KMOD_ALT) != 0;
    const SDL_Keycode sym = key.sym;
    if (sym == SDLK_F11 || (alt && (sym == SDLK_RETURN || sym == SDLK_KP_ENTER)))
        return {KeyAction::ToggleFullscreen, 0};
    switch (sym) {
    case SDLK_F1:
        return {KeyAction::DescribeSurroundings, 0};
    case SDLK_F2:
        return {KeyAction::RepeatSpeech, 0};
    case SDLK_F3:
        return {KeyAction::ToggleSpeech, 0};
    case SDLK_ESCAPE:
        return {KeyAction::GameKey, Key::Esc};
    case SDLK_SPACE:
        return {KeyAction::GameKey, Key::Space};
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return {KeyAction::GameKey, Key::Enter};
    case SDLK_LEFT:
        return {KeyAction::GameKey, Key::Left};
    case SDLK_UP:
        return {KeyAction::GameKey, Key::Up};
    case SDLK_RIGHT:
        return {KeyAction::GameKey, Key::Right};
    case SDLK_DOWN:
        return {KeyAction::GameKey, Key::Down};
    default:
        break;
    }
    if (sym >= SDLK_a && sym <= SDLK_z) return {KeyAction::GameKey, int16('A' + (sym - SDLK_a))};
    if (sym >= SDLK_0 && sym <= SDLK_9) return {KeyAction::GameKey, int16('0' + (sym - SDLK_0))};
    return {KeyAction::GameKey, Key::Other};
}
