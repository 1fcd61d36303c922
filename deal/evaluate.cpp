#include "deal/evaluate.h"

#include <mutex>

#include "cards/payout.h"
#include "cards/special.h"

namespace kov {
namespace {

int sign(std::int32_t v) {
    return (v > 0) - (v < 0);
}

int threadCount(int requested) {
    if (requested > 0) return requested;
    const unsigned hw = std::thread::hardware_concurrency();
    return hw == 0 ? 1 : static_cast<int>(hw);
}

}  // namespace

// One thread's working storage: its own search, the opponents' lists and partial tallies.
struct Evaluator::Worker {
    explicit Worker(int capacity)
        : search(capacity),
          opponents{ArrangementList(capacity), ArrangementList(capacity),
                    ArrangementList(capacity)},
          chi(static_cast<std::size_t>(capacity)),
          set(static_cast<std::size_t>(capacity)) {}
    SeatSearch search;
    std::array<ArrangementList, 3> opponents;
    std::vector<std::int32_t> chi, set;
    std::int64_t pairings = 0;
    bool overflowed = false;
};

void scoreAgainst(const ArrangementList& own,
                  const std::array<const ArrangementList*, 3>& opponents, ScoringOption option,
                  std::int32_t* chiTotal, std::int32_t* setTotal, std::int64_t& pairingCount) {
    for (int i = 0; i < own.count(); ++i) {
        const Arrangement& a = own[i];
        const HandCategory ca = a.back.category;
        std::int32_t chi = 0, set = 0;
        for (const ArrangementList* list : opponents) {
            pairingCount += list->count();  // every pairing counts, scored or not
            for (const Arrangement& b : *list) {
                const HandCategory cb = b.back.category;
                if (option == ScoringOption::Chi) {
                    const bool sa = isSpecialCategory(ca), sb = isSpecialCategory(cb);
                    if (sa && sb) continue;
                    if (sa)
                        chi += BackPayout[ca];
                    else if (sb)
                        chi -= BackPayout[cb];
                    else
                        chi += frontPoints(a, b) + middlePoints(a, b) + backPoints(a, b);
                } else {
                    const bool sa = isStrongCategory(ca), sb = isStrongCategory(cb);
                    if (sa && sb) continue;
                    if (sa)
                        ++set;
                    else if (sb)
                        --set;
                    else
                        set += sign(sign(frontPoints(a, b)) + sign(middlePoints(a, b)) +
                                    sign(backPoints(a, b)));
                }
            }
        }
        chiTotal[i] += chi;
        setTotal[i] += set;
    }
}

Evaluator::Evaluator(int capacity, int threads)
    : search_(capacity),
      seats_{ArrangementList(capacity), ArrangementList(capacity), ArrangementList(capacity),
             ArrangementList(capacity)},
      ChiTotal(static_cast<std::size_t>(capacity)),
      SetTotal(static_cast<std::size_t>(capacity)),
      simulated_(SimulatedDeals),
      pool_(threadCount(threads)) {
    for (int t = 0; t < pool_.participants(); ++t)
        workers_.push_back(std::make_unique<Worker>(capacity));
}

Evaluator::~Evaluator() = default;

void Evaluator::evaluateHolding(Deal& deal, Random& rng, ScoringOption option,
                                const std::function<void(int)>& progress) {
    search_.arrangeSeat(setOf(deal.rows[0]), seats_[0]);
    overflowed_ = search_.overflowed();
    clearTallies();
    // The draws first, in order: 39 per simulated deal.
    for (Deal& d : simulated_) {
        redealUnseen(deal, rng);
        d = deal;
    }
    const int own = seats_[0].count();
    for (auto& w : workers_) {
        std::fill(w->chi.begin(), w->chi.begin() + own, 0);
        std::fill(w->set.begin(), w->set.begin() + own, 0);
        w->pairings = 0;
        w->overflowed = false;
    }
    std::mutex progressMutex;
    int done = 0;
    pool_.run(SimulatedDeals, [&](int participant, int n) {
        Worker& w = *workers_[static_cast<std::size_t>(participant)];
        // All three opponents are simulated, whatever the number in play.
        for (int seat = 1; seat <= 3; ++seat) {
            w.search.arrangeSeat(
                setOf(simulated_[static_cast<std::size_t>(n)].rows[static_cast<std::size_t>(seat)]),
                w.opponents[static_cast<std::size_t>(seat - 1)]);
            w.overflowed = w.overflowed || w.search.overflowed();
        }
        scoreAgainst(seats_[0], {&w.opponents[0], &w.opponents[1], &w.opponents[2]}, option,
                     w.chi.data(), w.set.data(), w.pairings);
        if (n == SimulatedDeals - 1)  // the lists of the last simulated deal stay visible
            for (int seat = 1; seat <= 3; ++seat)
                seats_[static_cast<std::size_t>(seat)].copyFrom(
                    w.opponents[static_cast<std::size_t>(seat - 1)]);
        if (progress) {
            std::lock_guard lock(progressMutex);
            progress(++done);
        }
    });
    for (const auto& w : workers_) {
        for (int i = 0; i < own; ++i) {
            ChiTotal[static_cast<std::size_t>(i)] += w->chi[static_cast<std::size_t>(i)];
            SetTotal[static_cast<std::size_t>(i)] += w->set[static_cast<std::size_t>(i)];
        }
        PairingCount += w->pairings;
        overflowed_ = overflowed_ || w->overflowed;
    }
    orderCandidates(option);
}

void Evaluator::clearTallies() {
    std::fill(ChiTotal.begin(), ChiTotal.end(), 0);
    std::fill(SetTotal.begin(), SetTotal.end(), 0);
    PairingCount = 0;
}

void Evaluator::scorePairings(ScoringOption option) {
    scoreAgainst(seats_[0], {&seats_[1], &seats_[2], &seats_[3]}, option, ChiTotal.data(),
                 SetTotal.data(), PairingCount);
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
