// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/felt_table_view.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>

#include "ui/main_window.h"
#include "ui/results_view.h"
#include "ui/review_pane.h"
#include "ui/translations.h"
#include "ui/zoom.h"

namespace kov::ui {
namespace {

using S = SettingsControl;

// The settings' choices, a group each: the button ticked while its value is in force.
struct Tick {
    SettingsControl button;
    bool (*inForce)(MainWindow&);
};
const Tick Ticks[] = {
    {S::OneOpponent, [](MainWindow& w) { return w.state().OpponentCount == 1; }},
    {S::TwoOpponents, [](MainWindow& w) { return w.state().OpponentCount == 2; }},
    {S::ThreeOpponents, [](MainWindow& w) { return w.state().OpponentCount == 3; }},
    {S::OneUnit, [](MainWindow& w) { return w.state().UnitStake == 1; }},
    {S::TwoUnits, [](MainWindow& w) { return w.state().UnitStake == 2; }},
    {S::ChiOption, [](MainWindow& w) { return w.state().Scoring == ScoringOption::Chi; }},
    {S::SetOption, [](MainWindow& w) { return w.state().Scoring == ScoringOption::Set; }},
    {S::EasyStrength, [](MainWindow& w) { return w.strength() == Strength::Easy; }},
    {S::NormalStrength, [](MainWindow& w) { return w.strength() == Strength::Normal; }},
    {S::HardStrength, [](MainWindow& w) { return w.strength() == Strength::Hard; }},
};

// A ticked choice on the felt table: green, its text white.
void showTicked(QAbstractButton* b, bool ticked) {
    if (!ticked) {
        b->setPalette(QPalette());  // the panel's again
        return;
    }
    QPalette pal = b->palette();
    pal.setColor(QPalette::Button, QColor(31, 122, 61));
    pal.setColor(QPalette::ButtonText, Qt::white);
    b->setPalette(pal);
}

// The level's name as its button says it.
QString levelName(Strength strength) {
    const char* text = strength == Strength::Easy   ? QT_TRANSLATE_NOOP("DialogPanel", "EASY")
                       : strength == Strength::Hard ? QT_TRANSLATE_NOOP("DialogPanel", "HARD")
                                                    : QT_TRANSLATE_NOOP("DialogPanel", "NORMAL");
    return QCoreApplication::translate("DialogPanel", text);
}

const QColor CursorColour(255, 215, 0);
const QColor DropColour(80, 220, 255);
const QColor WarningColour(255, 120, 100);
const QColor SlotColour(255, 255, 255, 70);

QRect toRect(const QRectF& r) {
    return r.toAlignedRect().adjusted(0, 0, 0, 0);
}

QFont sizedFont(const QFont& base, double pixels, bool bold = false) {
    QFont f = base;
    f.setPixelSize(std::max(8, static_cast<int>(std::lround(pixels))));
    f.setBold(bold);
    return f;
}

void drawSlot(QPainter& painter, const QRectF& r) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(SlotColour, std::max(1.0, r.width() * 0.025), Qt::DashLine));
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRoundedRect(r.adjusted(1, 1, -1, -1), r.width() * 0.08, r.width() * 0.08);
    painter.restore();
}

void drawOutline(QPainter& painter, const QRectF& r, const QColor& colour, Qt::PenStyle style) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 3, style));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(r.adjusted(-3, -3, 3, 3), r.width() * 0.1, r.width() * 0.1);
    painter.restore();
}

}  // namespace

FeltTableView::FeltTableView(MainWindow& table, CardRenderer& renderer, CardBack back)
    : QObject(&table), table_(table), renderer_(&renderer), back_(back) {
    connect(&table_, &MainWindow::optionsChanged, this, &FeltTableView::relayout);
    relayout();
}

FeltTableView::~FeltTableView() {
    SettingsPanel* settings = table_.settingsDialog();
    for (const Tick& t : Ticks) {
        QAbstractButton* b = settings->button(t.button);
        b->setChecked(false);
        b->setCheckable(false);
        showTicked(b, false);
    }
}

void FeltTableView::setRenderer(CardRenderer& renderer) {
    renderer_ = &renderer;
    table_.update();
}

void FeltTableView::setBack(CardBack back) {
    back_ = back;
    table_.update();
}

QRect FeltTableView::cellRect(int cell) const {
    return toRect(layout_.cells[static_cast<std::size_t>(cell)]);
}

void FeltTableView::relayout() {
    layout_ = layoutFelt(table_.size(), table_.state().OpponentCount);
    layoutResults();
    if (felt_.size() != table_.size()) felt_ = QPixmap();
    placeWidgets();
    tickChoices();
    table_.update();
}

void FeltTableView::placeWidgets() {
    const FeltLayout& l = layout_;
    placeScaled(table_.settingsDialog(), toRect(l.settingsPanel), l.settingsScale);
    placeScaled(table_.arrangementDialog(), toRect(l.arrangementPanel), l.panelScale);
    placeScaled(table_.suggestButton(), toRect(l.suggestButton), l.panelScale);
    placeScaled(table_.undoButton(), toRect(l.undoButton), l.panelScale);
    // The results' panel (the balance and OK) and the review pane where the felt results put
    // them.
    placeScaled(table_.resultsDialog(), toRect(results_.panel), results_.panelScale);
    if (auto* review = table_.findChild<ReviewPane*>(QString(), Qt::FindDirectChildrenOnly))
        placeScaled(review, toRect(results_.review), results_.reviewScale);
}

void FeltTableView::tickChoices() {
    SettingsPanel* settings = table_.settingsDialog();
    for (const Tick& t : Ticks) {
        QAbstractButton* b = settings->button(t.button);
        b->setCheckable(true);
        b->setChecked(t.inForce(table_));
        showTicked(b, b->isChecked());
    }
}

void FeltTableView::paint(QPainter& painter) {
    paintFelt(painter);
    const Phase phase = table_.state().SettledPhase;
    if (phase == Phase::Results) {
        paintFeltResults(painter, results_, *renderer_, back_);
        paintReviewGround(painter);
        return;
    }
    paintInfo(painter);
    if (phase != Phase::Arranging) return;
    paintSeats(painter);
    paintCells(painter);
    paintHandNames(painter);
    paintNotes(painter);
}

// A green cloth, lighter in the middle, with a faint grain; drawn once per size.
void FeltTableView::paintFelt(QPainter& painter) {
    const QSize size = table_.size();
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (felt_.isNull() || felt_.size() != size * ratio) {
        felt_ = QPixmap(size * ratio);
        felt_.setDevicePixelRatio(ratio);
        QPainter p(&felt_);
        QRadialGradient glow(QPointF(size.width() / 2.0, size.height() * 0.45),
                             std::max(size.width(), size.height()) * 0.7);
        glow.setColorAt(0, FeltGreen.lighter(125));
        glow.setColorAt(1, FeltGreen.darker(140));
        p.fillRect(QRect(QPoint(), size), glow);
        QRandomGenerator grain(2026);  // the same cloth every time
        p.setPen(Qt::NoPen);
        for (int k = 0; k < size.width() * size.height() / 60; ++k) {
            p.setBrush(QColor(0, 0, 0, static_cast<int>(grain.bounded(6, 18))));
            p.drawRect(QRectF(grain.bounded(size.width()), grain.bounded(size.height()), 1, 1));
        }
    }
    painter.drawPixmap(0, 0, felt_);
}

// The options in force and the balance, as the settings' labels say them.
void FeltTableView::paintInfo(QPainter& painter) {
    if (table_.state().SettledPhase == Phase::Settings) return;  // the panel says it all
    const QRectF box = layout_.info;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(box, 8, 8);
    SettingsPanel* s = table_.settingsDialog();
    const QString lines[] = {
        s->controlText(S::OpponentsLabel) + "   " + s->controlText(S::UnitsLabel),
        s->controlText(S::OptionLabel) + "   " + s->controlText(S::StrengthLabel),
        s->controlText(S::Points)};
    const double lineHeight = box.height() / 3.4;
    for (int k = 0; k < 3; ++k) {
        const QString& text = lines[k];
        const QRectF r(box.left() + 8, box.top() + 4 + k * lineHeight, box.width() - 16,
                       lineHeight);
        const QFont base = sizedFont(painter.font(), lineHeight * 0.55, k == 2);
        painter.setFont(fittedFont(base, text, static_cast<int>(r.width())));
        painter.setPen(k == 2 ? QColor(255, 230, 140) : QColor(235, 245, 235));
        painter.drawText(r, Qt::AlignVCenter | Qt::AlignLeft, text);
    }
    painter.restore();
}

// Each opponent: its name and level, and its 13 cards face down while the player arranges.
void FeltTableView::paintSeats(QPainter& painter) {
    painter.save();
    const QString level = levelName(table_.strength());
    for (const FeltSeat& seat : layout_.seats) {
        const QString name =
            QCoreApplication::translate("ResultsView", "Opponent %1").arg(seat.opponent);
        const QRectF r = seat.name;
        const double px = layout_.cardWidth * 0.24;
        painter.setPen(QColor(235, 245, 235));
        painter.setFont(
            fittedFont(sizedFont(painter.font(), px, true), name, static_cast<int>(r.width())));
        // Name over level (the top seat's right-aligned beside its fan), else side by side.
        const bool stacked = r.height() > 2.2 * px;
        if (stacked) {
            const Qt::Alignment across =
                r.right() < seat.cards[0].left() + 1 ? Qt::AlignRight : Qt::AlignHCenter;
            painter.drawText(QRectF(r.left(), r.top(), r.width(), r.height() / 2),
                             across | Qt::AlignBottom, name);
            painter.setFont(sizedFont(painter.font(), px * 0.85));
            painter.setPen(QColor(255, 230, 140));
            painter.drawText(QRectF(r.left(), r.center().y(), r.width(), r.height() / 2),
                             across | Qt::AlignTop, level);
        } else {
            painter.drawText(r, Qt::AlignCenter, name + " · " + level);
        }
        for (const QRectF& c : seat.cards)
            renderer_->draw(painter, QRectF(c.topLeft(), c.size()).toAlignedRect(), -1, back_);
    }
    painter.restore();
}

void FeltTableView::paintCells(QPainter& painter) {
    const GameState& g = table_.state();
    const TableAids& aids = table_.tableAids();
    const auto faceOf = [&](int cell) {
        return g
            .TableGrid[static_cast<std::size_t>(cell / 13)][static_cast<std::size_t>(cell % 13)];
    };
    for (int cell = 0; cell < 26; ++cell) {
        const QRect r = cellRect(cell);
        const int face = faceOf(cell);
        if (face == EmptyCell || cell == aids.dragCell) {
            drawSlot(painter, r);
        } else if (g.SelectedCell == cell) {
            drawSlot(painter, r);
            const int lift = static_cast<int>(layout_.cardHeight * 0.12);
            const QRect raised = r.translated(0, -lift);
            drawOutline(painter, raised, CursorColour, Qt::SolidLine);
            renderer_->draw(painter, raised, face);
        } else {
            renderer_->draw(painter, r, face);
        }
    }
    if (aids.cursorCell >= 0)
        drawOutline(painter, cellRect(aids.cursorCell), CursorColour, Qt::DashLine);
    if (aids.dragCell >= 0) {
        if (aids.dropCell >= 0)
            drawOutline(painter, cellRect(aids.dropCell), DropColour, Qt::SolidLine);
        const int face = faceOf(aids.dragCell);
        if (face != EmptyCell)
            renderer_->draw(painter, QRect(aids.dragTopLeft, cellRect(aids.dragCell).size()), face);
    }
}

// Right of each row: its name and, once full, its hand's name; a hand out of order says so.
void FeltTableView::paintHandNames(QPainter& painter) {
    const ArrangingNotes& notes = table_.tableAids().notes;
    const bool outOfOrder[3] = {
        notes.frontOverMiddle, notes.frontOverMiddle || notes.middleOverBack, notes.middleOverBack};
    painter.save();
    const double px = layout_.cardWidth * 0.22;
    for (std::size_t h = 0; h < 3; ++h) {
        const QRectF r = layout_.handNames[h];
        const int room = static_cast<int>(r.width());
        const QString name = tableHandName(AllPositions[h]).toUpper();
        painter.setPen(QColor(255, 230, 140));
        painter.setFont(fittedFont(sizedFont(painter.font(), px, true), name, room));
        painter.drawText(QRectF(r.left(), r.top() + px * 0.4, r.width(), px * 1.4),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
        const QString hand =
            notes.handCategories[h] ? categoryName(*notes.handCategories[h]) : QString();
        painter.setPen(Qt::white);
        painter.setFont(fittedFont(sizedFont(painter.font(), px), hand, room));
        painter.drawText(QRectF(r.left(), r.top() + px * 1.9, r.width(), px * 1.4),
                         Qt::AlignLeft | Qt::AlignVCenter, hand);
        if (outOfOrder[h]) {
            const QString text = QCoreApplication::translate("TableView", "out of order");
            painter.setPen(WarningColour);
            painter.setFont(fittedFont(sizedFont(painter.font(), px, true), text, room));
            painter.drawText(QRectF(r.left(), r.top() + px * 3.4, r.width(), px * 1.4),
                             Qt::AlignLeft | Qt::AlignVCenter, text);
        }
    }
    painter.restore();
}

// The notes below the dock's buttons, word-wrapped; a claim the suggestion points at glows.
void FeltTableView::paintNotes(QPainter& painter) {
    painter.save();
    const TableAids& aids = table_.tableAids();
    const double px = 11 * layout_.panelScale;
    painter.setFont(sizedFont(painter.font(), px));
    painter.setPen(QColor(235, 245, 235));
    QRectF r = layout_.notes;
    for (const QString& line : aids.lines) {
        const QRectF used =
            painter.boundingRect(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
        painter.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
        r.setTop(used.bottom() + px * 0.3);
    }
    if (const QWidget* b = table_.pointedClaimButton()) {
        const QRect at(b->mapTo(&table_, QPoint()), b->size());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(CursorColour, 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(at).adjusted(-4, -4, 4, 4), 5, 5);
    }
    painter.restore();
}

// The review, once asked for, on a light ground: its texts and cards are the classic table's.
void FeltTableView::paintReviewGround(QPainter& painter) {
    const auto* review = table_.findChild<ReviewPane*>(QString(), Qt::FindDirectChildrenOnly);
    if (!review || !review->shown()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(236, 240, 236));
    const QRectF r = QRectF(review->geometry()).adjusted(-6, -6, 6, 6);
    painter.drawRoundedRect(r, 8, 8);
    painter.restore();
}

void FeltTableView::layoutResults() {
    if (table_.state().SettledPhase != Phase::Results) {
        results_ = FeltResults();
        return;
    }
    const std::vector<Matchup> matchups =
        matchupsOf(table_.state(), table_.resultsView(), table_.committed());
    results_ = layoutFeltResults(table_.size(), matchups, table_.resultsView(), table_.font(),
                                 levelName(table_.strength()));
}

}  // namespace kov::ui
