#pragma once
// The computer's arrangement search: the special holdings a seat qualifies for, then every
// ordinary arrangement built around strong back and middle candidates that no other dominates.

#include <vector>

#include "cards/hand.h"
#include "search/candidates.h"
#include "search/hand_keys.h"

namespace kov {

using ArrangementList = FixedList<Arrangement>;

// Working storage of one search. One object per thread: two searches never share one.
//
// The list is kept free of dominated arrangements with precomputed hand keys (integer compares);
// ReferenceSearch below applies the hand rules' comparisons directly and is the oracle that this
// search must match entry for entry.
class SeatSearch {
  public:
    explicit SeatSearch(int capacity = ListCapacity) : SeatSearch(capacity, false) {}
    // reference = true: the straightforward search (see ReferenceSearch).
    SeatSearch(int capacity, bool reference);

    // Fills `out` (emptied first) with the candidates of the 13 cards `holding`. Afterwards
    // overflowed() tells whether any list of the search filled up; the search still completes
    // with what the lists hold.
    void arrangeSeat(const CardSet& holding, ArrangementList& out);
    bool overflowed() const { return overflowed_; }
    // The longest each list grew in the last search: back candidates, middle candidates (for one
    // back), and arrangements.
    struct Peaks {
        int back = 0, middle = 0, arrangements = 0;
    };
    Peaks peaks() const { return peaks_; }

  private:
    void append(const Arrangement& a, ArrangementList& out);
    void searchMiddles(const CardSet& holding, const Hand& back, ArrangementList& out);
    void buildMiddles(const CardSet& rest, const Hand& back);
    void offerArrangement(const Arrangement& a, ArrangementList& out);
    CardSet firstFront(const CardSet& leftover, HandCategory k);

    CandidateList backCandidates_;
    CandidateList middleCandidates_;
    CandidateList frontScratch_;
    std::vector<ArrangementKey> keys_;  // keys_[i] belongs to entry i of the output list
    bool reference_;
    bool straightsFlag_ = false;
    bool flushesFlag_ = false;
    bool overflowed_ = false;
    Peaks peaks_;
};

// The straightforward search: every comparison through the hand rules themselves.
class ReferenceSearch : public SeatSearch {
  public:
    explicit ReferenceSearch(int capacity = ListCapacity) : SeatSearch(capacity, true) {}
};

// Completes the hands from the leftover cards, highest first: front, then middle, then back,
// with one cursor that only moves down. Categories are not recomputed.
void fillHands(Arrangement& a, CardSet leftover);
void fillHandsByRule(Arrangement& a, CardSet leftover);

// Six pairs (10), five pairs and a triple (13), or nothing (0).
HandCategory pairSpecialOf(const CardSet& holding);

}  // namespace kov
