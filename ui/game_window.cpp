// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/game_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>

#include "ui/review_pane.h"
#include "ui/rules_window.h"
#include "ui/statistics_window.h"
#include "ui/zoom.h"

namespace kov::ui {

GameWindow::GameWindow(CardLibrary& cards, Store store, int threads) : store_(std::move(store)) {
    setWindowTitle(MainWindow::tr(WindowTitle));
    table_ = new MainWindow(cards, threads);
    setCentralWidget(table_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);  // the table's 800 x 600 and the menus

    review_ = new ReviewPane(table_->state(), cards, table_);
    statisticsWindow_ = new StatisticsWindow(this);
    rulesWindow_ = new RulesWindow(this);
    buildMenus();

    confirmQuit = [this] {
        return QMessageBox::question(
                   this, "KOVARIN32", tr("A deal is in progress. Quit and abandon it?"),
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    };

    showStoreProblem = [this](const QString& text) {
        auto* box = new QMessageBox(QMessageBox::Warning, "KOVARIN32", text, QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();  // the game goes on behind it
    };
    store_.savingStopped = [this](const QString& text) {
        if (showStoreProblem) showStoreProblem(text);
    };

    const Store::Loaded loaded = store_.load();
    statistics_ = loaded.statistics;
    if (loaded.options) {
        const GameOptions& o = *loaded.options;
        table_->restoreOptions(o.opponents, o.stake, o.scoring, o.handOrder, o.points);
        setZoom(o.zoom);
        table_->setStrength(o.strength);
    }
    statisticsWindow_->setStatistics(statistics_);
    // Told once the window is up, beside the table rather than in front of it.
    if (!loaded.damage.isEmpty())
        QMetaObject::invokeMethod(
            this,
            [this, text = loaded.damage] {
                if (showStoreProblem) showStoreProblem(text);
            },
            Qt::QueuedConnection);

    connect(table_, &MainWindow::pointsBought, this, [this](int points) {
        statistics_.recordPurchase(points);
        statisticsWindow_->setStatistics(statistics_);
    });
    connect(table_, &MainWindow::optionsChanged, this,
            [this] { store_.saveSettings(currentOptions(), statistics_); });
    connect(table_, &MainWindow::dealSettled, this, &GameWindow::onDealSettled);
    connect(table_, &MainWindow::phaseShown, this, &GameWindow::onPhaseShown);
    connect(statisticsWindow_, &StatisticsWindow::resetRequested, this,
            &GameWindow::resetStatistics);
    onPhaseShown();
}

GameWindow::~GameWindow() = default;

QAction* GameWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

GameOptions GameWindow::currentOptions() const {
    const GameState& g = table_->state();
    return {g.OpponentCount, g.UnitStake,    g.Scoring,         g.HandRowOrder,
            g.PlayerPoints,  table_->zoom(), table_->strength()};
}

void GameWindow::buildMenus() {
    const auto add = [this](QMenu* menu, const char* name, const QString& text,
                            const QKeySequence& key, auto slot) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        if (!key.isEmpty()) a->setShortcut(key);
        a->setShortcutContext(Qt::ApplicationShortcut);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu* game = menuBar()->addMenu(tr("&Game"));
    reviewAction_ = add(game, "review", tr("&Review the deal"), QKeySequence(Qt::Key_R),
                        [this] { review_->review(); });
    add(game, "statistics", tr("&Statistics"), QKeySequence(), [this] {
        statisticsWindow_->show();
        statisticsWindow_->raise();
    });
    game->addSeparator();
    add(game, "quit", tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
    // The zooms: the whole table larger, every position on it scaled alike.
    QMenu* view = menuBar()->addMenu(tr("&View"));
    zoomActions_ = new QActionGroup(this);
    for (const int percent : ZoomSteps) {
        QAction* a = add(view, "", tr("Zoom %1 %").arg(percent), QKeySequence(), [this, percent] {
            setZoom(percent);
            store_.saveOptions(currentOptions());
        });
        a->setObjectName(QString("zoom%1").arg(percent));
        a->setCheckable(true);
        a->setChecked(percent == table_->zoom());
        zoomActions_->addAction(a);
    }
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    add(help, "rules", tr("&Rules"), QKeySequence(Qt::Key_F1), [this] {
        rulesWindow_->show();
        rulesWindow_->raise();
    });
    add(help, "shortcuts", tr("&Keyboard shortcuts"), QKeySequence(), [this] { showShortcuts(); });
    add(help, "about", tr("&About"), QKeySequence(), [this] { showAbout(); });
}

void GameWindow::setZoom(int percent) {
    table_->setZoom(percent);
    if (QAction* a = action(QString("zoom%1").arg(table_->zoom()))) a->setChecked(true);
}

void GameWindow::onDealSettled() {
    const GameState& g = table_->state();
    statistics_.record(g.Scoring, table_->resultsView().gain, g.PendingPoints);
    // The deal is decided: its balance is kept now, so quitting on the results screen loses
    // nothing.
    GameOptions options = currentOptions();
    options.points = g.PendingPoints;
    store_.saveDeal(options, statistics_);
    statisticsWindow_->setStatistics(statistics_);
}

void GameWindow::onPhaseShown() {
    const bool results = table_->state().phase() == Phase::Results;
    reviewAction_->setEnabled(results);
    review_->clear();
    review_->setVisible(results);
}

void GameWindow::resetStatistics() {
    statistics_.reset();
    store_.saveStatistics(statistics_);
    statisticsWindow_->setStatistics(statistics_);
}

void GameWindow::closeEvent(QCloseEvent* event) {
    if (table_->state().phase() == Phase::Arranging && !(confirmQuit && confirmQuit())) {
        event->ignore();
        return;
    }
    statisticsWindow_->close();
    rulesWindow_->close();
    event->accept();
}

void GameWindow::showShortcuts() {
    QMessageBox::information(
        this, tr("Keyboard shortcuts"),
        tr("<table>"
           "<tr><td><b>Ctrl+Q</b></td><td>Quit (asks first during a deal)</td></tr>"
           "<tr><td><b>F1</b></td><td>The rules</td></tr>"
           "<tr><td><b>R</b></td><td>On the results: review the deal</td></tr>"
           "<tr><td><b>Tab</b></td><td>Next button on a panel</td></tr>"
           "<tr><td><b>Space, Enter</b></td><td>Press the focused button</td></tr>"
           "</table>"));
}

void GameWindow::showAbout() {
    QMessageBox::about(this, tr("About KOVARIN32"),
                       tr("<b>KOVARIN32</b><p>The Vietnamese thirteen-card arrangement game: "
                          "split thirteen cards into three hands and play them against one to "
                          "three computer opponents.</p><p>https://kovarin32.example.org</p>"));
}

}  // namespace kov::ui
