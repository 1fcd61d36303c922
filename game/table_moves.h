// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Every change the player makes to the table, whatever the input: a click, a drag, a key or a
// suggestion becomes one TableMove, and applyMove() is the one place that changes the table.
// All moves go through the click-to-move rule (an empty cell takes the card, a full one swaps),
// and every move that changes a cell is kept so it can be undone, back to the table as dealt, and
// what was undone can be redone until the next change.

#include <array>
#include <vector>

#include "game/game_state.h"

namespace kov {

// The first empty cell of a section, or -1 when it is full.
int firstEmptyCell(const GameState& g, TableSection section);

struct TableMove {
    enum class Kind {
        Click,         // the rules' click on `cell`: lifts its card, or drops the lifted one there
        PutBack,       // the lifted card goes back to its cell
        SendTo,        // the card in `cell` to the first empty cell of `section`
        ReturnToHand,  // the placed card in `cell` to the hand row
        Undo,          // the last change of the table is taken back
        Redo,          // the last change taken back is made again
    };
    Kind kind = Kind::Click;
    int cell = -1;
    TableSection section = HandRowSection;
};

// The table as it stood before each change, newest last, and the tables that undoing left
// behind, the next to redo last. A new change clears what there was to redo.
class TableHistory {
  public:
    struct Snapshot {
        TableGridType grid;
        int arranged = 0, hand = 0;
        bool operator==(const Snapshot&) const = default;
    };
    TableHistory() = default;
    TableHistory(std::vector<Snapshot> undo, std::vector<Snapshot> redo)
        : snapshots_(std::move(undo)), redo_(std::move(redo)) {}

    void clear() {
        snapshots_.clear();
        redo_.clear();
    }
    bool empty() const { return snapshots_.empty(); }
    int size() const { return static_cast<int>(snapshots_.size()); }
    bool canRedo() const { return !redo_.empty(); }
    const std::vector<Snapshot>& undoList() const { return snapshots_; }
    const std::vector<Snapshot>& redoList() const { return redo_; }
    bool operator==(const TableHistory&) const = default;

  private:
    std::vector<Snapshot> snapshots_;
    std::vector<Snapshot> redo_;
    friend bool applyMove(GameState&, TableHistory&, const TableMove&);
    friend bool placeArrangement(GameState&, TableHistory&, const std::array<int, HoldingSize>&);
};

// Applies one move and re-sorts the hand row. Answers whether anything (a card or the lifted
// card) changed. A move that cannot apply (an empty cell, a full section) changes nothing.
bool applyMove(GameState& g, TableHistory& history, const TableMove& move);

// Lays out the whole arrangement row at once (face numbers, front, middle, back), the hand row
// empty: one change, undone as one. The faces must be the player's 13 cards.
bool placeArrangement(GameState& g, TableHistory& history,
                      const std::array<int, HoldingSize>& faces);

}  // namespace kov
