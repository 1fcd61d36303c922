// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The steps of the straightforward search (ReferenceSearch in search/arrange.h): each one as the
// rules state it, through the hand rules' own comparisons and candidate lists. Nothing here is
// tuned; the game's search must give the same lists.

#include "cards/compare.h"
#include "search/candidates.h"

namespace kov {

// Completes the hands from the leftover cards step by step as the rule states it: a cursor from
// the ace down, taking the lowest suit of its rank, filling the front, then the middle, then the
// back.
inline void fillHandsByRule(Arrangement& a, CardSet leftover) {
    int cursor = 13;
    Hand* order[3] = {&a.front, &a.middle, &a.back};
    const int target[3] = {3, 5, 5};
    for (int h = 0; h < 3; ++h)
        while (cardCount(order[h]->cards) < target[h]) {
            while (cursor >= 1 && rankCount(leftover, cursor) == 0)
                --cursor;
            if (cursor < 1) return;  // nothing left to fill with
            CardSet card;
            allOfRank(card, cursor);
            intersectionOf(card, card, leftover);
            keepFirstSuitOfBit(card, cursor % 13);
            minus(leftover, card);
            unionOf(order[h]->cards, order[h]->cards, card);
        }
}

class ReferenceSteps {
  public:
    // Every middle candidate generated from the cards the back leaves.
    static constexpr bool ReusesHoldingCandidates = false;
    // Every back is searched.
    static constexpr bool SkipsBarrenBacks = false;
    // Every middle is built.
    static constexpr bool SkipsBarrenMiddles = false;
    explicit ReferenceSteps(int /*capacity*/) {}

    // Builds the material of every category and looks whether any is not empty.
    static bool offersMiddleMaterial(const CardSet& rest, const RankPattern& pattern) {
        for (HandCategory k : BackAndMiddleOrder)
            if (!isEmpty(categoryMaterial(rest, pattern, k, Position::Middle))) return true;
        return false;
    }
    static RankPattern leftoverPattern(const CardSet& leftover, const RankPattern&, const Hand&) {
        return rankPattern(leftover);
    }
    static HandCategory frontCategory(const CardSet& leftover, const RankPattern&) {
        return frontCategoryOf(leftover);
    }
    // The first entry of the full candidate list of category k.
    static CardSet firstFront(CandidateList& scratch, const CardSet& leftover, const RankPattern&,
                              HandCategory k) {
        return takeFirstCandidate(scratch, leftover, k);
    }
    // The rules' comparisons of a middle core with the back core, and with the front material.
    static bool middleAboveBack(const CardSet& back, const CardSet& middle, HandCategory k) {
        return lessFive(back, middle, k);
    }
    static bool middleBelowFront(const CardSet& middle, const CardSet& leftover, const RankPattern&,
                                 HandCategory f) {
        return lessCoarse(middle, leftover, f);
    }

    static void reset() {}
    static void beginBack(const Hand&) {}
    static void append(const Arrangement& a, ArrangementList& out) { out.append(a); }
    // Completes the cores a from the leftover cards, then offers them.
    static void offer(Arrangement& a, const CardSet& leftover, ArrangementList& out) {
        fillHandsByRule(a, leftover);
        for (int i = 0; i < out.count();) {
            if (dominates(a, out[i])) {
                out.removeAt(i);
            } else {
                ++i;
            }
        }
        for (const Arrangement& e : out)
            if (dominates(e, a)) return;
        for (const Arrangement& e : out)
            if (sameArrangementRank(e, a)) return;
        out.append(a);
    }
};

}  // namespace kov
