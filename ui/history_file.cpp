// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/history_file.h"

#include <QList>

#include "game/balance_limits.h"
#include "game/statistics.h"

namespace kov::ui {
namespace {

constexpr const char* HistoryHeader = "kovarin32 balance history 3";
const char* const OlderHeaders[] = {"kovarin32 balance history 1", "kovarin32 balance history 2"};

// The version a header names; 0 when it is none of ours.
int headerVersion(const QByteArray& line) {
    if (line == HistoryHeader) return 3;
    for (int v = 1; v <= 2; ++v)
        if (line == OlderHeaders[v - 1]) return v;
    return 0;
}

std::optional<int> numberIn(const QByteArray& text, qint64 low, qint64 high) {
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    if (!ok || v < low || v > high) return std::nullopt;
    return static_cast<int>(v);
}

}  // namespace

std::optional<HistoryFile> readHistory(const QByteArray& bytes) {
    const QList<QByteArray> lines = bytes.split('\n');
    const int version = headerVersion(lines[0]);
    if (version == 0) return std::nullopt;
    HistoryFile h;
    qsizetype first = 1;
    if (version >= 2) {
        bool ok = false;
        const qint64 deals = lines.size() > 1 && lines[1].startsWith("deals ")
                                 ? lines[1].mid(6).toLongLong(&ok)
                                 : -1;
        if (!ok || deals < 0) return std::nullopt;
        h.deals = deals;
        first = 2;
    }
    for (qsizetype i = first; i < lines.size(); ++i) {
        if (lines[i].isEmpty() && i == lines.size() - 1) break;  // the final newline
        const QList<QByteArray> fields = lines[i].split(' ');
        if (fields.size() != (version >= 3 ? 2 : 1) || h.balances.size() >= BalanceHistoryLimit)
            return std::nullopt;
        const std::optional<int> balance = numberIn(fields[0], LowestBalance, HighestBalance);
        if (!balance) return std::nullopt;
        h.balances.push_back(*balance);
        if (version < 3) continue;
        const std::optional<int> gain = numberIn(fields[1], -LargestDealGain, LargestDealGain);
        if (!gain) return std::nullopt;
        h.gains.push_back(*gain);
    }
    if (version < 3) h.gains = gainsOfBalances(h.balances);
    // Fewer lines than deals is a history begun afresh after damage; more is damage.
    if (h.deals && static_cast<qint64>(h.balances.size()) > *h.deals) return std::nullopt;
    return h;
}

QByteArray historyText(const std::vector<int>& balances, const std::vector<int>& gains,
                       qint64 deals) {
    QByteArray bytes = QByteArray(HistoryHeader) + '\n';
    bytes += "deals " + QByteArray::number(deals) + '\n';
    for (std::size_t i = 0; i < balances.size(); ++i)
        bytes += QByteArray::number(balances[i]) + ' ' +
                 QByteArray::number(i < gains.size() ? gains[i] : 0) + '\n';
    return bytes;
}

}  // namespace kov::ui
