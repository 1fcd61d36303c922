// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The player's table on the main window: 2 x 13 card cells, the arrangement row above the hand
// row. Where each cell sits, which cell a point hits, and how the table is painted.
//
// Around the rules' table, in the free parts of the window, the aids for arranging: empty cells
// drawn as slots, the keyboard cursor, a card being dragged, and beside each hand (x >= 650)
// its name and its hand's name; below the hand rows (y >= 510) the notes for the player.

#include <QColor>
#include <QRect>
#include <QString>
#include <vector>

#include "game/arranging_notes.h"
#include "game/game_state.h"
#include "ui/card_library.h"

class QPainter;

namespace kov::ui {

// The window's background grey (the stock grey brush); the rules erase cells to it.
inline const QColor TableGrey(128, 128, 128);
// An empty cell: a darker card-sized slot.
inline const QColor SlotGrey(100, 100, 100);

struct CellHit {
    bool hit = false;
    int row = -1, column = -1;
    int cell() const { return hit ? cellAt(row, column) : -1; }
};

// The screen rectangle of a table cell (60 x 80, columns 64 px apart): the front hand centred
// over the middle and back hands, the hand row on two lines below them.
QRect cardRect(int row, int column);
inline QRect cellRect(int cell) {
    return cardRect(rowOf(cell), columnOf(cell));
}
// The first cell, row by row and column by column, whose rectangle holds p.
CellHit hitTestCell(QPoint p);

// The keyboard cursor's next cell for an arrow key (Qt::Key_Left .. Qt::Key_Down): along its line
// of cells, or to the nearest cell of the line above or below (front, middle, back, and the two
// lines of the hand row). It stays put at an edge.
int moveCursor(int cell, int key);

// What the view adds to the table while the player arranges; state of the view, not the game.
struct TableAids {
    int cursorCell = -1;  // the keyboard cursor, -1 when hidden
    int dragCell = -1;    // the cell whose card is being dragged, -1 when none
    QPoint dragTopLeft;   // where the dragged card is drawn
    int dropCell = -1;    // the cell under the dragged card
    ArrangingNotes notes;
    std::vector<QString> lines;  // the notes below the hand rows, top to bottom
    int pointAtX = -1;           // an arrow up to a claim button at this x, or -1
};

// The left edge of the texts beside the hands, and the top of the notes below the hand rows.
inline constexpr int NotesLeft = 650;
inline constexpr int NotesTop = 510;
// The notes below the hand rows start right of the claim buttons' columns, so that an arrow may
// point up at any of them.
inline constexpr int LinesLeft = 240;

// Draws all 26 cells: an empty cell as a slot, the selected card raised (3 px right, 6 px up,
// its cell erased first), every other card in its cell; then the aids.
void paintTable(QPainter& painter, const GameState& g, const CardLibrary& cards,
                const TableAids& aids = {});

}  // namespace kov::ui
