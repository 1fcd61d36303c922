#include "ui/store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

#include "ui/zoom.h"

namespace kov::ui {
namespace {

constexpr int FormatVersion = 1;
constexpr qint64 LargestFile = 1 << 20;  // anything larger is not ours
constexpr const char* HistoryHeader = "kovarin32 balance history 1";
constexpr qint64 PointsLimit = 1000000000;  // |points| beyond this is damage, not play

const char* const OptionGroups[] = {"chi", "set"};

std::optional<qint64> number(const QSettings& s, const QString& key, qint64 low, qint64 high) {
    bool ok = false;
    const qint64 v = s.value(key).toString().toLongLong(&ok);
    if (!ok || v < low || v > high) return std::nullopt;
    return v;
}

// Options from the settings file; "bad" when present but not sound.
std::optional<GameOptions> readOptions(const QSettings& s, bool& bad) {
    if (!s.contains("options/opponents")) return std::nullopt;
    const auto opponents = number(s, "options/opponents", 1, 3);
    const auto stake = number(s, "options/stake", 1, 2);
    const QString scoring = s.value("options/scoring").toString();
    const QString order = s.value("options/handOrder").toString();
    const auto points = number(s, "options/points", -PointsLimit, PointsLimit);
    // Files written before the zoom was kept have none: 100 %.
    const auto zoom = s.contains("options/zoom") ? number(s, "options/zoom", 100, 200) : 100;
    if (!opponents || !stake || !points || !zoom || !isZoomStep(static_cast<int>(*zoom)) ||
        (scoring != "chi" && scoring != "set") || (order != "suit" && order != "number")) {
        bad = true;
        return std::nullopt;
    }
    GameOptions o;
    o.opponents = static_cast<int>(*opponents);
    o.stake = static_cast<int>(*stake);
    o.scoring = scoring == "chi" ? ScoringOption::Chi : ScoringOption::Set;
    o.handOrder = order == "suit" ? HandOrder::BySuit : HandOrder::ByCardNumber;
    o.points = static_cast<int>(*points);
    o.zoom = static_cast<int>(*zoom);
    return o;
}

bool readOptionStatistics(const QSettings& s, const QString& group, OptionStatistics& out) {
    const qint64 most = std::numeric_limits<qint32>::max();
    const auto played = number(s, group + "/played", 0, most);
    const auto won = number(s, group + "/won", 0, most);
    const auto lost = number(s, group + "/lost", 0, most);
    const auto tied = number(s, group + "/tied", 0, most);
    const auto pointsWon = number(s, group + "/pointsWon", 0, std::numeric_limits<qint64>::max());
    const auto pointsLost = number(s, group + "/pointsLost", 0, std::numeric_limits<qint64>::max());
    const auto best = number(s, group + "/best", -PointsLimit, PointsLimit);
    const auto worst = number(s, group + "/worst", -PointsLimit, PointsLimit);
    if (!played || !won || !lost || !tied || !pointsWon || !pointsLost || !best || !worst)
        return false;
    if (*won + *lost + *tied != *played || *best < *worst) return false;
    out = {*played,
           *won,
           *lost,
           *tied,
           *pointsWon,
           *pointsLost,
           static_cast<int>(*best),
           static_cast<int>(*worst)};
    return true;
}

// A file we may read: a regular, readable file of sensible size. Empty path info when absent.
enum class FileState { Absent, Usable, Unusable };
FileState fileState(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return FileState::Absent;
    if (!info.isFile() || !info.isReadable() || info.size() > LargestFile)
        return FileState::Unusable;
    return FileState::Usable;
}

}  // namespace

Store::Store()
    : Store(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/kovarin32",
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/kovarin32") {}

Store::Store(const QString& configFolder, const QString& dataFolder)
    : settingsPath_(configFolder + "/kovarin32.conf"),
      historyPath_(dataFolder + "/balance-history") {
    warn = [](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); };
}

void Store::complain(const QString& path, const char* what) {
    if (warn) warn(QString("kovarin32: %1: %2").arg(path, what));
}

Store::Loaded Store::load() {
    options_.reset();
    statistics_ = Statistics{};

    switch (fileState(settingsPath_)) {
        case FileState::Absent:
            break;
        case FileState::Unusable:
            complain(settingsPath_, "cannot be read; using the defaults");
            break;
        case FileState::Usable: {
            const QSettings s(settingsPath_, QSettings::IniFormat);
            bool bad = s.status() != QSettings::NoError ||
                       number(s, "version", FormatVersion, FormatVersion) == std::nullopt;
            if (!bad) options_ = readOptions(s, bad);
            for (std::size_t k = 0; k < 2 && !bad; ++k) {
                const QString group = QString("statistics/") + OptionGroups[k];
                if (s.contains(group + "/played"))
                    bad = !readOptionStatistics(s, group, statistics_.byOption[k]);
            }
            if (bad) {
                options_.reset();
                statistics_ = Statistics{};
                complain(settingsPath_, "is damaged; using the defaults");
            }
            break;
        }
    }

    switch (fileState(historyPath_)) {
        case FileState::Absent:
            break;
        case FileState::Unusable:
            complain(historyPath_, "cannot be read; starting an empty history");
            break;
        case FileState::Usable: {
            QFile file(historyPath_);
            bool bad = !file.open(QIODevice::ReadOnly);
            const QList<QByteArray> lines = bad ? QList<QByteArray>{} : file.readAll().split('\n');
            bad = bad || lines.isEmpty() || lines[0] != HistoryHeader;
            std::vector<int> balances;
            for (qsizetype i = 1; i < lines.size() && !bad; ++i) {
                if (lines[i].isEmpty() && i == lines.size() - 1) break;  // the final newline
                bool ok = false;
                const qint64 v = lines[i].toLongLong(&ok);
                bad = !ok || v < -PointsLimit || v > PointsLimit ||
                      balances.size() >= BalanceHistoryLimit;
                balances.push_back(static_cast<int>(v));
            }
            if (bad)
                complain(historyPath_, "is damaged; starting an empty history");
            else
                statistics_.balances = std::move(balances);
            break;
        }
    }
    return {options_, statistics_};
}

void Store::saveOptions(const GameOptions& options) {
    options_ = options;
    writeSettings();
}

void Store::saveStatistics(const Statistics& statistics) {
    statistics_ = statistics;
    writeSettings();
    writeHistory();
}

void Store::writeSettings() {
    QDir().mkpath(QFileInfo(settingsPath_).path());
    QSettings s(settingsPath_, QSettings::IniFormat);
    s.setAtomicSyncRequired(true);  // written beside the file and renamed over it
    s.clear();                      // whatever the file held before, damaged or not
    s.setValue("version", FormatVersion);
    if (options_) {
        s.setValue("options/opponents", options_->opponents);
        s.setValue("options/stake", options_->stake);
        s.setValue("options/scoring", options_->scoring == ScoringOption::Chi ? "chi" : "set");
        s.setValue("options/handOrder",
                   options_->handOrder == HandOrder::BySuit ? "suit" : "number");
        s.setValue("options/points", options_->points);
        s.setValue("options/zoom", options_->zoom);
    }
    for (std::size_t k = 0; k < 2; ++k) {
        const OptionStatistics& o = statistics_.byOption[k];
        if (o.played == 0) continue;
        const QString group = QString("statistics/") + OptionGroups[k] + "/";
        s.setValue(group + "played", qint64{o.played});
        s.setValue(group + "won", qint64{o.won});
        s.setValue(group + "lost", qint64{o.lost});
        s.setValue(group + "tied", qint64{o.tied});
        s.setValue(group + "pointsWon", qint64{o.pointsWon});
        s.setValue(group + "pointsLost", qint64{o.pointsLost});
        s.setValue(group + "best", o.best);
        s.setValue(group + "worst", o.worst);
    }
    s.sync();
    if (s.status() != QSettings::NoError && !settingsFailed_) {
        settingsFailed_ = true;
        complain(settingsPath_, "cannot be written; this session's changes are not kept");
    }
}

void Store::writeHistory() {
    QDir().mkpath(QFileInfo(historyPath_).path());
    QByteArray bytes = QByteArray(HistoryHeader) + '\n';
    for (int b : statistics_.balances)
        bytes += QByteArray::number(b) + '\n';
    QSaveFile file(historyPath_);
    const bool ok =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!ok && !historyFailed_) {
        historyFailed_ = true;
        complain(historyPath_, "cannot be written; this session's history is not kept");
    }
}

}  // namespace kov::ui
