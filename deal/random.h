// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's random generator: a 32-bit linear congruential state. Every draw is
// nextRandom() modulo its range, with the small bias of the modulo.

#include <cstdint>

namespace kov {

// The 32-bit FNV-1a hash, byte by byte, that the game's own generators for a player's
// convenience are seeded with: start from FnvOffset, mix in every byte with fnvStep().
inline constexpr std::uint32_t FnvOffset = 2166136261u;
constexpr std::uint32_t fnvStep(std::uint32_t h, std::uint32_t byte) {
    return (h ^ byte) * 16777619u;
}
// fnvStep() over every value of `bytes` (each one byte) in order, continuing from `h`.
template <typename Bytes>
constexpr std::uint32_t fnvHash(const Bytes& bytes, std::uint32_t h = FnvOffset) {
    for (const auto byte : bytes)
        h = fnvStep(h, static_cast<std::uint32_t>(byte));
    return h;
}

class Random {
  public:
    explicit Random(std::uint32_t seed = 0) : state_(seed) {}
    void seedRandom(std::uint32_t seed) { state_ = seed; }
    // state = state * 214013 + 2531011 (mod 2^32); yields bits 16..30, 0..32767.
    int nextRandom() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }
    std::uint32_t state() const { return state_; }

  private:
    std::uint32_t state_;
};

}  // namespace kov
