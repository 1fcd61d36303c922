// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/dealing.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kov {
namespace {

TEST(Random, KnownSequences) {
    Random one(1);
    for (int expected : {41, 18467, 6334, 26500, 19169})
        EXPECT_EQ(one.nextRandom(), expected);
    Random zero(0);
    for (int expected : {38, 7719, 21238})
        EXPECT_EQ(zero.nextRandom(), expected);
}

TEST(DealAllSeats, WholeDeckOnceAndRepeatable) {
    for (std::uint32_t seed : {0u, 1u, 99u, 0xFFFFFFFFu}) {
        Deal a, b;
        Random r1(seed), r2(seed);
        dealAllSeats(a, r1);
        dealAllSeats(b, r2);
        EXPECT_EQ(a, b);
        EXPECT_EQ(r1.state(), r2.state());
        std::array<int, 52> seen{};
        for (const auto& row : a.Rows)
            for (CardIndex c : row)
                ++seen[c];
        EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](int n) { return n == 1; }));
    }
}

TEST(DealAllSeats, DrawsFiftyTwoNumbersAndFillsRowsInDrawOrder) {
    Deal d;
    Random r(5), check(5);
    dealAllSeats(d, r);
    for (int k = 0; k < 52; ++k)
        check.nextRandom();
    EXPECT_EQ(r.state(), check.state());
    // The first draw from the ordered pile takes card (first number mod 52).
    Random first(5);
    EXPECT_EQ(d.Rows[0][0], first.nextRandom() % 52);
}

TEST(RedealUnseen, KeepsRowZeroAndDealsTheOtherCards) {
    Deal d;
    Random r(42);
    dealAllSeats(d, r);
    for (int n = 0; n < 50; ++n) {
        const Holding row0 = d.Rows[0];
        const Random before = r;
        EXPECT_TRUE(redealUnseen(d, r));
        EXPECT_EQ(d.Rows[0], row0);
        EXPECT_TRUE(checkDeal(d));
        Random expect = before;
        for (int k = 0; k < 39; ++k)
            expect.nextRandom();
        EXPECT_EQ(r.state(), expect.state());
    }
}

TEST(RedealUnseen, CompactedPileOrder) {
    // Row 0 holds cards 0..12 (all hearts): every hole is filled with the highest card left, so
    // the pile is 51, 50, ..., 39 then 13..38, and the first draw with number x takes pile[x % 39].
    Deal d;
    for (int i = 0; i < 13; ++i)
        d.Rows[0][i] = static_cast<CardIndex>(i);
    Random r(3), peek(3);
    redealUnseen(d, r);
    const int x = peek.nextRandom() % 39;
    const int expected = x < 13 ? 51 - x : x;
    EXPECT_EQ(d.Rows[1][0], expected);
}

TEST(CheckDeal, DetectsARepeatedCard) {
    Deal d;
    Random r(8);
    dealAllSeats(d, r);
    d.Rows[3][12] = d.Rows[0][0];
    EXPECT_FALSE(checkDeal(d));
}

TEST(CheckDeal, RejectsACardOutsideTheDeck) {
    Deal d;
    Random r(8);
    dealAllSeats(d, r);
    ASSERT_TRUE(checkDeal(d));
    for (int c : {52, 63, 64, 255}) {
        Deal bad = d;
        bad.Rows[2][5] = static_cast<CardIndex>(c);
        EXPECT_FALSE(checkDeal(bad)) << c;
    }
}

TEST(RedealUnseen, SurvivesARowZeroWithARepeatedCard) {
    Deal d;
    for (int i = 0; i < 13; ++i)
        d.Rows[0][i] = static_cast<CardIndex>(i);
    d.Rows[0][12] = 0;
    Random r(1);
    EXPECT_FALSE(redealUnseen(d, r));  // the check reports it; nothing runs out of bounds
}

}  // namespace
}  // namespace kov
