// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The zoomed table: the window, the panels and the painting scale alike, and the pointer lands on
// the cells it is over, at every zoom.

#include "ui/zoom.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "ui/main_window.h"
#include "ui/review_pane.h"
#include "ui/table_view.h"
#include "ui/ui_test_support.h"

namespace kov::ui {
namespace {

struct ZoomedGame {
    MainWindow window{testCardLibrary(), 2};
    explicit ZoomedGame(int percent) {
        window.showMessage = [](const QString&) {};
        window.askQuestion = [](const QString&) { return true; };
        window.setInputGuard(0);
        window.random().seedRandom(77);
        window.setZoom(percent);
        window.show();
    }
    GameState& g() { return window.state(); }
    void start() { startDealByPresses(window); }
    // Where a logical point of the table is on the zoomed window.
    QPoint at(QPoint logical) const {
        return QPoint(static_cast<int>(logical.x() * window.scale()),
                      static_cast<int>(logical.y() * window.scale()));
    }
    void click(QPoint logical) { QTest::mouseClick(&window, Qt::LeftButton, {}, at(logical)); }
};

TEST(Zoom, RectanglesScaleEdgeByEdgeAndPointsMapBack) {
    EXPECT_EQ(scaledRect(QRect(322, 337, 60, 80), 1.5), QRect(483, 506, 90, 120));
    EXPECT_EQ(scaledRect(QRect(386, 26, 60, 80), 2.0), QRect(772, 52, 120, 160));
    // Neighbours 1 px apart at 150 % still share their edge.
    EXPECT_EQ(scaledRect(QRect(0, 0, 3, 3), 1.5).right() + 1,
              scaledRect(QRect(3, 0, 3, 3), 1.5).x());
    // A device pixel belongs to the logical pixel whose square holds it.
    EXPECT_EQ(logicalPoint(QPointF(643, 673), 2.0), QPoint(321, 336));
    EXPECT_EQ(logicalPoint(QPointF(644, 674), 2.0), QPoint(322, 337));
    EXPECT_EQ(logicalPoint(QPointF(482.9, 0), 1.5), QPoint(321, 0));
    EXPECT_TRUE(isZoomStep(150));
    EXPECT_FALSE(isZoomStep(125));
}

TEST(Zoom, PanelsAndButtonsScaleAndComeBackExactly) {
    MainWindow w(testCardLibrary(), 1);
    SettingsPanel* panel = w.settingsDialog();
    QWidget* start = panel->control(SettingsControl::AddOnePoint);
    const QRect panelAt = panel->geometry(), startAt = start->geometry();
    const QFont font = panel->font();
    const int line = panel->lineWidth();
    w.setZoom(200);
    EXPECT_EQ(w.size(), QSize(1600, 1200));
    EXPECT_EQ(panel->geometry(), scaledRect(panelAt, 2.0));
    EXPECT_EQ(start->geometry(), scaledRect(startAt, 2.0));
    EXPECT_EQ(panel->font().pixelSize(), 2 * font.pixelSize());
    EXPECT_EQ(start->font().pixelSize(), 2 * font.pixelSize());  // inherited from the panel
    EXPECT_EQ(panel->lineWidth(), 2 * line);
    EXPECT_EQ(logicalGeometry(start), startAt);
    EXPECT_EQ(w.undoButton()->geometry(), QRect(2 * NotesLeft, 2 * (NotesTop + 48), 280, 64));
    w.setZoom(150);
    EXPECT_EQ(panel->geometry(), scaledRect(panelAt, 1.5));
    w.setZoom(100);
    EXPECT_EQ(w.size(), QSize(800, 600));
    EXPECT_EQ(panel->geometry(), panelAt);
    EXPECT_EQ(start->geometry(), startAt);
    EXPECT_EQ(panel->font(), font);
    EXPECT_EQ(panel->lineWidth(), line);
    w.setZoom(120);  // not a step: nothing changes
    EXPECT_EQ(w.zoom(), 100);
}

// The table painted at 200 % is the 100 % table with every pixel doubled, up to the anti-aliased
// edges: sampled in the middle of the logical pixels, away from the edges.
TEST(Zoom, TheTablePaintsTwiceAsLarge) {
    ZoomedGame small(100), large(200);
    small.start();
    large.start();
    ASSERT_EQ(small.g().TableGrid, large.g().TableGrid);
    const QImage one = small.window.grab().toImage(), two = large.window.grab().toImage();
    ASSERT_EQ(two.size(), QSize(1600, 1200));
    for (const QPoint p : {cardRect(HandRow, 0).topLeft() + QPoint(5, 40),  // the card's face
                           cardRect(ArrangementRow, 4).center(),            // an empty slot
                           QPoint(100, 300),                                // the table
                           cardRect(ArrangementRow, 0).topLeft() + QPoint(-4, 40)})  // beside it
        EXPECT_EQ(two.pixelColor(2 * p + QPoint(1, 1)), one.pixelColor(p)) << p.x() << "," << p.y();
}

TEST(Zoom, ClicksLandOnTheCellsTheyAreOver) {
    for (const int percent : {150, 200}) {
        ZoomedGame game(percent);
        game.start();
        GameState& g = game.g();
        const int card = g.TableGrid[HandRow][2];
        game.click(cardRect(HandRow, 2).center());
        EXPECT_EQ(g.SelectedCell, 15) << percent;
        game.click(cardRect(ArrangementRow, 9).center());
        EXPECT_EQ(g.TableGrid[ArrangementRow][9], card) << percent;
        // The window's pixels at the cells' edges: the last one inside, the first one outside.
        const QRect back = scaledRect(cardRect(ArrangementRow, 9), game.window.scale());
        QTest::mouseClick(&game.window, Qt::LeftButton, {}, back.bottomRight());
        EXPECT_EQ(g.SelectedCell, 9) << percent;
        QTest::mouseClick(&game.window, Qt::LeftButton, {}, back.topLeft() - QPoint(1, 0));
        EXPECT_EQ(g.SelectedCell, 9) << percent;  // the gap between two cells: a miss
        game.click(cardRect(ArrangementRow, 9).center());
        EXPECT_EQ(g.SelectedCell, -1) << percent;
        EXPECT_EQ(g.TableGrid[ArrangementRow][9], card) << percent;
    }
}

TEST(Zoom, ADragAtTwoHundredPerCentDropsOnTheCellUnderThePointer) {
    ZoomedGame game(200);
    game.start();
    GameState& g = game.g();
    const int card = g.TableGrid[HandRow][8];
    const QPoint from = game.at(cardRect(HandRow, 8).center());
    const QPoint to = game.at(cardRect(ArrangementRow, 1).topLeft() + QPoint(10, 70));
    QTest::mousePress(&game.window, Qt::LeftButton, {}, from);
    QTest::mouseMove(&game.window, from + (to - from) / 2);
    QTest::mouseMove(&game.window, to);
    EXPECT_EQ(game.window.tableAids().dragCell, 21);
    EXPECT_EQ(game.window.tableAids().dropCell, 1);
    // The card follows the pointer in table coordinates: its grab point stays under it.
    EXPECT_EQ(game.window.tableAids().dragTopLeft,
              cardRect(ArrangementRow, 1).topLeft() + QPoint(10, 70) -
                  (cardRect(HandRow, 8).center() - cardRect(HandRow, 8).topLeft()));
    QTest::mouseRelease(&game.window, Qt::LeftButton, {}, to);
    EXPECT_EQ(g.TableGrid[ArrangementRow][1], card);
    EXPECT_EQ(std::count(g.TableGrid[HandRow].begin(), g.TableGrid[HandRow].end(), card), 0);
    EXPECT_EQ(g.SelectedCell, -1);
}

// The review pane paints on the table's grid too: at 200 % it covers twice its area.
TEST(Zoom, TheReviewPaneScalesWithTheTable) {
    MainWindow w(testCardLibrary(), 1);
    auto* pane = new ReviewPane(w.state(), testCardLibrary(), &w);
    w.setZoom(200);
    EXPECT_EQ(pane->geometry(), scaledRect(ReviewPane::Area, 2.0));
    EXPECT_EQ(pane->button()->geometry(), QRect(0, 0, 220, 52));
    EXPECT_EQ(logicalFont(pane), w.font());
}

}  // namespace
}  // namespace kov::ui
