#pragma once
// Seat evaluation by simulated deals: every candidate of the holding in row 0 plays every
// candidate of three imaginary opponents over 100 random deals of the unseen cards.

#include <cstdint>
#include <functional>
#include <vector>

#include "deal/dealing.h"
#include "search/arrange.h"
#include "settle/settlement.h"

namespace kov {

constexpr int SimulatedDeals = 100;

class Evaluator {
public:
    explicit Evaluator(int capacity = ListCapacity);

    // Arranges row 0, re-deals rows 1..3 100 times (39 draws each), arranges and scores them,
    // and orders the candidates so the one to play stands first. `progress`, when given, is
    // called after every simulated deal with the number done.
    void evaluateHolding(Deal& deal, Random& rng, ScoringOption option,
                         const std::function<void(int)>& progress = {});

    void clearTallies();
    void scorePairings(ScoringOption option);
    // Highest total under the option first; among equals the earliest in search order.
    void orderCandidates(ScoringOption option);

    const ArrangementList& candidates(int seat) const { return seats_[seat]; }
    ArrangementList& candidates(int seat) { return seats_[seat]; }
    std::int32_t chiTotal(int i) const { return ChiTotal[static_cast<std::size_t>(i)]; }
    std::int32_t setTotal(int i) const { return SetTotal[static_cast<std::size_t>(i)]; }
    std::int64_t pairingCount() const { return PairingCount; }
    // A list of this evaluation filled up (the results stand on what the lists held).
    bool overflowed() const { return overflowed_; }

    // Arranges row s of the deal into seat s's list.
    void arrangeSeat(const Deal& deal, int seat);

private:
    SeatSearch search_;
    std::array<ArrangementList, 4> seats_;
    std::vector<std::int32_t> ChiTotal;
    std::vector<std::int32_t> SetTotal;
    std::int64_t PairingCount = 0;
    bool overflowed_ = false;
};

}  // namespace kov
