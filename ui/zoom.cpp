// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/zoom.h"

#include <QFrame>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace kov::ui {
namespace {

constexpr const char* GeometryKey = "kovLogicalGeometry";
constexpr const char* FontKey = "kovLogicalFont";
constexpr const char* LineKey = "kovLogicalLineWidth";

int scaled(int v, double factor) {
    return static_cast<int>(std::lround(v * factor));
}

QFont scaledFont(QFont font, double factor) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, scaled(font.pixelSize(), factor)));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

}  // namespace

QRect scaledRect(const QRect& r, double factor) {
    const int left = scaled(r.x(), factor), top = scaled(r.y(), factor);
    return QRect(left, top, scaled(r.x() + r.width(), factor) - left,
                 scaled(r.y() + r.height(), factor) - top);
}

QPoint logicalPoint(QPointF position, double factor) {
    return QPoint(static_cast<int>(std::floor(position.x() / factor)),
                  static_cast<int>(std::floor(position.y() / factor)));
}

QRect logicalGeometry(const QWidget* widget) {
    const QVariant v = widget->property(GeometryKey);
    return v.isValid() ? v.toRect() : widget->geometry();
}

QFont logicalFont(const QWidget* widget) {
    const QVariant v = widget->property(FontKey);
    return v.isValid() ? v.value<QFont>() : widget->font();
}

namespace {

// Keeps a widget's logical geometry, font (when `ownFont`) and frame line, once.
void keepLogical(QWidget* w, bool ownFont) {
    if (w->property(GeometryKey).isValid()) return;
    w->setProperty(GeometryKey, w->geometry());
    if (ownFont) w->setProperty(FontKey, w->font());
    if (auto* frame = qobject_cast<QFrame*>(w)) w->setProperty(LineKey, frame->lineWidth());
}

void scaleFontAndLine(QWidget* w, double factor) {
    const QVariant font = w->property(FontKey);
    if (font.isValid()) w->setFont(scaledFont(font.value<QFont>(), factor));
    if (auto* frame = qobject_cast<QFrame*>(w))
        frame->setLineWidth(scaled(w->property(LineKey).toInt(), factor));
}

}  // namespace

void zoomChildWidgets(QWidget* root, double factor) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (w->isWindow()) continue;
        const bool stored = w->property(GeometryKey).isValid();
        if (!stored && factor == 1.0) continue;  // never zoomed: left exactly as laid out
        // A font set on the widget, or inherited from the root (whose own font stays the
        // logical one its painting uses), is scaled here; the others inherit the scaled one.
        keepLogical(w, w->parentWidget() == root || w->testAttribute(Qt::WA_SetFont));
        w->setGeometry(scaledRect(w->property(GeometryKey).toRect(), factor));
        scaleFontAndLine(w, factor);
    }
}

void placeScaled(QWidget* widget, const QRect& geometry, double factor) {
    keepLogical(widget, true);
    widget->setGeometry(geometry);
    zoomChildWidgets(widget, factor);  // first: they keep the fonts they inherit at 100 %
    scaleFontAndLine(widget, factor);
}

}  // namespace kov::ui
