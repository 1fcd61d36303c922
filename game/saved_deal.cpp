// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/saved_deal.h"

#include <charconv>
#include <map>
#include <vector>

#include "cards/classify.h"
#include "cards/special.h"

namespace kov {
namespace {

constexpr std::string_view Header = "kovarin32 deal 1";

TableHistory::Snapshot snapshotOfGrid(const TableGridType& grid) {
    TableHistory::Snapshot s{grid, 0, 0};
    for (int cell : grid[ArrangementRow])
        s.arranged += cell != EmptyCell;
    s.hand = HoldingSize - s.arranged;
    return s;
}

// ---- writing: "key=value", numbers separated by spaces ----

template <typename Numbers>
std::string numbers(const Numbers& values) {
    std::string out;
    for (const auto v : values) {
        if (!out.empty()) out += ' ';
        out += std::to_string(static_cast<long long>(v));
    }
    return out;
}

std::string gridText(const TableGridType& grid) {
    std::vector<int> cells;
    for (const auto& row : grid)
        cells.insert(cells.end(), row.begin(), row.end());
    return numbers(cells);
}

// Back, middle, front: each hand's category and its four suit masks.
std::string arrangementText(const Arrangement& a) {
    std::vector<int> v;
    for (const Hand* h : {&a.back, &a.middle, &a.front}) {
        v.push_back(static_cast<int>(index(h->category)));
        v.insert(v.end(), h->cards.mask.begin(), h->cards.mask.end());
    }
    return numbers(v);
}

// ---- reading ----

std::optional<std::vector<long long>> numbersIn(std::string_view text, std::size_t count) {
    std::vector<long long> out;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        long long v = 0;
        const auto [end, ec] = std::from_chars(text.data() + at, text.data() + text.size(), v);
        if (ec != std::errc() || (end != text.data() + text.size() && *end != ' '))
            return std::nullopt;
        out.push_back(v);
        at = static_cast<std::size_t>(end - text.data());
    }
    if (out.size() != count) return std::nullopt;
    return out;
}

std::optional<long long> numberIn(std::string_view text, long long lo, long long hi) {
    const auto v = numbersIn(text, 1);
    if (!v || (*v)[0] < lo || (*v)[0] > hi) return std::nullopt;
    return (*v)[0];
}

std::optional<TableGridType> gridIn(std::string_view text, const CardSet& holding) {
    const auto v = numbersIn(text, CellCount);
    if (!v) return std::nullopt;
    TableGridType grid;
    CardSet seen;
    int cards = 0;
    for (int cell = 0; cell < CellCount; ++cell) {
        const long long face = (*v)[static_cast<std::size_t>(cell)];
        grid[static_cast<std::size_t>(rowOf(cell))][static_cast<std::size_t>(columnOf(cell))] =
            static_cast<int>(face);
        if (face == EmptyCell) continue;
        if (face < 0 || face >= DeckSize) return std::nullopt;
        const auto card = static_cast<CardIndex>(fromFaceNumber(static_cast<int>(face)));
        if (hasCard(seen, card)) return std::nullopt;
        addCard(seen, card);
        ++cards;
    }
    if (cards != HoldingSize || !(seen == holding)) return std::nullopt;
    return grid;
}

// A computer seat's arrangement of exactly `cards`: the search's hands, each of its category, or
// a special holding (every category byte its number).
std::optional<Arrangement> arrangementIn(std::string_view text, const CardSet& cards) {
    const auto v = numbersIn(text, 15);
    if (!v) return std::nullopt;
    Arrangement a;
    std::size_t k = 0;
    for (Hand* h : {&a.back, &a.middle, &a.front}) {
        const long long c = (*v)[k++];
        constexpr auto top = static_cast<long long>(index(HandCategory::ThirteenStraightFlush));
        constexpr auto reserved = static_cast<long long>(index(HandCategory::Reserved));
        if (c < 0 || c > top || c == reserved) return std::nullopt;
        h->category = static_cast<HandCategory>(c);
        for (auto& m : h->cards.mask) {
            const long long mask = (*v)[k++];
            if (mask < 0 || mask >= (1 << RankCount)) return std::nullopt;
            m = static_cast<std::uint16_t>(mask);
        }
    }
    const CardSet all = unite(unite(a.back.cards, a.middle.cards), a.front.cards);
    if (!(all == cards)) return std::nullopt;
    if (isSpecialCategory(a.front.category))
        return a.back.category == a.front.category && a.middle.category == a.front.category
                   ? std::optional(a)
                   : std::nullopt;
    const bool ordinary = cardCount(a.back.cards) == 5 && cardCount(a.middle.cards) == 5 &&
                          cardCount(a.front.cards) == 3 &&
                          classifyFive(a.back.cards) == a.back.category &&
                          classifyFive(a.middle.cards) == a.middle.category &&
                          classifyFront(a.front.cards) == a.front.category;
    return ordinary ? std::optional(a) : std::nullopt;
}

std::optional<Strength> strengthIn(std::string_view text) {
    for (const Strength s : AllStrengths)
        if (strengthName(s) == text) return s;
    return std::nullopt;
}

}  // namespace

SavedDeal savedDealOf(const GameState& g, const TableHistory& history, std::uint32_t number,
                      bool practice, Strength strength, std::int64_t dealsBefore) {
    SavedDeal d;
    d.number = number;
    d.practice = practice;
    d.opponents = g.OpponentCount;
    d.stake = g.UnitStake;
    d.scoring = g.Scoring;
    d.strength = strength;
    d.dealsBefore = dealsBefore;
    d.holdings = g.Holdings;
    d.arrangements = g.Arrangements;
    d.handOrder = g.HandRowOrder;
    d.table = g.TableGrid;
    d.history = history;
    return d;
}

void resumeDeal(GameState& g, TableHistory& history, const SavedDeal& d) {
    g.OpponentCount = d.opponents;
    g.UnitStake = d.stake;
    g.Scoring = d.scoring;
    g.Holdings = d.holdings;
    g.Arrangements = d.arrangements;
    g.HandRowOrder = d.handOrder;
    const TableHistory::Snapshot s = snapshotOfGrid(d.table);
    g.TableGrid = s.grid;
    g.ArrangedCount = s.arranged;
    g.HandCount = s.hand;
    g.SelectedCell = -1;
    g.SettledPhase = Phase::Arranging;
    history = d.history;
}

std::string savedDealText(const SavedDeal& d) {
    std::string t(Header);
    t += '\n';
    const auto line = [&t](std::string_view key, const std::string& value) {
        t += key;
        t += '=';
        t += value;
        t += '\n';
    };
    line("number", std::to_string(d.number));
    line("practice", d.practice ? "1" : "0");
    line("opponents", std::to_string(d.opponents));
    line("stake", std::to_string(d.stake));
    line("option", d.scoring == ScoringOption::Set ? "set" : "chi");
    line("level", std::string(strengthName(d.strength)));
    line("deals-before", std::to_string(d.dealsBefore));
    for (const Holding& row : d.holdings.Rows)
        line("holding", numbers(row));
    for (const Arrangement& a : d.arrangements)
        line("arrangement", arrangementText(a));
    line("hand-order", d.handOrder == HandOrder::BySuit ? "suit" : "number");
    line("table", gridText(d.table));
    for (const TableHistory::Snapshot& s : d.history.undoList())
        line("undo", gridText(s.grid));
    for (const TableHistory::Snapshot& s : d.history.redoList())
        line("redo", gridText(s.grid));
    line("end", "");
    return t;
}

std::optional<SavedDeal> readSavedDeal(std::string_view text) {
    // The lines: each key once, except the rows, arrangements and moves, which keep their order.
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    if (lines.empty() || lines.front() != Header) return std::nullopt;
    std::map<std::string_view, std::vector<std::string_view>> values;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view l = lines[i];
        const std::size_t eq = l.find('=');
        if (eq == std::string_view::npos) return std::nullopt;
        values[l.substr(0, eq)].push_back(l.substr(eq + 1));
    }
    const auto one = [&values](std::string_view key) -> std::optional<std::string_view> {
        const auto it = values.find(key);
        if (it == values.end() || it->second.size() != 1) return std::nullopt;
        return it->second.front();
    };
    // A file cut short misses its last line.
    if (!one("end") || !one("number") || !one("practice") || !one("opponents") || !one("stake") ||
        !one("option") || !one("level") || !one("deals-before") || !one("hand-order") ||
        !one("table"))
        return std::nullopt;
    SavedDeal d;
    const auto number = numberIn(*one("number"), 0, 0xFFFFFFFFll);
    const auto practice = numberIn(*one("practice"), 0, 1);
    const auto opponents = numberIn(*one("opponents"), 1, 3);
    const auto stake = numberIn(*one("stake"), 1, 2);
    const auto dealsBefore = numberIn(*one("deals-before"), 0, 1ll << 62);
    const auto strength = strengthIn(*one("level"));
    const std::string_view option = *one("option"), order = *one("hand-order");
    if (!number || !practice || !opponents || !stake || !dealsBefore || !strength ||
        (option != "chi" && option != "set") || (order != "suit" && order != "number"))
        return std::nullopt;
    d.number = static_cast<std::uint32_t>(*number);
    d.practice = *practice == 1;
    d.opponents = static_cast<int>(*opponents);
    d.stake = static_cast<int>(*stake);
    d.dealsBefore = *dealsBefore;
    d.strength = *strength;
    d.scoring = option == "set" ? ScoringOption::Set : ScoringOption::Chi;
    d.handOrder = order == "suit" ? HandOrder::BySuit : HandOrder::ByCardNumber;

    // Four rows of the dealt cards, no card twice; row 0 is the player's.
    const auto& rows = values["holding"];
    const auto& arrangements = values["arrangement"];
    if (rows.size() != 4 || arrangements.size() != 4) return std::nullopt;
    CardSet dealt;  // the player's cards, then the computer seats' too
    for (std::size_t r = 0; r < 4; ++r) {
        const auto v = numbersIn(rows[r], HoldingSize);
        if (!v) return std::nullopt;
        for (std::size_t i = 0; i < HoldingSize; ++i) {
            if ((*v)[i] < 0 || (*v)[i] >= DeckSize) return std::nullopt;
            d.holdings.Rows[r][i] = static_cast<CardIndex>((*v)[i]);
        }
        if (r == 0) dealt = setOf(d.holdings.Rows[0]);
    }
    if (cardCount(dealt) != HoldingSize) return std::nullopt;
    // Seat 0's arrangement is the computer's for the player's cards; each computer seat in play
    // arranges 13 cards of its own. The seats out of play hold nothing.
    for (std::size_t s = 0; s <= static_cast<std::size_t>(d.opponents); ++s) {
        const auto v = numbersIn(arrangements[s], 15);
        if (!v) return std::nullopt;
        CardSet cards;
        for (std::size_t hand = 0; hand < 3; ++hand)
            for (std::size_t suit = 0; suit < SuitCount; ++suit)
                cards.mask[suit] |= static_cast<std::uint16_t>((*v)[hand * 5 + 1 + suit] & 0x1FFF);
        CardSet shared;
        intersectionOf(shared, cards, dealt);
        if (s > 0 && (cardCount(cards) != HoldingSize || !isEmpty(shared))) return std::nullopt;
        const auto sound = arrangementIn(arrangements[s], s == 0 ? dealt : cards);
        if (!sound) return std::nullopt;
        d.arrangements[s] = *sound;
        if (s > 0) dealt = unite(dealt, cards);
    }
    const CardSet holding = setOf(d.holdings.Rows[0]);
    const auto table = gridIn(*one("table"), holding);
    if (!table) return std::nullopt;
    d.table = *table;
    std::vector<TableHistory::Snapshot> undo, redo;
    for (const auto& [key, list] : {std::pair{"undo", &undo}, std::pair{"redo", &redo}})
        for (const std::string_view v : values[key]) {
            const auto grid = gridIn(v, holding);
            if (!grid) return std::nullopt;
            list->push_back(snapshotOfGrid(*grid));
        }
    d.history = TableHistory(std::move(undo), std::move(redo));
    for (const auto& [key, list] : values)
        if (key != "undo" && key != "redo" && key != "holding" && key != "arrangement" &&
            list.size() != 1)
            return std::nullopt;
    return d;
}

}  // namespace kov
