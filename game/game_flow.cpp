// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game_flow.h"

#include "cards/compare.h"
#include "cards/special.h"

namespace kov {
namespace {

// A seat's hand lines under the chi option: one for a special, else front, middle, back, each
// with the seat's own score. The rows hold the player's view; `side` is +1 for the player and -1
// for an opponent, whose own result is the player's negated.
void chiLines(SeatResult& seat, const Arrangement& a, int side) {
    const std::size_t lines = isDeclaredOutright(a.front.category) ? 1 : 3;
    for (std::size_t k = 0; k < lines; ++k)
        seat.handLines.push_back({seat.rows.categories[k], side * seat.rows.points[k]});
}
// Under the set option the hand lines are the three categories alone.
std::vector<HandLine> setLines(const ResultRows& rows) {
    return {{rows.categories[0], std::nullopt},
            {rows.categories[1], std::nullopt},
            {rows.categories[2], std::nullopt}};
}

// Whether an arrangement's hands are compared one by one: neither a special nor ILLEGAL.
bool comparedByHand(const Arrangement& a) {
    return a.back.category != IllegalMarker && !isSpecialCategory(a.back.category);
}

// Under the set option, each hand line's outcome for the player against opponent `seat`, front,
// middle, back: the sign of the hand's comparison, as the set's count takes it.
void addOutcomes(std::vector<HandLine>& lines, const GameState& g, int seat, int side) {
    const Arrangement& player = g.Arrangements[0];
    const Arrangement& opponent = g.Arrangements[static_cast<std::size_t>(seat)];
    if (!comparedByHand(player) || !comparedByHand(opponent)) return;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const std::int32_t points = handPoints(player, opponent, AllPositions[k]);
        const int outcome = side * ((points > 0) - (points < 0));
        lines[k].outcome = lines[k].outcome.value_or(0) + outcome;
    }
}

SeatResult opponentResult(const GameState& g, int seat) {
    const Arrangement& a = g.Arrangements[static_cast<std::size_t>(seat)];
    SeatResult result;
    result.rows = resultRow(g.DealSettlement, a, seat, g.Scoring);
    if (g.Scoring == ScoringOption::Chi) {
        chiLines(result, a, -1);
    } else {
        result.verdict = -result.rows.points[0];  // its own side against the player
        result.handLines = setLines(result.rows);
        addOutcomes(result.handLines, g, seat, -1);
    }
    return result;
}

}  // namespace

int pointsNeeded(const GameState& g) {
    const int perUnit = g.Scoring == ScoringOption::Chi ? 18 : 1;
    return g.OpponentCount * g.UnitStake * perUnit - g.PlayerPoints;
}

DealReport startGame(GameState& g, Random& rng, Evaluator& evaluator) {
    g.SettledPhase = Phase::Arranging;
    DealReport report = startDeal(g.seatsInPlay(), g.Scoring, g.DealChoiceThreshold, g.Holdings,
                                  g.Arrangements, rng, evaluator);
    g.ArrangedCount = 0;
    g.HandCount = HoldingSize;
    loadHandIntoTable(g);
    g.SelectedCell = -1;
    return report;
}

CommitRefusal commitRefusal(const GameState& g, Commit commit) {
    if (g.HandCount == 0) return CommitRefusal::None;
    if (commit.isRegular()) return CommitRefusal::ArrangeCards;
    if (commit.claim == cat::ThreeStraight) return CommitRefusal::ArrangeThreeStraights;
    if (commit.claim == cat::ThreeFlush) return CommitRefusal::ArrangeThreeFlushes;
    return CommitRefusal::None;
}

void commitArrangement(GameState& g, Commit commit) {
    g.SettledPhase = Phase::Results;
    buildPlayerSets(g);
    const PlayerSetsType& p = g.PlayerSets;
    Arrangement& seat = g.Arrangements[0];
    if (commit.isRegular())
        evaluateArrangement(seat, p.front, p.middle, p.back);
    else
        declareSpecial(seat, p.front, p.middle, p.back, p.leftover, *commit.claim);
    g.DealSettlement.settleDeal(g.Arrangements, g.seatsInPlay(), g.Scoring);
}

ResultsView showResults(GameState& g) {
    ResultsView view;
    view.option = g.Scoring;
    for (int s = 1; s <= g.OpponentCount; ++s)
        view.opponents.push_back(opponentResult(g, s));

    const Arrangement& a = g.Arrangements[0];
    SeatResult& player = view.player;
    player.rows = resultRow(g.DealSettlement, a, 0, g.Scoring);
    const int f = player.rows.points[0], m = player.rows.points[1], b = player.rows.points[2];
    if (g.Scoring == ScoringOption::Chi) {
        chiLines(player, a, 1);
        if (isDeclaredOutright(a.front.category))
            view.totalTerms = {f};
        else
            view.totalTerms = {f, m, b};
    } else {
        player.verdict = f;
        player.handLines = setLines(player.rows);
        for (int s = 1; s <= g.OpponentCount; ++s)
            addOutcomes(player.handLines, g, s, 1);
        view.totalTerms = {f};
    }
    view.stake = g.UnitStake;
    int sum = 0;
    for (int term : view.totalTerms)
        sum += term;
    view.gain = sum * g.UnitStake;
    g.PendingPoints = g.PlayerPoints + view.gain;
    view.pointsBefore = g.PlayerPoints;
    view.pointsAfter = g.PendingPoints;
    return view;
}

void acceptResults(GameState& g) {
    g.PlayerPoints = g.PendingPoints;
    g.SettledPhase = Phase::Settings;
}

}  // namespace kov
