// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <unistd.h>

#include <iostream>

#include "tools/engine_tool.h"

int main(int argc, char** argv) {
    return kov::tool::runEngineTool(argc, argv, std::cin, std::cout, std::cerr, isatty(2) == 1);
}
