// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The painted table as assistive technology reads it: the table among the window's children,
// its cells named by card and place, the accessible focus on the keyboard cursor's cell.

#include "ui/table_accessible.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <vector>

#include "ui/main_window.h"
#include "ui/table_view.h"
#include "ui/ui_test_support.h"

namespace kov::ui {
namespace {

struct Table {
    MainWindow window{testCardLibrary(), 2};
    Table() {
        window.showMessage = [](const QString&) {};
        window.setInputGuard(0);
        window.random().seedRandom(4321);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    GameState& g() { return window.state(); }
    void start() { startDealByPresses(window); }
    // The table among the window's accessible children.
    QAccessibleInterface* table() {
        QAccessibleInterface* w = QAccessible::queryAccessibleInterface(&window);
        for (int i = 0; i < w->childCount(); ++i)
            if (w->child(i)->role() == QAccessible::List) return w->child(i);
        return nullptr;
    }
};

TEST(TableAccessibility, CardNames) {
    EXPECT_EQ(cardName(3), "Ace of spades");
    EXPECT_EQ(cardName(24), "Seven of clubs");
    EXPECT_EQ(cardName(38), "Ten of hearts");
    EXPECT_EQ(cardName(49), "King of diamonds");
    EXPECT_EQ(cardName(-1), "");
}

TEST(TableAccessibility, TheTableListsItsCellsWhileArranging) {
    Table t;
    QAccessibleInterface* table = t.table();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->text(QAccessible::Name), "Your cards");
    EXPECT_EQ(table->parent(), QAccessible::queryAccessibleInterface(&t.window));
    EXPECT_EQ(table->childCount(), 0);  // the settings panel: no table
    EXPECT_TRUE(table->state().invisible);
    // The panels' controls are still reached through the window.
    QAccessibleInterface* w = QAccessible::queryAccessibleInterface(&t.window);
    EXPECT_EQ(w->indexOfChild(table), w->childCount() - 1);
    EXPECT_NE(w->indexOfChild(QAccessible::queryAccessibleInterface(t.window.settingsDialog())),
              -1);

    t.start();
    ASSERT_EQ(table->childCount(), 26);
    EXPECT_FALSE(table->state().invisible);
    for (int cell = 0; cell < 26; ++cell) {
        QAccessibleInterface* c = table->child(cell);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c, table->child(cell));  // the same interface every time
        EXPECT_EQ(table->indexOfChild(c), cell);
        EXPECT_EQ(c->parent(), table);
        EXPECT_EQ(c->role(), QAccessible::ListItem);
        EXPECT_EQ(c->text(QAccessible::Name), cellName(t.g(), cell));
        // Its place on the screen is the cell's, and the cell is found there.
        const QRect r(t.window.mapToGlobal(cellRect(cell).topLeft()), cellRect(cell).size());
        EXPECT_EQ(c->rect(), r) << cell;
        EXPECT_EQ(table->childAt(r.center().x(), r.center().y()), c) << cell;
    }
    EXPECT_EQ(table->child(26), nullptr);

    // A fresh deal lays the thirteen cards in the hand row and leaves the arrangement row empty.
    EXPECT_EQ(table->child(0)->text(QAccessible::Name), "empty front cell");
    EXPECT_EQ(table->child(5)->text(QAccessible::Name), "empty middle cell");
    EXPECT_EQ(table->child(12)->text(QAccessible::Name), "empty back cell");
    EXPECT_EQ(table->child(13)->text(QAccessible::Name),
              cardName(t.g().TableGrid[HandRow][0]) + ", in hand");
    // The names follow the cards.
    t.g().TableGrid[ArrangementRow][0] = 3;
    t.g().TableGrid[ArrangementRow][4] = 24;
    t.g().TableGrid[HandRow][6] = 24;
    t.g().TableGrid[HandRow][12] = EmptyCell;
    EXPECT_EQ(table->child(0)->text(QAccessible::Name), "Ace of spades, front row");
    EXPECT_EQ(table->child(4)->text(QAccessible::Name), "Seven of clubs, middle row");
    EXPECT_EQ(table->child(19)->text(QAccessible::Name), "Seven of clubs, in hand");
    EXPECT_EQ(table->child(25)->text(QAccessible::Name), "empty cell in hand");
    EXPECT_EQ(table->child(9)->text(QAccessible::Name), "empty back cell");
}

TEST(TableAccessibility, TheAccessibleFocusFollowsTheKeyboardCursor) {
    Table t;
    t.start();
    QAccessibleInterface* table = t.table();
    std::vector<QAccessibleInterface*> focus, renamed;
    t.window.notifyAccessibility = [&focus, &renamed](QAccessibleEvent* e) {
        if (e->type() == QAccessible::Focus) focus.push_back(e->accessibleInterface());
        if (e->type() == QAccessible::NameChanged) renamed.push_back(e->accessibleInterface());
    };
    EXPECT_EQ(table->focusChild(), nullptr);  // no cursor yet
    QTest::keyClick(&t.window, Qt::Key_Right);
    QTest::keyClick(&t.window, Qt::Key_Right);
    QTest::keyClick(&t.window, Qt::Key_Up);
    ASSERT_EQ(focus.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_EQ(focus[k]->parent(), table);
    const int cursor = t.window.tableAids().cursorCell;
    ASSERT_GE(cursor, 0);
    EXPECT_EQ(table->indexOfChild(focus.back()), cursor);
    EXPECT_EQ(table->indexOfChild(focus[1]), 14);  // the second cell of the hand row
    EXPECT_EQ(table->focusChild(), table->child(cursor));
    EXPECT_TRUE(table->child(cursor)->state().focused);
    EXPECT_FALSE(table->child(14)->state().focused);

    // Space lifts the card under the cursor: it is selected, the focus stays.
    QTest::keyClick(&t.window, Qt::Key_Down);
    const int onCard = t.window.tableAids().cursorCell;
    QTest::keyClick(&t.window, Qt::Key_Space);
    EXPECT_TRUE(table->child(onCard)->state().selected);
    EXPECT_EQ(table->indexOfChild(focus.back()), onCard);

    // Sent to the front row, the card leaves the cell under the cursor: its new name is told.
    renamed.clear();
    QTest::keyClick(&t.window, Qt::Key_1);
    ASSERT_EQ(renamed.size(), 1u);
    EXPECT_EQ(renamed.back(), table->child(onCard));
    EXPECT_EQ(table->child(0)->text(QAccessible::Name), cellName(t.g(), 0));
    EXPECT_NE(table->child(0)->text(QAccessible::Name), "empty front cell");

    // A click while the cursor is shown takes the cursor, and the focus, with it.
    clickTableCell(t.window, ArrangementRow, 0);
    EXPECT_EQ(t.window.tableAids().cursorCell, 0);
    EXPECT_EQ(table->indexOfChild(focus.back()), 0);
    EXPECT_TRUE(table->child(0)->state().selected);  // the click lifted its card
}

TEST(TableAccessibility, CellsSitWhereTheZoomedTableShowsThem) {
    Table t;
    t.window.setZoom(200);
    t.start();
    QAccessibleInterface* table = t.table();
    const QRect logical = cellRect(20);
    const QRect r(t.window.mapToGlobal(2 * logical.topLeft()), 2 * logical.size());
    EXPECT_EQ(table->child(20)->rect(), r);
    EXPECT_EQ(table->childAt(r.right(), r.bottom()), table->child(20));
    EXPECT_EQ(table->childAt(r.right() + 2, r.bottom()), nullptr);  // between two cells
}

}  // namespace
}  // namespace kov::ui
