#include "deal/evaluate.h"

#include <mutex>

#include "cards/payout.h"
#include "cards/special.h"
#include "search/hand_keys.h"

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
    Worker(int capacity, bool reference)
        : search(capacity, reference),
          opponents{ArrangementList(capacity), ArrangementList(capacity),
                    ArrangementList(capacity)},
          chi(static_cast<std::size_t>(capacity)),
          set(static_cast<std::size_t>(capacity)) {}
    SeatSearch search;
    std::array<ArrangementList, 3> opponents;
    std::vector<std::int32_t> chi, set;
    std::int64_t pairings = 0;
    bool overflowed = false;
    std::array<std::vector<PairingKey>, 3> keys;
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

void pairingKeys(const ArrangementList& list, std::vector<PairingKey>& out) {
    out.resize(static_cast<std::size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i) {
        const Arrangement& a = list[i];
        const HandKey back = fiveKey(a.back.cards, a.back.category);
        const HandKey middle = fiveKey(a.middle.cards, a.middle.category);
        const HandKey front = frontKey(a.front.cards, a.front.category);
        PairingKey& k = out[static_cast<std::size_t>(i)];
        k.less[0] = back.less;
        k.less[1] = middle.less;
        k.less[2] = front.less;
        k.category[0] = a.back.category;
        k.category[1] = a.middle.category;
        k.category[2] = a.front.category;
        k.exact = back.exact && middle.exact && front.exact;
        k.special = isSpecialCategory(a.back.category);
        k.strong = isStrongCategory(a.back.category);
    }
}

namespace {

// Hand points by position (back, middle, front) from the two packed keys: the category sits above
// the tuple, so one compare orders the hands; the winner's category sets the amount.
std::int32_t pointsOf(int position, const PairingKey& a, const PairingKey& b) {
    static constexpr const std::int32_t* Tables[3] = {BackPayout.data(), MiddlePayout.data(),
                                                      FrontPayout.data()};
    const std::uint32_t la = a.less[position], lb = b.less[position];
    if (la < lb) return -Tables[position][b.category[position]];
    if (la > lb) return Tables[position][a.category[position]];
    return 0;
}

}  // namespace

void scoreAgainstKeyed(const ArrangementList& own, const std::vector<PairingKey>& ownKeys,
                       const std::array<const ArrangementList*, 3>& opponents,
                       const std::array<const std::vector<PairingKey>*, 3>& opponentKeys,
                       ScoringOption option, std::int32_t* chiTotal, std::int32_t* setTotal,
                       std::int64_t& pairingCount) {
    const bool chiOption = option == ScoringOption::Chi;
    for (int i = 0; i < own.count(); ++i) {
        const PairingKey& ka = ownKeys[static_cast<std::size_t>(i)];
        std::int32_t chi = 0, set = 0;
        for (int j = 0; j < 3; ++j) {
            const ArrangementList& list = *opponents[static_cast<std::size_t>(j)];
            const std::vector<PairingKey>& keys = *opponentKeys[static_cast<std::size_t>(j)];
            pairingCount += list.count();  // every pairing counts, scored or not
            for (int k = 0; k < list.count(); ++k) {
                const PairingKey& kb = keys[static_cast<std::size_t>(k)];
                if (chiOption) {
                    if (ka.special && kb.special) continue;
                    if (ka.special) {
                        chi += BackPayout[ka.category[0]];
                    } else if (kb.special) {
                        chi -= BackPayout[kb.category[0]];
                    } else if (ka.exact && kb.exact) {
                        chi += pointsOf(0, ka, kb) + pointsOf(1, ka, kb) + pointsOf(2, ka, kb);
                    } else {
                        const Arrangement &a = own[i], &b = list[k];
                        chi += frontPoints(a, b) + middlePoints(a, b) + backPoints(a, b);
                    }
                } else {
                    if (ka.strong && kb.strong) continue;
                    if (ka.strong) {
                        ++set;
                    } else if (kb.strong) {
                        --set;
                    } else if (ka.exact && kb.exact) {
                        set += sign(sign(pointsOf(0, ka, kb)) + sign(pointsOf(1, ka, kb)) +
                                    sign(pointsOf(2, ka, kb)));
                    } else {
                        const Arrangement &a = own[i], &b = list[k];
                        set += sign(sign(frontPoints(a, b)) + sign(middlePoints(a, b)) +
                                    sign(backPoints(a, b)));
                    }
                }
            }
        }
        chiTotal[i] += chi;
        setTotal[i] += set;
    }
}

Evaluator::Evaluator(int capacity, int threads, bool reference)
    : search_(capacity, reference),
      seats_{ArrangementList(capacity), ArrangementList(capacity), ArrangementList(capacity),
             ArrangementList(capacity)},
      ChiTotal(static_cast<std::size_t>(capacity)),
      SetTotal(static_cast<std::size_t>(capacity)),
      simulated_(SimulatedDeals),
      reference_(reference),
      pool_(threadCount(threads)) {
    for (int t = 0; t < pool_.participants(); ++t)
        workers_.push_back(std::make_unique<Worker>(capacity, reference));
}

Evaluator::~Evaluator() = default;

void Evaluator::evaluateHolding(Deal& deal, Random& rng, ScoringOption option,
                                const std::function<void(int)>& progress) {
    search_.arrangeSeat(setOf(deal.rows[0]), seats_[0]);
    overflowed_ = search_.overflowed();
    if (!reference_) pairingKeys(seats_[0], ownKeys_);
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
        if (reference_) {
            scoreAgainst(seats_[0], {&w.opponents[0], &w.opponents[1], &w.opponents[2]}, option,
                         w.chi.data(), w.set.data(), w.pairings);
        } else {
            for (int j = 0; j < 3; ++j)
                pairingKeys(w.opponents[static_cast<std::size_t>(j)],
                            w.keys[static_cast<std::size_t>(j)]);
            scoreAgainstKeyed(seats_[0], ownKeys_,
                              {&w.opponents[0], &w.opponents[1], &w.opponents[2]},
                              {&w.keys[0], &w.keys[1], &w.keys[2]}, option, w.chi.data(),
                              w.set.data(), w.pairings);
        }
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
