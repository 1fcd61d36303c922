// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/table_accessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPointer>
#include <array>

#include "ui/main_window.h"
#include "ui/table_view.h"
#include "ui/zoom.h"

namespace kov::ui {
namespace {

QString translated(const char* source) {
    return QCoreApplication::translate("kov::ui::TableAccessible", source);
}

const char* const RankNames[] = {QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "Ace"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "Two"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "Three"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "Four"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "Five"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "Six"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "Seven"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "Eight"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "Nine"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "Ten"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "Jack"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "Queen"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "King")};
const char* const SuitNames[] = {QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "clubs"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "diamonds"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "hearts"),
                                 QT_TRANSLATE_NOOP("kov::ui::TableAccessible", "spades")};

bool arranging(const MainWindow* w) {
    return w && const_cast<MainWindow*>(w)->state().SettledPhase == Phase::Arranging;
}

// A rectangle of the window on the screen.
QRect onScreen(const MainWindow* w, const QRect& r) {
    return QRect(w->mapToGlobal(r.topLeft()), r.size());
}

class TableInterface;

// One cell of the table.
class CellInterface : public QAccessibleInterface {
  public:
    CellInterface(TableInterface* table, int cell) : table_(table), cell_(cell) {}
    int cell() const { return cell_; }
    const TableInterface* table() const { return table_; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

  private:
    TableInterface* table_;
    int cell_;
};

// The table: a list of its cells.
class TableInterface : public QAccessibleInterface {
  public:
    explicit TableInterface(MainWindow* window) : window_(window) {}
    ~TableInterface() override {
        for (QAccessible::Id id : cellIds_)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }
    MainWindow* mainWindow() const { return window_; }

    QAccessibleInterface* cell(int index) const {
        if (index < 0 || index >= CellCount) return nullptr;
        QAccessible::Id& id = cellIds_[static_cast<std::size_t>(index)];
        if (QAccessibleInterface* known = id ? QAccessible::accessibleInterface(id) : nullptr)
            return known;
        auto* made = new CellInterface(const_cast<TableInterface*>(this), index);
        id = QAccessible::registerAccessibleInterface(made);
        return made;
    }

    bool isValid() const override { return !window_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return window_ ? window_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (!arranging(window_)) return nullptr;
        return cell(hitTestCell(window_->tablePoint(window_->mapFromGlobal(QPoint(x, y)))).cell());
    }
    QAccessibleInterface* parent() const override {
        return window_ ? QAccessible::queryAccessibleInterface(window_.data()) : nullptr;
    }
    QAccessibleInterface* child(int index) const override {
        return index < childCount() ? cell(index) : nullptr;
    }
    int childCount() const override { return arranging(window_) ? CellCount : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* c = dynamic_cast<const CellInterface*>(child);
        return c && c->table() == this && c->cell() < childCount() ? c->cell() : -1;
    }
    QAccessibleInterface* focusChild() const override {
        if (!arranging(window_) || window_->tableAids().cursorCell < 0) return nullptr;
        return cell(window_->tableAids().cursorCell);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return translated("Your cards");
        if (t == QAccessible::Description)
            return translated(
                "The front, middle and back rows of your arrangement, then your hand");
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!window_) return {};
        QRect all;
        for (int c = 0; c < CellCount; ++c)
            all |= window_->cellOnWindow(c);
        return onScreen(window_, all);
    }
    QAccessible::Role role() const override { return QAccessible::List; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.invisible = !arranging(window_);
        s.focusable = true;
        s.focused = window_ && window_->hasFocus();
        return s;
    }

  private:
    QPointer<MainWindow> window_;
    mutable std::array<QAccessible::Id, CellCount> cellIds_{};
};

bool CellInterface::isValid() const {
    return table_->isValid();
}
QWindow* CellInterface::window() const {
    return table_->window();
}
QAccessibleInterface* CellInterface::parent() const {
    return table_;
}
QString CellInterface::text(QAccessible::Text t) const {
    if (t != QAccessible::Name || !table_->mainWindow()) return {};
    return cellName(table_->mainWindow()->state(), cell_);
}
QRect CellInterface::rect() const {
    const MainWindow* w = table_->mainWindow();
    return w ? onScreen(w, w->cellOnWindow(cell_)) : QRect();
}
QAccessible::State CellInterface::state() const {
    QAccessible::State s;
    const MainWindow* w = table_->mainWindow();
    s.invisible = !arranging(w);
    s.focusable = true;
    s.selectable = true;
    if (w) {
        s.focused = w->tableAids().cursorCell == cell_ && w->hasFocus();
        s.selected = const_cast<MainWindow*>(w)->state().SelectedCell == cell_;
    }
    return s;
}

// The window: its widgets as usual, and the table after them.
class WindowInterface : public QAccessibleWidget {
  public:
    explicit WindowInterface(MainWindow* window) : QAccessibleWidget(window, QAccessible::Client) {}
    ~WindowInterface() override {
        if (tableId_) QAccessible::deleteAccessibleInterface(tableId_);
    }

    TableInterface* table() const {
        if (auto* known = tableId_ ? QAccessible::accessibleInterface(tableId_) : nullptr)
            return static_cast<TableInterface*>(known);
        auto* made = new TableInterface(static_cast<MainWindow*>(widget()));
        tableId_ = QAccessible::registerAccessibleInterface(made);
        return made;
    }

    int childCount() const override { return QAccessibleWidget::childCount() + 1; }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        return index == widgets ? table() : QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == table()) return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (QAccessibleInterface* w = QAccessibleWidget::childAt(x, y)) return w;
        return table()->childAt(x, y) ? table() : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (widget()->hasFocus() && arranging(static_cast<MainWindow*>(widget()))) return table();
        return QAccessibleWidget::focusChild();
    }

  private:
    mutable QAccessible::Id tableId_ = 0;
};

QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(MainWindow::staticMetaObject.className()))
        if (auto* w = qobject_cast<MainWindow*>(object)) return new WindowInterface(w);
    return nullptr;
}

}  // namespace

QString cardName(int face) {
    if (face < 0 || face >= 52) return {};
    return translated("%1 of %2")
        .arg(translated(RankNames[face / 4]), translated(SuitNames[face % 4]));
}

QString cellName(const GameState& g, int cell) {
    const int row = rowOf(cell), column = columnOf(cell);
    const int face = g.TableGrid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    if (row == HandRow)
        return face == EmptyCell ? translated("empty cell in hand")
                                 : translated("%1, in hand").arg(cardName(face));
    if (FrontCells.contains(cell))
        return face == EmptyCell ? translated("empty front cell")
                                 : translated("%1, front row").arg(cardName(face));
    if (MiddleCells.contains(cell))
        return face == EmptyCell ? translated("empty middle cell")
                                 : translated("%1, middle row").arg(cardName(face));
    return face == EmptyCell ? translated("empty back cell")
                             : translated("%1, back row").arg(cardName(face));
}

void installTableAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface* tableAccessible(MainWindow* window) {
    auto* iface = dynamic_cast<WindowInterface*>(QAccessible::queryAccessibleInterface(window));
    return iface ? iface->table() : nullptr;
}

QAccessibleInterface* tableCellAccessible(MainWindow* window, int cell) {
    auto* table = static_cast<TableInterface*>(tableAccessible(window));
    return table ? table->cell(cell) : nullptr;
}

}  // namespace kov::ui
