// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/felt_layout.h"

#include <algorithm>

namespace kov::ui {
namespace {

constexpr double Margin = 10;  // pixels around the table's edge
// The dock at scale 1 (the classic arrangement panel is 292 x 463 pixels).
constexpr double PanelWidth = 292, PanelHeight = 463;
constexpr double InfoHeight = 74, ButtonsHeight = 36, NotesHeight = 100;
constexpr double DockHeight = InfoHeight + PanelHeight + ButtonsHeight + NotesHeight + 3 * 8;
// Card widths across: a side seat, the seven-card hand line with its gaps, a side seat; and down:
// the top seat's strip, three rows and two hand lines with their gaps.
constexpr double SeatColumn = 1.6, CardGap = 0.1;
constexpr double UnitsAcross = 2 * SeatColumn + 7 + 6 * CardGap + 2 * 0.3;
constexpr double TopStrip = 1.45;
constexpr double RowGap = 0.12, HandGap = 0.35;  // in card heights
constexpr double HeightsDown = 5 + 2 * RowGap + HandGap + RowGap;
constexpr double AspectHeight = 4.0 / 3.0;
// Face-down cards of the seats, in card widths: their size and the step between them.
constexpr double SeatCard = 0.62, SeatStep = 0.22;

// A line of `count` cards of width w, gap g, centred on cx, top y, into cells[first..].
void cardLine(FeltLayout& l, int first, int count, double cx, double y) {
    const double w = l.cardWidth, g = w * CardGap;
    const double left = cx - (count * w + (count - 1) * g) / 2;
    for (int k = 0; k < count; ++k)
        l.cells[static_cast<std::size_t>(first + k)] =
            QRectF(left + k * (w + g), y, w, l.cardHeight);
}

// A seat's face-down cards: across from `start` (a top seat) or down (a side seat).
FeltSeat seatAt(int opponent, QPointF start, bool across, double unit, double nameWidth) {
    FeltSeat s;
    s.opponent = opponent;
    const double w = unit * SeatCard, h = w * AspectHeight, step = unit * SeatStep;
    const double nameHeight = unit * (across ? 0.5 : 0.8);  // a side seat's on two lines
    const double fanWidth = across ? w + 12 * step : w;
    s.name = QRectF(start.x() + fanWidth / 2 - nameWidth / 2, start.y(), nameWidth, nameHeight);
    const QPointF first = start + QPointF(0, nameHeight);
    for (int k = 0; k < 13; ++k)
        s.cards[static_cast<std::size_t>(k)] =
            QRectF(first + (across ? QPointF(k * step, 0) : QPointF(0, k * step)), QSizeF(w, h));
    return s;
}

}  // namespace

FeltLayout layoutFelt(QSize size, int opponents) {
    FeltLayout l;
    const double W = std::max(size.width(), FeltMinimumSize.width());
    const double H = std::max(size.height(), FeltMinimumSize.height());
    l.size = QSizeF(size);

    // 1. The dock, scaled to the height, and no wider than a third of the width.
    const double s =
        std::clamp(std::min((H - 2 * Margin) / DockHeight, W / 3 / PanelWidth), 0.6, 2.0);
    l.panelScale = s;
    double y = Margin;
    l.info = QRectF(Margin, y, PanelWidth * s, InfoHeight * s);
    y += (InfoHeight + 8) * s;
    l.arrangementPanel = QRectF(Margin, y, PanelWidth * s, PanelHeight * s);
    y += (PanelHeight + 8) * s;
    const double half = (PanelWidth - 8) * s / 2;
    l.suggestButton = QRectF(Margin, y, half, 32 * s);
    l.undoButton = QRectF(Margin + half + 8 * s, y, half, 32 * s);
    y += (ButtonsHeight + 8) * s;
    l.notes = QRectF(Margin, y, PanelWidth * s, std::max(NotesHeight * s, H - Margin - y));

    // 2. The card unit, from the room right of the dock.
    const double left = l.info.right() + Margin, right = W - Margin;
    const double unit =
        std::min((right - left) / UnitsAcross, (H - 2 * Margin) / (TopStrip + HeightsDown * 4 / 3));
    l.cardWidth = unit;
    l.cardHeight = unit * AspectHeight;
    const double h = l.cardHeight;

    // 3. The player's rows, centred between the side seats, below the top seat's strip; the hand
    // row's two lines below them, at the bottom of the table.
    const double cx = (left + right) / 2;
    const double used = TopStrip * unit + HeightsDown * h;
    double top = Margin + TopStrip * unit + (H - 2 * Margin - used) / 2;
    cardLine(l, 0, 3, cx, top);
    cardLine(l, 3, 5, cx, top + (1 + RowGap) * h);
    cardLine(l, 8, 5, cx, top + 2 * (1 + RowGap) * h);
    const double hand = top + (3 + 2 * RowGap + HandGap) * h;
    cardLine(l, 13, 7, cx, hand);
    cardLine(l, 20, 6, cx, hand + (1 + RowGap) * h);
    for (std::size_t r = 0; r < 3; ++r) {
        const QRectF row = l.cells[r == 0 ? 2 : r == 1 ? 7 : 12];
        const double nameLeft = l.cells[7].right() + unit * 0.2;
        l.handNames[r] = QRectF(nameLeft, row.top(), right - SeatColumn * unit - nameLeft, h);
    }

    // 4. The seats: one at the top, two left and right, three left, top and right.
    const double seatTopWidth = unit * (SeatCard + 12 * SeatStep);
    const QPointF topSeat(cx - seatTopWidth / 2, Margin);
    const QPointF leftSeat(left + (SeatColumn - SeatCard) * unit / 2, Margin + TopStrip * unit);
    const QPointF rightSeat(right - (SeatColumn + SeatCard) * unit / 2, Margin + TopStrip * unit);
    const double nameWidth = (SeatColumn + 0.4) * unit;
    if (opponents <= 1) {
        l.seats.push_back(seatAt(1, topSeat, true, unit, seatTopWidth));
    } else {
        l.seats.push_back(seatAt(1, leftSeat, false, unit, nameWidth));
        if (opponents >= 3) l.seats.push_back(seatAt(2, topSeat, true, unit, seatTopWidth));
        l.seats.push_back(seatAt(opponents, rightSeat, false, unit, nameWidth));
    }
    // The name above the top seat's fan would meet the fan: the top seat's name goes to its left.
    for (FeltSeat& seat : l.seats)
        if (seat.opponent == (opponents >= 3 ? 2 : 1) && opponents != 2) {
            const QRectF fan = seat.cards[0].united(seat.cards[12]);
            seat.name = QRectF(left, Margin, fan.left() - left - unit * 0.2, TopStrip * unit);
            for (QRectF& c : seat.cards)
                c.translate(0, -unit * 0.5);
        }

    // 5. The settings panel centred, as large as fits; the results view scaled to fit.
    l.settingsScale = std::clamp(std::min((W - 16) / 808.0, (H - 16) / 567.0), 0.5, 2.0);
    const QSizeF settings(808 * l.settingsScale, 567 * l.settingsScale);
    l.settingsPanel =
        QRectF(QPointF((W - settings.width()) / 2, (H - settings.height()) / 2), settings);
    l.resultsScale = std::min(W / 800, H / 600);
    const QSizeF results(800 * l.resultsScale, 600 * l.resultsScale);
    l.results = QRectF(QPointF((W - results.width()) / 2, (H - results.height()) / 2), results);
    return l;
}

int feltCellAt(const FeltLayout& layout, QPointF p) {
    for (std::size_t c = 0; c < layout.cells.size(); ++c)
        if (layout.cells[c].contains(p)) return static_cast<int>(c);
    return -1;
}

}  // namespace kov::ui
