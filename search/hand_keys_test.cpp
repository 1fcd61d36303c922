// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "search/hand_keys.h"

#include <gtest/gtest.h>

#include <random>

#include "cards/card_text.h"
#include "cards/classify.h"
#include "cards/compare.h"
#include "search/candidates.h"
#include "search/keyed_steps.h"

namespace kov {
namespace {

CardSet randomHand(std::mt19937& rng, int n) {
    CardSet s;
    while (cardCount(s) < n)
        addCard(s, static_cast<CardIndex>(rng() % 52));
    return s;
}

// The keys must answer exactly what the rules answer, also for hands whose recorded category is
// lower than their cards make (filler cards that pair up), which the search produces.
TEST(HandKeys, FiveCardKeysAgreeWithTheRules) {
    std::mt19937 rng(4242);
    int inexact = 0;
    for (int n = 0; n < 200000; ++n) {
        const CardSet a = randomHand(rng, 5), b = randomHand(rng, 5);
        const HandCategory ca = classifyFive(a);
        // Compare under the real category, and under a lower recorded one.
        for (HandCategory k : {ca, static_cast<HandCategory>(rng() % (index(ca) + 1))}) {
            const HandKey ka = fiveKey(a, k), kb = fiveKey(b, k);
            if (!ka.Exact || !kb.Exact) {
                ++inexact;
                continue;
            }
            ASSERT_EQ(ka.Less < kb.Less, lessFive(a, b, k))
                << cardList(cardsOf(a)) << " / " << cardList(cardsOf(b)) << " " << int(k);
            ASSERT_EQ(kb.Less < ka.Less, lessFive(b, a, k));
            ASSERT_EQ(ka.Equal == kb.Equal, equalFive(a, b, k)) << int(k);
        }
    }
    EXPECT_GT(inexact, 0);  // trash keys on paired cards fall back to the rules
}

TEST(HandKeys, FrontKeysAgreeWithTheRules) {
    std::mt19937 rng(99);
    for (int n = 0; n < 100000; ++n) {
        const CardSet a = randomHand(rng, 3), b = randomHand(rng, 3);
        const HandCategory ca = classifyFront(a);
        for (HandCategory k : {ca, cat::Trash, cat::Pair}) {
            const HandKey ka = frontKey(a, k), kb = frontKey(b, k);
            ASSERT_EQ(ka.Less < kb.Less, lessFront(a, b, k));
            ASSERT_EQ(ka.Equal == kb.Equal, equalFront(a, b, k));
        }
    }
}

// The search keys its cores on their ranks: the same keys and the same order as the full keys,
// for every back and middle core the candidates give.
TEST(HandKeys, CoreKeysAgreeWithFullKeys) {
    std::mt19937 rng(2027);
    CandidateList list;
    int compared = 0;
    for (int n = 0; n < 3000; ++n) {
        const CardSet holding = randomHand(rng, 13);
        for (HandCategory k : BackAndMiddleOrder) {
            list.clear();
            generateCandidates(list, holding, k, Position::Back);
            for (int i = 0; i < list.count(); ++i) {
                const CardSet& a = list[i].cards;
                if (k >= cat::Triple) {
                    const HandKey full = fiveKey(a, k), core = coreKey(a, k);
                    ASSERT_EQ(core.Less, full.Less) << cardList(cardsOf(a));
                    ASSERT_EQ(core.Equal, full.Equal) << cardList(cardsOf(a));
                }
                const CardSet& b = list[static_cast<int>(rng() % list.count())].cards;
                if (!keyedByRanks(k)) continue;
                ASSERT_EQ(rankKey(a, k) < rankKey(b, k), fiveKey(a, k).Less < fiveKey(b, k).Less)
                    << cardList(cardsOf(a)) << " / " << cardList(cardsOf(b));
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 10000);
}

TEST(HandKeys, IdenticalHandsAndSpecials) {
    const CardSet a = cardsFromText("Ah Ad 3c 3s 9h");
    EXPECT_EQ(fiveKey(a, cat::Trash).Exact, false);
    Arrangement special;
    special.setCategories(cat::SixPairs);
    const ArrangementKey k = arrangementKey(special);
    EXPECT_FALSE(k.Exact);  // specials go to the rules, which never let them dominate
    EXPECT_FALSE(dominatesKeyed(special, k, special, k));
}

}  // namespace
}  // namespace kov
