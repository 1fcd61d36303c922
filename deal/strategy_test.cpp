#include "deal/strategy.h"

#include <gtest/gtest.h>

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

// An evaluation draws 39 cards per simulated deal and nothing else: the generator's state after
// it tells how many deals were simulated, at every level.
TEST(Strategy, EachLevelSimulatesItsNumberOfDeals) {
    const CardSet holding = dealtHoldings(1, 77)[0];
    for (Strength level : {Strength::Easy, Strength::Normal, Strength::Hard}) {
        const auto evaluator = evaluatorFor(level);
        const int deals = simulatedDealsOf(strategyOf(level));
        EXPECT_EQ(evaluator->simulatedDeals(), deals);
        Deal deal;
        deal.Rows[0] = holdingOf(holding);
        Random rng(5), expected(5);
        evaluator->evaluateHolding(deal, rng, ScoringOption::Chi);
        for (int i = 0; i < 39 * deals; ++i)
            expected.nextRandom();
        EXPECT_EQ(rng.state(), expected.state()) << strengthName(level);
        // Every candidate met three opponents' lists in every simulated deal.
        EXPECT_GE(evaluator->pairingCount() / evaluator->candidates(0).count(), 3 * deals);
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
