// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/card_set.h"

namespace kov {

// Clears rank r suit by suit from suit 0 upward until one suit still holds it: the card kept is
// the one in the highest-numbered suit that held it.
void thinRank(CardSet& s, int r) {
    r %= RankCount;
    int held = rankCount(s, r);
    if (held < 2) return;
    const auto keep = static_cast<std::uint16_t>(~(1u << r));
    for (int suit = 0; suit < SuitCount && held > 1; ++suit) {
        if ((s.mask[suit] >> r) & 1) {
            s.mask[suit] &= keep;
            --held;
        }
    }
}

// Keeps bit b only in the lowest-numbered suit holding it.
void keepFirstSuitOfBit(CardSet& s, int bit) {
    const auto b = static_cast<std::uint16_t>(1u << bit);
    int suit = 0;
    while (suit < SuitCount && !(s.mask[suit] & b))
        ++suit;
    for (++suit; suit < SuitCount; ++suit)
        s.mask[suit] &= static_cast<std::uint16_t>(~b);
}

CardSet setOf(const Holding& row) {
    CardSet s;
    for (CardIndex c : row)
        addCard(s, c);
    return s;
}

Holding holdingOf(const CardSet& s) {
    Holding row{};
    std::size_t k = 0;
    for (int c = 0; c < DeckSize && k < row.size(); ++c)
        if (hasCard(s, static_cast<CardIndex>(c))) row[k++] = static_cast<CardIndex>(c);
    return row;
}

void FiveRankMasks::removeFiveRankMask(std::uint16_t m) {
    for (int i = 0; i < length; ++i) {
        if (mask[i] == m) {
            --length;
            mask[i] = mask[length];
            return;
        }
    }
}

FiveRankMasks buildFiveRankMaskList() {
    FiveRankMasks list;
    for (std::uint32_t m = 0; m < 8192; ++m)
        if (bitCount16(m) == 5) list.mask[list.length++] = static_cast<std::uint16_t>(m);
    // Removing a straight moves the then-last mask into its place: the order that results is
    // the order in which the search enumerates flushes.
    for (std::uint16_t straight : StraightMasks)
        list.removeFiveRankMask(straight);
    list.position.fill(-1);
    for (int i = 0; i < list.length; ++i)
        list.position[list.mask[i]] = static_cast<std::int16_t>(i);
    return list;
}

const FiveRankMasks& fiveRankMaskList() {
    static const FiveRankMasks list = buildFiveRankMaskList();
    return list;
}

}  // namespace kov
