// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the game to PNG files with a fixed seed, for the README and for looking at the game
// without a display: settings, a table with cards placed and one raised (also at 200 %), a table
// in progress with a card being dragged, the results under each scoring option (with the review of
// the deal), the statistics after a series of deals, and the results view's longest lines at the
// right edge; then the felt table's settings, table in progress and results (felt-*.png). The game
// keeps its files in a temporary folder that is removed at the end; the user's own files are never
// touched.
//
//   kovarin32-screenshots OUTPUT_FOLDER    (the folder is made when missing)
//
// The texts are in the language the game would pick, so `LANGUAGE=vi kovarin32-screenshots
// docs/screenshots/vi` shows the Vietnamese game.

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <cstdio>

#include "game/table_clicks.h"
#include "ui/felt_table_view.h"
#include "ui/game_window.h"
#include "ui/review_pane.h"
#include "ui/statistics_window.h"
#include "ui/table_view.h"
#include "ui/translations.h"

namespace {

using kov::ui::GameWindow;
using kov::ui::MainWindow;
using kov::ui::Panel;

template <typename Control>
void press(Panel<Control>* panel, Control id) {
    QTest::mouseClick(panel->button(id), Qt::LeftButton);
}
void clickCell(MainWindow& w, int row, int column) {
    const QPoint at = w.feltTable() ? w.feltTable()->cellRect(row * 13 + column).center()
                                    : kov::ui::cardRect(row, column).center();
    QTest::mouseClick(&w, Qt::LeftButton, {}, at);
}

// Moves the player's cards to the table as the computer would have arranged them, into the
// first `count` cells; cards already in place stay.
void place(MainWindow& w, int count) {
    std::vector<kov::CardIndex> cards = kov::tableOrder(w.state().Arrangements[0]);
    cards.resize(static_cast<std::size_t>(count));
    kov::placeByClicks(w.state(), cards, [&](int row, int column) { clickCell(w, row, column); });
}

void save(QWidget& w, const QDir& dir, const char* name) {
    QApplication::processEvents();
    w.grab().save(dir.filePath(name));
}

// A deal played with the computer's own arrangement for the player's cards (or the special it
// holds), to the results.
void playDeal(GameWindow& game) {
    MainWindow& w = game.table();
    using S = kov::ui::SettingsControl;
    while (!w.settingsDialog()->control(S::StartGame)->isVisible())
        press(w.settingsDialog(), S::AddTwentyPoints);
    press(w.settingsDialog(), S::StartGame);
    place(w, kov::HoldingSize);
    press(w.arrangementDialog(), kov::ui::ArrangementControl::Regular);
}

// The third opponent's lines are the ones that meet the right edge: a results view built by hand
// with the longest texts there, drawn as the game draws it.
void saveLongLines(const kov::ui::CardLibrary& cards, const QDir& dir) {
    using namespace kov::ui;
    kov::ResultsView view;
    view.option = kov::ScoringOption::Chi;
    const auto seat = [](int first, std::vector<kov::HandLine> lines) {
        kov::SeatResult s;
        for (int k = 0; k < kov::HoldingSize; ++k)
            s.rows.cards[static_cast<std::size_t>(k)] = first + 4 * k;
        s.handLines = std::move(lines);
        return s;
    };
    namespace cat = kov::cat;
    view.opponents = {seat(0, {{cat::Trash, -1}, {cat::TwoPairs, -1}, {cat::Flush, -1}}),
                      seat(1, {{cat::Triple, 3}, {cat::FullHouse, 2}, {cat::Quadruple, 4}}),
                      seat(2, {{cat::Pair, 1}, {cat::StraightFlush, 10}, {cat::StraightFlush, 5}})};
    view.player = seat(3, {{cat::Pair, -3}, {cat::Flush, -11}, {cat::FullHouse, -8}});
    view.totalTerms = {-3, -11, -8};
    view.gain = -22;
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(TableGrey);
    QPainter painter(&image);
    paintResults(painter, placeResults(view), cards);
    painter.end();
    image.save(dir.filePath("results-long-lines.png"));
}

// The felt window at 1280 x 800, shown, its table answering every box at once, dealing from
// `seed`.
MainWindow& showFelt(GameWindow& game, std::uint32_t seed) {
    MainWindow& w = game.table();
    w.showMessage = [](const QString&) {};
    w.askQuestion = [](const QString&) { return true; };
    w.setInputGuard(0);
    w.random().seedRandom(seed);
    game.resize(1280, 800);
    game.show();
    return w;
}

// The felt table at 1280 x 800: the settings, a table in progress with three opponents, and
// the results.
void saveFelt(kov::ui::CardLibrary& cards, const QString& folder, const QDir& dir) {
    using S = kov::ui::SettingsControl;
    GameWindow game(cards, kov::ui::Store(folder + "/config", folder + "/data"));
    MainWindow& w = showFelt(game, 2026);
    press(w.settingsDialog(), S::ThreeOpponents);
    for (int i = 0; i < 3; ++i)
        press(w.settingsDialog(), S::AddTwentyPoints);
    save(game, dir, "felt-settings.png");
    press(w.settingsDialog(), S::StartGame);
    const auto click = [&](int row, int column) {
        QTest::mouseClick(&w, Qt::LeftButton, {},
                          w.feltTable()->cellRect(row * 13 + column).center());
    };
    std::vector<kov::CardIndex> order = kov::tableOrder(w.state().Arrangements[0]);
    order.resize(8);
    kov::placeByClicks(w.state(), order, click);
    click(kov::HandRow, 1);
    save(game, dir, "felt-table.png");
    click(kov::HandRow, 1);
    order = kov::tableOrder(w.state().Arrangements[0]);
    kov::placeByClicks(w.state(), order, click);
    press(w.arrangementDialog(), kov::ui::ArrangementControl::Regular);
    save(game, dir, "felt-results.png");
    // The set option, at the smallest felt window.
    press(w.resultsDialog(), kov::ui::ResultsControl::Ok);
    press(w.settingsDialog(), S::SetOption);
    game.resize(kov::ui::FeltMinimumSize + QSize(0, game.height() - w.height()));
    playDeal(game);
    save(game, dir, "felt-results-set.png");
}

// The showdown on the felt table, step by step on a clock of its own: the player's rows alone,
// the fronts turned up, the middles, the backs, the totals.
void saveShowdown(kov::ui::CardLibrary& cards, const QString& folder, const QDir& dir) {
    using S = kov::ui::SettingsControl;
    GameWindow game(cards, kov::ui::Store(folder + "/config", folder + "/data"));
    MainWindow& w = showFelt(game, 2027);
    press(w.settingsDialog(), S::ThreeOpponents);
    kov::ui::ManualClock clock;
    w.feltTable()->setClock(clock);
    w.feltTable()->setSpeed(kov::ui::MotionSpeed::Normal);
    playDeal(game);
    using Sd = kov::ui::Showdown;
    const qint64 at[] = {Sd::LeadMs / 2, Sd::LeadMs / 2 + Sd::TurnMs / 2, Sd::StepMs, Sd::StepMs,
                         Sd::StepMs};
    for (int k = 0; k < 5; ++k) {
        clock.advance(at[k]);
        save(game, dir, QString("showdown-%1.png").arg(k + 1).toUtf8().constData());
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Still pictures: every card at its place at once.
    if (qEnvironmentVariableIsEmpty("KOVARIN32_ANIMATION")) qputenv("KOVARIN32_ANIMATION", "off");
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n",
                     argc > 0 ? argv[0] : "kovarin32-screenshots");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto translation = kov::ui::installTranslation();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    kov::ui::CardLibrary cards;
    if (!cards.load()) return 1;
    const QTemporaryDir files;
    using S = kov::ui::SettingsControl;
    for (kov::ScoringOption option : {kov::ScoringOption::Chi, kov::ScoringOption::Set}) {
        const bool chi = option == kov::ScoringOption::Chi;
        const QString folder = files.path() + (chi ? "/chi" : "/set");
        GameWindow game(cards, kov::ui::Store(folder + "/config", folder + "/data"), 0,
                        kov::ui::TableStart::Classic);
        MainWindow& w = game.table();
        w.showMessage = [](const QString&) {};
        w.askQuestion = [](const QString&) { return true; };
        w.setInputGuard(0);  // the presses follow each other at once
        w.random().seedRandom(2026);
        game.show();
        press(w.settingsDialog(), S::ThreeOpponents);
        if (!chi) press(w.settingsDialog(), S::SetOption);
        for (int i = 0; i < 3; ++i)
            press(w.settingsDialog(), S::AddTwentyPoints);
        if (chi) save(game, out, "settings.png");
        press(w.settingsDialog(), S::StartGame);
        if (chi) {
            // A table in progress: ten cards placed, one of the others raised.
            place(w, 10);
            clickCell(w, kov::HandRow, 1);
            save(game, out, "table.png");
            // The same table at 200 %: every card, line and letter drawn for the larger size.
            game.action("zoom200")->trigger();
            game.adjustSize();
            save(game, out, "table-200.png");
            game.action("zoom100")->trigger();
            game.adjustSize();
            clickCell(w, kov::HandRow, 1);
            // In progress: the front and the middle laid out and named, the keyboard cursor on
            // the hand row, and a card dragged towards the back.
            while (!w.tableHistory().empty())
                QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
            place(w, 8);
            QTest::keyClick(&w, Qt::Key_Right);
            QTest::keyClick(&w, Qt::Key_Right);
            const QPoint from = kov::ui::cardRect(kov::HandRow, 0).center();
            const QPoint to = kov::ui::cardRect(kov::ArrangementRow, 9).center() + QPoint(9, 14);
            QTest::mousePress(&w, Qt::LeftButton, {}, from);
            QTest::mouseMove(&w, (from + to) / 2);
            QTest::mouseMove(&w, to);
            save(w, out, "table-in-progress.png");
            QTest::mouseRelease(&w, Qt::LeftButton, {}, to);
            // The dropped card is not where the computer would put it: back to an empty table,
            // so that the results below show the computer's arrangement.
            while (!w.tableHistory().empty())
                QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        }
        place(w, kov::HoldingSize);
        press(w.arrangementDialog(), kov::ui::ArrangementControl::Regular);
        save(game, out, chi ? "results-chi.png" : "results-set.png");
        if (!chi) {
            game.reviewPane()->review();
            save(game, out, "results-review.png");
        } else {
            // A series of deals for the statistics and the balance chart.
            for (int deal = 0; deal < 24; ++deal) {
                press(w.resultsDialog(), kov::ui::ResultsControl::Ok);
                playDeal(game);
            }
            game.statisticsWindow()->show();
            save(*game.statisticsWindow(), out, "statistics.png");
            game.statisticsWindow()->close();
        }
    }
    saveLongLines(cards, out);
    saveFelt(cards, files.path() + "/felt", out);
    saveShowdown(cards, files.path() + "/showdown", out);
    cards.unload();
    return 0;
}
