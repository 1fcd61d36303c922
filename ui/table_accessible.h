// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The table as assistive technology reads it. The table is painted, so its cells are no widgets:
// the window's accessible interface gets one more child, the table, whose 26 children are the
// cells in the order of the table (front, middle and back cells of the arrangement row, then the
// hand row), each named by its card and where it lies: "Ace of spades, front row",
// "empty middle cell", "Seven of clubs, in hand". The cell under the keyboard cursor has the
// accessible focus.

#include <QString>

#include "game/game_state.h"

class QAccessibleInterface;

namespace kov::ui {

class MainWindow;

// A card's name, "Ace of spades", in the player's language (faces as the card library numbers
// them: four to a rank from the aces, clubs, diamonds, hearts, spades).
QString cardName(int face);
// A cell's name as the table reports it.
QString cellName(const GameState& g, int cell);

// Makes the windows of the game report their table (once for the program; MainWindow calls it).
void installTableAccessibility();

// The table's interface on `window`, and that of one of its cells (0-25).
QAccessibleInterface* tableAccessible(MainWindow* window);
QAccessibleInterface* tableCellAccessible(MainWindow* window, int cell);

}  // namespace kov::ui
