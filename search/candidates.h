// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Candidate hands: for each category, which cards of a holding can take part (the material) and
// every distinct core of that category drawn from it, in a fixed order. Cores carry no kickers;
// the search adds filler cards at the end.

#include <array>
#include <bit>
#include <cstdint>

#include "cards/hand.h"
#include "search/fixed_list.h"

namespace kov {

using CandidateList = FixedList<Hand>;
using ArrangementList = FixedList<Arrangement>;

// The categories a back or middle is built from, strongest first (trash comes last, apart).
inline constexpr HandCategory BackAndMiddleOrder[] = {
    cat::StraightFlush, cat::Quadruple, cat::FullHouse, cat::Flush,
    cat::Straight,      cat::Triple,    cat::TwoPairs,  cat::Pair};

// The hand's position changes only the front's triples (a four of a kind offers one) and the
// middle's trash.

CardSet categoryMaterial(const CardSet& s, HandCategory k, Position position);
// The same with the rank pattern of s computed once by the caller.
CardSet categoryMaterial(const CardSet& s, const RankPattern& pattern, HandCategory k,
                         Position position);
void generateCandidates(CandidateList& list, const CardSet& s, HandCategory k, Position position);
// The same with the rank pattern of s computed once by the caller. For every category but trash
// and the front's triples, s itself gives the list its material gives: those enumerations read
// only the cards the material keeps.
void generateCandidates(CandidateList& list, const CardSet& s, const RankPattern& pattern,
                        HandCategory k, Position position);
// The cards of rank r among packed masks w (packedMasks()): one bit in each suit's lane.
constexpr std::uint64_t packedRank(std::uint64_t w, int r) {
    return w & (EverySuit << r);
}

// Hands `each` the pairs (from the top: aces, kings, ... twos), two pairs (ranks r1 < r2 in rank
// order, the ace first) or triples (in rank order) of s, whose rank pattern is pat; the front's
// triples include three cards of a four of a kind, its hearts, diamonds and clubs.
// generateRankGroups() appends them to a list. Inlined into the search, which asks for these for
// every back.
template <typename Each>
[[gnu::always_inline]] inline void forEachRankGroup(const CardSet& s, const RankPattern& pat,
                                                    HandCategory k, Position position,
                                                    Each&& each) {
    const std::uint64_t w = packedMasks(s);
    switch (k) {
        case cat::Pair:
            if (pat.two & 1u) each(Hand{fromPackedMasks(packedRank(w, 0)), cat::Pair});
            for (unsigned ranks = pat.two & 0x1FFEu; ranks != 0;) {
                const int r = std::bit_width(ranks) - 1;
                ranks &= ~(1u << r);
                each(Hand{fromPackedMasks(packedRank(w, r)), cat::Pair});
            }
            return;
        case cat::TwoPairs:
            for (unsigned first = pat.two; first != 0; first &= first - 1) {
                const std::uint64_t low = packedRank(w, std::countr_zero(first));
                for (unsigned second = first & (first - 1); second != 0; second &= second - 1)
                    each(Hand{fromPackedMasks(low | packedRank(w, std::countr_zero(second))),
                              cat::TwoPairs});
            }
            return;
        default:  // triples
            for (unsigned ranks = pat.three | (position == Position::Front ? pat.four : 0u);
                 ranks != 0; ranks &= ranks - 1) {
                const int r = std::countr_zero(ranks);
                std::uint64_t three = packedRank(w, r);
                // A four of a kind offers its hearts, diamonds and clubs.
                if ((pat.four >> r) & 1) three &= AllButSpades;
                each(Hand{fromPackedMasks(three), cat::Triple});
            }
            return;
    }
}
[[gnu::always_inline]] inline void generateRankGroups(CandidateList& list, const CardSet& s,
                                                      const RankPattern& pat, HandCategory k,
                                                      Position position) {
    forEachRankGroup(s, pat, k, position, [&list](const Hand& h) { list.append(h); });
}

// Every choice of one card per rank of the window t, t+1, ..., (t+4) mod 13 among the cards of
// `window` (other ranks are not read) that is not a straight flush; outermost loop over rank t,
// suits ascending.
void enumerateStraights(CandidateList& list, const CardSet& window, int t);
// Every non-straight five-card subset of suit mask m, in the built mask-list order.
void enumerateFlushes(CandidateList& list, std::uint16_t m, int suit);
// The ranks of a 13-bit rank mask that lie in a run of at least five consecutive ranks over the
// positions A, 2, ..., K, A (runs never wrap past the ace). Positions 0..13, the ace at both ends;
// a run of five or more is the union of the five-long windows inside it: mark every window's
// start, then spread each start over its five positions.
constexpr std::uint16_t fiveRunRanks(std::uint16_t ranks) {
    const unsigned starts = windowStarts(ranks);
    const unsigned covered = starts | starts << 1 | starts << 2 | starts << 3 | starts << 4;
    return static_cast<std::uint16_t>((covered & 0x1FFFu) | ((covered >> 13) & 1u));
}
// What the leftover cards offer the front: 3, 2 (two pairs or more), 1 or 0.
HandCategory frontCategoryOf(const CardSet& leftover);
// The same from the leftover's rank pattern.
HandCategory frontCategoryOf(const RankPattern& pattern);
// The first front candidate of category k in the leftover cards (`scratch` is working storage).
CardSet takeFirstCandidate(CandidateList& scratch, const CardSet& leftover, HandCategory k);
// The same candidate read straight off the rank pattern, without building the list.
CardSet firstFrontCandidate(const CardSet& leftover, HandCategory k);
// The three highest ranks of every 13-bit rank mask (all of them when it holds fewer), by value:
// the ace first, then the king down to the two.
extern const std::array<std::uint16_t, 8192> TopThreeRanks;
// The ranks of the first front candidate of category k (a pair, a triple or trash) in leftover
// cards of rank pattern p: the highest pair (aces, else the highest rank held twice), the first
// triple in rank order (aces, then twos upward), or the three highest ranks. 0 when there is none.
[[gnu::always_inline]] inline std::uint16_t firstFrontRanks(const RankPattern& p, HandCategory k) {
    switch (k) {
        case cat::Pair:
            return static_cast<std::uint16_t>((p.two & 1u) ? 1u : std::bit_floor(unsigned{p.two}));
        case cat::Triple: {
            const unsigned ranks = p.three | p.four;
            return static_cast<std::uint16_t>(ranks & (0u - ranks));
        }
        default:  // trash
            return TopThreeRanks[p.held & 0x1FFFu];
    }
}

// The cards of the first front candidate of category k, whose ranks are `ranks`
// (firstFrontRanks()): all the leftover cards of those ranks, but a triple of a rank held four
// times leaves out its spade.
[[gnu::always_inline]] inline CardSet firstFrontCards(const CardSet& leftover, const RankPattern& p,
                                                      HandCategory k, std::uint16_t ranks) {
    std::uint64_t cards = packedMasks(leftover) & ranks * EverySuit;
    if (k == cat::Triple && (p.four & ranks) != 0) cards &= AllButSpades;
    return fromPackedMasks(cards);
}

// The same with the leftover's rank pattern computed by the caller.
[[gnu::always_inline]] inline CardSet firstFrontCandidate(const CardSet& leftover,
                                                          const RankPattern& p, HandCategory k) {
    if (k == cat::Pair || k == cat::Triple || k == cat::Trash)
        return firstFrontCards(leftover, p, k, firstFrontRanks(p, k));
    CandidateList scratch(4);
    return takeFirstCandidate(scratch, leftover, k);
}

}  // namespace kov
