// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/results_view.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include "ui/translations.h"

namespace kov::ui {
namespace {

struct BlockLines {
    int verdict;
    int text[3];
    int card[3];
};
constexpr BlockLines OpponentLines{60, {100, 140, 180}, {100, 130, 160}};
constexpr BlockLines PlayerLines{310, {350, 390, 430}, {350, 380, 410}};
constexpr int TextIndent = 170;
constexpr int TotalLine = 470;

constexpr int OpponentHeadingLine = 78;
constexpr int PlayerHeadingLine = 328;
constexpr int HeadingIndent = 10;

void placeTexts(PlacedResults& out, const SeatResult& seat, bool player, int left,
                const BlockLines& lines, bool handOutcomes) {
    if (seat.verdict)
        out.texts.push_back({left + TextIndent, lines.verdict, verdictText(*seat.verdict, player),
                             markOf(*seat.verdict)});
    for (std::size_t k = 0; k < seat.handLines.size(); ++k) {
        const HandLine& line = seat.handLines[k];
        const Mark mark = line.score                     ? markOf(*line.score)
                          : handOutcomes && line.outcome ? markOf(*line.outcome)
                                                         : Mark::None;
        out.texts.push_back({left + TextIndent, lines.text[k], handLineText(line), mark});
    }
}

// The mark's shape in a MarkSize square at (x, y).
QPainterPath markShape(Mark mark, int x, int y) {
    return markPath(mark, QRectF(x, y, MarkSize, MarkSize));
}

// One seat's 13 cards: the front hand on card line 1, the middle on 2, the back on 3.
void placeCards(PlacedResults& out, const SeatResult& seat, int left, const BlockLines& lines) {
    static constexpr int First[] = {0, 3, 8}, Count[] = {3, 5, 5};
    for (int hand = 0; hand < 3; ++hand)
        for (int k = 0; k < Count[hand]; ++k) {
            const int face = seat.rows.cards[static_cast<std::size_t>(First[hand] + k)];
            if (face >= 0) out.cards.push_back({left + 10 + 20 * k, lines.card[hand], face});
        }
}

}  // namespace

Mark markOf(int score) {
    return score > 0 ? Mark::Won : score < 0 ? Mark::Lost : Mark::Tied;
}

QPainterPath markPath(Mark mark, const QRectF& square) {
    QPainterPath path;
    const double x = square.left(), y = square.top(), s = square.width();
    if (mark == Mark::Won) {
        path.moveTo(x, y + s);
        path.lineTo(x + s / 2, y);
        path.lineTo(x + s, y + s);
        path.closeSubpath();
    } else if (mark == Mark::Lost) {
        path.moveTo(x, y);
        path.lineTo(x + s, y);
        path.lineTo(x + s / 2, y + s);
        path.closeSubpath();
    } else if (mark == Mark::Tied) {
        const double bar = s * 4 / MarkSize;  // 4 pixels in the classic square
        path.addRect(x, y + s / 2 - bar / 2, s, bar);
    }
    return path;
}

QColor markColour(Mark mark) {
    return mark == Mark::Won    ? QColor(0, 128, 0)
           : mark == Mark::Lost ? QColor(192, 0, 0)
                                : QColor(96, 96, 96);
}

PlacedResults placeResults(const ResultsView& view, bool handOutcomes) {
    PlacedResults out;
    const int blockWidth = view.option == ScoringOption::Chi ? 270 : 280;
    for (std::size_t s = 0; s < view.opponents.size(); ++s) {
        const int left = blockWidth * static_cast<int>(s);
        out.headings.push_back(
            {left + HeadingIndent, OpponentHeadingLine,
             QCoreApplication::translate("ResultsView", "Opponent %1").arg(s + 1)});
        placeTexts(out, view.opponents[s], false, left, OpponentLines, handOutcomes);
        placeCards(out, view.opponents[s], left, OpponentLines);
    }
    out.headings.push_back(
        {HeadingIndent, PlayerHeadingLine, QCoreApplication::translate("ResultsView", "You")});
    placeTexts(out, view.player, true, 0, PlayerLines, handOutcomes);
    out.texts.push_back({TextIndent, TotalLine, totalLineText(view)});
    placeCards(out, view.player, 0, PlayerLines);
    return out;
}

QFont fittedFont(const QFont& base, const QString& text, int room) {
    QFont font = base;
    if (QFontMetrics(font).horizontalAdvance(text) <= room) return font;
    for (int stretch = 95; stretch >= 60; stretch -= 5) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(text) <= room) return font;
    }
    // Still too wide: smaller, down to two thirds of the size.
    const double points = base.pointSizeF() > 0 ? base.pointSizeF() : 9.0;
    for (double p = points - 0.5; p >= points * 2 / 3; p -= 0.5) {
        font.setPointSizeF(p);
        if (QFontMetrics(font).horizontalAdvance(text) <= room) break;
    }
    return font;
}

void paintResults(QPainter& painter, const PlacedResults& placed, const CardLibrary& cards) {
    const int right = painter.device() ? painter.device()->width() : 800;
    painter.save();
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(Qt::black);
    for (const PlacedText& t : placed.headings)
        painter.drawText(QPoint(t.x, t.y + painter.fontMetrics().ascent()), t.text);
    painter.restore();
    for (const PlacedText& t : placed.texts) {
        painter.save();
        painter.setFont(fittedFont(painter.font(), t.text, right - 2 - t.x));
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(Qt::white);
        painter.setPen(Qt::black);
        const QFontMetrics metrics = painter.fontMetrics();
        painter.drawText(QPoint(t.x, t.y + metrics.ascent()), t.text);
        if (t.mark != Mark::None) {
            painter.setRenderHint(QPainter::Antialiasing);
            const int top = t.y + (metrics.height() - MarkSize) / 2;
            painter.fillPath(markShape(t.mark, t.x - MarkOffset, top), markColour(t.mark));
        }
        painter.restore();
    }
    for (const PlacedCard& c : placed.cards)
        cards.drawCard(painter, QPoint(c.x, c.y), c.face);
}

}  // namespace kov::ui
