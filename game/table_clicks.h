// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Driving and checking the player's table from outside, as a player would: for the tests of the
// engine and of the window, and for the screenshot program.

#include <algorithm>
#include <string>
#include <vector>

#include "cards/card_text.h"
#include "game/game_state.h"

namespace kov {

// An arrangement's cards in table order: front, middle, back, each ascending.
inline std::vector<CardIndex> tableOrder(const Hand& first, const Hand& second, const Hand& third) {
    std::vector<CardIndex> out;
    for (const Hand* hand : {&first, &second, &third})
        for (CardIndex c : cardsOf(hand->cards))
            out.push_back(c);
    return out;
}
inline std::vector<CardIndex> tableOrder(const Arrangement& a) {
    return tableOrder(a.front, a.middle, a.back);
}

// Puts cards[i] into arrangement cell i by two clicks, one on the card in the hand row and one
// on the cell; a cell that already holds its card is left alone. `click(row, column)` clicks a
// cell and does whatever the caller's table does after a click (the window re-sorts the hand
// row).
template <typename Click>
void placeByClicks(const GameState& g, const std::vector<CardIndex>& cards, Click&& click) {
    for (std::size_t cell = 0; cell < cards.size(); ++cell) {
        const int face = toFaceNumber(cards[cell]);
        if (g.TableGrid[ArrangementRow][cell] == face) continue;
        for (int i = 0; i < RowLength; ++i)
            if (g.TableGrid[HandRow][static_cast<std::size_t>(i)] == face) {
                click(HandRow, i);
                click(ArrangementRow, static_cast<int>(cell));
                break;
            }
    }
}

// What is wrong with the table, or "" when it holds exactly the player's 13 dealt cards and the
// two counters match its rows.
inline std::string tableFault(const GameState& g) {
    std::vector<int> cards, dealt;
    int inRow[2] = {0, 0};
    for (int r = 0; r < 2; ++r)
        for (int cell : g.TableGrid[static_cast<std::size_t>(r)])
            if (cell != EmptyCell) {
                cards.push_back(cell);
                ++inRow[r];
            }
    for (CardIndex c : g.Holdings.Rows[0])
        dealt.push_back(toFaceNumber(c));
    std::sort(cards.begin(), cards.end());
    std::sort(dealt.begin(), dealt.end());
    if (cards != dealt) return "the table does not hold the dealt cards";
    if (inRow[ArrangementRow] != g.ArrangedCount) return "ArrangedCount is off";
    if (inRow[HandRow] != g.HandCount) return "HandCount is off";
    return "";
}

}  // namespace kov
