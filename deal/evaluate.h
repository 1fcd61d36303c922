#pragma once
// Seat evaluation by simulated deals: every candidate of the holding in row 0 plays every
// candidate of three imaginary opponents over 100 random deals of the unseen cards.
//
// The random numbers of the simulated deals do not depend on their results, so all 100 deals are
// drawn first, in order, and then arranged and scored on several threads, each with its own
// search and tallies. The tallies are integer sums: the outcome is the same for any thread count.

#include <array>
#include <cassert>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "deal/dealing.h"
#include "deal/task_pool.h"
#include "search/arrange.h"
#include "settle/settlement.h"

namespace kov {

constexpr int SimulatedDeals = 100;

// Adds the pairings of every candidate of `own` against every candidate of the three opponents
// to the tallies (indexed like `own`). Specials and strong backs settle as a block; no ace factor.
// This is the rule as written, hand by hand through handPoints().
void scoreAgainst(const ArrangementList& own,
                  const std::array<const ArrangementList*, 3>& opponents, ScoringOption option,
                  std::int32_t* chiTotal, std::int32_t* setTotal, std::int64_t& pairingCount);

// What a pairing needs of one candidate, computed once per list: per hand (back, middle, front)
// the packed order key (category above the tuple) and the category; specials and strong backs.
struct PairingKey {
    // The slot of a position in less[] and Category[].
    static constexpr int indexOf(Position p) { return 2 - static_cast<int>(p); }
    std::uint32_t Less[3];
    HandCategory Category[3];
    bool Exact;    // the keys answer the hand comparisons; otherwise the rules are asked
    bool Special;  // a special holding: settles as a block under the chi option
    bool Strong;   // wins the set outright under the set option
};
void pairingKeys(const ArrangementList& list, std::vector<PairingKey>& out);
// The same for the list `search` built last, from the keys the search kept for its entries.
void pairingKeys(const ArrangementList& list, const SeatSearch& search,
                 std::vector<PairingKey>& out);
// The pairing key of one arrangement from its search keys (arrangementKey()).
PairingKey pairingKey(const Arrangement& a, const ArrangementKey& key);

// The same scoring on precomputed keys: a pairing is a few integer compares and table lookups.
void scoreAgainstKeyed(const ArrangementList& own, const std::vector<PairingKey>& ownKeys,
                       const std::array<const ArrangementList*, 3>& opponents,
                       const std::array<const std::vector<PairingKey>*, 3>& opponentKeys,
                       ScoringOption option, std::int32_t* chiTotal, std::int32_t* setTotal,
                       std::int64_t& pairingCount);

// Seat 0's pairing keys laid out for scoring one opponent arrangement against every own
// candidate in one pass: per hand slot (as in PairingKey) the less keys and what a win there
// pays. The candidates the keys answer (exact and ordinary) are marked; the others are scored
// pairing by pairing. The lists are padded to whole groups of four with unmarked entries.
struct OwnColumns {
    std::vector<std::int32_t> Less[3], Win[3];
    std::vector<std::int32_t> Keyed;   // all ones for a candidate the keys answer, else 0
    std::vector<std::int32_t> Strong;  // all ones for a strong back, else 0
    std::vector<int> ByRules;          // the candidates scored pairing by pairing
    void build(const std::vector<PairingKey>& keys);
};

// The working storage of scoreColumns(): the sums of one scoring, and the opponents'
// arrangements it takes by columns.
struct ColumnScratch {
    std::vector<std::int32_t> Sums;
    std::vector<const PairingKey*> Keyed;
};

// scoreAgainstKeyed() with the columns of `ownKeys` built beforehand; the sums are the same.
// The opponents' arrangements the keys answer are taken four at a time against the columns.
void scoreColumns(const ArrangementList& own, const std::vector<PairingKey>& ownKeys,
                  const OwnColumns& columns, const std::array<const ArrangementList*, 3>& opponents,
                  const std::array<const std::vector<PairingKey>*, 3>& opponentKeys,
                  ScoringOption option, std::int32_t* chiTotal, std::int32_t* setTotal,
                  std::int64_t& pairingCount, ColumnScratch& scratch);

// The exchanges of Evaluator::orderCandidates() over totals[0..n): step p (from the first place)
// exchanges place p with the place of the first highest total among places p, p+1, ... as they
// stand. Leaves the totals in their final order and partner[p] = the place step p exchanged with
// (p itself when none). The selection sort as stated, comparison by comparison:
void selectionExchanges(std::vector<std::int32_t>& totals, int n, std::vector<int>& partner);
// The same exchanges in O(n log n): a tournament tree over the places still open holds at every
// node the first highest of its range, and each exchange replays the two changed leaves' paths.
// `tree` is working storage.
void tournamentExchanges(std::vector<std::int32_t>& totals, int n, std::vector<int>& partner,
                         std::vector<int>& tree);

// How one thread arranges seats and scores the pairings of a simulated deal: the keyed search
// and scoring of the game, or the straightforward ones (ReferenceSearch and scoreAgainst).
class SeatScoring {
  public:
    virtual ~SeatScoring() = default;
    virtual void arrangeSeat(const CardSet& holding, ArrangementList& out) = 0;
    // A list of the last search filled up.
    virtual bool overflowed() const = 0;
    // Takes the own list of holding `slot` (0, 1, ...) before its pairings are scored.
    virtual void setOwn(int slot, const ArrangementList& own) = 0;
    // scoreAgainst() of the own list of `slot` (the one given to setOwn) and the three
    // opponents' lists.
    virtual void score(int slot, const ArrangementList& own,
                       const std::array<const ArrangementList*, 3>& opponents, ScoringOption option,
                       std::int32_t* chiTotal, std::int32_t* setTotal,
                       std::int64_t& pairingCount) = 0;
};

class Evaluator {
  public:
    // threads = 0: one per hardware thread. reference = true: the straightforward search and
    // scoring (the oracle of the tests); the results are the same. simulatedDeals: how many deals
    // each evaluation simulates (the computer's seats play with SimulatedDeals).
    explicit Evaluator(int capacity = ListCapacity, int threads = 1, bool reference = false,
                       int simulatedDeals = SimulatedDeals);
    ~Evaluator();

    // Arranges row 0, re-deals rows 1..3 simulatedDeals() times (39 draws each), arranges and
    // scores them, and orders the candidates so the one to play stands first. `progress`, when
    // given, is called with the number of simulated deals done (from any thread, one call at a
    // time).
    void evaluateHolding(Deal& deal, Random& rng, ScoringOption option,
                         const std::function<void(int)>& progress = {});

    // What evaluateHoldings() keeps of each holding's evaluation.
    struct HoldingResult {
        Arrangement Best;            // the candidate to play
        std::int32_t BestTotal = 0;  // its total under the option
        std::int64_t Pairings = 0;   // pairingCount()
        int Candidates = 0;          // the length of the holding's list
        bool Overflowed = false;     // overflowed()
    };
    // Evaluates holdings[0..count-1] exactly as evaluateHolding() would one after the other, each
    // put into row 0 of `deal` in turn. The draws of every simulated deal of every holding come
    // first, in that order; the simulated deals of all holdings then run as one batch of tasks.
    // Afterwards row 0 holds the last holding and the evaluator shows that holding's evaluation.
    // `progress` gets (holding, simulated deals of it done).
    void evaluateHoldings(const Holding* holdings, int count, Deal& deal, Random& rng,
                          ScoringOption option, std::vector<HoldingResult>& results,
                          const std::function<void(int, int)>& progress = {});

    void clearTallies();
    // Scores the opponents' lists now in seats 1..3 against seat 0's.
    void scorePairings(ScoringOption option);
    // Puts the highest total under the option first, by selection sort with exchange: place p
    // (from the first) takes the first entry of highest total among places p, p+1, ... as they
    // stand, and the entry it displaces moves to the place that one left. Totals come out from
    // the highest down; equal totals need not keep their search order, since a displaced entry
    // can land behind an equal one that stood after it. This order is the game's.
    void orderCandidates(ScoringOption option);

    // Seats 0..3.
    const ArrangementList& candidates(int seat) const {
        assert(seat >= 0 && seat < 4);
        return seats_[static_cast<std::size_t>(seat)];
    }
    ArrangementList& candidates(int seat) {
        assert(seat >= 0 && seat < 4);
        return seats_[static_cast<std::size_t>(seat)];
    }
    std::int32_t chiTotal(int i) const { return chiTotal_[static_cast<std::size_t>(i)]; }
    std::int32_t setTotal(int i) const { return setTotal_[static_cast<std::size_t>(i)]; }
    std::int64_t pairingCount() const { return pairingCount_; }
    // A list of this evaluation filled up (the results stand on what the lists held).
    bool overflowed() const { return overflowed_; }
    int threads() const { return pool_.participants(); }
    int simulatedDeals() const { return simulatedDeals_; }

  private:
    struct Worker;

    // The own lists of the holdings of one batch, and what the batch found for each.
    struct OwnSlot;

    std::array<ArrangementList, 4> seats_;
    std::vector<std::unique_ptr<OwnSlot>> slots_;
    int capacity_;
    std::vector<std::int32_t> chiTotal_;
    std::vector<std::int32_t> setTotal_;
    int talliesInUse_ = 0;  // the tallies below this index may be other than zero
    std::int64_t pairingCount_ = 0;
    bool overflowed_ = false;
    int simulatedDeals_ = SimulatedDeals;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::vector<Deal> simulated_;
    std::vector<int> partner_, tree_;  // orderCandidates' working storage
    TaskPool pool_;
};

}  // namespace kov
