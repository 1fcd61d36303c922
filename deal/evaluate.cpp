#include "deal/evaluate.h"

#include <algorithm>
#include <cstring>
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
// tallies per holding of the batch.
struct Evaluator::Worker {
    Worker(std::unique_ptr<SeatScoring> s, int capacity)
        : Scoring(std::move(s)),
          Opponents{ArrangementList(capacity), ArrangementList(capacity),
                    ArrangementList(capacity)} {}
    struct Tally {
        std::vector<std::int32_t> Chi, Set;
        std::int64_t Pairings = 0;
        bool Overflowed = false;
    };
    std::unique_ptr<SeatScoring> Scoring;
    std::array<ArrangementList, 3> Opponents;
    std::vector<Tally> Tallies;
};

struct Evaluator::OwnSlot {
    explicit OwnSlot(int capacity) : Own(capacity) {}
    ArrangementList Own;
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

PairingKey pairingKey(const Arrangement& a, const ArrangementKey& key) {
    PairingKey k;
    for (int p = 0; p < 3; ++p)
        k.Less[p] = key.Less[p];
    k.Category[0] = a.back.category;
    k.Category[1] = a.middle.category;
    k.Category[2] = a.front.category;
    k.Exact = key.Exact;
    k.Special = isSpecialCategory(a.back.category);
    k.Strong = isStrongCategory(a.back.category);
    return k;
}

void pairingKeys(const ArrangementList& list, std::vector<PairingKey>& out) {
    out.resize(static_cast<std::size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i)
        out[static_cast<std::size_t>(i)] = pairingKey(list[i], arrangementKey(list[i]));
}

void pairingKeys(const ArrangementList& list, const SeatSearch& search,
                 std::vector<PairingKey>& out) {
    out.resize(static_cast<std::size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i)
        out[static_cast<std::size_t>(i)] = pairingKey(list[i], search.steps().key(i));
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

namespace {

// One pairing on keys where both are exact, else by the rules; specials and strong backs settle
// as the pairing rules say.
std::int32_t pairingOnKeys(const Arrangement& a, const PairingKey& ka, const Arrangement& b,
                           const PairingKey& kb, bool chiOption) {
    // Specials carry inexact keys: only ordinary hands are compared on keys.
    const auto keyed = [&](Position p) { return keyedPoints(p, ka, kb); };
    const auto byRules = [&](Position p) { return handPoints(a, b, p); };
    const bool exact = ka.Exact && kb.Exact;
    if (chiOption) {
        const HandCategory ca = ka.Category[0], cb = kb.Category[0];
        return (exact ? chiPairing(ca, ka.Special, cb, kb.Special, keyed)
                      : chiPairing(ca, ka.Special, cb, kb.Special, byRules))
            .total();
    }
    return exact ? setPairing(ka.Strong, kb.Strong, keyed)
                 : setPairing(ka.Strong, kb.Strong, byRules);
}

bool answeredByKeys(const PairingKey& k) {
    return k.Exact && !k.Special;
}

using Lanes = std::int32_t __attribute__((vector_size(16)));
constexpr int LaneCount = 4;

Lanes load(const std::int32_t* p) {
    Lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
void store(std::int32_t* p, const Lanes& v) {
    std::memcpy(p, &v, sizeof v);
}
Lanes broadcast(std::int32_t x) {
    return Lanes{x, x, x, x};
}

// Adds the pairings of G opponent arrangements (answered by keys) against every own candidate
// the keys answer to `sums`. Compares give all ones where they hold, so a hand's sign is
// (less) - (greater) of the masks. The own keys are read once for all G.
template <int G>
void addColumns(const OwnColumns& c, const PairingKey* const* kbs, bool chiOption,
                std::int32_t* sums) {
    const auto n = static_cast<int>(c.Keyed.size());
    Lanes lb[G][3], winB[G][3];
    bool strongB[G];
    for (int g = 0; g < G; ++g) {
        for (int p = 0; p < 3; ++p) {
            lb[g][p] = broadcast(static_cast<std::int32_t>(kbs[g]->Less[p]));
            winB[g][p] = broadcast(payout(static_cast<Position>(2 - p), kbs[g]->Category[p]));
        }
        strongB[g] = kbs[g]->Strong;
    }
    const Lanes zero = broadcast(0), one = broadcast(1);
    for (int i = 0; i < n; i += LaneCount) {
        Lanes la[3];
        for (int p = 0; p < 3; ++p)
            la[p] = load(c.Less[p].data() + i);
        Lanes total = zero;
        if (chiOption) {
            Lanes win[3];
            for (int p = 0; p < 3; ++p)
                win[p] = load(c.Win[p].data() + i);
            for (int g = 0; g < G; ++g)
                for (int p = 0; p < 3; ++p)
                    total += ((la[p] > lb[g][p]) & win[p]) - ((la[p] < lb[g][p]) & winB[g][p]);
        } else {
            const Lanes strong = load(c.Strong.data() + i);
            for (int g = 0; g < G; ++g) {
                Lanes sum = zero;
                for (int p = 0; p < 3; ++p)
                    sum += (la[p] < lb[g][p]) - (la[p] > lb[g][p]);
                const Lanes sign = (sum < zero) - (sum > zero);
                total += strongB[g] ? ~strong : (strong & one) | (~strong & sign);
            }
        }
        store(sums + i, load(sums + i) + (total & load(c.Keyed.data() + i)));
    }
}

}  // namespace

void OwnColumns::build(const std::vector<PairingKey>& keys) {
    const std::size_t n = keys.size(), padded = (n + LaneCount - 1) / LaneCount * LaneCount;
    for (int p = 0; p < 3; ++p) {
        Less[p].assign(padded, 0);
        Win[p].assign(padded, 0);
    }
    Keyed.assign(padded, 0);
    Strong.assign(padded, 0);
    ByRules.clear();
    for (std::size_t i = 0; i < n; ++i) {
        const PairingKey& k = keys[i];
        if (!answeredByKeys(k)) {
            ByRules.push_back(static_cast<int>(i));
            continue;
        }
        for (int p = 0; p < 3; ++p) {
            Less[p][i] = static_cast<std::int32_t>(k.Less[p]);
            Win[p][i] = payout(static_cast<Position>(2 - p), k.Category[p]);
        }
        Keyed[i] = -1;
        Strong[i] = k.Strong ? -1 : 0;
    }
}

void scoreColumns(const ArrangementList& own, const std::vector<PairingKey>& ownKeys,
                  const OwnColumns& columns, const std::array<const ArrangementList*, 3>& opponents,
                  const std::array<const std::vector<PairingKey>*, 3>& opponentKeys,
                  ScoringOption option, std::int32_t* chiTotal, std::int32_t* setTotal,
                  std::int64_t& pairingCount, ColumnScratch& scratch) {
    const bool chiOption = option == ScoringOption::Chi;
    const int n = own.count();
    scratch.Sums.assign(columns.Keyed.size(), 0);
    std::int32_t* sums = scratch.Sums.data();
    std::vector<const PairingKey*>& keyed = scratch.Keyed;
    keyed.clear();
    for (std::size_t j = 0; j < 3; ++j) {
        const ArrangementList& list = *opponents[j];
        const std::vector<PairingKey>& keys = *opponentKeys[j];
        pairingCount += static_cast<std::int64_t>(n) * list.count();  // scored or not
        for (int k = 0; k < list.count(); ++k) {
            const PairingKey& kb = keys[static_cast<std::size_t>(k)];
            if (answeredByKeys(kb)) {
                keyed.push_back(&kb);
                continue;
            }
            for (int i = 0; i < n; ++i) {
                const PairingKey& ka = ownKeys[static_cast<std::size_t>(i)];
                if (answeredByKeys(ka))
                    sums[i] += pairingOnKeys(own[i], ka, list[k], kb, chiOption);
            }
        }
        for (int i : columns.ByRules) {
            const PairingKey& ka = ownKeys[static_cast<std::size_t>(i)];
            for (int k = 0; k < list.count(); ++k)
                sums[i] += pairingOnKeys(own[i], ka, list[k], keys[static_cast<std::size_t>(k)],
                                         chiOption);
        }
    }
    // The opponents' arrangements answered by keys, four at a time.
    std::size_t g = 0;
    for (; g + 4 <= keyed.size(); g += 4)
        addColumns<4>(columns, keyed.data() + g, chiOption, sums);
    for (; g < keyed.size(); ++g)
        addColumns<1>(columns, keyed.data() + g, chiOption, sums);
    std::int32_t* totals = chiOption ? chiTotal : setTotal;
    for (int i = 0; i < n; ++i)
        totals[i] += sums[i];
}

void scoreAgainstKeyed(const ArrangementList& own, const std::vector<PairingKey>& ownKeys,
                       const std::array<const ArrangementList*, 3>& opponents,
                       const std::array<const std::vector<PairingKey>*, 3>& opponentKeys,
                       ScoringOption option, std::int32_t* chiTotal, std::int32_t* setTotal,
                       std::int64_t& pairingCount) {
    OwnColumns columns;
    columns.build(ownKeys);
    ColumnScratch scratch;
    scoreColumns(own, ownKeys, columns, opponents, opponentKeys, option, chiTotal, setTotal,
                 pairingCount, scratch);
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

  protected:
    Search search_;
};

// The game's search, and pairings scored on keys.
class KeyedScoring final : public ScoringWith<SeatSearch> {
  public:
    using ScoringWith::ScoringWith;
    void setOwn(int slot, const ArrangementList& own) override {
        const auto s = static_cast<std::size_t>(slot);
        if (own_.size() <= s) own_.resize(s + 1);
        pairingKeys(own, own_[s].Keys);
        own_[s].Columns.build(own_[s].Keys);
    }
    // The search's own keys of the list become its pairing keys, kept with the list's address
    // for the scoring that follows.
    void arrangeSeat(const CardSet& holding, ArrangementList& out) override {
        search_.arrangeSeat(holding, out);
        Arranged& a = arranged_[next_];
        next_ = (next_ + 1) % arranged_.size();
        a.List = &out;
        a.Count = out.count();
        pairingKeys(out, search_, a.Keys);
    }
    void score(int slot, const ArrangementList& own,
               const std::array<const ArrangementList*, 3>& opponents, ScoringOption option,
               std::int32_t* chiTotal, std::int32_t* setTotal,
               std::int64_t& pairingCount) override {
        std::array<const std::vector<PairingKey>*, 3> keys{};
        for (std::size_t j = 0; j < 3; ++j) {
            for (const Arranged& a : arranged_)
                if (a.List == opponents[j] && a.Count == opponents[j]->count()) keys[j] = &a.Keys;
            if (!keys[j]) {  // a list this search did not build
                pairingKeys(*opponents[j], keys_[j]);
                keys[j] = &keys_[j];
            }
        }
        const OwnKeys& o = own_[static_cast<std::size_t>(slot)];
        scoreColumns(own, o.Keys, o.Columns, opponents, keys, option, chiTotal, setTotal,
                     pairingCount, scratch_);
    }

  private:
    struct Arranged {
        const ArrangementList* List = nullptr;
        int Count = 0;
        std::vector<PairingKey> Keys;
    };
    std::array<Arranged, 3> arranged_;  // the last three lists arranged
    std::size_t next_ = 0;
    struct OwnKeys {
        std::vector<PairingKey> Keys;
        OwnColumns Columns;
    };
    std::vector<OwnKeys> own_;
    std::array<std::vector<PairingKey>, 3> keys_;
    ColumnScratch scratch_;
};

// The straightforward search, and pairings scored by the rules as written.
class ReferenceScoring final : public ScoringWith<ReferenceSearch> {
  public:
    using ScoringWith::ScoringWith;
    void setOwn(int, const ArrangementList&) override {}
    void score(int, const ArrangementList& own,
               const std::array<const ArrangementList*, 3>& opponents, ScoringOption option,
               std::int32_t* chiTotal, std::int32_t* setTotal,
               std::int64_t& pairingCount) override {
        scoreAgainst(own, opponents, option, chiTotal, setTotal, pairingCount);
    }
};

}  // namespace

Evaluator::Evaluator(int capacity, int threads, bool reference, int simulatedDeals)
    : seats_{ArrangementList(capacity), ArrangementList(capacity), ArrangementList(capacity),
             ArrangementList(capacity)},
      capacity_(capacity),
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
    std::function<void(int, int)> step;
    if (progress) step = [&](int, int done) { progress(done); };
    std::vector<HoldingResult> results;
    const Holding holding = deal.Rows[0];
    evaluateHoldings(&holding, 1, deal, rng, option, results, step);
}

void Evaluator::evaluateHoldings(const Holding* holdings, int count, Deal& deal, Random& rng,
                                 ScoringOption option, std::vector<HoldingResult>& results,
                                 const std::function<void(int, int)>& progress) {
    assert(count >= 1);
    const auto slots = static_cast<std::size_t>(count);
    while (slots_.size() < slots)
        slots_.push_back(std::make_unique<OwnSlot>(capacity_));
    if (simulated_.size() < slots * simulatedDeals_) simulated_.resize(slots * simulatedDeals_);
    // Every holding's own list, then the draws, in order: 39 per simulated deal.
    SeatScoring& first = *workers_.front()->Scoring;
    for (std::size_t s = 0; s < slots; ++s) {
        OwnSlot& slot = *slots_[s];
        first.arrangeSeat(setOf(holdings[s]), slot.Own);
        slot.Overflowed = first.overflowed();
        deal.Rows[0] = holdings[s];
        for (int k = 0; k < simulatedDeals_; ++k) {
            redealUnseen(deal, rng);
            simulated_[s * simulatedDeals_ + static_cast<std::size_t>(k)] = deal;
        }
    }
    for (auto& w : workers_) {
        if (w->Tallies.size() < slots) w->Tallies.resize(slots);
        for (std::size_t s = 0; s < slots; ++s) {
            Worker::Tally& t = w->Tallies[s];
            const auto own = static_cast<std::size_t>(slots_[s]->Own.count());
            t.Chi.assign(own, 0);
            t.Set.assign(own, 0);
            t.Pairings = 0;
            t.Overflowed = false;
            w->Scoring->setOwn(static_cast<int>(s), slots_[s]->Own);
        }
    }
    std::mutex progressMutex;
    std::vector<int> done(slots, 0);
    pool_.run(count * simulatedDeals_, [&](int participant, int task) {
        Worker& w = *workers_[static_cast<std::size_t>(participant)];
        const auto s = static_cast<std::size_t>(task / simulatedDeals_);
        Worker::Tally& t = w.Tallies[s];
        // All three opponents are simulated, whatever the number in play.
        for (int seat = 1; seat <= 3; ++seat) {
            w.Scoring->arrangeSeat(setOf(simulated_[static_cast<std::size_t>(task)]
                                             .Rows[static_cast<std::size_t>(seat)]),
                                   w.Opponents[static_cast<std::size_t>(seat - 1)]);
            t.Overflowed = t.Overflowed || w.Scoring->overflowed();
        }
        w.Scoring->score(static_cast<int>(s), slots_[s]->Own,
                         {&w.Opponents[0], &w.Opponents[1], &w.Opponents[2]}, option, t.Chi.data(),
                         t.Set.data(), t.Pairings);
        if (task ==
            count * simulatedDeals_ - 1)  // the lists of the last simulated deal stay visible
            for (int seat = 1; seat <= 3; ++seat)
                seats_[static_cast<std::size_t>(seat)].copyFrom(
                    w.Opponents[static_cast<std::size_t>(seat - 1)]);
        if (progress) {
            std::lock_guard lock(progressMutex);
            progress(static_cast<int>(s), ++done[s]);
        }
    });
    results.resize(slots);
    for (std::size_t s = 0; s < slots; ++s) {
        seats_[0].copyFrom(slots_[s]->Own);
        overflowed_ = slots_[s]->Overflowed;
        clearTallies();
        const int own = seats_[0].count();
        talliesInUse_ = std::max(talliesInUse_, own);
        for (const auto& w : workers_) {
            const Worker::Tally& t = w->Tallies[s];
            for (int i = 0; i < own; ++i) {
                chiTotal_[static_cast<std::size_t>(i)] += t.Chi[static_cast<std::size_t>(i)];
                setTotal_[static_cast<std::size_t>(i)] += t.Set[static_cast<std::size_t>(i)];
            }
            pairingCount_ += t.Pairings;
            overflowed_ = overflowed_ || t.Overflowed;
        }
        orderCandidates(option);
        HoldingResult& r = results[s];
        r.Best = seats_[0][0];
        r.BestTotal = option == ScoringOption::Chi ? chiTotal_[0] : setTotal_[0];
        r.Pairings = pairingCount_;
        r.Candidates = own;
        r.Overflowed = overflowed_;
    }
}

void Evaluator::clearTallies() {
    // Only the entries written since the last clearing can be other than zero.
    std::fill(chiTotal_.begin(), chiTotal_.begin() + talliesInUse_, 0);
    std::fill(setTotal_.begin(), setTotal_.begin() + talliesInUse_, 0);
    talliesInUse_ = 0;
    pairingCount_ = 0;
}

void Evaluator::scorePairings(ScoringOption option) {
    talliesInUse_ = std::max(talliesInUse_, seats_[0].count());
    scoreAgainst(seats_[0], {&seats_[1], &seats_[2], &seats_[3]}, option, chiTotal_.data(),
                 setTotal_.data(), pairingCount_);
}

void selectionExchanges(std::vector<std::int32_t>& totals, int n, std::vector<int>& partner) {
    partner.resize(static_cast<std::size_t>(std::max(n, 0)));
    for (int p = 0; p < n; ++p) {
        int m = p;
        for (int q = p + 1; q < n; ++q)
            if (totals[static_cast<std::size_t>(m)] < totals[static_cast<std::size_t>(q)]) m = q;
        std::swap(totals[static_cast<std::size_t>(p)], totals[static_cast<std::size_t>(m)]);
        partner[static_cast<std::size_t>(p)] = m;
    }
}

void tournamentExchanges(std::vector<std::int32_t>& totals, int n, std::vector<int>& partner,
                         std::vector<int>& tree) {
    partner.resize(static_cast<std::size_t>(std::max(n, 0)));
    if (n <= 0) return;
    int leaves = 1;
    while (leaves < n)
        leaves *= 2;
    // tree[node] is a place, or -1 for none; node 1 is the root, leaf i sits at leaves + i.
    tree.assign(static_cast<std::size_t>(2 * leaves), -1);
    const auto at = [&](int node) -> int& { return tree[static_cast<std::size_t>(node)]; };
    // The left child covers the earlier places, so it wins ties: the first highest.
    const auto winner = [&](int left, int right) {
        if (right < 0) return left;
        if (left < 0) return right;
        return totals[static_cast<std::size_t>(left)] < totals[static_cast<std::size_t>(right)]
                   ? right
                   : left;
    };
    for (int i = 0; i < n; ++i)
        at(leaves + i) = i;
    for (int node = leaves - 1; node >= 1; --node)
        at(node) = winner(at(2 * node), at(2 * node + 1));
    const auto replay = [&](int place) {
        for (int node = (leaves + place) / 2; node >= 1; node /= 2)
            at(node) = winner(at(2 * node), at(2 * node + 1));
    };
    for (int p = 0; p < n; ++p) {
        const int m = at(1);
        std::swap(totals[static_cast<std::size_t>(p)], totals[static_cast<std::size_t>(m)]);
        partner[static_cast<std::size_t>(p)] = m;
        at(leaves + p) = -1;  // place p is settled
        replay(p);
        if (m != p) replay(m);  // place m now holds the total that stood at p
    }
}

void Evaluator::orderCandidates(ScoringOption option) {
    ArrangementList& own = seats_[0];
    const bool chi = option == ScoringOption::Chi;
    std::vector<std::int32_t>& key = chi ? chiTotal_ : setTotal_;
    std::vector<std::int32_t>& other = chi ? setTotal_ : chiTotal_;
    const int n = own.count();
    talliesInUse_ = std::max(talliesInUse_, n);
    // Short lists take the plain selection; both give the same exchanges.
    if (n > 32)
        tournamentExchanges(key, n, partner_, tree_);
    else
        selectionExchanges(key, n, partner_);
    for (int p = 0; p < n; ++p) {
        const int m = partner_[static_cast<std::size_t>(p)];
        if (m == p) continue;
        std::swap(own[p], own[m]);
        std::swap(other[static_cast<std::size_t>(p)], other[static_cast<std::size_t>(m)]);
    }
}

}  // namespace kov
