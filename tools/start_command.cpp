// `kovarin-engine start`: one START GAME, the deal driver's report and every seat's arrangement.

#include <CLI/CLI.hpp>
#include <memory>

#include "deal/driver.h"
#include "tools/command_line.h"
#include "tools/commands.h"

namespace kov::tool {
namespace {

struct StartArgs {
    std::uint32_t seed = 1;
    int opponents = 1;
    ScoringOption option = ScoringOption::Chi;
};

void runStart(Context& ctx, const StartArgs& a) {
    Random rng(a.seed);
    Deal deal;
    SeatArrangements seats;
    Evaluator evaluator(ListCapacity, 0);  // every hardware thread; the result is the same
    const int n = a.opponents + 1;
    const DealReport r = startDeal(n, a.option, DefaultDealChoiceThreshold, deal, seats, rng,
                                   evaluator, evaluationProgress(ctx.progress, n));
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
    st->callback([&ctx, args] {
        ctx.refusals.raise();
        runStart(ctx, *args);
    });
}

}  // namespace kov::tool
