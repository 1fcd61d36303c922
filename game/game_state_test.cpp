#include "game/game_state.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cards/card_text.h"

namespace kov {
namespace {

TEST(FaceNumbers, RoundTripAndOrderKeys) {
    for (int c = 0; c < 52; ++c)
        EXPECT_EQ(fromFaceNumber(toFaceNumber(static_cast<CardIndex>(c))), c);
    EXPECT_EQ(fromFaceNumber(2), 0);
    EXPECT_EQ(fromFaceNumber(1), 13);
    EXPECT_EQ(fromFaceNumber(0), 26);
    EXPECT_EQ(fromFaceNumber(51), 51);
    // Card-number order: the four aces before the twos, hearts-diamonds-clubs-spades within.
    std::vector<int> faces(52);
    for (int f = 0; f < 52; ++f)
        faces[f] = f;
    std::sort(faces.begin(), faces.end(),
              [](int a, int b) { return numberOrderKey(a) < numberOrderKey(b); });
    EXPECT_EQ(fromFaceNumber(faces[0]), 0);   // ace of hearts
    EXPECT_EQ(fromFaceNumber(faces[1]), 13);  // ace of diamonds
    EXPECT_EQ(fromFaceNumber(faces[3]), 39);  // ace of spades
    EXPECT_EQ(fromFaceNumber(faces[4]), 1);   // two of hearts
}

GameState dealt(unsigned seed) {
    GameState g;
    Random rng(seed);
    dealAllSeats(g.deal, rng);
    g.HandCount = 13;
    g.ArrangedCount = 0;
    loadHandIntoTable(g);
    return g;
}

void expectInvariants(const GameState& g) {
    std::vector<int> cards;
    int row0 = 0, row1 = 0;
    for (int r = 0; r < 2; ++r)
        for (int cell : g.TableGrid[r])
            if (cell != EmptyCell) {
                cards.push_back(cell);
                (r == 0 ? row0 : row1)++;
            }
    std::vector<int> expected;
    for (CardIndex c : g.deal.Rows[0])
        expected.push_back(toFaceNumber(c));
    std::sort(cards.begin(), cards.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(cards, expected);
    EXPECT_EQ(row0, g.ArrangedCount);
    EXPECT_EQ(row1, g.HandCount);
}

TEST(Table, LoadAndBuildPlayerSets) {
    GameState g = dealt(3);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(g.TableGrid[ArrangementRow][i], EmptyCell);
        EXPECT_EQ(g.TableGrid[HandRow][i], toFaceNumber(g.deal.Rows[0][i]));
    }
    buildPlayerSets(g);
    EXPECT_TRUE(isEmpty(g.PlayerSets.front));
    EXPECT_TRUE(isEmpty(g.PlayerSets.back));
    EXPECT_EQ(g.PlayerSets.leftover, setOf(g.deal.Rows[0]));
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
    expectInvariants(g);

    const int handCard = g.TableGrid[HandRow][5];
    clickCell(g, ArrangementRow, 1);
    clickCell(g, HandRow, 5);  // swap: the counters stay
    EXPECT_EQ(g.TableGrid[ArrangementRow][1], handCard);
    EXPECT_EQ(g.ArrangedCount, 1);
    expectInvariants(g);

    clickCell(g, ArrangementRow, 1);
    clickCell(g, HandRow, 12);  // back into the empty hand cell
    EXPECT_EQ(g.ArrangedCount, 0);
    EXPECT_EQ(g.HandCount, 13);
    expectInvariants(g);

    clickCell(g, ArrangementRow, 4);  // an empty cell with nothing selected selects nothing
    EXPECT_EQ(g.SelectedCell, -1);
    clickCell(g, HandRow, 2);
    clickCell(g, HandRow, 2);  // the same card again changes nothing
    expectInvariants(g);
    EXPECT_FALSE(clickCell(g, 2, 0));
}

TEST(Table, HandRowOrders) {
    GameState g = dealt(9);
    g.HandOrder = 1;
    sortHandRow(g);
    for (int i = 0; i + 1 < 13; ++i)
        EXPECT_LT(fromFaceNumber(g.TableGrid[HandRow][i]),
                  fromFaceNumber(g.TableGrid[HandRow][i + 1]));
    g.HandOrder = 0;
    sortHandRow(g);
    for (int i = 0; i + 1 < 13; ++i)
        EXPECT_LT(numberOrderKey(g.TableGrid[HandRow][i]),
                  numberOrderKey(g.TableGrid[HandRow][i + 1]));
}

TEST(Phases, OneFlagAtATime) {
    GameState g;
    EXPECT_EQ(g.SettingsShown, -1);
    enterFirstPhase(g, true);
    EXPECT_EQ(g.SettingsShown + g.TableShown + g.ResultsShown, 1);
    enterTablePhase(g);
    EXPECT_EQ(g.TableShown, 1);
    EXPECT_EQ(g.SettingsShown, 0);
    enterResultsPhase(g);
    EXPECT_EQ(g.ResultsShown, 1);
    EXPECT_EQ(g.TableShown, 0);
    enterSettingsPhase(g);
    EXPECT_EQ(g.SettingsShown, 1);
    EXPECT_EQ(g.ResultsShown, 0);
    GameState noDialog;
    enterFirstPhase(noDialog, false);
    EXPECT_EQ(noDialog.SettingsShown, -1);
}

}  // namespace
}  // namespace kov
