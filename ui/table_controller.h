// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's steps for the player's table, behind every view of it. The controller owns the
// game state, the generator, the evaluator, the strategies and the table's history; the views
// (the classic table, the felt table, the results, the review, the accessible cells) send it
// commands and repaint when it signals a change. TableMove is the only way the table changes.

#include <QObject>
#include <memory>
#include <vector>

#include "deal/strategy.h"
#include "game/arranging_notes.h"
#include "game/computer_seats.h"
#include "game/game_flow.h"
#include "game/saved_deal.h"
#include "game/suggestion.h"
#include "game/table_moves.h"

namespace kov::ui {

class TableController : public QObject {
    Q_OBJECT
  public:
    // `threads` for the simulation: 0 = one per hardware thread. Starts up the game: the
    // thresholds, the seed from the clock, the hand order by suit.
    explicit TableController(int threads = 0, QObject* parent = nullptr);
    ~TableController() override;

    const GameState& state() const { return game_; }
    // For the views' tests, which set a table up directly.
    GameState& state() { return game_; }
    Random& random() { return rng_; }
    const TableHistory& history() const { return history_; }
    // The specials the player's 13 cards make.
    const std::vector<HandCategory>& specials() const;
    // The last suggestion while the table stands as it laid it out, or null.
    const Suggestion* suggestion() const { return suggested_ ? &suggestion_ : nullptr; }
    // The settled deal (after commit(), until the next one), and how the player committed it
    // (the results say why one is ILLEGAL).
    const ResultsView& results() const { return results_; }
    Commit committed() const { return committed_; }

    // The options; each emits optionsChanged.
    void setOpponents(int count);
    void setStake(int units);
    void setScoring(ScoringOption option);
    void setHandOrder(HandOrder order);
    void buyPoints(int points);  // pointsBought, then optionsChanged
    // How well the computer's seats play from the next deal on.
    void setStrength(Strength strength);
    Strength strength() const { return strength_; }
    // Puts back the options and the balance of an earlier run, without a signal.
    void restoreOptions(int opponents, int stake, ScoringOption scoring, HandOrder order,
                        int points);

    // Deals the game's next deal and lets the computer's seats arrange: phaseChanged, then
    // dealStarted.
    void startGame();
    // The number of the deal on the table (or the last one dealt), from which the same holdings
    // and arrangements follow for the same options and level: `kovarin-engine start --seed`.
    DealNumber dealNumber() const { return dealNumber_; }
    // Whether it is a practice deal: settled and shown, but kept out of the balance.
    bool practice() const { return practice_; }
    bool hasDealt() const { return hasDealt_; }
    // Deal `number` as a practice deal with the options in force, from a generator of its own:
    // the game's generator and its deals are untouched. Between deals only (a deal being
    // arranged is played to its end); on the results the deal shown is accepted first.
    void startPracticeDeal(DealNumber number);
    // The deal being arranged, with its moves, as it is kept between runs.
    SavedDeal savedDeal(std::int64_t dealsBefore) const;
    // Puts a kept deal back on the table as it was left, its options and level in force (the
    // views show them from restoreOptions and setStrength): phaseChanged, then dealStarted.
    void resumeDeal(const SavedDeal& deal);
    // Applies a move while arranging: tableChanged when anything was looked at.
    void apply(const TableMove& move);
    // The computer's suggestion for the player's cards, laid out when the table can show it:
    // tableChanged.
    void suggest();
    // Why `commit` cannot be made now, and what to ask before it is.
    CommitRefusal refusal(Commit commit) const { return commitRefusal(game_, commit); }
    CommitQuestion question(Commit commit) const { return commitQuestion(game_, commit); }
    // Settles the deal (refusal() must be None): dealSettled, then phaseChanged.
    void commit(Commit commit);
    // The player saw the results: the balance is paid, back to the settings. phaseChanged.
    void acceptResults();

  signals:
    void optionsChanged();
    void pointsBought(int points);
    void tableChanged();
    void dealSettled();
    void phaseChanged();
    // A deal is on the table: dealt, a practice deal, or put back as it was left.
    void dealStarted();

  private:
    GameState game_;
    Random rng_;
    std::unique_ptr<Evaluator> evaluator_;
    Strength strength_ = DefaultStrength;
    Strategy strategy_{strategyOf(DefaultStrength)};  // the computer's seats at strength_
    Strategy advisor_{strategyOf(AdvisorStrength)};   // the suggestion (H)
    TableHistory history_;
    mutable std::vector<HandCategory> specials_;
    mutable CardSet specialsOf_;  // the holding that specials_ belongs to
    Suggestion suggestion_;
    bool suggested_ = false;
    ResultsView results_;
    DealNumber dealNumber_ = 0;
    bool practice_ = false;
    bool hasDealt_ = false;
    // After any deal is on the table.
    void dealt(DealNumber number, bool practice);
    Commit committed_;
};

}  // namespace kov::ui
