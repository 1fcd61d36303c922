// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The settle command's reader: any bytes on standard input, under both scoring options. The tool
// either settles (exit 0, JSON out, nothing on the error stream) or refuses (exit 2, one line on
// the error stream, nothing out); anything else is a finding.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "tools/engine_tool.h"

namespace {

void settle(const std::string& input, const char* option) {
    const char* argv[] = {"kovarin-engine", "settle", "--option", option};
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = kov::tool::runEngineTool(4, argv, in, out, err);
    const std::string o = out.str(), e = err.str();
    const bool settled = status == 0 && !o.empty() && e.empty();
    const bool refused = status == 2 && o.empty() && !e.empty() && e.find('\n') == e.size() - 1;
    if (!settled && !refused) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    settle(input, "chi");
    settle(input, "set");
    return 0;
}
