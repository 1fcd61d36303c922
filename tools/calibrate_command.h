#pragma once
// `kovarin-engine calibrate`: a strategy's predicted value for its own choices beside what those
// choices take from the computer's seats on fresh deals, per opponent and deal.

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace kov::tool {

struct CalibrateArgs {
    std::string strategy = "strong";
    std::string holdings = "300";
    std::string seed = "1";
    std::string option = "chi";
    std::string threads = "1";
};

CLI::App* addCalibrateCommand(CLI::App& app, CalibrateArgs& args);
// Throws InputError on bad arguments. `progress`: a line on the error stream as holdings finish.
void runCalibrate(std::ostream& out, const CalibrateArgs& args, bool progress);

}  // namespace kov::tool
