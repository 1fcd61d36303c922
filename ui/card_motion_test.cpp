// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The felt table's motion on a clock the tests drive: every card reaches its place, input during
// a motion finishes it and is applied once, the showdown steps row by row and skips, off means
// at once; the sounds asked for, recorded; the choices kept.

#include "ui/card_motion.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "ui/felt_table_view.h"
#include "ui/game_window.h"
#include "ui/ui_test_support.h"

namespace kov::ui {
namespace {

TEST(CardMotion, ACardGoesItsWayAndLeavesWhenSweptAway) {
    ManualClock clock;
    CardMotion motion(clock);
    const CardPose a{QRectF(0, 0, 10, 10), false, 1}, b{QRectF(100, 50, 10, 10), true, 2};
    motion.send(7, a, b, 200, 100);
    EXPECT_EQ(motion.pose(7), a);  // waits for its delay
    clock.advance(200);            // half way
    const CardPose half = motion.pose(7);
    EXPECT_GT(half.rect.left(), 0);
    EXPECT_LT(half.rect.left(), 100);
    EXPECT_GT(half.depth, 2);  // above the cards lying still
    clock.advance(100);
    EXPECT_EQ(motion.pose(7), b);
    EXPECT_FALSE(motion.moving());
    // Sent on and swept away: gone once there.
    motion.then(7, a, 100, 50, true);
    EXPECT_TRUE(motion.moving());
    clock.advance(200);
    EXPECT_FALSE(motion.contains(7));
    // Off: at its place at once.
    motion.setSpeed(MotionSpeed::Off);
    motion.send(8, a, b, 200, 100);
    EXPECT_EQ(motion.pose(8), b);
    EXPECT_FALSE(motion.moving());
}

struct RecordedSounds : SoundPlayer {
    std::vector<Sound> played;
    void play(Sound s) override { played.push_back(s); }
    int count(Sound s) const {
        return static_cast<int>(std::count(played.begin(), played.end(), s));
    }
};

// The felt table at normal speed on a clock of the test's.
struct MovingFelt {
    MovingFelt() : renderer(testCardLibrary()) {
        window.setInputGuard(0);
        window.showMessage = [](const QString&) {};
        window.askQuestion = [](const QString&) { return true; };
        window.random().seedRandom(11);
        window.setFeltTable(&renderer);
        felt().setClock(clock);
        felt().setSpeed(MotionSpeed::Normal);
        felt().setSounds(&sounds);
        window.resize(1100, 800);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    FeltTableView& felt() { return *window.feltTable(); }
    int face(int cell) {
        return window.state()
            .TableGrid[static_cast<std::size_t>(cell / 13)][static_cast<std::size_t>(cell % 13)];
    }
    QPoint centre(int cell) { return felt().cellRect(cell).center(); }
    // Every card lies at its place: the player's in their cells, the seats' in their fans.
    bool everyCardInPlace() {
        const CardMotion& m = felt().motion();
        for (int cell = 0; cell < 26; ++cell)
            if (face(cell) != EmptyCell &&
                m.pose(face(cell)).rect != felt().layout().cells[static_cast<std::size_t>(cell)] &&
                window.state().SelectedCell != cell)
                return false;
        for (const FeltSeat& seat : felt().layout().seats)
            for (int k = 0; k < 13; ++k)
                if (m.pose(FeltTableView::seatCardKey(seat.opponent, k)).rect !=
                    seat.cards[static_cast<std::size_t>(k)])
                    return false;
        return true;
    }
    // Advances the clock frame by frame until nothing moves; the frames it took.
    int runToRest(int limit = 400) {
        int frames = 0;
        while (felt().motion().moving() && frames < limit) {
            clock.advance(16);
            ++frames;
        }
        return frames;
    }
    ManualClock clock;
    RecordedSounds sounds;
    MainWindow window{testCardLibrary(), 2};
    BuiltinCardRenderer renderer;
};

// Commits what the suggestion lays out, or claims the special it points at.
void commitSuggestion(MainWindow& w) {
    QTest::keyClick(&w, Qt::Key_H);
    if (w.state().HandCount == 0) {
        press(w.arrangementDialog(), ArrangementControl::Regular);
        return;
    }
    for (const ArrangementControl c :
         {ArrangementControl::SixPairs, ArrangementControl::FivePairsTriple,
          ArrangementControl::ThirteenStraight, ArrangementControl::ThirteenStraightFlush})
        if (w.pointedClaimButton() == w.arrangementDialog()->control(c))
            press(w.arrangementDialog(), c);
}

TEST(FeltMotion, TheDealSendsEveryCardToItsPlaceAndSweepsAnAbsentSeatAway) {
    MovingFelt t;
    press(t.window.settingsDialog(), SettingsControl::TwoOpponents);
    startDealByPresses(t.window);
    EXPECT_EQ(t.sounds.count(Sound::Deal), 1);
    EXPECT_TRUE(t.felt().motion().moving());
    EXPECT_FALSE(t.everyCardInPlace());        // on the deck
    EXPECT_EQ(t.felt().motion().size(), 52u);  // the absent seat's row is dealt too
    t.clock.advance(750);                      // half the deal: some out, some still on the deck
    int arrived = 0;
    for (int cell = 13; cell < 26; ++cell)
        arrived += t.felt().motion().pose(t.face(cell)).rect ==
                   t.felt().layout().cells[static_cast<std::size_t>(cell)];
    EXPECT_GT(arrived, 0);
    const int frames = t.runToRest();
    EXPECT_GT(frames, 60);   // about 1.5 s at 60 frames a second ...
    EXPECT_LT(frames, 200);  // ... and then still
    EXPECT_TRUE(t.everyCardInPlace());
    EXPECT_EQ(t.felt().motion().size(), 39u);  // the absent row swept off the table
    for (int cell = 13; cell < 26; ++cell)
        EXPECT_TRUE(t.felt().motion().pose(t.face(cell)).faceUp);
}

TEST(FeltMotion, InputDuringAMotionFinishesItAndIsAppliedOnce) {
    MovingFelt t;
    startDealByPresses(t.window);
    // A click during the deal: the deal ends at once, the click lifts the card under it.
    t.clock.advance(300);
    QTest::mouseClick(&t.window, Qt::LeftButton, {}, t.centre(13));
    EXPECT_FALSE(t.felt().motion().moving());
    EXPECT_EQ(t.window.state().SelectedCell, 13);
    // The card slides to the front cell it is put in.
    const int card = t.face(13);
    QTest::mouseClick(&t.window, Qt::LeftButton, {}, t.centre(0));
    EXPECT_EQ(t.face(0), card);
    EXPECT_TRUE(t.felt().motion().moving());
    t.clock.advance(60);
    EXPECT_NE(t.felt().motion().pose(card).rect,
              t.felt().layout().cells[static_cast<std::size_t>(0)]);
    // Ctrl+Z on its way: the slide ends, the undo is applied once, and the card slides back.
    QTest::keyClick(&t.window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.face(0), EmptyCell);
    EXPECT_EQ(t.face(13), card);
    EXPECT_TRUE(t.window.tableHistory().empty());
    t.runToRest();
    EXPECT_TRUE(t.everyCardInPlace());
    EXPECT_GE(t.sounds.count(Sound::Place), 2);
}

TEST(FeltMotion, TheSuggestionSlidesItsCardsOneAfterAnother) {
    MovingFelt t;
    startDealByPresses(t.window);
    t.runToRest();
    QTest::keyClick(&t.window, Qt::Key_H);
    if (t.window.state().HandCount != 0) GTEST_SKIP() << "a special the suggestion only names";
    t.clock.advance(200);  // the first slides are done, the last have not begun
    int placed = 0;
    for (int cell = 0; cell < 13; ++cell)
        placed += t.felt().motion().pose(t.face(cell)).rect ==
                  t.felt().layout().cells[static_cast<std::size_t>(cell)];
    EXPECT_GT(placed, 0);
    EXPECT_LT(placed, 13);
    t.runToRest();
    EXPECT_TRUE(t.everyCardInPlace());
}

TEST(FeltMotion, TheShowdownTurnsTheRowsUpOneAfterAnotherAndSkips) {
    for (const bool skip : {false, true}) {
        MovingFelt t;
        press(t.window.settingsDialog(), SettingsControl::ThreeOpponents);
        startDealByPresses(t.window);
        commitSuggestion(t.window);
        ASSERT_EQ(t.window.state().phase(), Phase::Results);
        const Showdown& s = t.felt().showdown();
        EXPECT_TRUE(s.running());
        EXPECT_EQ(s.step(), ShowdownStep::Seats);
        QWidget* balance = t.window.resultsDialog()->control(ResultsControl::Balance);
        EXPECT_FALSE(balance->isVisible());  // the change of the balance comes last
        if (skip) {
            t.clock.advance(Showdown::LeadMs + 10);
            EXPECT_EQ(s.step(), ShowdownStep::Fronts);
            QTest::mouseClick(&t.window, Qt::LeftButton, {}, QPoint(5, 5));
            EXPECT_EQ(s.step(), ShowdownStep::Totals);
            EXPECT_EQ(t.window.state().phase(), Phase::Results);
            continue;
        }
        std::vector<ShowdownStep> seen{s.step()};
        for (int frame = 0; frame < 300 && s.running(); ++frame) {
            t.clock.advance(16);
            if (s.step() != seen.back()) seen.push_back(s.step());
        }
        using enum ShowdownStep;
        EXPECT_EQ(seen, (std::vector<ShowdownStep>{Seats, Fronts, Middles, Backs, Totals}));
        EXPECT_TRUE(balance->isVisible());
        EXPECT_EQ(t.sounds.count(Sound::TurnUp) + t.sounds.count(Sound::Special), 3);
        const int gain = t.window.resultsView().gain;
        EXPECT_EQ(t.sounds.count(Sound::Win), gain > 0 ? 1 : 0);
        EXPECT_EQ(t.sounds.count(Sound::Lose), gain < 0 ? 1 : 0);
    }
}

TEST(FeltMotion, OkFirstFinishesTheShowdownAndOffMeansAtOnce) {
    MovingFelt t;
    startDealByPresses(t.window);
    t.clock.advance(100);
    commitSuggestion(t.window);
    ASSERT_EQ(t.window.state().phase(), Phase::Results);
    EXPECT_TRUE(t.felt().showdown().running());
    press(t.window.resultsDialog(), ResultsControl::Ok);
    EXPECT_EQ(t.felt().showdown().step(), ShowdownStep::Totals);
    EXPECT_EQ(t.window.state().phase(), Phase::Results);  // not yet taken
    press(t.window.resultsDialog(), ResultsControl::Ok);
    EXPECT_EQ(t.window.state().phase(), Phase::Settings);
    // Off: the deal and the showdown at once.
    t.felt().setSpeed(MotionSpeed::Off);
    startDealByPresses(t.window);
    EXPECT_FALSE(t.felt().motion().moving());
    EXPECT_TRUE(t.everyCardInPlace());
    commitSuggestion(t.window);
    EXPECT_FALSE(t.felt().showdown().running());
    EXPECT_EQ(t.felt().showdown().step(), ShowdownStep::Totals);
}

TEST(FeltMotion, TheAnimationAndTheSoundAreChosenInTheViewMenuAndKept) {
    const QTemporaryDir dir;
    const auto store = [&] { return Store(dir.path() + "/config", dir.path() + "/data"); };
    {
        GameWindow window(testCardLibrary(), store(), 2, TableStart::AsStored, dir.path());
        EXPECT_EQ(window.animation(), MotionSpeed::Normal);                // a new player's
        EXPECT_EQ(window.table().feltTable()->speed(), MotionSpeed::Off);  // this run's
        window.action("animation1")->trigger();
        window.action("sound")->trigger();
        EXPECT_EQ(window.table().feltTable()->speed(), MotionSpeed::Fast);
    }
    GameWindow window(testCardLibrary(), store(), 2, TableStart::AsStored, dir.path());
    EXPECT_EQ(window.animation(), MotionSpeed::Fast);
    EXPECT_FALSE(window.sound());
    EXPECT_TRUE(window.action("animation1")->isChecked());
    EXPECT_FALSE(window.action("sound")->isChecked());
}

}  // namespace
}  // namespace kov::ui
