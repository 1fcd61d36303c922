// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/store_records.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <limits>

#include "game/balance_limits.h"

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
        case Strength::Expert:
            return "expert";
        case Strength::Normal:
            break;
    }
    return "normal";
}
std::optional<Strength> strengthNamed(const QString& key) {
    for (Strength s : AllStrengths)
        if (key == strengthKey(s)) return s;
    return std::nullopt;
}

const char* const WindowStates[] = {"normal", "maximized", "fullscreen"};  // by WindowState
const char* const MotionSpeeds[] = {"off", "fast", "normal"};              // by MotionSpeed

// The table and its window; each key may be missing (options written before it was kept), and
// then stays at its default: the felt table, the built-in cards, the blue back, no size kept.
template <typename Take, typename Number>
void readTableOptions(GameOptions& o, const Take& take, const Number& number) {
    take("table", false, QT_TRANSLATE_NOOP("kov::ui::Store", "the table"), [&](const QString& v) {
        if (v != "felt" && v != "classic") return false;
        o.classicTable = v == "classic";
        return true;
    });
    // A deck's name is a folder's name: letters, digits, "-" and "_".
    take("deck", false, QT_TRANSLATE_NOOP("kov::ui::Store", "the cards"), [&](const QString& v) {
        static const QRegularExpression name("^[A-Za-z0-9_-]{1,64}$");
        if (!name.match(v).hasMatch()) return false;
        o.deck = v;
        return true;
    });
    take("back", false, QT_TRANSLATE_NOOP("kov::ui::Store", "the card back"),
         [&](const QString& v) {
             if (v != "blue" && v != "red") return false;
             o.back = v;
             return true;
         });
    const auto size = [&](const char* key, int& out) {
        take(key, false, QT_TRANSLATE_NOOP("kov::ui::Store", "the window's size"),
             [&](const QString&) { return number(key, 0, 100000, out); });
    };
    size("windowWidth", o.windowWidth);
    size("windowHeight", o.windowHeight);
    take("windowState", false, QT_TRANSLATE_NOOP("kov::ui::Store", "the window's size"),
         [&](const QString& v) {
             for (int k = 0; k < 3; ++k)
                 if (v == WindowStates[k]) {
                     o.windowState = static_cast<GameOptions::WindowState>(k);
                     return true;
                 }
             return false;
         });
    take("animation", false, QT_TRANSLATE_NOOP("kov::ui::Store", "the animation"),
         [&](const QString& v) {
             for (int k = 0; k < 3; ++k)
                 if (v == MotionSpeeds[k]) {
                     o.animation = static_cast<MotionSpeed>(k);
                     return true;
                 }
             return false;
         });
    take("sound", false, QT_TRANSLATE_NOOP("kov::ui::Store", "the sound"), [&](const QString& v) {
        if (v != "on" && v != "off") return false;
        o.sound = v == "on";
        return true;
    });
}

// Reads each option on its own: one that is there but not sound stays at its default and is
// named in `lost`. Options written before the zoom or the computer's level were kept have none:
// 100 % and normal, and nothing lost.
std::optional<GameOptions> readOptions(const IniValues& s, QStringList& lost) {
    if (!s.mentionsGroup("options")) return std::nullopt;
    GameOptions o;
    const auto take = [&](const char* key, bool needed, const char* name, auto read) {
        const QString k = QString("options/") + key;
        if (!needed && !s.mentions(k)) return;
        if (!read(s.value(k))) lost << QCoreApplication::translate("kov::ui::Store", name);
    };
    const auto number = [&](const QString& key, qint64 low, qint64 high, int& out) {
        const auto v = s.number("options/" + key, low, high);
        if (v) out = static_cast<int>(*v);
        return v.has_value();
    };
    take("opponents", true, QT_TRANSLATE_NOOP("kov::ui::Store", "the number of opponents"),
         [&](const QString&) { return number("opponents", 1, MostOpponents, o.opponents); });
    take("stake", true, QT_TRANSLATE_NOOP("kov::ui::Store", "the stake"),
         [&](const QString&) { return number("stake", 1, LargestStake, o.stake); });
    take("scoring", true, QT_TRANSLATE_NOOP("kov::ui::Store", "the scoring option"),
         [&](const QString& v) {
             if (v != "chi" && v != "set") return false;
             o.scoring = v == "chi" ? ScoringOption::Chi : ScoringOption::Set;
             return true;
         });
    take("handOrder", true, QT_TRANSLATE_NOOP("kov::ui::Store", "the hand order"),
         [&](const QString& v) {
             if (v != "suit" && v != "number") return false;
             o.handOrder = v == "suit" ? HandOrder::BySuit : HandOrder::ByCardNumber;
             return true;
         });
    take("points", true, QT_TRANSLATE_NOOP("kov::ui::Store", "the balance"),
         [&](const QString&) { return number("points", LowestBalance, HighestBalance, o.points); });
    take("zoom", false, QT_TRANSLATE_NOOP("kov::ui::Store", "the zoom"), [&](const QString&) {
        int zoom = 100;
        if (!number("zoom", 100, 200, zoom) || !isZoomStep(zoom)) return false;
        o.zoom = zoom;
        return true;
    });
    take("strength", false, QT_TRANSLATE_NOOP("kov::ui::Store", "the computer's level"),
         [&](const QString& v) {
             const auto level = strengthNamed(v);
             if (level) o.strength = *level;
             return level.has_value();
         });
    readTableOptions(o, take, number);
    return o;
}

// One scoring option's statistics, sound only as a whole: the deals add up, and every deal's
// gain lies within what a deal can move.
bool readOptionStatistics(const IniValues& s, const QString& group, OptionStatistics& out) {
    const qint64 most = std::numeric_limits<qint32>::max();
    const qint64 mostPoints = std::numeric_limits<qint64>::max();
    const auto played = s.number(group + "/played", 0, most);
    const auto won = s.number(group + "/won", 0, most);
    const auto lost = s.number(group + "/lost", 0, most);
    const auto tied = s.number(group + "/tied", 0, most);
    const auto pointsWon = s.number(group + "/pointsWon", 0, mostPoints);
    const auto pointsLost = s.number(group + "/pointsLost", 0, mostPoints);
    const auto best = s.number(group + "/best", -LargestDealGain, LargestDealGain);
    const auto worst = s.number(group + "/worst", -LargestDealGain, LargestDealGain);
    if (!played || !won || !lost || !tied || !pointsWon || !pointsLost || !best || !worst)
        return false;
    if (*won + *lost + *tied != *played || *best < *worst) return false;
    if (*pointsWon < *won || *pointsWon > *won * LargestDealGain || *pointsLost < *lost ||
        *pointsLost > *lost * LargestDealGain)
        return false;
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

const char* const LostStatistics[] = {
    QT_TRANSLATE_NOOP("kov::ui::Store", "the statistics of the chi option"),
    QT_TRANSLATE_NOOP("kov::ui::Store", "the statistics of the set option"),
};

// The balance and gain of the last deal counted, kept for mending the history.
void readLastDeal(const IniValues& s, SettingsRecords& r) {
    bool bad = false;
    if (s.mentions("history/last")) {
        const auto last = s.number("history/last", LowestBalance, HighestBalance);
        if (last) r.lastBalance = static_cast<int>(*last);
        bad = !last;
    }
    if (s.mentions("history/lastGain")) {
        const auto gain = s.number("history/lastGain", -LargestDealGain, LargestDealGain);
        if (gain) r.lastGain = static_cast<int>(*gain);
        bad = bad || !gain;
    }
    if (bad)
        r.lost << QCoreApplication::translate("kov::ui::Store", "the balance chart's last deal");
}

}  // namespace

SettingsRecords readSettingsRecords(const IniValues& s) {
    SettingsRecords r;
    if (s.number("version", FormatVersion, FormatVersion) == std::nullopt) {
        r.ours = false;
        return r;
    }
    r.options = readOptions(s, r.lost);
    for (std::size_t k = 0; k < 2; ++k) {
        const QString group = QString("statistics/") + OptionGroups[k];
        if (s.mentionsGroup(group) && !readOptionStatistics(s, group, r.statistics.byOption[k])) {
            r.statistics.byOption[k] = OptionStatistics{};
            r.lost << QCoreApplication::translate("kov::ui::Store", LostStatistics[k]);
        }
    }
    if (s.mentions("statistics/bought")) {
        const auto bought = s.number("statistics/bought", 0, std::numeric_limits<qint64>::max());
        if (bought)
            r.statistics.pointsBought = *bought;
        else
            r.lost << QCoreApplication::translate("kov::ui::Store", "the points bought");
    }
    readLastDeal(s, r);
    if (s.unreadableLines() > 0)
        r.lost << QCoreApplication::translate("kov::ui::Store", "lines the game could not read: %1")
                      .arg(s.unreadableLines());
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
        t.line("table", options->classicTable ? "classic" : "felt");
        t.line("deck", options->deck.toUtf8().constData());
        t.line("back", options->back.toUtf8().constData());
        if (options->windowWidth > 0 && options->windowHeight > 0) {
            t.line("windowWidth", options->windowWidth);
            t.line("windowHeight", options->windowHeight);
        }
        t.line("windowState", WindowStates[static_cast<int>(options->windowState)]);
        t.line("animation", MotionSpeeds[static_cast<int>(options->animation)]);
        t.line("sound", options->sound ? "on" : "off");
    }
    if (statistics.total().played > 0 || statistics.pointsBought > 0) t.group("statistics");
    if (statistics.pointsBought > 0) t.line("bought", statistics.pointsBought);
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
        if (!statistics.gains.empty()) t.line("lastGain", statistics.gains.back());
    }
    return t.bytes();
}

}  // namespace kov::ui
