// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// `kovarin-engine evaluate`: a holding's candidates with their totals over the simulated deals,
// as a computer seat evaluates them.

#include <CLI/CLI.hpp>
#include <memory>

#include "deal/evaluate.h"
#include "tools/command_line.h"
#include "tools/commands.h"

namespace kov::tool {
namespace {

struct EvaluateArgs {
    std::string holding;
    std::uint32_t seed = 1;
    ScoringOption option = ScoringOption::Chi;
};

void runEvaluate(Context& ctx, const EvaluateArgs& a) {
    Deal deal;
    deal.Rows[0] = holdingOf(parseSet(a.holding, "holding", 13));
    Random rng(a.seed);
    Evaluator evaluator(ListCapacity, 0);  // every hardware thread; the result is the same
    std::function<void(int)> step;
    if (const auto line = evaluationProgress(ctx.progress, 1))
        step = [line](int done) { line(0, done); };
    evaluator.evaluateHolding(deal, rng, a.option, step);
    Json candidates = Json::array();
    for (int i = 0; i < evaluator.candidates(0).count(); ++i)
        candidates.push_back(Json{{"arrangement", arrangementJson(evaluator.candidates(0)[i])},
                                  {"chi", evaluator.chiTotal(i)},
                                  {"set", evaluator.setTotal(i)}});
    emit(ctx, Json{{"candidates", candidates},
                   {"pairings", evaluator.pairingCount()},
                   {"overflowed", evaluator.overflowed()}});
}

}  // namespace

void addEvaluateCommand(CLI::App& app, Context& ctx) {
    const auto args = std::make_shared<EvaluateArgs>();
    auto* ev = app.add_subcommand("evaluate", "Evaluate a holding over simulated deals");
    ev->add_option("holding", args->holding, "13 cards")
        ->required()
        ->check(cardList(ctx.refusals, "holding", 13));
    ev->add_option("--seed", args->seed, "seed (0..4294967295)")
        ->required()
        ->type_name("TEXT")
        ->transform(wholeNumberIn(ctx.refusals, "--seed", 0, 0xFFFFFFFFu));
    ev->add_option("--option", args->option, "chi or set")
        ->required()
        ->type_name("TEXT")
        ->transform(scoringOptionName(ctx.refusals));
    ev->callback([&ctx, args] {
        ctx.refusals.raise();
        runEvaluate(ctx, *args);
    });
}

}  // namespace kov::tool
