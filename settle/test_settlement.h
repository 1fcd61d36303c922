// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Test support: what every settlement keeps, whatever the seats hold. Each pairing is settled
// once for both seats (antisymmetric, zero against oneself), and no result exceeds what the
// payout tables allow: under the set option only the front carries the set's one point.

#include <gtest/gtest.h>

#include <cstdlib>

#include "settle/settlement.h"

namespace kov {

inline ::testing::AssertionResult settlementIsConsistent(const Settlement& s, int seats,
                                                         ScoringOption option) {
    const bool set = option == ScoringOption::Set;
    const struct {
        const char* name;
        const ResultMatrix& result;
        std::int32_t limit;
    } positions[] = {{"front", s.FrontResult, set ? 1 : 26},
                     {"middle", s.MiddleResult, set ? 0 : 10},
                     {"back", s.BackResult, set ? 0 : 5}};
    for (const auto& p : positions) {
        for (int i = 0; i < seats; ++i) {
            if (p.result[i][i] != 0)
                return ::testing::AssertionFailure()
                       << p.name << " of seat " << i << " against itself";
            for (int j = 0; j < seats; ++j) {
                if (p.result[i][j] != -p.result[j][i])
                    return ::testing::AssertionFailure()
                           << p.name << " of seats " << i << " and " << j << " not antisymmetric";
                if (std::abs(p.result[i][j]) > p.limit)
                    return ::testing::AssertionFailure()
                           << p.name << " of seats " << i << " and " << j << ": " << p.result[i][j]
                           << " beyond " << p.limit;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace kov
