#include "deal/evaluate.h"

#include "cards/payout.h"
#include "cards/special.h"

namespace kov {

Evaluator::Evaluator(int capacity)
    : search_(capacity),
      seats_{ArrangementList(capacity), ArrangementList(capacity), ArrangementList(capacity),
             ArrangementList(capacity)},
      ChiTotal(static_cast<std::size_t>(capacity)),
      SetTotal(static_cast<std::size_t>(capacity)) {}

void Evaluator::arrangeSeat(const Deal& deal, int seat) {
    search_.arrangeSeat(setOf(deal.rows[static_cast<std::size_t>(seat)]), seats_[seat]);
    overflowed_ = overflowed_ || search_.overflowed();
}

void Evaluator::evaluateHolding(Deal& deal, Random& rng, ScoringOption option,
                                const std::function<void(int)>& progress) {
    overflowed_ = false;
    arrangeSeat(deal, 0);
    clearTallies();
    for (int n = 0; n < SimulatedDeals; ++n) {
        redealUnseen(deal, rng);
        // All three opponents are simulated, whatever the number in play.
        for (int seat = 1; seat <= 3; ++seat) arrangeSeat(deal, seat);
        scorePairings(option);
        if (progress) progress(n + 1);
    }
    orderCandidates(option);
}

void Evaluator::clearTallies() {
    std::fill(ChiTotal.begin(), ChiTotal.end(), 0);
    std::fill(SetTotal.begin(), SetTotal.end(), 0);
    PairingCount = 0;
}

// Specials and strong backs settle as a block; no ace factor applies in simulated scoring.
void Evaluator::scorePairings(ScoringOption option) {
    const ArrangementList& own = seats_[0];
    for (int i = 0; i < own.count(); ++i) {
        const Arrangement& a = own[i];
        const HandCategory ca = a.back.category;
        std::int32_t chi = 0, set = 0;
        for (int j = 1; j <= 3; ++j) {
            for (const Arrangement& b : seats_[j]) {
                const HandCategory cb = b.back.category;
                ++PairingCount;
                if (option == ScoringOption::Chi) {
                    const bool sa = isSpecialCategory(ca), sb = isSpecialCategory(cb);
                    if (sa && sb) continue;
                    if (sa) chi += BackPayout[ca];
                    else if (sb) chi -= BackPayout[cb];
                    else chi += frontPoints(a, b) + middlePoints(a, b) + backPoints(a, b);
                } else {
                    const bool sa = isStrongCategory(ca), sb = isStrongCategory(cb);
                    if (sa && sb) continue;
                    if (sa) {
                        ++set;
                    } else if (sb) {
                        --set;
                    } else {
                        const auto sign = [](std::int32_t v) { return (v > 0) - (v < 0); };
                        const int w = sign(frontPoints(a, b)) + sign(middlePoints(a, b)) +
                                      sign(backPoints(a, b));
                        set += sign(w);
                    }
                }
            }
        }
        ChiTotal[static_cast<std::size_t>(i)] += chi;
        SetTotal[static_cast<std::size_t>(i)] += set;
    }
}

void Evaluator::orderCandidates(ScoringOption option) {
    ArrangementList& own = seats_[0];
    const std::vector<std::int32_t>& key = option == ScoringOption::Chi ? ChiTotal : SetTotal;
    const int n = own.count();
    for (int p = 0; p + 1 < n; ++p) {
        int m = p;
        for (int q = p + 1; q < n; ++q)
            if (key[static_cast<std::size_t>(m)] < key[static_cast<std::size_t>(q)]) m = q;
        if (m != p) {
            std::swap(own[p], own[m]);
            std::swap(ChiTotal[static_cast<std::size_t>(p)], ChiTotal[static_cast<std::size_t>(m)]);
            std::swap(SetTotal[static_cast<std::size_t>(p)], SetTotal[static_cast<std::size_t>(m)]);
        }
    }
}

}  // namespace kov
