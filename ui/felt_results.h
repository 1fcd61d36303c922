// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results on the felt table, at a glance: per opponent a matchup, the player's front, middle
// and back beside the opponent's, each pairing marked won, lost or tied (the classic results'
// shapes and colours) with its points under the chi option; under the set option the same marks
// per row and the set's verdict. A special, or the player's ILLEGAL arrangement, settles as one
// block: one mark for the matchup, the block's name and, for ILLEGAL, its reason in words. Below
// the matchups the player's total line and the results panel (the balance and OK).
//
// Everything is laid out in card widths from the table's size, as the felt table is, and every
// text is placed with the font it fits its room in. Each thing placed carries the step of the
// showdown from which it shows (the player's cards and the names at once, then the fronts, the
// middles, the backs, then the totals); the results shown still are step Totals.

#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "game/game_flow.h"
#include "ui/card_renderer.h"
#include "ui/results_view.h"

class QPainter;

namespace kov::ui {

// What one pairing of the player's row against the opponent's shows, from the player's side.
struct RowResult {
    Mark mark = Mark::None;          // None in a block, whose mark is the matchup's
    std::optional<int> points;       // chi option only
    HandCategory mine = cat::Trash;  // the two rows' categories
    HandCategory theirs = cat::Trash;
};

// One opponent against the player.
struct Matchup {
    int opponent = 1;
    std::array<RowResult, 3> rows;  // front, middle, back
    // A special on either side, or the player's ILLEGAL arrangement: settled as one block.
    bool block = false;
    // The player's result against this opponent, before the stake: the points under the chi
    // option, the set (+1, 0, -1) under the set option.
    int result = 0;
    // Said in words below the rows: the block's name, who wins outright, why ILLEGAL.
    QStringList notes;
    // The player's cards and the opponent's, in the results' display order (0..2 front, 3..7
    // middle, 8..12 back; -1 for none).
    std::array<int, 13> myCards{}, theirCards{};
};

// The matchups of the settled deal in `g`, as `view` shows it; `committed` is how the player
// committed (its reason is given for an ILLEGAL arrangement).
std::vector<Matchup> matchupsOf(const GameState& g, const ResultsView& view, Commit committed);

// The steps of the showdown: the results shown still are at Totals.
enum class ShowdownStep : int { Seats = 0, Fronts = 1, Middles = 2, Backs = 3, Totals = 4 };

// A text in its room, with the font it fits in, and a mark left of it.
struct FeltText {
    QRectF room;
    QString text;
    QFont font;
    QColor colour;
    Qt::Alignment align = Qt::AlignCenter;
    Mark mark = Mark::None;
    ShowdownStep from = ShowdownStep::Seats;
    ShowdownStep until = ShowdownStep::Totals;  // shown up to and with this step
};
// A card: face up from step `from` on, face down before (the player's own are up at once).
struct FeltCard {
    QRectF rect;
    int face = -1;
    ShowdownStep from = ShowdownStep::Seats;
};
// A matchup's box, drawn behind it.
struct FeltBox {
    QRectF rect;
    int opponent = 1;
};

struct FeltResults {
    std::vector<Matchup> matchups;
    double cardWidth = 0, cardHeight = 0;
    std::vector<FeltBox> boxes;
    std::vector<FeltCard> cards;
    std::vector<FeltText> texts;
    QRectF panel;  // the results panel (the balance and OK)
    double panelScale = 1;
    QRectF review;  // the review pane
    double reviewScale = 1;
};

// The felt results for a table of `size`; `level` is the opponents' level as its button says it.
FeltResults layoutFeltResults(QSize size, const std::vector<Matchup>& matchups,
                              const ResultsView& view, const QFont& base, const QString& level);

// Paints the felt results as they stand at `step`: what shows from a later step is not drawn,
// and an opponent's card not yet turned up is drawn face down. The cards of `step` itself have
// turned over `turned` of the way (0 to 1: narrowed about their middle, the face from half way),
// and its texts show from half way.
void paintFeltResults(QPainter& painter, const FeltResults& results, CardRenderer& renderer,
                      CardBack back, ShowdownStep step = ShowdownStep::Totals, double turned = 1);

// Draws a card turning over: `turn` 1 flat, 0 edge on.
void drawTurning(QPainter& painter, CardRenderer& renderer, const QRectF& rect, int face,
                 CardBack back, double turn);

}  // namespace kov::ui
