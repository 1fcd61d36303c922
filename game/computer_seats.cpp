// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/computer_seats.h"

#include "game/game_flow.h"

namespace kov {

Random computerSeatsRandom(const Deal& deal) {
    std::uint32_t h = FnvOffset;
    for (const Holding& row : deal.Rows)
        h = fnvHash(row, h);
    return Random(h);
}

void playComputerSeats(Strategy& strategy, int n, const Deal& deal, SeatArrangements& seats,
                       ScoringOption option) {
    Random rng = computerSeatsRandom(deal);
    playAtStrength(strategy, n, seats, option, rng);
}

DealReport startGameAtStrength(GameState& g, Random& rng, Evaluator& evaluator,
                               Strategy& strategy) {
    DealReport report = startGame(g, rng, evaluator);
    playComputerSeats(strategy, g.seatsInPlay(), g.Holdings, g.Arrangements, g.Scoring);
    return report;
}

DealNumber startNextDeal(GameState& g, Random& rng, Evaluator& evaluator, Strategy& strategy) {
    const DealNumber number = rng.state();
    startGameAtStrength(g, rng, evaluator, strategy);
    return number;
}

void startDealNumber(GameState& g, DealNumber number, Evaluator& evaluator, Strategy& strategy) {
    Random own(number);
    startGameAtStrength(g, own, evaluator, strategy);
}

}  // namespace kov
