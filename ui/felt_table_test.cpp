// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The felt table: its layout at any size, the same moves as the classic table through its own
// hit-test, the settings' choices ticked, the classic table untouched by a visit to the felt, the
// card renderers (a tiny SVG deck made here, never the system's) and the felt window in the game
// window, remembered.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include "ui/card_renderer.h"
#include "ui/felt_layout.h"
#include "ui/felt_table_view.h"
#include "ui/game_window.h"
#include "ui/store.h"
#include "ui/ui_test_support.h"

namespace kov::ui {
namespace {

const QSize Sizes[] = {FeltMinimumSize, {1024, 768}, {1280, 1024}, {1920, 1080}, {2560, 1440}};

TEST(FeltLayout, EverythingFitsAndNothingOverlaps) {
    for (const QSize size : Sizes)
        for (int opponents = 1; opponents <= 3; ++opponents) {
            const FeltLayout l = layoutFelt(size, opponents);
            const QRectF all{QPointF(0, 0), QSizeF(size)};
            const std::string what = std::to_string(size.width()) + "x" +
                                     std::to_string(size.height()) + " " +
                                     std::to_string(opponents);
            ASSERT_EQ(l.seats.size(), static_cast<std::size_t>(opponents)) << what;
            for (std::size_t c = 0; c < l.cells.size(); ++c) {
                EXPECT_TRUE(all.contains(l.cells[c])) << what << " cell " << c;
                EXPECT_FALSE(l.cells[c].intersects(l.arrangementPanel)) << what << " cell " << c;
                EXPECT_FALSE(l.cells[c].intersects(l.info)) << what << " cell " << c;
                for (std::size_t d = c + 1; d < l.cells.size(); ++d)
                    EXPECT_FALSE(l.cells[c].intersects(l.cells[d])) << what << c << " " << d;
                for (const FeltSeat& s : l.seats)
                    for (const QRectF& card : s.cards)
                        EXPECT_FALSE(card.intersects(l.cells[c])) << what << " seat " << s.opponent;
            }
            for (const FeltSeat& s : l.seats)
                for (const QRectF& card : s.cards)
                    EXPECT_TRUE(all.contains(card)) << what;
            EXPECT_TRUE(all.contains(l.arrangementPanel)) << what;
            EXPECT_TRUE(all.contains(l.settingsPanel)) << what;
            EXPECT_GE(l.settingsScale, 1.0) << what;  // the settings at least at full size
            // Cards keep the table's proportions and grow with the window.
            EXPECT_NEAR(l.cardHeight / l.cardWidth, 4.0 / 3.0, 1e-9) << what;
            EXPECT_GE(l.cardWidth, 45) << what;
        }
    EXPECT_GT(layoutFelt({1920, 1080}, 3).cardWidth,
              1.8 * layoutFelt(FeltMinimumSize, 3).cardWidth);
}

TEST(FeltLayout, EachCellIsFoundWhereItIs) {
    const FeltLayout l = layoutFelt({1280, 1024}, 3);
    for (int c = 0; c < 26; ++c)
        EXPECT_EQ(feltCellAt(l, l.cells[static_cast<std::size_t>(c)].center()), c);
    EXPECT_EQ(feltCellAt(l, l.cells[3].topRight() + QPointF(l.cardWidth * 0.05, 5)), -1);
    EXPECT_EQ(feltCellAt(l, QPointF(2, 2)), -1);
}

// A MainWindow showing the felt table at 1100 x 800.
struct FeltGame {
    FeltGame() : renderer(testCardLibrary()) {
        window.setInputGuard(0);
        window.showMessage = [](const QString&) {};
        window.askQuestion = [](const QString&) { return true; };
        window.random().seedRandom(7);
        window.setFeltTable(&renderer);
        window.resize(1100, 800);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    QPoint centre(int cell) const { return window.feltTable()->cellRect(cell).center(); }
    int face(int cell) {
        return window.state()
            .TableGrid[static_cast<std::size_t>(cell / 13)][static_cast<std::size_t>(cell % 13)];
    }
    MainWindow window{testCardLibrary(), 2};
    BuiltinCardRenderer renderer;
};

TEST(FeltTable, ClicksDragsAndKeysMoveCardsAsOnTheClassicTable) {
    FeltGame game;
    ASSERT_GE(game.window.width(), 1100);
    startDealByPresses(game.window);
    MainWindow& w = game.window;
    // A click lifts a hand card, a click on an empty front cell puts it there.
    const int first = game.face(13);
    QTest::mouseClick(&w, Qt::LeftButton, {}, game.centre(13));
    EXPECT_EQ(w.state().SelectedCell, 13);
    QTest::mouseClick(&w, Qt::LeftButton, {}, game.centre(0));
    EXPECT_EQ(game.face(0), first);
    EXPECT_EQ(w.state().SelectedCell, -1);
    // A drag from the hand onto a middle cell.
    const int dragged = game.face(13);
    QTest::mousePress(&w, Qt::LeftButton, {}, game.centre(13));
    QTest::mouseMove(&w, (game.centre(13) + game.centre(4)) / 2);
    QTest::mouseMove(&w, game.centre(4));
    EXPECT_EQ(w.tableAids().dropCell, 4);
    QTest::mouseRelease(&w, Qt::LeftButton, {}, game.centre(4));
    EXPECT_EQ(game.face(4), dragged);
    // A drag let go off the cells goes back.
    const int back = game.face(13);
    QTest::mousePress(&w, Qt::LeftButton, {}, game.centre(13));
    QTest::mouseMove(&w, game.centre(13) + QPoint(0, -40));
    QTest::mouseRelease(&w, Qt::LeftButton, {}, QPoint(w.width() - 3, w.height() - 3));
    EXPECT_EQ(game.face(13), back);
    // Keys: 3 sends the card under the cursor to the back; Ctrl+Z takes it back.
    QTest::keyClick(&w, Qt::Key_Down);  // the cursor appears on the hand row
    const int cursor = w.tableAids().cursorCell;
    ASSERT_GE(cursor, 13);
    QTest::keyClick(&w, Qt::Key_3);
    EXPECT_NE(game.face(8), EmptyCell);
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(game.face(8), EmptyCell);
}

TEST(FeltTable, TheSettingsChoicesInForceAreTicked) {
    FeltGame game;
    SettingsPanel* s = game.window.settingsDialog();
    EXPECT_TRUE(s->button(SettingsControl::OneOpponent)->isChecked());
    EXPECT_TRUE(s->button(SettingsControl::NormalStrength)->isChecked());
    press(s, SettingsControl::ThreeOpponents);
    EXPECT_TRUE(s->button(SettingsControl::ThreeOpponents)->isChecked());
    EXPECT_FALSE(s->button(SettingsControl::OneOpponent)->isChecked());
    press(s, SettingsControl::ThreeOpponents);  // a second press leaves it ticked
    EXPECT_TRUE(s->button(SettingsControl::ThreeOpponents)->isChecked());
    press(s, SettingsControl::SetOption);
    EXPECT_TRUE(s->button(SettingsControl::SetOption)->isChecked());
    EXPECT_FALSE(s->button(SettingsControl::ChiOption)->isChecked());
    EXPECT_EQ(game.window.feltTable()->layout().seats.size(), 3u);
    game.window.setFeltTable(nullptr);
    EXPECT_FALSE(s->button(SettingsControl::ThreeOpponents)->isCheckable());
}

// The classic table looks the same after a visit to the felt table, at 100 % and 200 %.
TEST(FeltTable, TheClassicTableIsUntouchedByTheFelt) {
    for (const int zoom : {100, 200}) {
        MainWindow w(testCardLibrary(), 2);
        w.setInputGuard(0);
        w.random().seedRandom(3);
        w.setZoom(zoom);
        w.show();
        press(w.settingsDialog(), SettingsControl::OneOpponent);
        const QImage before = w.grab().toImage();
        BuiltinCardRenderer renderer(testCardLibrary());
        w.setFeltTable(&renderer);
        w.resize(1500, 1000);
        press(w.settingsDialog(), SettingsControl::TwoOpponents);
        press(w.settingsDialog(), SettingsControl::OneOpponent);
        w.setFeltTable(nullptr);
        EXPECT_EQ(w.size(), QSize(8, 6) * zoom);
        const QImage after = w.grab().toImage();
        if (!(after == before) && qEnvironmentVariableIsSet("KOVARIN_KEEP_IMAGES")) {
            before.save(QString("/tmp/felt-before-%1.png").arg(zoom));
            after.save(QString("/tmp/felt-after-%1.png").arg(zoom));
        }
        EXPECT_TRUE(after == before) << zoom;
    }
}

// A deck of 52 coloured rectangles and a back, in the KDE deck format.
QString makeDeck(const QDir& root, const QString& folder, bool complete) {
    QDir().mkpath(root.filePath(folder));
    QString svg = "<svg xmlns='http://www.w3.org/2000/svg' width='1400' height='100'>";
    for (int face = 0; face < (complete ? 52 : 51); ++face)
        svg += QString("<rect id='%1' x='%2' y='0' width='24' height='32' fill='#%3'/>")
                   .arg(svgElementOf(face))
                   .arg(face * 26)
                   .arg(face % 4 == 2 ? "ff0000" : "0000ff");
    svg += "<rect id='back' x='0' y='50' width='24' height='32' fill='#00ff00'/></svg>";
    QFile file(root.filePath(folder + "/deck.svg"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(svg.toUtf8());
    QFile index(root.filePath(folder + "/index.desktop"));
    EXPECT_TRUE(index.open(QIODevice::WriteOnly));
    index.write(
        QString("[KDE Backdeck]\nName=Tiny %1\nSVG=deck.svg\nBack=Tiny\n").arg(folder).toUtf8());
    return folder;
}

QStringList warnings;
void keepWarning(const QString& line) {
    warnings << line;
}

TEST(CardRenderer, AnSvgDeckIsReadDrawnAndCachedPerSize) {
    const QTemporaryDir dir;
    const QDir root(dir.path());
    makeDeck(root, "svg-tiny", true);
    makeDeck(root, "svg-broken", false);
    const std::vector<SvgDeck> decks = findSvgDecks(root.path());
    ASSERT_EQ(decks.size(), 2u);
    EXPECT_EQ(decks[1].name, "Tiny svg-tiny");
    warnings.clear();
    auto renderer = makeCardRenderer("svg-tiny", testCardLibrary(), decks, keepWarning);
    EXPECT_TRUE(warnings.isEmpty());
    EXPECT_EQ(renderer->key(), "svg-tiny");
    // The ace of hearts (face 2) is red, the ace of clubs blue, drawn at the size asked for.
    const QImage hearts = renderer->face(2, {60, 80}).toImage();
    EXPECT_EQ(hearts.size(), QSize(60, 80));
    EXPECT_EQ(hearts.pixelColor(30, 40), QColor(255, 0, 0));
    EXPECT_EQ(renderer->face(0, {60, 80}).toImage().pixelColor(30, 40), QColor(0, 0, 255));
    const int drawn = renderer->drawn();
    renderer->face(2, {60, 80});
    EXPECT_EQ(renderer->drawn(), drawn);  // from the cache
    EXPECT_EQ(renderer->face(2, {90, 120}).toImage().size(), QSize(90, 120));
    EXPECT_EQ(renderer->drawn(), drawn + 1);
    // Our backs differ, and are drawn by code.
    EXPECT_FALSE(renderer->back(CardBack::Blue, {60, 80}).toImage() ==
                 renderer->back(CardBack::Red, {60, 80}).toImage());
}

TEST(CardRenderer, AMissingOrBrokenDeckFallsBackToTheBuiltInCards) {
    const QTemporaryDir dir;
    const QDir root(dir.path());
    makeDeck(root, "svg-broken", false);
    const std::vector<SvgDeck> decks = findSvgDecks(root.path());
    for (const char* key : {"svg-broken", "svg-gone"}) {
        warnings.clear();
        auto renderer = makeCardRenderer(key, testCardLibrary(), decks, keepWarning);
        EXPECT_EQ(renderer->key(), "builtin") << key;
        EXPECT_EQ(warnings.size(), 1) << key;
        EXPECT_FALSE(renderer->face(51, {60, 80}).isNull());
    }
}

// The game window: a new player gets the felt table, which resizes; the classic table, chosen in
// the View menu, is remembered with the window's size; --classic changes nothing kept.
TEST(FeltWindow, ANewPlayerGetsTheFeltTableAndTheChoiceIsRemembered) {
    const QTemporaryDir dir;
    const auto store = [&] { return Store(dir.path() + "/config", dir.path() + "/data"); };
    {
        GameWindow window(testCardLibrary(), store(), 2, TableStart::AsStored, dir.path());
        window.show();
        EXPECT_FALSE(window.classicTable());
        EXPECT_FALSE(window.action("zoom200")->isEnabled());
        EXPECT_TRUE(window.action("fullScreen")->isEnabled());
        window.resize(1111, 777);
        EXPECT_EQ(window.size(), QSize(1111, 777));
        EXPECT_GE(window.table().width(), FeltMinimumSize.width());
        window.close();
    }
    {
        GameWindow window(testCardLibrary(), store(), 2, TableStart::AsStored, dir.path());
        EXPECT_EQ(window.currentOptions().windowWidth, 1111);
        EXPECT_EQ(window.size(), QSize(1111, 777));
        window.action("classicTable")->trigger();
        EXPECT_TRUE(window.classicTable());
        EXPECT_EQ(window.table().size(), QSize(800, 600));
        EXPECT_TRUE(window.action("zoom200")->isEnabled());
    }
    {
        GameWindow window(testCardLibrary(), store(), 2, TableStart::AsStored, dir.path());
        EXPECT_TRUE(window.classicTable());
        window.action("classicTable")->trigger();  // back to the felt
        EXPECT_FALSE(window.classicTable());
    }
    {
        GameWindow window(testCardLibrary(), store(), 2, TableStart::Classic, dir.path());
        EXPECT_TRUE(window.classicTable());
        EXPECT_FALSE(window.currentOptions().classicTable);  // for this run only
        window.table().setInputGuard(0);
        window.show();
        press(window.table().settingsDialog(), SettingsControl::TwoUnits);  // a save
    }
    {
        GameWindow window(testCardLibrary(), store(), 2, TableStart::AsStored, dir.path());
        window.show();
        window.resize(1234, 820);
        QTest::qWait(900);  // the size is kept once it stops changing; the window is never closed
    }
    GameWindow window(testCardLibrary(), store(), 2, TableStart::AsStored, dir.path());
    EXPECT_FALSE(window.classicTable());
    EXPECT_EQ(window.size(), QSize(1234, 820));
}

TEST(FeltWindow, TheDeckAndTheBackAreRemembered) {
    const QTemporaryDir dir;
    const QDir root(dir.path());
    makeDeck(root, "svg-tiny", true);
    const auto store = [&] { return Store(dir.path() + "/config", dir.path() + "/data"); };
    {
        GameWindow window(testCardLibrary(), store(), 2, TableStart::AsStored, root.path());
        ASSERT_NE(window.action("deck-svg-tiny"), nullptr);
        window.action("deck-svg-tiny")->trigger();
        window.action("back-red")->trigger();
        EXPECT_EQ(window.table().feltTable()->renderer().key(), "svg-tiny");
    }
    GameWindow window(testCardLibrary(), store(), 2, TableStart::AsStored, root.path());
    EXPECT_EQ(window.cardRenderer().key(), "svg-tiny");
    EXPECT_EQ(window.table().feltTable()->back(), CardBack::Red);
    EXPECT_TRUE(window.action("back-red")->isChecked());
    EXPECT_TRUE(window.action("deck-svg-tiny")->isChecked());
}

}  // namespace
}  // namespace kov::ui
