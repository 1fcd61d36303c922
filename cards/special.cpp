// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/special.h"

#include "cards/classify.h"
#include "cards/payout.h"

namespace kov {

bool isSpecialCategory(HandCategory category, std::int32_t* payout) {
    if (category < cat::SixPairs || category > cat::ThirteenStraightFlush) return false;
    if (payout) *payout = BackPayout[index(category)];
    return true;
}

bool isDeclaredOutright(HandCategory category) {
    return category == cat::SixPairs || category == cat::FivePairsTriple ||
           category == cat::ThirteenStraight || category == cat::ThirteenStraightFlush;
}

bool isStrongCategory(HandCategory category) {
    return category == cat::Quadruple || category == cat::StraightFlush ||
           isSpecialCategory(category);
}

int pairCount(const CardSet& s) {
    const RankPattern p = rankPattern(s);
    return bitCount16(p.two) + 2 * bitCount16(p.four);
}

int tripleCount(const CardSet& s) {
    return bitCount16(rankPattern(s).three);
}

bool declareSpecial(Arrangement& seat, const CardSet& front, const CardSet& middle,
                    const CardSet& back, const CardSet& rest, HandCategory category) {
    if (!isSpecialCategory(category)) return false;
    CardSet all = unite(unite(front, middle), unite(back, rest));
    bool held = false;
    if (category == cat::ThreeFlush || category == cat::ThreeStraight) {
        seat.front.cards = front;
        seat.middle.cards = middle;
        seat.back.cards = back;
        held = category == cat::ThreeStraight
                   ? isStraight3(front) && isStraight5(middle) && isStraight5(back)
                   : isFlush3(front) && isFlush5(middle) && isFlush5(back);
    } else {
        seat.front.cards = seat.middle.cards = seat.back.cards = all;
        if (category == cat::SixPairs) {
            held = pairCount(all) == 6;
        } else if (category == cat::FivePairsTriple) {
            held = pairCount(all) == 5 && tripleCount(all) == 1;
        } else {
            const RankPattern p = rankPattern(all);
            if (p.one == FullSuit && p.held == FullSuit) {
                int emptySuits = 0;
                for (std::uint16_t m : all.mask)
                    emptySuits += m == 0;
                held = (emptySuits == 3 ? cat::ThirteenStraightFlush : cat::ThirteenStraight) ==
                       category;
            }
        }
    }
    seat.setCategories(held ? category : IllegalMarker);
    return held;
}

}  // namespace kov
