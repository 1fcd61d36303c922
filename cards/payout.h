// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a hand wins, in units before the stake, by position and category. 65535 marks a category
// that cannot stand in that position. The back table's entries from cat::SixPairs on are the
// payouts of the special thirteen-card holdings. The hand rules read them (a special's payout) as
// well as the settlement, so they live with the cards.

#include <array>
#include <cstdint>

#include "cards/hand.h"

namespace kov {

constexpr std::int32_t NoPayout = 65535;

inline constexpr std::array<std::int32_t, 16> BackPayout = {1, 1,        1, 1, 1, 1, 1,  4,
                                                            5, NoPayout, 3, 3, 3, 6, 13, 26};
inline constexpr std::array<std::int32_t, 10> MiddlePayout = {1, 1, 1, 1, 1, 1, 2, 8, 10, NoPayout};
inline constexpr std::array<std::int32_t, 4> FrontPayout = {1, 1, NoPayout, 3};

// A front won with two aces earns nothing extra; one won with three aces pays three times.
constexpr std::int32_t AcePairFactor = 1;
constexpr std::int32_t AceTripleFactor = 3;

}  // namespace kov
