// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settle/settlement.h"

#include <cassert>

#include "cards/compare.h"
#include "cards/special.h"

namespace kov {
namespace {

bool isIllegal(const Arrangement& a) {
    return a.back.category == IllegalMarker;
}

// A front won with two or three aces pays the ace factor.
std::int32_t withAceFactor(std::int32_t front, const Arrangement& a, const Arrangement& b) {
    const int aces = front > 0 ? rankCount(a.front.cards, 0) : rankCount(b.front.cards, 0);
    if (front != 0 && aces == 2) return front * AcePairFactor;
    if (front != 0 && aces == 3) return front * AceTripleFactor;
    return front;
}

}  // namespace

std::int32_t handPoints(const Hand& a, const Hand& b, Position position) {
    const HandCategory ca = a.category, cb = b.category;
    if (ca < cb) return -payout(position, cb);
    if (ca > cb) return payout(position, ca);
    const bool front = position == Position::Front;
    const auto less = [&](const CardSet& x, const CardSet& y) {
        return front ? lessFront(x, y, ca) : lessFive(x, y, ca);
    };
    if (less(a.cards, b.cards)) return -payout(position, cb);
    if (less(b.cards, a.cards)) return payout(position, ca);
    return 0;
}

void Settlement::settleChi(const SeatArrangements& seats, int i, int j) {
    assert(i != j && i >= 0 && i < 4 && j >= 0 && j < 4);
    const Arrangement &a = seats[i], &b = seats[j];
    PairingPoints points;
    if (isIllegal(a) || isIllegal(b)) {
        // The legal side wins every hand at its own categories, a special as a block.
        const bool aWins = isIllegal(b) && !isIllegal(a);
        const Arrangement& winner = aWins ? a : b;
        points = isSpecialCategory(winner.back.category)
                     ? PairingPoints{payout(Position::Back, winner.back.category), 0, 0}
                     : PairingPoints{payout(Position::Front, winner.front.category),
                                     payout(Position::Middle, winner.middle.category),
                                     payout(Position::Back, winner.back.category)};
        if (!aWins) points = {-points.Front, -points.Middle, -points.Back};
    } else {
        points = chiPairing(a.back.category, isSpecialCategory(a.back.category), b.back.category,
                            isSpecialCategory(b.back.category), [&](Position p) {
                                const std::int32_t v = handPoints(a, b, p);
                                return p == Position::Front ? withAceFactor(v, a, b) : v;
                            });
    }
    FrontResult[i][j] = points.Front;
    MiddleResult[i][j] = points.Middle;
    BackResult[i][j] = points.Back;
}

void Settlement::settleSet(const SeatArrangements& seats, int i, int j) {
    assert(i != j && i >= 0 && i < 4 && j >= 0 && j < 4);
    const Arrangement &a = seats[i], &b = seats[j];
    std::int32_t result;
    if (isIllegal(a)) {
        result = -1;
    } else if (isIllegal(b)) {
        result = 1;
    } else {
        result = setPairing(isStrongCategory(a.back.category), isStrongCategory(b.back.category),
                            [&](Position p) { return handPoints(a, b, p); });
    }
    FrontResult[i][j] = result;
    MiddleResult[i][j] = 0;
    BackResult[i][j] = 0;
}

void Settlement::settleDeal(const SeatArrangements& seats, int n, ScoringOption option) {
    assert(n >= 0 && n <= 4);
    SeatsInPlay = n;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            FrontResult[i][j] = MiddleResult[i][j] = BackResult[i][j] = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (j != i) {
                if (option == ScoringOption::Chi)
                    settleChi(seats, i, j);
                else
                    settleSet(seats, i, j);
            }
}

}  // namespace kov
