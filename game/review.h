#pragma once
// A review of the player's deal: the arrangement the computer would have played with the
// player's 13 cards, and what the player's own arrangement and the computer's choice are worth on
// the same simulated deals. The review draws from a generator of its own, seeded from the
// holding, so it changes nothing in the game and the same cards always get the same review.

#include <cstdint>
#include <vector>

#include "deal/evaluate.h"

namespace kov {

// The seed of a review's generator: a mix of the holding's four suit masks.
std::uint32_t reviewSeed(const CardSet& holding);

// The candidates of `holding` and some extra arrangements of the same cards, all scored against
// the same simulated deals. The deals are drawn from `rng` exactly as the evaluation draws them
// (all draws first, 39 per deal), so with the same generator state the candidates' totals are the
// evaluation's. An extra arrangement is settled by the evaluation's rule; an ILLEGAL one, which no
// candidate ever is, by the settlement's rule for ILLEGAL.
struct SimulatedValues {
    ArrangementList candidates;                    // in search order
    std::vector<std::int32_t> chi, set;            // per candidate, summed over every pairing
    std::vector<std::int32_t> extraChi, extraSet;  // per extra arrangement
    std::int64_t pairings = 0;                     // pairings each arrangement played
    bool overflowed = false;
};
void simulateWithExtras(const Holding& holding, const std::vector<Arrangement>& extras,
                        ScoringOption option, int deals, Random& rng, SimulatedValues& out);

// The same arrangement for settling: the same special, or the same cards in every hand.
bool sameArrangement(const Arrangement& a, const Arrangement& b);

struct DealReview {
    ScoringOption option = ScoringOption::Chi;
    int deals = 0;
    Arrangement computer;  // the candidate the computer would have played
    Arrangement player;    // what the player played
    // Average points a pairing under the option (per simulated opponent arrangement).
    double computerValue = 0, playerValue = 0;
    bool sameChoice = false;
};
// `deals` simulated deals (the game's evaluation uses SimulatedDeals).
DealReview reviewDeal(const Holding& holding, const Arrangement& played, ScoringOption option,
                      int deals = SimulatedDeals);

}  // namespace kov
