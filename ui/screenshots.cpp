// Renders each phase of the game to PNG files with a fixed seed, for the README and for looking
// at the game without a display: settings, a table with cards placed and one raised, and the
// results under each scoring option.
//
//   kovarin32-screenshots OUTPUT_FOLDER

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTest>

#include "cards/card_text.h"
#include "ui/main_window.h"

namespace {

using kov::ui::DialogPanel;
using kov::ui::MainWindow;

void press(DialogPanel* panel, int id) {
    QTest::mouseClick(panel->button(id), Qt::LeftButton);
}
void clickCell(MainWindow& w, int row, int column) {
    QTest::mouseClick(&w, Qt::LeftButton, {}, MainWindow::cardRect(row, column).center());
}

// Moves the player's cards to the table as the computer would have arranged them, into the
// first `count` cells; cards already in place stay.
void place(MainWindow& w, int count) {
    kov::GameState& g = w.state();
    const kov::Arrangement& a = g.seatArrangements[0];
    std::vector<kov::CardIndex> order;
    for (const kov::CardSet* hand : {&a.front.cards, &a.middle.cards, &a.back.cards})
        for (kov::CardIndex c : kov::cardsOf(*hand))
            order.push_back(c);
    for (int cell = 0; cell < count; ++cell) {
        const int face = kov::toFaceNumber(order[static_cast<std::size_t>(cell)]);
        if (g.TableGrid[kov::ArrangementRow][static_cast<std::size_t>(cell)] == face) continue;
        for (int i = 0; i < 13; ++i)
            if (g.TableGrid[kov::HandRow][static_cast<std::size_t>(i)] == face) {
                clickCell(w, kov::HandRow, i);
                clickCell(w, kov::ArrangementRow, cell);
                break;
            }
    }
}

void save(MainWindow& w, const QDir& dir, const char* name) {
    QApplication::processEvents();
    w.grab().save(dir.filePath(name));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? argv[1] : ".");
    QDir().mkpath(out.path());
    kov::ui::CardLibrary cards;
    if (!cards.load()) return 1;
    for (int option : {0, 1}) {
        MainWindow w(cards);
        w.showMessage = [](const QString&) {};
        w.random().seedRandom(2026);
        w.show();
        press(w.settingsDialog(), 1005);
        if (option == 1) press(w.settingsDialog(), 1018);
        for (int i = 0; i < 2; ++i)
            press(w.settingsDialog(), 1013);
        if (option == 0) save(w, out, "settings.png");
        press(w.settingsDialog(), 1014);
        if (option == 0) {
            // A table in progress: ten cards placed, one of the others raised.
            place(w, 10);
            clickCell(w, kov::HandRow, 1);
            save(w, out, "table.png");
            clickCell(w, kov::HandRow, 1);
        }
        place(w, 13);
        press(w.arrangementDialog(), 1009);
        save(w, out, option == 0 ? "results-chi.png" : "results-set.png");
    }
    cards.unload();
    return 0;
}
