#include "ui/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>

#include "cards/hand.h"

namespace kov::ui {
namespace {

const QColor TableGrey(128, 128, 128);  // the stock grey brush

// Commit buttons of the arrangement dialog and what each declares.
int commitCategory(int id) {
    switch (id) {
        case 1005:
            return cat::SixPairs;
        case 1006:
            return cat::FivePairsTriple;
        case 1007:
            return cat::ThreeStraight;
        case 1008:
            return cat::ThreeFlush;
        case 1010:
            return cat::ThirteenStraightFlush;
        case 1011:
            return cat::ThirteenStraight;
        case 1009:
            return RegularCommit;
        default:
            return 0;
    }
}

}  // namespace

QRect MainWindow::cardRect(int row, int column) {
    int left, top;
    if (row == 0) {
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

CellHit MainWindow::hitTestCell(QPoint p) {
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 13; ++column) {
            const QRect r = cardRect(row, column);
            if (r.left() <= p.x() && p.x() <= r.right() && r.top() <= p.y() && p.y() <= r.bottom())
                return {true, row, column};
        }
    return {};
}

MainWindow::MainWindow(CardLibrary& cards, int threads)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      cards_(cards),
      evaluator_(std::make_unique<Evaluator>(ListCapacity, threads)) {
    setObjectName("cards");
    setWindowTitle(WindowTitle);
    setFixedSize(800, 600);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, TableGrey);
    setPalette(pal);

    int width = 0, height = 0;
    cards_.cdtInit(&width, &height);  // the natural size is not used

    settings_ = new DialogPanel(settingsDialogSpec(), this);
    connect(settings_, &DialogPanel::command, this, &MainWindow::onSettingsCommand);
    arrangement_ = new DialogPanel(arrangementDialogSpec(), this);
    connect(arrangement_, &DialogPanel::command, this, &MainWindow::onArrangementCommand);
    results_ = new DialogPanel(resultsDialogSpec(), this);
    connect(results_, &DialogPanel::command, this, &MainWindow::onResultsCommand);

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
    settings_->setControlText(1002, QString::fromStdString(neededText(need)));
    settings_->control(1014)->setVisible(need <= 0);
}

// Shows the panel of the phase in force and hides the others, then repaints.
void MainWindow::phaseChanged() {
    settings_->setVisible(game_.SettingsShown != 0);
    results_->setVisible(game_.ResultsShown != 0);
    arrangement_->setVisible(game_.TableShown != 0);
    if (game_.SettingsShown != 0) updateStartButton();
    update();
}

void MainWindow::setPoints(int points) {
    const QString text = QString::fromStdString(pointsLabel(points));
    settings_->setControlText(1001, text);
    arrangement_->setControlText(1001, text);
}

void MainWindow::onSettingsCommand(int id) {
    switch (id) {
        case 1000:
            close();
            return;
        case 1003:
            game_.OpponentCount = 1;
            settings_->setControlText(1006, "PLAY 1 OPPONENT");
            break;
        case 1005:
            game_.OpponentCount = 2;
            settings_->setControlText(1006, "PLAY 2 OPPONENTS");
            break;
        case 1004:
            game_.OpponentCount = 3;
            settings_->setControlText(1006, "PLAY 3 OPPONENTS");
            break;
        case 1008:
            game_.UnitStake = 1;
            settings_->setControlText(1007, "PLAY 1 UNIT");
            break;
        case 1009:
            game_.UnitStake = 2;
            settings_->setControlText(1007, "PLAY 2 UNITS");
            break;
        case 1017:
            game_.ScoringOption = 0;
            settings_->setControlText(1016, "PLAY CHI OPTION");
            break;
        case 1018:
            game_.ScoringOption = 1;
            settings_->setControlText(1016, "PLAY SET OPTION");
            break;
        case 1010:
        case 1011:
        case 1012:
        case 1013: {
            static constexpr int Amount[] = {1, 5, 10, 20};
            game_.PlayerPoints += Amount[id - 1010];
            setPoints(game_.PlayerPoints);
            break;
        }
        case 1014:
            startGame();
            return;
        default:
            return;
    }
    updateStartButton();
}

void MainWindow::startGame() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    kov::startGame(game_, rng_, *evaluator_);
    QApplication::restoreOverrideCursor();
    sortHandRow(game_);
    phaseChanged();
}

void MainWindow::onArrangementCommand(int id) {
    if (id == 1003 || id == 1004) {
        const int order = id == 1003 ? 1 : 0;
        if (game_.HandOrder == order) return;
        game_.HandOrder = order;
        game_.SelectedCell = -1;
        sortHandRow(game_);
        update();
        return;
    }
    if (commitCategory(id) != 0) commit(commitCategory(id));
}

void MainWindow::commit(int category) {
    const std::string refusal = commitRefusal(game_, category);
    if (!refusal.empty()) {
        showMessage(QString::fromStdString(refusal));
        return;
    }
    commitArrangement(game_, category);
    view_ = showResults(game_);
    results_->setControlText(1001, QString::fromStdString(view_.balanceText));
    setPoints(game_.PendingPoints);
    phaseChanged();
}

void MainWindow::onResultsCommand(int id) {
    if (id != 1002) return;
    acceptResults(game_);
    results_->setControlText(1001, QString::fromStdString(pointsLabel(game_.PlayerPoints)));
    phaseChanged();
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || game_.TableShown != 1) return;
    const CellHit hit = hitTestCell(event->position().toPoint());
    if (!hit.hit) return;
    clickCell(game_, hit.row, hit.column);
    sortHandRow(game_);
    update();
}

void MainWindow::drawCard(QPainter& painter, QPoint topLeft, int face) {
    cards_.cdtDrawExt(&painter, topLeft.x(), topLeft.y(), 60, 80, face, 0, 0);
}

// Text positions are the top-left of the text; it is drawn on an opaque white background.
void MainWindow::drawText(QPainter& painter, int x, int y, const QString& text) {
    painter.save();
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
    painter.restore();
}

void MainWindow::paintTable(QPainter& painter) {
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 13; ++column) {
            const QRect r = cardRect(row, column);
            const int face =
                game_.TableGrid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            if (face == EmptyCell) {
                painter.fillRect(r, TableGrey);
            } else if (game_.SelectedCell == row * 13 + column) {
                painter.fillRect(r, TableGrey);
                drawCard(painter, r.topLeft() + QPoint(3, -6), face);  // raised
            } else {
                drawCard(painter, r.topLeft(), face);
            }
        }
}

void MainWindow::paintResults(QPainter& painter) {
    for (const TextItem& t : view_.texts)
        drawText(painter, t.x, t.y, QString::fromStdString(t.text));
    for (const CardItem& c : view_.cards)
        drawCard(painter, QPoint(c.x, c.y), c.face);
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), TableGrey);
    if (game_.ResultsShown == 1) paintResults(painter);
    if (game_.TableShown == 1) paintTable(painter);
}

int runGame(CardLibrary& cards, const QStringList& libraryCandidates,
            const std::function<void(const QString&)>& failureMessage) {
    if (!cards.load(libraryCandidates)) {
        failureMessage("Failed to load cards.dll");
        return 0;
    }
    int status;
    {
        MainWindow window(cards);
        window.show();
        status = QApplication::exec();
    }
    cards.unload();
    return status == 0 ? 0 : status;
}

}  // namespace kov::ui
