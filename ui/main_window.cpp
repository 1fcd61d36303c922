// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include "cards/hand.h"
#include "game/arranging_notes.h"
#include "game/computer_seats.h"
#include "game/suggestion.h"
#include "ui/felt_table_view.h"
#include "ui/game_window.h"
#include "ui/table_accessible.h"
#include "ui/table_controller.h"
#include "ui/table_view.h"
#include "ui/translations.h"
#include "ui/zoom.h"

namespace kov::ui {
namespace {

// The settings panel's choices: the button, what it sets and the label that says so.
struct SettingChoice {
    SettingsControl button;
    void (*apply)(TableController&);
    SettingsControl label;
    const char* text;
};
using S = SettingsControl;
const SettingChoice SettingChoices[] = {
    {S::OneOpponent, [](TableController& c) { c.setOpponents(1); }, S::OpponentsLabel,
     QT_TRANSLATE_NOOP("DialogPanel", "PLAY 1 OPPONENT")},
    {S::TwoOpponents, [](TableController& c) { c.setOpponents(2); }, S::OpponentsLabel,
     QT_TRANSLATE_NOOP("DialogPanel", "PLAY 2 OPPONENTS")},
    {S::ThreeOpponents, [](TableController& c) { c.setOpponents(3); }, S::OpponentsLabel,
     QT_TRANSLATE_NOOP("DialogPanel", "PLAY 3 OPPONENTS")},
    {S::OneUnit, [](TableController& c) { c.setStake(1); }, S::UnitsLabel,
     QT_TRANSLATE_NOOP("DialogPanel", "PLAY 1 UNIT")},
    {S::TwoUnits, [](TableController& c) { c.setStake(2); }, S::UnitsLabel,
     QT_TRANSLATE_NOOP("DialogPanel", "PLAY 2 UNITS")},
    {S::ChiOption, [](TableController& c) { c.setScoring(ScoringOption::Chi); }, S::OptionLabel,
     QT_TRANSLATE_NOOP("DialogPanel", "PLAY CHI OPTION")},
    {S::SetOption, [](TableController& c) { c.setScoring(ScoringOption::Set); }, S::OptionLabel,
     QT_TRANSLATE_NOOP("DialogPanel", "PLAY SET OPTION")},
};

// The computer's levels: the button and the label that says the level is in force.
struct StrengthChoice {
    SettingsControl button;
    Strength strength;
    const char* text;
};
const StrengthChoice StrengthChoices[] = {
    {S::EasyStrength, Strength::Easy, QT_TRANSLATE_NOOP("DialogPanel", "COMPUTER PLAYS EASY")},
    {S::NormalStrength, Strength::Normal,
     QT_TRANSLATE_NOOP("DialogPanel", "COMPUTER PLAYS NORMAL")},
    {S::HardStrength, Strength::Hard, QT_TRANSLATE_NOOP("DialogPanel", "COMPUTER PLAYS HARD")},
    {S::ExpertStrength, Strength::Expert,
     QT_TRANSLATE_NOOP("DialogPanel", "COMPUTER PLAYS EXPERT")},
};

// The point purchases.
struct PointPurchase {
    SettingsControl button;
    int amount;
};
const PointPurchase PointPurchases[] = {
    {S::AddOnePoint, 1}, {S::AddFivePoints, 5}, {S::AddTenPoints, 10}, {S::AddTwentyPoints, 20}};

// The arrangement panel's commit buttons and what each commits.
struct CommitButton {
    ArrangementControl button;
    Commit commit;
};
using A = ArrangementControl;
const CommitButton CommitButtons[] = {
    {A::SixPairs, Commit::of(cat::SixPairs)},
    {A::FivePairsTriple, Commit::of(cat::FivePairsTriple)},
    {A::ThreeStraight, Commit::of(cat::ThreeStraight)},
    {A::ThreeFlush, Commit::of(cat::ThreeFlush)},
    {A::ThirteenStraightFlush, Commit::of(cat::ThirteenStraightFlush)},
    {A::ThirteenStraight, Commit::of(cat::ThirteenStraight)},
    {A::Regular, Commit::regular()}};

// The claim button of a special holding.
ArrangementControl claimButton(HandCategory special) {
    for (const CommitButton& c : CommitButtons)
        if (c.commit == Commit::of(special)) return c.button;
    return A::Regular;
}

// The table's keys that send a card to a hand.
Position positionOfKey(int key) {
    return key == Qt::Key_1   ? Position::Front
           : key == Qt::Key_2 ? Position::Middle
                              : Position::Back;
}

const char* const KeysHelp[] = {
    QT_TRANSLATE_NOOP("kov::ui::MainWindow", "Drag or click cards. Ctrl+Z undoes, H suggests."),
    QT_TRANSLATE_NOOP("kov::ui::MainWindow", "Keys: arrows, Space, 1 2 3, Backspace, Enter.")};

}  // namespace

MainWindow::MainWindow(CardLibrary& cards, int threads)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      cards_(cards),
      controller_(new TableController(threads, this)),
      inputGuardMs_(QApplication::doubleClickInterval()) {
    installTableAccessibility();
    setObjectName("cards");
    setWindowTitle(tr(WindowTitle));
    setFixedSize(800, 600);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, TableGrey);
    setPalette(pal);

    int width = 0, height = 0;
    cards_.cdtInit(&width, &height);  // the natural size is not used

    settings_ = new SettingsPanel(settingsLayout(), this);
    settings_->button(S::ExpertStrength)->hide();  // the classic table's panel as the rules have it
    connect(settings_, &DialogPanel::command, this,
            [this](int id) { onSettingsCommand(static_cast<SettingsControl>(id)); });
    arrangement_ = new ArrangementPanel(arrangementLayout(), this);
    connect(arrangement_, &DialogPanel::command, this,
            [this](int id) { onArrangementCommand(static_cast<ArrangementControl>(id)); });
    results_ = new ResultsPanel(resultsLayout(), this);
    connect(results_, &DialogPanel::command, this,
            [this](int id) { onResultsCommand(static_cast<ResultsControl>(id)); });

    showMessage = [this](const QString& text) {
        QMessageBox box(QMessageBox::Information, "cards", text, QMessageBox::Ok, this);
        box.exec();
    };
    notifyAccessibility = [](QAccessibleEvent* event) { QAccessible::updateAccessibility(event); };
    askQuestion = [this](const QString& text) {
        QMessageBox box(QMessageBox::Question, "cards", text, QMessageBox::Yes | QMessageBox::No,
                        this);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };

    // The table's own controls, below the hand rows and right of them; they never take the
    // focus from the table.
    setFocusPolicy(Qt::StrongFocus);
    suggest_ = new QPushButton(tr("SUGGEST (H)"), this);
    suggest_->setGeometry(NotesLeft, NotesTop + 8, 140, 32);
    connect(suggest_, &QPushButton::clicked, this, [this] { suggest(); });
    undo_ = new QPushButton(tr("UNDO (Ctrl+Z)"), this);
    undo_->setGeometry(NotesLeft, NotesTop + 48, 140, 32);
    connect(undo_, &QPushButton::clicked, this, [this] { undo(); });
    for (QPushButton* b : {suggest_, undo_})
        b->setFocusPolicy(Qt::NoFocus);
    QApplication::instance()->installEventFilter(this);

    connect(controller_, &TableController::optionsChanged, this, &MainWindow::optionsChanged);
    connect(controller_, &TableController::pointsBought, this, &MainWindow::pointsBought);
    connect(controller_, &TableController::tableChanged, this, &MainWindow::tableChanged);
    connect(controller_, &TableController::dealSettled, this, &MainWindow::showSettled);
    connect(controller_, &TableController::phaseChanged, this, &MainWindow::phaseChanged);
    updateStartButton();
    phaseChanged();
}

MainWindow::~MainWindow() {
    if (!terminated_ && cards_.cdtTerm) cards_.cdtTerm();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!terminated_ && cards_.cdtTerm) cards_.cdtTerm();
    terminated_ = true;
    event->accept();
}

void MainWindow::updateStartButton() {
    const int need = pointsNeeded(controller_->state());
    settings_->setControlText(S::PointsNeeded, neededText(need));
    settings_->control(S::StartGame)->setVisible(need <= 0);
}

// Shows the panel of the phase in force and hides the others, then repaints.
void MainWindow::phaseChanged() {
    const Phase phase = controller_->state().phase();
    if (phase == Phase::Arranging) {  // a new deal: no cursor until a key asks for one
        aids_.cursorCell = -1;
        refreshAids();
    }
    settings_->setVisible(phase == Phase::Settings);
    results_->setVisible(phase == Phase::Results);
    arrangement_->setVisible(phase == Phase::Arranging);
    suggest_->setVisible(phase == Phase::Arranging);
    undo_->setVisible(phase == Phase::Arranging);
    endDrag();
    // The focus goes where Enter does what the player expects: START GAME (never QUIT), the
    // results' OK, or the table and its keys.
    if (phase == Phase::Settings) {
        updateStartButton();
        QWidget* start = settings_->control(S::StartGame);
        if (start->isVisible())
            start->setFocus();
        else
            setFocus();
    } else if (phase == Phase::Results) {
        results_->control(ResultsControl::Ok)->setFocus();
    } else {
        setFocus();
    }
    sincePanelChange_.start();
    if (felt_) felt_->relayout();
    update();
    emit phaseShown();
}

void MainWindow::restoreOptions(int opponents, int stake, ScoringOption scoring, HandOrder order,
                                int points) {
    const GameState& game = controller_->state();
    const auto choose = [this](SettingsControl button) {
        for (const SettingChoice& c : SettingChoices)
            if (c.button == button)
                settings_->setControlText(c.label,
                                          QCoreApplication::translate("DialogPanel", c.text));
    };
    if (opponents != game.OpponentCount)
        choose(opponents == 3   ? S::ThreeOpponents
               : opponents == 2 ? S::TwoOpponents
                                : S::OneOpponent);
    if (stake != game.UnitStake) choose(stake == 2 ? S::TwoUnits : S::OneUnit);
    if (scoring != game.Scoring)
        choose(scoring == ScoringOption::Set ? S::SetOption : S::ChiOption);
    controller_->restoreOptions(opponents, stake, scoring, order, points);
    setPoints(points);
    updateStartButton();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            if (sincePanelChange_.isValid() && sincePanelChange_.elapsed() < inputGuardMs_) {
                auto* w = qobject_cast<QWidget*>(watched);
                if (w && (w == this || isAncestorOf(w))) return true;  // dropped
            }
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::setZoom(int percent) {
    if (!isZoomStep(percent) || percent == zoom_) return;
    zoom_ = percent;
    if (felt_) return;  // kept for the classic table
    setFixedSize(scaledRect(QRect(0, 0, 800, 600), scale()).size());
    zoomChildWidgets(this, scale());
    update();
}

QPoint MainWindow::tablePoint(QPointF position) const {
    return logicalPoint(position, felt_ ? 1.0 : scale());
}

void MainWindow::setFeltTable(CardRenderer* renderer, CardBack back) {
    endDrag();
    if (!renderer) {
        felt_.reset();
        zoomChildWidgets(this, scale());
        setFixedSize(scaledRect(QRect(0, 0, 800, 600), scale()).size());
    } else if (felt_) {
        felt_->setRenderer(*renderer);
        felt_->setBack(back);
    } else {
        zoomChildWidgets(this, 1.0);  // the widgets' logical places, then the felt's
        setMinimumSize(FeltMinimumSize);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        felt_ = std::make_unique<FeltTableView>(*this, *renderer, back);
    }
    if (controller_->state().phase() == Phase::Results)  // the felt marks every hand line
        placed_ = placeResults(controller_->results(), felt_ != nullptr);
    update();
}

QWidget* MainWindow::pointedClaimButton() const {
    return pointedSpecial_ != cat::Trash ? arrangement_->control(claimButton(pointedSpecial_))
                                         : nullptr;
}

int MainWindow::cellAt(QPoint at) const {
    return felt_ ? felt_->cellAt(at) : hitTestCell(at).cell();
}

QRect MainWindow::cellBox(int cell) const {
    return felt_ ? felt_->cellRect(cell) : cellRect(cell);
}

QRect MainWindow::cellOnWindow(int cell) const {
    return felt_ ? felt_->cellRect(cell) : scaledRect(cellRect(cell), scale());
}

void MainWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (felt_) felt_->relayout();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (felt_) felt_->relayout();
}

void MainWindow::cursorMoved() {
    if (aids_.cursorCell < 0) return;
    if (QAccessibleInterface* cell = tableCellAccessible(this, aids_.cursorCell)) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        notifyAccessibility(&event);
    }
}

void MainWindow::cursorCellChanged() {
    if (aids_.cursorCell < 0) return;
    if (QAccessibleInterface* cell = tableCellAccessible(this, aids_.cursorCell)) {
        QAccessibleEvent event(cell, QAccessible::NameChanged);
        notifyAccessibility(&event);
    }
}

void MainWindow::setPoints(int points) {
    const QString text = pointsText(points);
    settings_->setControlText(S::Points, text);
    arrangement_->setControlText(ArrangementControl::Points, text);
}

void MainWindow::onSettingsCommand(SettingsControl id) {
    if (id == S::Quit) {
        window()->close();  // the game window when this table sits inside one
        return;
    }
    if (id == S::StartGame) {
        startGame();
        return;
    }
    for (const PointPurchase& p : PointPurchases)
        if (p.button == id) {
            controller_->buyPoints(p.amount);
            setPoints(controller_->state().PlayerPoints);
        }
    for (const SettingChoice& c : SettingChoices)
        if (c.button == id) {
            settings_->setControlText(c.label, QCoreApplication::translate("DialogPanel", c.text));
            c.apply(*controller_);
        }
    for (const StrengthChoice& c : StrengthChoices)
        if (c.button == id) setStrength(c.strength);
    updateStartButton();
}

void MainWindow::setStrength(Strength strength) {
    for (const StrengthChoice& c : StrengthChoices)
        if (c.strength == strength)
            settings_->setControlText(S::StrengthLabel,
                                      QCoreApplication::translate("DialogPanel", c.text));
    controller_->setStrength(strength);
}

void MainWindow::chooseStrength(Strength strength) {
    setStrength(strength);
    emit optionsChanged();
}

void MainWindow::startGame() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    controller_->startGame();
    QApplication::restoreOverrideCursor();
}

void MainWindow::startPracticeDeal(DealNumber number) {
    const GameState& game = controller_->state();
    if (game.phase() == Phase::Arranging) return;
    const bool results = game.phase() == Phase::Results;  // accepted first, as OK does
    if (results) results_->setControlText(ResultsControl::Balance, pointsText(game.PendingPoints));
    setPoints(results ? game.PendingPoints : game.PlayerPoints);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    controller_->startPracticeDeal(number);
    QApplication::restoreOverrideCursor();
}

void MainWindow::resumeDeal(const SavedDeal& deal) {
    const GameState& game = controller_->state();
    if (game.phase() == Phase::Arranging) return;
    const int points = game.phase() == Phase::Results ? game.PendingPoints : game.PlayerPoints;
    restoreOptions(deal.opponents, deal.stake, deal.scoring, deal.handOrder, points);
    setStrength(deal.strength);
    controller_->resumeDeal(deal);
}

void MainWindow::undo() {
    endDrag();
    applyTableMove({TableMove::Kind::Undo});
}

void MainWindow::redo() {
    endDrag();
    applyTableMove({TableMove::Kind::Redo});
}

void MainWindow::onArrangementCommand(ArrangementControl id) {
    if (id == A::OrderBySuit || id == A::OrderByCardNumber) {
        const HandOrder order = id == A::OrderBySuit ? HandOrder::BySuit : HandOrder::ByCardNumber;
        endDrag();
        controller_->setHandOrder(order);
        setFocus();  // the table keeps its keys
        return;
    }
    for (const CommitButton& c : CommitButtons)
        if (c.button == id) commit(c.commit);
}

void MainWindow::commit(Commit commit) {
    const CommitRefusal refusal = controller_->refusal(commit);
    if (refusal != CommitRefusal::None) {
        showMessage(refusalText(refusal));
        setFocus();
        return;
    }
    // A commit that the rules would mark ILLEGAL is asked about first.
    const CommitQuestion question = controller_->question(commit);
    if (question.kind != CommitQuestion::Kind::None && !askQuestion(questionText(question))) {
        setFocus();
        return;
    }
    controller_->commit(commit);
}

void MainWindow::showSettled() {
    const ResultsView& view = controller_->results();
    placed_ = placeResults(view, felt_ != nullptr);
    results_->setControlText(ResultsControl::Balance, controller_->practice()
                                                          ? practiceBalanceText(view.gain)
                                                          : balanceText(view));
    setPoints(controller_->state().PendingPoints);
    emit dealSettled();
}

void MainWindow::onResultsCommand(ResultsControl id) {
    if (id != ResultsControl::Ok) return;
    if (felt_ && felt_->finishShowdown()) return;  // OK first shows the whole result
    results_->setControlText(ResultsControl::Balance,
                             pointsText(controller_->state().PendingPoints));
    controller_->acceptResults();
}

void MainWindow::applyTableMove(const TableMove& move) {
    controller_->apply(move);
}

void MainWindow::tableChanged() {
    refreshAids();
    cursorCellChanged();
    if (felt_) felt_->tableChanged(suggesting_ ? TableChange::Suggestion : TableChange::Move);
    update();
}

// The note the suggestion leaves while the table stands as it laid it out.
QString suggestionNote(const Suggestion& s) {
    const QString claim = claimText(s.special);
    if (s.special != cat::Trash && s.placeable)
        return MainWindow::tr("Suggested: %1, laid out; claim it.").arg(claim);
    if (s.special != cat::Trash)
        return MainWindow::tr("Suggested: claim %1 with its button.").arg(claim);
    return MainWindow::tr("Suggested front, middle, back: %1, %2, %3.")
        .arg(categoryName(s.arrangement.front.category),
             categoryName(s.arrangement.middle.category),
             categoryName(s.arrangement.back.category));
}

void MainWindow::refreshAids() {
    const GameState& game = controller_->state();
    const Suggestion* suggestion = controller_->suggestion();
    pointedSpecial_ = suggestion ? suggestion->special : cat::Trash;
    aids_.notes = arrangingNotes(game);
    aids_.lines.clear();
    if (!controller_->specials().empty())
        aids_.lines.push_back(specialsText(controller_->specials()));
    if (aids_.notes.outOfOrder())
        aids_.lines.push_back(
            outOfOrderText(aids_.notes.frontOverMiddle, aids_.notes.middleOverBack));
    if (suggestion) aids_.lines.push_back(suggestionNote(*suggestion));
    if (controller_->practice()) aids_.lines.push_back(practiceNoteText(controller_->dealNumber()));
    for (const char* line : KeysHelp)
        aids_.lines.push_back(tr(line));
    aids_.pointAtX = -1;
    if (pointedSpecial_ != cat::Trash) {
        const QWidget* b = arrangement_->control(claimButton(pointedSpecial_));
        aids_.pointAtX = logicalGeometry(arrangement_).x() + logicalGeometry(b).center().x();
    }
}

void MainWindow::suggest() {
    if (controller_->state().SettledPhase != Phase::Arranging) return;
    endDrag();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    suggesting_ = true;  // its cards slide one after another
    controller_->suggest();
    suggesting_ = false;
    QApplication::restoreOverrideCursor();
}

void MainWindow::endDrag() {
    pressed_ = {};
    aids_.dragCell = -1;
    aids_.dropCell = -1;
}

// A press is the rules' click; a press that lifts a card may go on to drag it.
void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (felt_ && felt_->finishShowdown()) return;  // a click skips the showdown
    const GameState& game = controller_->state();
    if (event->button() != Qt::LeftButton || game.SettledPhase != Phase::Arranging) return;
    if (felt_) felt_->finishMotion();  // the click lands where the cards lie
    const QPoint at = tablePoint(event->position());
    const int cell = cellAt(at);
    if (cell < 0) return;
    const bool lifts =
        game.SelectedCell == -1 &&
        game.TableGrid[static_cast<std::size_t>(cell / 13)][static_cast<std::size_t>(cell % 13)] !=
            EmptyCell;
    endDrag();
    const bool cursorShown = aids_.cursorCell >= 0;
    if (cursorShown) aids_.cursorCell = cell;
    applyTableMove({TableMove::Kind::Click, cell});
    if (cursorShown) cursorMoved();
    if (lifts && game.SelectedCell == cell)
        pressed_ = {cell, at, at - cellBox(cell).topLeft(), false};
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_.cell < 0 || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint at = tablePoint(event->position());
    if (!pressed_.dragging && (at - pressed_.at).manhattanLength() * (felt_ ? 1.0 : scale()) <
                                  QApplication::startDragDistance())
        return;
    pressed_.dragging = true;
    aids_.dragCell = pressed_.cell;
    aids_.dragTopLeft = at - pressed_.grabOffset;
    if (felt_) felt_->dragTo(pressed_.cell, aids_.dragTopLeft);
    const int over = cellAt(at);
    aids_.dropCell = over == pressed_.cell ? -1 : over;
    update();
}

// Releasing a dragged card drops it on the cell under the pointer (an empty cell takes it, a full
// one swaps) or, anywhere else, puts it back. A release without a drag leaves the click as it is.
void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || pressed_.cell < 0) return;
    const bool dropped = pressed_.dragging && controller_->state().SelectedCell == pressed_.cell;
    const int source = pressed_.cell;
    endDrag();
    if (!dropped) return;
    const int target = cellAt(tablePoint(event->position()));
    if (target >= 0 && target != source)
        applyTableMove({TableMove::Kind::Click, target});
    else
        applyTableMove({TableMove::Kind::PutBack});
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    const bool skips = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                       event->key() == Qt::Key_Enter;
    if (skips && felt_ && felt_->finishShowdown()) return;
    const GameState& game = controller_->state();
    if (game.SettledPhase != Phase::Arranging) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (felt_) felt_->finishMotion();  // the key acts on the cards where they lie
    using K = TableMove::Kind;
    const int key = event->key();
    // The lifted card, else the one under the cursor.
    const int card = game.SelectedCell != -1 ? game.SelectedCell : aids_.cursorCell;
    const bool control = event->modifiers() & Qt::ControlModifier;
    if ((key == Qt::Key_Z && control && (event->modifiers() & Qt::ShiftModifier)) ||
        (key == Qt::Key_Y && control)) {
        redo();
    } else if (key == Qt::Key_Z && control) {
        undo();
    } else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up ||
               key == Qt::Key_Down) {
        aids_.cursorCell = moveCursor(aids_.cursorCell, key);
        cursorMoved();
        update();
    } else if (key == Qt::Key_Space) {
        if (aids_.cursorCell < 0) {
            aids_.cursorCell = moveCursor(-1, key);
            cursorMoved();
        }
        endDrag();
        applyTableMove({K::Click, aids_.cursorCell});
    } else if (key == Qt::Key_1 || key == Qt::Key_2 || key == Qt::Key_3) {
        endDrag();
        if (card >= 0) applyTableMove({K::SendTo, card, positionOfKey(key)});
    } else if (key == Qt::Key_Backspace) {
        endDrag();
        if (card >= 0) applyTableMove({K::ReturnToHand, card});
    } else if (key == Qt::Key_Escape) {
        endDrag();
        applyTableMove({K::PutBack});
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        commit(Commit::regular());  // as the button: cards still to place are asked for
    } else if (key == Qt::Key_H && !(event->modifiers() & Qt::ControlModifier)) {
        suggest();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (felt_) {
        felt_->paint(painter);
        return;
    }
    const GameState& game = controller_->state();
    painter.fillRect(rect(), TableGrey);
    if (zoom_ != 100) painter.scale(scale(), scale());  // the table's coordinates stay 800 x 600
    if (game.SettledPhase == Phase::Results) paintResults(painter, placed_, cards_);
    if (game.SettledPhase == Phase::Arranging) paintTable(painter, game, cards_, aids_);
}

int runGame(CardLibrary& cards, const QStringList& libraryCandidates,
            const std::function<void(const QString&, const QString&)>& failureMessage,
            TableStart start, std::optional<DealNumber> practiceDeal) {
    if (!cards.load(libraryCandidates)) {
        failureMessage(
            QCoreApplication::translate("kov::ui::MainWindow", "Failed to load cards.dll"),
            cards.failureDetails());
        return 0;
    }
    int status;
    {
        GameWindow window(cards, Store(), 0, start, systemDeckFolder(), practiceDeal);
        window.show();
        window.activateWindow();  // the keys work at once, with or without a window manager
        status = QApplication::exec();
    }
    cards.unload();
    return status;
}

}  // namespace kov::ui
