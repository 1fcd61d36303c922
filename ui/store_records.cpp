#include "ui/store_records.h"

#include <limits>

#include "ui/zoom_steps.h"

namespace kov::ui {
namespace {

constexpr int FormatVersion = 1;

const char* const OptionGroups[] = {"chi", "set"};  // indexed by ScoringOption

// The computer's level as the settings file writes it, and back.
const char* strengthKey(Strength strength) {
    switch (strength) {
        case Strength::Easy:
            return "easy";
        case Strength::Hard:
            return "hard";
        case Strength::Normal:
            break;
    }
    return "normal";
}
std::optional<Strength> strengthNamed(const QString& key) {
    for (Strength s : {Strength::Easy, Strength::Normal, Strength::Hard})
        if (key == strengthKey(s)) return s;
    return std::nullopt;
}

// Options from the settings file; "bad" when present but not sound.
std::optional<GameOptions> readOptions(const IniValues& s, bool& bad) {
    if (!s.contains("options/opponents")) return std::nullopt;
    const auto opponents = s.number("options/opponents", 1, 3);
    const auto stake = s.number("options/stake", 1, 2);
    const QString scoring = s.value("options/scoring");
    const QString order = s.value("options/handOrder");
    const auto points = s.number("options/points", -PointsLimit, PointsLimit);
    // Files written before the zoom was kept have none: 100 %.
    const auto zoom = s.contains("options/zoom") ? s.number("options/zoom", 100, 200) : 100;
    // Files written before the computer's level was kept have none: normal.
    const QString strength =
        s.contains("options/strength") ? s.value("options/strength") : QStringLiteral("normal");
    const auto level = strengthNamed(strength);
    if (!opponents || !stake || !points || !zoom || !isZoomStep(static_cast<int>(*zoom)) ||
        !level || (scoring != "chi" && scoring != "set") ||
        (order != "suit" && order != "number")) {
        bad = true;
        return std::nullopt;
    }
    GameOptions o;
    o.opponents = static_cast<int>(*opponents);
    o.stake = static_cast<int>(*stake);
    o.scoring = scoring == "chi" ? ScoringOption::Chi : ScoringOption::Set;
    o.handOrder = order == "suit" ? HandOrder::BySuit : HandOrder::ByCardNumber;
    o.points = static_cast<int>(*points);
    o.zoom = static_cast<int>(*zoom);
    o.strength = *level;
    return o;
}

bool readOptionStatistics(const IniValues& s, const QString& group, OptionStatistics& out) {
    const qint64 most = std::numeric_limits<qint32>::max();
    const qint64 mostPoints = std::numeric_limits<qint64>::max();
    const auto played = s.number(group + "/played", 0, most);
    const auto won = s.number(group + "/won", 0, most);
    const auto lost = s.number(group + "/lost", 0, most);
    const auto tied = s.number(group + "/tied", 0, most);
    const auto pointsWon = s.number(group + "/pointsWon", 0, mostPoints);
    const auto pointsLost = s.number(group + "/pointsLost", 0, mostPoints);
    const auto best = s.number(group + "/best", -PointsLimit, PointsLimit);
    const auto worst = s.number(group + "/worst", -PointsLimit, PointsLimit);
    if (!played || !won || !lost || !tied || !pointsWon || !pointsLost || !best || !worst)
        return false;
    if (*won + *lost + *tied != *played || *best < *worst) return false;
    out = {*played,
           *won,
           *lost,
           *tied,
           *pointsWon,
           *pointsLost,
           static_cast<int>(*best),
           static_cast<int>(*worst)};
    return true;
}

}  // namespace

std::optional<SettingsRecords> readSettingsRecords(const IniValues& s) {
    if (s.number("version", FormatVersion, FormatVersion) == std::nullopt) return std::nullopt;
    SettingsRecords r;
    bool bad = false;
    r.options = readOptions(s, bad);
    for (std::size_t k = 0; k < 2 && !bad; ++k) {
        const QString group = QString("statistics/") + OptionGroups[k];
        if (s.contains(group + "/played"))
            bad = !readOptionStatistics(s, group, r.statistics.byOption[k]);
    }
    if (!bad && s.contains("history/last")) {
        const auto last = s.number("history/last", -PointsLimit, PointsLimit);
        if (last) r.lastBalance = static_cast<int>(*last);
        bad = !last;
    }
    if (bad) return std::nullopt;
    return r;
}

QByteArray settingsText(const std::optional<GameOptions>& options, const Statistics& statistics) {
    IniWriter t;
    t.line("version", FormatVersion);
    if (options) {
        t.group("options");
        t.line("opponents", options->opponents);
        t.line("stake", options->stake);
        t.line("scoring", options->scoring == ScoringOption::Chi ? "chi" : "set");
        t.line("handOrder", options->handOrder == HandOrder::BySuit ? "suit" : "number");
        t.line("points", options->points);
        t.line("zoom", options->zoom);
        t.line("strength", strengthKey(options->strength));
    }
    if (statistics.total().played > 0) t.group("statistics");
    for (std::size_t k = 0; k < 2; ++k) {
        const OptionStatistics& o = statistics.byOption[k];
        if (o.played == 0) continue;
        const QByteArray group = QByteArray(OptionGroups[k]) + "\\";
        t.line(group + "played", o.played);
        t.line(group + "won", o.won);
        t.line(group + "lost", o.lost);
        t.line(group + "tied", o.tied);
        t.line(group + "pointsWon", o.pointsWon);
        t.line(group + "pointsLost", o.pointsLost);
        t.line(group + "best", o.best);
        t.line(group + "worst", o.worst);
    }
    if (!statistics.balances.empty()) {
        t.group("history");
        t.line("last", statistics.balances.back());
    }
    return t.bytes();
}

}  // namespace kov::ui
