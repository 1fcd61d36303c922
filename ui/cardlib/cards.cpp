// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Card faces drawn from shapes, at any size: a white rounded card with a thin border, the rank and
// suit in the top-left corner and, turned, in the bottom-right; pips for two to ten, one large
// suit sign for the ace, a framed letter for the courts. Hearts and diamonds red, clubs and spades
// black.

#include "ui/cardlib/cards.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int NaturalWidth = 71;
constexpr int NaturalHeight = 96;

enum Suit { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3 };

// A suit sign centred on (0, 0), about one unit across.
QPainterPath suitPath(int suit) {
    QPainterPath p;
    switch (suit) {
        case Diamonds:
            p.moveTo(0, -0.5);
            p.lineTo(0.38, 0);
            p.lineTo(0, 0.5);
            p.lineTo(-0.38, 0);
            p.closeSubpath();
            break;
        case Hearts:
            p.moveTo(0, 0.48);
            p.cubicTo(-0.2, 0.3, -0.5, 0.05, -0.5, -0.2);
            p.cubicTo(-0.5, -0.45, -0.15, -0.55, 0, -0.28);
            p.cubicTo(0.15, -0.55, 0.5, -0.45, 0.5, -0.2);
            p.cubicTo(0.5, 0.05, 0.2, 0.3, 0, 0.48);
            break;
        case Spades:
            p.moveTo(0, -0.5);
            p.cubicTo(0.2, -0.25, 0.5, -0.05, 0.5, 0.15);
            p.cubicTo(0.5, 0.38, 0.2, 0.42, 0.05, 0.25);
            p.lineTo(0.15, 0.5);
            p.lineTo(-0.15, 0.5);
            p.lineTo(-0.05, 0.25);
            p.cubicTo(-0.2, 0.42, -0.5, 0.38, -0.5, 0.15);
            p.cubicTo(-0.5, -0.05, -0.2, -0.25, 0, -0.5);
            break;
        default:  // clubs
            p.addEllipse(QPointF(0, -0.24), 0.22, 0.22);
            p.addEllipse(QPointF(-0.24, 0.08), 0.22, 0.22);
            p.addEllipse(QPointF(0.24, 0.08), 0.22, 0.22);
            p.moveTo(-0.05, 0.1);
            p.lineTo(0.05, 0.1);
            p.lineTo(0.15, 0.5);
            p.lineTo(-0.15, 0.5);
            p.closeSubpath();
            p.setFillRule(Qt::WindingFill);
            break;
    }
    return p;
}

void drawSuit(QPainter& painter, int suit, QPointF centre, double size, bool upsideDown = false) {
    painter.save();
    painter.translate(centre);
    if (upsideDown) painter.rotate(180);
    painter.scale(size, size);
    painter.drawPath(suitPath(suit));
    painter.restore();
}

// Pip positions for two to ten, as fractions of the pip area (x 0..1, y 0..1).
const std::vector<QPointF>& pipLayout(int count) {
    static const std::vector<QPointF> layouts[11] = {
        {},
        {{0.5, 0.5}},
        {{0.5, 0}, {0.5, 1}},
        {{0.5, 0}, {0.5, 0.5}, {0.5, 1}},
        {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
        {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}},
        {{0, 0},
         {1, 0},
         {0, 1.0 / 3},
         {1, 1.0 / 3},
         {0.5, 0.5},
         {0, 2.0 / 3},
         {1, 2.0 / 3},
         {0, 1},
         {1, 1}},
        {{0, 0},
         {1, 0},
         {0.5, 1.0 / 6},
         {0, 1.0 / 3},
         {1, 1.0 / 3},
         {0, 2.0 / 3},
         {1, 2.0 / 3},
         {0.5, 5.0 / 6},
         {0, 1},
         {1, 1}},
    };
    return layouts[count];
}

void drawBack(QPainter& painter, const QRectF& card) {
    painter.setBrush(QColor(30, 60, 140));
    painter.drawRoundedRect(card, card.width() * 0.08, card.width() * 0.08);
    painter.setPen(QPen(QColor(200, 210, 240), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(card.adjusted(4, 4, -4, -4), 3, 3);
}

void drawFace(QPainter& painter, const QRectF& card, int face) {
    const int rank = face / 4, suit = face % 4;
    const bool red = suit == Hearts || suit == Diamonds;
    const QColor ink = red ? QColor(200, 0, 0) : QColor(0, 0, 0);
    const double w = card.width(), h = card.height();

    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), w * 0.08, w * 0.08);

    static const char* Ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(6, static_cast<int>(h * (rank == 9 ? 0.13 : 0.16))));
    if (rank == 9) font.setLetterSpacing(QFont::PercentageSpacing, 85);
    painter.setFont(font);
    const double indexWidth = w * 0.24;
    // The corner index, drawn once top-left and once turned bottom-right.
    for (int corner = 0; corner < 2; ++corner) {
        painter.save();
        if (corner == 1) {
            painter.translate(card.center());
            painter.rotate(180);
            painter.translate(-card.center());
        }
        painter.setPen(ink);
        const QRectF rankBox(card.left() + 1, card.top() + 2, indexWidth, h * 0.17);
        painter.drawText(rankBox, Qt::AlignHCenter | Qt::AlignTop, Ranks[rank]);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        drawSuit(painter, suit, QPointF(rankBox.center().x(), card.top() + h * 0.25), w * 0.13);
        painter.restore();
    }

    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const QRectF pips(card.left() + w * 0.34, card.top() + h * 0.17, w * 0.32, h * 0.66);
    if (rank == 0) {
        drawSuit(painter, suit, card.center(), w * 0.45);
    } else if (rank <= 9) {
        const double pipSize = w * (rank >= 7 ? 0.15 : 0.17);
        for (const QPointF& at : pipLayout(rank + 1)) {
            const QPointF centre(pips.left() + at.x() * pips.width(),
                                 pips.top() + at.y() * pips.height());
            drawSuit(painter, suit, centre, pipSize, at.y() > 0.5);
        }
    } else {
        // Courts: a framed panel with the letter and the suit.
        const QRectF frame(card.left() + w * 0.24, card.top() + h * 0.14, w * 0.52, h * 0.72);
        painter.setPen(QPen(ink, 1));
        painter.setBrush(red ? QColor(255, 235, 235) : QColor(235, 235, 245));
        painter.drawRect(frame);
        QFont big = painter.font();
        big.setPixelSize(std::max(8, static_cast<int>(h * 0.3)));
        painter.setFont(big);
        painter.drawText(frame.adjusted(0, 0, 0, -frame.height() * 0.3), Qt::AlignCenter,
                         Ranks[rank]);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        drawSuit(painter, suit, QPointF(frame.center().x(), frame.bottom() - frame.height() * 0.22),
                 w * 0.2);
    }
}

}  // namespace

extern "C" {

int cdtInit(int* width, int* height) {
    if (width) *width = NaturalWidth;
    if (height) *height = NaturalHeight;
    return 1;
}

int cdtDrawExt(void* context, int x, int y, int width, int height, int card, int mode, unsigned) {
    auto* painter = static_cast<QPainter*>(context);
    if (!painter || width <= 0 || height <= 0) return 0;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBackgroundMode(Qt::TransparentMode);
    const QRectF rect(x, y, width, height);
    if (mode == 0 && card >= 0 && card < 52)
        drawFace(*painter, rect, card);
    else
        drawBack(*painter, rect);
    painter->restore();
    return 1;
}

int cdtDraw(void* context, int x, int y, int card, int mode, unsigned colour) {
    return cdtDrawExt(context, x, y, NaturalWidth, NaturalHeight, card, mode, colour);
}

int cdtAnimate(void*, int, int, int, int) {
    return 0;
}

void cdtTerm(void) {}

}  // extern "C"
