#include "deal/evaluate.h"

#include <mutex>

#include "cards/payout.h"
#include "cards/special.h"
#include "search/hand_keys.h"

namespace kov {
namespace {

int threadCount(int requested) {
    if (requested > 0) return requested;
    const unsigned hw = std::thread::hardware_concurrency();
    return hw == 0 ? 1 : static_cast<int>(hw);
}

}  // namespace

// One thread's working storage: its own search and scoring, the opponents' lists and partial
// tallies.
struct Evaluator::Worker {
    Worker(std::unique_ptr<SeatScoring> s, int capacity)
        : Scoring(std::move(s)),
          Opponents{ArrangementList(capacity), ArrangementList(capacity),
                    ArrangementList(capacity)},
          Chi(static_cast<std::size_t>(capacity)),
          Set(static_cast<std::size_t>(capacity)) {}
    std::unique_ptr<SeatScoring> Scoring;
    std::array<ArrangementList, 3> Opponents;
    std::vector<std::int32_t> Chi, Set;
    std::int64_t Pairings = 0;
    bool Overflowed = false;
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
                const auto points = [&](Position p) { return handPoints(a, b, p); };
                if (option == ScoringOption::Chi)
                    chi += chiPairing(ca, isSpecialCategory(ca), cb, isSpecialCategory(cb), points)
                               .total();
                else
                    set += setPairing(isStrongCategory(ca), isStrongCategory(cb), points);
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
        k.Less[0] = back.Less;
        k.Less[1] = middle.Less;
        k.Less[2] = front.Less;
        k.Category[0] = a.back.category;
        k.Category[1] = a.middle.category;
        k.Category[2] = a.front.category;
        k.Exact = back.Exact && middle.Exact && front.Exact;
        k.Special = isSpecialCategory(a.back.category);
        k.Strong = isStrongCategory(a.back.category);
    }
}

namespace {

// Hand points at one position from the two packed keys: the category sits above the tuple, so
// one compare orders the hands; the winner's category sets the amount.
std::int32_t keyedPoints(Position position, const PairingKey& a, const PairingKey& b) {
    const auto at = static_cast<std::size_t>(PairingKey::indexOf(position));
    const std::uint32_t la = a.Less[at], lb = b.Less[at];
    if (la < lb) return -payout(position, b.Category[at]);
    if (la > lb) return payout(position, a.Category[at]);
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
        for (std::size_t j = 0; j < 3; ++j) {
            const ArrangementList& list = *opponents[j];
            const std::vector<PairingKey>& keys = *opponentKeys[j];
            pairingCount += list.count();  // every pairing counts, scored or not
            for (int k = 0; k < list.count(); ++k) {
                const PairingKey& kb = keys[static_cast<std::size_t>(k)];
                // Specials carry inexact keys: only ordinary hands are compared on keys.
                const auto keyed = [&](Position p) { return keyedPoints(p, ka, kb); };
                const auto byRules = [&](Position p) { return handPoints(own[i], list[k], p); };
                const bool exact = ka.Exact && kb.Exact;
                if (chiOption) {
                    const HandCategory ca = ka.Category[0], cb = kb.Category[0];
                    chi += (exact ? chiPairing(ca, ka.Special, cb, kb.Special, keyed)
                                  : chiPairing(ca, ka.Special, cb, kb.Special, byRules))
                               .total();
                } else {
                    set += exact ? setPairing(ka.Strong, kb.Strong, keyed)
                                 : setPairing(ka.Strong, kb.Strong, byRules);
                }
            }
        }
        chiTotal[i] += chi;
        setTotal[i] += set;
    }
}

namespace {

// The part both scorings share: the search they arrange seats with.
template <typename Search>
class ScoringWith : public SeatScoring {
  public:
    explicit ScoringWith(int capacity) : search_(capacity) {}
    void arrangeSeat(const CardSet& holding, ArrangementList& out) override {
        search_.arrangeSeat(holding, out);
    }
    bool overflowed() const override { return search_.overflowed(); }

  private:
    Search search_;
};

// The game's search, and pairings scored on keys.
class KeyedScoring final : public ScoringWith<SeatSearch> {
  public:
    using ScoringWith::ScoringWith;
    void setOwn(const ArrangementList& own) override { pairingKeys(own, ownKeys_); }
    void score(const ArrangementList& own, const std::array<const ArrangementList*, 3>& opponents,
               ScoringOption option, std::int32_t* chiTotal, std::int32_t* setTotal,
               std::int64_t& pairingCount) override {
        for (std::size_t j = 0; j < 3; ++j)
            pairingKeys(*opponents[j], keys_[j]);
        scoreAgainstKeyed(own, ownKeys_, opponents, {&keys_[0], &keys_[1], &keys_[2]}, option,
                          chiTotal, setTotal, pairingCount);
    }

  private:
    std::vector<PairingKey> ownKeys_;
    std::array<std::vector<PairingKey>, 3> keys_;
};

// The straightforward search, and pairings scored by the rules as written.
class ReferenceScoring final : public ScoringWith<ReferenceSearch> {
  public:
    using ScoringWith::ScoringWith;
    void setOwn(const ArrangementList&) override {}
    void score(const ArrangementList& own, const std::array<const ArrangementList*, 3>& opponents,
               ScoringOption option, std::int32_t* chiTotal, std::int32_t* setTotal,
               std::int64_t& pairingCount) override {
        scoreAgainst(own, opponents, option, chiTotal, setTotal, pairingCount);
    }
};

}  // namespace

Evaluator::Evaluator(int capacity, int threads, bool reference, int simulatedDeals)
    : seats_{ArrangementList(capacity), ArrangementList(capacity), ArrangementList(capacity),
             ArrangementList(capacity)},
      chiTotal_(static_cast<std::size_t>(capacity)),
      setTotal_(static_cast<std::size_t>(capacity)),
      simulatedDeals_(simulatedDeals),
      simulated_(static_cast<std::size_t>(simulatedDeals)),
      pool_(threadCount(threads)) {
    for (int t = 0; t < pool_.participants(); ++t) {
        std::unique_ptr<SeatScoring> scoring;
        if (reference)
            scoring = std::make_unique<ReferenceScoring>(capacity);
        else
            scoring = std::make_unique<KeyedScoring>(capacity);
        workers_.push_back(std::make_unique<Worker>(std::move(scoring), capacity));
    }
}

Evaluator::~Evaluator() = default;

void Evaluator::evaluateHolding(Deal& deal, Random& rng, ScoringOption option,
                                const std::function<void(int)>& progress) {
    SeatScoring& first = *workers_.front()->Scoring;
    first.arrangeSeat(setOf(deal.Rows[0]), seats_[0]);
    overflowed_ = first.overflowed();
    clearTallies();
    // The draws first, in order: 39 per simulated deal.
    for (Deal& d : simulated_) {
        redealUnseen(deal, rng);
        d = deal;
    }
    const int own = seats_[0].count();
    for (auto& w : workers_) {
        std::fill(w->Chi.begin(), w->Chi.begin() + own, 0);
        std::fill(w->Set.begin(), w->Set.begin() + own, 0);
        w->Pairings = 0;
        w->Overflowed = false;
        w->Scoring->setOwn(seats_[0]);
    }
    std::mutex progressMutex;
    int done = 0;
    pool_.run(simulatedDeals_, [&](int participant, int n) {
        Worker& w = *workers_[static_cast<std::size_t>(participant)];
        // All three opponents are simulated, whatever the number in play.
        for (int seat = 1; seat <= 3; ++seat) {
            w.Scoring->arrangeSeat(
                setOf(simulated_[static_cast<std::size_t>(n)].Rows[static_cast<std::size_t>(seat)]),
                w.Opponents[static_cast<std::size_t>(seat - 1)]);
            w.Overflowed = w.Overflowed || w.Scoring->overflowed();
        }
        w.Scoring->score(seats_[0], {&w.Opponents[0], &w.Opponents[1], &w.Opponents[2]}, option,
                         w.Chi.data(), w.Set.data(), w.Pairings);
        if (n == simulatedDeals_ - 1)  // the lists of the last simulated deal stay visible
            for (int seat = 1; seat <= 3; ++seat)
                seats_[static_cast<std::size_t>(seat)].copyFrom(
                    w.Opponents[static_cast<std::size_t>(seat - 1)]);
        if (progress) {
            std::lock_guard lock(progressMutex);
            progress(++done);
        }
    });
    for (const auto& w : workers_) {
        for (int i = 0; i < own; ++i) {
            chiTotal_[static_cast<std::size_t>(i)] += w->Chi[static_cast<std::size_t>(i)];
            setTotal_[static_cast<std::size_t>(i)] += w->Set[static_cast<std::size_t>(i)];
        }
        pairingCount_ += w->Pairings;
        overflowed_ = overflowed_ || w->Overflowed;
    }
    orderCandidates(option);
}

void Evaluator::clearTallies() {
    std::fill(chiTotal_.begin(), chiTotal_.end(), 0);
    std::fill(setTotal_.begin(), setTotal_.end(), 0);
    pairingCount_ = 0;
}

void Evaluator::scorePairings(ScoringOption option) {
    scoreAgainst(seats_[0], {&seats_[1], &seats_[2], &seats_[3]}, option, chiTotal_.data(),
                 setTotal_.data(), pairingCount_);
}

void Evaluator::orderCandidates(ScoringOption option) {
    ArrangementList& own = seats_[0];
    const std::vector<std::int32_t>& key = option == ScoringOption::Chi ? chiTotal_ : setTotal_;
    const int n = own.count();
    for (int p = 0; p + 1 < n; ++p) {
        int m = p;
        for (int q = p + 1; q < n; ++q)
            if (key[static_cast<std::size_t>(m)] < key[static_cast<std::size_t>(q)]) m = q;
        if (m != p) {
            std::swap(own[p], own[m]);
            std::swap(chiTotal_[static_cast<std::size_t>(p)],
                      chiTotal_[static_cast<std::size_t>(m)]);
            std::swap(setTotal_[static_cast<std::size_t>(p)],
                      setTotal_[static_cast<std::size_t>(m)]);
        }
    }
}

}  // namespace kov
