// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The balance history file: a header line, from version 2 on a line "deals N" with the deals the
// statistics counted when it was written, then one line a deal, oldest first: from version 3 on
// the balance the deal left and its gain ("46 6"), before that the balance alone. The gains of
// an older history are read from its balances (gainsOfBalances).

#include <QByteArray>
#include <optional>
#include <vector>

namespace kov::ui {

// The history as read: its balances and gains, and from version 2 on the deals it counted.
struct HistoryFile {
    std::vector<int> balances;
    std::vector<int> gains;  // as many as the balances
    std::optional<qint64> deals;
};

// Nothing when the bytes are not a history of ours, or a damaged one.
std::optional<HistoryFile> readHistory(const QByteArray& bytes);

// The file of these balances and gains, written when the statistics counted `deals` deals.
QByteArray historyText(const std::vector<int>& balances, const std::vector<int>& gains,
                       qint64 deals);

}  // namespace kov::ui
