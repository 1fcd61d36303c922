// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// kovarin-engine: the scriptable face of the engine. JSON out (and in, for settle); bad input is
// refused with one line on the error stream and exit status 2, printing nothing else.

#include <iosfwd>

namespace kov::tool {

int runEngineTool(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                  std::ostream& err, bool progressToTerminal = false);

}  // namespace kov::tool
