#include "game/review.h"

#include "cards/special.h"

namespace kov {
namespace {

// Settles an ILLEGAL arrangement against every candidate of the three opponents by the
// settlement's rule: it loses every hand (or the whole set) to each of them.
void scoreIllegal(const Arrangement& own, const std::array<const ArrangementList*, 3>& opponents,
                  ScoringOption option, std::int32_t& chi, std::int32_t& set) {
    SeatArrangements seats{};
    seats[0] = own;
    Settlement s;
    for (const ArrangementList* list : opponents)
        for (const Arrangement& b : *list) {
            seats[1] = b;
            if (option == ScoringOption::Chi) {
                s.settleChi(seats, 0, 1);
                chi += s.FrontResult[0][1] + s.MiddleResult[0][1] + s.BackResult[0][1];
            } else {
                s.settleSet(seats, 0, 1);
                set += s.FrontResult[0][1];
            }
        }
}

}  // namespace

std::uint32_t reviewSeed(const CardSet& holding) {
    std::uint32_t h = 2166136261u;  // FNV-1a over the four masks
    for (int suit = 0; suit < SuitCount; ++suit) {
        const std::uint16_t m = holding.mask[static_cast<std::size_t>(suit)];
        h = (h ^ (m & 0xFFu)) * 16777619u;
        h = (h ^ (m >> 8)) * 16777619u;
    }
    return h;
}

void simulateWithExtras(const Holding& holding, const std::vector<Arrangement>& extras,
                        ScoringOption option, int deals, Random& rng, SimulatedValues& out) {
    SeatSearch search;
    Deal deal;
    deal.Rows[0] = holding;
    search.arrangeSeat(setOf(holding), out.candidates);
    out.overflowed = search.overflowed();
    const auto own = static_cast<std::size_t>(out.candidates.count());
    out.chi.assign(own, 0);
    out.set.assign(own, 0);
    out.extraChi.assign(extras.size(), 0);
    out.extraSet.assign(extras.size(), 0);
    out.pairings = 0;

    std::vector<Deal> simulated(static_cast<std::size_t>(deals));
    for (Deal& d : simulated) {  // every draw first, in order, as the evaluation draws them
        redealUnseen(deal, rng);
        d = deal;
    }
    std::array<ArrangementList, 3> opponents;
    std::array<std::vector<PairingKey>, 3> keys;
    std::vector<PairingKey> ownKeys;
    ArrangementList single(1);  // one extra arrangement at a time
    pairingKeys(out.candidates, ownKeys);
    for (const Deal& d : simulated) {
        for (std::size_t seat = 1; seat <= 3; ++seat) {
            search.arrangeSeat(setOf(d.Rows[seat]), opponents[seat - 1]);
            out.overflowed = out.overflowed || search.overflowed();
            pairingKeys(opponents[seat - 1], keys[seat - 1]);
        }
        const std::array<const ArrangementList*, 3> lists{&opponents[0], &opponents[1],
                                                          &opponents[2]};
        std::int64_t pairings = 0;
        scoreAgainstKeyed(out.candidates, ownKeys, lists, {&keys[0], &keys[1], &keys[2]}, option,
                          out.chi.data(), out.set.data(), pairings);
        for (std::size_t e = 0; e < extras.size(); ++e) {
            if (extras[e].back.category == IllegalMarker) {
                scoreIllegal(extras[e], lists, option, out.extraChi[e], out.extraSet[e]);
            } else {
                single.clear();
                single.append(extras[e]);
                std::int64_t unused = 0;
                scoreAgainst(single, lists, option, &out.extraChi[e], &out.extraSet[e], unused);
            }
        }
        for (const ArrangementList* list : lists)
            out.pairings += list->count();
    }
}

bool sameArrangement(const Arrangement& a, const Arrangement& b) {
    const bool sa = isSpecialCategory(a.back.category), sb = isSpecialCategory(b.back.category);
    if (sa || sb) return sa && sb && a.back.category == b.back.category;
    return a.back.cards == b.back.cards && a.middle.cards == b.middle.cards &&
           a.front.cards == b.front.cards && a.back.category == b.back.category;
}

DealReview reviewDeal(const Holding& holding, const Arrangement& played, ScoringOption option,
                      int deals) {
    DealReview review;
    review.option = option;
    review.deals = deals;
    review.player = played;
    Random rng(reviewSeed(setOf(holding)));
    SimulatedValues values;
    simulateWithExtras(holding, {played}, option, deals, rng, values);
    const std::vector<std::int32_t>& totals =
        option == ScoringOption::Chi ? values.chi : values.set;
    // The highest total; among equals the earliest in search order, as the evaluation orders.
    int best = 0;
    for (int i = 1; i < values.candidates.count(); ++i)
        if (totals[static_cast<std::size_t>(i)] > totals[static_cast<std::size_t>(best)]) best = i;
    const double pairings = values.pairings > 0 ? static_cast<double>(values.pairings) : 1.0;
    if (values.candidates.count() > 0) {
        review.computer = values.candidates[best];
        review.computerValue = totals[static_cast<std::size_t>(best)] / pairings;
    }
    const std::int32_t own = option == ScoringOption::Chi ? values.extraChi[0] : values.extraSet[0];
    review.playerValue = own / pairings;
    review.sameChoice = values.candidates.count() > 0 && sameArrangement(played, review.computer);
    return review;
}

}  // namespace kov
