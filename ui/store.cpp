#include "ui/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <type_traits>

#include "ui/zoom_steps.h"

namespace kov::ui {
namespace {

constexpr int FormatVersion = 1;
constexpr qint64 LargestFile = 1 << 20;  // anything larger is not ours
// The history's first line; version 2 adds a second, "deals N", the deals counted when it was
// written. A version 1 history is read as it stands.
constexpr const char* HistoryHeader = "kovarin32 balance history 2";
constexpr const char* FirstHistoryHeader = "kovarin32 balance history 1";
constexpr qint64 PointsLimit = 1000000000;  // |points| beyond this is damage, not play

const char* const OptionGroups[] = {"chi", "set"};

// The settings file's keys ("group/name") and values, as read.
class Settings {
  public:
    bool contains(const QString& key) const { return values_.contains(key); }
    QString value(const QString& key) const { return values_.value(key); }

    // The INI form QSettings writes and reads, as far as the store uses it: "[group]" lines,
    // "name=value" lines (a backslash in a name separates groups), blank lines and ";" comments;
    // "[General]" is no group. Anything else, or a name given twice, is not ours.
    static std::optional<Settings> parse(const QByteArray& bytes) {
        Settings s;
        QString group;
        for (const QByteArray& raw : bytes.split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.isEmpty() || line.startsWith(';')) continue;
            if (line.startsWith('[') && line.endsWith(']')) {
                group = line.mid(1, line.size() - 2).trimmed();
                if (group == "General") group.clear();
                continue;
            }
            const qsizetype eq = line.indexOf('=');
            if (eq <= 0) return std::nullopt;
            QString key = line.left(eq).trimmed().replace('\\', '/');
            if (!group.isEmpty()) key = group + '/' + key;
            if (s.values_.contains(key)) return std::nullopt;
            s.values_.insert(key, line.mid(eq + 1).trimmed());
        }
        return s;
    }

  private:
    QMap<QString, QString> values_;
};

std::optional<qint64> number(const Settings& s, const QString& key, qint64 low, qint64 high) {
    bool ok = false;
    const qint64 v = s.value(key).toLongLong(&ok);
    if (!ok || v < low || v > high) return std::nullopt;
    return v;
}

// The computer's level as the settings file writes it, and back.
const char* strengthKey(Strength strength) {
    switch (strength) {
        case Strength::Easy:
            return "easy";
        case Strength::Hard:
            return "hard";
        case Strength::Normal:
            break;
    }
    return "normal";
}
std::optional<Strength> strengthNamed(const QString& key) {
    for (Strength s : {Strength::Easy, Strength::Normal, Strength::Hard})
        if (key == strengthKey(s)) return s;
    return std::nullopt;
}

// Options from the settings file; "bad" when present but not sound.
std::optional<GameOptions> readOptions(const Settings& s, bool& bad) {
    if (!s.contains("options/opponents")) return std::nullopt;
    const auto opponents = number(s, "options/opponents", 1, 3);
    const auto stake = number(s, "options/stake", 1, 2);
    const QString scoring = s.value("options/scoring");
    const QString order = s.value("options/handOrder");
    const auto points = number(s, "options/points", -PointsLimit, PointsLimit);
    // Files written before the zoom was kept have none: 100 %.
    const auto zoom = s.contains("options/zoom") ? number(s, "options/zoom", 100, 200) : 100;
    // Files written before the computer's level was kept have none: normal.
    const QString strength =
        s.contains("options/strength") ? s.value("options/strength") : QStringLiteral("normal");
    const auto level = strengthNamed(strength);
    if (!opponents || !stake || !points || !zoom || !isZoomStep(static_cast<int>(*zoom)) ||
        !level || (scoring != "chi" && scoring != "set") ||
        (order != "suit" && order != "number")) {
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
    o.strength = *level;
    return o;
}

bool readOptionStatistics(const Settings& s, const QString& group, OptionStatistics& out) {
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

bool saveFile(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).path())) return false;
    QSaveFile file(path);  // written beside the file, renamed over it on commit
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The history as read: its balances and, from version 2 on, the deals it counted.
struct History {
    std::vector<int> balances;
    std::optional<qint64> deals;
};

std::optional<History> readHistory(const QByteArray& bytes) {
    const QList<QByteArray> lines = bytes.split('\n');
    History h;
    qsizetype first = 1;
    if (lines[0] == HistoryHeader) {
        bool ok = false;
        const qint64 deals = lines.size() > 1 && lines[1].startsWith("deals ")
                                 ? lines[1].mid(6).toLongLong(&ok)
                                 : -1;
        if (!ok || deals < 0) return std::nullopt;
        h.deals = deals;
        first = 2;
    } else if (lines[0] != FirstHistoryHeader) {
        return std::nullopt;
    }
    for (qsizetype i = first; i < lines.size(); ++i) {
        if (lines[i].isEmpty() && i == lines.size() - 1) break;  // the final newline
        bool ok = false;
        const qint64 v = lines[i].toLongLong(&ok);
        if (!ok || v < -PointsLimit || v > PointsLimit || h.balances.size() >= BalanceHistoryLimit)
            return std::nullopt;
        h.balances.push_back(static_cast<int>(v));
    }
    // Fewer lines than deals is a history begun afresh after damage; more is damage.
    if (h.deals && static_cast<qint64>(h.balances.size()) > *h.deals) return std::nullopt;
    return h;
}

}  // namespace

Store::Store()
    : Store(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/kovarin32",
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/kovarin32") {}

Store::Store(const QString& configFolder, const QString& dataFolder)
    : settingsPath_(configFolder + "/kovarin32.conf"),
      historyPath_(dataFolder + "/balance-history") {
    warn = [](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); };
    writeFile = saveFile;
}

void Store::complain(const QString& path, const char* what) {
    if (warn) warn(QString("kovarin32: %1: %2").arg(path, what));
}

Store::Loaded Store::load() {
    options_.reset();
    statistics_ = Statistics{};
    std::optional<qint64> last;  // the balance of the last deal counted, from the settings

    switch (fileState(settingsPath_)) {
        case FileState::Absent:
            break;
        case FileState::Unusable:
            complain(settingsPath_, "cannot be read; using the defaults");
            break;
        case FileState::Usable: {
            QFile file(settingsPath_);
            std::optional<Settings> parsed;
            if (file.open(QIODevice::ReadOnly)) parsed = Settings::parse(file.readAll());
            const Settings s = parsed.value_or(Settings{});
            bool bad =
                !parsed || number(s, "version", FormatVersion, FormatVersion) == std::nullopt;
            if (!bad) options_ = readOptions(s, bad);
            for (std::size_t k = 0; k < 2 && !bad; ++k) {
                const QString group = QString("statistics/") + OptionGroups[k];
                if (s.contains(group + "/played"))
                    bad = !readOptionStatistics(s, group, statistics_.byOption[k]);
            }
            if (!bad && s.contains("history/last")) {
                last = number(s, "history/last", -PointsLimit, PointsLimit);
                bad = !last;
            }
            if (bad) {
                options_.reset();
                statistics_ = Statistics{};
                last.reset();
                complain(settingsPath_, "is damaged; using the defaults");
            }
            break;
        }
    }

    std::optional<History> h;
    const FileState historyState = fileState(historyPath_);
    switch (historyState) {
        case FileState::Absent:
            h = History{{}, 0};
            break;
        case FileState::Unusable:
            complain(historyPath_, "cannot be read; starting an empty history");
            break;
        case FileState::Usable: {
            QFile file(historyPath_);
            if (file.open(QIODevice::ReadOnly)) h = readHistory(file.readAll());
            if (!h) complain(historyPath_, "is damaged; starting an empty history");
            break;
        }
    }
    // The settings are written first: a history one deal behind them lacks the deal whose
    // balance the settings hold, and one of deals when the settings count none predates a reset.
    // Such a history is mended and written at once, before any later save can move the
    // settings further on.
    bool mended = false;
    const qint64 played = statistics_.total().played;
    if (h && h->deals && *h->deals != played) {
        mended = true;
        if (played == 0) {
            h->balances.clear();
        } else if (*h->deals + 1 == played && last) {
            h->balances.push_back(static_cast<int>(*last));
            if (h->balances.size() > BalanceHistoryLimit) h->balances.erase(h->balances.begin());
        } else {
            if (historyState == FileState::Usable)
                complain(historyPath_, "does not match the statistics; starting an empty history");
            h.reset();
            mended = false;
        }
    }
    if (h) statistics_.balances = std::move(h->balances);
    if (mended && saving_ && !writeHistory()) stop(historyPath_);
    return {options_, statistics_};
}

void Store::saveOptions(const GameOptions& options) {
    options_ = options;
    write(false);
}

void Store::saveStatistics(const Statistics& statistics) {
    statistics_ = statistics;
    write(true);
}

void Store::saveDeal(const GameOptions& options, const Statistics& statistics) {
    options_ = options;
    statistics_ = statistics;
    write(true);
}

// The settings first: they hold what must agree, and loading mends a history left behind them.
void Store::write(bool history) {
    if (!saving_) return;
    if (!writeSettings())
        stop(settingsPath_);
    else if (history && !writeHistory())
        stop(historyPath_);
}

void Store::stop(const QString& path) {
    saving_ = false;
    complain(path, "cannot be written; nothing more is saved this session");
    if (savingStopped)
        savingStopped(
            QCoreApplication::translate(
                "kov::ui::Store",
                "Your options, balance and statistics cannot be saved: %1 cannot be "
                "written. The game goes on, but nothing more is kept until the next start.")
                .arg(QDir::toNativeSeparators(path)));
}

// The settings in the INI form QSettings writes, written whole like the history. (QSettings
// itself writes atomically too, but leaves a lock file beside it, and in a process that reads the
// file again its cache can answer with the old contents when the new file has the same size and
// time to the millisecond; so the store reads and writes the file itself.)
bool Store::writeSettings() {
    QByteArray t = "version=" + QByteArray::number(FormatVersion) + "\n";
    const auto line = [&t](const QByteArray& key, auto value) {
        t += key;
        t += '=';
        if constexpr (std::is_same_v<decltype(value), const char*>)
            t += value;
        else
            t += QByteArray::number(value);
        t += '\n';
    };
    if (options_) {
        t += "[options]\n";
        line("opponents", options_->opponents);
        line("stake", options_->stake);
        line("scoring", options_->scoring == ScoringOption::Chi ? "chi" : "set");
        line("handOrder", options_->handOrder == HandOrder::BySuit ? "suit" : "number");
        line("points", options_->points);
        line("zoom", options_->zoom);
        line("strength", strengthKey(options_->strength));
    }
    if (statistics_.total().played > 0) t += "[statistics]\n";
    for (std::size_t k = 0; k < 2; ++k) {
        const OptionStatistics& o = statistics_.byOption[k];
        if (o.played == 0) continue;
        const QByteArray group = QByteArray(OptionGroups[k]) + "\\";
        line(group + "played", qint64{o.played});
        line(group + "won", qint64{o.won});
        line(group + "lost", qint64{o.lost});
        line(group + "tied", qint64{o.tied});
        line(group + "pointsWon", qint64{o.pointsWon});
        line(group + "pointsLost", qint64{o.pointsLost});
        line(group + "best", o.best);
        line(group + "worst", o.worst);
    }
    if (!statistics_.balances.empty()) {
        t += "[history]\n";
        line("last", statistics_.balances.back());
    }
    return writeFile && writeFile(settingsPath_, t);
}

bool Store::writeHistory() {
    QByteArray bytes = QByteArray(HistoryHeader) + '\n';
    bytes += "deals " + QByteArray::number(statistics_.total().played) + '\n';
    for (int b : statistics_.balances)
        bytes += QByteArray::number(b) + '\n';
    return writeFile && writeFile(historyPath_, bytes);
}

}  // namespace kov::ui
