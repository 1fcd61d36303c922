#pragma once
// The results view on the main window: each opponent's arrangement with its lines across the
// top, the player's with the verdict, the lines and the total at the bottom.

#include <QString>
#include <vector>

#include "game/game_flow.h"
#include "ui/card_library.h"

class QPainter;

namespace kov::ui {

// A text at its top-left position, and a card face at its top-left position.
struct PlacedText {
    int x, y;
    QString text;
};
struct PlacedCard {
    int x, y;
    int face;
};
struct PlacedResults {
    std::vector<PlacedText> texts;
    std::vector<PlacedCard> cards;  // drawn after the texts, in this order
};

// Where the results go, their texts in the player's language. Each seat's block: its texts 170 px
// right of the block's left, then its 13 cards 20 px apart (front, middle, back on three card
// lines). Opponent s's block starts at 270 x (s - 1) under the chi option, 280 x (s - 1) under the
// set option; its card lines are 100, 130, 160, its text lines 100, 140, 180, its verdict at 60.
// The player's block starts at 0: card lines 350, 380, 410, text lines 350, 390, 430, verdict 310
// and the total at 470.
PlacedResults placeResults(const ResultsView& view);

// Draws the texts (black on an opaque white background), then the cards.
void paintResults(QPainter& painter, const PlacedResults& placed, const CardLibrary& cards);

}  // namespace kov::ui
