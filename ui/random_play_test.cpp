// Long random play through the real widgets: whole deals with random clicks on cells and buttons,
// random orders, specials and regular commits, option changes and point purchases. After every
// event the table, the counters, the phase and the balance must be in order.

#include <gtest/gtest.h>

#include <QAbstractButton>
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
        const int action = pick(20);
        if (action < 14) {  // a click somewhere on the table, sometimes between cells
            const QRect r = cardRect(pick(2), pick(13));
            const QPoint at = pick(10) == 0 ? r.topLeft() - QPoint(2, 2) : r.center();
            QTest::mouseClick(&w_, Qt::LeftButton, {}, at);
        } else if (action < 16) {
            press(w_.arrangementDialog(), pick(2) ? ArrangementControl::OrderBySuit
                                                  : ArrangementControl::OrderByCardNumber);
        } else if (action < 18 && g.HandCount > 0) {
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
            press(w_.arrangementDialog(), id);
            if (!refused) {
                ASSERT_EQ(g.phase(), Phase::Results);
                gains_ += w_.resultsView().gain;
            }
        }
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
        ASSERT_TRUE(g.SettledPhase.has_value());
        const Phase phase = *g.SettledPhase;
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
