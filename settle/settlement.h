// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Settlement between seats: the points that pass between every ordered pair of seats, per hand
// position, under the chi option (hand by hand) or the set option (whole arrangement).

#include <array>
#include <cstdint>

#include "cards/hand.h"
#include "cards/payout.h"

namespace kov {

enum class ScoringOption : int { Chi = 0, Set = 1 };

// What a hand of `category` wins at `position`, in units before the stake. At the back the
// special holdings (cat::SixPairs and above) carry their block payout; a category that cannot stand
// at the position pays NoPayout.
constexpr std::int32_t payout(Position position, HandCategory category) {
    switch (position) {
        case Position::Front:
            return index(category) < FrontPayout.size() ? FrontPayout[index(category)] : NoPayout;
        case Position::Middle:
            return index(category) < MiddlePayout.size() ? MiddlePayout[index(category)] : NoPayout;
        default:
            return index(category) < BackPayout.size() ? BackPayout[index(category)] : NoPayout;
    }
}

// Signed points of a's hand against b's at one position: the winner's category sets the amount.
std::int32_t handPoints(const Hand& a, const Hand& b, Position position);
inline std::int32_t handPoints(const Arrangement& a, const Arrangement& b, Position position) {
    return handPoints(handAt(a, position), handAt(b, position), position);
}

constexpr int sign(std::int32_t v) {
    return (v > 0) - (v < 0);
}

// The outcome of one pairing of arrangements a and b, written once for the settlement and the
// simulated deals. `handPoints(position)` gives a's hand against b's at one position (signed).
//
// Under the chi option, points per position: a special holding settles as a block, its payout
// entered at the front (two specials tie, whatever they are); otherwise each hand is paid apart.
struct PairingPoints {
    std::int32_t Front = 0, Middle = 0, Back = 0;
    constexpr std::int32_t total() const { return Front + Middle + Back; }
};
template <typename HandPointsAt>
PairingPoints chiPairing(HandCategory backA, bool specialA, HandCategory backB, bool specialB,
                         HandPointsAt&& handPoints) {
    if (specialA) return {specialB ? 0 : payout(Position::Back, backA), 0, 0};
    if (specialB) return {-payout(Position::Back, backB), 0, 0};
    return {handPoints(Position::Front), handPoints(Position::Middle), handPoints(Position::Back)};
}
// Under the set option, +1, 0 or -1 for a: a strong back wins outright (two strong backs tie);
// otherwise the side that wins more of the three hands wins the set.
template <typename HandPointsAt>
std::int32_t setPairing(bool strongA, bool strongB, HandPointsAt&& handPoints) {
    if (strongA) return strongB ? 0 : 1;
    if (strongB) return -1;
    return sign(sign(handPoints(Position::Front)) + sign(handPoints(Position::Middle)) +
                sign(handPoints(Position::Back)));
}

using SeatArrangements = std::array<Arrangement, 4>;
using ResultMatrix = std::array<std::array<std::int32_t, 4>, 4>;

// The three result matrices of one deal, indexed [seat][opponent]: what the seat gains from the
// opponent. Under the set option and for block settlements only the front matrix is non-zero.
struct Settlement {
    ResultMatrix FrontResult{};
    ResultMatrix MiddleResult{};
    ResultMatrix BackResult{};
    std::int32_t SeatsInPlay = 0;

    // Seat i against seat j (two different seats of 0..3), into entry [i][j].
    void settleChi(const SeatArrangements& seats, int i, int j);
    void settleSet(const SeatArrangements& seats, int i, int j);
    // Every ordered pair of the seats 0..n-1 in play (n <= 4); the other entries are zero.
    void settleDeal(const SeatArrangements& seats, int n, ScoringOption option);
    const ResultMatrix& matrix(Position p) const {
        return p == Position::Front    ? FrontResult
               : p == Position::Middle ? MiddleResult
                                       : BackResult;
    }
};

}  // namespace kov
