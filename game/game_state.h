#pragma once
// The one record of options, points, phases, holdings, arrangements and the player's table,
// with the operations that move cards between the dealt holding, the table and the card sets.

#include <array>

#include "deal/driver.h"
#include "settle/settlement.h"

namespace kov {

constexpr int ArrangementRow = 0;  // cells 0-2 front, 3-7 middle, 8-12 back
constexpr int HandRow = 1;         // the cards not yet placed
constexpr int EmptyCell = -1;

using TableGridType = std::array<std::array<int, 13>, 2>;

struct PlayerSetsType {
    CardSet front, middle, back, leftover;
};

struct GameState {
    int OpponentCount = 1;  // seats 1..OpponentCount play against the human in seat 0
    int UnitStake = 1;
    int SettingsShown = -1;  // phase flags; -1 = not yet settled, counts as set
    int TableShown = -1;
    int ResultsShown = -1;
    int SelectedCell = -1;  // row * 13 + column, or -1
    int ScoringOption = 0;  // 0 chi option, 1 set option
    int PlayerPoints = 0;
    int PendingPoints = 0;
    int HandOrder = 0;  // 1 = hand row by suit, 0 = by card number
    TableGridType TableGrid;
    int ArrangedCount = 0;
    int HandCount = 0;
    PlayerSetsType PlayerSets;
    Deal deal;
    SeatArrangements seatArrangements;
    ThresholdTable DealChoiceThreshold{};
    Settlement settlement;

    GameState() {
        for (auto& row : TableGrid)
            row.fill(EmptyCell);
    }
    kov::ScoringOption option() const { return static_cast<kov::ScoringOption>(ScoringOption); }
    int seatsInPlay() const { return OpponentCount + 1; }
};

// The start-up values that the program sets before the first deal: thresholds, the generator's
// seed and the tables, and the hand order by suit.
void startUp(GameState& g, Random& rng);

void loadHandIntoTable(GameState& g);
void buildPlayerSets(GameState& g);

// Phase transitions.
void enterFirstPhase(GameState& g, bool settingsDialogExists);
void enterTablePhase(GameState& g);
void enterResultsPhase(GameState& g);
void enterSettingsPhase(GameState& g);

// Sorts the hand row: cards packed to the left, ordered by suit (HandOrder 1) or card number.
void sortHandRow(GameState& g);

// The click-to-move rule on the table: the first click on a card selects it, the second moves
// it into an empty cell or swaps two cards. Answers whether anything needs repainting.
bool clickCell(GameState& g, int row, int column);

}  // namespace kov
