// Drives the real widgets of the game under the offscreen platform.

#include "ui/main_window.h"

#include "ui/table_view.h"
#include "ui/ui_test_support.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "cards/card_text.h"
#include "cards/compare.h"
#include "game/table_clicks.h"

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

TEST(CardLibraryLoading, MissingLibraryShowsTheMessageAndExitsZero) {
    CardLibrary lib;
    QString shown;
    const int status =
        runGame(lib, {"/nonexistent/libcards.so"}, [&](const QString& t) { shown = t; });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(shown, "Failed to load cards.dll");
}

}  // namespace
}  // namespace kov::ui

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
