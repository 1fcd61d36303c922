// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The steps of one deal as the dialogs run them: points needed before a deal, START GAME, the
// player's commit, and the results view's lines, cards and balance.

#include <optional>
#include <vector>

#include "game/game_state.h"
#include "settle/result_rows.h"

namespace kov {

// Points still missing before START GAME may be shown: the largest loss the options allow
// (18 per opponent and unit under the chi option, 1 under the set option) less the balance.
// Nothing is missing when it is 0 or less.
int pointsNeeded(const GameState& g);

// START GAME: the arranging phase, the deal driver, the human's cards into the hand row.
DealReport startGame(GameState& g, Random& rng, Evaluator& evaluator);

// A commit of the arrangement dialog: REGULAR, or the claim of a special holding
// (cat::SixPairs .. cat::ThirteenStraightFlush).
struct Commit {
    std::optional<HandCategory> claim;  // nothing for REGULAR

    static constexpr Commit regular() { return {}; }
    static constexpr Commit of(HandCategory special) { return {special}; }
    constexpr bool isRegular() const { return !claim.has_value(); }
    bool operator==(const Commit&) const = default;
};

// Why a commit may not go ahead yet: the cards are not all placed (REGULAR), and the two claims
// whose hands the rules read from the table (3 straight, 3 flush) ask for them to be laid out.
enum class CommitRefusal { None, ArrangeCards, ArrangeThreeStraights, ArrangeThreeFlushes };
CommitRefusal commitRefusal(const GameState& g, Commit commit);
// Records seat 0's arrangement (possibly ILLEGAL) and settles the deal.
void commitArrangement(GameState& g, Commit commit);

// One hand line of the results view: the hand's category (IllegalMarker for ILLEGAL) and, under
// the chi option, the seat's own score of it.
struct HandLine {
    HandCategory category = cat::Trash;
    std::optional<int> score;
    // Under the set option, when the seats' hands were compared one by one (ordinary, legal
    // arrangements): the seat's own outcome of the hand, > 0 won, 0 tied, < 0 lost; the
    // player's is summed over the opponents.
    std::optional<int> outcome = std::nullopt;
    bool operator==(const HandLine&) const = default;
};

// What the results view shows of one seat: under the set option its verdict, the lines that
// name its hands (one for a special under the chi option, else front, middle, back) and its
// 13 cards in display order.
//
// Every number shown beside a seat is that seat's own result: an opponent's hand scores and
// verdict are its result against the player, the player's are the sum over the opponents. The
// rows keep the settlement's view (the player's result against the seat).
struct SeatResult {
    ResultRows rows;
    std::optional<int> verdict;  // set option only: > 0 won, 0 tied, < 0 lost
    std::vector<HandLine> handLines;
};
struct ResultsView {
    ScoringOption option = ScoringOption::Chi;
    std::vector<SeatResult> opponents;  // seats 1..OpponentCount
    SeatResult player;
    // The total line: (terms summed) x stake points = gain. The terms are the player's front,
    // middle and back scores, or one: a special's under the chi option, the sets under the set
    // option.
    std::vector<int> totalTerms;
    int stake = 1;
    int gain = 0;
    // The balance before the deal and with its gain.
    int pointsBefore = 0;
    int pointsAfter = 0;
};
// The results of the settled deal and PendingPoints (repeatable: PlayerPoints is not changed).
ResultsView showResults(GameState& g);
// OK in the results dialog: commits the balance and returns to the settings phase.
void acceptResults(GameState& g);

}  // namespace kov
