#include "tools/arena_command.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "deal/arena.h"
#include "tools/json_forms.h"
#include "tools/whole_number.h"

namespace kov::tool {
namespace {

// Each strategy's choices for 100,000 deals fit in a few tens of megabytes.
constexpr int MaxDeals = 100000;
constexpr int MaxThreads = 64;

std::uint64_t numberArg(const std::string& text, const char* option, std::uint64_t min,
                        std::uint64_t max) {
    if (const auto v = wholeNumber(text, 20); v && *v >= min && *v <= max) return *v;
    throw InputError{std::string("bad value for ") + option + ": '" + text +
                     "' (expected a whole number " + std::to_string(min) + ".." +
                     std::to_string(max) + ")"};
}

StrategyKind strategyArg(const std::string& text, const char* option) {
    if (const auto kind = strategyNamed(text)) return *kind;
    throw InputError{std::string("bad value for ") + option + ": '" + text +
                     "' (expected random, first, easy, normal, deep or strong)"};
}

struct Common {
    int deals;
    std::uint32_t seed;
    ScoringOption option;
    int threads;
};

Common commonArgs(const ArenaArgs& args) {
    Common c{};
    c.deals = static_cast<int>(numberArg(args.deals, "--deals", 1, MaxDeals));
    c.seed = static_cast<std::uint32_t>(numberArg(args.seed, "--seed", 0, 0xFFFFFFFFu));
    if (args.option == "chi")
        c.option = ScoringOption::Chi;
    else if (args.option == "set")
        c.option = ScoringOption::Set;
    else
        throw InputError{"bad value for --option: '" + args.option + "' (expected chi or set)"};
    c.threads = static_cast<int>(numberArg(args.threads, "--threads", 1, MaxThreads));
    return c;
}

std::function<void(int)> progressLine(bool enabled, int deals) {
    if (!enabled) return {};
    return [deals](int done) {
        std::cerr << "\rarena: " << done << "/" << deals << " deals" << (done == deals ? "\n" : "")
                  << std::flush;
    };
}

Json pairJson(const ArenaChoices& choices, int a, int b, const Common& c) {
    const ArenaResult r = scorePairing(choices, a, b, c.option);
    const auto name = [&](int k) {
        return std::string(strategyName(choices.kinds()[static_cast<std::size_t>(k)]));
    };
    return Json{{"a", name(a)},
                {"b", name(b)},
                {"option", c.option == ScoringOption::Chi ? "chi" : "set"},
                {"deals", r.Deals},
                {"mean", r.Mean},
                {"stddev", r.Stddev},
                {"ci95", Json::array({r.Low, r.High})}};
}

}  // namespace

ArenaCommands addArenaCommands(CLI::App& app, ArenaArgs& args) {
    const auto common = [&args](CLI::App* sub) {
        sub->add_option("--deals", args.deals, "duplicate deals (1..100000)");
        sub->add_option("--seed", args.seed, "seed (0..4294967295)");
        sub->add_option("--option", args.option, "chi or set");
        sub->add_option("--threads", args.threads, "threads (1..64); the result is the same");
    };
    auto* arena = app.add_subcommand(
        "arena",
        "Play duplicate heads-up deals between two strategies (random, first, easy, "
        "normal, deep, strong); A's points per deal");
    arena->add_option("--a", args.a, "strategy A")->required();
    arena->add_option("--b", args.b, "strategy B")->required();
    common(arena);
    auto* table =
        app.add_subcommand("arena-table",
                           "Every pairing of several strategies over the same deals, each holding "
                           "chosen once per strategy");
    table->add_option("--strategies", args.strategies,
                      "two or more of random, first, easy, normal, deep, strong, comma separated");
    common(table);
    return {arena, table};
}

void runArena(std::ostream& out, const ArenaArgs& args, bool progress) {
    const StrategyKind a = strategyArg(args.a, "--a");
    const StrategyKind b = strategyArg(args.b, "--b");
    const Common c = commonArgs(args);
    std::vector<StrategyKind> kinds{a};
    if (b != a) kinds.push_back(b);
    const ArenaChoices choices =
        playArena(kinds, c.deals, c.seed, c.option, c.threads, progressLine(progress, c.deals));
    out << pairJson(choices, 0, static_cast<int>(kinds.size()) - 1, c).dump() << '\n';
}

void runArenaTable(std::ostream& out, const ArenaArgs& args, bool progress) {
    std::vector<StrategyKind> kinds;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = args.strategies.find(',', start);
        const StrategyKind kind =
            strategyArg(args.strategies.substr(start, comma - start), "--strategies");
        if (std::find(kinds.begin(), kinds.end(), kind) != kinds.end())
            throw InputError{"bad value for --strategies: '" + std::string(strategyName(kind)) +
                             "' named twice"};
        kinds.push_back(kind);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (kinds.size() < 2) throw InputError{"bad value for --strategies: name at least two"};
    const Common c = commonArgs(args);
    const ArenaChoices choices =
        playArena(kinds, c.deals, c.seed, c.option, c.threads, progressLine(progress, c.deals));
    Json pairs = Json::array();
    for (int i = 0; i < static_cast<int>(kinds.size()); ++i)
        for (int j = i + 1; j < static_cast<int>(kinds.size()); ++j)
            pairs.push_back(pairJson(choices, i, j, c));
    out << Json{{"pairs", pairs}}.dump() << '\n';
}

}  // namespace kov::tool
