// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The felt table: the same game as the classic table, laid out for a window of any size (see
// felt_layout.h), and its results at a glance (felt_results.h). It paints the table of a MainWindow
// and places that window's panels and buttons on it; the window keeps turning input into
// TableMoves, asking this view which cell is where. Painting only paints: the widgets are placed,
// and the settings' choices ticked, when the size, the phase or an option changes.

#include <QObject>
#include <QPixmap>
#include <QRect>

#include "ui/card_renderer.h"
#include "ui/felt_layout.h"
#include "ui/felt_results.h"

class QPainter;

namespace kov::ui {

class MainWindow;

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

  private:
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
};

}  // namespace kov::ui
