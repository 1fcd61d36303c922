#pragma once
// What the game keeps between runs, and the only code that reads or writes files: the options
// and the balance (the settings phase's choices), the statistics, and the balance after each deal
// for the chart.
//
//   $XDG_CONFIG_HOME/kovarin32/kovarin32.conf   options, balance and statistics (INI)
//   $XDG_DATA_HOME/kovarin32/balance-history    the balance after each deal, one a line
//
// Both files are replaced whole on every change (written beside and renamed over), so a crash
// loses at most the change in hand. A file that cannot be read or holds anything unexpected gives
// the defaults and one line on stderr; the next change writes a sound file again.

#include <QString>
#include <functional>
#include <optional>

#include "game/game_state.h"
#include "game/statistics.h"

namespace kov::ui {

// The settings panel's choices, the balance and the zoom, as the player left them.
struct GameOptions {
    int opponents = 1;
    int stake = 1;
    ScoringOption scoring = ScoringOption::Chi;
    HandOrder handOrder = HandOrder::BySuit;
    int points = 0;
    int zoom = 100;  // the table's zoom in per cent (View menu)
    bool operator==(const GameOptions&) const = default;
};

class Store {
  public:
    // The user's XDG folders (QStandardPaths' generic config and data locations).
    Store();
    // Explicit folders, created on the first write.
    Store(const QString& configFolder, const QString& dataFolder);

    QString settingsPath() const { return settingsPath_; }
    QString historyPath() const { return historyPath_; }

    // Receives each complaint, one line; the default writes it to stderr.
    std::function<void(const QString&)> warn;

    struct Loaded {
        std::optional<GameOptions> options;  // nothing when nothing sound is stored
        Statistics statistics;
    };
    // Reads both files. At most one complaint per file.
    Loaded load();

    // Replace the stored options or statistics (and write both files as they stand).
    void saveOptions(const GameOptions& options);
    void saveStatistics(const Statistics& statistics);

  private:
    void writeSettings();
    void writeHistory();
    void complain(const QString& path, const char* what);

    QString settingsPath_, historyPath_;
    std::optional<GameOptions> options_;
    Statistics statistics_;
    bool settingsFailed_ = false, historyFailed_ = false;  // complain once
};

}  // namespace kov::ui
