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
// A 32-bit seed for stream `stream` of item `number` of a seeded run (a deal of the arena, a
// holding of a calibration): the seed and the number side by side, plus `step` per stream, spread
// by the splitmix64 finaliser so that neighbouring items and streams share nothing visible.
constexpr std::uint32_t streamSeed(std::uint32_t seed, int number, int stream, std::uint64_t step) {
    std::uint64_t z =
        (static_cast<std::uint64_t>(seed) << 32 | static_cast<std::uint32_t>(number)) +
        step * static_cast<std::uint64_t>(stream + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<std::uint32_t>(z >> 32);
}

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

// A number below `n` from two draws, the first the high 15 of 30 bits: every index of even the
// longest list is reachable, with a bias far below anything an arena can measure.
inline std::uint32_t drawBelow(Random& rng, std::uint32_t n) {
    const auto high = static_cast<std::uint32_t>(rng.nextRandom());
    const auto low = static_cast<std::uint32_t>(rng.nextRandom());
    return ((high << 15) | low) % n;
}

}  // namespace kov
