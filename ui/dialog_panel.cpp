// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialog_panel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace kov::ui {

QRect dialogUnitsToPixels(int x, int y, int width, int height) {
    const auto px = [](double v) { return static_cast<int>(std::lround(v)); };
    return QRect(px(x * 1.5), px(y * 1.625), px(width * 1.5), px(height * 1.625));
}

DialogPanel::DialogPanel(const PanelLayout& layout, QWidget* parent)
    : QFrame(parent), id_(layout.id) {
    setObjectName(QString("dialog_%1").arg(layout.id));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(212, 208, 200));
    setPalette(pal);
    QFont dialogFont = font();
    dialogFont.setPixelSize(10);
    setFont(dialogFont);
    setGeometry(dialogUnitsToPixels(0, 0, layout.width, layout.height));
    for (const ControlLayout& c : layout.controls) {
        const QString text =
            *c.text ? QCoreApplication::translate("DialogPanel", c.text) : QString();
        QWidget* w;
        if (c.kind == ControlKind::Button) {
            auto* b = new QPushButton(text, this);
            connect(b, &QPushButton::clicked, this, [this, id = c.id] { emit command(id); });
            w = b;
        } else {
            auto* l = new QLabel(text, this);
            l->setAlignment(Qt::AlignCenter);
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            l->setLineWidth(1);
            w = l;
        }
        w->setObjectName(QString("control_%1").arg(c.id));
        w->setProperty("controlId", c.id);
        w->setGeometry(dialogUnitsToPixels(c.x, c.y, c.width, c.height));
        w->setVisible(!c.hidden);
        if (c.accessibleName) {
            w->setProperty("spokenName", true);
            w->setAccessibleName(QCoreApplication::translate("DialogPanel", c.accessibleName));
        } else {
            w->setAccessibleName(text);
        }
        controls_[c.id] = w;
    }
}

QWidget* DialogPanel::control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}
QAbstractButton* DialogPanel::button(int id) const {
    return qobject_cast<QAbstractButton*>(control(id));
}
QLabel* DialogPanel::label(int id) const {
    return qobject_cast<QLabel*>(control(id));
}

void DialogPanel::setControlText(int id, const QString& text) {
    if (auto* l = label(id))
        l->setText(text);
    else if (auto* b = button(id))
        b->setText(text);
    else
        return;
    if (!control(id)->property("spokenName").toBool()) control(id)->setAccessibleName(text);
}

QString DialogPanel::controlText(int id) const {
    if (auto* l = label(id)) return l->text();
    if (auto* b = button(id)) return b->text();
    return {};
}

void DialogPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* b = qobject_cast<QAbstractButton*>(focusWidget())) {
            b->click();
            return;
        }
    }
    QFrame::keyPressEvent(event);
}

}  // namespace kov::ui
