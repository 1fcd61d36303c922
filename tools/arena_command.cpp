// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// `kovarin-engine arena` and `arena-table`: duplicate heads-up matches between strategies, as
// points per deal with a 95 % interval.

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "deal/arena.h"
#include "tools/command_line.h"
#include "tools/commands.h"

namespace kov::tool {
namespace {

// Each strategy's choices for 100,000 deals fit in a few tens of megabytes.
constexpr int MaxDeals = 100000;

const char* const StrategyNames = "random, first, easy, normal, deep, strong or expert";

struct ArenaArgs {
    StrategyKind a{}, b{};
    std::string strategies = "random,first,easy,normal,strong";
    int deals = 1000;
    std::uint32_t seed = 1;
    ScoringOption option = ScoringOption::Chi;
    int threads = 1;
};

std::optional<int> strategyNumber(const std::string& text) {
    if (const auto kind = strategyNamed(text)) return static_cast<int>(*kind);
    return std::nullopt;
}

// "random,first,easy": two or more strategies, comma separated, none named twice.
std::vector<StrategyKind> strategyList(const std::string& text) {
    std::vector<StrategyKind> kinds;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string name = text.substr(start, comma - start);
        const auto kind = strategyNamed(name);
        if (!kind)
            throw InputError{"bad value for --strategies: '" + name + "' (expected " +
                             StrategyNames + ")"};
        if (std::find(kinds.begin(), kinds.end(), *kind) != kinds.end())
            throw InputError{"bad value for --strategies: '" + std::string(strategyName(*kind)) +
                             "' named twice"};
        kinds.push_back(*kind);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (kinds.size() < 2) throw InputError{"bad value for --strategies: name at least two"};
    return kinds;
}

Json pairJson(const ArenaChoices& choices, int a, int b, const ArenaArgs& args) {
    const ArenaResult r = scorePairing(choices, a, b, args.option);
    const auto name = [&](int k) {
        return std::string(strategyName(choices.kinds()[static_cast<std::size_t>(k)]));
    };
    return Json{{"a", name(a)},
                {"b", name(b)},
                {"option", args.option == ScoringOption::Chi ? "chi" : "set"},
                {"deals", r.Deals},
                {"mean", r.Mean},
                {"stddev", r.Stddev},
                {"ci95", Json::array({r.Low, r.High})}};
}

ArenaChoices play(Context& ctx, const std::vector<StrategyKind>& kinds, const ArenaArgs& args) {
    return playArena(kinds, args.deals, args.seed, args.option, args.threads,
                     countProgress(ctx.progress, "arena", args.deals, "deals"));
}

void runArena(Context& ctx, const ArenaArgs& args) {
    std::vector<StrategyKind> kinds{args.a};
    if (args.b != args.a) kinds.push_back(args.b);
    const ArenaChoices choices = play(ctx, kinds, args);
    emit(ctx, pairJson(choices, 0, static_cast<int>(kinds.size()) - 1, args));
}

void runArenaTable(Context& ctx, const ArenaArgs& args) {
    const std::vector<StrategyKind> kinds = strategyList(args.strategies);
    const ArenaChoices choices = play(ctx, kinds, args);
    Json pairs = Json::array();
    for (int i = 0; i < static_cast<int>(kinds.size()); ++i)
        for (int j = i + 1; j < static_cast<int>(kinds.size()); ++j)
            pairs.push_back(pairJson(choices, i, j, args));
    emit(ctx, Json{{"pairs", pairs}});
}

void addCommonOptions(CLI::App* sub, Context& ctx, ArenaArgs& args) {
    sub->add_option("--deals", args.deals, "duplicate deals (1..100000)")
        ->type_name("TEXT")
        ->transform(wholeNumberIn(ctx.refusals, "--deals", 1, MaxDeals));
    addRunOptions(sub, ctx.refusals, args.seed, args.option, args.threads);
}

}  // namespace

void addArenaCommands(CLI::App& app, Context& ctx) {
    const auto args = std::make_shared<ArenaArgs>();
    const auto strategy = [&ctx](const std::string& option) {
        return namedValue(ctx.refusals, option, strategyNumber, StrategyNames);
    };
    auto* arena = app.add_subcommand(
        "arena",
        "Play duplicate heads-up deals between two strategies (random, first, easy, "
        "normal, deep, strong, expert); A's points per deal");
    arena->add_option("--a", args->a, "strategy A")
        ->required()
        ->type_name("TEXT")
        ->transform(strategy("--a"));
    arena->add_option("--b", args->b, "strategy B")
        ->required()
        ->type_name("TEXT")
        ->transform(strategy("--b"));
    addCommonOptions(arena, ctx, *args);
    arena->callback([&ctx, args] {
        ctx.refusals.raise();
        runArena(ctx, *args);
    });

    auto* table =
        app.add_subcommand("arena-table",
                           "Every pairing of several strategies over the same deals, each holding "
                           "chosen once per strategy");
    table
        ->add_option(
            "--strategies", args->strategies,
            "two or more of random, first, easy, normal, deep, strong, expert, comma separated")
        ->check(CLI::Validator(
            [&ctx](const std::string& text) {
                try {
                    strategyList(text);
                } catch (const InputError& e) {
                    ctx.refusals.note(e.message);
                }
                return std::string();
            },
            ""));
    addCommonOptions(table, ctx, *args);
    table->callback([&ctx, args] {
        ctx.refusals.raise();
        runArenaTable(ctx, *args);
    });
}

}  // namespace kov::tool
