// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

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

QString damagedCopyPath(const QString& path) {
    return path + ".damaged";
}

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

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
      historyPath_(dataFolder + "/balance-history"),
      dealPath_(dataFolder + "/deal-in-progress") {
    warn = [](const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); };
    writeFile = saveFile;
}

void Store::complain(const QString& path, const QString& what) {
    if (warn) warn(QString("kovarin32: %1: %2").arg(path, what));
}

Store::Loaded Store::load() {
    damage_.clear();
    const std::optional<int> last = loadSettings();
    loadHistory(last);
    std::optional<SavedDeal> deal = loadDeal();
    return {options_, statistics_, std::move(deal), damage_.join("\n\n")};
}

std::optional<SavedDeal> Store::loadDeal() {
    const FileState state = fileState(dealPath_);
    if (state == FileState::Absent) return std::nullopt;
    std::optional<QByteArray> bytes;
    if (state == FileState::Usable) bytes = readFile(dealPath_);
    std::optional<SavedDeal> deal =
        bytes ? readSavedDeal(
                    std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())))
              : std::nullopt;
    if (!deal) {
        complain(dealPath_, "is damaged; the deal in progress is lost");
        const bool copied = QFileInfo(dealPath_).isFile() && keepCopy(dealPath_, bytes);
        QString sentence =
            QCoreApplication::translate("kov::ui::Store",
                                        "The deal in progress in %1 could not be read and is lost.")
                .arg(nativePath(dealPath_));
        if (copied)
            sentence += ' ' + QCoreApplication::translate("kov::ui::Store",
                                                          "The file as it was is kept in %1.")
                                  .arg(nativePath(damagedCopyPath(dealPath_)));
        damage_ << sentence;
        if (copied) QFile::remove(dealPath_);
        return std::nullopt;
    }
    if (deal->dealsBefore != statistics_.total().played) {  // settled before the game stopped
        QFile::remove(dealPath_);
        return std::nullopt;
    }
    return deal;
}

void Store::saveDealInProgress(const SavedDeal& deal) {
    if (!saving_) return;
    const std::string text = savedDealText(deal);
    if (!writeFile ||
        !writeFile(dealPath_, QByteArray(text.data(), static_cast<qsizetype>(text.size()))))
        stop(dealPath_);
}

void Store::clearDealInProgress() {
    if (!saving_) return;
    if (QFile::exists(dealPath_) && !QFile::remove(dealPath_)) stop(dealPath_);
}

bool Store::keepCopy(const QString& path, const std::optional<QByteArray>& bytes) {
    if (!saving_) return false;
    const QString copy = damagedCopyPath(path);
    bool copied = false;
    if (bytes) {
        copied = writeFile && writeFile(copy, *bytes);
    } else {  // too large to read: copied as it stands
        QFile::remove(copy);
        copied = QFile::copy(path, copy);
    }
    if (!copied) stop(copy);  // nothing may write over the only copy
    return copied;
}

void Store::settingsLost(const QString& path, const QStringList& lost, bool copied) {
    const QString kept =
        copied ? QString("; the file as it was is kept in %1").arg(damagedCopyPath(path))
               : QString();
    QString sentence;
    if (lost.isEmpty()) {
        complain(path, "cannot be read; using the defaults" + kept);
        sentence = QCoreApplication::translate(
                       "kov::ui::Store",
                       "%1 could not be read: the options, the balance and the statistics start "
                       "from the defaults.")
                       .arg(nativePath(path));
    } else {
        complain(
            path,
            QString("could not use %1; those start from the defaults").arg(lost.join(", ")) + kept);
        sentence = QCoreApplication::translate(
                       "kov::ui::Store",
                       "Some of what %1 held could not be used and starts from the defaults: %2. "
                       "The rest is kept.")
                       .arg(nativePath(path),
                            lost.join(QCoreApplication::translate("kov::ui::Store", ", ")));
    }
    if (copied)
        sentence +=
            ' ' + QCoreApplication::translate("kov::ui::Store", "The file as it was is kept in %1.")
                      .arg(nativePath(damagedCopyPath(path)));
    damage_ << sentence;
}

void Store::historyLost(bool copied) {
    QString sentence =
        QCoreApplication::translate("kov::ui::Store",
                                    "The balance chart in %1 could not be used and starts afresh.")
            .arg(nativePath(historyPath_));
    if (copied)
        sentence +=
            ' ' + QCoreApplication::translate("kov::ui::Store", "The file as it was is kept in %1.")
                      .arg(nativePath(damagedCopyPath(historyPath_)));
    damage_ << sentence;
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
            // A folder in its place cannot be copied, nor written over.
            settingsLost(settingsPath_, {},
                         QFileInfo(settingsPath_).isFile() && keepCopy(settingsPath_, {}));
            return std::nullopt;
        case FileState::Usable:
            break;
    }
    const std::optional<QByteArray> bytes = readFile(settingsPath_);
    const SettingsRecords records =
        bytes ? readSettingsRecords(IniValues::parse(*bytes)) : SettingsRecords{};
    if (!bytes || !records.ours) {
        settingsLost(settingsPath_, {}, keepCopy(settingsPath_, bytes));
        return std::nullopt;
    }
    if (!records.lost.isEmpty())
        settingsLost(settingsPath_, records.lost, keepCopy(settingsPath_, bytes));
    options_ = records.options;
    statistics_ = records.statistics;
    lastGain_ = records.lastGain;
    return records.lastBalance;
}

// The balances, squared with the statistics just read; a mended history is written at once.
void Store::loadHistory(std::optional<int> last) {
    std::optional<HistoryFile> h;
    std::optional<QByteArray> bytes;
    const FileState historyState = fileState(historyPath_);
    switch (historyState) {
        case FileState::Absent:
            h = HistoryFile{{}, {}, 0};
            break;
        case FileState::Unusable:
            complain(historyPath_, "cannot be read; starting an empty history");
            historyLost(QFileInfo(historyPath_).isFile() && keepCopy(historyPath_, {}));
            break;
        case FileState::Usable:
            bytes = readFile(historyPath_);
            if (bytes) h = readHistory(*bytes);
            if (!h) {
                complain(historyPath_, "is damaged; starting an empty history");
                historyLost(keepCopy(historyPath_, bytes));
            }
            break;
    }
    if (!h) return;
    HistoryAgreement agreement = HistoryAgreement::Agrees;
    if (h->deals)
        agreement = squareHistory(h->balances, h->gains, *h->deals, statistics_.total().played,
                                  last, lastGain_);
    if (agreement == HistoryAgreement::Disagrees && historyState == FileState::Usable) {
        complain(historyPath_, "does not match the statistics; starting an empty history");
        historyLost(keepCopy(historyPath_, bytes));
    }
    statistics_.balances = std::move(h->balances);
    statistics_.gains = std::move(h->gains);
    if (agreement == HistoryAgreement::Mended && saving_ && !writeHistory()) stop(historyPath_);
}

void Store::saveOptions(const GameOptions& options) {
    options_ = options;
    write(false);
}

void Store::saveSettings(const GameOptions& options, const Statistics& statistics) {
    options_ = options;
    statistics_ = statistics;
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
    return writeFile && writeFile(historyPath_, historyText(statistics_.balances, statistics_.gains,
                                                            statistics_.total().played));
}

}  // namespace kov::ui
