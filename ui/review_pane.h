// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The review of a finished deal, on demand, in the free area of the results view right of and
// below the player's block: the arrangement the computer would have played with the player's
// cards, and what it and the player's own arrangement are worth on the same simulated deals.
//
// The review measures at the suggestion's level, Hard: 1,000 simulated deals against imaginary
// opponents who each play their best arrangement. That takes about 10 ms on this machine (one
// thread), too short for a busy cursor, so it runs on the spot; it draws from its own generator and
// changes nothing in the game.

#include <QWidget>
#include <optional>

#include "game/game_state.h"
#include "game/review.h"
#include "ui/card_library.h"

class QPushButton;

namespace kov::ui {

class ReviewPane : public QWidget {
    Q_OBJECT
  public:
    // Where the pane sits on the 800 x 600 table.
    static constexpr QRect Area{430, 290, 360, 300};

    ReviewPane(const GameState& game, const CardLibrary& cards, QWidget* parent);

    // Reviews the deal on display (does nothing outside the results phase).
    void review();
    void clear();
    const std::optional<DealReview>& shown() const { return review_; }
    // The lines the pane shows, top to bottom.
    QStringList lines() const;
    QPushButton* button() const { return button_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const GameState& game_;
    const CardLibrary& cards_;
    QPushButton* button_;
    // Simulated deals per review: the suggestion's level's number.
    const int deals_ = simulatedDealsOf(strategyOf(AdvisorStrength));
    std::optional<DealReview> review_;
};

}  // namespace kov::ui
