// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The records the settings file holds: the options, the statistics per scoring option and the
// balance of the last deal counted, read from its values and written as its text.

#include <QByteArray>
#include <QStringList>
#include <optional>

#include "game/statistics.h"
#include "ui/ini_file.h"
#include "ui/store.h"

namespace kov::ui {

struct SettingsRecords {
    std::optional<GameOptions> options;  // nothing when none are stored
    Statistics statistics;               // without balances: the history file holds those
    std::optional<int> lastBalance;      // the balance of the last deal counted, when stored
    std::optional<int> lastGain;         // and its gain
    bool ours = true;                    // false: no settings file of ours, nothing read
    QStringList lost;  // what was there but not sound, in the player's words; left at defaults
};

// The records of a settings file's values. Each is checked on its own (a scoring option's
// statistics as one, since they must add up): one that is not sound is left at its default and
// named in `lost`, the others stand.
SettingsRecords readSettingsRecords(const IniValues& values);

// The settings file for these options (when any) and statistics, the balance of their last deal
// included.
QByteArray settingsText(const std::optional<GameOptions>& options, const Statistics& statistics);

}  // namespace kov::ui
