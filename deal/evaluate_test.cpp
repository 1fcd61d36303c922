// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/evaluate.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "cards/card_text.h"
#include "cards/compare.h"
#include "cards/special.h"
#include "cards/test_arrangement.h"
#include "cards/test_deck.h"
#include "cards/test_soak.h"

namespace kov {
namespace {

Arrangement special(const char* cards, HandCategory category) {
    Arrangement a;
    EXPECT_TRUE(declareSpecial(a, {}, {}, {}, cardsFromText(cards), category));
    return a;
}

const char* Hearts = "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh";
const char* SixPairs = "Ac Ad 2c 2d 3c 3d 4c 4d 5c 5d 6c 6d Ks";

// Fills the opponents' lists with one arrangement each.
void oneEach(Evaluator& e, const Arrangement& opponent) {
    for (int seat = 1; seat <= 3; ++seat) {
        e.candidates(seat).clear();
        e.candidates(seat).append(opponent);
    }
}

TEST(ScorePairings, SpecialsUnderTheChiOption) {
    Evaluator e(64);
    e.candidates(0).clear();
    e.candidates(0).append(special(Hearts, cat::ThirteenStraightFlush));
    e.candidates(0).append(regular("2c 3c 4c 5c 6c", "9d 9s 9c Jd Js", "Qd Qs 7d"));
    e.clearTallies();
    oneEach(e, regular("7s 8s Ts Js Qs", "Kd Kc 4d 5d 7c", "8d 8c 2s"));
    e.scorePairings(ScoringOption::Chi);
    EXPECT_EQ(e.chiTotal(0), 3 * 26);
    EXPECT_EQ(e.chiTotal(1), 3 * (1 + 2 + 5));  // front, middle (full house) and back won
    EXPECT_EQ(e.pairingCount(), 6);
    oneEach(e, special(SixPairs, cat::SixPairs));
    e.scorePairings(ScoringOption::Chi);
    EXPECT_EQ(e.chiTotal(0), 3 * 26);  // special against special adds nothing ...
    EXPECT_EQ(e.chiTotal(1), 3 * 8 - 3 * 3);
    EXPECT_EQ(e.pairingCount(), 12);  // ... but counts
}

TEST(ScorePairings, StrongBacksUnderTheSetOption) {
    Evaluator e(64);
    e.candidates(0).clear();
    e.candidates(0).append(regular("2c 3c 4c 5c 6c", "2d 5d 9d Jd Kd", "Qd Qs 7d"));
    e.candidates(0).append(regular("Tc Td Th 3s 3h", "9d 9s 4c 4h 2s", "Qd Js 7d"));
    e.clearTallies();
    oneEach(e, regular("7s 8s Ts Js Qs", "Kd Kc 4d 5d 7c", "8d 8c 2s"));
    e.scorePairings(ScoringOption::Set);
    EXPECT_EQ(e.setTotal(0), 3);  // a straight flush back wins outright
    EXPECT_EQ(e.setTotal(1), 3);  // back and middle won, front lost: +1 per opponent
    oneEach(e, regular("As Ah Ac Ad 2h", "Kh Ks 7h 8h 9h", "Jh Jc 5s"));
    e.scorePairings(ScoringOption::Set);
    EXPECT_EQ(e.setTotal(0), 3);  // against a quadruple back: a draw
    EXPECT_EQ(e.setTotal(1), 3 - 3);
    EXPECT_EQ(e.chiTotal(0), 0);
}

TEST(OrderCandidates, HighestFirstAndSearchOrderAmongEquals) {
    Evaluator e(64);
    e.candidates(0).clear();
    const Arrangement weak = regular("2c 2d 5c 7c 9d", "3c 4d 6s 8c Td", "7d 5s 3h");
    const Arrangement pairsA = special(SixPairs, cat::SixPairs);
    const Arrangement pairsB = special("Ah Ad 2h 2s 3h 3s 4h 4s 5h 5s 6h 6s Kc", cat::SixPairs);
    e.candidates(0).append(weak);
    e.candidates(0).append(pairsA);
    e.candidates(0).append(pairsB);
    e.clearTallies();
    oneEach(e, regular("7s 8s Ts Js Qs", "Kd Kc 4d 5d 7c", "8d 8c 2s"));
    e.scorePairings(ScoringOption::Chi);
    e.orderCandidates(ScoringOption::Chi);
    EXPECT_EQ(e.candidates(0)[0], pairsA);  // ties with pairsB: the earlier stays first
    EXPECT_EQ(e.candidates(0)[1], pairsB);
    EXPECT_EQ(e.candidates(0)[2], weak);
    EXPECT_EQ(e.chiTotal(0), 9);
    EXPECT_EQ(e.chiTotal(2), -9);  // totals move with their candidates
}

// The column scoring against the rules as written, under both options, on long lists of mixed
// origin: the candidates of several holdings (long one-suit lists among them), specials, and a
// trash middle whose filler paired up (keys inexact), on either side of the pairings.
TEST(ScorePairings, ColumnsMatchTheRulesOnLongMixedLists) {
    Arrangement pairedTrash = regular("2c 3c 4c 5c 6c", "Ah Kd 9c 7s 4h", "Qd Js 8d");
    pairedTrash.middle.cards = cardsFromText("Ah Ad 9c 7s 4h");
    const Arrangement extras[] = {special(Hearts, cat::ThirteenStraightFlush),
                                  special(SixPairs, cat::SixPairs), pairedTrash};
    std::mt19937 rng(2718);
    SeatSearch search;
    ArrangementList found;
    const auto fillFrom = [&](ArrangementList& list, int holdings, bool oneSuit) {
        list.clear();
        for (int h = 0; h < holdings; ++h) {
            CardSet cards = cardsAt(shuffledDeck(rng), 0, 13);
            if (oneSuit && h == 0) cards = cardsFromText("Ad 2d 3d 5d 6d 7d 8d 9d Td Jd Qd Kd 9s");
            if (h == 1 && rng() % 2)  // four of a kind: strong backs over weak hands
                cards = cardsFromText("2s 2h 2c 2d 3h 5c 7d 8s 9h Jc Qd Ks 4h");
            search.arrangeSeat(cards, found);
            for (const Arrangement& a : found)
                list.append(a);
        }
        for (const Arrangement& a : extras)
            if (rng() % 2) list.append(a);
    };
    ArrangementList own, lists[3];
    for (int round = 0; round < scaled(6); ++round) {
        fillFrom(own, 4, round % 3 == 0);
        for (ArrangementList& l : lists)
            fillFrom(l, 2 + round % 3, false);
        std::vector<PairingKey> ownKeys, keys[3];
        pairingKeys(own, ownKeys);
        for (int j = 0; j < 3; ++j)
            pairingKeys(lists[j], keys[j]);
        for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
            const int n = own.count();
            std::vector<std::int32_t> chiA(n), setA(n), chiB(n), setB(n);
            std::int64_t pairingsA = 0, pairingsB = 0;
            scoreAgainst(own, {&lists[0], &lists[1], &lists[2]}, option, chiA.data(), setA.data(),
                         pairingsA);
            scoreAgainstKeyed(own, ownKeys, {&lists[0], &lists[1], &lists[2]},
                              {&keys[0], &keys[1], &keys[2]}, option, chiB.data(), setB.data(),
                              pairingsB);
            ASSERT_EQ(chiA, chiB) << "round " << round;
            ASSERT_EQ(setA, setB) << "round " << round;
            ASSERT_EQ(pairingsA, pairingsB);
        }
    }
}

// The tournament gives the selection sort's exchanges, ties included: random totals drawn from
// few values (many ties), from many, and lists of one total, of every length up to a few hundred.
TEST(OrderCandidates, TournamentExchangesMatchTheSelectionSort) {
    std::mt19937 rng(1601);
    std::vector<int> tree, partnerA, partnerB;
    for (int round = 0; round < 600; ++round) {
        const int n = round < 80 ? round : static_cast<int>(rng() % 400);
        const int spread = std::array{1, 3, 7, 1000}[static_cast<std::size_t>(round % 4)];
        std::vector<std::int32_t> a(static_cast<std::size_t>(n) + 5, 99);  // beyond n: untouched
        for (int i = 0; i < n; ++i)
            a[static_cast<std::size_t>(i)] = static_cast<std::int32_t>(rng() % spread) - spread / 2;
        std::vector<std::int32_t> b = a;
        selectionExchanges(a, n, partnerA);
        tournamentExchanges(b, n, partnerB, tree);
        ASSERT_EQ(partnerA, partnerB) << "n " << n << " spread " << spread;
        ASSERT_EQ(a, b);
    }
}

TEST(EvaluateHolding, PairingsAndDraws) {
    Deal deal;
    Random rng(77);
    dealAllSeats(deal, rng);
    const Holding row0 = deal.Rows[0];
    Evaluator e;
    const Random before = rng;
    e.evaluateHolding(deal, rng, ScoringOption::Chi);
    EXPECT_EQ(deal.Rows[0], row0);
    Random expected = before;
    for (int k = 0; k < 39 * SimulatedDeals; ++k)
        expected.nextRandom();
    EXPECT_EQ(rng.state(), expected.state());  // 39 draws per simulated deal, nothing else
    const int n = e.candidates(0).count();
    ASSERT_GE(n, 1);
    EXPECT_EQ(e.pairingCount() % n, 0);
    EXPECT_GE(e.pairingCount() / n, 300);
    for (int seat = 1; seat <= 3; ++seat)
        EXPECT_GE(e.candidates(seat).count(), 1);
    for (int i = 1; i < n; ++i)
        EXPECT_GE(e.chiTotal(i - 1), e.chiTotal(i));
}

TEST(EvaluateHolding, SingleCandidateStaysFirst) {
    Deal deal;
    deal.Rows[0] = holdingOf(cardsFromText(Hearts));
    Random rng(5);
    Evaluator e;
    e.evaluateHolding(deal, rng, ScoringOption::Set);
    ASSERT_EQ(e.candidates(0).count(), 2);  // the 13 straight flush and its plain split
    EXPECT_EQ(e.candidates(0)[0].back.category, cat::ThirteenStraightFlush);
}

// The exchanges of the ordering move equal totals out of search order: under the set option the
// two candidates at -1100 leave search positions 8 and 6 for places 10 and 11.
TEST(OrderCandidates, EqualTotalsFollowTheExchanges) {
    const CardSet h = cardsFromText("9d 6h 7c Qc 2s 3c 8d 6c 3d 5d 8s 2c 8c");
    SeatSearch search;
    ArrangementList searched;
    search.arrangeSeat(h, searched);
    Deal deal;
    deal.Rows[0] = holdingOf(h);
    Random rng(3);
    Evaluator e;
    e.evaluateHolding(deal, rng, ScoringOption::Set);
    const ArrangementList& ordered = e.candidates(0);
    ASSERT_EQ(ordered.count(), searched.count());
    std::vector<int> from;  // the search position of each place
    for (const Arrangement& a : ordered)
        from.push_back(
            static_cast<int>(std::find(searched.begin(), searched.end(), a) - searched.begin()));
    EXPECT_EQ(from, (std::vector<int>{3, 2, 11, 0, 1, 10, 13, 12, 5, 7, 8, 6, 4, 9}));
    EXPECT_EQ(e.setTotal(10), -1100);
    EXPECT_EQ(e.setTotal(11), -1100);
    for (int i = 1; i < ordered.count(); ++i)
        EXPECT_GE(e.setTotal(i - 1), e.setTotal(i));
}

}  // namespace
}  // namespace kov

namespace kov {
namespace {

struct EvaluationResult {
    std::vector<Arrangement> candidates;
    std::vector<std::int32_t> chi, set;
    std::int64_t pairings;
    std::uint32_t state;
    Deal deal;
};

EvaluationResult evaluateWith(Evaluator& e, const Holding& holding, std::uint32_t seed,
                              ScoringOption option) {
    Deal deal;
    deal.Rows[0] = holding;
    Random rng(seed);
    e.evaluateHolding(deal, rng, option);
    EvaluationResult r{{}, {}, {}, e.pairingCount(), rng.state(), deal};
    for (int i = 0; i < e.candidates(0).count(); ++i) {
        r.candidates.push_back(e.candidates(0)[i]);
        r.chi.push_back(e.chiTotal(i));
        r.set.push_back(e.setTotal(i));
    }
    return r;
}

void expectSame(const EvaluationResult& a, const EvaluationResult& b) {
    ASSERT_EQ(a.candidates.size(), b.candidates.size());
    for (std::size_t i = 0; i < a.candidates.size(); ++i)
        ASSERT_EQ(a.candidates[i], b.candidates[i]) << i;
    EXPECT_EQ(a.chi, b.chi);
    EXPECT_EQ(a.set, b.set);
    EXPECT_EQ(a.pairings, b.pairings);
    EXPECT_EQ(a.state, b.state);
    EXPECT_EQ(a.deal, b.deal);
}

// The keyed scoring and the fast search on 1, 2 and 4 threads give exactly what the
// straightforward evaluation gives, under both options.
TEST(EvaluateOracle, FastAndThreadedMatchTheStraightforwardEvaluation) {
    Evaluator reference(ListCapacity, 1, true);
    Evaluator one(ListCapacity, 1), two(ListCapacity, 2), four(ListCapacity, 4);
    Random dealer(606);
    const int deals = scaled(12);
    for (int n = 0; n < deals; ++n) {
        Deal deal;
        dealAllSeats(deal, dealer);
        const auto option = n % 2 ? ScoringOption::Set : ScoringOption::Chi;
        const EvaluationResult expected = evaluateWith(reference, deal.Rows[0], 40u + n, option);
        expectSame(evaluateWith(one, deal.Rows[0], 40u + n, option), expected);
        expectSame(evaluateWith(two, deal.Rows[0], 40u + n, option), expected);
        expectSame(evaluateWith(four, deal.Rows[0], 40u + n, option), expected);
    }
    // Twelve cards of one suit: the longest lists.
    const Holding worst = holdingOf(cardsFromText("Ad 2d 3d 5d 6d 7d 8d 9d Td Jd Qd Kd 9s"));
    expectSame(evaluateWith(two, worst, 3, ScoringOption::Chi),
               evaluateWith(reference, worst, 3, ScoringOption::Chi));
}

// One batch of four holdings gives what four evaluations one after the other give: the same
// draws, lists, totals and deal, and the last holding's evaluation left in view.
TEST(EvaluateOracle, BatchOfHoldingsMatchesOneByOne) {
    Evaluator single(ListCapacity, 1), batch(ListCapacity, 2);
    Random dealer(808);
    for (int round = 0; round < scaled(3); ++round) {
        Deal dealt;
        dealAllSeats(dealt, dealer);
        const auto option = round % 2 ? ScoringOption::Set : ScoringOption::Chi;
        Deal deal = dealt;
        Random rng(500u + round);
        std::vector<EvaluationResult> expected;
        for (int s = 0; s < 4; ++s) {
            deal.Rows[0] = dealt.Rows[static_cast<std::size_t>(s)];
            single.evaluateHolding(deal, rng, option);
            EvaluationResult r{{}, {}, {}, single.pairingCount(), rng.state(), deal};
            for (int i = 0; i < single.candidates(0).count(); ++i) {
                r.candidates.push_back(single.candidates(0)[i]);
                r.chi.push_back(single.chiTotal(i));
                r.set.push_back(single.setTotal(i));
            }
            expected.push_back(r);
        }
        Deal batchDeal = dealt;
        Random batchRng(500u + round);
        std::vector<Evaluator::HoldingResult> results;
        std::vector<int> progressed(4, 0);
        batch.evaluateHoldings(
            dealt.Rows.data(), 4, batchDeal, batchRng, option, results,
            [&](int s, int done) { EXPECT_EQ(done, ++progressed[static_cast<std::size_t>(s)]); });
        EXPECT_EQ(progressed, std::vector<int>(4, SimulatedDeals));
        ASSERT_EQ(results.size(), 4u);
        for (std::size_t s = 0; s < 4; ++s) {
            EXPECT_EQ(results[s].Best, expected[s].candidates[0]);
            EXPECT_EQ(results[s].BestTotal,
                      option == ScoringOption::Chi ? expected[s].chi[0] : expected[s].set[0]);
            EXPECT_EQ(results[s].Pairings, expected[s].pairings);
            EXPECT_EQ(results[s].Candidates, static_cast<int>(expected[s].candidates.size()));
        }
        EvaluationResult last{{}, {}, {}, batch.pairingCount(), batchRng.state(), batchDeal};
        for (int i = 0; i < batch.candidates(0).count(); ++i) {
            last.candidates.push_back(batch.candidates(0)[i]);
            last.chi.push_back(batch.chiTotal(i));
            last.set.push_back(batch.setTotal(i));
        }
        expectSame(last, expected.back());
        for (int seat = 1; seat <= 3; ++seat) {
            ASSERT_EQ(batch.candidates(seat).count(), single.candidates(seat).count());
            for (int i = 0; i < batch.candidates(seat).count(); ++i)
                EXPECT_EQ(batch.candidates(seat)[i], single.candidates(seat)[i]);
        }
    }
}

}  // namespace
}  // namespace kov
