// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/arranging_notes.h"

#include <bit>

#include "cards/card_text.h"
#include "cards/classify.h"
#include "cards/compare.h"
#include "cards/special.h"

namespace kov {
namespace {

// The player's table as card sets: front, middle, back, and the cards not yet placed.
PlayerSetsType tableSets(const GameState& g) {
    GameState copy = g;
    buildPlayerSets(copy);
    return copy.PlayerSets;
}

CardSet allCards(const PlayerSetsType& p) {
    return unite(unite(p.front, p.middle), unite(p.back, p.leftover));
}

// Whether some split of the 13 cards into 3, 5 and 5 holds the three-hand special `category`
// (3 flush or 3 straight), asked of the rules' own check for every such split that could.
bool splitMakes(const CardSet& holding, HandCategory category) {
    const std::vector<CardIndex> cards = cardsOf(holding);
    const int n = static_cast<int>(cards.size());
    if (n != HoldingSize) return false;
    const auto fits3 = category == cat::ThreeFlush ? isFlush3 : isStraight3;
    const auto fits5 = category == cat::ThreeFlush ? isFlush5 : isStraight5;
    Arrangement scratch;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c) {
                CardSet front;
                for (int i : {a, b, c})
                    addCard(front, cards[static_cast<std::size_t>(i)]);
                if (!fits3(front)) continue;
                const std::vector<CardIndex> rest = cardsOf(without(holding, front));
                // Every middle of five from the ten left; the back is the other five.
                for (unsigned pick = 0; pick < (1u << 10); ++pick) {
                    if (std::popcount(pick) != 5) continue;
                    CardSet middle;
                    for (std::size_t i = 0; i < 10; ++i)
                        if (pick & (1u << i)) addCard(middle, rest[i]);
                    if (!fits5(middle)) continue;
                    const CardSet back = without(without(holding, front), middle);
                    if (declareSpecial(scratch, front, middle, back, CardSet{}, category))
                        return true;
                }
            }
    return false;
}

}  // namespace

ArrangingNotes arrangingNotes(const GameState& g) {
    ArrangingNotes notes;
    const PlayerSetsType p = tableSets(g);
    if (cardCount(p.front) == 3) notes.handCategories[0] = classifyFront(p.front);
    if (cardCount(p.middle) == 5) notes.handCategories[1] = classifyFive(p.middle);
    if (cardCount(p.back) == 5) notes.handCategories[2] = classifyFive(p.back);
    if (g.HandCount != 0 || g.ArrangedCount != HoldingSize) return notes;
    // The order the rules ask for: back >= middle >= front.
    const HandCategory f = classifyFront(p.front), m = classifyFive(p.middle),
                       b = classifyFive(p.back);
    notes.frontOverMiddle = m < f || (m == f && lessCoarse(p.middle, p.front, f));
    notes.middleOverBack = b < m || (b == m && lessFive(p.back, p.middle, m));
    return notes;
}

std::vector<HandCategory> specialsMade(const CardSet& holding) {
    std::vector<HandCategory> out;
    Arrangement scratch;
    const CardSet none;
    for (const HandCategory c : SpecialCategories) {
        const bool made = c == cat::ThreeFlush || c == cat::ThreeStraight
                              ? splitMakes(holding, c)
                              : declareSpecial(scratch, none, none, none, holding, c);
        if (made) out.push_back(c);
    }
    return out;
}

const char* claimButtonText(HandCategory special) {
    switch (special) {
        case cat::SixPairs:
            return "6 PAIRS";
        case cat::FivePairsTriple:
            return "5 PAIRS, 1TRIPLE";
        case cat::ThreeStraight:
            return "3 STRAIGHT";
        case cat::ThreeFlush:
            return "3 FLUSH";
        case cat::ThirteenStraight:
            return "13 STRAIGHT";
        case cat::ThirteenStraightFlush:
            return "13 STRAIGHT FLUSH";
        default:
            return "";
    }
}

CommitQuestion commitQuestion(const GameState& g, Commit commit) {
    const PlayerSetsType p = tableSets(g);
    Arrangement scratch;
    CommitQuestion question;
    if (commit.isRegular()) {
        if (evaluateArrangement(scratch, p.front, p.middle, p.back)) return question;
        const ArrangingNotes notes = arrangingNotes(g);
        question.kind = CommitQuestion::Kind::IllegalRegular;
        question.frontOverMiddle = notes.frontOverMiddle;
        question.middleOverBack = notes.middleOverBack;
        return question;
    }
    const HandCategory special = *commit.claim;
    if (declareSpecial(scratch, p.front, p.middle, p.back, p.leftover, special)) return question;
    question.claim = special;
    question.kind = (special == cat::ThreeFlush || special == cat::ThreeStraight) &&
                            splitMakes(allCards(p), special)
                        ? CommitQuestion::Kind::IllegalClaimAsLaidOut
                        : CommitQuestion::Kind::IllegalClaim;
    return question;
}

}  // namespace kov
