// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Property tests across the engine, with fixed seeds. The case counts scale with KOVARIN_SOAK
// (a whole-number multiplier, 1 when unset): modest in ./test, large in a soak run.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "cards/card_text.h"
#include "cards/classify.h"
#include "cards/compare.h"
#include "cards/payout.h"
#include "cards/special.h"
#include "cards/test_deck.h"
#include "cards/test_soak.h"
#include "deal/driver.h"
#include "settle/result_rows.h"
#include "settle/test_settlement.h"

namespace kov {
namespace {

CardSet unionOfHands(const Arrangement& a) {
    return unite(unite(a.back.cards, a.middle.cards), a.front.cards);
}

// Random holdings through the search: never empty, specials first, ordinary candidates split the
// 13 cards 5/5/3, none dominates or ranks like another, no recorded category above the cards.
TEST(EngineProperties, SearchInvariants) {
    std::mt19937 rng(101);
    SeatSearch search;
    ArrangementList list;
    const int n = scaled(3000);
    for (int k = 0; k < n; ++k) {
        const CardSet h = cardsAt(shuffledDeck(rng), 0, 13);
        search.arrangeSeat(h, list);
        ASSERT_FALSE(search.overflowed());
        ASSERT_GE(list.count(), 1);
        bool ordinarySeen = false;
        for (int i = 0; i < list.count(); ++i) {
            const Arrangement& a = list[i];
            ASSERT_EQ(unionOfHands(a), h);
            if (a.back.category >= cat::SixPairs) {
                if (a.back.category != cat::ThreeFlush && a.back.category != cat::ThreeStraight) {
                    ASSERT_FALSE(ordinarySeen);
                }
                continue;
            }
            ordinarySeen = true;
            ASSERT_EQ(
                cardCount(a.back.cards) + cardCount(a.middle.cards) + cardCount(a.front.cards), 13);
            ASSERT_LE(a.back.category, classifyFive(a.back.cards));
            ASSERT_LE(a.middle.category, classifyFive(a.middle.cards));
            ASSERT_LE(a.front.category, classifyFront(a.front.cards));
            for (int j = 0; j < list.count(); ++j) {
                if (j != i) {
                    ASSERT_FALSE(dominates(list[j], a) || sameArrangementRank(list[j], a));
                }
            }
        }
    }
}

// Random arrangements, regular or claimed, ILLEGAL only for seat 0: every settlement is
// antisymmetric with a zero diagonal and within the payout tables; every row set shows the seat's
// 13 cards once.
TEST(EngineProperties, SettlementInvariants) {
    std::mt19937 rng(202);
    SeatSearch search;
    ArrangementList list;
    const int n = scaled(3000);
    for (int k = 0; k < n; ++k) {
        const TestDeck deck = shuffledDeck(rng);
        const int seats = 2 + static_cast<int>(rng() % 3);
        SeatArrangements arr;
        for (int s = 0; s < seats; ++s) {
            const auto [f, m, b] = dealtHands(deck, s * 13);
            if (s == 0) {
                if (rng() % 4 == 0)
                    declareSpecial(arr[0], f, m, b, {}, SpecialCategories[rng() % 6]);
                else
                    evaluateArrangement(arr[0], f, m, b);
            } else {  // a computer seat plays one of its search's candidates
                search.arrangeSeat(unite(unite(f, m), b), list);
                arr[static_cast<std::size_t>(s)] =
                    list[static_cast<int>(rng() % static_cast<unsigned>(list.count()))];
            }
        }
        for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
            Settlement st;
            st.settleDeal(arr, seats, option);
            ASSERT_TRUE(settlementIsConsistent(st, seats, option));
            for (int i = 0; i < seats; ++i) {
                if (i > 0) {
                    ASSERT_NE(arr[static_cast<std::size_t>(i)].back.category, IllegalMarker);
                }
                const ResultRows rows = resultRow(st, arr[static_cast<std::size_t>(i)], i, option);
                std::vector<int> faces(rows.cards.begin(), rows.cards.end()), expected;
                for (CardIndex c : cardsOf(cardsAt(deck, i * 13, 13)))
                    expected.push_back(toFaceNumber(c));
                std::sort(faces.begin(), faces.end());
                std::sort(expected.begin(), expected.end());
                ASSERT_EQ(faces, expected);
            }
        }
    }
}

// Random START GAMEs for one to three opponents under both options: the human's holding and the
// computer seats' arrangements are disjoint parts of the saved deal, and every computer
// arrangement is one of its holding's candidates.
TEST(EngineProperties, StartDealInvariants) {
    Evaluator evaluator(ListCapacity, 2);
    SeatSearch search;
    ArrangementList list;
    const int n = scaled(12);
    for (int k = 0; k < n; ++k) {
        const int seats = 2 + k % 3;
        const auto option = (k / 3) % 2 ? ScoringOption::Set : ScoringOption::Chi;
        Random rng(static_cast<std::uint32_t>(9000 + k));
        Deal deal;
        SeatArrangements arr;
        const DealReport r =
            startDeal(seats, option, DefaultDealChoiceThreshold, deal, arr, rng, evaluator);
        ASSERT_FALSE(r.Overflowed);
        CardSet used = setOf(deal.Rows[0]);
        ASSERT_EQ(deal.Rows[0], r.SavedDeal.Rows[static_cast<std::size_t>(r.Chosen)]);
        for (int s = 1; s < seats; ++s) {
            const Arrangement& a = arr[static_cast<std::size_t>(s)];
            const CardSet own = unionOfHands(a);
            CardSet overlap;
            intersectionOf(overlap, own, used);
            ASSERT_TRUE(isEmpty(overlap));
            unionOf(used, used, own);
            const int dealt = s == r.Chosen ? 0 : s;
            search.arrangeSeat(setOf(r.SavedDeal.Rows[static_cast<std::size_t>(dealt)]), list);
            ASSERT_NE(std::find(list.begin(), list.end(), a), list.end());
        }
    }
}

}  // namespace
}  // namespace kov
