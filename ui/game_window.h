// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game's top-level window: the table (MainWindow, 800 x 600, its coordinates unchanged) with
// a menu bar above it. It keeps the options, the balance, the statistics and the deal in progress
// in the store (a deal is played to its end: it comes back at the next start), and opens the
// statistics, the rules and the review.

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "game/statistics.h"
#include "ui/card_renderer.h"
#include "ui/main_window.h"
#include "ui/motion_speed.h"
#include "ui/sound.h"
#include "ui/store.h"

class QAction;
class QActionGroup;

namespace kov::ui {

class ReviewPane;
class RulesWindow;
class StatisticsWindow;

class GameWindow : public QMainWindow {
    Q_OBJECT
  public:
    // `threads` for the simulation: 0 = one per hardware thread. The SVG decks are looked for in
    // `deckFolder`.
    // A deal left unfinished comes back on the table; else `practiceDeal` starts as a practice
    // deal.
    GameWindow(CardLibrary& cards, Store store = Store(), int threads = 0,
               TableStart start = TableStart::AsStored,
               const QString& deckFolder = systemDeckFolder(),
               std::optional<DealNumber> practiceDeal = std::nullopt);
    ~GameWindow() override;

    MainWindow& table() { return *table_; }
    const Statistics& statistics() const { return statistics_; }
    StatisticsWindow* statisticsWindow() const { return statisticsWindow_; }
    RulesWindow* rulesWindow() const { return rulesWindow_; }
    ReviewPane* reviewPane() const { return review_; }
    QAction* action(const QString& objectName) const;

    // Asked when the player quits during a deal, which waits for the next start; true quits.
    // Tests replace it.
    std::function<bool()> confirmQuit;
    // Asks for the number of a deal to play (Game -> Play deal number...); nothing when
    // cancelled. Tests replace it.
    std::function<std::optional<DealNumber>()> askDealNumber;
    // What the Keyboard shortcuts window lists (an HTML table).
    QString shortcutsText() const;
    // Shows the player, without stopping the game, why nothing more is saved (once, when saving
    // stops) or what stored values were lost at the start and where their copy is. Tests replace
    // it.
    std::function<void(const QString&)> showStoreProblem;

    // The options as they stand on the table.
    GameOptions currentOptions() const;

    // The classic table at its fixed size and zooms, or the felt table in a window that resizes.
    void setClassicTable(bool classic);
    bool classicTable() const { return table_->feltTable() == nullptr; }
    // The felt table's cards ("builtin" or an SVG deck's folder name) and back.
    void setDeck(const QString& key);
    void setBack(CardBack back);
    const CardRenderer& cardRenderer() const { return *renderer_; }
    // The felt table's motion and sounds (View menu), kept. KOVARIN32_ANIMATION=off, fast or
    // normal sets the motion for one run without changing the choice kept (the tests run with
    // it off).
    void setAnimation(MotionSpeed speed);
    void setSound(bool on);
    MotionSpeed animation() const { return animation_; }
    bool sound() const { return sound_; }
    const std::vector<SvgDeck>& decks() const { return decks_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildMenus();
    void onDealSettled();
    void onPhaseShown();
    void onDealStarted();
    void keepDeal();
    void updateTitle();
    void updateDealActions();
    void playDealNumber();
    void resetStatistics();
    void showShortcuts();
    void showAbout();
    // Zooms the table and ticks its menu entry.
    void setZoom(int percent);
    void buildViewMenu();
    void buildCardMenus(QMenu* view);
    void buildMotionMenus();
    // Gives the felt table the motion and the sounds in force.
    void applyMotion();
    // Keeps the options with the felt window's size and state, and the balance as it stands.
    void saveView();
    void restoreWindow();
    void captureWindow();
    // Keeps the felt window's size and state once it stops changing, so that a kill does not
    // lose it.
    void saveWindowWhenChanged();
    void showTable(bool classic);
    void toggleFullScreen();

    Store store_;
    Statistics statistics_;
    MainWindow* table_ = nullptr;
    ReviewPane* review_ = nullptr;
    StatisticsWindow* statisticsWindow_ = nullptr;
    RulesWindow* rulesWindow_ = nullptr;
    QAction* reviewAction_ = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
    QAction* replayAction_ = nullptr;
    QAction* playNumberAction_ = nullptr;
    std::int64_t dealsBefore_ = 0;       // the deals counted when the deal on the table was dealt
    std::optional<SavedDeal> keptDeal_;  // the deal in progress as last kept
    QActionGroup* zoomActions_ = nullptr;
    QActionGroup* levelActions_ = nullptr;  // the Game menu's levels, the one in force ticked
    void tickLevel();
    QAction* classicAction_ = nullptr;
    QAction* fullScreenAction_ = nullptr;
    CardLibrary& cards_;
    std::vector<SvgDeck> decks_;
    std::unique_ptr<CardRenderer> renderer_;
    CardBack back_ = CardBack::Blue;
    // The choices kept, which a run with --classic does not change.
    bool keptClassic_ = false;
    GameOptions::WindowState windowState_ = GameOptions::WindowState::Normal;
    QSize windowSize_;
    GameOptions saved_;     // the options last kept, to save the window's size only when it changed
    QTimer windowSettled_;  // restarted by every resize and change of state
    QMenu* view_ = nullptr;
    MotionSpeed animation_ = MotionSpeed::Normal;
    std::optional<MotionSpeed> runAnimation_;  // for this run only
    bool sound_ = true;
    std::unique_ptr<SoundPlayer> sounds_;
};

}  // namespace kov::ui
