#include "KeyTranslation.h"

#include "KeyBindings.h"

TranslatedKey translateKey(const SDL_Keysym& key, const KeyBindings& bindings) {
    const bool alt = (key.mod & KMOD_ALT) != 0;
    // Alt with a key bound alone does what the key does, as Alt+arrows walk.
    if (alt)
        if (auto chord = bindings.find(Device::Keyboard, {key.sym, true})) return *chord;
    if (auto bound = bindings.find(Device::Keyboard, {key.sym, false})) return *bound;
    if (key.sym == SDLK_RETURN || key.sym == SDLK_KP_ENTER) return {KeyAction::GameKey, Key::Enter};
    return {KeyAction::GameKey, Key::Other};
}
