#include "ui/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include "cards/hand.h"
#include "ui/game_window.h"
#include "ui/table_view.h"
#include "ui/translations.h"

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

// The point purchases.
struct PointPurchase {
    SettingsControl button;
    int amount;
};
const PointPurchase PointPurchases[] = {
    {S::AddOnePoint, 1}, {S::AddFivePoints, 5}, {S::AddTenPoints, 10}, {S::AddTwentyPoints, 20}};

// The arrangement panel's commit buttons and what each declares.
struct Commit {
    ArrangementControl button;
    int category;
};
using A = ArrangementControl;
const Commit Commits[] = {{A::SixPairs, cat::SixPairs},
                          {A::FivePairsTriple, cat::FivePairsTriple},
                          {A::ThreeStraight, cat::ThreeStraight},
                          {A::ThreeFlush, cat::ThreeFlush},
                          {A::ThirteenStraightFlush, cat::ThirteenStraightFlush},
                          {A::ThirteenStraight, cat::ThirteenStraight},
                          {A::Regular, RegularCommit}};

}  // namespace

MainWindow::MainWindow(CardLibrary& cards, int threads)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      cards_(cards),
      evaluator_(std::make_unique<Evaluator>(ListCapacity, threads)) {
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

    enterFirstPhase(game_, settings_ != nullptr);
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
    settings_->setControlText(S::PointsNeeded, gameText(neededText(need)));
    settings_->control(S::StartGame)->setVisible(need <= 0);
}

// Shows the panel of the phase in force and hides the others, then repaints.
void MainWindow::phaseChanged() {
    const Phase phase = game_.phase();
    settings_->setVisible(phase == Phase::Settings);
    results_->setVisible(phase == Phase::Results);
    arrangement_->setVisible(phase == Phase::Arranging);
    if (phase == Phase::Settings) updateStartButton();
    update();
    emit phaseShown();
}

void MainWindow::restoreOptions(int opponents, int stake, ScoringOption scoring, HandOrder order,
                                int points) {
    const auto choose = [this](SettingsControl button) {
        for (const SettingChoice& c : SettingChoices)
            if (c.button == button) {
                c.apply(game_);
                settings_->setControlText(c.label, c.text);
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

void MainWindow::setPoints(int points) {
    const QString text = gameText(pointsLabel(points));
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
        }
    for (const SettingChoice& c : SettingChoices)
        if (c.button == id) {
            c.apply(game_);
            settings_->setControlText(c.label, QCoreApplication::translate("DialogPanel", c.text));
        }
    updateStartButton();
    emit optionsChanged();
}

void MainWindow::startGame() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    kov::startGame(game_, rng_, *evaluator_);
    QApplication::restoreOverrideCursor();
    sortHandRow(game_);
    phaseChanged();
}

void MainWindow::onArrangementCommand(ArrangementControl id) {
    if (id == A::OrderBySuit || id == A::OrderByCardNumber) {
        const HandOrder order = id == A::OrderBySuit ? HandOrder::BySuit : HandOrder::ByCardNumber;
        if (game_.HandRowOrder == order) return;
        game_.HandRowOrder = order;
        game_.SelectedCell = -1;
        sortHandRow(game_);
        update();
        emit optionsChanged();
        return;
    }
    for (const Commit& c : Commits)
        if (c.button == id) commit(c.category);
}

void MainWindow::commit(int category) {
    const std::string refusal = commitRefusal(game_, category);
    if (!refusal.empty()) {
        showMessage(gameText(refusal));
        return;
    }
    commitArrangement(game_, category);
    view_ = showResults(game_);
    placed_ = placeResults(view_);
    results_->setControlText(ResultsControl::Balance, gameText(view_.balanceText));
    setPoints(game_.PendingPoints);
    emit dealSettled();
    phaseChanged();
}

void MainWindow::onResultsCommand(ResultsControl id) {
    if (id != ResultsControl::Ok) return;
    acceptResults(game_);
    results_->setControlText(ResultsControl::Balance, gameText(pointsLabel(game_.PlayerPoints)));
    phaseChanged();
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || game_.SettledPhase != Phase::Arranging) return;
    const CellHit hit = hitTestCell(event->position().toPoint());
    if (!hit.hit) return;
    clickCell(game_, hit.row, hit.column);
    sortHandRow(game_);
    update();
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), TableGrey);
    if (game_.SettledPhase == Phase::Results) paintResults(painter, placed_, cards_);
    if (game_.SettledPhase == Phase::Arranging) paintTable(painter, game_, cards_);
}

int runGame(CardLibrary& cards, const QStringList& libraryCandidates,
            const std::function<void(const QString&, const QString&)>& failureMessage) {
    if (!cards.load(libraryCandidates)) {
        failureMessage(
            QCoreApplication::translate("kov::ui::MainWindow", "Failed to load cards.dll"),
            cards.failureDetails());
        return 0;
    }
    int status;
    {
        GameWindow window(cards);
        window.show();
        window.activateWindow();  // the keys work at once, with or without a window manager
        status = QApplication::exec();
    }
    cards.unload();
    return status == 0 ? 0 : status;
}

}  // namespace kov::ui
