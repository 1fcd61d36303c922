#include "ui/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>

#include "game/balance_history.h"
#include "ui/history_file.h"
#include "ui/ini_file.h"
#include "ui/store_records.h"

namespace kov::ui {
namespace {

constexpr qint64 LargestFile = 1 << 20;  // anything larger is not ours

// A file we may read: a regular, readable file of sensible size.
enum class FileState { Absent, Usable, Unusable };
FileState fileState(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return FileState::Absent;
    if (!info.isFile() || !info.isReadable() || info.size() > LargestFile)
        return FileState::Unusable;
    return FileState::Usable;
}

std::optional<QByteArray> readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

bool saveFile(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).path())) return false;
    QSaveFile file(path);  // written beside the file, renamed over it on commit
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
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
    const std::optional<int> last = loadSettings();
    loadHistory(last);
    return {options_, statistics_};
}

// The options and statistics, with the balance of the last deal counted, which the settings hold
// for mending the history.
std::optional<int> Store::loadSettings() {
    options_.reset();
    statistics_ = Statistics{};
    switch (fileState(settingsPath_)) {
        case FileState::Absent:
            return std::nullopt;
        case FileState::Unusable:
            complain(settingsPath_, "cannot be read; using the defaults");
            return std::nullopt;
        case FileState::Usable:
            break;
    }
    const std::optional<QByteArray> bytes = readFile(settingsPath_);
    const std::optional<IniValues> values = bytes ? IniValues::parse(*bytes) : std::nullopt;
    const std::optional<SettingsRecords> records =
        values ? readSettingsRecords(*values) : std::nullopt;
    if (!records) {
        complain(settingsPath_, "is damaged; using the defaults");
        return std::nullopt;
    }
    options_ = records->options;
    statistics_ = records->statistics;
    return records->lastBalance;
}

// The balances, squared with the statistics just read; a mended history is written at once.
void Store::loadHistory(std::optional<int> last) {
    std::optional<HistoryFile> h;
    const FileState historyState = fileState(historyPath_);
    switch (historyState) {
        case FileState::Absent:
            h = HistoryFile{{}, 0};
            break;
        case FileState::Unusable:
            complain(historyPath_, "cannot be read; starting an empty history");
            break;
        case FileState::Usable:
            if (const std::optional<QByteArray> bytes = readFile(historyPath_))
                h = readHistory(*bytes);
            if (!h) complain(historyPath_, "is damaged; starting an empty history");
            break;
    }
    if (!h) return;
    HistoryAgreement agreement = HistoryAgreement::Agrees;
    if (h->deals)
        agreement = squareHistory(h->balances, *h->deals, statistics_.total().played, last);
    if (agreement == HistoryAgreement::Disagrees && historyState == FileState::Usable)
        complain(historyPath_, "does not match the statistics; starting an empty history");
    statistics_.balances = std::move(h->balances);
    if (agreement == HistoryAgreement::Mended && saving_ && !writeHistory()) stop(historyPath_);
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

bool Store::writeSettings() {
    return writeFile && writeFile(settingsPath_, settingsText(options_, statistics_));
}

bool Store::writeHistory() {
    return writeFile &&
           writeFile(historyPath_, historyText(statistics_.balances, statistics_.total().played));
}

}  // namespace kov::ui
