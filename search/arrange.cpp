#include "search/arrange.h"

#include <algorithm>

#include "cards/classify.h"
#include "cards/compare.h"
#include "cards/special.h"

namespace kov {
namespace {

constexpr HandCategory CategoryOrder[] = {8, 7, 6, 5, 4, 3, 2, 1};  // back and middle

// All thirteen ranks held once: 15 when one suit holds them all, else 14; 0 otherwise.
HandCategory thirteenStraightOf(const CardSet& h) {
    for (int v = 13; v >= 1; --v)
        if (rankCount(h, v) != 1) return 0;
    int emptySuits = 0;
    for (std::uint16_t m : h.mask)
        emptySuits += bitCount16(m) == 0;
    return emptySuits == 3 ? cat::ThirteenStraightFlush : cat::ThirteenStraight;
}

// Front queen-king-ace, back seven to jack, middle two to six.
Arrangement thirteenStraightSplit(const CardSet& h, HandCategory category) {
    Arrangement a;
    for (int v = 13; v >= 1; --v) {
        CardSet rank;
        allOfRank(rank, v);
        intersectionOf(rank, rank, h);
        Hand& target = v >= 11 ? a.front : v >= 6 ? a.back : a.middle;
        unionOf(target.cards, target.cards, rank);
    }
    a.setCategories(category);
    return a;
}

}  // namespace

HandCategory pairSpecialOf(const CardSet& holding) {
    const int pairs = pairCount(holding);
    if (pairs == 6) return cat::SixPairs;
    if (pairs == 5 && tripleCount(holding) == 1) return cat::FivePairsTriple;
    return 0;
}

SeatSearch::SeatSearch(int capacity, bool reference)
    : backCandidates_(capacity),
      middleCandidates_(capacity),
      frontScratch_(capacity),
      keys_(static_cast<std::size_t>(capacity)),
      reference_(reference) {}

void SeatSearch::append(const Arrangement& a, ArrangementList& out) {
    if (out.count() < static_cast<int>(keys_.size()))
        keys_[static_cast<std::size_t>(out.count())] = arrangementKey(a);
    out.append(a);
}

void SeatSearch::arrangeSeat(const CardSet& h, ArrangementList& out) {
    out.clear();
    backCandidates_.clear();
    straightsFlag_ = flushesFlag_ = false;
    overflowed_ = false;
    peaks_ = {};

    // Thirteen-card straight: a straight flush holding plays nothing else.
    if (const HandCategory straight13 = thirteenStraightOf(h)) {
        Arrangement a = thirteenStraightSplit(h, straight13);
        append(a, out);
        if (straight13 == cat::ThirteenStraightFlush) {
            a.back.category = cat::StraightFlush;
            a.middle.category = cat::StraightFlush;
            a.front.category = cat::Trash;
            append(a, out);
            return;
        }
    }
    // Six pairs, or five pairs and a triple: all 13 cards in every hand.
    if (const HandCategory pairs = pairSpecialOf(h)) {
        Arrangement a;
        a.back.cards = a.middle.cards = a.front.cards = h;
        a.setCategories(pairs);
        append(a, out);
    }

    const RankPattern pattern = rankPattern(h);
    for (HandCategory k : CategoryOrder) {
        const CardSet m = categoryMaterial(h, pattern, k, HandRole::Back);
        if (!isEmpty(m)) generateCandidates(backCandidates_, m, k, HandRole::Back);
    }
    peaks_.back = backCandidates_.count();
    for (int i = 0; i < backCandidates_.count(); ++i) {
        searchMiddles(h, backCandidates_[i], out);
        peaks_.arrangements = std::max(peaks_.arrangements, out.count());
    }

    overflowed_ = out.overflowed() || backCandidates_.overflowed() ||
                  middleCandidates_.overflowed() || frontScratch_.overflowed() || overflowed_;
}

// The middles for one back: every category up to the back's, none that outranks the back.
void SeatSearch::buildMiddles(const CardSet& rest, const Hand& back) {
    middleCandidates_.clear();
    const RankPattern pattern = rankPattern(rest);
    // Whether the rest offers any category at all: a pair, triple or four of a kind (two pairs,
    // full houses within), a run of five ranks, or five cards of a suit (straight flushes within).
    // The straightforward search finds out by building every material.
    bool noMaterial = true;
    if (!reference_) {
        bool longSuit = false;
        for (std::uint16_t m : rest.mask)
            longSuit = longSuit || bitCount16(m) >= 5;
        noMaterial = (pattern.two | pattern.three | pattern.four) == 0 &&
                     fiveRunRanks(pattern.held) == 0 && !longSuit;
    }
    for (HandCategory k : CategoryOrder) {
        if (!reference_ && k > back.category) continue;
        const CardSet m = categoryMaterial(rest, pattern, k, HandRole::Middle);
        if (isEmpty(m)) continue;
        noMaterial = false;
        if (k > back.category) continue;
        const int first = middleCandidates_.count();
        generateCandidates(middleCandidates_, m, k, HandRole::Middle);
        if (k == back.category) {
            for (int i = first; i < middleCandidates_.count();) {
                if (lessFive(back.cards, middleCandidates_[i].cards, k)) {
                    middleCandidates_.removeAt(i);
                } else {
                    ++i;
                }
            }
        }
        // A lone pair of aces also gets a trash middle holding one of the aces.
        if (k == cat::Pair && middleCandidates_.count() - first == 1 &&
            rankCount(middleCandidates_[first].cards, 0) == 2)
            generateCandidates(middleCandidates_, rest, cat::Trash, HandRole::Middle);
    }
    if (noMaterial) generateCandidates(middleCandidates_, rest, cat::Trash, HandRole::Middle);
    peaks_.middle = std::max(peaks_.middle, middleCandidates_.count());
    overflowed_ = overflowed_ || middleCandidates_.overflowed();
}

CardSet SeatSearch::firstFront(const CardSet& leftover, HandCategory k) {
    return reference_ ? takeFirstCandidate(frontScratch_, leftover, k)
                      : firstFrontCandidate(leftover, k);
}

void SeatSearch::searchMiddles(const CardSet& h, const Hand& back, ArrangementList& out) {
    const CardSet rest = without(h, back.cards);
    buildMiddles(rest, back);
    for (int i = 0; i < middleCandidates_.count(); ++i) {
        const Hand& middle = middleCandidates_[i];
        CardSet leftover = without(rest, middle.cards);

        // The front: what the leftovers offer, never above the middle.
        const HandCategory f = frontCategoryOf(leftover);
        if (f > middle.category) continue;
        Hand front;
        if (f == cat::TwoPairs) {
            if (middle.category < cat::TwoPairs) continue;
            front = {firstFront(leftover, cat::Pair), cat::Pair};
        } else {
            if (middle.category == f && lessCoarse(middle.cards, leftover, f)) continue;
            front = {firstFront(leftover, f), f};
        }
        minus(leftover, front.cards);

        Arrangement a{back, middle, front};
        // Whole-holding specials from two straights or two flushes and a fitting front; only
        // the first of each kind enters, later ones are dropped altogether.
        if (back.category == cat::Straight && middle.category == cat::Straight &&
            isStraight3(front.cards)) {
            a.setCategories(cat::ThreeStraight);
            if (straightsFlag_) continue;
            straightsFlag_ = true;
        } else if (back.category == cat::Flush && middle.category == cat::Flush &&
                   isFlush3(front.cards)) {
            a.setCategories(cat::ThreeFlush);
            if (flushesFlag_) continue;
            flushesFlag_ = true;
        }
        if (reference_)
            fillHandsByRule(a, leftover);
        else
            fillHands(a, leftover);
        offerArrangement(a, out);
    }
}

// The cursor only moves down and takes the lowest suit first, so the cards go out in one
// sequence: rank values from the ace down, suits upward within a rank. The front takes the first
// ones it lacks, then the middle, then the back.
void fillHands(Arrangement& a, CardSet leftover) {
    Hand* order[3] = {&a.front, &a.middle, &a.back};
    const int target[3] = {3, 5, 5};
    int h = 0, need = target[0] - cardCount(a.front.cards);
    const std::uint16_t held = valueMask(static_cast<std::uint16_t>(
        leftover.mask[0] | leftover.mask[1] | leftover.mask[2] | leftover.mask[3]));
    for (int v = topValue(held); v != 0; v = topValueBelow(held, v)) {
        const int rank = v % 13;
        for (int suit = 0; suit < SuitCount; ++suit) {
            if (!((leftover.mask[suit] >> rank) & 1)) continue;
            while (need <= 0) {
                if (++h == 3) return;
                need = target[h] - cardCount(order[h]->cards);
            }
            order[h]->cards.mask[suit] =
                static_cast<std::uint16_t>(order[h]->cards.mask[suit] | (1u << rank));
            --need;
        }
    }
}

// The same, step by step as the rule states it: a cursor from the ace down, taking the lowest
// suit of its rank, filling the front, then the middle, then the back.
void fillHandsByRule(Arrangement& a, CardSet leftover) {
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

// Keeps the list free of dominated arrangements: the new one removes every entry it dominates,
// then enters unless an entry dominates it or ranks exactly alike.
void SeatSearch::offerArrangement(const Arrangement& a, ArrangementList& out) {
    if (reference_) {
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
        return;
    }
    const ArrangementKey ka = arrangementKey(a);
    for (int i = 0; i < out.count();) {
        const auto slot = static_cast<std::size_t>(i);
        if (dominatesKeyed(a, ka, out[i], keys_[slot])) {
            out.removeAt(i);
            keys_[slot] = keys_[static_cast<std::size_t>(out.count())];
        } else {
            ++i;
        }
    }
    // Dominated by an entry, or ranking exactly like one: dropped either way.
    for (int i = 0; i < out.count(); ++i) {
        const ArrangementKey& k = keys_[static_cast<std::size_t>(i)];
        if (dominatesKeyed(out[i], k, a, ka) || sameRankKeyed(out[i], k, a, ka)) return;
    }
    if (out.count() < static_cast<int>(keys_.size()))
        keys_[static_cast<std::size_t>(out.count())] = ka;
    out.append(a);
}

}  // namespace kov
