#include "deal/strategy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

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
