#include "cards/classify.h"

#include <gtest/gtest.h>

#include <random>

#include "cards/card_text.h"

namespace kov {
namespace {

HandCategory five(const char* text) {
    return classifyFive(cardsFromText(text));
}
HandCategory front(const char* text) {
    return classifyFront(cardsFromText(text));
}

TEST(ClassifyFive, StraightsAndTheAce) {
    EXPECT_EQ(five("Ah 2d 3c 4s 5h"), cat::Straight);
    EXPECT_EQ(five("Ah 2h 3h 4h 5h"), cat::StraightFlush);
    EXPECT_EQ(five("Th Jd Qc Ks Ah"), cat::Straight);
    EXPECT_EQ(five("Jh Qd Kc As 2h"), cat::Trash);  // runs never wrap
    EXPECT_EQ(five("2h 3h 4h 5h 6h"), cat::StraightFlush);
    EXPECT_EQ(five("2h 4h 6h 8h Th"), cat::Flush);
}

TEST(ClassifyFive, RankPatterns) {
    EXPECT_EQ(five("7h 7d 7c 7s Kh"), cat::Quadruple);
    EXPECT_EQ(five("7h 7d 7c Ks Kh"), cat::FullHouse);
    EXPECT_EQ(five("7h 7d 7c Ks 2h"), cat::Triple);
    EXPECT_EQ(five("7h 7d Kc Ks 2h"), cat::TwoPairs);
    EXPECT_EQ(five("7h 7d Kc 5s 2h"), cat::Pair);
    EXPECT_EQ(five("7h 9d Kc 5s 2h"), cat::Trash);
}

TEST(ClassifyFront, OnlyTrashPairOrTriple) {
    EXPECT_EQ(front("7h 7d 7c"), cat::Triple);
    EXPECT_EQ(front("7h 7d Kc"), cat::Pair);
    EXPECT_EQ(front("Ah 2h 3h"), cat::Trash);  // a run or a flush is trash in the front
    EXPECT_EQ(front("4s 9s Js"), cat::Trash);
}

TEST(RunScan, ThreeCardRunsAndBrokenRuns) {
    EXPECT_TRUE(isStraight3(cardsFromText("Ah 2d 3c")));
    EXPECT_TRUE(isStraight3(cardsFromText("Qh Kd Ac")));
    EXPECT_FALSE(isStraight3(cardsFromText("Kh Ad 2c")));
    // A rank held twice breaks a run.
    EXPECT_FALSE(isStraight5(cardsFromText("4h 5d 6c 6s 7h")));
    EXPECT_TRUE(isStraightMask(0x1E01));
    EXPECT_FALSE(isStraightMask(0x1C03));  // J-Q-K-A-2
}

TEST(ClassifyFive, EveryFiveCardHandOfASampleIsConsistent) {
    // Category 9 never results, and the category agrees with a direct count of the ranks.
    std::mt19937 rng(7);
    for (int n = 0; n < 20000; ++n) {
        CardSet s;
        while (cardCount(s) < 5)
            addCard(s, static_cast<CardIndex>(rng() % 52));
        const HandCategory c = classifyFive(s);
        ASSERT_LE(c, cat::StraightFlush);
        int counts[5] = {};
        for (int r = 0; r < 13; ++r)
            ++counts[rankCount(s, r)];
        if (counts[4])
            EXPECT_EQ(c, cat::Quadruple);
        else if (counts[3] && counts[2])
            EXPECT_EQ(c, cat::FullHouse);
        else if (counts[3])
            EXPECT_TRUE(c == cat::Triple);
        else if (counts[2] == 2)
            EXPECT_EQ(c, cat::TwoPairs);
        else if (counts[2] == 1)
            EXPECT_EQ(c, cat::Pair);
        else
            EXPECT_TRUE(c == cat::Trash || c == cat::Straight || c == cat::Flush ||
                        c == cat::StraightFlush);
    }
}

}  // namespace
}  // namespace kov
