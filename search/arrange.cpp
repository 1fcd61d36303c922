#include "search/arrange.h"

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

SeatSearch::SeatSearch(int capacity)
    : backCandidates_(capacity), middleCandidates_(capacity), frontScratch_(capacity) {}

void SeatSearch::arrangeSeat(const CardSet& h, ArrangementList& out) {
    out.clear();
    backCandidates_.clear();
    straightsFlag_ = flushesFlag_ = false;
    overflowed_ = false;

    // Thirteen-card straight: a straight flush holding plays nothing else.
    if (const HandCategory straight13 = thirteenStraightOf(h)) {
        Arrangement a = thirteenStraightSplit(h, straight13);
        out.append(a);
        if (straight13 == cat::ThirteenStraightFlush) {
            a.back.category = cat::StraightFlush;
            a.middle.category = cat::StraightFlush;
            a.front.category = cat::Trash;
            out.append(a);
            return;
        }
    }
    // Six pairs, or five pairs and a triple: all 13 cards in every hand.
    if (const HandCategory pairs = pairSpecialOf(h)) {
        Arrangement a;
        a.back.cards = a.middle.cards = a.front.cards = h;
        a.setCategories(pairs);
        out.append(a);
    }

    for (HandCategory k : CategoryOrder) {
        const CardSet m = categoryMaterial(h, k, HandRole::Back);
        if (!isEmpty(m)) generateCandidates(backCandidates_, m, k, HandRole::Back);
    }
    for (int i = 0; i < backCandidates_.count(); ++i)
        searchMiddles(h, backCandidates_[i], out);

    overflowed_ = out.overflowed() || backCandidates_.overflowed() ||
                  middleCandidates_.overflowed() || frontScratch_.overflowed() || overflowed_;
}

// The middles for one back: every category up to the back's, none that outranks the back.
void SeatSearch::buildMiddles(const CardSet& rest, const Hand& back) {
    middleCandidates_.clear();
    bool noMaterial = true;
    for (HandCategory k : CategoryOrder) {
        const CardSet m = categoryMaterial(rest, k, HandRole::Middle);
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
    overflowed_ = overflowed_ || middleCandidates_.overflowed();
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
            front = {takeFirstCandidate(frontScratch_, leftover, cat::Pair), cat::Pair};
        } else {
            if (middle.category == f && lessCoarse(middle.cards, leftover, f)) continue;
            front = {takeFirstCandidate(frontScratch_, leftover, f), f};
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
        fillHands(a, leftover);
        offerArrangement(a, out);
    }
}

void fillHands(Arrangement& a, CardSet leftover) {
    int cursor = 13;
    Hand* order[3] = {&a.front, &a.middle, &a.back};
    const int target[3] = {3, 5, 5};
    for (int h = 0; h < 3; ++h) {
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
}

// Keeps the list free of dominated arrangements: the new one removes every entry it dominates,
// then enters unless an entry dominates it or ranks exactly alike.
void SeatSearch::offerArrangement(const Arrangement& a, ArrangementList& out) {
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

}  // namespace kov
