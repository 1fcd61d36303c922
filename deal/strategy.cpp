#include "deal/strategy.h"

#include <cassert>

namespace kov {

std::string_view strategyName(StrategyKind kind) {
    switch (kind) {
        case StrategyKind::Random:
            return "random";
        case StrategyKind::First:
            return "first";
        case StrategyKind::Easy:
            return "easy";
        case StrategyKind::Normal:
            return "normal";
        case StrategyKind::Strong:
            return "strong";
    }
    return "";
}

std::optional<StrategyKind> strategyNamed(std::string_view name) {
    for (StrategyKind kind : AllStrategies)
        if (strategyName(kind) == name) return kind;
    return std::nullopt;
}

int simulatedDealsOf(StrategyKind kind) {
    switch (kind) {
        case StrategyKind::Easy:
            return 10;
        case StrategyKind::Normal:
            return SimulatedDeals;
        case StrategyKind::Strong:
            return 1000;
        default:
            return 0;
    }
}

std::string_view strengthName(Strength strength) {
    switch (strength) {
        case Strength::Easy:
            return "Easy";
        case Strength::Normal:
            return "Normal";
        case Strength::Hard:
            return "Hard";
    }
    return "";
}

StrategyKind strategyOf(Strength strength) {
    switch (strength) {
        case Strength::Easy:
            return StrategyKind::Easy;
        case Strength::Hard:
            return StrategyKind::Strong;
        default:
            return StrategyKind::Normal;
    }
}

std::unique_ptr<Evaluator> evaluatorFor(Strength strength, int threads) {
    return std::make_unique<Evaluator>(ListCapacity, threads, false,
                                       simulatedDealsOf(strategyOf(strength)));
}

Strategy::Strategy(StrategyKind kind) : kind_(kind) {
    if (const int deals = simulatedDealsOf(kind); deals > 0) {
        evaluator_ = std::make_unique<Evaluator>(ListCapacity, 1, false, deals);
    } else {
        search_ = std::make_unique<SeatSearch>();
        list_ = std::make_unique<ArrangementList>();
    }
}

Arrangement Strategy::choose(const CardSet& holding, ScoringOption option, Random& rng) {
    assert(cardCount(holding) == 13);
    if (evaluator_) {
        Deal deal;
        deal.Rows[0] = holdingOf(holding);
        evaluator_->evaluateHolding(deal, rng, option);
        return evaluator_->candidates(0)[0];
    }
    search_->arrangeSeat(holding, *list_);
    assert(list_->count() > 0);
    if (kind_ == StrategyKind::First) return (*list_)[0];
    // Two draws make 30 bits: every index of even the longest list is reachable, with a bias
    // far below anything an arena can measure.
    const int high = rng.nextRandom();
    const int low = rng.nextRandom();
    const auto draw = (static_cast<std::uint32_t>(high) << 15) | static_cast<std::uint32_t>(low);
    return (*list_)[static_cast<int>(draw % static_cast<std::uint32_t>(list_->count()))];
}

}  // namespace kov
