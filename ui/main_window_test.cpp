// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the real widgets of the game under the offscreen platform.

#include "ui/main_window.h"

#include "ui/table_view.h"
#include "ui/ui_test_support.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "cards/card_text.h"
#include "cards/compare.h"
#include "game/arranging_notes.h"
#include "game/suggestion.h"
#include "game/table_clicks.h"
#include "settle/result_rows.h"
#include "ui/translations.h"

namespace kov::ui {
namespace {

struct Game {
    MainWindow window{testCardLibrary(), 2};
    std::vector<QString> messages;
    std::vector<QString> questions;
    bool answer = true;  // Yes to every question, as the rules commit without asking
    Game() {
        window.showMessage = [this](const QString& text) { messages.push_back(text); };
        window.askQuestion = [this](const QString& text) {
            questions.push_back(text);
            return answer;
        };
        window.setInputGuard(0);
        window.random().seedRandom(1234);
        window.show();
    }
    GameState& g() { return window.state(); }
    void clickCell(int row, int column) { clickTableCell(window, row, column); }
    void buyAndStart() {
        press(window.settingsDialog(), SettingsControl::OneOpponent);
        while (!window.settingsDialog()->control(SettingsControl::StartGame)->isVisible())
            press(window.settingsDialog(), SettingsControl::AddTwentyPoints);
        press(window.settingsDialog(), SettingsControl::StartGame);
    }
    // Places the given cards into the arrangement row by clicks, in table order.
    void placeByClicks(const std::vector<CardIndex>& cards) {
        kov::placeByClicks(g(), cards, [this](int row, int column) { clickCell(row, column); });
    }
};

// The full hand row ascends by the given order key.
void expectHandRowSorted(const GameState& g, int (*key)(int)) {
    for (int i = 0; i + 1 < 13; ++i)
        EXPECT_LT(key(g.TableGrid[HandRow][static_cast<std::size_t>(i)]),
                  key(g.TableGrid[HandRow][static_cast<std::size_t>(i + 1)]));
}

int shownPhases(Game& game) {
    return game.window.settingsDialog()->isVisible() +
           game.window.arrangementDialog()->isVisible() + game.window.resultsDialog()->isVisible();
}

TEST(MainWindowUi, StartUpState) {
    Game game;
    EXPECT_EQ(game.window.windowTitle().toStdString(), WindowTitle);
    EXPECT_EQ(game.window.size(), QSize(800, 600));
    EXPECT_EQ(game.g().HandRowOrder, HandOrder::BySuit);
    EXPECT_EQ(shownPhases(game), 1);
    EXPECT_TRUE(game.window.settingsDialog()->isVisible());
    EXPECT_EQ(game.window.settingsDialog()->controlText(SettingsControl::PointsNeeded),
              "need 18 more points");
    EXPECT_FALSE(game.window.settingsDialog()->control(SettingsControl::StartGame)->isVisible());
    EXPECT_EQ(game.window.settingsDialog()->controlText(SettingsControl::OpponentsLabel),
              "PLAY WITH 1 OPPONENT");
    EXPECT_EQ(game.window.settingsDialog()->geometry(), QRect(0, 0, 809, 567));
    EXPECT_EQ(game.window.settingsDialog()->control(SettingsControl::StartGame)->geometry(),
              dialogUnitsToPixels(153, 170, 151, 33));
}

TEST(MainWindowUi, SettingsButtonsAndPointsNeeded) {
    Game game;
    SettingsPanel* s = game.window.settingsDialog();
    press(s, SettingsControl::ThreeOpponents);
    press(s, SettingsControl::TwoUnits);
    EXPECT_EQ(s->controlText(SettingsControl::OpponentsLabel), "PLAY 3 OPPONENTS");
    EXPECT_EQ(s->controlText(SettingsControl::UnitsLabel), "PLAY 2 UNITS");
    for (int i = 0; i < 5; ++i)
        press(s, SettingsControl::AddTwentyPoints);
    press(s, SettingsControl::AddFivePoints);
    press(s, SettingsControl::AddTenPoints);
    press(s, SettingsControl::AddOnePoint);
    press(s, SettingsControl::AddOnePoint);
    EXPECT_EQ(game.g().PlayerPoints, 117);
    EXPECT_EQ(s->controlText(SettingsControl::Points), "points 117");
    EXPECT_EQ(game.window.arrangementDialog()->controlText(ArrangementControl::Points),
              "points 117");
    EXPECT_EQ(s->controlText(SettingsControl::PointsNeeded), "");
    EXPECT_TRUE(s->control(SettingsControl::StartGame)->isVisible());
    game.g().PlayerPoints = 107;
    game.window.updateStartButton();
    EXPECT_EQ(s->controlText(SettingsControl::PointsNeeded), "need 1 more point");
    EXPECT_FALSE(s->control(SettingsControl::StartGame)->isVisible());
    press(s, SettingsControl::SetOption);  // the set option needs 6
    EXPECT_EQ(s->controlText(SettingsControl::OptionLabel), "PLAY SET OPTION");
    EXPECT_TRUE(s->control(SettingsControl::StartGame)->isVisible());
    press(s, SettingsControl::ChiOption);
    EXPECT_FALSE(s->control(SettingsControl::StartGame)->isVisible());
}

TEST(MainWindowUi, ComputerLevelButtons) {
    Game game;
    SettingsPanel* s = game.window.settingsDialog();
    EXPECT_EQ(game.window.strength(), Strength::Normal);
    EXPECT_EQ(s->controlText(SettingsControl::StrengthLabel), "COMPUTER PLAYS NORMAL");
    press(s, SettingsControl::HardStrength);
    EXPECT_EQ(game.window.strength(), Strength::Hard);
    EXPECT_EQ(s->controlText(SettingsControl::StrengthLabel), "COMPUTER PLAYS HARD");
    press(s, SettingsControl::EasyStrength);
    EXPECT_EQ(game.window.strength(), Strength::Easy);
    EXPECT_EQ(s->controlText(SettingsControl::StrengthLabel), "COMPUTER PLAYS EASY");
    press(s, SettingsControl::NormalStrength);
    EXPECT_EQ(game.window.strength(), Strength::Normal);
    EXPECT_EQ(s->controlText(SettingsControl::StrengthLabel), "COMPUTER PLAYS NORMAL");
}

// At normal the computer's seats play what the deal driver chose, and the game's generator ends
// where the rules leave it; at another level the seats choose with a generator of their own, so
// the game's generator, and every later deal, is the same as at normal.
TEST(MainWindowUi, TheComputersLevelLeavesTheGamesGeneratorAlone) {
    Game normal;
    GameState rules = normal.g();
    Random rulesRng = normal.window.random();
    normal.buyAndStart();
    rules.OpponentCount = 1;
    rules.PlayerPoints = normal.g().PlayerPoints;
    Evaluator evaluator(ListCapacity, 2);
    kov::startGame(rules, rulesRng, evaluator);
    EXPECT_EQ(normal.g().Holdings, rules.Holdings);
    EXPECT_EQ(normal.g().Arrangements, rules.Arrangements);
    EXPECT_EQ(normal.window.random().state(), rulesRng.state());

    for (SettingsControl level : {SettingsControl::EasyStrength, SettingsControl::HardStrength}) {
        Game other;
        press(other.window.settingsDialog(), level);
        other.buyAndStart();
        EXPECT_EQ(other.g().Holdings, rules.Holdings);
        EXPECT_EQ(other.window.random().state(), rulesRng.state());
        // The seat still plays its own 13 cards.
        const auto cardsOf = [](const Arrangement& a) {
            return unite(unite(a.back.cards, a.middle.cards), a.front.cards);
        };
        EXPECT_EQ(cardsOf(other.g().Arrangements[1]), cardsOf(rules.Arrangements[1]));
    }
}

TEST(MainWindowUi, WholeGameCycleByClicks) {
    Game game;
    game.buyAndStart();
    EXPECT_EQ(game.g().PlayerPoints, 20);
    EXPECT_TRUE(game.window.arrangementDialog()->isVisible());
    EXPECT_FALSE(game.window.settingsDialog()->isVisible());
    EXPECT_EQ(game.g().HandCount, 13);
    press(game.window.arrangementDialog(), ArrangementControl::Regular);  // nothing placed yet
    ASSERT_EQ(game.messages.size(), 1u);
    EXPECT_EQ(game.messages[0], "please arrange cards");
    EXPECT_TRUE(game.window.arrangementDialog()->isVisible());

    if (game.g().Arrangements[0].back.category > cat::StraightFlush)
        GTEST_SKIP() << "special holding";
    game.placeByClicks(tableOrder(game.g().Arrangements[0]));
    EXPECT_EQ(game.g().HandCount, 0);
    EXPECT_EQ(game.g().ArrangedCount, 13);
    press(game.window.arrangementDialog(), ArrangementControl::Regular);
    EXPECT_TRUE(game.window.resultsDialog()->isVisible());
    EXPECT_EQ(shownPhases(game), 1);
    EXPECT_NE(game.g().Arrangements[0].back.category, IllegalMarker);
    const int gain = game.window.resultsView().gain;
    EXPECT_EQ(game.window.resultsDialog()->controlText(ResultsControl::Balance),
              QString("points 20 %1 = %2")
                  .arg(gain >= 0 ? QString("+%1").arg(gain) : QString::number(gain))
                  .arg(20 + gain));
    press(game.window.resultsDialog(), ResultsControl::Ok);
    EXPECT_EQ(game.g().PlayerPoints, 20 + gain);
    EXPECT_TRUE(game.window.settingsDialog()->isVisible());
    EXPECT_EQ(game.window.resultsDialog()->controlText(ResultsControl::Balance),
              QString("points %1").arg(20 + gain));
}

TEST(MainWindowUi, MovesSwapsReturnsAndMisses) {
    Game game;
    game.buyAndStart();
    GameState& g = game.g();
    game.clickCell(HandRow, 0);
    EXPECT_EQ(g.SelectedCell, 13);
    const int card = g.TableGrid[HandRow][0];
    game.clickCell(ArrangementRow, 0);
    EXPECT_EQ(g.TableGrid[ArrangementRow][0], card);
    EXPECT_EQ(g.ArrangedCount, 1);
    EXPECT_EQ(g.HandCount, 12);
    EXPECT_EQ(g.TableGrid[HandRow][12], EmptyCell);  // the hand row closed the gap
    // A click between two cells, or on the dialog side, does nothing.
    QTest::mouseClick(&game.window, Qt::LeftButton, {}, QPoint(383, 50));
    QTest::mouseClick(&game.window, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(g.SelectedCell, -1);
    // Swap a placed card with a hand card: the counters stay.
    game.clickCell(ArrangementRow, 0);
    game.clickCell(HandRow, 3);
    EXPECT_EQ(g.ArrangedCount, 1);
    EXPECT_NE(g.TableGrid[ArrangementRow][0], card);
    // Return it to an empty hand cell.
    game.clickCell(ArrangementRow, 0);
    game.clickCell(HandRow, 12);
    EXPECT_EQ(g.HandCount, 13);
    expectHandRowSorted(g, fromFaceNumber);
}

TEST(MainWindowUi, HandOrders) {
    Game game;
    game.buyAndStart();
    GameState& g = game.g();
    game.clickCell(HandRow, 4);
    press(game.window.arrangementDialog(),
          ArrangementControl::OrderBySuit);  // already by suit: nothing happens
    EXPECT_EQ(g.SelectedCell, 17);
    press(game.window.arrangementDialog(), ArrangementControl::OrderByCardNumber);
    EXPECT_EQ(g.SelectedCell, -1);
    EXPECT_EQ(g.HandRowOrder, HandOrder::ByCardNumber);
    expectHandRowSorted(g, numberOrderKey);
}

TEST(MainWindowUi, MessageBoxesForUnplacedCards) {
    Game game;
    game.buyAndStart();
    press(game.window.arrangementDialog(), ArrangementControl::ThreeStraight);
    press(game.window.arrangementDialog(), ArrangementControl::ThreeFlush);
    ASSERT_EQ(game.messages.size(), 2u);
    EXPECT_EQ(game.messages[0], "please arrange cards for \"sanh\"");
    EXPECT_EQ(game.messages[1], "please arrange cards for \"thung\"");
    EXPECT_TRUE(game.window.arrangementDialog()->isVisible());
    // "6 PAIRS" commits whatever is still in the hand row.
    press(game.window.arrangementDialog(), ArrangementControl::SixPairs);
    EXPECT_TRUE(game.window.resultsDialog()->isVisible());
}

// A regular commit stores exactly what the rules make of the placed hands.
TEST(MainWindowUi, RegularCommitStoresTheRulesVerdict) {
    Game game;
    game.buyAndStart();
    for (int i = 0; i < 13; ++i) {  // the hand row as sorted, into front, middle and back
        game.clickCell(HandRow, 0);
        game.clickCell(ArrangementRow, i);
    }
    ASSERT_EQ(game.g().HandCount, 0);
    buildPlayerSets(game.g());
    const PlayerSetsType sets = game.g().PlayerSets;
    Arrangement expected;
    evaluateArrangement(expected, sets.front, sets.middle, sets.back);
    press(game.window.arrangementDialog(), ArrangementControl::Regular);
    EXPECT_EQ(game.g().Arrangements[0], expected);
}

// The computer's own arrangement with back and middle exchanged is out of order: ILLEGAL.
TEST(MainWindowUi, OutOfOrderArrangementIsIllegal) {
    for (std::uint32_t seed = 1; seed < 30; ++seed) {
        Game game;
        game.window.random().seedRandom(seed);
        game.buyAndStart();
        const Arrangement computer = game.g().Arrangements[0];
        if (computer.back.category > cat::StraightFlush ||
            computer.back.category <= computer.middle.category)
            continue;
        game.placeByClicks(tableOrder(computer.front, computer.back, computer.middle));
        press(game.window.arrangementDialog(), ArrangementControl::Regular);
        EXPECT_EQ(game.g().Arrangements[0].back.category, IllegalMarker);
        bool shown = false;
        for (const PlacedText& t : game.window.placedResults().texts)
            shown = shown || (t.y == 350 && t.text.startsWith("ILLEGAL"));
        EXPECT_TRUE(shown);
        return;
    }
    FAIL() << "no seed gave a back stronger than its middle";
}

TEST(MainWindowUi, RenderedTablePixels) {
    Game game;
    game.buyAndStart();
    QApplication::processEvents();
    const QRect hand0 = cardRect(HandRow, 0);
    const QRect front0 = cardRect(ArrangementRow, 0);
    // A card face is white inside; an empty cell shows a slot darker than the table.
    const QImage before = game.window.grab().toImage();
    EXPECT_EQ(before.pixelColor(front0.center()), SlotGrey);
    EXPECT_EQ(before.pixelColor(front0.topLeft() - QPoint(2, 2)), TableGrey);
    EXPECT_EQ(before.pixelColor(hand0.topLeft() + QPoint(5, 40)), QColor(Qt::white));
    // Raised: drawn 3 px right and 6 px up, its cell erased first.
    game.clickCell(HandRow, 0);
    const QImage raised = game.window.grab().toImage();
    EXPECT_EQ(raised.pixelColor(hand0.bottomLeft() + QPoint(10, -2)), QColor(128, 128, 128));
    EXPECT_EQ(raised.pixelColor(hand0.topLeft() + QPoint(8, -3)), QColor(Qt::white));
    EXPECT_EQ(before.pixelColor(hand0.topLeft() + QPoint(8, -3)), QColor(128, 128, 128));
}

TEST(MainWindowUi, ResultsLinesForChiAndSet) {
    Game game;
    game.buyAndStart();
    press(game.window.arrangementDialog(), ArrangementControl::SixPairs);  // a "6 PAIRS" claim
    const PlacedResults& view = game.window.placedResults();
    ASSERT_FALSE(view.texts.empty());
    EXPECT_EQ(view.texts.back().y, 470);
    const Arrangement& a = game.g().Arrangements[0];
    const int f = game.g().DealSettlement.FrontResult[0][1];
    if (a.back.category == cat::SixPairs) {
        EXPECT_EQ(view.texts.back().text,
                  QString("(%1) x 1 points = %2%3").arg(f).arg(f >= 0 ? "+" : "").arg(f));
    } else {
        EXPECT_EQ(a.back.category, IllegalMarker);
    }
    EXPECT_EQ(view.cards.size(), 26u);
}

// The panels work from the keyboard as dialogs do: Tab moves between buttons, Space and Enter
// press the focused one.
TEST(MainWindowUi, KeyboardPressesButtons) {
    Game game;
    QApplication::setActiveWindow(&game.window);
    SettingsPanel* s = game.window.settingsDialog();
    QAbstractButton* plusOne = s->button(SettingsControl::AddOnePoint);
    plusOne->setFocus();
    ASSERT_TRUE(plusOne->hasFocus());
    QTest::keyClick(plusOne, Qt::Key_Space);
    EXPECT_EQ(game.g().PlayerPoints, 1);
    QTest::keyClick(plusOne, Qt::Key_Return);
    EXPECT_EQ(game.g().PlayerPoints, 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), plusOne);
    EXPECT_NE(qobject_cast<QAbstractButton*>(QApplication::focusWidget()), nullptr);
}

// The cells of the arrangement row, front to back.
std::vector<int> arrangementFaces(const GameState& g) {
    return {g.TableGrid[ArrangementRow].begin(), g.TableGrid[ArrangementRow].end()};
}

// Drags the card at `from` by press, moves and release to the point `to`.
void drag(MainWindow& w, QPoint from, QPoint to) {
    QTest::mousePress(&w, Qt::LeftButton, {}, from);
    QTest::mouseMove(&w, from + (to - from) / 2);
    QTest::mouseMove(&w, to);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, to);
}

TEST(ArrangingUi, DragAndDrop) {
    Game game;
    game.buyAndStart();
    GameState& g = game.g();
    const int first = g.TableGrid[HandRow][0];
    // Under way: the card follows the pointer and the cell under it is marked.
    const QPoint from = cardRect(HandRow, 0).center(), to = cardRect(ArrangementRow, 0).center();
    QTest::mousePress(&game.window, Qt::LeftButton, {}, from);
    QTest::mouseMove(&game.window, to);
    EXPECT_EQ(game.window.tableAids().dragCell, 13);
    EXPECT_EQ(game.window.tableAids().dropCell, 0);
    const QImage moving = game.window.grab().toImage();
    EXPECT_EQ(moving.pixelColor(cardRect(HandRow, 0).center()), SlotGrey);
    EXPECT_EQ(moving.pixelColor(cardRect(ArrangementRow, 0).topLeft() + QPoint(5, 40)),
              QColor(Qt::white));
    QTest::mouseRelease(&game.window, Qt::LeftButton, {}, to);
    EXPECT_EQ(g.TableGrid[ArrangementRow][0], first);
    EXPECT_EQ(g.SelectedCell, -1);
    EXPECT_EQ(g.ArrangedCount, 1);
    EXPECT_EQ(game.window.tableAids().dragCell, -1);
    // Onto a full cell: the two cards swap.
    const int second = g.TableGrid[HandRow][0];
    drag(game.window, cardRect(HandRow, 0).center(), to);
    EXPECT_EQ(g.TableGrid[ArrangementRow][0], second);
    EXPECT_NE(std::find(g.TableGrid[HandRow].begin(), g.TableGrid[HandRow].end(), first),
              g.TableGrid[HandRow].end());
    // Released anywhere else: it goes back.
    const GameState before = g;
    drag(game.window, to, QPoint(700, 300));
    drag(game.window, to, QPoint(100, 500));
    drag(game.window, to, to + QPoint(10, 10));  // its own cell
    EXPECT_EQ(g.TableGrid, before.TableGrid);
    EXPECT_EQ(g.SelectedCell, -1);
    // A press and release on one spot stays the rules' click: the card is lifted.
    game.clickCell(ArrangementRow, 0);
    EXPECT_EQ(g.SelectedCell, 0);
    game.clickCell(ArrangementRow, 1);
    EXPECT_EQ(g.TableGrid[ArrangementRow][1], second);
    EXPECT_EQ(tableFault(g), "");
}

TEST(ArrangingUi, KeysMoveTheCursorAndTheCards) {
    Game game;
    game.buyAndStart();
    GameState& g = game.g();
    QApplication::setActiveWindow(&game.window);
    const GameState dealt = g;
    MainWindow& w = game.window;
    QTest::keyClick(&w, Qt::Key_Right);  // the cursor shows on the first hand card
    EXPECT_EQ(w.tableAids().cursorCell, 13);
    QTest::keyClick(&w, Qt::Key_Right);
    QTest::keyClick(&w, Qt::Key_Down);
    EXPECT_EQ(w.tableAids().cursorCell, 21);
    QTest::keyClick(&w, Qt::Key_Up);
    QTest::keyClick(&w, Qt::Key_Up);
    EXPECT_EQ(w.tableAids().cursorCell, 9);  // the back hand's second cell
    QTest::keyClick(&w, Qt::Key_Up);
    QTest::keyClick(&w, Qt::Key_Up);
    EXPECT_EQ(w.tableAids().cursorCell, 0);  // the front's first cell stands over the second
    QTest::keyClick(&w, Qt::Key_Up);
    EXPECT_EQ(w.tableAids().cursorCell, 0);
    // Space lifts the card under the cursor, Space on another cell drops it there.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&w, Qt::Key_Down);
    EXPECT_EQ(w.tableAids().cursorCell, 14);
    const int card = g.TableGrid[HandRow][1];
    QTest::keyClick(&w, Qt::Key_Space);
    EXPECT_EQ(g.SelectedCell, 14);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&w, Qt::Key_Up);
    QTest::keyClick(&w, Qt::Key_Space);
    EXPECT_EQ(g.TableGrid[ArrangementRow][0], card);
    // 1, 2, 3 send the card under the cursor to the first empty cell of a hand.
    QTest::keyClick(&w, Qt::Key_3);  // the placed front card on to the back
    EXPECT_EQ(g.TableGrid[ArrangementRow][8], card);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&w, Qt::Key_Down);  // back to the hand row
    const int next = g.TableGrid[HandRow][0];
    QTest::keyClick(&w, Qt::Key_Left);
    QTest::keyClick(&w, Qt::Key_1);
    EXPECT_EQ(g.TableGrid[ArrangementRow][0], next);
    // A lifted card goes before the one under the cursor.
    QTest::keyClick(&w, Qt::Key_Space);  // lifts the hand's new first card
    const int lifted = g.TableGrid[HandRow][0];
    QTest::keyClick(&w, Qt::Key_Right);
    QTest::keyClick(&w, Qt::Key_2);
    EXPECT_EQ(g.TableGrid[ArrangementRow][3], lifted);
    EXPECT_EQ(g.ArrangedCount, 3);
    // Backspace returns the placed card under the cursor.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&w, Qt::Key_Up);
    ASSERT_EQ(sectionOf(w.tableAids().cursorCell), Position::Front);
    w.setFocus();
    const int cursor = w.tableAids().cursorCell;
    const bool full = g.TableGrid[ArrangementRow][static_cast<std::size_t>(cursor)] != EmptyCell;
    QTest::keyClick(&w, Qt::Key_Backspace);
    EXPECT_EQ(g.ArrangedCount, full ? 2 : 3);
    // Enter before all 13 are placed answers as REGULAR does; Ctrl+Z undoes move by move to the
    // deal.
    QTest::keyClick(&w, Qt::Key_Return);
    EXPECT_EQ(g.phase(), Phase::Arranging);
    press(w.arrangementDialog(), ArrangementControl::Regular);
    ASSERT_EQ(game.messages.size(), 2u);
    EXPECT_EQ(game.messages[0], game.messages[1]);
    EXPECT_EQ(game.messages[0], refusalText(CommitRefusal::ArrangeCards));
    game.messages.clear();
    while (!w.tableHistory().empty())
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(g.TableGrid, dealt.TableGrid);
    EXPECT_EQ(g.HandCount, 13);
    // The table's keys work while a panel button has the focus (clicked or tabbed to).
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&w, Qt::Key_Down);  // back to the hand row
    press(w.arrangementDialog(), ArrangementControl::OrderByCardNumber);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
    EXPECT_EQ(g.ArrangedCount, 1);
    w.arrangementDialog()->button(ArrangementControl::Regular)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_2);
    EXPECT_EQ(g.ArrangedCount, 2);
}

// The suggestion is the Hard level's choice for the player's 13 cards, laid out in one move that
// Ctrl+Z takes back; the game's generator is not touched, and Enter then commits it.
TEST(ArrangingUi, SuggestionLaysOutTheComputersChoice) {
    for (std::uint32_t seed = 1; seed < 20; ++seed) {
        Game game;
        game.window.random().seedRandom(seed);
        game.buyAndStart();
        GameState& g = game.g();
        QApplication::setActiveWindow(&game.window);
        const CardSet holding = setOf(g.Holdings.Rows[0]);
        Strategy advisor(strategyOf(AdvisorStrength));
        Random own(suggestionSeed(holding));
        const Arrangement choice = advisor.choose(holding, g.Scoring, own);
        if (choice.back.category > cat::StraightFlush) continue;

        const std::uint32_t dealSequence = game.window.random().state();
        const TableGridType dealt = g.TableGrid;
        QTest::keyClick(&game.window, Qt::Key_H);
        EXPECT_EQ(game.window.random().state(), dealSequence);
        EXPECT_EQ(g.HandCount, 0);
        EXPECT_EQ(g.ArrangedCount, 13);
        // Each hand as the results show it.
        const ResultRows shown = resultRow(Settlement{}, choice, 0, g.Scoring);
        const std::vector<int> expected(shown.cards.begin(), shown.cards.end());
        EXPECT_EQ(arrangementFaces(g), expected);
        EXPECT_FALSE(game.window.tableAids().notes.outOfOrder());
        QTest::keyClick(&game.window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(g.TableGrid, dealt);
        QTest::mouseClick(game.window.suggestButton(), Qt::LeftButton);
        EXPECT_EQ(arrangementFaces(g), expected);
        QTest::keyClick(&game.window, Qt::Key_Return);
        EXPECT_TRUE(game.questions.empty());
        EXPECT_TRUE(game.messages.empty());
        ASSERT_EQ(g.phase(), Phase::Results);
        EXPECT_EQ(g.Arrangements[0].back.category, choice.back.category);
        return;
    }
    FAIL() << "no seed gave an ordinary holding";
}

// Holding six pairs, the player is told so, and the suggestion points at the claim instead of
// laying the cards out.
TEST(ArrangingUi, SixPairsAreNamedAndPointedAt) {
    Game game;
    game.buyAndStart();
    GameState& g = game.g();
    g.Holdings.Rows[0] = holdingOf(cardsFromText("Ah Ad 3c 3s 5h 5d 7c 7s 9h 9d Jc Js Kh"));
    loadHandIntoTable(g);
    sortHandRow(g);
    QTest::keyClick(&game.window, Qt::Key_H);
    EXPECT_EQ(g.HandCount, 13);
    const TableAids& aids = game.window.tableAids();
    ASSERT_GE(aids.lines.size(), 2u);
    EXPECT_EQ(aids.lines[0], "Your cards make 6 PAIRS.");
    EXPECT_EQ(aids.lines[1], "Suggested: claim 6 PAIRS with its button.");
    const QWidget* claim = game.window.arrangementDialog()->control(ArrangementControl::SixPairs);
    EXPECT_EQ(aids.pointAtX, claim->mapTo(&game.window, claim->rect().center()).x());
    press(game.window.arrangementDialog(), ArrangementControl::SixPairs);
    EXPECT_TRUE(game.questions.empty());
    EXPECT_EQ(g.Arrangements[0].back.category, cat::SixPairs);
}

TEST(ArrangingUi, QuestionsBeforeAnIllegalCommit) {
    for (std::uint32_t seed = 1; seed < 30; ++seed) {
        Game game;
        game.window.random().seedRandom(seed);
        game.buyAndStart();
        GameState& g = game.g();
        const Arrangement computer = g.Arrangements[0];
        if (computer.back.category > cat::StraightFlush ||
            computer.back.category <= computer.middle.category ||
            !specialsMade(setOf(g.Holdings.Rows[0])).empty())
            continue;
        // A claim the cards do not support: No leaves the table as it is.
        game.answer = false;
        press(game.window.arrangementDialog(), ArrangementControl::SixPairs);
        ASSERT_EQ(game.questions.size(), 1u);
        EXPECT_EQ(game.questions[0],
                  "Your cards do not make 6 PAIRS. The claim is ILLEGAL and loses to every "
                  "opponent. Claim anyway?");
        EXPECT_EQ(g.phase(), Phase::Arranging);
        // REGULAR out of order asks too; No keeps the table, Yes gives the rules' ILLEGAL.
        game.placeByClicks(tableOrder(computer.front, computer.back, computer.middle));
        EXPECT_TRUE(game.window.tableAids().notes.middleOverBack);
        const std::size_t lines = game.window.tableAids().lines.size();
        EXPECT_EQ(game.window.tableAids().lines[lines - 3],
                  "Out of order: the middle outranks the back.");
        press(game.window.arrangementDialog(), ArrangementControl::Regular);
        ASSERT_EQ(game.questions.size(), 2u);
        EXPECT_TRUE(game.questions[1].startsWith("Out of order: the middle outranks the back."));
        EXPECT_EQ(g.phase(), Phase::Arranging);
        game.answer = true;
        press(game.window.arrangementDialog(), ArrangementControl::Regular);
        ASSERT_EQ(g.phase(), Phase::Results);
        EXPECT_EQ(g.Arrangements[0].back.category, IllegalMarker);
        EXPECT_TRUE(game.messages.empty());
        return;
    }
    FAIL() << "no seed gave a back stronger than its middle";
}

// The real question box: No is its default button, so Enter answers No.
TEST(ArrangingUi, TheQuestionBoxDefaultsToNo) {
    MainWindow window(testCardLibrary(), 2);
    window.show();
    bool defaultNo = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        defaultNo = box->defaultButton() == box->button(QMessageBox::No);
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_FALSE(window.askQuestion("Claim anyway?"));
    EXPECT_TRUE(defaultNo);
}

// Input that reaches the window within the double-click interval after a panel changed is
// dropped: the second click of a double click on START GAME does not press REGULAR beneath it,
// nor does the second click on a claim press the results' OK.
TEST(ArrangingUi, DoubleClicksDoNotLeakOntoTheNextPanel) {
    Game game;
    const int interval = QApplication::doubleClickInterval();
    press(game.window.settingsDialog(), SettingsControl::AddTwentyPoints);
    press(game.window.settingsDialog(), SettingsControl::StartGame);
    game.window.setInputGuard(interval);  // from the change of panel on
    press(game.window.arrangementDialog(), ArrangementControl::Regular);
    game.clickCell(HandRow, 0);
    QTest::keyClick(&game.window, Qt::Key_H);
    EXPECT_TRUE(game.messages.empty());
    EXPECT_EQ(game.g().SelectedCell, -1);
    EXPECT_EQ(game.g().HandCount, 13);
    game.window.setInputGuard(0);
    press(game.window.arrangementDialog(), ArrangementControl::SixPairs);
    ASSERT_EQ(game.g().phase(), Phase::Results);
    game.window.setInputGuard(interval);
    QTest::mouseClick(game.window.resultsDialog()->button(ResultsControl::Ok), Qt::LeftButton);
    EXPECT_EQ(game.g().phase(), Phase::Results);
}

// After OK the focus is on START GAME, so Enter starts the next deal and never quits.
TEST(ArrangingUi, EnterAfterOkStartsTheNextDeal) {
    Game game;
    QApplication::setActiveWindow(&game.window);
    EXPECT_NE(QApplication::focusWidget(),
              game.window.settingsDialog()->control(SettingsControl::Quit));
    game.buyAndStart();
    press(game.window.arrangementDialog(), ArrangementControl::SixPairs);
    ASSERT_EQ(QApplication::focusWidget(),
              game.window.resultsDialog()->control(ResultsControl::Ok));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(game.g().phase(), Phase::Settings);
    EXPECT_TRUE(game.window.isVisible());
    QWidget* focus = QApplication::focusWidget();
    EXPECT_NE(focus, game.window.settingsDialog()->control(SettingsControl::Quit));
    QTest::keyClick(focus, Qt::Key_Return);
    EXPECT_TRUE(game.window.isVisible());
    if (game.window.settingsDialog()->control(SettingsControl::StartGame)->isVisible()) {
        EXPECT_EQ(game.g().phase(), Phase::Arranging);
    } else {
        EXPECT_EQ(game.g().phase(), Phase::Settings);
    }
}

// Beside each full hand its name; the text stands right of the rows.
TEST(ArrangingUi, HandNamesBesideTheRows) {
    Game game;
    game.buyAndStart();
    for (int i = 0; i < 3; ++i) {
        game.clickCell(HandRow, 0);
        game.clickCell(ArrangementRow, i);
    }
    const std::optional<HandCategory> front = game.window.tableAids().notes.handCategories[0];
    ASSERT_TRUE(front.has_value());
    EXPECT_TRUE(front == cat::Trash || front == cat::Pair || front == cat::Triple) << int(*front);
    EXPECT_EQ(game.window.tableAids().notes.handCategories[1], std::nullopt);
    const QImage image = game.window.grab().toImage();
    int written = 0;
    for (int y = cardRect(ArrangementRow, 0).top(); y < cardRect(ArrangementRow, 0).bottom(); ++y)
        for (int x = NotesLeft; x < 800; ++x)
            written += image.pixelColor(x, y) != TableGrey;
    EXPECT_GT(written, 50);
}

TEST(CardLibraryLoading, MissingLibraryShowsTheMessageAndExitsZero) {
    CardLibrary lib;
    QString shown, details;
    const int status = runGame(lib, {"/nonexistent/libcards.so"},
                               [&](const QString& t, const QString& d) { shown = t, details = d; });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(shown, "Failed to load cards.dll");
    EXPECT_TRUE(details.startsWith("The game looked for the card library in:\n"))
        << details.toStdString();
}

// The message's details name every place looked in, in order, and why each failed: a file that
// is not there, a library without the card-drawing calls, and a name left to the system's loader.
TEST(CardLibraryLoading, DetailsNameEveryPlaceLookedIn) {
    const QString notCards = QLibraryInfo::path(QLibraryInfo::LibrariesPath) + "/libQt6Core.so.6";
    ASSERT_TRUE(QFileInfo::exists(notCards)) << notCards.toStdString();
    qputenv("LD_LIBRARY_PATH", "/opt/cards/lib:/usr/local/games");
    CardLibrary lib;
    QString details;
    runGame(lib, {"/nonexistent/games/../lib/libcards.so", notCards, "kovarin_no_such_cards"},
            [&](const QString&, const QString& d) { details = d; });
    qunsetenv("LD_LIBRARY_PATH");
    const QStringList lines = details.split('\n');
    ASSERT_EQ(lines.size(), 4) << details.toStdString();
    EXPECT_EQ(lines[1], "/nonexistent/lib/libcards.so: not found");
    EXPECT_EQ(lines[2], notCards + ": does not offer cdtInit, cdtDrawExt and cdtTerm");
    EXPECT_TRUE(
        lines[3].startsWith("libkovarin_no_such_cards.so in the system's library folders "
                            "(/opt/cards/lib, /usr/local/games, /etc/ld.so.conf, /lib, "
                            "/usr/lib): "))
        << lines[3].toStdString();
}

}  // namespace
}  // namespace kov::ui

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The felt table's cards move only in the tests of their motion, on a clock of their own.
    if (qEnvironmentVariableIsEmpty("KOVARIN32_ANIMATION")) qputenv("KOVARIN32_ANIMATION", "off");
    QStandardPaths::setTestModeEnabled(true);  // never the user's own folders
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
