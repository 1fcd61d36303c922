#pragma once
// The records the settings file holds: the options, the statistics per scoring option and the
// balance of the last deal counted, read from its values and written as its text.

#include <QByteArray>
#include <optional>

#include "game/statistics.h"
#include "ui/ini_file.h"
#include "ui/store.h"

namespace kov::ui {

constexpr qint64 PointsLimit = 1000000000;  // |points| beyond this is damage, not play

struct SettingsRecords {
    std::optional<GameOptions> options;  // nothing when none are stored
    Statistics statistics;               // without balances: the history file holds those
    std::optional<int> lastBalance;      // the balance of the last deal counted, when stored
};

// The records of a settings file's values; nothing when any of them is present but not sound.
std::optional<SettingsRecords> readSettingsRecords(const IniValues& values);

// The settings file for these options (when any) and statistics, the balance of their last deal
// included.
QByteArray settingsText(const std::optional<GameOptions>& options, const Statistics& statistics);

}  // namespace kov::ui
