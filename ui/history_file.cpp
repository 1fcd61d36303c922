#include "ui/history_file.h"

#include <QList>

#include "game/statistics.h"
#include "ui/store_records.h"

namespace kov::ui {
namespace {

constexpr const char* HistoryHeader = "kovarin32 balance history 2";
constexpr const char* FirstHistoryHeader = "kovarin32 balance history 1";

}  // namespace

std::optional<HistoryFile> readHistory(const QByteArray& bytes) {
    const QList<QByteArray> lines = bytes.split('\n');
    HistoryFile h;
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

QByteArray historyText(const std::vector<int>& balances, qint64 deals) {
    QByteArray bytes = QByteArray(HistoryHeader) + '\n';
    bytes += "deals " + QByteArray::number(deals) + '\n';
    for (int b : balances)
        bytes += QByteArray::number(b) + '\n';
    return bytes;
}

}  // namespace kov::ui
