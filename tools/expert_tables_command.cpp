// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// `kovarin-engine expert-tables`: the Expert's tables learned by fictitious play, written as the
// C++ source the program keeps (deal/expert_tables.inc).

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "deal/expert.h"
#include "tools/command_line.h"
#include "tools/commands.h"

namespace kov::tool {
namespace {

struct ExpertTablesArgs {
    int holdings = 40000;
    int rounds = 100;
    std::uint32_t seed = 1;
    int sample = 300;
    int threads = 1;
};

void writeCounts(std::ostream& out, const std::string& name, const ExpertCounts& c) {
    for (std::size_t s = 0; s < 3; ++s) {
        out << "constexpr RowCount " << name << "Row" << s << "[] = {\n";
        int column = 0;
        for (const RowCount& r : c.Rows[s]) {
            char entry[40];
            std::snprintf(entry, sizeof entry, "{0x%08xu, %u},", r.Key, r.Count);
            out << (column == 0 ? "    " : " ") << entry;
            if (++column == 4) {
                out << '\n';
                column = 0;
            }
        }
        if (c.Rows[s].empty()) out << "    {0, 0},";  // no hand at all: one entry that counts none
        out << (column == 0 && !c.Rows[s].empty() ? "" : "\n") << "};\n";
    }
    out << "constexpr ExpertData " << name << "Data{" << c.Total << "u, " << c.Outright << "u, "
        << c.OutrightPayout << "u, {" << name << "Row0, " << name << "Row1, " << name
        << "Row2}};\n";
}

void writeSample(std::ostream& out, const char* name, const std::vector<Arrangement>& sample) {
    out << "constexpr KeptArrangement " << name << "[] = {\n";
    for (const Arrangement& a : sample) {
        char entry[120];
        std::snprintf(entry, sizeof entry,
                      "    {0x%016llxu, 0x%016llxu, 0x%016llxu, {%u, %u, %u}},\n",
                      static_cast<unsigned long long>(packedMasks(a.back.cards)),
                      static_cast<unsigned long long>(packedMasks(a.middle.cards)),
                      static_cast<unsigned long long>(packedMasks(a.front.cards)),
                      static_cast<unsigned>(index(a.back.category)),
                      static_cast<unsigned>(index(a.middle.category)),
                      static_cast<unsigned>(index(a.front.category)));
        out << entry;
    }
    out << "};\n";
}

void runExpertTables(Context& ctx, const ExpertTablesArgs& args) {
    std::ostringstream out;
    out << "// SPDX-"
           "FileCopyrightText: 2026 The KOVARIN32 developers\n//\n"
        << "// SPDX-"
           "License-Identifier: GPL-3.0-or-later\n\n"
        << "// Made by: kovarin-engine expert-tables --holdings " << args.holdings << " --rounds "
        << args.rounds << " --seed " << args.seed << " --sample " << args.sample << "\n"
        << "// Per option: how often the learned play shows each hand key (category << 24 | "
           "tuple) at the back, the middle and the front;\n// the same of what the computer's "
           "seats play under the chi option (ChiComputer), and a sample of\n// their whole "
           "arrangements under the set option (SetComputerSample).\n";
    for (const ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
        const char* name = option == ScoringOption::Chi ? "Chi" : "Set";
        const std::string label =
            std::string("expert-tables ") + (option == ScoringOption::Chi ? "chi" : "set");
        const ExpertCounts counts =
            learnExpertCounts(args.holdings, args.rounds, args.seed, option, args.threads,
                              countProgress(ctx.progress, label.c_str(), args.rounds, "rounds"));
        writeCounts(out, name, counts);
    }
    const ComputerPlay computer =
        learnComputerPlay(args.holdings, args.seed, args.sample, args.threads);
    writeCounts(out, "ChiComputer", computer.Chi);
    writeSample(out, "SetComputerSample", computer.Set);
    ctx.out << out.str();
}

}  // namespace

void addExpertTablesCommand(CLI::App& app, Context& ctx) {
    const auto args = std::make_shared<ExpertTablesArgs>();
    auto* sub = app.add_subcommand(
        "expert-tables",
        "The Expert's tables learned by fictitious play, as the C++ source the program keeps "
        "(deal/expert_tables.inc)");
    sub->add_option("--holdings", args->holdings, "holdings learned from (1..1000000)")
        ->type_name("TEXT")
        ->transform(wholeNumberIn(ctx.refusals, "--holdings", 1, 1000000));
    sub->add_option("--rounds", args->rounds, "rounds of fictitious play (0..10000)")
        ->type_name("TEXT")
        ->transform(wholeNumberIn(ctx.refusals, "--rounds", 0, 10000));
    sub->add_option("--seed", args->seed, "seed (0..4294967295)")
        ->type_name("TEXT")
        ->transform(wholeNumberIn(ctx.refusals, "--seed", 0, 4294967295u));
    sub->add_option("--sample", args->sample,
                    "arrangements in the sample of the computer's play under the set option "
                    "(3..100000)")
        ->type_name("TEXT")
        ->transform(wholeNumberIn(ctx.refusals, "--sample", 3, 100000));
    sub->add_option("--threads", args->threads, "threads (1..64; the result does not depend on it)")
        ->type_name("TEXT")
        ->transform(wholeNumberIn(ctx.refusals, "--threads", 1, 64));
    sub->callback([&ctx, args] {
        ctx.refusals.raise();
        runExpertTables(ctx, *args);
    });
}

}  // namespace kov::tool
