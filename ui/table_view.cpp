#include "ui/table_view.h"

#include <QPainter>

namespace kov::ui {

QRect cardRect(int row, int column) {
    int left, top;
    if (row == ArrangementRow) {
        if (column < 3) {
            left = 386 + 64 * column;
            top = 26;
        } else if (column < 8) {
            left = 322 + 64 * (column - 3);
            top = 118;
        } else {
            left = 322 + 64 * (column - 8);
            top = 210;
        }
    } else if (column < 7) {
        left = 322 + 64 * column;
        top = 337;
    } else {
        left = 322 + 64 * (column - 7);
        top = 427;
    }
    return QRect(left, top, 60, 80);  // right = left + 59, bottom = top + 79
}

CellHit hitTestCell(QPoint p) {
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 13; ++column) {
            const QRect r = cardRect(row, column);
            if (r.left() <= p.x() && p.x() <= r.right() && r.top() <= p.y() && p.y() <= r.bottom())
                return {true, row, column};
        }
    return {};
}

void paintTable(QPainter& painter, const GameState& g, const CardLibrary& cards) {
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 13; ++column) {
            const QRect r = cardRect(row, column);
            const int face =
                g.TableGrid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            if (face == EmptyCell) {
                painter.fillRect(r, TableGrey);
            } else if (g.SelectedCell == row * 13 + column) {
                painter.fillRect(r, TableGrey);
                cards.drawCard(painter, r.topLeft() + QPoint(3, -6), face);  // raised
            } else {
                cards.drawCard(painter, r.topLeft(), face);
            }
        }
}

}  // namespace kov::ui
