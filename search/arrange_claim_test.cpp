// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every arrangement the search produces claims only categories its cards make, in every form the
// search writes: ordinary hands with filler cards, the three-hand specials, the block specials
// and the split thirteen-card straights.

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "cards/card_text.h"
#include "cards/category_claim.h"
#include "cards/special.h"
#include "cards/test_deck.h"
#include "cards/test_soak.h"
#include "search/arrange.h"

namespace kov {
namespace {

class SearchClaims : public ::testing::Test {
  protected:
    void expectAccepted(const CardSet& h, int seat) {
        search_.arrangeSeat(h, list_);
        for (int i = 0; i < list_.count(); ++i) {
            const auto e = categoryClaimError(list_[i], seat);
            ASSERT_FALSE(e) << cardList(cardsOf(h)) << " entry " << i << ": " << describe(*e);
            if (isSpecialCategory(list_[i].back.category))
                ++specialsSeen_[index(list_[i].back.category)];
        }
    }
    SeatSearch search_;
    ArrangementList list_;
    std::array<int, 16> specialsSeen_{};
};

TEST_F(SearchClaims, RandomHoldings) {
    std::mt19937 rng(4711);
    const int n = scaled(3000);
    for (int k = 0; k < n; ++k)
        expectAccepted(cardsAt(shuffledDeck(rng), 0, 13), k % 4);
}

// Long suits, many pairs and doubled runs: the holdings with the most flushes, full houses,
// fours of a kind and three-hand specials.
TEST_F(SearchClaims, StressedHoldings) {
    std::mt19937 rng(97);
    const int n = scaled(600);
    for (int k = 0; k < n; ++k) {
        CardSet h;
        const int mode = k % 3;
        while (cardCount(h) < 13) {
            int suit = static_cast<int>(rng() % 4), rank = static_cast<int>(rng() % 13);
            if (mode == 0 && rng() % 4 != 0) suit = 1;
            if (mode == 1) rank = static_cast<int>(rng() % 7);
            if (mode == 2) rank = 3 + static_cast<int>(rng() % 6), suit %= 2;
            if (mode == 2 && cardCount(h) >= 12) rank = static_cast<int>(rng() % 13);
            addCard(h, makeCard(suit, rank));
        }
        expectAccepted(h, 1 + k % 3);
    }
}

TEST_F(SearchClaims, EverySpecialForm) {
    for (const char* holding : {
             "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh",  // 13 straight flush, and (8, 8, 0)
             "Ah 2d 3h 4c 5h 6s 7h 8h 9d Th Jc Qh Ks",  // 13 straight and ordinary ones
             "Ah Ad Ac As 2h 2d 2c 2s 3h 3d 4h 4d 5h",  // 6 pairs
             "Ah Ad 5h 5d 7h 7d 9h 9d Jh Jd Kh Kd Kc",  // 5 pairs, 1 triple
             "2h 5h 7h 9h Jh 3d 4d 8d Td Kd 2c 6c Qc",  // 3 flush
             "9h Td Jc Qs Kh As 2d 3c 4h 5d Qh Kd Ac",  // 3 straight
             "Ad Td 8d 6d 2d 2h 2c 2s 5h 5c 7d 7c Qs",  // a triple recorded below its full house
         })
        expectAccepted(cardsFromText(holding), 2);
    for (const HandCategory c : SpecialCategories)
        EXPECT_GE(specialsSeen_[index(c)], 1) << index(c);
}

}  // namespace
}  // namespace kov
