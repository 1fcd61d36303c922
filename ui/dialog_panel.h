// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One builder turns a panel's layout into a panel of Qt widgets; Panel<Control> then finds the
// controls by the names of that panel's controls. The controls show their texts in the player's
// language, and each control's accessible name is its text, or the layout's spoken name.

#include <QFrame>
#include <QString>
#include <map>

#include "ui/panel_layouts.h"

class QAbstractButton;
class QLabel;

namespace kov::ui {

// Dialog units of the 8-point dialog font: 1.5 px across, 1.625 px down.
QRect dialogUnitsToPixels(int x, int y, int width, int height);

class DialogPanel : public QFrame {
    Q_OBJECT
  public:
    DialogPanel(const PanelLayout& layout, QWidget* parent);

    int dialogId() const { return id_; }

  signals:
    void command(int id);

  protected:
    QWidget* control(int id) const;
    QAbstractButton* button(int id) const;
    QLabel* label(int id) const;
    // `text` as shown, already in the player's language; it names the control too.
    void setControlText(int id, const QString& text);
    QString controlText(int id) const;

    // Enter presses the focused button, as in a dialog.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int id_;
    std::map<int, QWidget*> controls_;
};

// A panel whose controls are named by the enum Control.
template <typename Control>
class Panel : public DialogPanel {
  public:
    using DialogPanel::DialogPanel;

    QWidget* control(Control c) const { return DialogPanel::control(id(c)); }
    QAbstractButton* button(Control c) const { return DialogPanel::button(id(c)); }
    QLabel* label(Control c) const { return DialogPanel::label(id(c)); }
    void setControlText(Control c, const QString& text) {
        DialogPanel::setControlText(id(c), text);
    }
    QString controlText(Control c) const { return DialogPanel::controlText(id(c)); }

  private:
    static int id(Control c) { return static_cast<int>(c); }
};

using SettingsPanel = Panel<SettingsControl>;
using ArrangementPanel = Panel<ArrangementControl>;
using ResultsPanel = Panel<ResultsControl>;

}  // namespace kov::ui
