#pragma once
// `kovarin-engine arena` and `arena-table`: duplicate heads-up matches between strategies, as
// points per deal with a 95 % interval.

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace kov::tool {

struct ArenaArgs {
    std::string a, b;
    std::string strategies = "random,first,easy,normal,strong";
    std::string deals = "1000";
    std::string seed = "1";
    std::string option = "chi";
    std::string threads = "1";
};

struct ArenaCommands {
    CLI::App* arena;
    CLI::App* table;
};
ArenaCommands addArenaCommands(CLI::App& app, ArenaArgs& args);
// Throw InputError on bad arguments. `progress`: a line on the error stream as deals finish.
void runArena(std::ostream& out, const ArenaArgs& args, bool progress);
void runArenaTable(std::ostream& out, const ArenaArgs& args, bool progress);

}  // namespace kov::tool
