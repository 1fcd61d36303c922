// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/game_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>

#include "ui/felt_layout.h"
#include "ui/felt_table_view.h"
#include "ui/review_pane.h"
#include "ui/rules_window.h"
#include "ui/statistics_window.h"
#include "ui/translations.h"
#include "ui/zoom.h"

namespace kov::ui {

GameWindow::GameWindow(CardLibrary& cards, Store store, int threads, TableStart start,
                       const QString& deckFolder, std::optional<DealNumber> practiceDeal)
    : store_(std::move(store)), cards_(cards), decks_(findSvgDecks(deckFolder)) {
    setWindowTitle(MainWindow::tr(WindowTitle));
    table_ = new MainWindow(cards, threads);
    setCentralWidget(table_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);  // the table's 800 x 600 and the menus

    review_ = new ReviewPane(table_->state(), cards, table_);
    statisticsWindow_ = new StatisticsWindow(this);
    rulesWindow_ = new RulesWindow(this);
    renderer_ = std::make_unique<BuiltinCardRenderer>(cards);
    buildMenus();

    confirmQuit = [this] {
        return QMessageBox::question(this, "KOVARIN32",
                                     tr("This deal waits for you: it comes back as it stands "
                                        "when you start the game again. Quit now?"),
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes) == QMessageBox::Yes;
    };
    askDealNumber = [this]() -> std::optional<DealNumber> {
        bool ok = false;
        const QString text = QInputDialog::getText(
            this, tr("Play deal number"),
            tr("The number of the deal to play as practice (0 to 4294967295):"), QLineEdit::Normal,
            QString(), &ok);
        if (!ok) return std::nullopt;
        const qulonglong number = text.trimmed().toULongLong(&ok);
        if (!ok || number > 0xFFFFFFFFull) return std::nullopt;
        return static_cast<DealNumber>(number);
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
    // The table, its cards and its window as kept; a new player gets the felt table.
    const GameOptions kept = loaded.options.value_or(GameOptions{});
    keptClassic_ = kept.classicTable;
    back_ = backNamed(kept.back);
    if (kept.deck != renderer_->key()) renderer_ = makeCardRenderer(kept.deck, cards, decks_);
    windowState_ = kept.windowState;
    windowSize_ = QSize(kept.windowWidth, kept.windowHeight);
    animation_ = kept.animation;
    sound_ = kept.sound;
    const QByteArray run = qgetenv("KOVARIN32_ANIMATION");
    for (const auto& [name, speed] :
         {std::pair{"off", MotionSpeed::Off}, std::pair{"fast", MotionSpeed::Fast},
          std::pair{"normal", MotionSpeed::Normal}})
        if (run == name) runAnimation_ = speed;
    buildCardMenus(nullptr);
    buildMotionMenus();
    showTable(start == TableStart::Classic || keptClassic_);
    if (!classicTable()) restoreWindow();
    tickLevel();
    saved_ = currentOptions();
    windowSettled_.setSingleShot(true);
    windowSettled_.setInterval(500);
    connect(&windowSettled_, &QTimer::timeout, this, &GameWindow::saveWindowWhenChanged);
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
    connect(table_, &MainWindow::optionsChanged, this, [this] {
        tickLevel();
        store_.saveSettings(currentOptions(), statistics_);
    });
    connect(table_, &MainWindow::dealSettled, this, &GameWindow::onDealSettled);
    connect(table_, &MainWindow::phaseShown, this, &GameWindow::onPhaseShown);
    connect(statisticsWindow_, &StatisticsWindow::resetRequested, this,
            &GameWindow::resetStatistics);
    connect(&table_->controller(), &TableController::dealStarted, this, &GameWindow::onDealStarted);
    connect(&table_->controller(), &TableController::tableChanged, this, &GameWindow::keepDeal);
    onPhaseShown();
    // A deal is played to its end: the one left unfinished comes back as it was.
    if (loaded.deal) {
        dealsBefore_ = loaded.deal->dealsBefore;
        table_->resumeDeal(*loaded.deal);
        if (practiceDeal)
            std::fprintf(stderr, "kovarin32: the deal in progress comes first; deal %u waits\n",
                         static_cast<unsigned>(*practiceDeal));
    } else if (practiceDeal) {
        table_->startPracticeDeal(*practiceDeal);
    }
}

GameWindow::~GameWindow() = default;

void GameWindow::onDealStarted() {
    dealsBefore_ = statistics_.total().played;
    keepDeal();
    updateTitle();
}

// Every change of the deal on the table is kept at once (a lift alone changes nothing kept).
void GameWindow::keepDeal() {
    if (table_->state().phase() == Phase::Arranging) {
        SavedDeal deal = table_->controller().savedDeal(dealsBefore_);
        if (!keptDeal_ || !(deal == *keptDeal_)) {
            store_.saveDealInProgress(deal);
            keptDeal_ = std::move(deal);
        }
    }
    updateDealActions();
}

// The rules' title, and while a deal is on the table its number.
void GameWindow::updateTitle() {
    const QString title = MainWindow::tr(WindowTitle);
    const bool showing = table_->hasDealt() && table_->state().phase() != Phase::Settings;
    setWindowTitle(showing
                       ? title + " \u2014 " + dealCaption(table_->dealNumber(), table_->practice())
                       : title);
}

void GameWindow::updateDealActions() {
    const Phase phase = table_->state().phase();
    const bool arranging = phase == Phase::Arranging;
    undoAction_->setEnabled(arranging && !table_->tableHistory().empty());
    redoAction_->setEnabled(arranging && table_->tableHistory().canRedo());
    replayAction_->setEnabled(!arranging && table_->hasDealt());
    playNumberAction_->setEnabled(!arranging);
}

void GameWindow::playDealNumber() {
    if (table_->state().phase() == Phase::Arranging || !askDealNumber) return;
    if (const std::optional<DealNumber> number = askDealNumber())
        table_->startPracticeDeal(*number);
}

QAction* GameWindow::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

GameOptions GameWindow::currentOptions() const {
    const GameState& g = table_->state();
    GameOptions o{g.OpponentCount, g.UnitStake,    g.Scoring,         g.HandRowOrder,
                  g.PlayerPoints,  table_->zoom(), table_->strength()};
    o.classicTable = keptClassic_;
    o.deck = renderer_->key();
    o.back = backKey(back_);
    if (windowSize_.isValid()) {
        o.windowWidth = windowSize_.width();
        o.windowHeight = windowSize_.height();
    }
    o.windowState = windowState_;
    o.animation = animation_;
    o.sound = sound_;
    return o;
}

void GameWindow::showTable(bool classic) {
    if (classic) {
        if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) showNormal();
        table_->setFeltTable(nullptr);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        table_->setFeltTable(renderer_.get(), back_);
        applyMotion();
        layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    classicAction_->setChecked(classic);
    fullScreenAction_->setEnabled(!classic);
    for (QAction* a : zoomActions_->actions())
        a->setEnabled(classic);
    for (QAction* a : findChildren<QAction*>())
        if (a->property("feltOnly").toBool()) a->setEnabled(!classic);
}

void GameWindow::setClassicTable(bool classic) {
    if (!classic && classicTable()) {
        showTable(false);
        restoreWindow();
    } else if (classic && !classicTable()) {
        captureWindow();
        showTable(true);
    }
    keptClassic_ = classic;
    saveView();
}

void GameWindow::setDeck(const QString& key) {
    std::unique_ptr<CardRenderer> next = makeCardRenderer(key, cards_, decks_);
    if (!classicTable()) table_->setFeltTable(next.get(), back_);
    renderer_ = std::move(next);
    if (QAction* a = action("deck-" + renderer_->key())) a->setChecked(true);
    saveView();
}

void GameWindow::setBack(CardBack back) {
    back_ = back;
    if (!classicTable()) table_->setFeltTable(renderer_.get(), back_);
    if (QAction* a = action(QString("back-") + backKey(back))) a->setChecked(true);
    saveView();
}

// The felt window as the player left it: its size (a new player's a good part of the screen),
// maximised or full screen.
void GameWindow::restoreWindow() {
    QSize size = windowSize_;
    if (!size.isValid() || size.width() < FeltMinimumSize.width()) {
        const QSize screen = QGuiApplication::primaryScreen()
                                 ? QGuiApplication::primaryScreen()->availableSize()
                                 : QSize(1280, 1024);
        size = QSize(std::max(FeltMinimumSize.width(), screen.width() * 4 / 5),
                     std::max(FeltMinimumSize.height() + 40, screen.height() * 4 / 5));
    }
    resize(size);
    if (windowState_ == GameOptions::WindowState::Maximized)
        setWindowState(Qt::WindowMaximized);
    else if (windowState_ == GameOptions::WindowState::FullScreen)
        setWindowState(Qt::WindowFullScreen);
}

void GameWindow::captureWindow() {
    if (classicTable()) return;
    const Qt::WindowStates state = windowState();
    windowState_ = state & Qt::WindowFullScreen  ? GameOptions::WindowState::FullScreen
                   : state & Qt::WindowMaximized ? GameOptions::WindowState::Maximized
                                                 : GameOptions::WindowState::Normal;
    if (windowState_ == GameOptions::WindowState::Normal)
        windowSize_ = size();
    else if (normalGeometry().isValid() && normalGeometry().width() >= FeltMinimumSize.width())
        windowSize_ = normalGeometry().size();
}

void GameWindow::saveView() {
    GameOptions o = currentOptions();
    if (table_->state().phase() == Phase::Results) o.points = table_->state().PendingPoints;
    store_.saveOptions(o);
    saved_ = o;
}

void GameWindow::toggleFullScreen() {
    if (classicTable()) return;
    if (isFullScreen())
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    else
        setWindowState(windowState() | Qt::WindowFullScreen);
}

void GameWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && fullScreenAction_)
        fullScreenAction_->setChecked(isFullScreen());
    if (event->type() == QEvent::WindowStateChange && isVisible() && !classicTable())
        windowSettled_.start();
}

void GameWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (isVisible() && !classicTable()) windowSettled_.start();
}

void GameWindow::saveWindowWhenChanged() {
    captureWindow();
    const GameOptions now = currentOptions();
    if (!(now.windowWidth == saved_.windowWidth && now.windowHeight == saved_.windowHeight &&
          now.windowState == saved_.windowState))
        saveView();
}

void GameWindow::tickLevel() {
    for (QAction* a : levelActions_->actions())
        a->setChecked(a->data().toInt() == static_cast<int>(table_->strength()));
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
    replayAction_ = add(game, "replay", tr("Re&play this deal"), QKeySequence(),
                        [this] { table_->startPracticeDeal(table_->dealNumber()); });
    playNumberAction_ = add(game, "playNumber", tr("Play deal &number..."), QKeySequence(),
                            [this] { playDealNumber(); });
    game->addSeparator();
    undoAction_ = add(game, "undo", tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                      [this] { table_->undo(); });
    redoAction_ = add(game, "redo", tr("Re&do"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                      [this] { table_->redo(); });
    redoAction_->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    game->addSeparator();
    reviewAction_ = add(game, "review", tr("&Review the deal"), QKeySequence(Qt::Key_R),
                        [this] { review_->review(); });
    add(game, "statistics", tr("&Statistics"), QKeySequence(), [this] {
        statisticsWindow_->show();
        statisticsWindow_->raise();
    });
    // The computer's level, also on the classic table, whose panel has no room for Expert.
    QMenu* level = game->addMenu(tr("Computer's &level"));
    levelActions_ = new QActionGroup(this);
    const std::pair<Strength, QString> levels[] = {{Strength::Easy, tr("&Easy")},
                                                   {Strength::Normal, tr("&Normal")},
                                                   {Strength::Hard, tr("&Hard")},
                                                   {Strength::Expert, tr("E&xpert")}};
    for (const auto& [strength, text] : levels) {
        QAction* a = add(level, "", text, QKeySequence(),
                         [this, s = strength] { table_->chooseStrength(s); });
        a->setObjectName(QString("level") + QString::fromLatin1(strengthName(strength).data()));
        a->setCheckable(true);
        a->setData(static_cast<int>(strength));
        levelActions_->addAction(a);
    }
    game->addSeparator();
    add(game, "quit", tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
    // The zooms: the whole table larger, every position on it scaled alike.
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view_ = view;
    classicAction_ = add(view, "classicTable", tr("&Classic table"), QKeySequence(),
                         [this] { setClassicTable(classicAction_->isChecked()); });
    classicAction_->setCheckable(true);
    fullScreenAction_ = add(view, "fullScreen", tr("&Full screen"), QKeySequence(Qt::Key_F11),
                            [this] { toggleFullScreen(); });
    fullScreenAction_->setCheckable(true);
    view->addSeparator();
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

// The felt table's cards: the built-in deck and the SVG decks found, and our backs.
void GameWindow::buildCardMenus(QMenu*) {
    view_->addSeparator();
    QMenu* deckMenu = view_->addMenu(tr("C&ards"));
    auto* decks = new QActionGroup(this);
    const auto addDeck = [&](const QString& key, const QString& name) {
        QAction* a = deckMenu->addAction(name);
        a->setObjectName("deck-" + key);
        a->setCheckable(true);
        a->setChecked(key == renderer_->key());
        a->setProperty("feltOnly", true);
        decks->addAction(a);
        connect(a, &QAction::triggered, this, [this, key] { setDeck(key); });
    };
    addDeck("builtin", BuiltinCardRenderer(cards_).displayName());
    for (const SvgDeck& d : decks_)
        addDeck(d.key, d.name);
    QMenu* backMenu = view_->addMenu(tr("Card &back"));
    auto* backs = new QActionGroup(this);
    for (const CardBack b : {CardBack::Blue, CardBack::Red}) {
        QAction* a = backMenu->addAction(backName(b));
        a->setObjectName(QString("back-") + backKey(b));
        a->setCheckable(true);
        a->setChecked(b == back_);
        a->setProperty("feltOnly", true);
        backs->addAction(a);
        connect(a, &QAction::triggered, this, [this, b] { setBack(b); });
    }
}

// View -> Animation (off, fast, normal) and View -> Sound, for the felt table.
void GameWindow::buildMotionMenus() {
    view_->addSeparator();
    QMenu* menu = view_->addMenu(tr("A&nimation"));
    auto* speeds = new QActionGroup(this);
    const std::pair<MotionSpeed, QString> choices[] = {{MotionSpeed::Off, tr("Off")},
                                                       {MotionSpeed::Fast, tr("Fast")},
                                                       {MotionSpeed::Normal, tr("Normal")}};
    for (const auto& [speed, name] : choices) {
        QAction* a = menu->addAction(name);
        a->setObjectName(QString("animation%1").arg(static_cast<int>(speed)));
        a->setCheckable(true);
        a->setChecked(speed == animation_);
        a->setProperty("feltOnly", true);
        speeds->addAction(a);
        connect(a, &QAction::triggered, this, [this, speed] { setAnimation(speed); });
    }
    QAction* sound = view_->addAction(tr("&Sound"));
    sound->setObjectName("sound");
    sound->setCheckable(true);
    sound->setChecked(sound_);
    sound->setProperty("feltOnly", true);
    connect(sound, &QAction::triggered, this, [this](bool on) { setSound(on); });
}

void GameWindow::setAnimation(MotionSpeed speed) {
    animation_ = speed;
    runAnimation_.reset();  // the player's choice from now on
    if (QAction* a = action(QString("animation%1").arg(static_cast<int>(speed))))
        a->setChecked(true);
    applyMotion();
    saveView();
}

void GameWindow::setSound(bool on) {
    sound_ = on;
    if (QAction* a = action("sound")) a->setChecked(on);
    applyMotion();
    saveView();
}

void GameWindow::applyMotion() {
    FeltTableView* felt = table_->feltTable();
    if (!felt) return;
    felt->setSpeed(runAnimation_.value_or(animation_));
    if (sound_ && !sounds_) sounds_ = makeSoundPlayer();
    felt->setSounds(sound_ ? sounds_.get() : nullptr);
}

void GameWindow::setZoom(int percent) {
    table_->setZoom(percent);
    if (QAction* a = action(QString("zoom%1").arg(table_->zoom()))) a->setChecked(true);
}

void GameWindow::onDealSettled() {
    const GameState& g = table_->state();
    keptDeal_.reset();
    if (table_->practice()) {  // shown, and kept out of the balance and the statistics
        store_.clearDealInProgress();
        return;
    }
    statistics_.record(g.Scoring, table_->resultsView().gain, g.PendingPoints);
    // The deal is decided: its balance is kept now, so quitting on the results screen loses
    // nothing.
    GameOptions options = currentOptions();
    options.points = g.PendingPoints;
    store_.saveDeal(options, statistics_);
    // Only then is the deal gone: stopped in between, the next start sees it counted.
    store_.clearDealInProgress();
    statisticsWindow_->setStatistics(statistics_);
}

void GameWindow::onPhaseShown() {
    const bool results = table_->state().phase() == Phase::Results;
    reviewAction_->setEnabled(results);
    review_->clear();
    review_->setVisible(results);
    updateTitle();
    updateDealActions();
}

void GameWindow::resetStatistics() {
    statistics_.reset();
    store_.saveStatistics(statistics_);
    statisticsWindow_->setStatistics(statistics_);
    dealsBefore_ = 0;  // the deal on the table counts from here
    keepDeal();
}

void GameWindow::closeEvent(QCloseEvent* event) {
    if (table_->state().phase() == Phase::Arranging && !(confirmQuit && confirmQuit())) {
        event->ignore();
        return;
    }
    statisticsWindow_->close();
    rulesWindow_->close();
    windowSettled_.stop();
    saveWindowWhenChanged();
    event->accept();
}

QString GameWindow::shortcutsText() const {
    const auto key = [](const QKeySequence& k) {
        return k.toString(QKeySequence::NativeText).toHtmlEscaped();
    };
    const auto row = [](const QString& keys, const QString& what) {
        return "<tr><td><b>" + keys + "</b></td><td>" + what + "</td></tr>";
    };
    const QString undo = key(undoAction_->shortcut()),
                  redo = key(redoAction_->shortcuts()[0]) + ", " + key(redoAction_->shortcuts()[1]);
    QString t = "<table>";
    t += "<tr><td colspan=2><i>" + tr("While arranging") + "</i></td></tr>";
    t += row(tr("Drag, click"), tr("Move a card: an empty cell takes it, a full one swaps"));
    t += row(tr("Arrow keys"), tr("Move the cursor over the cells"));
    t += row(tr("Space"), tr("Click the cell under the cursor"));
    t += row("1, 2, 3", tr("Send the card to the front, middle or back hand"));
    t += row(tr("Backspace"), tr("Return the card to the hand row"));
    t += row(tr("Escape"), tr("Put a raised card down"));
    t += row(tr("Enter"), tr("REGULAR: commit the arrangement"));
    t += row("H", tr("Suggest an arrangement"));
    t += row(undo, tr("Undo the last move"));
    t += row(redo, tr("Redo the move undone"));
    t += "<tr><td colspan=2><i>" + tr("Anywhere") + "</i></td></tr>";
    t += row(key(reviewAction_->shortcut()), tr("On the results: review the deal"));
    t += row(key(fullScreenAction_->shortcut()), tr("Full screen (felt table)"));
    t += row(key(action("rules")->shortcut()), tr("The rules"));
    t += row(key(action("quit")->shortcut()), tr("Quit (a deal in progress waits)"));
    t += row(tr("Tab"), tr("Next button on a panel"));
    t += row(tr("Space, Enter"), tr("Press the focused button"));
    return t + "</table>";
}

void GameWindow::showShortcuts() {
    QMessageBox::information(this, tr("Keyboard shortcuts"), shortcutsText());
}

void GameWindow::showAbout() {
    QMessageBox::about(this, tr("About KOVARIN32"),
                       tr("<b>KOVARIN32</b><p>The Vietnamese thirteen-card arrangement game: "
                          "split thirteen cards into three hands and play them against one to "
                          "three computer opponents.</p><p>https://kovarin32.example.org</p>"));
}

}  // namespace kov::ui
