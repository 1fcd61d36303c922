// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The player's table: two rows of cells, the arrangement row above the hand row, each as long as
// a holding. A cell is numbered row * RowLength + column: 0-2 front, 3-7 middle, 8-12 back (the
// arrangement row, top to bottom on the screen), 13-25 the hand row.

#include <optional>

#include "cards/hand.h"

namespace kov {

constexpr int RowLength = HoldingSize;  // a row holds a whole holding
constexpr int ArrangementRow = 0;       // cells 0-2 front, 3-7 middle, 8-12 back
constexpr int HandRow = 1;              // the cards not yet placed
constexpr int RowCount = 2;
constexpr int CellCount = RowCount * RowLength;

constexpr int cellAt(int row, int column) {
    return row * RowLength + column;
}
constexpr int rowOf(int cell) {
    return cell / RowLength;
}
constexpr int columnOf(int cell) {
    return cell % RowLength;
}
constexpr int HandRowFirst = cellAt(HandRow, 0);

// A run of cells, first to last.
struct CellRange {
    int first, last;
    constexpr bool contains(int cell) const { return first <= cell && cell <= last; }
};
constexpr CellRange FrontCells{0, 2}, MiddleCells{3, 7}, BackCells{8, 12};
constexpr CellRange HandRowCells{HandRowFirst, CellCount - 1};

// Where a cell stands: the hand at its position, or the hand row (no position).
using TableSection = std::optional<Position>;
constexpr TableSection HandRowSection = std::nullopt;
constexpr TableSection sectionOf(int cell) {
    if (cell <= FrontCells.last) return Position::Front;
    if (cell <= MiddleCells.last) return Position::Middle;
    if (cell <= BackCells.last) return Position::Back;
    return HandRowSection;
}

}  // namespace kov
