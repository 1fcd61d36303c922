// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Test support: an ordinary arrangement from card texts, back first as the rules list the hands.

#include <gtest/gtest.h>

#include "cards/card_text.h"
#include "cards/compare.h"

namespace kov {

inline Arrangement regular(const char* back, const char* middle, const char* front) {
    Arrangement a;
    EXPECT_TRUE(
        evaluateArrangement(a, cardsFromText(front), cardsFromText(middle), cardsFromText(back)));
    return a;
}

}  // namespace kov
