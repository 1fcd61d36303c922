// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where everything goes on the felt table, as data computed from the widget's size. The unit is
// the card's width (its height four thirds of it), as KDE's card games lay out their piles: the
// numbers below are in card widths unless they say pixels.
//
//   +------+-------------------------------------------------+
//   | info | seat 1 |        seat (top)          | seat 3    |
//   |------|  (13   |     front  [] [] []        |  (13      |
//   | the  |  face  |   middle [] [] [] [] []  names of      |
//   | arr. |  down) |     back [] [] [] [] []  the hands     |
//   | panel|        |                            |           |
//   |------|        |  hand  [] [] [] [] [] [] []            |
//   | SUGG |        |        [] [] [] [] [] []               |
//   | notes|                                                 |
//   +------+-------------------------------------------------+
//
// The dock on the left holds what the classic table has left of the rows (the options and the
// balance, the arrangement panel, SUGGEST and UNDO, the notes), scaled alike; the opponents sit
// left, at the top and right of the player's rows (one opponent at the top, two left and right).
// The settings panel is centred; the results are the classic results view, scaled to fit.

#include <QRectF>
#include <QSize>
#include <array>
#include <vector>

namespace kov::ui {

// The smallest felt table that holds everything (the settings panel at full size).
inline constexpr QSize FeltMinimumSize{824, 600};

struct FeltSeat {
    int opponent = 1;              // 1, 2 or 3
    QRectF name;                   // its name and level
    std::array<QRectF, 13> cards;  // its cards face down, first to last (later ones on top)
};

struct FeltLayout {
    QSizeF size;
    double cardWidth = 0, cardHeight = 0;
    std::array<QRectF, 26> cells;     // the player's cells, numbered as TableMove numbers them
    std::array<QRectF, 3> handNames;  // right of the front, middle and back rows
    QRectF info;                      // the options in force and the balance
    QRectF arrangementPanel;
    double panelScale = 1;  // the arrangement panel and the dock's buttons and notes
    QRectF suggestButton, undoButton;
    QRectF notes;                 // the notes for the player, word-wrapped
    std::vector<FeltSeat> seats;  // opponent 1 first
    QRectF settingsPanel;
    double settingsScale = 1;
    QRectF results;  // the 800 x 600 results view, scaled by resultsScale
    double resultsScale = 1;
};

// The layout for a widget of `size` with `opponents` opponents (1 to 3).
FeltLayout layoutFelt(QSize size, int opponents);

// The player's cell under `p`, or -1: a raised or overlapping card is found by its rectangle.
int feltCellAt(const FeltLayout& layout, QPointF p);

}  // namespace kov::ui
