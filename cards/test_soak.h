// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Test support: the case counts of property and oracle tests scale with KOVARIN_SOAK, a
// whole-number multiplier (1 when unset or unreadable): modest in ./test, large in a soak run.

#include <algorithm>
#include <cstdlib>

namespace kov {

inline int soakFactor() {
    const char* soak = std::getenv("KOVARIN_SOAK");
    const long factor = soak ? std::strtol(soak, nullptr, 10) : 1;
    return static_cast<int>(std::clamp(factor, 1L, 100000L));
}

inline int scaled(int base) {
    return base * soakFactor();
}

}  // namespace kov
