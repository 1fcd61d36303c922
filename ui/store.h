// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the game keeps between runs, and the only code that reads or writes files: the options
// and the balance (the settings phase's choices), the statistics, and the balance after each deal
// for the chart.
//
//   $XDG_CONFIG_HOME/kovarin32/kovarin32.conf   options, balance and statistics (INI)
//   $XDG_DATA_HOME/kovarin32/balance-history    the balance after each deal, one a line
//   $XDG_DATA_HOME/kovarin32/deal-in-progress   the deal being arranged and its moves
//
// Both files are replaced whole on every change (written beside and renamed over), so a crash
// loses at most the change in hand. The settings file holds everything that must agree (the
// balance, the statistics, which count the deals, and the last balance of the history); the
// history file is written after it and carries its own count of deals, so a history one deal
// behind (killed between the two files) is completed from the settings, and written at once, and
// one from before a reset is dropped. Each stored value is checked on its own: one that is not
// sound (or a file that cannot be read at all) falls back to its default alone, and the file as
// it was is copied beside it ("kovarin32.conf.damaged") before anything can write over it, with
// one line on stderr and a sentence for the player naming what was lost and where the copy is.
// The first write that fails stops all saving for the session: one line on stderr, one message
// for the player, and the game goes on.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "deal/strategy.h"
#include "game/game_state.h"
#include "game/saved_deal.h"
#include "game/statistics.h"
#include "ui/motion_speed.h"

namespace kov::ui {

// The settings panel's choices, the balance and the zoom, as the player left them.
struct GameOptions {
    int opponents = 1;
    int stake = 1;
    ScoringOption scoring = ScoringOption::Chi;
    HandOrder handOrder = HandOrder::BySuit;
    int points = 0;
    int zoom = 100;                       // the table's zoom in per cent (View menu)
    Strength strength = DefaultStrength;  // how well the computer's seats play
    // The table and its window (View menu): the classic table or the felt one, the felt's deck
    // ("builtin" or an SVG deck's folder name) and back ("blue", "red"), and the felt window's
    // size (0 x 0 until it was kept) and state.
    bool classicTable = false;
    QString deck = "builtin";
    QString back = "blue";
    int windowWidth = 0, windowHeight = 0;
    enum class WindowState { Normal, Maximized, FullScreen } windowState = WindowState::Normal;
    // The felt table's motion and its sounds (View menu).
    MotionSpeed animation = MotionSpeed::Normal;
    bool sound = true;
    bool operator==(const GameOptions&) const = default;
};

class Store {
  public:
    // The user's XDG folders (QStandardPaths' generic config and data locations).
    Store();
    // Explicit folders, created on the first write.
    Store(const QString& configFolder, const QString& dataFolder);

    // Receives each complaint, one line; the default writes it to stderr.
    std::function<void(const QString&)> warn;

    // Told once, with a sentence for the player, when saving stops (the first failed write).
    std::function<void(const QString&)> savingStopped;

    // Writes one whole file in place of the old one; false when it cannot. The default writes
    // beside the file and renames over it (QSaveFile); tests replace it to fail like a full disk.
    std::function<bool(const QString& path, const QByteArray& bytes)> writeFile;

    struct Loaded {
        std::optional<GameOptions> options;  // nothing when nothing sound is stored
        Statistics statistics;
        // The deal left unfinished, to be played to its end: nothing when there is none, or
        // when the statistics count more deals than when it was dealt (it was settled).
        std::optional<SavedDeal> deal;
        // For the player, when anything stored was lost: what, and where the copies are; else "".
        QString damage;
    };
    // Reads the three files. At most one complaint per file.
    Loaded load();

    // The deal in progress, kept on every change (dealt, a card moved), and gone once settled.
    void saveDealInProgress(const SavedDeal& deal);
    void clearDealInProgress();

    // Replace the stored options or statistics.
    void saveOptions(const GameOptions& options);
    // The options with the statistics (points bought): the settings file alone.
    void saveSettings(const GameOptions& options, const Statistics& statistics);
    void saveStatistics(const Statistics& statistics);
    // A finished deal: the options with the balance it left and the statistics that count it.
    void saveDeal(const GameOptions& options, const Statistics& statistics);

    // False once a write has failed: nothing more is written this session.
    bool saving() const { return saving_; }

  private:
    std::optional<int> loadSettings();
    void loadHistory(std::optional<int> last);
    void write(bool history);
    bool writeSettings();
    bool writeHistory();
    void stop(const QString& path);
    void complain(const QString& path, const QString& what);
    // Copies a damaged file beside it, before anything writes over it; false when it cannot (and
    // then nothing more is written).
    bool keepCopy(const QString& path, const std::optional<QByteArray>& bytes);
    void settingsLost(const QString& path, const QStringList& lost, bool copied);
    void historyLost(bool copied);
    std::optional<SavedDeal> loadDeal();

    QString settingsPath_, historyPath_, dealPath_;
    std::optional<GameOptions> options_;
    Statistics statistics_;
    std::optional<int> lastGain_;  // the last deal's gain the settings hold, for mending
    QStringList damage_;
    bool saving_ = true;
};

}  // namespace kov::ui
