// Renders each phase of the game to PNG files with a fixed seed, for the README and for looking
// at the game without a display: settings, a table with cards placed and one raised, a table in
// progress with a card being dragged, and the results under each scoring option.
//
//   kovarin32-screenshots OUTPUT_FOLDER    (the folder is made when missing)

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

#include "game/table_clicks.h"
#include "ui/main_window.h"
#include "ui/table_view.h"

namespace {

using kov::ui::MainWindow;
using kov::ui::Panel;

template <typename Control>
void press(Panel<Control>* panel, Control id) {
    QTest::mouseClick(panel->button(id), Qt::LeftButton);
}
void clickCell(MainWindow& w, int row, int column) {
    QTest::mouseClick(&w, Qt::LeftButton, {}, kov::ui::cardRect(row, column).center());
}

// Moves the player's cards to the table as the computer would have arranged them, into the
// first `count` cells; cards already in place stay.
void place(MainWindow& w, int count) {
    std::vector<kov::CardIndex> cards = kov::tableOrder(w.state().Arrangements[0]);
    cards.resize(static_cast<std::size_t>(count));
    kov::placeByClicks(w.state(), cards, [&](int row, int column) { clickCell(w, row, column); });
}

void save(MainWindow& w, const QDir& dir, const char* name) {
    QApplication::processEvents();
    w.grab().save(dir.filePath(name));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n",
                     argc > 0 ? argv[0] : "kovarin32-screenshots");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    kov::ui::CardLibrary cards;
    if (!cards.load()) return 1;
    using S = kov::ui::SettingsControl;
    for (kov::ScoringOption option : {kov::ScoringOption::Chi, kov::ScoringOption::Set}) {
        const bool chi = option == kov::ScoringOption::Chi;
        MainWindow w(cards);
        w.showMessage = [](const QString&) {};
        w.askQuestion = [](const QString&) { return true; };
        w.setInputGuard(0);  // the presses follow each other at once
        w.random().seedRandom(2026);
        w.show();
        press(w.settingsDialog(), S::TwoOpponents);
        if (!chi) press(w.settingsDialog(), S::SetOption);
        for (int i = 0; i < 2; ++i)
            press(w.settingsDialog(), S::AddTwentyPoints);
        if (chi) save(w, out, "settings.png");
        press(w.settingsDialog(), S::StartGame);
        if (chi) {
            // A table in progress: ten cards placed, one of the others raised.
            place(w, 10);
            clickCell(w, kov::HandRow, 1);
            save(w, out, "table.png");
            clickCell(w, kov::HandRow, 1);
            // In progress: the front and the middle laid out and named, the keyboard cursor on
            // the hand row, and a card dragged towards the back.
            while (!w.tableHistory().empty())
                QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
            place(w, 8);
            QTest::keyClick(&w, Qt::Key_Right);
            QTest::keyClick(&w, Qt::Key_Right);
            const QPoint from = kov::ui::cardRect(kov::HandRow, 0).center();
            const QPoint to = kov::ui::cardRect(kov::ArrangementRow, 9).center() + QPoint(9, 14);
            QTest::mousePress(&w, Qt::LeftButton, {}, from);
            QTest::mouseMove(&w, (from + to) / 2);
            QTest::mouseMove(&w, to);
            save(w, out, "table-in-progress.png");
            QTest::mouseRelease(&w, Qt::LeftButton, {}, to);
        }
        place(w, 13);
        press(w.arrangementDialog(), kov::ui::ArrangementControl::Regular);
        save(w, out, chi ? "results-chi.png" : "results-set.png");
    }
    cards.unload();
    return 0;
}
