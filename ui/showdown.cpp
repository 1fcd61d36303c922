// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/showdown.h"

#include <algorithm>

namespace kov::ui {

Showdown::Showdown(MotionClock& clock, QObject* parent) : QObject(parent), clock_(clock) {
    connect(&clock_, &MotionClock::ticked, this, &Showdown::onTick);
}

void Showdown::start(MotionSpeed speed) {
    finish();
    if (speed == MotionSpeed::Off) {
        step_ = ShowdownStep::Totals;
        emit stepReached(step_);
        emit changed();
        return;
    }
    const qint64 factor = speed == MotionSpeed::Fast ? 2 : 1;
    stepMs_ = StepMs / factor;
    leadMs_ = LeadMs / factor;
    turnMs_ = TurnMs / factor;
    start_ = clock_.now();
    step_ = ShowdownStep::Seats;
    running_ = true;
    clock_.start();
    emit changed();
}

void Showdown::finish() {
    if (!running_) return;
    running_ = false;
    clock_.stop();
    reach(ShowdownStep::Totals);
}

qint64 Showdown::startOf(ShowdownStep step) const {
    const int k = static_cast<int>(step);
    return k == 0 ? start_ : start_ + leadMs_ + (k - 1) * stepMs_;
}

double Showdown::turned() const {
    if (!running_ || step_ == ShowdownStep::Seats) return 1;
    const qint64 since = clock_.now() - startOf(step_);
    return std::clamp(static_cast<double>(since) / static_cast<double>(turnMs_), 0.0, 1.0);
}

void Showdown::reach(ShowdownStep step) {
    if (step == step_ && step != ShowdownStep::Totals) return;
    step_ = step;
    emit stepReached(step);
    emit changed();
}

void Showdown::onTick() {
    if (!running_) return;
    ShowdownStep now = step_;
    for (int k = static_cast<int>(step_) + 1; k <= static_cast<int>(ShowdownStep::Totals); ++k)
        if (clock_.now() >= startOf(static_cast<ShowdownStep>(k)))
            now = static_cast<ShowdownStep>(k);
    if (now == ShowdownStep::Totals) {
        finish();
        return;
    }
    if (now != step_)
        reach(now);
    else
        emit changed();  // the cards turning over
}

}  // namespace kov::ui
