// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one record of options, points, phases, holdings, arrangements and the player's table,
// with the operations that move cards between the dealt holding, the table and the card sets.

#include <array>

#include "deal/driver.h"
#include "game/table_cells.h"
#include "settle/settlement.h"

namespace kov {

constexpr int EmptyCell = -1;

using TableGridType = std::array<std::array<int, RowLength>, RowCount>;

struct PlayerSetsType {
    CardSet front, middle, back, leftover;
};

// The three views of the game, one at a time: the settings panel; the player's table with the
// arrangement panel; the results view with its panel.
enum class Phase { Settings, Arranging, Results };

// How the hand row keeps the cards not yet placed.
enum class HandOrder { ByCardNumber = 0, BySuit = 1 };

struct GameState {
    int OpponentCount = 1;  // seats 1..OpponentCount play against the human in seat 0
    int UnitStake = 1;
    Phase SettledPhase = Phase::Settings;  // a game starts between deals
    int SelectedCell = -1;                 // cellAt(row, column), or -1
    ScoringOption Scoring = ScoringOption::Chi;
    int PlayerPoints = 0;
    int PendingPoints = 0;
    HandOrder HandRowOrder = HandOrder::ByCardNumber;  // by suit from start-up on
    TableGridType TableGrid;
    int ArrangedCount = 0;
    int HandCount = 0;
    PlayerSetsType PlayerSets;
    Deal Holdings;                  // the dealt cards, row s for seat s
    SeatArrangements Arrangements;  // what each seat plays in this deal
    ThresholdTable DealChoiceThreshold{};
    Settlement DealSettlement;

    GameState() {
        for (auto& row : TableGrid)
            row.fill(EmptyCell);
    }
    Phase phase() const { return SettledPhase; }
    int seatsInPlay() const { return OpponentCount + 1; }
};

// The start-up values that the program sets before the first deal: thresholds, the generator's
// seed and the tables, and the hand order by suit.
void startUp(GameState& g, Random& rng);

void loadHandIntoTable(GameState& g);
void buildPlayerSets(GameState& g);

// Sorts the hand row: cards packed to the left, ordered by suit or by card number.
void sortHandRow(GameState& g);

// The click-to-move rule on the table: the first click on a card selects it, the second moves
// it into an empty cell or swaps two cards. Answers whether anything needs repainting.
bool clickCell(GameState& g, int row, int column);

}  // namespace kov
