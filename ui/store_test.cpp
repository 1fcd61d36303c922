// The store on folders of a temporary directory: what is written reads back, and damaged,
// unreadable or foreign files give the defaults with one complaint each, never a crash.

#include "ui/store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

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
    const GameOptions options{3, 2, ScoringOption::Set, HandOrder::ByCardNumber, -17, 150};
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

// Random bytes in both files, many times over: the defaults and exactly one line per file.
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
        EXPECT_FALSE(loaded.options.has_value()) << round;
        EXPECT_EQ(loaded.statistics, Statistics{}) << round;
        EXPECT_EQ(f.complaints.size(), 2) << round << f.complaints.join("\n").toStdString();
        // The next change writes sound files again.
        store.saveOptions(GameOptions{});
        store.saveStatistics(threeDeals());
        f.complaints.clear();
        const Store::Loaded repaired = f.store().load();
        EXPECT_EQ(repaired.statistics, threeDeals()) << round;
        EXPECT_TRUE(f.complaints.isEmpty()) << round;
    }
}

// Well-formed files whose values cannot be: defaults and one line.
TEST(Store, ImpossibleValuesGiveDefaults) {
    const char* files[] = {
        "version=1\n[options]\nopponents=4\nstake=1\nscoring=chi\nhandOrder=suit\npoints=0\n",
        "version=1\n[options]\nopponents=1\nstake=1\nscoring=both\nhandOrder=suit\npoints=0\n",
        "version=2\n[options]\nopponents=1\nstake=1\nscoring=chi\nhandOrder=suit\npoints=0\n",
        "version=1\n[statistics]\nchi\\played=3\nchi\\won=1\nchi\\lost=1\nchi\\tied=0\n"
        "chi\\pointsWon=1\nchi\\pointsLost=1\nchi\\best=1\nchi\\worst=-1\n",
        "version=1\n[options]\nopponents=1\nstake=1\nscoring=chi\nhandOrder=suit\n"
        "points=99999999999\n",
        "version=1\n[options]\nopponents=1\nstake=1\nscoring=chi\nhandOrder=suit\npoints=0\n"
        "zoom=125\n",
    };
    for (const char* text : files) {
        Folders f;
        writeBytes(f.config() + "/kovarin32.conf", text);
        const Store::Loaded loaded = f.store().load();
        EXPECT_FALSE(loaded.options.has_value()) << text;
        EXPECT_EQ(loaded.statistics, Statistics{}) << text;
        EXPECT_EQ(f.complaints.size(), 1) << text;
    }
    Folders f;
    writeBytes(f.data() + "/balance-history", "kovarin32 balance history 1\n12\n-3\nx\n");
    EXPECT_TRUE(f.store().load().statistics.balances.empty());
    EXPECT_EQ(f.complaints.size(), 1);
}

// Options written before the zoom was kept load at 100 %.
TEST(Store, OptionsWithoutAZoomLoadAtOneHundredPerCent) {
    Folders f;
    writeBytes(f.config() + "/kovarin32.conf",
               "version=1\n[options]\nopponents=2\nstake=1\nscoring=chi\nhandOrder=suit\n"
               "points=7\n");
    const Store::Loaded loaded = f.store().load();
    ASSERT_TRUE(loaded.options.has_value());
    EXPECT_EQ(loaded.options->zoom, 100);
    EXPECT_EQ(loaded.options->points, 7);
    EXPECT_TRUE(f.complaints.isEmpty());
}

// A folder where a file should be can be neither read nor replaced: defaults, one line when
// reading, one more the first time a write fails, and the game goes on.
TEST(Store, UnreadableAndUnwritableFiles) {
    Folders f;
    ASSERT_TRUE(QDir().mkpath(f.config() + "/kovarin32.conf/x"));
    ASSERT_TRUE(QDir().mkpath(f.data() + "/balance-history/x"));
    Store store = f.store();
    const Store::Loaded loaded = store.load();
    EXPECT_FALSE(loaded.options.has_value());
    EXPECT_EQ(f.complaints.size(), 2);
    for (int i = 0; i < 3; ++i) {
        store.saveOptions(GameOptions{});
        store.saveStatistics(threeDeals());
    }
    EXPECT_EQ(f.complaints.size(), 4) << f.complaints.join("\n").toStdString();
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
    // Nothing is left beside them but the settings' lock file.
    const QStringList left = QDir(f.config()).entryList(QDir::Files | QDir::Hidden) +
                             QDir(f.data()).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : left)
        EXPECT_TRUE(name == "kovarin32.conf" || name == "kovarin32.conf.lock" ||
                    name == "balance-history")
            << name.toStdString();
    EXPECT_EQ(f.store().load().statistics, more);
}

}  // namespace
}  // namespace kov::ui
