// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game_state.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cards/card_text.h"
#include "game/table_clicks.h"

namespace kov {
namespace {

GameState dealt(unsigned seed) {
    GameState g;
    Random rng(seed);
    dealAllSeats(g.Holdings, rng);
    g.HandCount = 13;
    g.ArrangedCount = 0;
    loadHandIntoTable(g);
    return g;
}

TEST(Table, LoadAndBuildPlayerSets) {
    GameState g = dealt(3);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(g.TableGrid[ArrangementRow][i], EmptyCell);
        EXPECT_EQ(g.TableGrid[HandRow][i], toFaceNumber(g.Holdings.Rows[0][i]));
    }
    buildPlayerSets(g);
    EXPECT_TRUE(isEmpty(g.PlayerSets.front));
    EXPECT_TRUE(isEmpty(g.PlayerSets.back));
    EXPECT_EQ(g.PlayerSets.leftover, setOf(g.Holdings.Rows[0]));
}

TEST(Table, MovesSwapsAndReturnsKeepTheCounters) {
    GameState g = dealt(4);
    const int first = g.TableGrid[HandRow][0];
    EXPECT_TRUE(clickCell(g, HandRow, 0));
    EXPECT_EQ(g.SelectedCell, 13);
    clickCell(g, ArrangementRow, 1);  // into an empty front cell
    EXPECT_EQ(g.TableGrid[ArrangementRow][1], first);
    EXPECT_EQ(g.ArrangedCount, 1);
    EXPECT_EQ(g.HandCount, 12);
    EXPECT_EQ(g.SelectedCell, -1);
    sortHandRow(g);
    EXPECT_EQ(g.TableGrid[HandRow][12], EmptyCell);  // the gap closes at the next paint
    EXPECT_EQ(tableFault(g), "");

    const int handCard = g.TableGrid[HandRow][5];
    clickCell(g, ArrangementRow, 1);
    clickCell(g, HandRow, 5);  // swap: the counters stay
    EXPECT_EQ(g.TableGrid[ArrangementRow][1], handCard);
    EXPECT_EQ(g.ArrangedCount, 1);
    EXPECT_EQ(tableFault(g), "");

    clickCell(g, ArrangementRow, 1);
    clickCell(g, HandRow, 12);  // back into the empty hand cell
    EXPECT_EQ(g.ArrangedCount, 0);
    EXPECT_EQ(g.HandCount, 13);
    EXPECT_EQ(tableFault(g), "");

    clickCell(g, ArrangementRow, 4);  // an empty cell with nothing selected selects nothing
    EXPECT_EQ(g.SelectedCell, -1);
    clickCell(g, HandRow, 2);
    clickCell(g, HandRow, 2);  // the same card again changes nothing
    EXPECT_EQ(tableFault(g), "");
    EXPECT_FALSE(clickCell(g, 2, 0));
}

TEST(Table, HandRowOrders) {
    GameState g = dealt(9);
    g.HandRowOrder = HandOrder::BySuit;
    sortHandRow(g);
    for (int i = 0; i + 1 < 13; ++i)
        EXPECT_LT(fromFaceNumber(g.TableGrid[HandRow][i]),
                  fromFaceNumber(g.TableGrid[HandRow][i + 1]));
    g.HandRowOrder = HandOrder::ByCardNumber;
    sortHandRow(g);
    for (int i = 0; i + 1 < 13; ++i)
        EXPECT_LT(numberOrderKey(g.TableGrid[HandRow][i]),
                  numberOrderKey(g.TableGrid[HandRow][i + 1]));
}

// A game starts in the settings phase, between deals.
TEST(Phases, AGameStartsInTheSettingsPhase) {
    GameState g;
    EXPECT_EQ(g.SettledPhase, Phase::Settings);
    EXPECT_EQ(g.phase(), Phase::Settings);
}

}  // namespace
}  // namespace kov
