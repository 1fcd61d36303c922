// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Long random play through the real widgets: whole deals with random clicks, drags and keys on
// the table, undo and suggestions, random orders, specials and regular commits (with the
// questions answered at random), option changes and point purchases. After every event the
// table, the counters, the phase and the balance must be in order.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <random>

#include "cards/test_soak.h"
#include "game/table_clicks.h"
#include "ui/main_window.h"
#include "ui/ui_test_support.h"

namespace kov::ui {
namespace {

class RandomPlayer {
  public:
    RandomPlayer(MainWindow& w, std::uint32_t seed) : w_(w), rng_(seed) {
        w_.showMessage = [this](const QString&) { ++messages_; };
        w_.askQuestion = [this](const QString&) {
            ++questions_;
            return pick(2) == 0;
        };
        w_.setInputGuard(0);
    }

    int dealsPlayed() const { return deals_; }

    void step() {
        switch (w_.state().phase()) {
            case Phase::Settings:
                settingsStep();
                break;
            case Phase::Arranging:
                tableStep();
                break;
            case Phase::Results:
                resultsStep();
                break;
        }
        check();
    }

  private:
    int pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }

    void settingsStep() {
        using S = SettingsControl;
        SettingsPanel* s = w_.settingsDialog();
        if (s->control(S::StartGame)->isVisible() && pick(3) == 0) {
            press(s, S::StartGame);
            dealStarted_ = true;
            return;
        }
        static constexpr S Options[] = {S::OneOpponent, S::TwoOpponents, S::ThreeOpponents,
                                        S::OneUnit,     S::TwoUnits,     S::ChiOption,
                                        S::SetOption};
        static constexpr S Points[] = {S::AddOnePoint, S::AddFivePoints, S::AddTenPoints,
                                       S::AddTwentyPoints};
        static constexpr int Amount[] = {1, 5, 10, 20};
        if (pick(2) == 0) {
            press(s, Options[pick(7)]);
        } else {
            const int k = pick(4);
            press(s, Points[k]);
            purchased_ += Amount[k];
        }
    }

    void tableStep() {
        GameState& g = w_.state();
        const int action = pick(32);
        if (action < 10) {  // a click somewhere on the table, sometimes between cells
            QTest::mouseClick(&w_, Qt::LeftButton, {}, somewhere());
        } else if (action < 14) {  // a drag from a cell to a cell, or to nowhere
            const QPoint from = cardRect(pick(2), pick(13)).center();
            QTest::mousePress(&w_, Qt::LeftButton, {}, from);
            check();
            for (int k = 1; k <= 3; ++k) {
                QTest::mouseMove(&w_, from + QPoint(7 * k, 5 * k));
                check();
            }
            QTest::mouseRelease(&w_, Qt::LeftButton, {},
                                pick(4) == 0 ? QPoint(700, 300) : somewhere());
            ASSERT_EQ(w_.tableAids().dragCell, -1);
        } else if (action < 24) {  // a key of the table
            static constexpr int Keys[] = {
                Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,      Qt::Key_Space,
                Qt::Key_1,    Qt::Key_2,     Qt::Key_3,  Qt::Key_Backspace, Qt::Key_Escape};
            QTest::keyClick(&w_, static_cast<Qt::Key>(Keys[pick(10)]));
        } else if (action < 26) {
            QTest::keyClick(&w_, Qt::Key_Z, Qt::ControlModifier);
        } else if (action < 27) {
            // The suggestion draws nothing from the game's generator.
            const std::uint32_t dealSequence = w_.random().state();
            if (pick(2) == 0)
                QTest::keyClick(&w_, Qt::Key_H);
            else
                QTest::mouseClick(w_.suggestButton(), Qt::LeftButton);
            ASSERT_EQ(w_.random().state(), dealSequence);
        } else if (action < 28) {
            press(w_.arrangementDialog(), pick(2) ? ArrangementControl::OrderBySuit
                                                  : ArrangementControl::OrderByCardNumber);
        } else if (action < 30 && g.HandCount > 0) {
            placeAll();
        } else {
            using A = ArrangementControl;
            static constexpr A Commits[] = {
                A::Regular,         A::Regular,       A::Regular,    A::SixPairs,
                A::FivePairsTriple, A::ThreeStraight, A::ThreeFlush, A::ThirteenStraightFlush,
                A::ThirteenStraight};
            const A id = Commits[pick(9)];
            const bool refused = g.HandCount > 0 && (id == A::Regular || id == A::ThreeStraight ||
                                                     id == A::ThreeFlush);
            const int asked = questions_;
            if (id == A::Regular && g.HandCount == 0 && pick(2) == 0)
                QTest::keyClick(&w_, Qt::Key_Return);  // Enter is REGULAR once all are placed
            else
                press(w_.arrangementDialog(), id);
            // A question answered No leaves the table as it was.
            if (!refused && g.phase() == Phase::Arranging) {
                ASSERT_EQ(questions_, asked + 1);
            }
            if (!refused && g.phase() != Phase::Arranging) {
                ASSERT_EQ(g.phase(), Phase::Results);
                gains_ += w_.resultsView().gain;
            }
        }
    }

    QPoint somewhere() {
        const QRect r = cardRect(pick(2), pick(13));
        return pick(10) == 0 ? r.topLeft() - QPoint(2, 2) : r.center();
    }

    // Moves every card left in the hand row to the first empty cells of the arrangement row.
    void placeAll() {
        GameState& g = w_.state();
        while (g.HandCount > 0) {
            int target = 0;
            while (g.TableGrid[ArrangementRow][static_cast<std::size_t>(target)] != EmptyCell)
                ++target;
            if (g.SelectedCell != -1) clickTableCell(w_, ArrangementRow, target);
            if (g.HandCount == 0) break;
            clickTableCell(w_, HandRow, 0);
            clickTableCell(w_, ArrangementRow, target);
        }
    }

    void resultsStep() {
        press(w_.resultsDialog(), ResultsControl::Ok);
        ++deals_;
        ASSERT_EQ(w_.state().PlayerPoints, purchased_ + gains_);
    }

    void check() {
        const GameState& g = w_.state();
        const int shown = w_.settingsDialog()->isVisible() + w_.arrangementDialog()->isVisible() +
                          w_.resultsDialog()->isVisible();
        ASSERT_EQ(shown, 1);
        ASSERT_TRUE(g.SelectedCell == -1 ||
                    g.TableGrid[static_cast<std::size_t>(g.SelectedCell / 13)]
                               [static_cast<std::size_t>(g.SelectedCell % 13)] != EmptyCell);
        const Phase phase = g.SettledPhase;
        ASSERT_EQ(w_.settingsDialog()->isVisible(), phase == Phase::Settings);
        ASSERT_EQ(w_.arrangementDialog()->isVisible(), phase == Phase::Arranging);
        ASSERT_EQ(w_.resultsDialog()->isVisible(), phase == Phase::Results);
        if (!dealStarted_) return;
        ASSERT_EQ(tableFault(g), "");
        if (phase == Phase::Settings) {
            ASSERT_EQ(g.PlayerPoints, purchased_ + gains_);
        }
    }

    MainWindow& w_;
    std::mt19937 rng_;
    int deals_ = 0;
    int purchased_ = 0;
    int gains_ = 0;
    int messages_ = 0;
    int questions_ = 0;
    bool dealStarted_ = false;
};

TEST(RandomPlay, TwoHundredWholeDeals) {
    MainWindow window(testCardLibrary(), 2);
    window.random().seedRandom(77);
    window.show();
    RandomPlayer player(window, 2024);
    const int deals = 200 * soakFactor();
    for (long events = 0; player.dealsPlayed() < deals; ++events) {
        player.step();
        if (HasFatalFailure()) return;
        ASSERT_LT(events, 200000L * soakFactor());
    }
}

}  // namespace
}  // namespace kov::ui
