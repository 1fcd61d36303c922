#include "tools/calibrate_command.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "deal/calibrate.h"
#include "tools/json_forms.h"
#include "tools/whole_number.h"

namespace kov::tool {
namespace {

constexpr int MaxHoldings = 100000;
constexpr int MaxThreads = 64;

std::uint64_t numberArg(const std::string& text, const char* option, std::uint64_t min,
                        std::uint64_t max) {
    if (const auto v = wholeNumber(text, 20); v && *v >= min && *v <= max) return *v;
    throw InputError{std::string("bad value for ") + option + ": '" + text +
                     "' (expected a whole number " + std::to_string(min) + ".." +
                     std::to_string(max) + ")"};
}

}  // namespace

CLI::App* addCalibrateCommand(CLI::App& app, CalibrateArgs& args) {
    auto* sub = app.add_subcommand(
        "calibrate",
        "A strategy's predicted value for its choices against what they take from normal "
        "opponents on fresh deals (" +
            std::to_string(CalibrationDeals) + " per holding), per opponent and deal");
    sub->add_option("--strategy", args.strategy, "easy, normal, deep or strong")->required();
    sub->add_option("--holdings", args.holdings, "holdings (1..100000)")->required();
    sub->add_option("--seed", args.seed, "seed (0..4294967295)");
    sub->add_option("--option", args.option, "chi or set");
    sub->add_option("--threads", args.threads, "threads (1..64); the result is the same");
    return sub;
}

void runCalibrate(std::ostream& out, const CalibrateArgs& args, bool progress) {
    const auto kind = strategyNamed(args.strategy);
    if (!kind || !predictsValue(*kind))
        throw InputError{"bad value for --strategy: '" + args.strategy +
                         "' (expected easy, normal, deep or strong)"};
    const int holdings = static_cast<int>(numberArg(args.holdings, "--holdings", 1, MaxHoldings));
    const auto seed = static_cast<std::uint32_t>(numberArg(args.seed, "--seed", 0, 0xFFFFFFFFu));
    ScoringOption option = ScoringOption::Chi;
    if (args.option == "set")
        option = ScoringOption::Set;
    else if (args.option != "chi")
        throw InputError{"bad value for --option: '" + args.option + "' (expected chi or set)"};
    const int threads = static_cast<int>(numberArg(args.threads, "--threads", 1, MaxThreads));
    std::function<void(int)> line;
    if (progress)
        line = [holdings](int done) {
            std::cerr << "\rcalibrate: " << done << "/" << holdings << " holdings"
                      << (done == holdings ? "\n" : "") << std::flush;
        };
    const CalibrationResult r = calibrate(*kind, holdings, seed, option, threads, line);
    out << Json{{"strategy", args.strategy},
                {"option", args.option},
                {"holdings", r.Holdings},
                {"predicted", r.Predicted},
                {"realized", r.Realized},
                {"difference", r.Difference},
                {"ci95", Json::array({r.Low, r.High})}}
               .dump()
        << '\n';
}

}  // namespace kov::tool
