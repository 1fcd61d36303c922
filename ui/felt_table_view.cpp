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
#include <algorithm>
#include <cmath>
#include <cstdio>

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
    {S::ExpertStrength, [](MainWindow& w) { return w.strength() == Strength::Expert; }},
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
    const char* text = strength == Strength::Easy     ? QT_TRANSLATE_NOOP("DialogPanel", "EASY")
                       : strength == Strength::Hard   ? QT_TRANSLATE_NOOP("DialogPanel", "HARD")
                       : strength == Strength::Expert ? QT_TRANSLATE_NOOP("DialogPanel", "EXPERT")
                                                      : QT_TRANSLATE_NOOP("DialogPanel", "NORMAL");
    return QCoreApplication::translate("DialogPanel", text);
}

// The motion's times at normal speed, in milliseconds: the deal of 52 cards, one card's flight
// from the deck, the pause before an absent seat's row is swept away, a move's slide and the
// step between the suggestion's cards.
constexpr qint64 DealMs = 1500, FlightMs = 300, SweepPauseMs = 250, SlideMs = 150,
                 SuggestionStepMs = 70;

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
    : QObject(&table),
      table_(table),
      renderer_(&renderer),
      back_(back),
      frameClock_(std::make_unique<FrameClock>()) {
    countFrames_ = qEnvironmentVariableIntValue("KOVARIN32_COUNT_FRAMES") != 0;
    setClock(*frameClock_);
    connect(&table_, &MainWindow::optionsChanged, this, &FeltTableView::relayout);
    table_.settingsDialog()->button(S::ExpertStrength)->show();  // a fourth level button
    relayout();
}

void FeltTableView::setClock(MotionClock& clock) {
    clock_ = &clock;
    motion_ = std::make_unique<CardMotion>(clock);
    motion_->setSpeed(speed_);
    showdown_ = std::make_unique<Showdown>(clock);
    connect(motion_.get(), &CardMotion::changed, &table_, [this] { table_.update(); });
    connect(motion_.get(), &CardMotion::settled, this, [this] { reportFrames("motion"); });
    connect(showdown_.get(), &Showdown::changed, &table_, [this] { table_.update(); });
    connect(showdown_.get(), &Showdown::stepReached, this, [this](ShowdownStep step) {
        table_.resultsDialog()
            ->control(ResultsControl::Balance)
            ->setVisible(step == ShowdownStep::Totals);
        if (step == ShowdownStep::Totals) reportFrames("showdown");
        stepSound(step);
    });
    placeAllCards();
}

// Each row turned up sounds, a block of a special or an ILLEGAL arrangement sounds as one; the
// totals sound the deal won or lost.
void FeltTableView::stepSound(ShowdownStep step) {
    if (step == ShowdownStep::Totals) {
        const int gain = table_.resultsView().gain;
        if (gain != 0) sound(gain > 0 ? Sound::Win : Sound::Lose);
        return;
    }
    if (step == ShowdownStep::Seats) return;
    const bool block = std::any_of(results_.matchups.begin(), results_.matchups.end(),
                                   [](const Matchup& m) { return m.block; });
    sound(block && step == ShowdownStep::Fronts ? Sound::Special : Sound::TurnUp);
}

void FeltTableView::setSpeed(MotionSpeed speed) {
    speed_ = speed;
    motion_->setSpeed(speed);
    if (speed == MotionSpeed::Off) showdown_->finish();
}

bool FeltTableView::finishMotion() {
    const bool moving = motion_->moving();
    motion_->finish();
    return moving;
}

bool FeltTableView::finishShowdown() {
    const bool running = showdown_->running();
    showdown_->finish();
    return running;
}

// Frames are counted between the motion's ticks: the time from one painted frame to the next.
void FeltTableView::countFrame() {
    if (!countFrames_) return;
    if (frameTimer_.isValid()) frameTimes_.push_back(frameTimer_.nsecsElapsed());
    frameTimer_.start();
}

void FeltTableView::reportFrames(const char* what) {
    if (!countFrames_ || frameTimes_.empty()) return;
    std::vector<qint64> t = frameTimes_;
    std::sort(t.begin(), t.end());
    std::fprintf(stderr, "frames %s: %zu, median %.1f ms, worst %.1f ms\n", what, t.size() + 1,
                 static_cast<double>(t[t.size() / 2]) / 1e6, static_cast<double>(t.back()) / 1e6);
    frameTimes_.clear();
    frameTimer_.invalidate();
}

FeltTableView::~FeltTableView() {
    SettingsPanel* settings = table_.settingsDialog();
    settings->button(S::ExpertStrength)->hide();
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
    const Phase phase = table_.state().SettledPhase;
    const bool moved =
        laidOutFor_ != table_.size() || laidOutOpponents_ != table_.state().OpponentCount;
    laidOutFor_ = table_.size();
    laidOutOpponents_ = table_.state().OpponentCount;
    if (phase != shownPhase_) {
        // A deal begun before the window is up (a practice deal from the command line, a deal
        // that waited) is dealt once the window shows.
        if (table_.isVisible() || phase != Phase::Arranging) phaseEntered(phase);
    } else if (moved)
        placeAllCards();  // a new size: every card at its place at once
    table_.update();
}

void FeltTableView::phaseEntered(Phase phase) {
    shownPhase_ = phase;
    motion_->finish();
    showdown_->finish();
    table_.resultsDialog()->control(ResultsControl::Balance)->setVisible(true);
    if (phase == Phase::Arranging) {
        dealCards();
    } else {
        motion_->clear();
        if (phase == Phase::Results) showdown_->start(speed_);
        table_.resultsDialog()->control(ResultsControl::Balance)->setVisible(!showdown_->running());
    }
}

CardPose FeltTableView::cellPose(int cell) const {
    QRectF r = layout_.cells[static_cast<std::size_t>(cell)];
    if (table_.state().SelectedCell == cell) r.translate(0, -std::round(layout_.cardHeight * 0.12));
    return {r, true, 10.0 + cell};
}

CardPose FeltTableView::seatPose(const FeltSeat& seat, int k) const {
    return {seat.cards[static_cast<std::size_t>(k)], false, static_cast<double>(k)};
}

int FeltTableView::faceAt(int cell) const {
    const GameState& g = table_.state();
    return g.TableGrid[static_cast<std::size_t>(cell / 13)][static_cast<std::size_t>(cell % 13)];
}

void FeltTableView::placeAllCards() {
    if (!motion_ || shownPhase_ != Phase::Arranging) return;
    motion_->clear();
    for (int cell = 0; cell < 26; ++cell)
        if (faceAt(cell) != EmptyCell) motion_->place(faceAt(cell), cellPose(cell));
    for (const FeltSeat& seat : layout_.seats)
        for (int k = 0; k < 13; ++k)
            motion_->place(seatCardKey(seat.opponent, k), seatPose(seat, k));
}

// The deck in the middle of the table; the rows dealt from it one card after another as the
// rules deal them, row 0 (the player's) first; the row of a seat not in play goes to its place
// and, once all are dealt, back to the deck and off the table.
void FeltTableView::dealCards() {
    motion_->clear();
    sound(Sound::Deal);
    const double w = layout_.cardWidth, h = layout_.cardHeight;
    const QPointF middle(layout_.cells[5].center().x(), layout_.cells[0].top() - h * 0.1);
    const QRectF deck(middle.x() - w / 2, middle.y(), w, h);
    const auto deckPose = [&](int i) {
        return CardPose{deck.translated(-i * 0.12, -i * 0.12), false, 200.0 - i};
    };
    const FeltLayout everySeat = layoutFelt(table_.size(), 3);
    const int opponents = table_.state().OpponentCount;
    for (int row = 0; row < 4; ++row)
        for (int k = 0; k < 13; ++k) {
            const int i = row * 13 + k;
            const qint64 delay = i * DealMs / 52;
            if (row == 0) {
                const int cell = HandRowFirst + k;
                if (faceAt(cell) != EmptyCell)
                    motion_->send(faceAt(cell), deckPose(i), cellPose(cell), FlightMs, delay);
                continue;
            }
            const auto in = std::find_if(layout_.seats.begin(), layout_.seats.end(),
                                         [&](const FeltSeat& s) { return s.opponent == row; });
            if (row <= opponents && in != layout_.seats.end()) {
                motion_->send(seatCardKey(row, k), deckPose(i), seatPose(*in, k), FlightMs, delay);
                continue;
            }
            // An absent seat's place: of three seats left, top and right, the one not taken.
            const FeltSeat& place =
                everySeat.seats[static_cast<std::size_t>(opponents == 1 ? (row == 2 ? 0 : 2) : 1)];
            const int key = seatCardKey(row, k);
            motion_->send(key, deckPose(i), seatPose(place, k), FlightMs, delay);
            motion_->then(key, deckPose(i), FlightMs, DealMs - delay + SweepPauseMs, true);
        }
}

void FeltTableView::tableChanged(TableChange change) {
    if (shownPhase_ != Phase::Arranging) return;
    std::vector<int> moved;  // cells whose card goes elsewhere, in the table's order
    for (int cell = 0; cell < 26; ++cell) {
        const int face = faceAt(cell);
        if (face == EmptyCell) continue;
        const CardPose to = cellPose(cell);
        const CardPose was = motion_->target(face);
        if (was == to) continue;
        // Lifted or put down where it lies: at once, as a click answers.
        if (motion_->contains(face) && std::abs(was.rect.left() - to.rect.left()) < 0.5 &&
            std::abs(was.rect.top() - to.rect.top()) <= layout_.cardHeight * 0.13)
            motion_->place(face, to);
        else
            moved.push_back(cell);
    }
    if (!moved.empty()) sound(Sound::Place);
    for (std::size_t k = 0; k < moved.size(); ++k) {
        const int cell = moved[k];
        const qint64 delay = change == TableChange::Suggestion ? k * SuggestionStepMs : 0;
        motion_->send(faceAt(cell), cellPose(cell), SlideMs, delay);
    }
}

void FeltTableView::dragTo(int cell, QPoint topLeft) {
    const int face = faceAt(cell);
    if (face == EmptyCell || shownPhase_ != Phase::Arranging) return;
    motion_->place(face, {QRectF(topLeft, layout_.cells[0].size()), true, 5000});
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
    if (countFrames_ && (motion_->moving() || showdown_->running())) countFrame();
    paintFelt(painter);
    const Phase phase = table_.state().SettledPhase;
    if (phase == Phase::Results) {
        paintFeltResults(painter, results_, *renderer_, back_, showdown_->step(),
                         showdown_->turned());
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
        s->controlText(S::Points) + "   " +
            dealCaption(table_.dealNumber(), table_.practice()).toUpper()};
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
    }
    painter.restore();
}

// The slots of the player's cells, then every card as it stands (the seats' face down, those in
// flight on top), then the cursor, the lifted card's outline and the drop target.
void FeltTableView::paintCells(QPainter& painter) {
    const GameState& g = table_.state();
    const TableAids& aids = table_.tableAids();
    for (int cell = 0; cell < 26; ++cell)
        drawSlot(painter, cellRect(cell));
    for (const CardMotion::Shown& c : motion_->shown()) {
        const int face = c.key < 100 && c.pose.faceUp ? c.key : -1;
        drawTurning(painter, *renderer_, c.pose.rect, face, back_, c.turn);
    }
    if (g.SelectedCell >= 0 && faceAt(g.SelectedCell) != EmptyCell && aids.dragCell < 0)
        drawOutline(painter, motion_->pose(faceAt(g.SelectedCell)).rect, CursorColour,
                    Qt::SolidLine);
    if (aids.cursorCell >= 0)
        drawOutline(painter, cellRect(aids.cursorCell), CursorColour, Qt::DashLine);
    if (aids.dragCell >= 0 && aids.dropCell >= 0)
        drawOutline(painter, cellRect(aids.dropCell), DropColour, Qt::SolidLine);
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
