// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results view on the main window: each opponent's arrangement with its lines across the
// top, the player's with the verdict, the lines and the total at the bottom.

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QString>
#include <vector>

#include "game/game_flow.h"
#include "ui/card_library.h"

class QPainter;

namespace kov::ui {

// Whether the number on a line is a win, a loss or a tie for its seat. The view draws it as a
// shape left of the line (up triangle, down triangle, bar), in green, red or grey: the shape
// alone tells it.
enum class Mark { None, Won, Lost, Tied };
Mark markOf(int score);
// The mark's shape filling `square`, and its colour.
QPainterPath markPath(Mark mark, const QRectF& square);
QColor markColour(Mark mark);

// A text at its top-left position, and a card face at its top-left position.
struct PlacedText {
    int x, y;
    QString text;
    Mark mark = Mark::None;
};
struct PlacedCard {
    int x, y;
    int face;
};
struct PlacedResults {
    std::vector<PlacedText> texts;
    std::vector<PlacedText> headings;  // the seats' names above their blocks
    std::vector<PlacedCard> cards;     // drawn after the texts, in this order
};

// Where the results go, their texts in the player's language. Each seat's block: its texts 170 px
// right of the block's left, then its 13 cards 20 px apart (front, middle, back on three card
// lines). Opponent s's block starts at 270 x (s - 1) under the chi option, 280 x (s - 1) under the
// set option; its card lines are 100, 130, 160, its text lines 100, 140, 180, its verdict at 60.
// The player's block starts at 0: card lines 350, 380, 410, text lines 350, 390, 430, verdict 310
// and the total at 470. Above each block its seat's name: "Opponent s" at (block left + 10, 78),
// "You" at (10, 328), both in the player's language.
//
// With `handOutcomes` (the felt table) every hand line under the set option is marked too, by
// its outcome; the classic table marks the seats' verdicts alone, as it always has.
PlacedResults placeResults(const ResultsView& view, bool handOutcomes = false);

// Leftmost column of a mark, left of its text.
constexpr int MarkOffset = 15;
constexpr int MarkSize = 11;

// The font a text is drawn in: `base`, or when the text would run past `room` pixels the same
// font condensed (and, should that not suffice, smaller) until it fits. The text keeps its place.
QFont fittedFont(const QFont& base, const QString& text, int room);

// Draws the headings, the texts (black on an opaque white background) with their marks, then
// the cards. A text that would run past the right edge is drawn in a fitted font.
void paintResults(QPainter& painter, const PlacedResults& placed, const CardLibrary& cards);

}  // namespace kov::ui
