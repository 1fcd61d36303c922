#pragma once
// The main window: builds the player's table, the three panels and the results view, and wires
// the panels' commands and the table's clicks to the game. The game's rules live in the engine;
// where things go on the screen lives in table_view and results_view.

#include <QWidget>
#include <functional>
#include <memory>

#include "game/game_flow.h"
#include "ui/card_library.h"
#include "ui/dialog_panel.h"
#include "ui/results_view.h"

namespace kov::ui {

// Window title: the program and its maker's web address (translated as MainWindow's text).
inline constexpr const char* WindowTitle =
    QT_TRANSLATE_NOOP("kov::ui::MainWindow", "KOVARIN32 by https://kovarin32.example.org");

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    // `threads` for the simulation: 0 = one per hardware thread.
    explicit MainWindow(CardLibrary& cards, int threads = 0);
    ~MainWindow() override;

    GameState& state() { return game_; }
    Random& random() { return rng_; }
    SettingsPanel* settingsDialog() const { return settings_; }
    ArrangementPanel* arrangementDialog() const { return arrangement_; }
    ResultsPanel* resultsDialog() const { return results_; }
    const ResultsView& resultsView() const { return view_; }
    const PlacedResults& placedResults() const { return placed_; }

    // Shows a message box owned by this window (tests replace it so nothing blocks).
    std::function<void(const QString&)> showMessage;

    // Recomputes the points still needed and shows or hides START GAME.
    void updateStartButton();

    // Puts back the options and the balance of an earlier run, as if chosen on the settings
    // panel: a choice that is already in force keeps its label as it stands.
    void restoreOptions(int opponents, int stake, ScoringOption scoring, HandOrder order,
                        int points);

  signals:
    // An option, the hand order or the points changed on a panel.
    void optionsChanged();
    // The player committed and the deal is settled: resultsView() and PendingPoints hold it.
    void dealSettled();
    // The view of another phase is shown.
    void phaseShown();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void onSettingsCommand(SettingsControl id);
    void onArrangementCommand(ArrangementControl id);
    void onResultsCommand(ResultsControl id);
    void setPoints(int points);
    void phaseChanged();
    void startGame();
    void commit(int category);

    CardLibrary& cards_;
    GameState game_;
    Random rng_;
    std::unique_ptr<Evaluator> evaluator_;
    SettingsPanel* settings_ = nullptr;
    ArrangementPanel* arrangement_ = nullptr;
    ResultsPanel* results_ = nullptr;
    ResultsView view_;
    PlacedResults placed_;
    bool terminated_ = false;
};

// The program's start: loads the card library (a message box and exit status 0 when it cannot:
// the message, and in detail the files and folders looked in), then shows the window and runs
// the event loop.
int runGame(CardLibrary& cards, const QStringList& libraryCandidates,
            const std::function<void(const QString& text, const QString& details)>& failureMessage);

}  // namespace kov::ui
