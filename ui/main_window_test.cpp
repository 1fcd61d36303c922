// Drives the real widgets of the game under the offscreen platform.

#include "ui/main_window.h"
#include "ui/ui_test_support.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "cards/card_text.h"
#include "cards/compare.h"

namespace kov::ui {
namespace {

struct Game {
    MainWindow window{testCardLibrary(), 2};
    std::vector<QString> messages;
    Game() {
        window.showMessage = [this](const QString& text) { messages.push_back(text); };
        window.random().seedRandom(1234);
        window.show();
    }
    GameState& g() { return window.state(); }
    void press(DialogPanel* panel, int id) {
        QAbstractButton* b = panel->button(id);
        ASSERT_NE(b, nullptr) << id;
        ASSERT_TRUE(b->isVisible()) << id;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    void clickCell(int row, int column) {
        QTest::mouseClick(&window, Qt::LeftButton, {}, MainWindow::cardRect(row, column).center());
    }
    void buyAndStart(int opponentsButton = 1003) {
        press(window.settingsDialog(), opponentsButton);
        while (!window.settingsDialog()->control(1014)->isVisible())
            press(window.settingsDialog(), 1013);
        press(window.settingsDialog(), 1014);
    }
    // Places the computer's own choice for the player's cards: front, middle, back.
    void placeComputerArrangement() {
        const Arrangement& a = g().seatArrangements[0];
        int cell = 0;
        for (const CardSet* hand : {&a.front.cards, &a.middle.cards, &a.back.cards})
            for (CardIndex c : cardsOf(*hand)) {
                const int face = toFaceNumber(c);
                for (int i = 0; i < 13; ++i)
                    if (g().TableGrid[HandRow][static_cast<std::size_t>(i)] == face) {
                        clickCell(HandRow, i);
                        clickCell(ArrangementRow, cell++);
                        break;
                    }
            }
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
    EXPECT_EQ(game.g().HandOrder, 1);
    EXPECT_EQ(shownPhases(game), 1);
    EXPECT_TRUE(game.window.settingsDialog()->isVisible());
    EXPECT_EQ(game.window.settingsDialog()->controlText(1002), "need 18 more points");
    EXPECT_FALSE(game.window.settingsDialog()->control(1014)->isVisible());
    EXPECT_EQ(game.window.settingsDialog()->controlText(1006), "PLAY WITH 1 OPPONENT");
    EXPECT_EQ(game.window.settingsDialog()->geometry(), QRect(0, 0, 809, 567));
    EXPECT_EQ(game.window.settingsDialog()->control(1014)->geometry(),
              dialogUnitsToPixels(153, 170, 151, 33));
}

TEST(MainWindowUi, SettingsButtonsAndPointsNeeded) {
    Game game;
    DialogPanel* s = game.window.settingsDialog();
    game.press(s, 1004);
    game.press(s, 1009);
    EXPECT_EQ(s->controlText(1006), "PLAY 3 OPPONENTS");
    EXPECT_EQ(s->controlText(1007), "PLAY 2 UNITS");
    for (int i = 0; i < 5; ++i)
        game.press(s, 1013);
    game.press(s, 1011);
    game.press(s, 1012);
    game.press(s, 1010);
    game.press(s, 1010);
    EXPECT_EQ(game.g().PlayerPoints, 117);
    EXPECT_EQ(s->controlText(1001), "points 117");
    EXPECT_EQ(game.window.arrangementDialog()->controlText(1001), "points 117");
    EXPECT_EQ(s->controlText(1002), "");
    EXPECT_TRUE(s->control(1014)->isVisible());
    game.g().PlayerPoints = 107;
    game.window.updateStartButton();
    EXPECT_EQ(s->controlText(1002), "need 1 more point");
    EXPECT_FALSE(s->control(1014)->isVisible());
    game.press(s, 1018);  // the set option needs 6
    EXPECT_EQ(s->controlText(1016), "PLAY SET OPTION");
    EXPECT_TRUE(s->control(1014)->isVisible());
    game.press(s, 1017);
    EXPECT_FALSE(s->control(1014)->isVisible());
}

TEST(MainWindowUi, WholeGameCycleByClicks) {
    Game game;
    game.buyAndStart();
    EXPECT_EQ(game.g().PlayerPoints, 20);
    EXPECT_TRUE(game.window.arrangementDialog()->isVisible());
    EXPECT_FALSE(game.window.settingsDialog()->isVisible());
    EXPECT_EQ(game.g().HandCount, 13);
    game.press(game.window.arrangementDialog(), 1009);  // nothing placed yet
    ASSERT_EQ(game.messages.size(), 1u);
    EXPECT_EQ(game.messages[0], "please arrange cards");
    EXPECT_TRUE(game.window.arrangementDialog()->isVisible());

    if (game.g().seatArrangements[0].back.category > 8) GTEST_SKIP() << "special holding";
    game.placeComputerArrangement();
    EXPECT_EQ(game.g().HandCount, 0);
    EXPECT_EQ(game.g().ArrangedCount, 13);
    game.press(game.window.arrangementDialog(), 1009);
    EXPECT_TRUE(game.window.resultsDialog()->isVisible());
    EXPECT_EQ(shownPhases(game), 1);
    EXPECT_NE(game.g().seatArrangements[0].back.category, IllegalMarker);
    const int gain = game.window.resultsView().gain;
    EXPECT_EQ(game.window.resultsDialog()->controlText(1001),
              QString("points 20 %1 = %2")
                  .arg(gain >= 0 ? QString("+%1").arg(gain) : QString::number(gain))
                  .arg(20 + gain));
    game.press(game.window.resultsDialog(), 1002);
    EXPECT_EQ(game.g().PlayerPoints, 20 + gain);
    EXPECT_TRUE(game.window.settingsDialog()->isVisible());
    EXPECT_EQ(game.window.resultsDialog()->controlText(1001), QString("points %1").arg(20 + gain));
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
    game.press(game.window.arrangementDialog(), 1003);  // already by suit: nothing happens
    EXPECT_EQ(g.SelectedCell, 17);
    game.press(game.window.arrangementDialog(), 1004);
    EXPECT_EQ(g.SelectedCell, -1);
    EXPECT_EQ(g.HandOrder, 0);
    expectHandRowSorted(g, numberOrderKey);
}

TEST(MainWindowUi, MessageBoxesForUnplacedCards) {
    Game game;
    game.buyAndStart();
    game.press(game.window.arrangementDialog(), 1007);
    game.press(game.window.arrangementDialog(), 1008);
    ASSERT_EQ(game.messages.size(), 2u);
    EXPECT_EQ(game.messages[0], "please arrange cards for \"sanh\"");
    EXPECT_EQ(game.messages[1], "please arrange cards for \"thung\"");
    EXPECT_TRUE(game.window.arrangementDialog()->isVisible());
    // "6 PAIRS" commits whatever is still in the hand row.
    game.press(game.window.arrangementDialog(), 1005);
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
    game.press(game.window.arrangementDialog(), 1009);
    EXPECT_EQ(game.g().seatArrangements[0], expected);
}

// The computer's own arrangement with back and middle exchanged is out of order: ILLEGAL.
TEST(MainWindowUi, OutOfOrderArrangementIsIllegal) {
    for (std::uint32_t seed = 1; seed < 30; ++seed) {
        Game game;
        game.window.random().seedRandom(seed);
        game.buyAndStart();
        const Arrangement computer = game.g().seatArrangements[0];
        if (computer.back.category > 8 || computer.back.category <= computer.middle.category)
            continue;
        int cell = 0;
        for (const CardSet* hand :
             {&computer.front.cards, &computer.back.cards, &computer.middle.cards})
            for (CardIndex c : cardsOf(*hand))
                for (int i = 0; i < 13; ++i)
                    if (game.g().TableGrid[HandRow][static_cast<std::size_t>(i)] ==
                        toFaceNumber(c)) {
                        game.clickCell(HandRow, i);
                        game.clickCell(ArrangementRow, cell++);
                        break;
                    }
        game.press(game.window.arrangementDialog(), 1009);
        EXPECT_EQ(game.g().seatArrangements[0].back.category, IllegalMarker);
        bool shown = false;
        for (const TextItem& t : game.window.resultsView().texts)
            shown = shown || (t.y == 350 && t.text.rfind("ILLEGAL", 0) == 0);
        EXPECT_TRUE(shown);
        return;
    }
    FAIL() << "no seed gave a back stronger than its middle";
}

TEST(MainWindowUi, RenderedTablePixels) {
    Game game;
    game.buyAndStart();
    QApplication::processEvents();
    const QRect hand0 = MainWindow::cardRect(HandRow, 0);
    const QRect front0 = MainWindow::cardRect(ArrangementRow, 0);
    // A card face is white inside; an empty cell shows the grey table.
    const QImage before = game.window.grab().toImage();
    EXPECT_EQ(before.pixelColor(front0.center()), QColor(128, 128, 128));
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
    game.press(game.window.arrangementDialog(), 1005);  // a "6 PAIRS" claim
    const ResultsView& view = game.window.resultsView();
    ASSERT_FALSE(view.texts.empty());
    EXPECT_EQ(view.texts.back().y, 470);
    const Arrangement& a = game.g().seatArrangements[0];
    const int f = game.g().settlement.FrontResult[0][1];
    if (a.back.category == 10) {
        EXPECT_EQ(
            view.texts.back().text,
            QString("(%1) x 1 points = %2%3").arg(f).arg(f >= 0 ? "+" : "").arg(f).toStdString());
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
    DialogPanel* s = game.window.settingsDialog();
    QAbstractButton* plusOne = s->button(1010);
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
