// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/calibrate.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kov {
namespace {

// The summary is the means and the 95 % interval of the per-holding differences.
TEST(Calibrate, SummaryOfTheDifferences) {
    const CalibrationResult r = summarizeCalibration({{1.0, 2.0}, {0.0, 0.0}, {0.5, 0.5}});
    EXPECT_EQ(r.Holdings, 3);
    EXPECT_DOUBLE_EQ(r.Predicted, 0.5);
    EXPECT_DOUBLE_EQ(r.Realized, 2.5 / 3);
    EXPECT_DOUBLE_EQ(r.Difference, 1.0 / 3);
    // Differences 1, 0, 0: sample standard deviation sqrt(1/3), half-width 1.96 sqrt(1/3) /
    // sqrt(3).
    EXPECT_NEAR(r.High - r.Difference, 1.96 / 3, 1e-12);
    EXPECT_NEAR(r.Difference - r.Low, 1.96 / 3, 1e-12);
}

// Every draw comes from the seed and the holding's number: the same result on any number of
// threads, and a realized set result per opponent within a set either way.
TEST(Calibrate, TheSameOnAnyNumberOfThreads) {
    const CalibrationResult one = calibrate(StrategyKind::Easy, 3, 9, ScoringOption::Set, 1);
    const CalibrationResult two = calibrate(StrategyKind::Easy, 3, 9, ScoringOption::Set, 2);
    EXPECT_EQ(one.Predicted, two.Predicted);
    EXPECT_EQ(one.Realized, two.Realized);
    EXPECT_EQ(one.Low, two.Low);
    EXPECT_LE(std::abs(one.Realized), 1.0);
    EXPECT_LE(std::abs(one.Predicted), 1.0);
    EXPECT_FALSE(predictsValue(StrategyKind::First));
    EXPECT_TRUE(predictsValue(StrategyKind::Strong));
}

}  // namespace
}  // namespace kov
