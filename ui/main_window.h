// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window: builds the player's table, the three panels and the results view, and turns
// the panels' commands, the table's clicks, drags and keys into commands of its TableController,
// repainting when the controller signals a change. The game's rules live in the engine; where
// things go on the screen lives in table_view and results_view (the classic table) or
// felt_table_view (the felt table).

#include <QElapsedTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "deal/strategy.h"
#include "game/game_flow.h"
#include "game/table_moves.h"
#include "ui/card_library.h"
#include "ui/card_renderer.h"
#include "ui/dialog_panel.h"
#include "ui/results_view.h"
#include "ui/table_controller.h"
#include "ui/table_view.h"

class QAccessibleEvent;
class QPushButton;

namespace kov::ui {

class FeltTableView;

// Window title: the program and its maker's web address (translated as MainWindow's text).
inline constexpr const char* WindowTitle =
    QT_TRANSLATE_NOOP("kov::ui::MainWindow", "KOVARIN32 by https://kovarin32.example.org");

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    // `threads` for the simulation: 0 = one per hardware thread.
    explicit MainWindow(CardLibrary& cards, int threads = 0);
    ~MainWindow() override;

    // The game's steps behind this table and its other views.
    TableController& controller() const { return *controller_; }
    GameState& state() { return controller_->state(); }
    Random& random() { return controller_->random(); }
    SettingsPanel* settingsDialog() const { return settings_; }
    ArrangementPanel* arrangementDialog() const { return arrangement_; }
    ResultsPanel* resultsDialog() const { return results_; }
    const ResultsView& resultsView() const { return controller_->results(); }
    const PlacedResults& placedResults() const { return placed_; }
    // How the player committed the deal on display (the results say why one is ILLEGAL).
    Commit committed() const { return controller_->committed(); }

    const CardLibrary& cards() const { return cards_; }
    QPushButton* suggestButton() const { return suggest_; }
    QPushButton* undoButton() const { return undo_; }
    const TableAids& tableAids() const { return aids_; }
    const TableHistory& tableHistory() const { return controller_->history(); }

    // Shows a message box owned by this window (tests replace it so nothing blocks).
    std::function<void(const QString&)> showMessage;
    // Asks a yes/no question before an irreversible step, No by default; true for Yes (tests
    // replace it so nothing blocks).
    std::function<bool(const QString&)> askQuestion;
    // Passes a change on to assistive technology (QAccessible::updateAccessibility; tests
    // replace it to see the events, which Qt passes on only while a reader listens).
    std::function<void(QAccessibleEvent*)> notifyAccessibility;

    // Mouse and key input that reaches the window within this many milliseconds after a panel
    // was replaced is dropped, so that the second click of a double click (or a key pressed while
    // a deal is being dealt) does not land on the new panel. The double-click interval by
    // default; 0 turns it off.
    void setInputGuard(int milliseconds) { inputGuardMs_ = milliseconds; }

    // The computer's suggestion for the player's cards (the H key and the SUGGEST button), at
    // AdvisorStrength.
    void suggest();

    // Recomputes the points still needed and shows or hides START GAME.
    void updateStartButton();

    // The table's undo and redo (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y).
    void undo();
    void redo();

    // The deal's number and whether it is a practice deal (see TableController).
    DealNumber dealNumber() const { return controller_->dealNumber(); }
    bool practice() const { return controller_->practice(); }
    bool hasDealt() const { return controller_->hasDealt(); }
    // A practice deal of `number` (Game -> Replay this deal, Play deal number..., --deal N).
    void startPracticeDeal(DealNumber number);
    // Puts a kept deal back on the table, its options and level shown on the settings panel.
    void resumeDeal(const SavedDeal& deal);

    // Puts back the options and the balance of an earlier run, as if chosen on the settings
    // panel: a choice that is already in force keeps its label as it stands.
    void restoreOptions(int opponents, int stake, ScoringOption scoring, HandOrder order,
                        int points);

    // How well the computer's seats play from the next START GAME on (the settings panel's
    // level buttons); the label names the level in force.
    void setStrength(Strength strength);
    Strength strength() const { return controller_->strength(); }
    // The same chosen from elsewhere than the panel (the Game menu): optionsChanged() follows.
    void chooseStrength(Strength strength);

    // The zoom in per cent (100, 150 or 200): the window is 800 x 600 times it, everything on it
    // scaled alike, and input positions are mapped back to the table's 800 x 600 grid.
    void setZoom(int percent);
    int zoom() const { return zoom_; }
    double scale() const { return zoom_ / 100.0; }
    // The logical pixel of the table under a position on the window.
    QPoint tablePoint(QPointF position) const;

    // The felt table drawn with `renderer` (the window then resizes freely from the felt's
    // minimum), or with none the classic table at its fixed size and zoom.
    void setFeltTable(CardRenderer* renderer, CardBack back = CardBack::Blue);
    FeltTableView* feltTable() const { return felt_.get(); }
    // A cell's rectangle on this window, on the table shown.
    QRect cellOnWindow(int cell) const;
    // The claim button the suggestion points at, or null.
    QWidget* pointedClaimButton() const;

  signals:
    // An option, the hand order or the points changed on a panel.
    void optionsChanged();
    // Points bought on the settings panel (before optionsChanged).
    void pointsBought(int points);
    // The player committed and the deal is settled: resultsView() and PendingPoints hold it.
    void dealSettled();
    // The view of another phase is shown.
    void phaseShown();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onSettingsCommand(SettingsControl id);
    void onArrangementCommand(ArrangementControl id);
    void onResultsCommand(ResultsControl id);
    void setPoints(int points);
    void phaseChanged();
    void startGame();
    void commit(Commit commit);
    void showSettled();
    void applyTableMove(const TableMove& move);
    // The table changed: the notes refreshed, the cell under the cursor told, repainted.
    void tableChanged();
    void refreshAids();
    void endDrag();
    // The cell under a table point and a cell's rectangle, on the table shown.
    int cellAt(QPoint at) const;
    QRect cellBox(int cell) const;
    // Tells assistive technology that the keyboard cursor is on its cell.
    void cursorMoved();
    // Tells it that the cell under the cursor may hold another card (its name changed).
    void cursorCellChanged();

    CardLibrary& cards_;
    TableController* controller_;
    SettingsPanel* settings_ = nullptr;
    ArrangementPanel* arrangement_ = nullptr;
    ResultsPanel* results_ = nullptr;
    PlacedResults placed_;
    bool terminated_ = false;

    // Arranging: the claim the suggestion points at, the view's aids.
    HandCategory pointedSpecial_ = cat::Trash;
    TableAids aids_;
    QPushButton* suggest_ = nullptr;
    QPushButton* undo_ = nullptr;
    // A press on a card that lifted it: it may become a drag.
    struct PressedCard {
        int cell = -1;
        QPoint at;          // where the press was
        QPoint grabOffset;  // from the card's top-left to the pointer
        bool dragging = false;
    } pressed_;

    int zoom_ = 100;
    std::unique_ptr<FeltTableView> felt_;  // the felt table, or null for the classic one
    int inputGuardMs_;
    bool suggesting_ = false;
    QElapsedTimer sincePanelChange_;
};

// Which table a run starts with: the one the player chose last (the felt table for a new
// player), or the classic table for this run only (the choice kept stays as it was).
enum class TableStart { AsStored, Classic };

// The program's start: loads the card library (a message box and exit status 0 when it cannot:
// the message, and in detail the files and folders looked in), then shows the window and runs
// the event loop; `practiceDeal` starts as a practice deal (kovarin32 --deal N).
int runGame(CardLibrary& cards, const QStringList& libraryCandidates,
            const std::function<void(const QString& text, const QString& details)>& failureMessage,
            TableStart start = TableStart::AsStored,
            std::optional<DealNumber> practiceDeal = std::nullopt);

}  // namespace kov::ui
