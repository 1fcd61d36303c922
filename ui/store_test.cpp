// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The store on folders of a temporary directory: what is written reads back; a damaged value
// falls back alone, an unreadable or foreign file gives the defaults, each with one complaint, a
// copy of the file as it was and a sentence for the player, never a crash.

#include "ui/store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <numeric>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include "cards/test_soak.h"
#include "game/computer_seats.h"

namespace kov::ui {
namespace {

struct Folders {
    QTemporaryDir dir;
    QStringList complaints;
    QString config() const { return dir.path() + "/config/kovarin32"; }
    QString data() const { return dir.path() + "/data/kovarin32"; }
    Store store() {
        Store s(config(), data());
        s.warn = [this](const QString& line) { complaints.push_back(line); };
        return s;
    }
};

Statistics threeDeals() {
    Statistics s;
    s.record(ScoringOption::Chi, 6, 46);
    s.record(ScoringOption::Chi, -14, 32);
    s.record(ScoringOption::Set, 0, 32);
    return s;
}

ino_t inode(const QString& path) {
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
    return st.st_ino;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

std::string fileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().left(400).toStdString() : "(none)";
}

TEST(Store, NothingStoredGivesNothingAndNoComplaint) {
    Folders f;
    Store store = f.store();
    const Store::Loaded loaded = store.load();
    EXPECT_FALSE(loaded.options.has_value());
    EXPECT_EQ(loaded.statistics, Statistics{});
    EXPECT_TRUE(f.complaints.isEmpty());
}

TEST(Store, RoundTrip) {
    Folders f;
    const GameOptions options{3,   2,   ScoringOption::Set, HandOrder::ByCardNumber,
                              -17, 150, Strength::Hard};
    {
        Store store = f.store();
        store.load();
        store.saveOptions(options);
        store.saveStatistics(threeDeals());
    }
    Store again = f.store();
    const Store::Loaded loaded = again.load();
    ASSERT_TRUE(loaded.options.has_value());
    EXPECT_EQ(*loaded.options, options);
    EXPECT_EQ(loaded.statistics, threeDeals());
    EXPECT_TRUE(f.complaints.isEmpty()) << f.complaints.join("\n").toStdString();
    EXPECT_TRUE(QFile::exists(f.config() + "/kovarin32.conf"));
    EXPECT_TRUE(QFile::exists(f.data() + "/balance-history"));
}

// Each level is written and read back as itself.
TEST(Store, EveryComputerLevelRoundTrips) {
    for (Strength level : AllStrengths) {
        Folders f;
        GameOptions options;
        options.strength = level;
        f.store().saveOptions(options);
        const Store::Loaded loaded = f.store().load();
        ASSERT_TRUE(loaded.options.has_value());
        EXPECT_EQ(loaded.options->strength, level);
        EXPECT_TRUE(f.complaints.isEmpty());
    }
}

// Random bytes in both files, many times over: the defaults (but for what is sound), exactly one
// line per file and a copy of each.
TEST(Store, GarbageGivesDefaultsAndOneLineEach) {
    QRandomGenerator random(14);
    for (int round = 0; round < 16; ++round) {
        Folders f;
        QByteArray bytes(static_cast<qsizetype>(random.bounded(1, 3000)), '\0');
        for (char& c : bytes)
            c = static_cast<char>(random.bounded(256));
        if (round % 4 == 1) bytes.prepend("version=1\n[options]\nopponents=2\n");
        writeBytes(f.config() + "/kovarin32.conf", bytes);
        writeBytes(f.data() + "/balance-history", bytes);
        Store store = f.store();
        const Store::Loaded loaded = store.load();
        // Only the opponents of the file that begins as ours are sound.
        EXPECT_EQ(loaded.options.has_value(), round % 4 == 1) << round;
        if (loaded.options) {
            EXPECT_EQ(loaded.options->opponents, 2) << round;
        }
        EXPECT_EQ(loaded.statistics, Statistics{}) << round;
        EXPECT_EQ(f.complaints.size(), 2) << round << f.complaints.join("\n").toStdString();
        EXPECT_TRUE(QFile::exists(f.config() + "/kovarin32.conf.damaged")) << round;
        EXPECT_TRUE(QFile::exists(f.data() + "/balance-history.damaged")) << round;
        // The next change writes sound files again.
        store.saveOptions(GameOptions{});
        store.saveStatistics(threeDeals());
        f.complaints.clear();
        const Store::Loaded repaired = f.store().load();
        EXPECT_EQ(repaired.statistics, threeDeals()) << round;
        EXPECT_TRUE(f.complaints.isEmpty()) << round;
    }
}

// A sound settings file, and damaged copies of it: each value that cannot be (out of range,
// given twice, cut off) falls back alone and is named, the rest stand; a file that is no settings
// file of ours (binary, empty, huge, another version) gives the defaults. Either way the file as it
// was is copied beside it, byte for byte, and the player is told once, with one line on stderr.
QByteArray soundSettings() {
    return "version=1\n[options]\nopponents=2\nstake=2\nscoring=set\nhandOrder=number\n"
           "points=123\nzoom=150\nstrength=hard\nanimation=fast\nsound=off\n[statistics]\n"
           "bought=40\nchi\\played=3\n"
           "chi\\won=1\nchi\\lost=1\nchi\\tied=1\nchi\\pointsWon=6\nchi\\pointsLost=14\n"
           "chi\\best=6\nchi\\worst=-14\n";
}
QByteArray replaced(const char* line, const char* with) {
    return soundSettings().replace(line, with);
}

TEST(Store, ImpossibleValuesGiveDefaults) {
    const GameOptions soundOptions = [] {
        GameOptions o{2, 2, ScoringOption::Set, HandOrder::ByCardNumber, 123, 150, Strength::Hard};
        o.animation = MotionSpeed::Fast;
        o.sound = false;
        return o;
    }();
    Statistics soundStatistics;
    soundStatistics.byOption[0] = {3, 1, 1, 1, 6, 14, 6, -14};
    soundStatistics.pointsBought = 40;
    QByteArray binary(3000, '\0');
    QRandomGenerator random(7);
    for (char& c : binary)
        c = static_cast<char>(random.bounded(256));
    struct Case {
        QByteArray bytes;
        const char* named;  // in the message; "" when the whole file is lost
        std::function<void(GameOptions&, Statistics&)> lose;
    };
    const auto none = [](GameOptions&, Statistics&) {};
    const auto chi = [](GameOptions&, Statistics& s) { s.byOption[0] = {}; };
    const Case cases[] = {
        {replaced("opponents=2", "opponents=7"), "the number of opponents",
         [](GameOptions& o, Statistics&) { o.opponents = 1; }},
        {replaced("opponents=2", "opponents=4"), "the number of opponents",
         [](GameOptions& o, Statistics&) { o.opponents = 1; }},
        {replaced("stake=2", "stake=0"), "the stake",
         [](GameOptions& o, Statistics&) { o.stake = 1; }},
        {replaced("scoring=set", "scoring=both"), "the scoring option",
         [](GameOptions& o, Statistics&) { o.scoring = ScoringOption::Chi; }},
        {replaced("handOrder=number", "handOrder="), "the hand order",
         [](GameOptions& o, Statistics&) { o.handOrder = HandOrder::BySuit; }},
        {replaced("points=123", "points=-5000"), "the balance",
         [](GameOptions& o, Statistics&) { o.points = 0; }},
        {replaced("points=123", "points=99999999999"), "the balance",
         [](GameOptions& o, Statistics&) { o.points = 0; }},
        {replaced("zoom=150", "zoom=125"), "the zoom",
         [](GameOptions& o, Statistics&) { o.zoom = 100; }},
        {replaced("strength=hard", "strength=strong"), "the computer's level",
         [](GameOptions& o, Statistics&) { o.strength = Strength::Normal; }},
        {replaced("animation=fast", "animation=warp"), "the animation",
         [](GameOptions& o, Statistics&) { o.animation = MotionSpeed::Normal; }},
        {replaced("sound=off", "sound=loud"), "the sound",
         [](GameOptions& o, Statistics&) { o.sound = true; }},
        {replaced("chi\\won=1", "chi\\won=2"), "the statistics of the chi option", chi},
        {replaced("chi\\best=6", "chi\\best=500"), "the statistics of the chi option", chi},
        {replaced("bought=40", "bought=-3"), "the points bought",
         [](GameOptions&, Statistics& s) { s.pointsBought = 0; }},
        {replaced("stake=2\n", "stake=2\nopponents=3\n"), "the number of opponents",
         [](GameOptions& o, Statistics&) { o.opponents = 1; }},
        {replaced("chi\\lost=1\n", "chi\\lost=1\nchi\\lost=1\n"),
         "the statistics of the chi option", chi},
        {soundSettings().left(soundSettings().indexOf("handOrder") + 4), "the hand order",
         [](GameOptions& o, Statistics& s) {
             o = {2, 2, ScoringOption::Set, HandOrder::BySuit, 0};
             s = {};
         }},
        {replaced("zoom=150\n", "zoom=150\nzoom 150\n"), "lines the game could not read: 1", none},
        {replaced("version=1", "version=2"), "", nullptr},
        {binary, "", nullptr},
        {"", "", nullptr},
        {soundSettings() + QByteArray(2 << 20, ';'), "", nullptr},
    };
    for (const Case& c : cases) {
        Folders f;
        const QString path = f.config() + "/kovarin32.conf";
        writeBytes(path, c.bytes);
        const Store::Loaded loaded = f.store().load();
        const std::string what = c.bytes.left(200).toStdString();
        GameOptions options = soundOptions;
        Statistics statistics = soundStatistics;
        if (c.lose) {
            c.lose(options, statistics);
            EXPECT_EQ(loaded.options, options) << what;
            EXPECT_EQ(loaded.statistics, statistics) << what;
            EXPECT_TRUE(loaded.damage.contains(c.named)) << what << loaded.damage.toStdString();
        } else {
            EXPECT_FALSE(loaded.options.has_value()) << what;
            EXPECT_EQ(loaded.statistics, Statistics{}) << what;
            EXPECT_TRUE(loaded.damage.contains("could not be read")) << what;
        }
        EXPECT_TRUE(loaded.damage.contains(path + ".damaged")) << what;
        EXPECT_EQ(f.complaints.size(), 1) << what << f.complaints.join("\n").toStdString();
        QFile copy(path + ".damaged");
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << what;
        EXPECT_TRUE(copy.readAll() == c.bytes) << what;
    }
    // The sound file itself loses nothing and leaves no copy.
    Folders f;
    writeBytes(f.config() + "/kovarin32.conf", soundSettings());
    const Store::Loaded loaded = f.store().load();
    EXPECT_EQ(loaded.options, soundOptions);
    EXPECT_TRUE(loaded.damage.isEmpty());
    EXPECT_FALSE(QFile::exists(f.config() + "/kovarin32.conf.damaged"));
}

// A history that cannot be read starts afresh, its copy beside it; the settings stand.
TEST(Store, ADamagedHistoryIsCopiedAndStartsAfresh) {
    const char* histories[] = {
        "kovarin32 balance history 3\ndeals 3\n46 6\n32 -14\n32\n",
        "kovarin32 balance history 3\ndeals 3\n46 6\n32 -14\n32 900\n",
        "kovarin32 balance history 2\ndeals 3\n46\n-5000\n32\n",
        "kovarin32 balance history 9\n",
        "kovarin32 balance history 1\n12\n-3\nx\n",
    };
    for (const char* history : histories) {
        Folders f;
        f.store().saveDeal(GameOptions{}, threeDeals());
        writeBytes(f.data() + "/balance-history", history);
        const Store::Loaded loaded = f.store().load();
        EXPECT_TRUE(loaded.statistics.balances.empty()) << history;
        EXPECT_EQ(loaded.statistics.total(), threeDeals().total()) << history;
        EXPECT_TRUE(loaded.damage.contains("balance chart")) << history;
        EXPECT_EQ(fileText(f.data() + "/balance-history.damaged"), history);
    }
}

// The deal in progress comes back whole; one that cannot be read is copied beside it and told
// once; one the statistics already count (settled just before the game stopped) is gone.
TEST(Store, TheDealInProgress) {
    GameState g;
    g.DealChoiceThreshold = DefaultDealChoiceThreshold;
    Evaluator evaluator(ListCapacity, 1);
    Strategy normal(strategyOf(Strength::Normal));
    startDealNumber(g, 5, evaluator, normal);
    const SavedDeal deal = savedDealOf(g, TableHistory(), 5, false, Strength::Normal, 3);
    Folders f;
    f.store().saveDeal(GameOptions{}, threeDeals());
    f.store().saveDealInProgress(deal);
    EXPECT_EQ(f.store().load().deal, deal);
    const std::string text = savedDealText(deal);
    for (const QByteArray& damaged :
         {QByteArray(), QByteArray(text.data(), 200), QByteArray("\x7f\x45\x4c\x46\x02\x01", 6),
          QByteArray::fromStdString(text).replace("opponents=1", "opponents=7")}) {
        writeBytes(f.data() + "/deal-in-progress", damaged);
        f.complaints.clear();
        const Store::Loaded loaded = f.store().load();
        EXPECT_FALSE(loaded.deal.has_value());
        EXPECT_EQ(f.complaints.size(), 1);
        EXPECT_TRUE(loaded.damage.contains("deal-in-progress.damaged"))
            << loaded.damage.toStdString();
        EXPECT_EQ(fileText(f.data() + "/deal-in-progress.damaged"),
                  damaged.left(400).toStdString());
        EXPECT_TRUE(f.store().load().damage.isEmpty());  // told once
    }
    Statistics four = threeDeals();
    f.store().saveDealInProgress(deal);
    four.record(ScoringOption::Chi, 2, 34);
    f.store().saveDeal(GameOptions{}, four);
    f.complaints.clear();
    EXPECT_FALSE(f.store().load().deal.has_value());
    EXPECT_TRUE(f.complaints.isEmpty());
    EXPECT_FALSE(QFile::exists(f.data() + "/deal-in-progress"));
}

// Points kept alongside a bad number of opponents: the game starts with them, and after the next
// save the file is sound again, the damaged one beside it as it was.
TEST(Store, ASoundBalanceOutlivesABadOption) {
    Folders f;
    const QByteArray damaged =
        "version=1\n[options]\nopponents=7\nstake=1\nscoring=chi\n"
        "handOrder=suit\npoints=123\n";
    writeBytes(f.config() + "/kovarin32.conf", damaged);
    Store store = f.store();
    const Store::Loaded loaded = store.load();
    ASSERT_TRUE(loaded.options.has_value());
    EXPECT_EQ(loaded.options->points, 123);
    store.saveOptions(*loaded.options);
    f.complaints.clear();
    const Store::Loaded again = f.store().load();
    EXPECT_EQ(again.options, loaded.options);
    EXPECT_TRUE(again.damage.isEmpty());
    EXPECT_EQ(fileText(f.config() + "/kovarin32.conf.damaged"), damaged.toStdString());
}

// Options written before the zoom and the computer's level were kept load at 100 % and normal.
TEST(Store, OptionsWithoutAZoomLoadAtOneHundredPerCent) {
    Folders f;
    writeBytes(f.config() + "/kovarin32.conf",
               "version=1\n[options]\nopponents=2\nstake=1\nscoring=chi\nhandOrder=suit\n"
               "points=7\n");
    const Store::Loaded loaded = f.store().load();
    ASSERT_TRUE(loaded.options.has_value());
    EXPECT_EQ(loaded.options->zoom, 100);
    EXPECT_EQ(loaded.options->strength, Strength::Normal);
    EXPECT_EQ(loaded.options->points, 7);
    EXPECT_TRUE(f.complaints.isEmpty());
}

// A folder where a file should be can be neither read nor replaced: defaults, one line when
// reading each, one more and one message when the first write fails, and nothing after.
TEST(Store, UnreadableAndUnwritableFiles) {
    Folders f;
    ASSERT_TRUE(QDir().mkpath(f.config() + "/kovarin32.conf/x"));
    ASSERT_TRUE(QDir().mkpath(f.data() + "/balance-history/x"));
    Store store = f.store();
    QStringList stopped;
    store.savingStopped = [&stopped](const QString& text) { stopped.push_back(text); };
    const Store::Loaded loaded = store.load();
    EXPECT_FALSE(loaded.options.has_value());
    EXPECT_EQ(f.complaints.size(), 2);
    for (int i = 0; i < 3; ++i) {
        store.saveOptions(GameOptions{});
        store.saveStatistics(threeDeals());
    }
    EXPECT_EQ(f.complaints.size(), 3) << f.complaints.join("\n").toStdString();
    EXPECT_TRUE(f.complaints[2].contains("kovarin32.conf"));
    EXPECT_EQ(stopped.size(), 1);
    EXPECT_FALSE(store.saving());
}

// Every save replaces the files whole: a new file is written beside the old one and renamed
// over it (a new inode), so a reader or a crash sees the old file or the new one, never half.
TEST(Store, WritesReplaceTheFilesWhole) {
    Folders f;
    Store store = f.store();
    store.load();
    store.saveOptions(GameOptions{});
    store.saveStatistics(threeDeals());
    const QString settings = f.config() + "/kovarin32.conf",
                  history = f.data() + "/balance-history";
    const ino_t settingsBefore = inode(settings), historyBefore = inode(history);
    Statistics more = threeDeals();
    more.record(ScoringOption::Set, 2, 34);
    store.saveStatistics(more);
    EXPECT_NE(inode(settings), settingsBefore);
    EXPECT_NE(inode(history), historyBefore);
    // Nothing is left beside them.
    const QStringList left = QDir(f.config()).entryList(QDir::Files | QDir::Hidden) +
                             QDir(f.data()).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, (QStringList{"kovarin32.conf", "balance-history"}));
    EXPECT_EQ(f.store().load().statistics, more);
}

// Settings as QSettings writes them (as the game did before it wrote them itself) read back.
TEST(Store, ReadsWhatQSettingsWrites) {
    Folders f;
    QDir().mkpath(f.config());
    {
        QSettings s(f.config() + "/kovarin32.conf", QSettings::IniFormat);
        s.setValue("version", 1);
        s.setValue("options/opponents", 3);
        s.setValue("options/stake", 2);
        s.setValue("options/scoring", "set");
        s.setValue("options/handOrder", "number");
        s.setValue("options/points", -17);
        const Statistics three = threeDeals();
        for (const auto& [group, o] : {std::pair{"chi", three.of(ScoringOption::Chi)},
                                       std::pair{"set", three.of(ScoringOption::Set)}}) {
            const QString g = QString("statistics/") + group + "/";
            s.setValue(g + "played", qint64{o.played});
            s.setValue(g + "won", qint64{o.won});
            s.setValue(g + "lost", qint64{o.lost});
            s.setValue(g + "tied", qint64{o.tied});
            s.setValue(g + "pointsWon", qint64{o.pointsWon});
            s.setValue(g + "pointsLost", qint64{o.pointsLost});
            s.setValue(g + "best", o.best);
            s.setValue(g + "worst", o.worst);
        }
    }
    writeBytes(f.data() + "/balance-history", "kovarin32 balance history 1\n46\n32\n32\n");
    const Store::Loaded loaded = f.store().load();
    EXPECT_EQ(loaded.options,
              (GameOptions{3, 2, ScoringOption::Set, HandOrder::ByCardNumber, -17}));
    // A history kept before the gains were: its chart reads as its balances did.
    Statistics three = threeDeals();
    three.gains = gainsOfBalances(three.balances);
    EXPECT_EQ(loaded.statistics, three);
    EXPECT_TRUE(f.complaints.isEmpty()) << f.complaints.join("\n").toStdString();
}

// Saved and loaded again at once, over and over, with files of one size: every load sees the
// save just made (a cache keyed on size and time would answer with the one before).
TEST(Store, ALoadSeesTheSaveJustMade) {
    Folders f;
    Store store = f.store();
    store.load();
    for (int i = 0; i < 100; ++i) {
        const GameOptions options{1 + i % 3, 1, ScoringOption::Chi, HandOrder::BySuit, 10 + i % 80};
        store.saveOptions(options);
        ASSERT_EQ(f.store().load().options, options) << i;
    }
}

// Killed between the two files (the history's write made to fail after the settings'): the
// settings hold the deal, and loading completes the history from them and writes it at once, so
// a second such kill in the next run leaves it one deal behind again, not two. After a reset
// the old history is dropped. Every time history and statistics agree, with no complaint.
TEST(Store, AHistoryLeftBehindTheSettingsIsMended) {
    Folders f;
    bool historyFails = false;
    const auto store = [&f, &historyFails] {
        Store s = f.store();
        s.writeFile = [real = s.writeFile, &historyFails](const QString& path,
                                                          const QByteArray& bytes) {
            return !(historyFails && path.endsWith("balance-history")) && real(path, bytes);
        };
        return s;
    };
    const auto optionsAt = [](int points) {
        return GameOptions{2, 1, ScoringOption::Chi, HandOrder::BySuit, points};
    };
    Statistics deals = threeDeals();
    {
        Store s = store();
        s.load();
        s.saveDeal(optionsAt(32), deals);
    }
    for (int deal = 4; deal <= 6; ++deal) {
        Store s = store();
        historyFails = false;
        EXPECT_EQ(s.load().statistics, deals);  // mends what the last run left
        EXPECT_TRUE(f.complaints.isEmpty()) << deal << f.complaints.join("\n").toStdString();
        historyFails = true;
        deals.record(ScoringOption::Chi, 4, 28 + 4 * deal);
        s.saveDeal(optionsAt(28 + 4 * deal), deals);
        EXPECT_FALSE(s.saving());
        EXPECT_EQ(f.complaints.size(), 1);  // the history's write, made to fail
        f.complaints.clear();
    }
    historyFails = false;
    Store::Loaded loaded = store().load();
    EXPECT_EQ(loaded.statistics, deals);
    EXPECT_EQ(loaded.options->points, 52);
    {
        Store s = store();
        s.load();
        historyFails = true;
        s.saveStatistics(Statistics{});
    }
    f.complaints.clear();
    historyFails = false;
    loaded = store().load();
    EXPECT_EQ(loaded.statistics, Statistics{});
    EXPECT_EQ(loaded.options->points, 52);
    EXPECT_TRUE(f.complaints.isEmpty()) << f.complaints.join("\n").toStdString();
}

// A history that no interrupted save can leave (two deals behind, or counting other deals):
// one complaint and an empty history; the settings stand.
TEST(Store, AHistoryThatDisagreesIsDropped) {
    const char* histories[] = {
        "kovarin32 balance history 2\ndeals 1\n46\n",
        "kovarin32 balance history 2\ndeals 4\n46\n32\n32\n30\n",
        "kovarin32 balance history 2\ndeals 3\n46\n32\n32\n30\n",  // more lines than deals
    };
    for (const char* history : histories) {
        Folders f;
        Store store = f.store();
        store.load();
        store.saveDeal(GameOptions{}, threeDeals());
        writeBytes(f.data() + "/balance-history", history);
        const Store::Loaded loaded = f.store().load();
        Statistics expected = threeDeals();
        expected.balances.clear();
        expected.gains.clear();
        EXPECT_EQ(loaded.statistics, expected) << history;
        EXPECT_EQ(f.complaints.size(), 1) << history;
    }
}

// A full disk (every write fails): one line, one message, the files as they were, and the
// store keeps answering.
TEST(Store, AFullDiskStopsSavingOnce) {
    Folders f;
    {
        Store store = f.store();
        store.load();
        store.saveDeal(GameOptions{}, threeDeals());
    }
    Store store = f.store();
    store.writeFile = [](const QString&, const QByteArray&) { return false; };
    QStringList stopped;
    store.savingStopped = [&stopped](const QString& text) { stopped.push_back(text); };
    store.load();
    Statistics four = threeDeals();
    four.record(ScoringOption::Set, -2, 30);
    for (int i = 0; i < 3; ++i) {
        store.saveOptions({3, 2, ScoringOption::Set, HandOrder::BySuit, 30});
        store.saveDeal({3, 2, ScoringOption::Set, HandOrder::BySuit, 30}, four);
    }
    EXPECT_EQ(f.complaints.size(), 1) << f.complaints.join("\n").toStdString();
    ASSERT_EQ(stopped.size(), 1);
    EXPECT_TRUE(stopped[0].contains(f.config() + "/kovarin32.conf"));
    const Store::Loaded loaded = f.store().load();
    EXPECT_EQ(loaded.statistics, threeDeals());
    EXPECT_EQ(*loaded.options, GameOptions{});
}

// A config folder the player may not write to: the same single line and message. Root writes
// through the mode bits, so there the folder under a regular file
// (GameWindow.AnUnwritableStoreShowsOneMessageAndTheGamePlays) stands in.
TEST(Store, AReadOnlyConfigFolderStopsSavingOnce) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    Folders f;
    {
        Store store = f.store();
        store.load();
        store.saveDeal(GameOptions{}, threeDeals());
    }
    ASSERT_EQ(::chmod(QFile::encodeName(f.config()).constData(), 0500), 0);
    Store store = f.store();
    int stopped = 0;
    store.savingStopped = [&stopped](const QString&) { ++stopped; };
    store.load();
    for (int i = 0; i < 3; ++i)
        store.saveOptions({3, 2, ScoringOption::Set, HandOrder::BySuit, 30});
    ::chmod(QFile::encodeName(f.config()).constData(), 0700);
    EXPECT_EQ(f.complaints.size(), 1);
    EXPECT_EQ(stopped, 1);
    EXPECT_EQ(*f.store().load().options, GameOptions{});
}

// A saver killed (SIGKILL) after a random delay, round after round, each round starting from
// what the last left: what is on disk always loads without a complaint, holds the last balance
// the saver reported saved or the one after it (never less, never the defaults once something
// was saved), and the options, statistics and history all belong to that same save.
TEST(Store, SurvivesBeingKilledWhileSaving) {
    Folders f;
    QRandomGenerator random(23);
    int onDisk = 0;
    const int rounds = scaled(120);
    for (int round = 0; round < rounds; ++round) {
        QProcess saver;
        saver.start(STORE_SAVER_PATH, {f.config(), f.data()});
        ASSERT_TRUE(saver.waitForStarted());
        // Every other round the delay starts once the saver reports its first save, so that a
        // slow start (a sanitizer build on a busy machine) still leaves saves to be killed in.
        if (round % 2 == 1) saver.waitForReadyRead(10000);
        QThread::msleep(random.bounded(1u, 80u));
        saver.kill();
        ASSERT_TRUE(saver.waitForFinished());
        QByteArray out = saver.readAllStandardOutput();
        out.truncate(out.lastIndexOf('\n') + 1);  // a line cut short was not reported
        const QList<QByteArray> lines = out.trimmed().split('\n');
        const int reported = out.isEmpty() ? onDisk : lines.back().toInt();
        ASSERT_GE(reported, onDisk) << round;

        f.complaints.clear();
        const Store::Loaded loaded = f.store().load();
        ASSERT_TRUE(f.complaints.isEmpty())
            << round << f.complaints.join("\n").toStdString() << "\n"
            << fileText(f.config() + "/kovarin32.conf") << fileText(f.data() + "/balance-history");
        if (reported == 0 && !loaded.options) continue;  // killed before its first save
        ASSERT_TRUE(loaded.options.has_value()) << round;
        const int balance = loaded.options->points;
        ASSERT_TRUE(balance == reported || balance == reported + 1)
            << round << ": " << balance << " on disk, " << reported << " reported";
        EXPECT_EQ(loaded.options->opponents, balance % 3 + 1) << round;
        EXPECT_EQ(loaded.options->stake, balance % 2 + 1) << round;
        const OptionStatistics& chi = loaded.statistics.of(ScoringOption::Chi);
        EXPECT_EQ(chi.played, balance) << round;
        EXPECT_EQ(chi.won, balance) << round;
        EXPECT_EQ(chi.pointsWon, balance) << round;
        EXPECT_EQ(loaded.statistics.of(ScoringOption::Set).played, 0) << round;
        std::vector<int> history(static_cast<std::size_t>(balance));
        std::iota(history.begin(), history.end(), 1);
        if (history.size() > BalanceHistoryLimit)
            history.erase(history.begin(), history.end() - BalanceHistoryLimit);
        ASSERT_EQ(loaded.statistics.balances, history) << round;
        // A deal in progress is whole, and the one dealt after the deals counted.
        if (loaded.deal) {
            EXPECT_EQ(loaded.deal->dealsBefore, chi.played) << round;
            EXPECT_EQ(loaded.deal->number, static_cast<DealNumber>(chi.played)) << round;
        }
        onDisk = balance;
    }
    EXPECT_GT(onDisk, 0);
}

}  // namespace
}  // namespace kov::ui
