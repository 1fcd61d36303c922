#pragma once
// Ways to choose a seat's arrangement, all among the seat's own candidate list: a random one,
// the list's first, or the one the simulated-deals evaluation ranks first, with fewer or more
// simulated deals. The game offers three of them as its strength levels.

#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "deal/evaluate.h"

namespace kov {

enum class StrategyKind : int { Random, First, Easy, Normal, Strong };
inline constexpr std::array<StrategyKind, 5> AllStrategies = {
    StrategyKind::Random, StrategyKind::First, StrategyKind::Easy, StrategyKind::Normal,
    StrategyKind::Strong};

// "random", "first", "easy", "normal", "strong"; and back (nothing for an unknown name).
std::string_view strategyName(StrategyKind kind);
std::optional<StrategyKind> strategyNamed(std::string_view name);
// The simulated deals of an evaluating strategy (10, 100, 1000); 0 for random and first.
int simulatedDealsOf(StrategyKind kind);

// The game's strength levels. Normal is the computer's seats as they have always played.
enum class Strength : int { Easy, Normal, Hard };
inline constexpr Strength DefaultStrength = Strength::Normal;
// The suggestion and the review of a deal evaluate at this strength.
inline constexpr Strength AdvisorStrength = Strength::Hard;
// "Easy", "Normal", "Hard": the level's name as the settings show it.
std::string_view strengthName(Strength strength);
StrategyKind strategyOf(Strength strength);  // easy, normal, strong
// An evaluator whose evaluations play at the level: the deal driver (startDeal) run with it
// arranges the computer's seats at that strength; the suggestion and the review evaluate the
// player's holding with one of AdvisorStrength. threads as for Evaluator.
std::unique_ptr<Evaluator> evaluatorFor(Strength strength, int threads = 1);

// One strategy with its working storage; one object per thread.
class Strategy {
  public:
    explicit Strategy(StrategyKind kind);
    StrategyKind kind() const { return kind_; }

    // The arrangement this strategy plays with the 13 cards `holding`. `rng` is the strategy's
    // generator: random draws its candidate from it; the evaluating strategies re-deal the
    // unseen cards with it exactly as the computer's seats do (normal then picks what the deal
    // driver picks from the same generator state); first leaves it alone.
    Arrangement choose(const CardSet& holding, ScoringOption option, Random& rng);

  private:
    StrategyKind kind_;
    std::unique_ptr<SeatSearch> search_;     // random and first
    std::unique_ptr<ArrangementList> list_;  // random and first
    std::unique_ptr<Evaluator> evaluator_;   // the evaluating strategies
};

}  // namespace kov
