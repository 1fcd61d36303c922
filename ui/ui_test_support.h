// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shared by the UI tests: the card library of the build tree, loaded once, and the player's
// clicks on the panels and the table.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>

#include "ui/card_library.h"
#include "ui/dialog_panel.h"
#include "ui/main_window.h"
#include "ui/table_view.h"

// Failed comparisons of texts print the text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace kov::ui {

inline CardLibrary& testCardLibrary() {
    static CardLibrary lib;
    static const bool loaded = lib.load({CARDS_LIBRARY_PATH});
    EXPECT_TRUE(loaded) << CARDS_LIBRARY_PATH;
    return lib;
}

// Clicks a visible button of a panel.
template <typename Control>
void press(Panel<Control>* panel, Control id) {
    QAbstractButton* b = panel->button(id);
    ASSERT_NE(b, nullptr) << static_cast<int>(id);
    ASSERT_TRUE(b->isVisible()) << static_cast<int>(id);
    QTest::mouseClick(b, Qt::LeftButton);
}

// Buys points until START GAME shows, then starts a deal.
inline void startDealByPresses(MainWindow& window) {
    SettingsPanel* s = window.settingsDialog();
    while (!s->control(SettingsControl::StartGame)->isVisible())
        press(s, SettingsControl::AddTwentyPoints);
    press(s, SettingsControl::StartGame);
}

// Clicks the middle of a table cell.
inline void clickTableCell(MainWindow& window, int row, int column) {
    QTest::mouseClick(&window, Qt::LeftButton, {}, cardRect(row, column).center());
}

}  // namespace kov::ui
