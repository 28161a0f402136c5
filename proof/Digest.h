// A 64-bit FNV-1a fingerprint of what a run has reached: every variable of the
// record, every timer and everything the player sees. Equal runs give equal digests.
#pragma once
#include "game/FrmIntro.h"

#include <cstdint>
#include <string>
#include <string_view>

class Digest {
  public:
    void add(std::string_view bytes);
    void add(std::int64_t value);
    // The record, the timers (enabled and next due) and the draw list.
    void add(const FrmIntro& game);

    std::uint64_t value() const { return hash_; }
    // Sixteen lower-case hex digits.
    std::string hex() const;

  private:
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};
