#pragma once
// `kovarin-engine bench`: a fixed workload timed end to end, with a digest of every result so
// that any change of behaviour shows at once.

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace kov::tool {

struct BenchArgs {
    std::string holdings = "200";
    std::string seeds = "3";
    std::string threads = "1";
};

CLI::App* addBenchCommand(CLI::App& app, BenchArgs& args);
// Throws InputError on bad counts.
void runBench(std::ostream& out, const BenchArgs& args);

// The digest alone (no timing), for tests: covers the arranged lists of `holdings` random
// holdings and `seeds` START GAMEs with three opponents under each option.
// reference = true runs the straightforward search and evaluation instead: the digest must agree.
std::string benchDigest(int holdings, int seeds, int threads, bool reference = false);

}  // namespace kov::tool
