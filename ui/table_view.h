#pragma once
// The player's table on the main window: 2 x 13 card cells, the arrangement row above the hand
// row. Where each cell sits, which cell a point hits, and how the table is painted.

#include <QColor>
#include <QRect>

#include "game/game_state.h"
#include "ui/card_library.h"

class QPainter;

namespace kov::ui {

// The window's background grey (the stock grey brush); empty cells show it.
inline const QColor TableGrey(128, 128, 128);

struct CellHit {
    bool hit = false;
    int row = -1, column = -1;
};

// The screen rectangle of a table cell (60 x 80, columns 64 px apart): the front hand centred
// over the middle and back hands, the hand row on two lines below them.
QRect cardRect(int row, int column);
// The first cell, row by row and column by column, whose rectangle holds p.
CellHit hitTestCell(QPoint p);

// Draws all 26 cells: an empty cell in the table's grey, the selected card raised (3 px right,
// 6 px up, its cell erased first), every other card in its cell.
void paintTable(QPainter& painter, const GameState& g, const CardLibrary& cards);

}  // namespace kov::ui
