// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The felt table: the same game as the classic table, laid out for a window of any size (see
// felt_layout.h), and its results at a glance (felt_results.h). It paints the table of a MainWindow
// and places that window's panels and buttons on it; the window keeps turning input into
// TableMoves, asking this view which cell is where. Painting only paints: the widgets are placed,
// and the settings' choices ticked, when the size, the phase or an option changes.

#include <QElapsedTimer>
#include <QObject>
#include <QPixmap>
#include <QRect>
#include <memory>
#include <vector>

#include "ui/card_motion.h"
#include "ui/card_renderer.h"
#include "ui/felt_layout.h"
#include "ui/felt_results.h"
#include "ui/showdown.h"
#include "ui/sound.h"

class QPainter;

namespace kov::ui {

class MainWindow;

// How the table changed, for its cards' motion: a move (a click, a drop, a key, undo, redo, a
// re-sort), or the suggestion laid out.
enum class TableChange { Move, Suggestion };

// The felt's green, and the colour of an empty cell's outline on it.
inline const QColor FeltGreen(22, 102, 56);

class FeltTableView : public QObject {
    Q_OBJECT
  public:
    FeltTableView(MainWindow& table, CardRenderer& renderer, CardBack back);
    // Gives the window's widgets back the classic table's looks (the settings' buttons no longer
    // checkable).
    ~FeltTableView() override;

    void setRenderer(CardRenderer& renderer);
    void setBack(CardBack back);
    CardRenderer& renderer() const { return *renderer_; }
    CardBack back() const { return back_; }
    const FeltLayout& layout() const { return layout_; }
    // The results as laid out for the deal on display (empty outside the results).
    const FeltResults& results() const { return results_; }

    // Lays the table out for the window's size and options, places the panels and ticks the
    // settings' choices in force.
    void relayout();
    void paint(QPainter& painter);

    int cellAt(QPoint p) const { return feltCellAt(layout_, p); }
    QRect cellRect(int cell) const;

    // The cards' motion: its speed (off until the game window sets the player's choice), the
    // clock it reads (the frame clock, or a test's), the cards as they stand and the showdown.
    void setSpeed(MotionSpeed speed);
    MotionSpeed speed() const { return motion_->speed(); }
    void setClock(MotionClock& clock);
    const CardMotion& motion() const { return *motion_; }
    const Showdown& showdown() const { return *showdown_; }
    // The key of a seat's k-th card in the motion (the player's cards are keyed by their faces).
    static int seatCardKey(int seat, int k) { return 100 + 13 * seat + k; }
    // The table changed: its cards go where they now belong.
    void tableChanged(TableChange change);
    // The card of `cell` follows the pointer, its top-left at `topLeft`.
    void dragTo(int cell, QPoint topLeft);
    // Input while cards move or the showdown runs finishes them at once; true when anything was
    // still moving (the showdown's skip takes the input; a move's does not).
    bool finishMotion();
    bool finishShowdown();
    // Counts the frames painted while anything moves and prints, once it is still, their
    // number, median and worst time between frames on stderr (a debug switch:
    // KOVARIN32_COUNT_FRAMES=1).
    void setCountFrames(bool on) { countFrames_ = on; }
    // Where the table's sounds go; none: silent.
    void setSounds(SoundPlayer* sounds) { sounds_ = sounds; }

  private:
    void phaseEntered(Phase phase);
    void dealCards();
    // Where the player's card of `cell` and a seat's k-th card lie when still.
    CardPose cellPose(int cell) const;
    CardPose seatPose(const FeltSeat& seat, int k) const;
    int faceAt(int cell) const;
    void placeAllCards();
    void countFrame();
    void reportFrames(const char* what);
    void sound(Sound s) {
        if (sounds_) sounds_->play(s);
    }
    void stepSound(ShowdownStep step);
    void placeWidgets();
    void tickChoices();
    void paintFelt(QPainter& painter);
    void paintInfo(QPainter& painter);
    void paintSeats(QPainter& painter);
    void paintCells(QPainter& painter);
    void paintHandNames(QPainter& painter);
    void paintNotes(QPainter& painter);
    void layoutResults();
    void paintReviewGround(QPainter& painter);

    MainWindow& table_;
    CardRenderer* renderer_;
    CardBack back_;
    FeltLayout layout_;
    FeltResults results_;
    QPixmap felt_;  // the cloth for the window's size
    Phase shownPhase_ = Phase::Settings;
    QSize laidOutFor_;
    int laidOutOpponents_ = 0;
    std::unique_ptr<FrameClock> frameClock_;
    MotionClock* clock_ = nullptr;
    std::unique_ptr<CardMotion> motion_;
    std::unique_ptr<Showdown> showdown_;
    MotionSpeed speed_ = MotionSpeed::Off;
    bool countFrames_ = false;
    SoundPlayer* sounds_ = nullptr;
    QElapsedTimer frameTimer_;
    std::vector<qint64> frameTimes_;
};

}  // namespace kov::ui
