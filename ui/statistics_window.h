#pragma once
// The statistics: per scoring option the deals played, won, lost and tied, the points won and
// lost, the best and worst deal; the balance over the deals played as a chart; and "Reset
// statistics", which asks first.

#include <QDialog>
#include <functional>

#include "game/statistics.h"

class QLabel;
class QPushButton;

namespace kov::ui {

// The balance after each deal, oldest at the left, with the zero line and the extremes.
class BalanceChart : public QWidget {
    Q_OBJECT
  public:
    explicit BalanceChart(QWidget* parent = nullptr);
    void setBalances(std::vector<int> balances);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<int> balances_;
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

    // Asked before resetting; true resets. Tests replace it.
    std::function<bool()> confirmReset;

  signals:
    void resetRequested();

  private:
    QLabel* cells_[8][3] = {};
    BalanceChart* chart_;
    QPushButton* reset_;
};

}  // namespace kov::ui
