// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settle/result_rows.h"

#include "cards/special.h"

namespace kov {
namespace {

// Appends every card of rank r (hearts, diamonds, clubs, spades) that `pending` still holds.
void appendRank(CardSet& pending, int r, std::vector<CardFaceNumber>& out) {
    for (int s = 0; s < SuitCount; ++s) {
        const CardIndex c = makeCard(s, r % RankCount);
        if (hasCard(pending, c)) {
            out.push_back(toFaceNumber(c));
            pending.mask[s] =
                static_cast<std::uint16_t>(pending.mask[s] & ~(1u << (r % RankCount)));
        }
    }
}

// Ranks of `pending` held exactly `count` times (0 = any count), from the top.
void appendFromTop(CardSet& pending, int count, std::vector<CardFaceNumber>& out) {
    for (int v = 13; v >= 1; --v) {
        const int held = rankCount(pending, v);
        if (held != 0 && (count == 0 || held == count)) appendRank(pending, v, out);
    }
}

// The cards that make the category first (its pairs, its triple or its four), each group from
// the top, then the cards beside them. A computer hand keeps its candidate's category even when
// its filler cards make more of it (a triple whose fillers pair up): whatever the category's
// order left out follows, so the row always shows every card of the hand.
void appendGroups(CardSet& pending, HandCategory category, std::vector<CardFaceNumber>& out) {
    const int lead = category == cat::Quadruple                              ? 4
                     : category == cat::Triple || category == cat::FullHouse ? 3
                                                                             : 2;
    appendFromTop(pending, lead, out);
    appendFromTop(pending, category == cat::FullHouse ? 2 : 1, out);
    appendFromTop(pending, 0, out);
}

// Ascending: ace first when the hand holds exactly one ace and exactly one two, else ace last.
void appendAscending(CardSet& pending, std::vector<CardFaceNumber>& out) {
    const bool aceLow = rankCount(pending, 0) == 1 && rankCount(pending, 1) == 1;
    if (aceLow) appendRank(pending, 0, out);
    for (int r = 1; r < RankCount; ++r)
        appendRank(pending, r, out);
    appendRank(pending, 0, out);
}

void appendBlockSlice(const CardSet& all, int slice, std::vector<CardFaceNumber>& out) {
    std::vector<CardFaceNumber> ordered;
    CardSet pending = all;
    for (int r = 0; r < RankCount; ++r)
        appendRank(pending, r, ordered);
    static constexpr int First[] = {0, 3, 8}, Last[] = {3, 8, 13};
    for (int k = First[slice]; k < Last[slice] && k < static_cast<int>(ordered.size()); ++k)
        out.push_back(ordered[k]);
}

}  // namespace

std::int32_t seatHandTotal(const Settlement& settlement, Position position, int seat) {
    const ResultMatrix& r = settlement.matrix(position);
    if (seat != 0) return -r[seat][0];
    std::int32_t sum = 0;
    for (int j = 1; j < settlement.SeatsInPlay; ++j)
        sum += r[0][j];
    return sum;
}

void displayOrder(const CardSet& hand, HandCategory category, std::vector<CardFaceNumber>& out,
                  int& slice) {
    CardSet pending = hand;
    switch (category) {
        case cat::Trash:
        case cat::Flush:
        case cat::ThreeFlush:
            appendFromTop(pending, 0, out);
            return;
        case cat::Pair:
        case cat::TwoPairs:
        case cat::Triple:
        case cat::FullHouse:
        case cat::Quadruple:
            appendGroups(pending, category, out);
            return;
        case cat::Straight:
        case cat::StraightFlush:
        case cat::ThreeStraight:
        case IllegalMarker:
            appendAscending(pending, out);
            return;
        case cat::SixPairs:
        case cat::FivePairsTriple:
        case cat::ThirteenStraight:
        case cat::ThirteenStraightFlush:
            appendBlockSlice(hand, slice, out);
            slice = (slice + 1) % 3;
            return;
        default:
            return;
    }
}

ResultRows resultRow(const Settlement& settlement, const Arrangement& seatArrangement, int seat,
                     ScoringOption option) {
    ResultRows rows;
    const HandCategory category = seatArrangement.front.category;
    const Hand* hands[3] = {&seatArrangement.front, &seatArrangement.middle, &seatArrangement.back};
    const CardSet all = unite(unite(hands[0]->cards, hands[1]->cards), hands[2]->cards);
    // A failed claim of a block special keeps all 13 cards in every hand: show it as a block.
    const bool illegalBlock = category == IllegalMarker && cardCount(hands[0]->cards) > 3;

    std::vector<CardFaceNumber> cards;
    int slice = 0;
    if (isDeclaredOutright(category) || illegalBlock) {
        const auto blockCategory = illegalBlock ? cat::SixPairs : category;
        for (int k = 0; k < 3; ++k)
            displayOrder(all, blockCategory, cards, slice);
        const std::string name =
            illegalBlock ? "ILLEGAL" : std::string(CategoryNames[index(category)]);
        rows.names = {name, name, name};
        rows.categories.fill(illegalBlock ? IllegalMarker : category);
    } else {
        for (int k = 0; k < 3; ++k) {
            const HandCategory c = hands[k]->category;
            displayOrder(hands[k]->cards, c, cards, slice);
            rows.categories[static_cast<std::size_t>(k)] = c;
            rows.names[k] = c == IllegalMarker                ? "ILLEGAL"
                            : index(c) < CategoryNames.size() ? std::string(CategoryNames[index(c)])
                                                              : std::string();
        }
    }
    for (std::size_t k = 0; k < rows.cards.size(); ++k)
        rows.cards[k] = k < cards.size() ? cards[k] : -1;

    const bool onePoint = option == ScoringOption::Set || isDeclaredOutright(category);
    rows.pointsShown = onePoint ? 1 : 3;
    for (int k = 0; k < rows.pointsShown; ++k)
        rows.points[k] = seatHandTotal(settlement, AllPositions[k], seat);
    return rows;
}

}  // namespace kov
