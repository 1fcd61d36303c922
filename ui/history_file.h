#pragma once
// The balance history file: a header line, from version 2 on a line "deals N" with the deals the
// statistics counted when it was written, then the balance after each deal, one a line, oldest
// first. A version 1 history is read as it stands.

#include <QByteArray>
#include <optional>
#include <vector>

namespace kov::ui {

// The history as read: its balances and, from version 2 on, the deals it counted.
struct HistoryFile {
    std::vector<int> balances;
    std::optional<qint64> deals;
};

// Nothing when the bytes are not a history of ours, or a damaged one.
std::optional<HistoryFile> readHistory(const QByteArray& bytes);

// The file of these balances, written when the statistics counted `deals` deals.
QByteArray historyText(const std::vector<int>& balances, qint64 deals);

}  // namespace kov::ui
