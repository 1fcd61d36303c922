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
#include "ui/table_view.h"
#include "ui/translations.h"
#include "ui/zoom.h"

namespace kov::ui {
namespace {

// The settings panel's choices: the button, what it sets and the label that says so.
struct SettingChoice {
    SettingsControl button;
    void (*apply)(GameState&);
    SettingsControl label;
    const char* text;
};
using S = SettingsControl;
const SettingChoice SettingChoices[] = {
    {S::OneOpponent, [](GameState& g) { g.OpponentCount = 1; }, S::OpponentsLabel,
     QT_TRANSLATE_NOOP("DialogPanel", "PLAY 1 OPPONENT")},
    {S::TwoOpponents, [](GameState& g) { g.OpponentCount = 2; }, S::OpponentsLabel,
     QT_TRANSLATE_NOOP("DialogPanel", "PLAY 2 OPPONENTS")},
    {S::ThreeOpponents, [](GameState& g) { g.OpponentCount = 3; }, S::OpponentsLabel,
     QT_TRANSLATE_NOOP("DialogPanel", "PLAY 3 OPPONENTS")},
    {S::OneUnit, [](GameState& g) { g.UnitStake = 1; }, S::UnitsLabel,
     QT_TRANSLATE_NOOP("DialogPanel", "PLAY 1 UNIT")},
    {S::TwoUnits, [](GameState& g) { g.UnitStake = 2; }, S::UnitsLabel,
     QT_TRANSLATE_NOOP("DialogPanel", "PLAY 2 UNITS")},
    {S::ChiOption, [](GameState& g) { g.Scoring = ScoringOption::Chi; }, S::OptionLabel,
     QT_TRANSLATE_NOOP("DialogPanel", "PLAY CHI OPTION")},
    {S::SetOption, [](GameState& g) { g.Scoring = ScoringOption::Set; }, S::OptionLabel,
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
      evaluator_(std::make_unique<Evaluator>(ListCapacity, threads)),
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
    connect(undo_, &QPushButton::clicked, this,
            [this] { applyTableMove({TableMove::Kind::Undo}); });
    for (QPushButton* b : {suggest_, undo_})
        b->setFocusPolicy(Qt::NoFocus);
    QApplication::instance()->installEventFilter(this);

    startUp(game_, rng_);  // thresholds, the seed from the clock, the hand order by suit
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
    const int need = pointsNeeded(game_);
    settings_->setControlText(S::PointsNeeded, neededText(need));
    settings_->control(S::StartGame)->setVisible(need <= 0);
}

// Shows the panel of the phase in force and hides the others, then repaints.
void MainWindow::phaseChanged() {
    const Phase phase = game_.phase();
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
    const auto choose = [this](SettingsControl button) {
        for (const SettingChoice& c : SettingChoices)
            if (c.button == button) {
                c.apply(game_);
                settings_->setControlText(c.label,
                                          QCoreApplication::translate("DialogPanel", c.text));
            }
    };
    if (opponents != game_.OpponentCount)
        choose(opponents == 3   ? S::ThreeOpponents
               : opponents == 2 ? S::TwoOpponents
                                : S::OneOpponent);
    if (stake != game_.UnitStake) choose(stake == 2 ? S::TwoUnits : S::OneUnit);
    if (scoring != game_.Scoring)
        choose(scoring == ScoringOption::Set ? S::SetOption : S::ChiOption);
    game_.HandRowOrder = order;
    game_.PlayerPoints = points;
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
            game_.PlayerPoints += p.amount;
            setPoints(game_.PlayerPoints);
            emit pointsBought(p.amount);
        }
    for (const SettingChoice& c : SettingChoices)
        if (c.button == id) {
            c.apply(game_);
            settings_->setControlText(c.label, QCoreApplication::translate("DialogPanel", c.text));
        }
    for (const StrengthChoice& c : StrengthChoices)
        if (c.button == id) setStrength(c.strength);
    updateStartButton();
    emit optionsChanged();
}

void MainWindow::setStrength(Strength strength) {
    for (const StrengthChoice& c : StrengthChoices)
        if (c.strength == strength)
            settings_->setControlText(S::StrengthLabel,
                                      QCoreApplication::translate("DialogPanel", c.text));
    if (strength == strength_) return;
    strength_ = strength;
    strategy_ = Strategy(strategyOf(strength));
}

void MainWindow::startGame() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    startGameAtStrength(game_, rng_, *evaluator_, strategy_);
    QApplication::restoreOverrideCursor();
    sortHandRow(game_);
    history_.clear();
    suggestionNote_.clear();
    pointedSpecial_ = cat::Trash;
    aids_.cursorCell = -1;
    refreshAids();
    phaseChanged();
}

void MainWindow::onArrangementCommand(ArrangementControl id) {
    if (id == A::OrderBySuit || id == A::OrderByCardNumber) {
        const HandOrder order = id == A::OrderBySuit ? HandOrder::BySuit : HandOrder::ByCardNumber;
        if (game_.HandRowOrder == order) return;
        game_.HandRowOrder = order;
        game_.SelectedCell = -1;
        sortHandRow(game_);
        endDrag();
        refreshAids();
        setFocus();  // the table keeps its keys
        update();
        emit optionsChanged();
        return;
    }
    for (const CommitButton& c : CommitButtons)
        if (c.button == id) commit(c.commit);
}

void MainWindow::commit(Commit commit) {
    const CommitRefusal refusal = commitRefusal(game_, commit);
    if (refusal != CommitRefusal::None) {
        showMessage(refusalText(refusal));
        setFocus();
        return;
    }
    // A commit that the rules would mark ILLEGAL is asked about first.
    const CommitQuestion question = commitQuestion(game_, commit);
    if (question.kind != CommitQuestion::Kind::None && !askQuestion(questionText(question))) {
        setFocus();
        return;
    }
    commitArrangement(game_, commit);
    view_ = showResults(game_);
    placed_ = placeResults(view_);
    results_->setControlText(ResultsControl::Balance, balanceText(view_));
    setPoints(game_.PendingPoints);
    emit dealSettled();
    phaseChanged();
}

void MainWindow::onResultsCommand(ResultsControl id) {
    if (id != ResultsControl::Ok) return;
    acceptResults(game_);
    results_->setControlText(ResultsControl::Balance, pointsText(game_.PlayerPoints));
    phaseChanged();
}

void MainWindow::applyTableMove(const TableMove& move) {
    if (game_.SettledPhase != Phase::Arranging) return;
    const int changes = history_.size();
    applyMove(game_, history_, move);
    if (history_.size() != changes) {  // the suggestion no longer stands as shown
        suggestionNote_.clear();
        pointedSpecial_ = cat::Trash;
    }
    refreshAids();
    cursorCellChanged();
    update();
}

void MainWindow::refreshAids() {
    const CardSet holding = setOf(game_.Holdings.Rows[0]);
    if (!(holding == specialsOf_)) {  // a new holding: which specials its cards make
        specials_ = specialsMade(holding);
        specialsOf_ = holding;
    }
    aids_.notes = arrangingNotes(game_);
    aids_.lines.clear();
    if (!specials_.empty()) aids_.lines.push_back(specialsText(specials_));
    if (aids_.notes.outOfOrder())
        aids_.lines.push_back(
            outOfOrderText(aids_.notes.frontOverMiddle, aids_.notes.middleOverBack));
    if (!suggestionNote_.isEmpty()) aids_.lines.push_back(suggestionNote_);
    for (const char* line : KeysHelp)
        aids_.lines.push_back(tr(line));
    aids_.pointAtX = -1;
    if (pointedSpecial_ != cat::Trash) {
        const QWidget* b = arrangement_->control(claimButton(pointedSpecial_));
        aids_.pointAtX = logicalGeometry(arrangement_).x() + logicalGeometry(b).center().x();
    }
}

void MainWindow::suggest() {
    if (game_.SettledPhase != Phase::Arranging) return;
    endDrag();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const Suggestion s = suggestArrangement(setOf(game_.Holdings.Rows[0]), game_.Scoring, advisor_);
    QApplication::restoreOverrideCursor();
    if (s.placeable) placeArrangement(game_, history_, s.cells);
    pointedSpecial_ = s.special;
    const QString claim = claimText(s.special);
    if (s.special != cat::Trash && s.placeable)
        suggestionNote_ = tr("Suggested: %1, laid out; claim it.").arg(claim);
    else if (s.special != cat::Trash)
        suggestionNote_ = tr("Suggested: claim %1 with its button.").arg(claim);
    else
        suggestionNote_ = tr("Suggested front, middle, back: %1, %2, %3.")
                              .arg(categoryName(s.arrangement.front.category),
                                   categoryName(s.arrangement.middle.category),
                                   categoryName(s.arrangement.back.category));
    refreshAids();
    update();
}

void MainWindow::endDrag() {
    pressed_ = {};
    aids_.dragCell = -1;
    aids_.dropCell = -1;
}

// A press is the rules' click; a press that lifts a card may go on to drag it.
void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || game_.SettledPhase != Phase::Arranging) return;
    const QPoint at = tablePoint(event->position());
    const int cell = cellAt(at);
    if (cell < 0) return;
    const bool lifts =
        game_.SelectedCell == -1 &&
        game_.TableGrid[static_cast<std::size_t>(cell / 13)][static_cast<std::size_t>(cell % 13)] !=
            EmptyCell;
    endDrag();
    const bool cursorShown = aids_.cursorCell >= 0;
    if (cursorShown) aids_.cursorCell = cell;
    applyTableMove({TableMove::Kind::Click, cell});
    if (cursorShown) cursorMoved();
    if (lifts && game_.SelectedCell == cell)
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
    const int over = cellAt(at);
    aids_.dropCell = over == pressed_.cell ? -1 : over;
    update();
}

// Releasing a dragged card drops it on the cell under the pointer (an empty cell takes it, a full
// one swaps) or, anywhere else, puts it back. A release without a drag leaves the click as it is.
void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || pressed_.cell < 0) return;
    const bool dropped = pressed_.dragging && game_.SelectedCell == pressed_.cell;
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
    if (game_.SettledPhase != Phase::Arranging) {
        QWidget::keyPressEvent(event);
        return;
    }
    using K = TableMove::Kind;
    const int key = event->key();
    // The lifted card, else the one under the cursor.
    const int card = game_.SelectedCell != -1 ? game_.SelectedCell : aids_.cursorCell;
    if (key == Qt::Key_Z && (event->modifiers() & Qt::ControlModifier)) {
        endDrag();
        applyTableMove({K::Undo});
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
        if (game_.HandCount == 0) commit(Commit::regular());
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
    painter.fillRect(rect(), TableGrey);
    if (zoom_ != 100) painter.scale(scale(), scale());  // the table's coordinates stay 800 x 600
    if (game_.SettledPhase == Phase::Results) paintResults(painter, placed_, cards_);
    if (game_.SettledPhase == Phase::Arranging) paintTable(painter, game_, cards_, aids_);
}

int runGame(CardLibrary& cards, const QStringList& libraryCandidates,
            const std::function<void(const QString&, const QString&)>& failureMessage,
            TableStart start) {
    if (!cards.load(libraryCandidates)) {
        failureMessage(
            QCoreApplication::translate("kov::ui::MainWindow", "Failed to load cards.dll"),
            cards.failureDetails());
        return 0;
    }
    int status;
    {
        GameWindow window(cards, Store(), 0, start);
        window.show();
        window.activateWindow();  // the keys work at once, with or without a window manager
        status = QApplication::exec();
    }
    cards.unload();
    return status;
}

}  // namespace kov::ui
