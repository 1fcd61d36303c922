// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The showdown on the felt results: after the commit the opponents' rows turn up row by row (all
// fronts, then the middles, then the backs, each pairing's mark and the running totals with
// them), then the totals and the change of the balance. It only counts the steps on a clock; the
// felt results paint what the step shows.

#include <QObject>

#include "ui/card_motion.h"
#include "ui/felt_results.h"

namespace kov::ui {

class Showdown : public QObject {
    Q_OBJECT
  public:
    // How long the player's rows lie alone, and how long each step shows before the next, at
    // normal speed; a step's cards turn over in its first TurnMs.
    static constexpr qint64 LeadMs = 400, StepMs = 800, TurnMs = 300;

    explicit Showdown(MotionClock& clock, QObject* parent = nullptr);

    // From the player's rows alone to the totals, at `speed`; off shows the totals at once.
    void start(MotionSpeed speed);
    // At the totals at once (a click, Space, Enter, OK).
    void finish();
    bool running() const { return running_; }

    ShowdownStep step() const { return step_; }
    // How far the cards of the step in force have turned over, 0 to 1.
    double turned() const;

  signals:
    void changed();
    // A step was reached (each turn-up, and the totals).
    void stepReached(ShowdownStep step);

  private:
    void onTick();
    void reach(ShowdownStep step);
    qint64 startOf(ShowdownStep step) const;

    MotionClock& clock_;
    ShowdownStep step_ = ShowdownStep::Totals;
    qint64 start_ = 0, stepMs_ = StepMs, leadMs_ = LeadMs, turnMs_ = TurnMs;
    bool running_ = false;
};

}  // namespace kov::ui
