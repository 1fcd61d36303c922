// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The engine tool's commands, one file each. Each adds its subcommand, typed options and the
// callback that runs it to `app`; the callback writes to ctx.out and throws InputError on bad
// input.

namespace CLI {
class App;
}

namespace kov::tool {

struct Context;

void addRngCommand(CLI::App& app, Context& ctx);           // rng_command.cpp
void addDealCommand(CLI::App& app, Context& ctx);          // deal_command.cpp
void addCheckCommand(CLI::App& app, Context& ctx);         // check_command.cpp
void addArrangeCommand(CLI::App& app, Context& ctx);       // arrange_command.cpp
void addEvaluateCommand(CLI::App& app, Context& ctx);      // evaluate_command.cpp
void addStartCommand(CLI::App& app, Context& ctx);         // start_command.cpp
void addSettleCommand(CLI::App& app, Context& ctx);        // settle_command.cpp
void addBenchCommand(CLI::App& app, Context& ctx);         // bench_command.cpp
void addArenaCommands(CLI::App& app, Context& ctx);        // arena_command.cpp: arena, arena-table
void addCalibrateCommand(CLI::App& app, Context& ctx);     // calibrate_command.cpp
void addExploitCommand(CLI::App& app, Context& ctx);       // exploit_command.cpp
void addExpertTablesCommand(CLI::App& app, Context& ctx);  // expert_tables_command.cpp

}  // namespace kov::tool
