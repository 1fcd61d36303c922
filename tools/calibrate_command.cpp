// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// `kovarin-engine calibrate`: a strategy's predicted value for its own choices beside what those
// choices take from the computer's seats on fresh deals, per opponent and deal.

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "deal/calibrate.h"
#include "tools/command_line.h"
#include "tools/commands.h"

namespace kov::tool {
namespace {

constexpr int MaxHoldings = 100000;

const char* const PredictingStrategies = "easy, normal, deep, strong or expert";

struct CalibrateArgs {
    StrategyKind strategy{};
    int holdings = 300;
    std::uint32_t seed = 1;
    ScoringOption option = ScoringOption::Chi;
    int threads = 1;
};

std::optional<int> predictingStrategy(const std::string& text) {
    if (const auto kind = strategyNamed(text); kind && predictsValue(*kind))
        return static_cast<int>(*kind);
    return std::nullopt;
}

void runCalibrate(Context& ctx, const CalibrateArgs& args) {
    const CalibrationResult r =
        calibrate(args.strategy, args.holdings, args.seed, args.option, args.threads,
                  countProgress(ctx.progress, "calibrate", args.holdings, "holdings"));
    emit(ctx, Json{{"strategy", std::string(strategyName(args.strategy))},
                   {"option", args.option == ScoringOption::Chi ? "chi" : "set"},
                   {"holdings", r.Holdings},
                   {"predicted", r.Predicted},
                   {"realized", r.Realized},
                   {"difference", r.Difference},
                   {"ci95", Json::array({r.Low, r.High})}});
}

}  // namespace

void addCalibrateCommand(CLI::App& app, Context& ctx) {
    const auto args = std::make_shared<CalibrateArgs>();
    auto* sub = app.add_subcommand(
        "calibrate",
        "A strategy's predicted value for its choices against what they take from normal "
        "opponents on fresh deals (" +
            std::to_string(CalibrationDeals) + " per holding), per opponent and deal");
    sub->add_option("--strategy", args->strategy, PredictingStrategies)
        ->required()
        ->type_name("TEXT")
        ->transform(
            namedValue(ctx.refusals, "--strategy", predictingStrategy, PredictingStrategies));
    sub->add_option("--holdings", args->holdings, "holdings (1..100000)")
        ->required()
        ->type_name("TEXT")
        ->transform(wholeNumberIn(ctx.refusals, "--holdings", 1, MaxHoldings));
    addRunOptions(sub, ctx.refusals, args->seed, args->option, args->threads);
    sub->callback([&ctx, args] {
        ctx.refusals.raise();
        runCalibrate(ctx, *args);
    });
}

}  // namespace kov::tool
