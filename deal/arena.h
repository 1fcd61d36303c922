// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Duplicate heads-up matches between strategies. Deal d gives holding 1 to A and holding 2 to
// B, then the same two holdings the other way round; a deal's score is A's points averaged over
// its two games, so the luck of the cards cancels and what remains is the difference in play.
//
// Every random number comes from the seed and the deal number alone: the two holdings, and the
// generator each strategy chooses with for each holding. A strategy's choice for a holding thus
// never depends on its opponent, the other deals or the thread that made it, and one set of
// choices serves every pairing of the strategies that made it.

#include <cstdint>
#include <functional>
#include <vector>

#include "deal/strategy.h"

namespace kov {

// The two holdings of deal `number` and the seeds of the strategies' generators for each.
struct ArenaDeal {
    std::array<CardSet, 2> Holdings{};
    std::array<std::uint32_t, 2> StrategySeeds{};
};
ArenaDeal arenaDeal(std::uint32_t seed, int number);

// What each of several strategies plays with both holdings of deals 0..deals-1.
class ArenaChoices {
  public:
    ArenaChoices(std::vector<StrategyKind> kinds, int deals);
    const std::vector<StrategyKind>& kinds() const { return kinds_; }
    int deals() const { return deals_; }
    // Strategy kinds()[k] with holding h (0 or 1) of deal d.
    const Arrangement& at(int d, int h, int k) const { return choices_[index(d, h, k)]; }
    Arrangement& at(int d, int h, int k) { return choices_[index(d, h, k)]; }

  private:
    std::size_t index(int d, int h, int k) const {
        return (static_cast<std::size_t>(d) * 2 + static_cast<std::size_t>(h)) * kinds_.size() +
               static_cast<std::size_t>(k);
    }
    std::vector<StrategyKind> kinds_;
    int deals_;
    std::vector<Arrangement> choices_;
};

// Every strategy's choices on `threads` threads (the result does not depend on them).
// `progress`, when given, is called with the number of deals done, one call at a time.
ArenaChoices playArena(const std::vector<StrategyKind>& kinds, int deals, std::uint32_t seed,
                       ScoringOption option, int threads,
                       const std::function<void(int)>& progress = {});

// What seat A gains from seat B in a two-seat game settled under the option.
std::int32_t headsUpPoints(const Arrangement& a, const Arrangement& b, ScoringOption option);

// Mean, sample standard deviation and 95 % interval (mean +- 1.96 stddev / sqrt(n)) of the
// deals' scores, in points per deal.
struct ArenaResult {
    int Deals = 0;
    double Mean = 0, Stddev = 0, Low = 0, High = 0;
};
// From each deal's score doubled (A's points summed over its two games), so the sums are exact.
ArenaResult summarizeArena(const std::vector<std::int64_t>& doubledScores);
// Strategy kinds()[a] as A against kinds()[b] as B over every deal of the choices.
ArenaResult scorePairing(const ArenaChoices& choices, int a, int b, ScoringOption option);

}  // namespace kov
