// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/table_moves.h"

namespace kov {

namespace {

int cardAt(const GameState& g, int cell) {
    if (cell < 0 || cell >= CellCount) return EmptyCell;
    return g
        .TableGrid[static_cast<std::size_t>(rowOf(cell))][static_cast<std::size_t>(columnOf(cell))];
}

TableHistory::Snapshot snapshotOf(const GameState& g) {
    return {g.TableGrid, g.ArrangedCount, g.HandCount};
}

void restore(GameState& g, const TableHistory::Snapshot& s) {
    g.TableGrid = s.grid;
    g.ArrangedCount = s.arranged;
    g.HandCount = s.hand;
    g.SelectedCell = -1;
    sortHandRow(g);
}

// Moves the card of `from` to `to` by the rules' two clicks.
void moveCard(GameState& g, int from, int to) {
    g.SelectedCell = -1;
    clickCell(g, rowOf(from), columnOf(from));
    clickCell(g, rowOf(to), columnOf(to));
}

}  // namespace

int firstEmptyCell(const GameState& g, TableSection section) {
    for (int cell = 0; cell < CellCount; ++cell)
        if (sectionOf(cell) == section && cardAt(g, cell) == EmptyCell) return cell;
    return -1;
}

bool applyMove(GameState& g, TableHistory& history, const TableMove& move) {
    using K = TableMove::Kind;
    if (move.kind == K::Undo || move.kind == K::Redo) {
        auto& from = move.kind == K::Undo ? history.snapshots_ : history.redo_;
        auto& to = move.kind == K::Undo ? history.redo_ : history.snapshots_;
        if (from.empty()) {  // only a lifted card to put back, if any
            const bool lifted = g.SelectedCell != -1;
            g.SelectedCell = -1;
            return lifted;
        }
        to.push_back(snapshotOf(g));
        restore(g, from.back());
        from.pop_back();
        return true;
    }
    const TableHistory::Snapshot before = snapshotOf(g);
    const int selectedBefore = g.SelectedCell;
    switch (move.kind) {
        case K::Click:
            if (move.cell < 0 || move.cell >= CellCount) return false;
            clickCell(g, rowOf(move.cell), columnOf(move.cell));
            break;
        case K::PutBack:
            g.SelectedCell = -1;
            break;
        case K::SendTo: {
            const int target = firstEmptyCell(g, move.section);
            if (cardAt(g, move.cell) == EmptyCell || target == -1) return false;
            moveCard(g, move.cell, target);
            break;
        }
        case K::ReturnToHand: {
            const int target = firstEmptyCell(g, HandRowSection);
            if (sectionOf(move.cell) == HandRowSection || cardAt(g, move.cell) == EmptyCell ||
                target == -1)
                return false;
            moveCard(g, move.cell, target);
            break;
        }
        case K::Undo:
        case K::Redo:
            break;
    }
    sortHandRow(g);
    const bool moved = g.TableGrid != before.grid;
    if (moved) {
        history.snapshots_.push_back(before);
        history.redo_.clear();
    }
    return moved || g.SelectedCell != selectedBefore;
}

bool placeArrangement(GameState& g, TableHistory& history,
                      const std::array<int, HoldingSize>& faces) {
    const TableHistory::Snapshot before = snapshotOf(g);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        g.TableGrid[ArrangementRow][i] = faces[i];
        g.TableGrid[HandRow][i] = EmptyCell;
    }
    g.ArrangedCount = HoldingSize;
    g.HandCount = 0;
    g.SelectedCell = -1;
    if (g.TableGrid == before.grid) return false;
    history.snapshots_.push_back(before);
    history.redo_.clear();
    return true;
}

}  // namespace kov
