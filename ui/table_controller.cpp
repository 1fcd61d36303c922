// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_controller.h"

#include "game/arranging_notes.h"
#include "game/computer_seats.h"

namespace kov::ui {

TableController::TableController(int threads, QObject* parent)
    : QObject(parent), evaluator_(std::make_unique<Evaluator>(ListCapacity, threads)) {
    startUp(game_, rng_);
}

TableController::~TableController() = default;

void TableController::setOpponents(int count) {
    game_.OpponentCount = count;
    emit optionsChanged();
}

void TableController::setStake(int units) {
    game_.UnitStake = units;
    emit optionsChanged();
}

void TableController::setScoring(ScoringOption option) {
    game_.Scoring = option;
    emit optionsChanged();
}

void TableController::setHandOrder(HandOrder order) {
    if (game_.HandRowOrder == order) return;
    game_.HandRowOrder = order;
    game_.SelectedCell = -1;
    sortHandRow(game_);
    emit optionsChanged();
    emit tableChanged();
}

void TableController::buyPoints(int points) {
    game_.PlayerPoints += points;
    emit pointsBought(points);
    emit optionsChanged();
}

void TableController::setStrength(Strength strength) {
    if (strength == strength_) return;
    strength_ = strength;
    strategy_ = Strategy(strategyOf(strength));
    emit optionsChanged();
}

void TableController::restoreOptions(int opponents, int stake, ScoringOption scoring,
                                     HandOrder order, int points) {
    game_.OpponentCount = opponents;
    game_.UnitStake = stake;
    game_.Scoring = scoring;
    game_.HandRowOrder = order;
    game_.PlayerPoints = points;
}

void TableController::startGame() {
    const DealNumber number = startNextDeal(game_, rng_, *evaluator_, strategy_);
    history_.clear();
    dealt(number, false);
}

void TableController::startPracticeDeal(DealNumber number) {
    if (game_.phase() == Phase::Arranging) return;
    if (game_.phase() == Phase::Results) kov::acceptResults(game_);
    startDealNumber(game_, number, *evaluator_, strategy_);
    history_.clear();
    dealt(number, true);
}

void TableController::resumeDeal(const SavedDeal& deal) {
    if (game_.phase() == Phase::Arranging) return;
    if (game_.phase() == Phase::Results) kov::acceptResults(game_);
    if (deal.strength != strength_) {
        strength_ = deal.strength;
        strategy_ = Strategy(strategyOf(strength_));
    }
    kov::resumeDeal(game_, history_, deal);
    dealt(deal.number, deal.practice);
}

void TableController::dealt(DealNumber number, bool practice) {
    sortHandRow(game_);
    suggested_ = false;
    dealNumber_ = number;
    practice_ = practice;
    hasDealt_ = true;
    emit phaseChanged();
    emit dealStarted();
}

SavedDeal TableController::savedDeal(std::int64_t dealsBefore) const {
    return savedDealOf(game_, history_, dealNumber_, practice_, strength_, dealsBefore);
}

const std::vector<HandCategory>& TableController::specials() const {
    const CardSet holding = setOf(game_.Holdings.Rows[0]);
    if (!(holding == specialsOf_)) {
        specials_ = specialsMade(holding);
        specialsOf_ = holding;
    }
    return specials_;
}

void TableController::apply(const TableMove& move) {
    if (game_.SettledPhase != Phase::Arranging) return;
    const int changes = history_.size();
    applyMove(game_, history_, move);
    if (history_.size() != changes) suggested_ = false;  // no longer laid out as suggested
    emit tableChanged();
}

void TableController::suggest() {
    if (game_.SettledPhase != Phase::Arranging) return;
    suggestion_ = suggestArrangement(setOf(game_.Holdings.Rows[0]), game_.Scoring, advisor_);
    if (suggestion_.placeable) placeArrangement(game_, history_, suggestion_.cells);
    suggested_ = true;
    emit tableChanged();
}

void TableController::commit(Commit commit) {
    commitArrangement(game_, commit);
    committed_ = commit;
    results_ = showResults(game_);
    if (practice_) game_.PendingPoints = game_.PlayerPoints;  // shown, the balance untouched
    emit dealSettled();
    emit phaseChanged();
}

void TableController::acceptResults() {
    kov::acceptResults(game_);
    emit phaseChanged();
}

}  // namespace kov::ui
