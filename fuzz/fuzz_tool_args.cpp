// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tool's command lines: the input is split into words at newlines (a word may hold spaces, as
// a card list does) and handed over as argv. The tool either answers (exit 0, nothing on the error
// stream) or refuses (exit 2, one line on the error stream, nothing out); anything else is a
// finding.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tools/engine_tool.h"

// The arenas play as many deals as they are asked (1,000 by default), and deep and strong
// evaluate every holding over 1,000 simulated deals: only arenas of one or two deals without
// either are run, so every input stays quick. Values that are no number at all are run: the tool
// refuses them.
static bool smallArena(const std::vector<std::string>& words) {
    bool arena = false, strong = false, small = false, large = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        arena = arena || w == "arena" || w == "arena-table";
        strong =
            strong || w.find("strong") != std::string::npos || w.find("deep") != std::string::npos;
        std::string value;
        if (w == "--deals" && i + 1 < words.size())
            value = words[i + 1];
        else if (w.rfind("--deals=", 0) == 0)
            value = w.substr(8);
        else if (w != "--deals")
            continue;
        if (value.find_first_of("0123456789") == std::string::npos) continue;
        if (value == "1" || value == "2" || value == "0")
            small = true;
        else
            large = true;
    }
    return !arena || (!strong && small && !large);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words{"kovarin-engine"};
    std::string word;
    for (std::size_t i = 0; i <= size; ++i) {
        const char ch = i < size ? static_cast<char>(data[i]) : '\n';
        if (ch == '\n') {
            // The program sees each word only up to its first NUL, as a real argv would hold
            // it; the checks below must look at that same word.
            words.push_back(word.substr(0, word.find('\0')));  // empty words too
            word.clear();
        } else {
            word += ch;
        }
    }
    for (const std::string& w : words) {
        // bench runs a timed workload of seconds by design, and a path could name a file that
        // never ends (/dev/zero): neither says anything about the parsing.
        if (w == "bench" || w.find('/') != std::string::npos) return 0;
    }
    if (!smallArena(words)) return 0;
    if (words.size() > 64) return 0;

    std::vector<const char*> argv;
    for (const std::string& w : words)
        argv.push_back(w.c_str());
    std::istringstream in;  // settle without a file reads an empty standard input
    std::ostringstream out, err;
    const int status =
        kov::tool::runEngineTool(static_cast<int>(argv.size()), argv.data(), in, out, err);
    const std::string o = out.str(), e = err.str();
    const bool answered = status == 0 && e.empty();
    const bool refused = status == 2 && o.empty() && !e.empty() && e.find('\n') == e.size() - 1;
    if (!answered && !refused) std::abort();
    return 0;
}
