// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/expert.h"

#include <gtest/gtest.h>

#include <random>

#include "cards/special.h"
#include "cards/test_deck.h"
#include "deal/arena.h"

namespace kov {
namespace {

// Tables of a way of playing that shows the one arrangement with keys `b`.
ExpertCounts countsOfOne(const PairingKey& b, ScoringOption option) {
    ExpertCounts c;
    c.Total = 1;
    if (option == ScoringOption::Chi ? b.Special : b.Strong) {
        c.Outright = 1;
        std::int32_t pay = 1;
        if (option == ScoringOption::Chi) isSpecialCategory(b.Category[0], &pay);
        c.OutrightPayout = static_cast<std::uint64_t>(pay);
        return c;
    }
    for (std::size_t s = 0; s < 3; ++s)
        c.Rows[s].push_back({b.Less[s], 1});
    return c;
}

// Against a way of playing that shows one arrangement only, the tables' value of every
// candidate is what the settlement between the two seats gives, specials, strong backs and a
// front of three aces included, under both options.
TEST(Expert, ValueAgainstOneArrangementIsTheSettlement) {
    std::mt19937 rng(25);
    SeatSearch search;
    ArrangementList mine, theirs;
    std::vector<PairingKey> myKeys, theirKeys;
    int compared = 0;
    for (int round = 0; round < 60; ++round) {
        const TestDeck deck = shuffledDeck(rng);
        search.arrangeSeat(cardsAt(deck, 0, 13), mine);
        pairingKeys(mine, search, myKeys);
        search.arrangeSeat(cardsAt(deck, 13, 13), theirs);
        pairingKeys(theirs, search, theirKeys);
        for (const ScoringOption option : {ScoringOption::Chi, ScoringOption::Set})
            for (int j = 0; j < theirs.count(); j += 3) {
                const PairingKey& b = theirKeys[static_cast<std::size_t>(j)];
                if (!b.Exact) continue;
                const ExpertTable table(countsOfOne(b, option), option);
                for (int i = 0; i < mine.count(); ++i) {
                    const PairingKey& a = myKeys[static_cast<std::size_t>(i)];
                    if (!a.Exact) continue;
                    ASSERT_DOUBLE_EQ(table.value(a, frontOfAces(mine[i])),
                                     headsUpPoints(mine[i], theirs[j], option))
                        << round << " " << i << " " << j;
                    ++compared;
                }
            }
    }
    EXPECT_GT(compared, 1000);
}

// Against a mixture the value is the mixture's mean; under the set option the positions are
// combined as if independent, which a mixture of two arrangements shows.
TEST(Expert, ValueAgainstAMixtureIsItsMean) {
    std::mt19937 rng(3);
    SeatSearch search;
    ArrangementList mine, theirs;
    std::vector<PairingKey> myKeys, theirKeys;
    const TestDeck deck = shuffledDeck(rng);
    search.arrangeSeat(cardsAt(deck, 0, 13), mine);
    pairingKeys(mine, search, myKeys);
    search.arrangeSeat(cardsAt(deck, 13, 13), theirs);
    pairingKeys(theirs, search, theirKeys);
    ASSERT_GE(theirs.count(), 2);
    ExpertCounts c;
    c.Total = 3;
    for (std::size_t s = 0; s < 3; ++s) {
        std::uint32_t k0 = theirKeys[0].Less[s], k1 = theirKeys[1].Less[s];
        if (k0 == k1)
            c.Rows[s].push_back({k0, 3});
        else
            c.Rows[s] = k0 < k1 ? std::vector<RowCount>{{k0, 1}, {k1, 2}}
                                : std::vector<RowCount>{{k1, 2}, {k0, 1}};
    }
    const ExpertTable table(c, ScoringOption::Chi);
    for (int i = 0; i < mine.count(); ++i)
        EXPECT_NEAR(table.value(myKeys[static_cast<std::size_t>(i)], frontOfAces(mine[i])),
                    (headsUpPoints(mine[i], theirs[0], ScoringOption::Chi) +
                     2.0 * headsUpPoints(mine[i], theirs[1], ScoringOption::Chi)) /
                        3,
                    1e-12);
}

// The learning's holdings and rounds come from the seed alone: the same tables on any number of
// threads; every round adds one arrangement per holding.
TEST(Expert, LearningIsTheSameOnAnyNumberOfThreads) {
    for (const ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
        const ExpertCounts one = learnExpertCounts(120, 4, 9, option, 1);
        const ExpertCounts two = learnExpertCounts(120, 4, 9, option, 2);
        EXPECT_EQ(one.Total, 120u * 5);
        EXPECT_EQ(one.Total, two.Total);
        EXPECT_EQ(one.Outright, two.Outright);
        for (std::size_t s = 0; s < 3; ++s) {
            ASSERT_EQ(one.Rows[s].size(), two.Rows[s].size());
            std::uint64_t shown = 0;
            for (std::size_t i = 0; i < one.Rows[s].size(); ++i) {
                EXPECT_EQ(one.Rows[s][i].Key, two.Rows[s][i].Key);
                EXPECT_EQ(one.Rows[s][i].Count, two.Rows[s][i].Count);
                shown += one.Rows[s][i].Count;
            }
            EXPECT_EQ(shown + one.Outright, one.Total);
        }
    }
}

// What the computer's seats play is learned from the seed alone too, and the set option's sample
// holds whole candidates: each is among the candidates of its own 13 cards, the kept one as well.
TEST(Expert, ComputerPlayIsTheSameOnAnyNumberOfThreadsAndHoldsCandidates) {
    const ComputerPlay one = learnComputerPlay(120, 9, 12, 1);
    const ComputerPlay two = learnComputerPlay(120, 9, 12, 2);
    EXPECT_EQ(one.Chi.Total, 120u);
    EXPECT_EQ(one.Set, two.Set);
    for (std::size_t s = 0; s < 3; ++s) {
        ASSERT_EQ(one.Chi.Rows[s].size(), two.Chi.Rows[s].size());
        for (std::size_t i = 0; i < one.Chi.Rows[s].size(); ++i)
            EXPECT_EQ(one.Chi.Rows[s][i].Count, two.Chi.Rows[s][i].Count);
    }
    std::vector<Arrangement> kept;
    for (const ArrangementList& list : computerPlaySample().Lists)
        kept.insert(kept.end(), list.begin(), list.end());
    EXPECT_GE(kept.size(), 300u);
    kept.insert(kept.end(), one.Set.begin(), one.Set.end());
    SeatSearch search;
    ArrangementList candidates;
    for (const Arrangement& a : kept) {
        search.arrangeSeat(unite(unite(a.back.cards, a.middle.cards), a.front.cards), candidates);
        EXPECT_NE(std::find(candidates.begin(), candidates.end(), a), candidates.end());
    }
}

// A choice against a sample is the first candidate of highest total when every pairing is
// settled by the rules, under both options.
TEST(Expert, SampleChoiceIsTheBestTotalByTheRules) {
    std::mt19937 rng(11);
    SeatSearch search;
    ArrangementList mine, theirs;
    std::vector<PairingKey> myKeys;
    std::vector<std::int32_t> chi, set;
    for (int round = 0; round < 20; ++round) {
        const TestDeck deck = shuffledDeck(rng);
        search.arrangeSeat(cardsAt(deck, 0, 13), mine);
        pairingKeys(mine, search, myKeys);
        std::vector<Arrangement> sample;
        for (int seat = 1; seat < 4; ++seat) {
            search.arrangeSeat(cardsAt(deck, 13 * seat, 13), theirs);
            sample.insert(sample.end(), theirs.begin(), theirs.end());
        }
        const ExpertSample expertSample(sample);
        for (const ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
            std::vector<std::int64_t> total;
            for (const Arrangement& a : mine) {
                std::int64_t sum = 0;
                for (const Arrangement& b : sample)
                    sum += headsUpPoints(a, b, option);
                total.push_back(sum);
            }
            const auto best = std::max_element(total.begin(), total.end()) - total.begin();
            EXPECT_EQ(sampleChoice(expertSample, mine, myKeys, option, chi, set), best) << round;
        }
    }
}

// The tables kept with the program play well: the Expert beats the list's first candidate over
// the arena's deals.
TEST(Expert, BeatsTheListsFirstCandidate) {
    const ArenaChoices c =
        playArena({StrategyKind::Expert, StrategyKind::First}, 60, 4, ScoringOption::Chi, 2);
    EXPECT_GT(scorePairing(c, 0, 1, ScoringOption::Chi).Low, 0.0);
}

}  // namespace
}  // namespace kov
