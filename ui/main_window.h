#pragma once
// The main window: the player's table of 2 x 13 card cells, the three dialog panels, and the
// results view. The window builds and wires; the game's rules live in the engine.

#include <QWidget>
#include <functional>
#include <memory>

#include "game/game_flow.h"
#include "ui/card_library.h"
#include "ui/dialog_panel.h"

namespace kov::ui {

// Window title: the program and its maker's web address.
inline constexpr const char* WindowTitle = "KOVARIN32 by https://kovarin32.example.org";

struct CellHit {
    bool hit = false;
    int row = -1, column = -1;
};

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    // `threads` for the simulation: 0 = one per hardware thread.
    explicit MainWindow(CardLibrary& cards, int threads = 0);
    ~MainWindow() override;

    // The screen rectangle of a table cell (60 x 80, columns 64 px apart).
    static QRect cardRect(int row, int column);
    static CellHit hitTestCell(QPoint p);

    GameState& state() { return game_; }
    Random& random() { return rng_; }
    DialogPanel* settingsDialog() const { return settings_; }
    DialogPanel* arrangementDialog() const { return arrangement_; }
    DialogPanel* resultsDialog() const { return results_; }
    const ResultsView& resultsView() const { return view_; }

    // Shows a message box owned by this window (tests replace it so nothing blocks).
    std::function<void(const QString&)> showMessage;

    // Recomputes the points still needed and shows or hides START GAME.
    void updateStartButton();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void onSettingsCommand(int id);
    void onArrangementCommand(int id);
    void onResultsCommand(int id);
    void setPoints(int points);
    void phaseChanged();
    void startGame();
    void commit(int category);
    void paintTable(QPainter& painter);
    void paintResults(QPainter& painter);
    void drawCard(QPainter& painter, QPoint topLeft, int face);
    void drawText(QPainter& painter, int x, int y, const QString& text);

    CardLibrary& cards_;
    GameState game_;
    Random rng_;
    std::unique_ptr<Evaluator> evaluator_;
    DialogPanel* settings_ = nullptr;
    DialogPanel* arrangement_ = nullptr;
    DialogPanel* results_ = nullptr;
    ResultsView view_;
    bool terminated_ = false;
};

// The program's start: loads the card library (a message box and exit status 0 when it cannot),
// then shows the window and runs the event loop.
int runGame(CardLibrary& cards, const QStringList& libraryCandidates,
            const std::function<void(const QString&)>& failureMessage);

}  // namespace kov::ui
