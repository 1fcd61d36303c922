// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/strategy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "cards/card_text.h"
#include "cards/special.h"
#include "deal/driver.h"

namespace kov {
namespace {

TEST(Strategy, NamesAndLevels) {
    for (StrategyKind kind : AllStrategies)
        EXPECT_EQ(strategyNamed(strategyName(kind)), kind);
    EXPECT_FALSE(strategyNamed("hard"));
    EXPECT_FALSE(strategyNamed("Normal"));
    EXPECT_FALSE(strategyNamed(""));
    EXPECT_EQ(strategyOf(Strength::Easy), StrategyKind::Easy);
    EXPECT_EQ(strategyOf(Strength::Normal), StrategyKind::Normal);
    EXPECT_EQ(strategyOf(Strength::Hard), StrategyKind::Strong);
    EXPECT_EQ(strengthName(DefaultStrength), "Normal");
    EXPECT_EQ(strengthName(AdvisorStrength), "Hard");
}

// Normal leaves a START GAME as the deal driver made it; the other levels re-arrange each
// computer seat's own cards with their strategy, from the game's generator, and leave the
// human's seat alone.
TEST(Strategy, PlayAtStrength) {
    Random rng(12);
    Deal deal;
    SeatArrangements seats;
    Evaluator evaluator;
    startDeal(3, ScoringOption::Chi, DefaultDealChoiceThreshold, deal, seats, rng, evaluator);
    Strategy normal(strategyOf(Strength::Normal)), easy(strategyOf(Strength::Easy));
    SeatArrangements played = seats;
    Random untouched = rng;
    playAtStrength(normal, 3, played, ScoringOption::Chi, untouched);
    EXPECT_EQ(played, seats);
    EXPECT_EQ(untouched.state(), rng.state());

    Random game = rng, replay = rng;
    playAtStrength(easy, 3, played, ScoringOption::Chi, game);
    EXPECT_EQ(played[0], seats[0]);
    EXPECT_EQ(played[3], seats[3]);
    for (std::size_t s = 1; s < 3; ++s) {
        const auto cards = [](const Arrangement& a) {
            return unite(unite(a.back.cards, a.middle.cards), a.front.cards);
        };
        EXPECT_EQ(played[s], easy.choose(cards(seats[s]), ScoringOption::Chi, replay));
    }
    EXPECT_EQ(game.state(), replay.state());
}

// An evaluation draws 39 cards per simulated deal and nothing else, random two numbers, first
// none: the generator's state afterwards tells what each strategy drew. Every choice is one of
// the seat's own candidates, and the same generator state gives the same choice.
TEST(Strategy, DrawsAndChoicesOfEveryKind) {
    const CardSet holding = dealtHoldings(1, 77)[0];
    SeatSearch search;
    ArrangementList list;
    search.arrangeSeat(holding, list);
    for (StrategyKind kind : AllStrategies) {
        Strategy strategy(kind);
        for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
            Random rng(5), expected(5), again(5);
            const Arrangement a = strategy.choose(holding, option, rng);
            const int draws = kind == StrategyKind::Random ? 2 : 39 * simulatedDealsOf(kind);
            for (int i = 0; i < draws; ++i)
                expected.nextRandom();
            EXPECT_EQ(rng.state(), expected.state()) << strategyName(kind);
            EXPECT_EQ(strategy.choose(holding, option, again), a) << strategyName(kind);
            EXPECT_TRUE(std::find(list.begin(), list.end(), a) != list.end()) << strategyName(kind);
        }
    }
    EXPECT_EQ(Evaluator().simulatedDeals(), SimulatedDeals);
    EXPECT_EQ(simulatedDealsOf(StrategyKind::Normal), SimulatedDeals);
}

// normal is the computer's seats exactly: replaying a START GAME's generator, seat by seat,
// gives every arrangement the deal driver chose.
TEST(Strategy, NormalPlaysAsTheDealDriver) {
    Strategy normal(StrategyKind::Normal);
    for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
        for (std::uint32_t seed : {3u, 41u}) {
            Random rng(seed);
            Deal deal;
            SeatArrangements seats;
            Evaluator evaluator;
            const DealReport r =
                startDeal(4, option, DefaultDealChoiceThreshold, deal, seats, rng, evaluator);

            Random replay(seed);
            Deal dealt;
            dealAllSeats(dealt, replay);
            ASSERT_EQ(dealt, r.SavedDeal);
            for (int s = 0; s < 4; ++s) {
                const Arrangement chosen =
                    normal.choose(setOf(dealt.Rows[static_cast<std::size_t>(s)]), option, replay);
                // The seat chosen for the human and seat 0 exchanged their arrangements.
                const int at = s == r.Chosen ? 0 : s == 0 ? r.Chosen : s;
                EXPECT_EQ(chosen, seats[static_cast<std::size_t>(at)]) << seed << " seat " << s;
            }
        }
    }
}

// evaluateStrong is strong's choice itself: the same candidate from the same generator state,
// which it leaves as choose() does, whatever extras come along; each own arrangement meets the
// three picks of every simulated deal.
TEST(Strategy, StrongValuesAreStrongsChoice) {
    Strategy strong(StrategyKind::Strong);
    const int deals = simulatedDealsOf(StrategyKind::Strong);
    for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set})
        for (const CardSet& holding : dealtHoldings(3, 23)) {
            Random rng(8), replay(8);
            StrongValues values;
            evaluateStrong(holding, {}, option, deals, rng, values);
            EXPECT_EQ(values.candidates[values.chosen], strong.choose(holding, option, replay));
            EXPECT_EQ(rng.state(), replay.state());
            EXPECT_EQ(values.pairings, 3 * deals);

            Random withExtras(8);
            StrongValues again;
            evaluateStrong(holding, {values.candidates[0]}, option, deals, withExtras, again);
            EXPECT_EQ(again.chosen, values.chosen);
            EXPECT_EQ(again.chi, values.chi);
            EXPECT_EQ(again.set, values.set);
            EXPECT_EQ(withExtras.state(), replay.state());
        }
}

// An extra that is one of the candidates scores exactly what the candidate scored, though it goes
// through the rule hand by hand rather than the keyed scoring; an ILLEGAL one loses every pairing.
TEST(Strategy, StrongExtrasMeetTheSamePicks) {
    const CardSet holding = dealtHoldings(3, 31)[2];
    for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
        StrongValues plain;
        Random rng(4);
        evaluateStrong(holding, {}, option, 30, rng, plain);
        std::vector<Arrangement> extras;
        for (int i = 0; i < plain.candidates.count(); i += 3)
            extras.push_back(plain.candidates[i]);
        Arrangement illegal = plain.candidates[0];
        std::swap(illegal.back, illegal.middle);
        illegal.setCategories(IllegalMarker);
        extras.push_back(illegal);

        StrongValues values;
        Random same(4);
        evaluateStrong(holding, extras, option, 30, same, values);
        const std::size_t last = extras.size() - 1;
        for (std::size_t e = 0; e < last; ++e) {
            EXPECT_EQ(values.extraChi[e], plain.chi[3 * e]) << e;
            EXPECT_EQ(values.extraSet[e], plain.set[3 * e]) << e;
        }
        if (option == ScoringOption::Set) {
            EXPECT_EQ(values.extraSet[last], -values.pairings);
            EXPECT_EQ(values.extraChi[last], 0);
        } else {
            EXPECT_LE(values.extraChi[last], -3 * values.pairings);  // a point a hand at least
            EXPECT_EQ(values.extraSet[last], 0);
        }
    }
}

// A special scores as a block: claimed on its 13 cards, it scores what the candidate with its
// own split scored.
TEST(Strategy, StrongSpecialExtraScoresAsTheSpecialCandidate) {
    const CardSet holding = cardsFromText("Ah 2d 3c 4s 5h 6d 7c 8s 9h Td Jc Qs Kh");
    Arrangement claimed;
    claimed.back.cards = claimed.middle.cards = claimed.front.cards = holding;
    claimed.setCategories(cat::ThirteenStraight);
    for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
        StrongValues values;
        Random rng(6);
        evaluateStrong(holding, {claimed}, option, 20, rng, values);
        int special = -1;
        for (int i = 0; i < values.candidates.count(); ++i)
            if (values.candidates[i].back.category == cat::ThirteenStraight) special = i;
        ASSERT_GE(special, 0);
        EXPECT_EQ(values.extraChi[0], values.chi[static_cast<std::size_t>(special)]);
        EXPECT_EQ(values.extraSet[0], values.set[static_cast<std::size_t>(special)]);
    }
}

TEST(Strategy, FirstAndRandomChooseFromTheSeatsOwnList) {
    SeatSearch search;
    ArrangementList list;
    Strategy first(StrategyKind::First), random(StrategyKind::Random);
    int listsWithChoice = 0;
    for (const CardSet& holding : dealtHoldings(12, 9)) {
        search.arrangeSeat(holding, list);
        Random untouched(1);
        EXPECT_EQ(first.choose(holding, ScoringOption::Chi, untouched), list[0]);
        EXPECT_EQ(untouched.state(), Random(1).state());
        if (list.count() < 4) continue;
        ++listsWithChoice;
        std::set<int> seen;
        for (std::uint32_t seed = 0; seed < 40; ++seed) {
            Random rng(seed), again(seed);
            const Arrangement a = random.choose(holding, ScoringOption::Chi, rng);
            EXPECT_EQ(random.choose(holding, ScoringOption::Chi, again), a);
            int found = -1;
            for (int i = 0; i < list.count(); ++i)
                if (list[i] == a) found = i;
            ASSERT_GE(found, 0);
            seen.insert(found);
        }
        EXPECT_GE(seen.size(), 3u);  // different generators reach different candidates
    }
    EXPECT_GT(listsWithChoice, 0);
}

}  // namespace
}  // namespace kov
