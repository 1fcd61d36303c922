// Long random play through the real widgets: whole deals with random clicks on cells and buttons,
// random orders, specials and regular commits, option changes and point purchases. After every
// event the table, the counters, the phase and the balance must be in order.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QTest>
#include <cstdlib>
#include <random>

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
        GameState& g = w_.state();
        if (g.SettingsShown == 1)
            settingsStep();
        else if (g.TableShown == 1)
            tableStep();
        else
            resultsStep();
        check();
    }

  private:
    int pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
    void press(DialogPanel* panel, int id) {
        QAbstractButton* b = panel->button(id);
        ASSERT_TRUE(b->isVisible()) << id;
        QTest::mouseClick(b, Qt::LeftButton);
    }

    void settingsStep() {
        DialogPanel* s = w_.settingsDialog();
        if (s->control(1014)->isVisible() && pick(3) == 0) {
            press(s, 1014);
            dealStarted_ = true;
            return;
        }
        static constexpr int Options[] = {1003, 1005, 1004, 1008, 1009, 1017, 1018};
        static constexpr int Points[] = {1010, 1011, 1012, 1013};
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
            const QRect r = MainWindow::cardRect(pick(2), pick(13));
            const QPoint at = pick(10) == 0 ? r.topLeft() - QPoint(2, 2) : r.center();
            QTest::mouseClick(&w_, Qt::LeftButton, {}, at);
        } else if (action < 16) {
            press(w_.arrangementDialog(), pick(2) ? 1003 : 1004);
        } else if (action < 18 && g.HandCount > 0) {
            placeAll();
        } else {
            static constexpr int Commits[] = {1009, 1009, 1009, 1005, 1006, 1007, 1008, 1010, 1011};
            const int id = Commits[pick(9)];
            const bool refused = g.HandCount > 0 && (id == 1009 || id == 1007 || id == 1008);
            press(w_.arrangementDialog(), id);
            if (!refused) {
                ASSERT_EQ(g.ResultsShown, 1);
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
            if (g.SelectedCell != -1)
                QTest::mouseClick(&w_, Qt::LeftButton, {},
                                  MainWindow::cardRect(ArrangementRow, target).center());
            if (g.HandCount == 0) break;
            QTest::mouseClick(&w_, Qt::LeftButton, {}, MainWindow::cardRect(HandRow, 0).center());
            QTest::mouseClick(&w_, Qt::LeftButton, {},
                              MainWindow::cardRect(ArrangementRow, target).center());
        }
    }

    void resultsStep() {
        press(w_.resultsDialog(), 1002);
        ++deals_;
        ASSERT_EQ(w_.state().PlayerPoints, purchased_ + gains_);
    }

    void check() {
        const GameState& g = w_.state();
        const int shown = w_.settingsDialog()->isVisible() + w_.arrangementDialog()->isVisible() +
                          w_.resultsDialog()->isVisible();
        ASSERT_EQ(shown, 1);
        ASSERT_EQ(g.SettingsShown + g.TableShown + g.ResultsShown, 1);
        if (!dealStarted_) return;
        std::vector<int> cards, expected;
        int row0 = 0, row1 = 0;
        for (int r = 0; r < 2; ++r)
            for (int cell : g.TableGrid[static_cast<std::size_t>(r)])
                if (cell != EmptyCell) {
                    cards.push_back(cell);
                    (r == 0 ? row0 : row1)++;
                }
        for (CardIndex c : g.deal.Rows[0])
            expected.push_back(toFaceNumber(c));
        std::sort(cards.begin(), cards.end());
        std::sort(expected.begin(), expected.end());
        ASSERT_EQ(cards, expected);
        ASSERT_EQ(row0, g.ArrangedCount);
        ASSERT_EQ(row1, g.HandCount);
        if (g.SettingsShown == 1) {
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

int soakFactor() {
    const char* soak = std::getenv("KOVARIN_SOAK");
    return soak ? std::max(1, std::atoi(soak)) : 1;
}

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
