// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// `kovarin-engine settle`: arrangements read as JSON, settled as the game settles a deal, with
// the results view's rows.

#include <CLI/CLI.hpp>
#include <fstream>
#include <memory>

#include "cards/card_text.h"
#include "cards/category_claim.h"
#include "settle/result_rows.h"
#include "tools/command_line.h"
#include "tools/commands.h"

namespace kov::tool {
namespace {

constexpr std::size_t MaxInputBytes = 1 << 20;

struct SettleArgs {
    ScoringOption option = ScoringOption::Chi;
    std::string file;
};

std::string readAll(std::istream& in, const std::string& what) {
    std::string text;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > MaxInputBytes) throw InputError{what + ": input too long"};
    }
    return text;
}

// Checks one seat's arrangement read from JSON: its 13 cards in the forms the game writes, and
// categories no higher than its cards make.
CardSet validateSeat(const Arrangement& a, int seat) {
    const std::string where = "seats[" + std::to_string(seat) + "]";
    const CardSet all = unite(unite(a.back.cards, a.middle.cards), a.front.cards);
    if (cardCount(all) != 13)
        throw InputError{where + ": wrong number of cards: " + std::to_string(cardCount(all)) +
                         " (expected 13)"};
    const bool block = a.back.category >= cat::Reserved || a.middle.category >= cat::Reserved ||
                       a.front.category >= cat::Reserved;
    const bool allInEach = a.back.cards == all && a.middle.cards == all && a.front.cards == all;
    if (!(block && allInEach) && (cardCount(a.back.cards) != 5 || cardCount(a.middle.cards) != 5 ||
                                  cardCount(a.front.cards) != 3))
        throw InputError{where + ": hands must hold 5, 5 and 3 cards"};
    if (const auto e = categoryClaimError(a, seat)) throw InputError{where + "." + describe(*e)};
    return all;
}

Json readDocument(Context& ctx, const std::string& file) {
    std::string text;
    if (file.empty() || file == "-") {
        text = readAll(ctx.in, "standard input");
    } else {
        std::ifstream f(file, std::ios::binary);
        if (!f) throw InputError{"cannot read '" + file + "'"};
        text = readAll(f, file);
    }
    try {
        return Json::parse(text);
    } catch (const Json::parse_error& e) {
        throw InputError{std::string("malformed JSON: ") + e.what()};
    }
}

// The seats of {"seats": [arrangement, ...]}, each checked, no card in two of them.
int readSeats(const Json& doc, SeatArrangements& seats) {
    if (!doc.is_object() || !doc.contains("seats") || !doc.at("seats").is_array())
        throw InputError{"expected {\"seats\": [arrangement, ...]}"};
    const Json& list = doc.at("seats");
    if (list.size() < 2 || list.size() > 4)
        throw InputError{"wrong number of seats: " + std::to_string(list.size()) +
                         " (expected 2..4)"};
    CardSet used;
    const int n = static_cast<int>(list.size());
    for (int s = 0; s < n; ++s) {
        const std::string where = "seats[" + std::to_string(s) + "]";
        Arrangement& a = seats[static_cast<std::size_t>(s)];
        a = arrangementFromJson(list[static_cast<std::size_t>(s)], where);
        const CardSet all = validateSeat(a, s);
        requireDisjoint(used, all, where + " overlaps another seat");
        unionOf(used, used, all);
    }
    return n;
}

Json matrixJson(const ResultMatrix& m, int n) {
    Json rows = Json::array();
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        Json row = Json::array();
        for (std::size_t j = 0; j < static_cast<std::size_t>(n); ++j)
            row.push_back(m[i][j]);
        rows.push_back(row);
    }
    return rows;
}

Json resultRowJson(const ResultRows& r) {
    Json cards = Json::array(), faces = Json::array(), points = Json::array();
    for (int face : r.cards) {
        faces.push_back(face);
        cards.push_back(cardName(static_cast<CardIndex>(fromFaceNumber(face))));
    }
    for (int k = 0; k < r.pointsShown; ++k)
        points.push_back(r.points[static_cast<std::size_t>(k)]);
    return Json{{"names", r.names}, {"cards", cards}, {"faces", faces}, {"points", points}};
}

void runSettle(Context& ctx, const SettleArgs& a) {
    SeatArrangements seats;
    const int n = readSeats(readDocument(ctx, a.file), seats);
    Settlement settlement;
    settlement.settleDeal(seats, n, a.option);
    Json rows = Json::array();
    for (int s = 0; s < n; ++s)
        rows.push_back(
            resultRowJson(resultRow(settlement, seats[static_cast<std::size_t>(s)], s, a.option)));
    emit(ctx, Json{{"front", matrixJson(settlement.FrontResult, n)},
                   {"middle", matrixJson(settlement.MiddleResult, n)},
                   {"back", matrixJson(settlement.BackResult, n)},
                   {"rows", rows}});
}

}  // namespace

void addSettleCommand(CLI::App& app, Context& ctx) {
    const auto args = std::make_shared<SettleArgs>();
    auto* se = app.add_subcommand("settle", "Settle arrangements read as JSON");
    se->add_option("--option", args->option, "chi or set")
        ->required()
        ->type_name("TEXT")
        ->transform(scoringOptionName(ctx.refusals));
    se->add_option("file", args->file, "JSON file (standard input when absent)");
    se->callback([&ctx, args] {
        ctx.refusals.raise();
        runSettle(ctx, *args);
    });
}

}  // namespace kov::tool
