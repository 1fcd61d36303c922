// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Ways to choose a seat's arrangement, all among the seat's own candidate list: a random one,
// the list's first, or the one an evaluation by simulated deals ranks first. The game offers
// three of them as its strength levels.
//
//   random  a uniformly random candidate;
//   first   the list's first candidate;
//   easy    the computer's evaluation with 10 simulated deals;
//   normal  the computer's evaluation as its seats play: 100 simulated deals;
//   deep    the same evaluation with 1,000 simulated deals;
//   strong  100 simulated deals against imaginary opponents who choose as the computer's seats
//           do, from their own cards alone: in each simulated deal every imaginary opponent deals
//           the 39 cards it cannot see (the seat's own among them, unknown to it) into three
//           holdings StrongOpponentDeals times, scores its candidates against every candidate of
//           those holdings, and plays the first highest total; the own candidates are scored
//           against those three picks. The plain evaluation scores against every candidate of
//           every opponent alike, careless ones included; measured in the arena, more simulated
//           deals alone (deep) do not play better than normal, this does. Its totals per pick
//           are honest estimates of what a candidate takes per opponent and deal from the
//           computer's seats (kovarin-engine calibrate measures how honest).
//   expert  per-row value tables learned by fictitious play against their own best response
//           (deal/expert.h), refined by 300 simulated deals against three imaginary opponents:
//           two answer the computer's seats' play as Hard does, one plays by those tables; the
//           own candidates are scored against their picks.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "deal/evaluate.h"

namespace kov {

enum class StrategyKind : int { Random, First, Easy, Normal, Deep, Strong, Expert };
inline constexpr std::array<StrategyKind, 7> AllStrategies = {
    StrategyKind::Random, StrategyKind::First,  StrategyKind::Easy,  StrategyKind::Normal,
    StrategyKind::Deep,   StrategyKind::Strong, StrategyKind::Expert};

// "random", "first", "easy", "normal", "deep", "strong", "expert"; and back (nothing for an
// unknown name).
std::string_view strategyName(StrategyKind kind);
std::optional<StrategyKind> strategyNamed(std::string_view name);
// The simulated deals of an evaluating strategy (10, 100, 1000, 100, and expert's
// ExpertSimulatedDeals); 0 for random and first.
int simulatedDealsOf(StrategyKind kind);
// The deals each of strong's imaginary opponents simulates from its own seat to choose, in every
// one of strong's simulated deals: 10, as easy chooses. They come from a generator of the
// opponent's own, seeded from strong's generator state and the seat, so strong's generator still
// draws 39 numbers a simulated deal.
inline constexpr int StrongOpponentDeals = 10;
// expert's simulated deals, 39 draws each from its generator; its imaginary opponents choose by
// tables and a kept sample and draw nothing. 300 keep a choice within a frame (engine_bench's
// BM_ChooseAtStrength) and play measurably better than 100.
inline constexpr int ExpertSimulatedDeals = 300;

// The game's strength levels. Normal is the computer's seats as the rules have them play.
enum class Strength : int { Easy, Normal, Hard, Expert };
inline constexpr std::array<Strength, 4> AllStrengths = {Strength::Easy, Strength::Normal,
                                                         Strength::Hard, Strength::Expert};
inline constexpr Strength DefaultStrength = Strength::Normal;
// The suggestion and the review of a deal choose at this level.
inline constexpr Strength AdvisorStrength = Strength::Hard;
// "Easy", "Normal", "Hard", "Expert": the level's name as the settings show it.
std::string_view strengthName(Strength strength);
StrategyKind strategyOf(Strength strength);  // easy, normal, strong, expert

// What strong finds for the 13 cards `holding`, and what some extra arrangements of the same
// cards (a player's own, say) score against the very picks the candidates met (the imaginary
// opponents' choices, made without seeing the holding): in every simulated
// deal each extra plays the three imaginary opponents' picks, settled by the rule hand by hand (a
// special as a block); an ILLEGAL one (back category IllegalMarker), which no candidate ever is,
// by the settlement's rule for ILLEGAL: it loses to each pick.
struct StrongValues {
    ArrangementList candidates;                    // the holding's candidates, in search order
    std::vector<std::int32_t> chi, set;            // per candidate, summed over every pairing
    std::vector<std::int32_t> extraChi, extraSet;  // per extra arrangement
    std::int64_t pairings = 0;                     // pairings each arrangement played: 3 a deal
    int chosen = 0;  // the candidate strong plays: the first highest total under the option
};
// The strong evaluation of `holding` over `deals` simulated deals drawn from `rng`, 39 draws a
// deal. With simulatedDealsOf(StrategyKind::Strong) deals, candidates[chosen] is what
// Strategy(StrategyKind::Strong).choose() returns from the same generator state, which it leaves
// as choose() does.
void evaluateStrong(const CardSet& holding, const std::vector<Arrangement>& extras,
                    ScoringOption option, int deals, Random& rng, StrongValues& out);

// One strategy with its working storage; one object per thread.
class Strategy {
  public:
    explicit Strategy(StrategyKind kind);
    ~Strategy();
    Strategy(Strategy&&) noexcept;
    Strategy& operator=(Strategy&&) noexcept;
    StrategyKind kind() const { return kind_; }

    // The arrangement this strategy plays with the 13 cards `holding`. `rng` is the strategy's
    // generator: random draws its candidate from it; the evaluating strategies re-deal the
    // unseen cards with it, 39 draws per simulated deal, exactly as the computer's seats do
    // (normal then picks what the deal driver picks from the same generator state); first
    // leaves it alone.
    Arrangement choose(const CardSet& holding, ScoringOption option, Random& rng);

  private:
    struct Searching;
    struct OpponentsChoosing;
    struct Tables;
    StrategyKind kind_;
    std::unique_ptr<Searching> search_;          // random and first
    std::unique_ptr<Evaluator> evaluator_;       // easy, normal, deep
    std::unique_ptr<OpponentsChoosing> strong_;  // strong
    std::unique_ptr<Tables> expert_;             // expert
};

// After START GAME (startDeal), the computer's seats 1..n-1 play at the level of `strategy`
// (one of strategyOf's): normal keeps the deal driver's arrangements, the rules exactly, and
// draws nothing; easy, strong and expert choose again from each seat's holding, drawing from
// `rng`.
void playAtStrength(Strategy& strategy, int n, SeatArrangements& seats, ScoringOption option,
                    Random& rng);

}  // namespace kov
