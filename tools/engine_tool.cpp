// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/engine_tool.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <sstream>

#include "tools/command_line.h"
#include "tools/commands.h"

namespace kov::tool {
namespace {

// One line on the error stream: a value with a line break stays on one line.
int refuse(std::ostream& err, std::string message) {
    std::replace(message.begin(), message.end(), '\n', ' ');
    err << "kovarin-engine: " << message << '\n';
    return 2;
}

}  // namespace

int runEngineTool(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                  std::ostream& err, bool progressToTerminal) {
    std::ostringstream buffer;  // nothing reaches the output unless the command succeeds
    Context ctx{in, buffer, progressToTerminal, {}};

    CLI::App app{
        "KOVARIN32 engine tool: deals, checks, arranges, evaluates and settles hands. "
        "Cards are rank then suit (Ah, Td, 10c, 9\u2660)."};
    app.name("kovarin-engine");
    app.require_subcommand(1);
    addRngCommand(app, ctx);
    addDealCommand(app, ctx);
    addCheckCommand(app, ctx);
    addArrangeCommand(app, ctx);
    addEvaluateCommand(app, ctx);
    addStartCommand(app, ctx);
    addSettleCommand(app, ctx);
    addBenchCommand(app, ctx);
    addArenaCommands(app, ctx);
    addCalibrateCommand(app, ctx);
    addExploitCommand(app, ctx);
    addExpertTablesCommand(app, ctx);

    // The chosen command runs as its subcommand's callback, once CLI11 has accepted the line.
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        const CLI::App* target = &app;
        for (const CLI::App* sub : app.get_subcommands())
            target = sub;
        out << target->help();
        return 0;
    } catch (const CLI::ParseError& e) {
        return refuse(err, e.what());
    } catch (const InputError& e) {
        return refuse(err, e.message);
    }
    out << buffer.str();
    return 0;
}

}  // namespace kov::tool
