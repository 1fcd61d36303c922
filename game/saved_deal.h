// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The deal in progress as it is kept between runs: everything continuing it exactly needs (its
// number, the options and the level it was dealt under, the holdings, the computer's
// arrangements, the table with its moves to undo and redo), and its text, one value a line.
// A deal is played to its end: quitting, a crash or a kill brings it back as it was.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "deal/strategy.h"
#include "game/game_state.h"
#include "game/table_moves.h"

namespace kov {

struct SavedDeal {
    std::uint32_t number = 0;  // the deal's number: `kovarin-engine start --seed`
    bool practice = false;     // settled and shown, kept out of the balance and the statistics
    int opponents = 1;
    int stake = 1;
    ScoringOption scoring = ScoringOption::Chi;
    Strength strength = DefaultStrength;
    // The deals the statistics counted when it was dealt: once they count more, it is settled.
    std::int64_t dealsBefore = 0;
    Deal holdings;
    SeatArrangements arrangements;
    HandOrder handOrder = HandOrder::BySuit;
    TableGridType table;
    TableHistory history;
    bool operator==(const SavedDeal&) const = default;
};

// The deal on the table `g` (arranging), with its moves.
SavedDeal savedDealOf(const GameState& g, const TableHistory& history, std::uint32_t number,
                      bool practice, Strength strength, std::int64_t dealsBefore);

// Puts a saved deal back on the table: its options, cards, arrangements and moves; the
// arranging phase. The balance is left as it is.
void resumeDeal(GameState& g, TableHistory& history, const SavedDeal& deal);

// The saved deal as text, and back: nothing when the text is not a sound deal of this game (a
// table that does not hold the player's cards, cards twice, a value out of range...).
std::string savedDealText(const SavedDeal& deal);
std::optional<SavedDeal> readSavedDeal(std::string_view text);

}  // namespace kov
