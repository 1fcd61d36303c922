// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game_state.h"

namespace kov {

void startUp(GameState& g, Random& rng) {
    g.DealChoiceThreshold = DefaultDealChoiceThreshold;
    initDealing(rng);
    g.HandRowOrder = HandOrder::BySuit;
}

void loadHandIntoTable(GameState& g) {
    for (int i = 0; i < RowLength; ++i) {
        g.TableGrid[HandRow][i] = toFaceNumber(g.Holdings.Rows[0][static_cast<std::size_t>(i)]);
        g.TableGrid[ArrangementRow][i] = EmptyCell;
    }
}

void buildPlayerSets(GameState& g) {
    PlayerSetsType& p = g.PlayerSets;
    p = PlayerSetsType{};
    for (int i = 0; i < RowLength; ++i) {
        const int cell = g.TableGrid[ArrangementRow][i];
        if (cell == EmptyCell) continue;
        const auto card = static_cast<CardIndex>(fromFaceNumber(cell));
        // Column i of the arrangement row is cell i.
        addCard(FrontCells.contains(i)    ? p.front
                : MiddleCells.contains(i) ? p.middle
                                          : p.back,
                card);
    }
    for (int cell : g.TableGrid[HandRow])
        if (cell != EmptyCell) addCard(p.leftover, static_cast<CardIndex>(fromFaceNumber(cell)));
}

void sortHandRow(GameState& g) {
    auto& row = g.TableGrid[HandRow];
    if (g.HandCount <= 0) return;
    // Greatest first, so every empty cell (-1) ends up behind the cards.
    for (int i = 0; i < RowLength; ++i)
        for (int j = i + 1; j < RowLength; ++j)
            if (row[i] < row[j]) std::swap(row[i], row[j]);
    const auto key = [&](int face) {
        return g.HandRowOrder == HandOrder::BySuit ? fromFaceNumber(face) : numberOrderKey(face);
    };
    const int n = std::min(g.HandCount, RowLength);
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (key(row[i]) > key(row[j])) std::swap(row[i], row[j]);
}

bool clickCell(GameState& g, int row, int column) {
    if (row < 0 || row >= RowCount || column < 0 || column >= RowLength) return false;
    int& target = g.TableGrid[row][column];
    if (g.SelectedCell == -1) {
        if (target != EmptyCell) g.SelectedCell = cellAt(row, column);
        return true;
    }
    const int sourceRow = rowOf(g.SelectedCell);
    int& source = g.TableGrid[sourceRow][columnOf(g.SelectedCell)];
    if (target == EmptyCell) {
        target = source;
        source = EmptyCell;
        if (sourceRow != row) {
            const int toArrangement = row == ArrangementRow ? 1 : -1;
            g.ArrangedCount += toArrangement;
            g.HandCount -= toArrangement;
        }
    } else {
        std::swap(target, source);
    }
    g.SelectedCell = -1;
    return true;
}

}  // namespace kov
