// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// `kovarin-engine bench`: a fixed workload timed end to end, with a digest of every result so
// that any change of behaviour shows at once.

#include <string>

namespace kov::tool {

// The command itself is added by addBenchCommand() (tools/commands.h).

// The digest alone (no timing), for tests: covers the arranged lists of `holdings` random
// holdings and `seeds` START GAMEs with three opponents under each option.
// reference = true runs the straightforward search and evaluation instead: the digest must agree.
std::string benchDigest(int holdings, int seeds, int threads, bool reference = false);

}  // namespace kov::tool
