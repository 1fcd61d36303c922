// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rules of the game in a window of their own (Help > Rules, F1).

#include <QDialog>

class QTextBrowser;

namespace kov::ui {

// The rules as HTML; the payout tables come from the payouts the settlement uses.
QString rulesText();

class RulesWindow : public QDialog {
    Q_OBJECT
  public:
    explicit RulesWindow(QWidget* parent = nullptr);
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
};

}  // namespace kov::ui
