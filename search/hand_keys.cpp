// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "search/hand_keys.h"

#include <array>
#include <bit>

#include "cards/compare.h"

namespace kov {
namespace {

// The first five values of a value mask from the top, 4 bits each with the highest first (0
// where none is left).
constexpr std::uint32_t topFiveOf(unsigned values) {
    std::uint32_t out = 0;
    for (int i = 0; i < 5; ++i) {
        const int v = values ? std::bit_width(values) : 0;
        if (v) values &= ~(1u << (v - 1));
        out = (out << 4) | static_cast<std::uint32_t>(v);
    }
    return out;
}

// topFiveOf() of every 13-bit rank mask, built by the compiler.
constexpr std::array<std::uint32_t, 8192> topFiveByRankTable() {
    std::array<std::uint32_t, 8192> t{};
    for (unsigned m = 0; m < t.size(); ++m)
        t[m] = topFiveOf(valueMask(static_cast<std::uint16_t>(m)));
    return t;
}

}  // namespace

constinit const std::array<std::uint32_t, 8192> TopFiveByRank = topFiveByRankTable();

// straightKey() of a hand of exactly five single ranks is the start of its five-long run (0 for
// A-2-3-4-5, 9 for 10-J-Q-K-A), or 0 without one. Other hands take the scan itself.
std::uint32_t straightKeyOf(const CardSet& cards, const RankPattern& p) {
    if (p.held != p.one || bitCount16(p.one) != 5)
        return static_cast<std::uint32_t>(straightKey(cards));
    const unsigned starts = windowStarts(p.one);
    return starts ? static_cast<std::uint32_t>(std::countr_zero(starts)) : 0;
}

}  // namespace kov
