// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// `kovarin-engine rng`: the generator's numbers from a seed.

#include <CLI/CLI.hpp>
#include <memory>

#include "deal/random.h"
#include "tools/command_line.h"
#include "tools/commands.h"

namespace kov::tool {

void addRngCommand(CLI::App& app, Context& ctx) {
    struct Args {
        std::uint32_t seed = 1;
        int count = 10;
    };
    const auto args = std::make_shared<Args>();
    auto* rng = app.add_subcommand("rng", "Print the generator's numbers as a JSON array");
    rng->add_option("--seed", args->seed, "seed (0..4294967295)")
        ->required()
        ->type_name("TEXT")
        ->transform(wholeNumberIn(ctx.refusals, "--seed", 0, 0xFFFFFFFFu));
    rng->add_option("--count", args->count, "how many numbers (0..1000000)")
        ->required()
        ->type_name("TEXT")
        ->transform(wholeNumberIn(ctx.refusals, "--count", 0, 1000000));
    rng->callback([&ctx, args] {
        ctx.refusals.raise();
        Random random(args->seed);
        Json out = Json::array();
        for (int i = 0; i < args->count; ++i)
            out.push_back(random.nextRandom());
        emit(ctx, out);
    });
}

}  // namespace kov::tool
