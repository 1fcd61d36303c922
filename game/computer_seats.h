// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// START GAME at the computer's chosen strength: the deal driver's step, then the computer's seats
// choose again at that level. The game and the engine tool take the same steps, so any deal the
// game plays can be replayed by the tool.

#include "deal/driver.h"
#include "deal/strategy.h"
#include "game/game_state.h"

namespace kov {

// The generator the computer's seats choose with at a level other than normal: seeded from the
// dealt cards (FNV-1a over the four rows, a byte per card), so that the game's own generator, and
// with it every later deal, is the same whatever the level.
Random computerSeatsRandom(const Deal& deal);

// The computer's seats 1..n-1 of the deal the driver has just started (startDeal() into `deal`
// and `seats`) play at `strategy`'s level: playAtStrength() with computerSeatsRandom(deal).
void playComputerSeats(Strategy& strategy, int n, const Deal& deal, SeatArrangements& seats,
                       ScoringOption option);

// START GAME (startGame()), then the computer's seats at `strategy`'s level.
DealReport startGameAtStrength(GameState& g, Random& rng, Evaluator& evaluator, Strategy& strategy);

// Every deal has a number: the state of the generator it is dealt from. Deal N at a level is
// `kovarin-engine start --seed N --strength L`: startGameAtStrength() from Random(N).
using DealNumber = std::uint32_t;

// The game's next deal, from the game's own generator: its number is the generator's state, and
// the generator goes on from where the deal left it, so the game deals one deal after another as
// the rules do.
DealNumber startNextDeal(GameState& g, Random& rng, Evaluator& evaluator, Strategy& strategy);

// Deal `number` again (a replay, a deal chosen by its number): from a generator of its own, so the
// game's generator and the deals that follow are untouched.
void startDealNumber(GameState& g, DealNumber number, Evaluator& evaluator, Strategy& strategy);

}  // namespace kov
