// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// `kovarin-engine start`: one START GAME, the deal driver's report and every seat's arrangement,
// the computer's seats at the chosen strength as the game plays them.

#include <CLI/CLI.hpp>
#include <cctype>
#include <memory>

#include "game/computer_seats.h"
#include "tools/command_line.h"
#include "tools/commands.h"

namespace kov::tool {
namespace {

struct StartArgs {
    std::uint32_t seed = 1;
    int opponents = 1;
    ScoringOption option = ScoringOption::Chi;
    Strength strength = DefaultStrength;
};

// "easy", "normal", "hard", "expert": the level's name as the settings show it, in lower case.
std::optional<int> strengthNamed(const std::string& text) {
    for (Strength s : AllStrengths) {
        std::string name(strengthName(s));
        for (char& c : name)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (text == name) return static_cast<int>(s);
    }
    return std::nullopt;
}

void runStart(Context& ctx, const StartArgs& a) {
    Random rng(a.seed);
    Deal deal;
    SeatArrangements seats;
    Evaluator evaluator(ListCapacity, 0);  // every hardware thread; the result is the same
    const int n = a.opponents + 1;
    const DealReport r = startDeal(n, a.option, DefaultDealChoiceThreshold, deal, seats, rng,
                                   evaluator, evaluationProgress(ctx.progress, n));
    Strategy strategy(strategyOf(a.strength));
    playComputerSeats(strategy, n, deal, seats, a.option);
    Json saved = Json::array(), values = Json::array(), order = Json::array(),
         arrangements = Json::array();
    for (const Holding& row : r.SavedDeal.Rows)
        saved.push_back(rowJson(row));
    for (std::size_t s = 0; s < static_cast<std::size_t>(n); ++s) {
        values.push_back(r.HoldingValue[s]);
        order.push_back(r.Order[s]);
        arrangements.push_back(arrangementJson(seats[s]));
    }
    emit(ctx, Json{{"saved", saved},
                   {"values", values},
                   {"order", order},
                   {"draws", r.Draws},
                   {"chosen", r.Chosen},
                   {"holding", rowJson(deal.Rows[0])},
                   {"arrangements", arrangements},
                   {"overflowed", r.Overflowed}});
}

}  // namespace

void addStartCommand(CLI::App& app, Context& ctx) {
    const auto args = std::make_shared<StartArgs>();
    auto* st = app.add_subcommand("start", "Run the deal driver of one START GAME");
    st->add_option("--seed", args->seed, "seed (0..4294967295)")
        ->required()
        ->type_name("TEXT")
        ->transform(wholeNumberIn(ctx.refusals, "--seed", 0, 0xFFFFFFFFu));
    st->add_option("--opponents", args->opponents, "1..3")
        ->required()
        ->type_name("TEXT")
        ->transform(wholeNumberIn(ctx.refusals, "--opponents", 1, 3));
    st->add_option("--option", args->option, "chi or set")
        ->required()
        ->type_name("TEXT")
        ->transform(scoringOptionName(ctx.refusals));
    st->add_option("--strength", args->strength,
                   "the computer's seats: easy, normal (the default), hard or expert")
        ->type_name("TEXT")
        ->transform(
            namedValue(ctx.refusals, "--strength", strengthNamed, "easy, normal, hard or expert"));
    st->callback([&ctx, args] {
        ctx.refusals.raise();
        runStart(ctx, *args);
    });
}

}  // namespace kov::tool
