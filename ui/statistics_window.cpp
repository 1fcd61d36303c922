// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/statistics_window.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace kov::ui {
namespace {

const char* const RowNames[8] = {
    QT_TRANSLATE_NOOP("kov::ui::StatisticsWindow", "Deals played"),
    QT_TRANSLATE_NOOP("kov::ui::StatisticsWindow", "Deals won"),
    QT_TRANSLATE_NOOP("kov::ui::StatisticsWindow", "Deals lost"),
    QT_TRANSLATE_NOOP("kov::ui::StatisticsWindow", "Deals tied"),
    QT_TRANSLATE_NOOP("kov::ui::StatisticsWindow", "Points won"),
    QT_TRANSLATE_NOOP("kov::ui::StatisticsWindow", "Points lost"),
    QT_TRANSLATE_NOOP("kov::ui::StatisticsWindow", "Best deal"),
    QT_TRANSLATE_NOOP("kov::ui::StatisticsWindow", "Worst deal"),
};
const char* const ColumnNames[3] = {
    QT_TRANSLATE_NOOP("kov::ui::StatisticsWindow", "Chi option"),
    QT_TRANSLATE_NOOP("kov::ui::StatisticsWindow", "Set option"),
    QT_TRANSLATE_NOOP("kov::ui::StatisticsWindow", "All"),
};

QString signedText(int v) {
    return QString::asprintf("%+d", v);
}

}  // namespace

BalanceChart::BalanceChart(QWidget* parent) : QWidget(parent) {
    setMinimumSize(480, 220);
}

void BalanceChart::setSeries(std::vector<std::int64_t> series) {
    balances_ = std::move(series);
    update();
}

void BalanceChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::gray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFontMetrics fm = p.fontMetrics();
    if (balances_.empty()) {
        p.setPen(Qt::black);
        p.drawText(rect(), Qt::AlignCenter, tr("No deals played yet"));
        return;
    }
    const auto [lo, hi] = std::minmax_element(balances_.begin(), balances_.end());
    const std::int64_t low = std::min<std::int64_t>(*lo, 0), high = std::max<std::int64_t>(*hi, 0);
    const int labelWidth = std::max(fm.horizontalAdvance(QString::number(low)),
                                    fm.horizontalAdvance(QString::number(high))) +
                           10;
    const QRect plot = rect().adjusted(labelWidth, 10, -10, -10 - fm.height());
    const double span = static_cast<double>(std::max<std::int64_t>(1, high - low));
    const auto yOf = [&](std::int64_t v) {
        return plot.bottom() - static_cast<double>(v - low) / span * plot.height();
    };
    const std::size_t n = balances_.size();
    const auto xOf = [&](std::size_t i) {
        return n == 1 ? plot.center().x()
                      : plot.left() +
                            static_cast<double>(i) / static_cast<double>(n - 1) * plot.width();
    };
    // Axis labels: the highest, zero and the lowest balance; the deal count below.
    p.setPen(Qt::black);
    for (std::int64_t v : {high, std::int64_t{0}, low})
        p.drawText(QRectF(0, yOf(v) - fm.height() / 2.0, labelWidth - 5, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    p.drawText(QRect(plot.left(), plot.bottom() + 4, plot.width(), fm.height()), Qt::AlignCenter,
               n == 1 ? tr("the result of the one deal played")
                      : tr("the results of the last %1 deals added up").arg(n));
    p.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    p.drawLine(QPointF(plot.left(), yOf(0)), QPointF(plot.right(), yOf(0)));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 90, 180), 2));
    QPolygonF line;
    for (std::size_t i = 0; i < n; ++i)
        line << QPointF(xOf(i), yOf(balances_[i]));
    if (n == 1)
        p.drawEllipse(line[0], 3, 3);
    else
        p.drawPolyline(line);
}

StatisticsWindow::StatisticsWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Statistics"));
    auto* grid = new QGridLayout;
    for (int c = 0; c < 3; ++c) {
        auto* head = new QLabel(QString("<b>%1</b>").arg(tr(ColumnNames[c])));
        head->setAlignment(Qt::AlignRight);
        grid->addWidget(head, 0, c + 1);
    }
    for (int r = 0; r < 8; ++r) {
        grid->addWidget(new QLabel(tr(RowNames[r])), r + 1, 0);
        for (int c = 0; c < 3; ++c) {
            cells_[r][c] = new QLabel;
            cells_[r][c]->setAlignment(Qt::AlignRight);
            grid->addWidget(cells_[r][c], r + 1, c + 1);
        }
    }
    chart_ = new BalanceChart;
    bought_ = new QLabel;
    reset_ = new QPushButton(tr("Reset statistics"));
    auto* close = new QPushButton(tr("Close"));
    // Enter closes, even with the focus on Reset: only a click or Space resets.
    close->setDefault(true);
    reset_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reset_);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(chart_);
    layout->addWidget(bought_);
    layout->addLayout(buttons);

    confirmReset = [this] {
        return QMessageBox::question(this, tr("Reset statistics"),
                                     tr("Forget every deal counted so far and the balance chart?"),
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    connect(reset_, &QPushButton::clicked, this, [this] {
        if (confirmReset && confirmReset()) emit resetRequested();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    setStatistics(Statistics{});
}

void StatisticsWindow::setStatistics(const Statistics& statistics) {
    const OptionStatistics columns[3] = {statistics.of(ScoringOption::Chi),
                                         statistics.of(ScoringOption::Set), statistics.total()};
    for (int c = 0; c < 3; ++c) {
        const OptionStatistics& s = columns[c];
        const qint64 values[6] = {s.played, s.won, s.lost, s.tied, s.pointsWon, s.pointsLost};
        for (int r = 0; r < 6; ++r)
            cells_[r][c]->setText(QString::number(values[r]));
        cells_[6][c]->setText(s.played > 0 ? signedText(s.best) : "-");
        cells_[7][c]->setText(s.played > 0 ? signedText(s.worst) : "-");
    }
    chart_->setSeries(resultsSeries(statistics.gains));
    bought_->setText(
        tr("Points bought: %1, not counted as winnings.").arg(statistics.pointsBought));
}

QString StatisticsWindow::boughtText() const {
    return bought_->text();
}

QString StatisticsWindow::cell(int row, int column) const {
    return cells_[row][column]->text();
}

}  // namespace kov::ui
