// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/category_claim.h"

#include "cards/classify.h"
#include "cards/special.h"

namespace kov {
namespace {

// The hands are checked back first, as the arrangement keeps them: the first fault found is the
// one told.
constexpr Position CheckOrder[] = {Position::Back, Position::Middle, Position::Front};

bool canStandIn(HandCategory c, Position h) {
    if (h == Position::Front) return c == cat::Trash || c == cat::Pair || c == cat::Triple;
    return c <= cat::StraightFlush;
}

HandCategory madeBy(const Hand& hand, Position h) {
    return h == Position::Front ? classifyFront(hand.cards) : classifyFive(hand.cards);
}

// The hand that keeps a three-hand special from being held: the one that is not a flush (or a
// straight) of its length.
Position brokenThreeHandSpecial(const Arrangement& a, HandCategory c) {
    for (Position h : CheckOrder) {
        const CardSet& s = handAt(a, h).cards;
        const bool fits = h == Position::Front
                              ? (c == cat::ThreeFlush ? isFlush3(s) : isStraight3(s))
                              : (c == cat::ThreeFlush ? isFlush5(s) : isStraight5(s));
        if (!fits) return h;
    }
    return Position::Back;
}

// A special or ILLEGAL arrangement whose three category bytes agree.
std::optional<CategoryClaimError> blockClaimError(const Arrangement& a, int seat) {
    const HandCategory c = a.back.category;
    if (c == IllegalMarker) {
        if (seat == 0) return std::nullopt;
        return CategoryClaimError{ClaimFault::IllegalNotPlayer, Position::Back, c, c};
    }
    // The same test as the player's claim: the thirteen cards wherever they lie, or for 3 flush
    // and 3 straight the three hands as split.
    Arrangement scratch;
    const bool split = c == cat::ThreeFlush || c == cat::ThreeStraight;
    const bool held =
        split ? declareSpecial(scratch, a.front.cards, a.middle.cards, a.back.cards, {}, c)
              : declareSpecial(scratch, {}, {}, {},
                               unite(unite(a.back.cards, a.middle.cards), a.front.cards), c);
    if (held) return std::nullopt;
    const Position h = split ? brokenThreeHandSpecial(a, c) : Position::Back;
    return CategoryClaimError{ClaimFault::SpecialNotHeld, h, c, c};
}

// "8 (straight flush)", "23 (ILLEGAL)".
std::string categoryText(HandCategory c) {
    std::string text = std::to_string(index(c));
    if (index(c) < CategoryNames.size())
        return text + " (" + std::string(CategoryNames[index(c)]) + ")";
    if (c == IllegalMarker) return text + " (ILLEGAL)";
    return text;
}

}  // namespace

std::optional<CategoryClaimError> categoryClaimError(const Arrangement& a, int seat) {
    const HandCategory block = a.back.category;
    if (isSpecialCategory(block) || block == IllegalMarker) {
        for (Position h : CheckOrder)
            if (handAt(a, h).category != block)
                return CategoryClaimError{ClaimFault::NotForThisHand, h, handAt(a, h).category,
                                          block};
        return blockClaimError(a, seat);
    }
    for (Position h : CheckOrder) {
        const Hand& hand = handAt(a, h);
        if (!canStandIn(hand.category, h))
            return CategoryClaimError{ClaimFault::NotForThisHand, h, hand.category, block};
        const HandCategory made = madeBy(hand, h);
        if (hand.category > made)
            return CategoryClaimError{ClaimFault::AboveTheCards, h, hand.category, made};
    }
    return std::nullopt;
}

const char* handName(Position hand) {
    return hand == Position::Back ? "back" : hand == Position::Middle ? "middle" : "front";
}

std::string describe(const CategoryClaimError& e) {
    const std::string where = std::string(handName(e.hand)) + ": ";
    switch (e.fault) {
        case ClaimFault::NotForThisHand:
            if (isSpecialCategory(e.made) || e.made == IllegalMarker)
                return where + "category " + categoryText(e.claimed) + " beside a back of " +
                       categoryText(e.made) +
                       " (a special or ILLEGAL arrangement carries its number in all three hands)";
            return where + "category " + categoryText(e.claimed) + " cannot stand in this hand";
        case ClaimFault::AboveTheCards:
            return where + "category " + categoryText(e.claimed) +
                   " is above what its cards make: " + categoryText(e.made);
        case ClaimFault::SpecialNotHeld:
            if (e.claimed == cat::ThreeFlush || e.claimed == cat::ThreeStraight)
                return where + "category " + categoryText(e.claimed) +
                       " is not held: this hand is not a " +
                       (e.claimed == cat::ThreeFlush ? "flush" : "straight");
            return where + "category " + categoryText(e.claimed) +
                   " is not held by the seat's 13 cards";
        case ClaimFault::IllegalNotPlayer:
            return where + "category " + categoryText(e.claimed) + " is the player's only (seat 0)";
    }
    return where + "category " + categoryText(e.claimed);
}

}  // namespace kov
