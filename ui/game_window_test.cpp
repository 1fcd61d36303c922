// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The game window around the table: the menu bar, the keys, the questions before a deal is
// abandoned, what is remembered between runs, the review and the statistics. Every store lives
// in a temporary folder.

#include "ui/game_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "cards/card_text.h"
#include "game/computer_seats.h"
#include "ui/review_pane.h"
#include "ui/rules_window.h"
#include "ui/statistics_window.h"
#include "ui/ui_test_support.h"

namespace kov::ui {
namespace {

struct Session {
    explicit Session(const QTemporaryDir& dir)
        : window(testCardLibrary(), Store(dir.path() + "/config", dir.path() + "/data"), 2,
                 TableStart::Classic) {
        window.confirmQuit = [this] {
            ++questions;
            return answer;
        };
        window.table().showMessage = [](const QString&) {};
        window.table().setInputGuard(0);  // the presses follow each other at once
        window.table().askQuestion = [](const QString&) { return true; };  // claims go ahead
        window.table().random().seedRandom(99);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    GameWindow window;
    int questions = 0;
    bool answer = false;

    GameState& g() { return window.table().state(); }
    SettingsPanel* settings() { return window.table().settingsDialog(); }
    void startDeal() {
        while (!settings()->control(SettingsControl::StartGame)->isVisible())
            press(settings(), SettingsControl::AddTwentyPoints);
        press(settings(), SettingsControl::StartGame);
    }
    // A deal to its results: the special claim settles whatever the cards are.
    void playDeal() {
        startDeal();
        press(window.table().arrangementDialog(), ArrangementControl::SixPairs);
        ASSERT_EQ(g().phase(), Phase::Results);
    }
    void ctrlQ() { QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier); }
};

TEST(GameWindow, MenuBarAboveTheTable) {
    QTemporaryDir dir;
    Session run(dir);
    const int bar = run.window.menuBar()->height();
    EXPECT_GT(bar, 0);
    EXPECT_EQ(run.window.size(), QSize(800, 600 + bar));
    EXPECT_EQ(run.window.table().geometry(), QRect(0, bar, 800, 600));
    EXPECT_EQ(run.window.windowTitle().toStdString(), WindowTitle);
    EXPECT_EQ(run.window.action("quit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(run.window.action("rules")->shortcut(), QKeySequence(Qt::Key_F1));
    for (const char* name : {"statistics", "shortcuts", "about", "review"})
        EXPECT_NE(run.window.action(name), nullptr) << name;
}

TEST(GameWindow, CtrlQOnTheSettingsPanelQuitsAtOnce) {
    QTemporaryDir dir;
    Session run(dir);
    run.ctrlQ();
    EXPECT_FALSE(run.window.isVisible());
    EXPECT_EQ(run.questions, 0);
}

TEST(GameWindow, QuitButtonClosesTheGameWindow) {
    QTemporaryDir dir;
    Session run(dir);
    press(run.settings(), SettingsControl::Quit);
    EXPECT_FALSE(run.window.isVisible());
}

// Quitting during a deal says that it waits; No goes on with it.
TEST(GameWindow, DuringADealQuittingSaysTheDealWaits) {
    QTemporaryDir dir;
    Session run(dir);
    run.startDeal();
    run.ctrlQ();  // No: the deal goes on
    EXPECT_EQ(run.questions, 1);
    EXPECT_TRUE(run.window.isVisible());
    EXPECT_EQ(run.g().phase(), Phase::Arranging);
    run.window.close();  // the title bar's close says so as well
    EXPECT_EQ(run.questions, 2);
    EXPECT_TRUE(run.window.isVisible());
    run.answer = true;
    run.ctrlQ();
    EXPECT_EQ(run.questions, 3);
    EXPECT_FALSE(run.window.isVisible());
}

// A deal is played to its end: quit or killed (the window gone without closing) in the middle of
// it, the next start has the same deal on the table, each card in its cell, the moves to undo
// and redo with it, and the balance as it was; played out, it counts once and is gone.
TEST(GameWindow, ADealStoppedInTheMiddleComesBackAsItWas) {
    QTemporaryDir dir;
    GameState before;
    DealNumber number = 0;
    for (const bool quit : {true, false}) {
        {
            Session run(dir);
            run.answer = true;
            if (quit) {
                run.startDeal();
                MainWindow& w = run.window.table();
                for (const Qt::Key key : {Qt::Key_3, Qt::Key_1, Qt::Key_2, Qt::Key_3}) {
                    QTest::keyClick(&w, Qt::Key_Right);
                    QTest::keyClick(&w, key);
                }
                QTest::keyClick(&run.window, Qt::Key_Z, Qt::ControlModifier);
                EXPECT_EQ(run.g().ArrangedCount, 3);
                before = run.g();
                number = w.dealNumber();
                run.window.close();
                EXPECT_EQ(run.questions, 1);
            }
        }  // the second time, no close: as if killed
        Session again(dir);
        ASSERT_EQ(again.g().phase(), Phase::Arranging);
        EXPECT_EQ(again.g().TableGrid, before.TableGrid);
        EXPECT_EQ(again.g().Holdings.Rows[0], before.Holdings.Rows[0]);
        EXPECT_EQ(again.g().Arrangements, before.Arrangements);
        EXPECT_EQ(again.g().PlayerPoints, 20);
        EXPECT_EQ(again.window.table().dealNumber(), number);
        EXPECT_TRUE(again.window.windowTitle().endsWith(QString::number(number)));
        QTest::keyClick(&again.window, Qt::Key_Y, Qt::ControlModifier);  // the move undone
        EXPECT_EQ(again.g().ArrangedCount, 4);
        QTest::keyClick(&again.window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(again.g().TableGrid, before.TableGrid);
    }
    {
        Session last(dir);
        press(last.window.table().arrangementDialog(), ArrangementControl::SixPairs);
        ASSERT_EQ(last.g().phase(), Phase::Results);
        EXPECT_EQ(last.window.statistics().total().played, 1);
    }
    Session after(dir);
    EXPECT_EQ(after.g().phase(), Phase::Settings);
    EXPECT_EQ(after.window.statistics().total().played, 1);
}

// Every deal has a number: the game's deal N at a level is `kovarin-engine start --seed N` at
// that level. Replayed, or chosen by its number, it is a practice deal: the same cards and the
// same computer arrangements, marked as practice, settled and shown, and kept out of the balance
// and the statistics; the game's own deals go on as if it had not been played.
TEST(GameWindow, NumberedDealsAndPracticeDeals) {
    QTemporaryDir dir;
    Session run(dir);
    press(run.settings(), SettingsControl::ThreeOpponents);
    press(run.settings(), SettingsControl::HardStrength);
    run.startDeal();
    MainWindow& w = run.window.table();
    const DealNumber number = w.dealNumber();
    EXPECT_EQ(run.window.windowTitle(),
              QString(WindowTitle) + " \u2014 deal " + QString::number(number));
    const GameState dealt = run.g();

    QProcess tool;
    tool.start(ENGINE_TOOL_PATH, {"start", "--seed", QString::number(number), "--opponents", "3",
                                  "--option", "chi", "--strength", "hard"});
    ASSERT_TRUE(tool.waitForFinished(120000));
    const QJsonObject started = QJsonDocument::fromJson(tool.readAllStandardOutput()).object();
    QStringList holding;
    for (const CardIndex c : dealt.Holdings.Rows[0])
        holding << QString::fromStdString(cardName(c));
    EXPECT_EQ(started["holding"].toVariant().toStringList(), holding);
    const QJsonArray arrangements = started["arrangements"].toArray();
    ASSERT_EQ(arrangements.size(), 4);
    for (qsizetype seat = 0; seat < 4; ++seat) {
        const Arrangement& a = dealt.Arrangements[static_cast<std::size_t>(seat)];
        const QJsonObject shown = arrangements[seat].toObject();
        for (const auto& [name, hand] :
             {std::pair{"back", &a.back}, std::pair{"middle", &a.middle}, {"front", &a.front}}) {
            QStringList cards;
            for (const CardIndex c : cardsOf(hand->cards))
                cards << QString::fromStdString(cardName(c));
            const QJsonObject h = shown[name].toObject();
            EXPECT_EQ(h["cards"].toVariant().toStringList(), cards) << seat << name;
            EXPECT_EQ(h["category"].toInt(), static_cast<int>(index(hand->category)));
        }
    }

    press(w.arrangementDialog(), ArrangementControl::SixPairs);
    press(w.resultsDialog(), ResultsControl::Ok);
    const int points = run.g().PlayerPoints;
    const Statistics counted = run.window.statistics();
    const std::uint32_t dealSequence = w.random().state();
    ASSERT_TRUE(run.window.action("replay")->isEnabled());
    run.window.action("replay")->trigger();
    EXPECT_TRUE(w.practice());
    EXPECT_EQ(w.dealNumber(), number);
    EXPECT_EQ(run.g().Holdings.Rows[0], dealt.Holdings.Rows[0]);
    EXPECT_EQ(run.g().Arrangements, dealt.Arrangements);
    EXPECT_TRUE(run.window.windowTitle().endsWith("practice deal " + QString::number(number)));
    const auto& notes = w.tableAids().lines;
    EXPECT_TRUE(std::any_of(notes.begin(), notes.end(),
                            [](const QString& line) { return line.contains("Practice deal"); }));
    EXPECT_FALSE(run.window.action("replay")->isEnabled());  // a deal is played to its end
    press(w.arrangementDialog(), ArrangementControl::SixPairs);
    ASSERT_EQ(run.g().phase(), Phase::Results);
    EXPECT_TRUE(w.resultsDialog()->controlText(ResultsControl::Balance).startsWith("practice"));
    press(w.resultsDialog(), ResultsControl::Ok);
    EXPECT_EQ(run.g().PlayerPoints, points);
    EXPECT_EQ(run.window.statistics(), counted);
    EXPECT_EQ(w.random().state(), dealSequence);

    run.window.askDealNumber = [] { return std::optional<DealNumber>(4242); };
    run.window.action("playNumber")->trigger();
    EXPECT_TRUE(w.practice());
    EXPECT_EQ(w.dealNumber(), 4242u);
    EXPECT_EQ(w.arrangementDialog()->controlText(ArrangementControl::Points),
              QString("points %1").arg(points));
    GameState alone;
    alone.OpponentCount = 3;
    alone.DealChoiceThreshold = DefaultDealChoiceThreshold;
    Evaluator evaluator(ListCapacity, 1);
    Strategy hard(strategyOf(Strength::Hard));
    startDealNumber(alone, 4242, evaluator, hard);
    EXPECT_EQ(run.g().Holdings.Rows[0], alone.Holdings.Rows[0]);
    EXPECT_EQ(run.g().Arrangements, alone.Arrangements);
}

// A practice deal stopped in the middle comes back as a practice deal, and still counts for
// nothing.
TEST(GameWindow, APracticeDealComesBackAsPractice) {
    QTemporaryDir dir;
    {
        Session run(dir);
        run.playDeal();
        press(run.window.table().resultsDialog(), ResultsControl::Ok);
        run.window.askDealNumber = [] { return std::optional<DealNumber>(99); };
        run.window.action("playNumber")->trigger();
        ASSERT_TRUE(run.window.table().practice());
    }  // killed
    Session again(dir);
    ASSERT_EQ(again.g().phase(), Phase::Arranging);
    EXPECT_TRUE(again.window.table().practice());
    EXPECT_EQ(again.window.table().dealNumber(), 99u);
    const int points = again.g().PlayerPoints;
    press(again.window.table().arrangementDialog(), ArrangementControl::SixPairs);
    press(again.window.table().resultsDialog(), ResultsControl::Ok);
    EXPECT_EQ(again.g().PlayerPoints, points);
    EXPECT_EQ(again.window.statistics().total().played, 1);
}

// The keyboard shortcuts window names every key of the menus and of the table.
TEST(GameWindow, TheShortcutsWindowListsEveryKey) {
    QTemporaryDir dir;
    Session run(dir);
    const QString text = run.window.shortcutsText();
    for (QAction* a : run.window.findChildren<QAction*>())
        for (const QKeySequence& k : a->shortcuts())
            EXPECT_TRUE(text.contains(k.toString(QKeySequence::NativeText).toHtmlEscaped()))
                << a->objectName().toStdString();
    for (const char* key :
         {"H", "1, 2, 3", "Arrow keys", "Backspace", "Escape", "Enter", "Space", "Tab", "REGULAR"})
        EXPECT_TRUE(text.contains(key)) << key;
}

// On the results the deal is decided and already kept: no question.
TEST(GameWindow, OnTheResultsQuittingDoesNotAsk) {
    QTemporaryDir dir;
    Session run(dir);
    run.playDeal();
    run.ctrlQ();
    EXPECT_EQ(run.questions, 0);
    EXPECT_FALSE(run.window.isVisible());
}

TEST(GameWindow, F1ShowsTheRules) {
    QTemporaryDir dir;
    Session run(dir);
    QTest::keyClick(&run.window, Qt::Key_F1);
    ASSERT_TRUE(run.window.rulesWindow()->isVisible());
    const QString text = run.window.rulesWindow()->browser()->toPlainText();
    for (const char* words : {"back", "middle", "front", "ILLEGAL", "6 pairs", "13 straight flush",
                              "chi option", "set option", "How the computer plays"})
        EXPECT_TRUE(text.contains(words)) << words;
}

// Nothing stored: the game starts exactly as the rules start it.
TEST(GameWindow, FirstRunStartsWithTheRulesStartValues) {
    QTemporaryDir dir;
    Session run(dir);
    EXPECT_EQ(run.g().OpponentCount, 1);
    EXPECT_EQ(run.g().UnitStake, 1);
    EXPECT_EQ(run.g().Scoring, ScoringOption::Chi);
    EXPECT_EQ(run.g().PlayerPoints, 0);
    EXPECT_EQ(run.g().HandRowOrder, HandOrder::BySuit);
    EXPECT_EQ(run.settings()->controlText(SettingsControl::OpponentsLabel), "PLAY WITH 1 OPPONENT");
    EXPECT_EQ(run.settings()->controlText(SettingsControl::PointsNeeded), "need 18 more points");
}

TEST(GameWindow, OptionsBalanceAndStatisticsSurviveARestart) {
    QTemporaryDir dir;
    int balance = 0;
    {
        Session run(dir);
        press(run.settings(), SettingsControl::TwoOpponents);
        press(run.settings(), SettingsControl::TwoUnits);
        press(run.settings(), SettingsControl::SetOption);
        press(run.settings(), SettingsControl::AddTwentyPoints);
        run.playDeal();
        balance = run.g().PendingPoints;
        EXPECT_EQ(run.window.statistics().of(ScoringOption::Set).played, 1);
        run.window.close();  // quit on the results, before OK
    }
    Session again(dir);
    EXPECT_EQ(again.g().OpponentCount, 2);
    EXPECT_EQ(again.g().UnitStake, 2);
    EXPECT_EQ(again.g().Scoring, ScoringOption::Set);
    EXPECT_EQ(again.g().PlayerPoints, balance);
    EXPECT_EQ(again.settings()->controlText(SettingsControl::OpponentsLabel), "PLAY 2 OPPONENTS");
    EXPECT_EQ(again.settings()->controlText(SettingsControl::UnitsLabel), "PLAY 2 UNITS");
    EXPECT_EQ(again.settings()->controlText(SettingsControl::OptionLabel), "PLAY SET OPTION");
    EXPECT_EQ(again.settings()->controlText(SettingsControl::Points),
              QString("points %1").arg(balance));
    const Statistics& s = again.window.statistics();
    EXPECT_EQ(s.of(ScoringOption::Set).played, 1);
    EXPECT_EQ(s.balances, std::vector<int>{balance});
    EXPECT_EQ(again.window.statisticsWindow()->cell(0, 1), "1");
}

// The computer's level chosen on the settings panel is in force again after a restart.
TEST(GameWindow, TheComputersLevelSurvivesARestart) {
    QTemporaryDir dir;
    {
        Session run(dir);
        EXPECT_EQ(run.window.table().strength(), Strength::Normal);
        press(run.settings(), SettingsControl::HardStrength);
        EXPECT_EQ(run.window.currentOptions().strength, Strength::Hard);
    }
    Session again(dir);
    EXPECT_EQ(again.window.table().strength(), Strength::Hard);
    EXPECT_EQ(again.settings()->controlText(SettingsControl::StrengthLabel), "COMPUTER PLAYS HARD");
}

// Expert has a button on the felt table only; the Game menu chooses it on either table, ticks
// the level in force and keeps it.
TEST(GameWindow, ExpertFromTheMenuOrTheFeltTablesButton) {
    QTemporaryDir dir;
    {
        Session run(dir);
        QAbstractButton* expert = run.settings()->button(SettingsControl::ExpertStrength);
        EXPECT_FALSE(expert->isVisible());  // the classic table's panel as it always was
        run.window.action("levelExpert")->trigger();
        EXPECT_EQ(run.window.currentOptions().strength, Strength::Expert);
        EXPECT_EQ(run.settings()->controlText(SettingsControl::StrengthLabel),
                  "COMPUTER PLAYS EXPERT");
        run.window.setClassicTable(false);
        EXPECT_TRUE(expert->isVisible());
        press(run.settings(), SettingsControl::HardStrength);
        EXPECT_TRUE(run.window.action("levelHard")->isChecked());
        EXPECT_FALSE(run.window.action("levelExpert")->isChecked());
        press(run.settings(), SettingsControl::ExpertStrength);
        run.window.setClassicTable(true);
        EXPECT_FALSE(expert->isVisible());
    }
    Session again(dir);
    EXPECT_EQ(again.window.table().strength(), Strength::Expert);
    EXPECT_TRUE(again.window.action("levelExpert")->isChecked());
}

// A config folder that cannot be made (a regular file where its parent should be): one message
// for the player when saving first fails, and the game plays and counts its deals all the same.
TEST(GameWindow, AnUnwritableStoreShowsOneMessageAndTheGamePlays) {
    QTemporaryDir dir;
    QFile blocker(dir.path() + "/config");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Session run(dir);
    QStringList shown;
    run.window.showStoreProblem = [&shown](const QString& text) { shown.push_back(text); };
    run.playDeal();
    EXPECT_EQ(run.window.statistics().total().played, 1);
    press(run.window.table().resultsDialog(), ResultsControl::Ok);
    run.playDeal();
    EXPECT_EQ(run.window.statistics().total().played, 2);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(dir.path() + "/config/kovarin32.conf")) << shown[0].toStdString();
}

// A settings file with a bad number of opponents: the game starts with its 123 points, tells the
// player once, beside the table, what was lost and where the copy is.
TEST(GameWindow, ADamagedSettingsFileIsToldOnceAndItsBalanceKept) {
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + "/config");
    QFile file(dir.path() + "/config/kovarin32.conf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "version=1\n[options]\nopponents=7\nstake=1\nscoring=chi\nhandOrder=suit\n"
        "points=123\n");
    file.close();
    Session run(dir);
    QStringList shown;
    run.window.showStoreProblem = [&shown](const QString& text) { shown.push_back(text); };
    QCoreApplication::processEvents();
    EXPECT_EQ(run.g().PlayerPoints, 123);
    EXPECT_EQ(run.g().OpponentCount, 1);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains("the number of opponents")) << shown[0].toStdString();
    EXPECT_TRUE(shown[0].contains("kovarin32.conf.damaged")) << shown[0].toStdString();
}

// Points bought are counted apart: no winnings, no climb on the chart, named beneath it, kept.
TEST(GameWindow, PointsBoughtAreNoWinnings) {
    QTemporaryDir dir;
    {
        Session run(dir);
        run.playDeal();  // buys 20 first
        const Statistics& s = run.window.statistics();
        EXPECT_EQ(s.pointsBought, 20);
        EXPECT_EQ(s.total().pointsWon + s.total().pointsLost,
                  std::abs(static_cast<std::int64_t>(s.gains.back())));
        EXPECT_EQ(run.window.statisticsWindow()->chart()->series(),
                  std::vector<std::int64_t>{s.gains.back()});
        EXPECT_TRUE(run.window.statisticsWindow()->boughtText().contains("20"));
        run.window.close();
    }
    Session again(dir);
    EXPECT_EQ(again.window.statistics().pointsBought, 20);
    EXPECT_EQ(again.window.statistics().gains.size(), 1u);
}

// View -> Zoom: the window grows with the table, one entry is ticked, and the zoom is remembered.
TEST(GameWindow, ZoomFromTheViewMenuIsRemembered) {
    QTemporaryDir dir;
    {
        Session run(dir);
        EXPECT_EQ(run.window.table().zoom(), 100);
        EXPECT_TRUE(run.window.action("zoom100")->isChecked());
        run.window.action("zoom200")->trigger();
        EXPECT_EQ(run.window.table().size(), QSize(1600, 1200));
        EXPECT_TRUE(run.window.action("zoom200")->isChecked());
        EXPECT_FALSE(run.window.action("zoom100")->isChecked());
        run.window.adjustSize();
        EXPECT_GE(run.window.width(), 1600);
        run.window.action("zoom150")->trigger();
        EXPECT_EQ(run.window.table().size(), QSize(1200, 900));
        run.window.close();
    }
    Session again(dir);
    EXPECT_EQ(again.window.table().zoom(), 150);
    EXPECT_TRUE(again.window.action("zoom150")->isChecked());
    EXPECT_EQ(again.window.currentOptions().zoom, 150);
}

// The review on R: the values of reviewDeal for the player's cards and arrangement at the
// suggestion's level (its 1,000 simulated deals), and nothing in the game moves.
TEST(GameWindow, ReviewOnTheResults) {
    QTemporaryDir dir;
    Session run(dir);
    EXPECT_FALSE(run.window.action("review")->isEnabled());
    EXPECT_FALSE(run.window.reviewPane()->isVisible());
    run.playDeal();
    ASSERT_TRUE(run.window.reviewPane()->isVisible());
    const std::uint32_t rngBefore = run.window.table().random().state();
    const int pending = run.g().PendingPoints;
    QTest::keyClick(&run.window, Qt::Key_R);
    ASSERT_TRUE(run.window.reviewPane()->shown().has_value());
    const DealReview expected =
        reviewDeal(run.g().Holdings.Rows[0], run.g().Arrangements[0], run.g().Scoring);
    const DealReview& shown = *run.window.reviewPane()->shown();
    EXPECT_EQ(shown.deals, simulatedDealsOf(strategyOf(AdvisorStrength)));
    EXPECT_EQ(shown.computer, expected.computer);
    EXPECT_DOUBLE_EQ(shown.playerValue, expected.playerValue);
    EXPECT_DOUBLE_EQ(shown.computerValue, expected.computerValue);
    const QStringList lines = run.window.reviewPane()->lines();
    if (expected.sameChoice)
        EXPECT_TRUE(lines.contains("You played the computer's choice."));
    else
        EXPECT_TRUE(lines.join("\n").contains("Your arrangement: "));
    EXPECT_EQ(run.window.table().random().state(), rngBefore);
    EXPECT_EQ(run.g().PendingPoints, pending);
    EXPECT_EQ(run.g().phase(), Phase::Results);
    // OK leaves the results: the review goes with them.
    press(run.window.table().resultsDialog(), ResultsControl::Ok);
    EXPECT_FALSE(run.window.reviewPane()->isVisible());
    EXPECT_FALSE(run.window.reviewPane()->shown().has_value());
}

TEST(GameWindow, ResetStatisticsAsksFirst) {
    QTemporaryDir dir;
    Session run(dir);
    run.playDeal();
    StatisticsWindow* stats = run.window.statisticsWindow();
    int asked = 0;
    bool yes = false;
    stats->confirmReset = [&] {
        ++asked;
        return yes;
    };
    // Enter is Close, wherever the focus is: it never asks to reset.
    stats->show();
    for (QWidget* focus :
         {static_cast<QWidget*>(stats), static_cast<QWidget*>(stats->resetButton())}) {
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
        EXPECT_EQ(asked, 0);
        EXPECT_FALSE(stats->isVisible());
        stats->show();
    }
    QTest::mouseClick(stats->resetButton(), Qt::LeftButton);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(run.window.statistics().total().played, 1);
    yes = true;
    QTest::mouseClick(stats->resetButton(), Qt::LeftButton);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(run.window.statistics(), Statistics{});
    EXPECT_EQ(stats->cell(0, 2), "0");
    run.window.close();
    Session again(dir);
    EXPECT_EQ(again.window.statistics(), Statistics{});
}

}  // namespace
}  // namespace kov::ui
