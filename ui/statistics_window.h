// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The statistics: per scoring option the deals played, won, lost and tied, the points won and
// lost, the best and worst deal; the deals' results added up as a chart, with the points bought
// named beneath it (they are no winnings); and "Reset statistics", which asks first.

#include <QDialog>
#include <functional>

#include "game/statistics.h"

class QLabel;
class QPushButton;

namespace kov::ui {

// The deals' results added up, one point a deal, oldest at the left, with the zero line and the
// extremes.
class BalanceChart : public QWidget {
    Q_OBJECT
  public:
    explicit BalanceChart(QWidget* parent = nullptr);
    void setSeries(std::vector<std::int64_t> series);
    const std::vector<std::int64_t>& series() const { return balances_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<std::int64_t> balances_;
};

class StatisticsWindow : public QDialog {
    Q_OBJECT
  public:
    explicit StatisticsWindow(QWidget* parent = nullptr);

    void setStatistics(const Statistics& statistics);
    // The text of a cell: row 0..7 (played, won, lost, tied, points won, points lost, best,
    // worst), column 0 chi option, 1 set option, 2 all.
    QString cell(int row, int column) const;
    QPushButton* resetButton() const { return reset_; }
    const BalanceChart* chart() const { return chart_; }
    // The line beneath the chart on the points bought.
    QString boughtText() const;

    // Asked before resetting; true resets. Tests replace it.
    std::function<bool()> confirmReset;

  signals:
    void resetRequested();

  private:
    QLabel* cells_[8][3] = {};
    BalanceChart* chart_;
    QLabel* bought_;
    QPushButton* reset_;
};

}  // namespace kov::ui
