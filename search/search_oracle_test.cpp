// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The fast search against the straightforward one: identical lists, in identical order, on many
// random holdings and on the holdings that stress the lists most; and the keys the fast one keeps
// for its entries.

#include <gtest/gtest.h>

#include <random>

#include "cards/card_text.h"
#include "cards/test_deck.h"
#include "cards/test_soak.h"
#include "search/arrange.h"

namespace kov {
namespace {

// Both searches and their lists, reused from holding to holding.
class SearchOracle : public ::testing::Test {
  protected:
    void expectSameLists(const CardSet& h) {
        fast_.arrangeSeat(h, a_);
        reference_.arrangeSeat(h, b_);
        ASSERT_EQ(a_.count(), b_.count()) << cardList(cardsOf(h));
        for (int i = 0; i < a_.count(); ++i)
            ASSERT_EQ(a_[i], b_[i]) << cardList(cardsOf(h)) << " entry " << i;
        ASSERT_EQ(fast_.overflowed(), reference_.overflowed());
        // The keys the scoring reads back from the search are every entry's own keys, after all
        // the removals that moved entries around.
        for (int i = 0; i < a_.count(); ++i) {
            const ArrangementKey kept = fast_.steps().key(i), own = arrangementKey(a_[i]);
            ASSERT_EQ(kept.Exact, own.Exact) << cardList(cardsOf(h)) << " entry " << i;
            for (int p = 0; p < 3; ++p) {
                ASSERT_EQ(kept.Less[p], own.Less[p]) << cardList(cardsOf(h)) << " entry " << i;
                ASSERT_EQ(kept.Equal[p], own.Equal[p]) << cardList(cardsOf(h)) << " entry " << i;
            }
        }
    }

  private:
    SeatSearch fast_;
    ReferenceSearch reference_;
    ArrangementList a_, b_;
};

TEST_F(SearchOracle, RandomHoldings) {
    std::mt19937 rng(777);
    for (int k = 0, n = scaled(10000); k < n; ++k)
        expectSameLists(cardsAt(shuffledDeck(rng), 0, 13));
}

// Holdings biased to long lists: most cards in one or two suits, many pairs, doubled runs.
TEST_F(SearchOracle, StressedHoldings) {
    std::mt19937 rng(31);
    for (int k = 0, n = scaled(1500); k < n; ++k) {
        CardSet h;
        const int mode = k % 3;
        while (cardCount(h) < 13) {
            int suit = static_cast<int>(rng() % 4), rank = static_cast<int>(rng() % 13);
            if (mode == 0 && rng() % 4 != 0) suit = 1;                         // one long suit
            if (mode == 1) rank = static_cast<int>(rng() % 7);                 // many pairs
            if (mode == 2) rank = 3 + static_cast<int>(rng() % 6), suit %= 2;  // doubled runs
            if (mode == 2 && cardCount(h) >= 12) rank = static_cast<int>(rng() % 13);
            addCard(h, makeCard(suit, rank));
        }
        expectSameLists(h);
    }
    // The longest list; specials entering first (the keys of a special never decide a
    // dominance); three flushes and three straights; a lone pair of aces with its trash middle.
    for (const char* fixed :
         {"Ad 2d 3d 5d 6d 7d 8d 9d Td Jd Qd Kd 9s", "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh",
          "Ah 2d 3h 4c 5h 6s 7h 8h 9d Th Jc Qh Ks", "Ac Ad 2c 2d 3c 3d 4c 4d 5c 5d 6c 6d Ks",
          "Ac Ad 2c 2d 3c 3d 4c 4d 5c 5d 6c 6d 6h", "2h 5h 9h Jh Kh 3s 4s 7s 8s Qs 2d 6d 9d",
          "2h 3d 4s 5c 6h 7d 8s 9c Th Jd Qh Kd As", "Ah Ad 3c 5s 7h 9d Jc Kh 2s 4d 8c Ts 6h"})
        expectSameLists(cardsFromText(fixed));
}

// Searches made with short lists fill them up: both searches must then keep the same entries and
// both report the overflow, also where the fast one passes over middles that could make nothing
// (the first holding: a straight flush back leaves a pair and two triples, whose pairs the fast
// search does not build).
TEST(SearchOracleShortLists, SameEntriesAndOverflow) {
    std::mt19937 rng(5);
    std::vector<CardSet> holdings = {cardsFromText("Ah Ad 3h 3d 3s 7h 7d 7c 7s 5c 6c 8c 9c")};
    for (int k = 0, n = scaled(300); k < n; ++k) {
        holdings.push_back(cardsAt(shuffledDeck(rng), 0, 13));
        CardSet paired;  // many pairs and triples: most of the middles left out come of them
        while (cardCount(paired) < 13)
            addCard(paired, makeCard(static_cast<int>(rng() % 4), static_cast<int>(rng() % 7)));
        holdings.push_back(paired);
    }
    for (int capacity = 3; capacity <= 48; ++capacity) {
        SeatSearch fast(capacity);
        ReferenceSearch reference(capacity);
        ArrangementList a(capacity), b(capacity);
        for (const CardSet& h : holdings) {
            fast.arrangeSeat(h, a);
            reference.arrangeSeat(h, b);
            ASSERT_EQ(a.count(), b.count()) << cardList(cardsOf(h)) << " capacity " << capacity;
            for (int i = 0; i < a.count(); ++i)
                ASSERT_EQ(a[i], b[i]) << cardList(cardsOf(h)) << " capacity " << capacity;
            ASSERT_EQ(fast.overflowed(), reference.overflowed())
                << cardList(cardsOf(h)) << " capacity " << capacity;
        }
    }
}

}  // namespace
}  // namespace kov
