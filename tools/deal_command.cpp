// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// `kovarin-engine deal`: the deck dealt to four rows from a seed.

#include <CLI/CLI.hpp>
#include <memory>

#include "deal/dealing.h"
#include "tools/command_line.h"
#include "tools/commands.h"

namespace kov::tool {

void addDealCommand(CLI::App& app, Context& ctx) {
    const auto seed = std::make_shared<std::uint32_t>(1);
    auto* deal = app.add_subcommand("deal", "Deal the deck to four rows");
    deal->add_option("--seed", *seed, "seed (0..4294967295)")
        ->required()
        ->type_name("TEXT")
        ->transform(wholeNumberIn(ctx.refusals, "--seed", 0, 0xFFFFFFFFu));
    deal->callback([&ctx, seed] {
        ctx.refusals.raise();
        Random rng(*seed);
        Deal dealt;
        dealAllSeats(dealt, rng);
        Json rows = Json::array();
        for (const Holding& row : dealt.Rows)
            rows.push_back(rowJson(row));
        emit(ctx, Json{{"rows", rows}});
    });
}

}  // namespace kov::tool
