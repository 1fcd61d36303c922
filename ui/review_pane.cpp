// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/review_pane.h"

#include <QPainter>
#include <QPushButton>

#include "settle/result_rows.h"
#include "ui/translations.h"
#include "ui/zoom.h"

namespace kov::ui {
namespace {

constexpr int CardsTop = 56;    // three card lines 30 px apart, as in the results view
constexpr int NamesLeft = 170;  // the hand names right of the cards
constexpr int LinesTop = 210;
constexpr int LineHeight = 20;

QString value(double v) {
    return QString::asprintf("%+.2f", v);
}

}  // namespace

ReviewPane::ReviewPane(const GameState& game, const CardLibrary& cards, QWidget* parent)
    : QWidget(parent), game_(game), cards_(cards) {
    setGeometry(Area);
    button_ = new QPushButton(tr("Review (R)"), this);
    button_->setObjectName("reviewButton");
    button_->setGeometry(0, 0, 110, 26);
    button_->setFocusPolicy(Qt::NoFocus);  // the panels keep the keyboard
    connect(button_, &QPushButton::clicked, this, &ReviewPane::review);
}

void ReviewPane::clear() {
    review_.reset();
    button_->setEnabled(true);
    update();
}

void ReviewPane::review() {
    if (game_.phase() != Phase::Results || review_) return;
    review_ = reviewDeal(game_.Holdings.Rows[0], game_.Arrangements[0], game_.Scoring, deals_);
    button_->setEnabled(false);
    update();
}

QStringList ReviewPane::lines() const {
    if (!review_) return {};
    const DealReview& r = *review_;
    const bool chi = r.option == ScoringOption::Chi;
    QStringList out;
    out << tr("The computer would play:");
    // Each value is what the arrangement wins (+) or loses (-) on average against one computer
    // opponent in one deal, the opponents arranging their own cards as the computer does.
    const auto worth = [chi](double v) {
        return chi ? tr("%1 points per opponent a deal").arg(value(v))
                   : tr("%1 sets per opponent a deal").arg(value(v));
    };
    if (r.sameChoice) {
        out << tr("You played the computer's choice.");
        out << tr("Both: %1").arg(worth(r.computerValue));
    } else {
        out << tr("Computer's choice: %1").arg(worth(r.computerValue));
        out << tr("Your arrangement: %1").arg(worth(r.playerValue));
    }
    out << tr("on average, won (+) or lost (-) against one opponent");
    out << (chi ? tr("who arranges as the computer; %1 deals, chi option")
                : tr("who arranges as the computer; %1 deals, set option"))
               .arg(r.deals);
    return out;
}

void ReviewPane::paintEvent(QPaintEvent*) {
    if (!review_) return;
    QPainter painter(this);
    // The pane paints on the table's grid: scaled as the table is, in the table's own font.
    const double zoom = width() / static_cast<double>(Area.width());
    if (zoom != 1.0) painter.scale(zoom, zoom);
    painter.setFont(logicalFont(this));
    const QStringList text = lines();
    const int ascent = painter.fontMetrics().ascent();
    painter.setPen(Qt::black);
    QFont bold = painter.font();
    bold.setBold(true);
    painter.save();
    painter.setFont(bold);
    painter.drawText(QPoint(0, 36 + ascent), text[0]);
    painter.restore();

    // The computer's arrangement as the results view shows a seat: names and cards in display
    // order, front on top.
    const ResultRows rows = resultRow(Settlement{}, review_->computer, 1, review_->option);
    const bool block = rows.names[0] == rows.names[1] && rows.names[1] == rows.names[2];
    for (int k = 0; k < (block ? 1 : 3); ++k)
        painter.drawText(QPoint(NamesLeft, CardsTop + 40 * k + ascent),
                         categoryName(rows.categories[static_cast<std::size_t>(k)]));
    static constexpr int First[] = {0, 3, 8}, Count[] = {3, 5, 5};
    for (int hand = 0; hand < 3; ++hand)
        for (int k = 0; k < Count[hand]; ++k) {
            const int face = rows.cards[static_cast<std::size_t>(First[hand] + k)];
            if (face >= 0)
                cards_.drawCard(painter, QPoint(10 + 20 * k, CardsTop + 30 * hand), face);
        }

    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    for (qsizetype i = 1; i < text.size(); ++i)
        painter.drawText(QPoint(0, LinesTop + LineHeight * static_cast<int>(i - 1) + ascent),
                         text[i]);
}

}  // namespace kov::ui
