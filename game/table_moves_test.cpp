// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/table_moves.h"

#include <gtest/gtest.h>

#include <random>

#include "game/game_flow.h"
#include "game/table_clicks.h"

namespace kov {
namespace {

// A table as START GAME leaves it, from a fixed deal.
GameState dealtTable(std::uint32_t seed) {
    GameState g;
    Random rng(seed);
    dealAllSeats(g.Holdings, rng);
    g.HandRowOrder = HandOrder::BySuit;
    g.HandCount = 13;
    loadHandIntoTable(g);
    sortHandRow(g);
    return g;
}

TableMove click(int cell) {
    return {TableMove::Kind::Click, cell};
}

TEST(TableMoves, ClicksFollowTheRuleAndOnlyCardMovesAreKept) {
    GameState g = dealtTable(5);
    TableHistory h;
    const int card = g.TableGrid[HandRow][0];
    EXPECT_TRUE(applyMove(g, h, click(13)));  // lift
    EXPECT_EQ(g.SelectedCell, 13);
    EXPECT_TRUE(h.empty());
    EXPECT_TRUE(applyMove(g, h, click(1)));  // drop into the middle front cell
    EXPECT_EQ(g.TableGrid[ArrangementRow][1], card);
    EXPECT_EQ(g.ArrangedCount, 1);
    EXPECT_EQ(h.size(), 1);
    EXPECT_TRUE(applyMove(g, h, click(1)));  // lift again, put back: no change kept
    EXPECT_TRUE(applyMove(g, h, {TableMove::Kind::PutBack}));
    EXPECT_EQ(g.SelectedCell, -1);
    EXPECT_EQ(h.size(), 1);
    EXPECT_FALSE(applyMove(g, h, click(0)));  // an empty cell with nothing lifted
    EXPECT_FALSE(applyMove(g, h, click(26)));
}

TEST(TableMoves, SendToAndReturnToHand) {
    GameState g = dealtTable(6);
    TableHistory h;
    using K = TableMove::Kind;
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(applyMove(g, h, {K::SendTo, 13, Position::Front}));
    EXPECT_EQ(firstEmptyCell(g, Position::Front), -1);
    EXPECT_FALSE(applyMove(g, h, {K::SendTo, 13, Position::Front}));  // full
    EXPECT_TRUE(applyMove(g, h, {K::SendTo, 13, Position::Back}));
    EXPECT_NE(g.TableGrid[ArrangementRow][8], EmptyCell);
    EXPECT_EQ(g.ArrangedCount, 4);
    // A placed card may be sent on to another hand; a lifted one is dropped there.
    EXPECT_TRUE(applyMove(g, h, {K::SendTo, 0, Position::Middle}));
    EXPECT_EQ(g.TableGrid[ArrangementRow][0], EmptyCell);
    EXPECT_NE(g.TableGrid[ArrangementRow][3], EmptyCell);
    EXPECT_EQ(firstEmptyCell(g, Position::Front), 0);
    const int returning = g.TableGrid[ArrangementRow][3];
    EXPECT_TRUE(applyMove(g, h, {K::ReturnToHand, 3}));
    EXPECT_EQ(g.ArrangedCount, 3);
    EXPECT_EQ(g.HandCount, 10);
    EXPECT_NE(std::find(g.TableGrid[HandRow].begin(), g.TableGrid[HandRow].end(), returning),
              g.TableGrid[HandRow].end());
    EXPECT_FALSE(applyMove(g, h, {K::ReturnToHand, 14}));  // already in the hand row
    EXPECT_FALSE(applyMove(g, h, {K::ReturnToHand, 4}));   // empty
    EXPECT_EQ(tableFault(g), "");
}

// Random moves of every kind keep the table whole, and undoing them all gives back the table as
// dealt, whatever was lifted in between; redoing them all gives back the table as it was.
TEST(TableMoves, UndoingEverythingGivesBackTheDealtTableAndRedoingTheLast) {
    std::mt19937 rng(99);
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        GameState g = dealtTable(seed);
        const GameState dealt = g;
        TableHistory h;
        for (int step = 0; step < 200; ++step) {
            using K = TableMove::Kind;
            const int cell = static_cast<int>(rng() % 26);
            switch (rng() % 6) {
                case 0:
                case 1:
                    applyMove(g, h, click(cell));
                    break;
                case 2:
                    applyMove(g, h, {K::SendTo, cell, AllPositions[rng() % 3]});
                    break;
                case 3:
                    applyMove(g, h, {K::ReturnToHand, cell});
                    break;
                case 4:
                    applyMove(g, h, {rng() % 3 == 0 ? K::Redo : K::Undo});
                    break;
                default:
                    if (rng() % 8 == 0) {
                        std::array<int, 13> faces;
                        for (std::size_t i = 0; i < 13; ++i)
                            faces[i] = toFaceNumber(g.Holdings.Rows[0][i]);
                        placeArrangement(g, h, faces);
                        ASSERT_EQ(g.HandCount, 0);
                    } else {
                        applyMove(g, h, {K::PutBack});
                    }
            }
            ASSERT_EQ(tableFault(g), "") << "seed " << seed << " step " << step;
        }
        applyMove(g, h, {TableMove::Kind::PutBack});
        const GameState played = g;
        const int changes = h.size();
        const std::size_t redoable = h.redoList().size();
        while (applyMove(g, h, {TableMove::Kind::Undo})) {
        }
        EXPECT_EQ(g.TableGrid, dealt.TableGrid);
        EXPECT_EQ(g.HandCount, 13);
        EXPECT_EQ(g.SelectedCell, -1);
        for (int i = 0; i < changes; ++i)
            ASSERT_TRUE(applyMove(g, h, {TableMove::Kind::Redo}));
        EXPECT_EQ(h.redoList().size(), redoable);  // what was left to redo is left
        EXPECT_EQ(g.TableGrid, played.TableGrid);
        EXPECT_EQ(g.ArrangedCount, played.ArrangedCount);
    }
}

TEST(TableMoves, ANewMoveClearsWhatThereWasToRedo) {
    using K = TableMove::Kind;
    GameState g = dealtTable(8);
    TableHistory h;
    applyMove(g, h, {K::SendTo, 13, Position::Front});
    applyMove(g, h, {K::SendTo, 13, Position::Back});
    const TableGridType twoPlaced = g.TableGrid;
    applyMove(g, h, {K::Undo});
    EXPECT_TRUE(h.canRedo());
    applyMove(g, h, click(14));  // a lift alone is no change
    EXPECT_TRUE(h.canRedo());
    EXPECT_TRUE(applyMove(g, h, {K::Redo}));
    EXPECT_EQ(g.TableGrid, twoPlaced);
    applyMove(g, h, {K::Undo});
    applyMove(g, h, {K::SendTo, 13, Position::Middle});
    EXPECT_FALSE(h.canRedo());
    EXPECT_FALSE(applyMove(g, h, {K::Redo}));
    EXPECT_EQ(g.ArrangedCount, 2);
}

}  // namespace
}  // namespace kov
