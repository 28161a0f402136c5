#include "Digest.h"

#include "GameRecord.h"
#include "shell/DrawList.h"
#include "shell/WindowTimers.h"

#include <cstdio>
#include <type_traits>

void Digest::add(std::string_view bytes) {
    // The length first, so that "ab"+"c" and "a"+"bc" differ.
    add(std::int64_t(bytes.size()));
    for (unsigned char c : bytes) {
        hash_ ^= c;
        hash_ *= 0x100000001b3ULL;
    }
}

void Digest::add(std::int64_t value) {
    for (int i = 0; i < 8; ++i) {
        hash_ ^= std::uint64_t(value >> (8 * i)) & 0xff;
        hash_ *= 0x100000001b3ULL;
    }
}

void Digest::add(const FrmIntro& game) {
    forEachVariable(game, [this](std::string_view, const auto& value) {
        if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
            add(std::string_view(value));
        else
            add(std::int64_t(value));
    });
    for (const auto& [name, timer] : namedTimers(game)) {
        add(std::int64_t(timer->enabled()));
        add(timer->enabled() ? timer->due() : 0);
    }
    add(std::int64_t(game.ended()));
    for (const DrawItem& item : buildDrawList(game)) {
        for (int v :
             {int(item.kind), item.box.left, item.box.top, item.box.width, item.box.height,
              item.clip.left, item.clip.top, item.clip.width, item.clip.height, int(item.color.r),
              int(item.color.g), int(item.color.b), int(item.art), int(item.alignment)})
            add(std::int64_t(v));
        add(item.text);
    }
}

std::string Digest::hex() const {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash_));
    return text;
}
