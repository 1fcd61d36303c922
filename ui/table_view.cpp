// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_view.h"

#include <QCoreApplication>
#include <QPainter>
#include <array>
#include <cstdlib>

#include "ui/translations.h"

namespace kov::ui {

namespace {
// The hand row stands on two lines, its first 7 cells above the other 6.
constexpr int HandLineLength = 7;
}  // namespace

QRect cardRect(int row, int column) {
    int left, top;
    if (row == ArrangementRow) {  // column c is cell c
        if (FrontCells.contains(column)) {
            left = 386 + 64 * column;
            top = 26;
        } else if (MiddleCells.contains(column)) {
            left = 322 + 64 * (column - MiddleCells.first);
            top = 118;
        } else {
            left = 322 + 64 * (column - BackCells.first);
            top = 210;
        }
    } else if (column < HandLineLength) {
        left = 322 + 64 * column;
        top = 337;
    } else {
        left = 322 + 64 * (column - HandLineLength);
        top = 427;
    }
    return QRect(left, top, 60, 80);  // right = left + 59, bottom = top + 79
}

CellHit hitTestCell(QPoint p) {
    for (int row = 0; row < RowCount; ++row)
        for (int column = 0; column < RowLength; ++column) {
            const QRect r = cardRect(row, column);
            if (r.left() <= p.x() && p.x() <= r.right() && r.top() <= p.y() && p.y() <= r.bottom())
                return {true, row, column};
        }
    return {};
}

namespace {

// The lines of cells from the top: front, middle, back, the hand row's two lines.
constexpr std::array<CellRange, 5> CellLines = {
    FrontCells, MiddleCells, BackCells, CellRange{HandRowFirst, HandRowFirst + HandLineLength - 1},
    CellRange{HandRowFirst + HandLineLength, HandRowCells.last}};

int lineOf(int cell) {
    for (std::size_t i = 0; i < CellLines.size(); ++i)
        if (cell <= CellLines[i].last) return static_cast<int>(i);
    return 0;
}

void drawSlot(QPainter& painter, const QRect& r) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(160, 160, 160), 1));
    painter.setBrush(SlotGrey);
    painter.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    painter.restore();
}

void drawOutline(QPainter& painter, const QRect& r, const QColor& colour, Qt::PenStyle style) {
    painter.save();
    painter.setPen(QPen(colour, 3, style));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(-2, -2, 2, 2));
    painter.restore();
}

const QColor CursorColour(255, 215, 0);
const QColor DropColour(80, 220, 255);
const QColor WarningColour(150, 0, 0);

// Beside each hand: its name and, once full, its hand's name; a hand out of order says so.
void paintHandNotes(QPainter& painter, const ArrangingNotes& notes) {
    const int tops[3] = {cardRect(ArrangementRow, 0).top(), cardRect(ArrangementRow, 3).top(),
                         cardRect(ArrangementRow, 8).top()};
    const bool outOfOrder[3] = {
        notes.frontOverMiddle, notes.frontOverMiddle || notes.middleOverBack, notes.middleOverBack};
    QFont bold = painter.font();
    bold.setBold(true);
    for (std::size_t h = 0; h < 3; ++h) {
        painter.setFont(bold);
        painter.setPen(Qt::black);
        painter.drawText(NotesLeft, tops[h] + 18, tableHandName(AllPositions[h]).toUpper());
        painter.setFont(QFont(bold.family(), bold.pointSize()));
        painter.setPen(Qt::white);
        painter.drawText(
            NotesLeft, tops[h] + 38,
            notes.handCategories[h] ? categoryName(*notes.handCategories[h]) : QString());
        if (outOfOrder[h]) {
            painter.setPen(WarningColour);
            painter.drawText(NotesLeft, tops[h] + 58,
                             QCoreApplication::translate("TableView", "out of order"));
        }
    }
}

}  // namespace

int moveCursor(int cell, int key) {
    if (cell < 0 || cell >= CellCount) return HandRowFirst;
    const int line = lineOf(cell);
    const CellRange here = CellLines[static_cast<std::size_t>(line)];
    switch (key) {
        case Qt::Key_Left:
            return cell > here.first ? cell - 1 : cell;
        case Qt::Key_Right:
            return cell < here.last ? cell + 1 : cell;
        case Qt::Key_Up:
        case Qt::Key_Down: {
            const int next = line + (key == Qt::Key_Up ? -1 : 1);
            if (next < 0 || next >= static_cast<int>(CellLines.size())) return cell;
            const CellRange to = CellLines[static_cast<std::size_t>(next)];
            const int x = cellRect(cell).center().x();
            int best = to.first;
            for (int c = to.first; c <= to.last; ++c)
                if (std::abs(cellRect(c).center().x() - x) <
                    std::abs(cellRect(best).center().x() - x))
                    best = c;
            return best;
        }
        default:
            return cell;
    }
}

void paintTable(QPainter& painter, const GameState& g, const CardLibrary& cards,
                const TableAids& aids) {
    for (int row = 0; row < RowCount; ++row)
        for (int column = 0; column < RowLength; ++column) {
            const QRect r = cardRect(row, column);
            const int cell = cellAt(row, column);
            const int face =
                g.TableGrid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            if (face == EmptyCell || cell == aids.dragCell) {
                drawSlot(painter, r);
            } else if (g.SelectedCell == cell) {
                painter.fillRect(r, TableGrey);
                cards.drawCard(painter, r.topLeft() + QPoint(3, -6), face);  // raised
            } else {
                cards.drawCard(painter, r.topLeft(), face);
            }
        }
    paintHandNotes(painter, aids.notes);

    painter.setPen(Qt::black);
    QFont notesFont = painter.font();
    notesFont.setPixelSize(11);
    painter.setFont(notesFont);
    int y = NotesTop + 14;
    for (const QString& line : aids.lines) {
        painter.drawText(LinesLeft, y, line);
        y += 16;
    }
    if (aids.pointAtX >= 0) {  // an arrow up towards the claim button above
        painter.save();
        painter.setPen(QPen(WarningColour, 3));
        const int x = aids.pointAtX, top = NotesTop + 4;
        painter.drawLine(x, top, x, NotesTop + 60);
        painter.drawLine(x, top, x - 8, top + 10);
        painter.drawLine(x, top, x + 8, top + 10);
        painter.restore();
    }

    if (aids.cursorCell >= 0)
        drawOutline(painter, cellRect(aids.cursorCell), CursorColour, Qt::DashLine);
    if (aids.dragCell >= 0) {
        if (aids.dropCell >= 0)
            drawOutline(painter, cellRect(aids.dropCell), DropColour, Qt::SolidLine);
        const int face = g.TableGrid[static_cast<std::size_t>(rowOf(aids.dragCell))]
                                    [static_cast<std::size_t>(columnOf(aids.dragCell))];
        if (face != EmptyCell) cards.drawCard(painter, aids.dragTopLeft, face);
    }
}

}  // namespace kov::ui
