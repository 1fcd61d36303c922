// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/compare.h"

#include <algorithm>

#include "cards/classify.h"
#include "cards/special.h"

namespace kov {
namespace {

// Compares two value masks from the top, `steps` ranks deep: the first difference decides.
// Returns -1 when a is lower, +1 when a is higher, 0 when all compared ranks agree.
int compareTop(std::uint16_t a, std::uint16_t b, int steps) {
    int va = 14, vb = 14;
    for (int i = 0; i < steps; ++i) {
        va = topValueBelow(a, va);
        vb = topValueBelow(b, vb);
        if (va != vb) return va < vb ? -1 : 1;
    }
    return 0;
}

RankValues valuesOf(const CardSet& s) {
    return rankValues(rankPattern(s));
}

// The top `pairs` pairs first, then the top `kickers` single cards: -1, 0 or +1 as compareTop.
int comparePairsThenKickers(const RankValues& x, const RankValues& y, int pairs, int kickers) {
    const int c = compareTop(x.two, y.two, pairs);
    return c != 0 ? c : compareTop(x.one, y.one, kickers);
}

}  // namespace

int straightKey(const CardSet& s) {
    return std::max(0, runStart(rankPattern(s).one, 5));
}

bool lessFive(const CardSet& a, const CardSet& b, HandCategory category) {
    if (a == b) return false;
    const RankValues x = valuesOf(a), y = valuesOf(b);
    switch (category) {
        case cat::Trash:
            // First rank from the top where the counts differ: a is less when b holds it.
            for (int v = 13; v >= 1; --v) {
                const int ca = rankCount(a, v), cb = rankCount(b, v);
                if (ca != cb) return cb != 0;
            }
            return false;
        case cat::Pair:
            return comparePairsThenKickers(x, y, 1, 3) < 0;
        case cat::TwoPairs:
            return comparePairsThenKickers(x, y, 2, 1) < 0;
        case cat::Triple:
        case cat::FullHouse:
            return topValue(x.three) < topValue(y.three);
        case cat::Straight:
        case cat::StraightFlush:
            return straightKey(a) < straightKey(b);
        case cat::Flush:
            return compareTop(x.held, y.held, 5) < 0;
        case cat::Quadruple:
            return topValue(x.four) < topValue(y.four);
        default:
            return false;
    }
}

bool lessFront(const CardSet& a, const CardSet& b, HandCategory category) {
    if (a == b) return false;
    const RankValues x = valuesOf(a), y = valuesOf(b);
    switch (category) {
        case cat::Trash:
            return compareTop(x.one, y.one, 3) < 0;
        case cat::Pair:
            return comparePairsThenKickers(x, y, 1, 1) < 0;
        case cat::Triple:
            return topValue(x.three) < topValue(y.three);
        default:
            return false;
    }
}

bool equalFive(const CardSet& a, const CardSet& b, HandCategory category) {
    if (a == b) return true;
    if (category >= cat::Reserved) return false;
    const RankValues x = valuesOf(a), y = valuesOf(b);
    switch (category) {
        case cat::Trash:
        case cat::Straight:
        case cat::StraightFlush: {
            const RankPattern p = rankPattern(a), q = rankPattern(b);
            return p.one == q.one && p.two == q.two && p.three == q.three && p.four == q.four;
        }
        case cat::Pair:
            return topValue(x.two) == topValue(y.two);
        case cat::TwoPairs:
            return compareTop(x.two, y.two, 2) == 0;
        case cat::Triple:
            return topValue(x.three) == topValue(y.three);
        case cat::Flush:
            return compareTop(x.held, y.held, 5) == 0;
        case cat::FullHouse:
            return topValue(x.three) == topValue(y.three) && topValue(x.two) == topValue(y.two);
        case cat::Quadruple:
            return topValue(x.four) == topValue(y.four);
        default:
            return false;
    }
}

bool equalFront(const CardSet& a, const CardSet& b, HandCategory category) {
    if (a == b) return true;
    const RankValues x = valuesOf(a), y = valuesOf(b);
    switch (category) {
        case cat::Trash:
            return compareTop(x.one, y.one, 3) == 0;
        case cat::Pair:
            return comparePairsThenKickers(x, y, 1, 1) == 0;
        case cat::Triple:
            return topValue(x.three) == topValue(y.three);
        default:
            return false;
    }
}

bool lessCoarse(const CardSet& a, const CardSet& b, HandCategory category) {
    const RankValues x = valuesOf(a), y = valuesOf(b);
    switch (category) {
        case cat::Trash:
            return compareTop(x.held, y.held, 3) < 0;
        case cat::Pair:
            return topValue(x.two) < topValue(y.two);
        case cat::Triple:
            return topValue(x.three | x.four) < topValue(y.three | y.four);
        default:
            return false;
    }
}

bool dominates(const Arrangement& a, const Arrangement& b) {
    if (isSpecialCategory(a.back.category) || isSpecialCategory(b.back.category)) return false;
    if (a.back.category < b.back.category) return false;
    if (a.back.category == b.back.category && lessFive(a.back.cards, b.back.cards, a.back.category))
        return false;
    if (a.middle.category < b.middle.category) return false;
    if (a.middle.category == b.middle.category &&
        lessFive(a.middle.cards, b.middle.cards, a.middle.category))
        return false;
    if (a.front.category < b.front.category) return false;
    if (a.front.category == b.front.category &&
        lessFront(a.front.cards, b.front.cards, a.front.category))
        return false;
    return true;
}

bool sameArrangementRank(const Arrangement& a, const Arrangement& b) {
    return a.back.category == b.back.category &&
           equalFive(a.back.cards, b.back.cards, a.back.category) &&
           a.middle.category == b.middle.category &&
           equalFive(a.middle.cards, b.middle.cards, a.middle.category) &&
           a.front.category == b.front.category &&
           equalFront(a.front.cards, b.front.cards, a.front.category);
}

bool evaluateArrangement(Arrangement& seat, const CardSet& front, const CardSet& middle,
                         const CardSet& back) {
    seat.front = {front, classifyFront(front)};
    seat.middle = {middle, classifyFive(middle)};
    seat.back = {back, classifyFive(back)};
    const HandCategory f = seat.front.category, m = seat.middle.category, b = seat.back.category;
    const bool illegal = m < f || (m == f && lessCoarse(middle, front, f)) || b < m ||
                         (b == m && lessFive(back, middle, m));
    if (illegal) seat.setCategories(IllegalMarker);
    return !illegal;
}

}  // namespace kov
