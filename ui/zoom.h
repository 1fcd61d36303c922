// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The table is laid out on an 800 x 600 grid of logical pixels; the zoom shows it larger. The
// table's own painting scales through its painter; its child widgets (the panels, their buttons
// and labels, the table's buttons, the review pane) are placed here: each keeps its logical
// geometry, font and frame line, and is given them multiplied by the zoom. At 100 % nothing that
// was never zoomed is touched, and a zoom back to 100 % gives back exactly the logical values.

#include <QFont>
#include <QPoint>
#include <QRect>

#include "ui/zoom_steps.h"

class QWidget;

namespace kov::ui {

// Places every descendant widget of `root` (windows of their own aside) at `factor` times its
// logical geometry, font size and frame line width.
void zoomChildWidgets(QWidget* root, double factor);

// Places `widget` itself at `geometry` (its logical geometry, font and frame line kept for the
// zoom), its font and frame line at `factor` times the logical ones, and its descendants as
// zoomChildWidgets(widget, factor) does. The felt table places its panels this way; a zoom of
// the classic table afterwards puts them back exactly.
void placeScaled(QWidget* widget, const QRect& geometry, double factor);

// A widget's geometry and font at 100 %, whatever the zoom.
QRect logicalGeometry(const QWidget* widget);
QFont logicalFont(const QWidget* widget);

// A rectangle edge by edge: neighbours stay neighbours.
QRect scaledRect(const QRect& r, double factor);
// The logical pixel under a position on a widget zoomed by `factor`.
QPoint logicalPoint(QPointF position, double factor);

}  // namespace kov::ui
