#include "game/arranging_notes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cards/card_text.h"
#include "cards/compare.h"
#include "cards/test_deck.h"
#include "game/game_flow.h"

namespace kov {
namespace {

// A table with the given front, middle and back laid out, nothing left in the hand row.
GameState laidOut(const CardSet& front, const CardSet& middle, const CardSet& back) {
    GameState g;
    std::size_t i = 0;
    for (const CardSet* hand : {&front, &middle, &back})
        for (CardIndex c : cardsOf(*hand))
            g.TableGrid[ArrangementRow][i++] = toFaceNumber(c);
    g.ArrangedCount = static_cast<int>(i);
    g.HandCount = 13 - g.ArrangedCount;
    return g;
}

TEST(ArrangingNotes, NamesFullHandsAndTheHandsOutOfOrder) {
    GameState g = laidOut(cardsFromText("Ah Ad 2c"), cardsFromText("3h 5d 7c 9s Jh"),
                          cardsFromText("Kh Kd 4c 4s 6h"));
    ArrangingNotes notes = arrangingNotes(g);
    EXPECT_EQ(notes.handNames[0], "a pair");
    EXPECT_EQ(notes.handNames[1], "trash");
    EXPECT_EQ(notes.handNames[2], "2 pairs");
    EXPECT_TRUE(notes.frontOverMiddle);
    EXPECT_FALSE(notes.middleOverBack);
    EXPECT_EQ(notes.warning, "Out of order: the front outranks the middle.");
    EXPECT_EQ(commitQuestion(g, RegularCommit),
              "Out of order: the front outranks the middle. REGULAR is then ILLEGAL and loses to "
              "every opponent. Commit anyway?");

    // Partly laid out: only the full hands are named, and no order is judged yet.
    g.TableGrid[ArrangementRow][4] = EmptyCell;
    g.ArrangedCount = 12;
    g.HandCount = 1;
    notes = arrangingNotes(g);
    EXPECT_EQ(notes.handNames[1], "");
    EXPECT_EQ(notes.handNames[2], "2 pairs");
    EXPECT_FALSE(notes.outOfOrder());
    EXPECT_EQ(notes.warning, "");
}

// The order the notes report is the rules' own verdict: out of order exactly when the rules
// mark the arrangement ILLEGAL, over many random layouts.
TEST(ArrangingNotes, OutOfOrderExactlyWhenTheRulesSayIllegal) {
    std::mt19937 rng(7);
    int illegal = 0, both = 0;
    for (int k = 0; k < 4000; ++k) {
        const TestDeck deck = shuffledDeck(rng);
        const DealtHands h = dealtHands(deck, 0);
        GameState g = laidOut(h.front, h.middle, h.back);
        const ArrangingNotes notes = arrangingNotes(g);
        Arrangement a;
        const bool legal = evaluateArrangement(a, h.front, h.middle, h.back);
        ASSERT_EQ(notes.outOfOrder(), !legal) << cardList(cardsOf(h.back));
        ASSERT_EQ(commitQuestion(g, RegularCommit).empty(), legal);
        illegal += !legal;
        both += notes.frontOverMiddle && notes.middleOverBack;
    }
    EXPECT_GT(illegal, 1000);
    EXPECT_GT(both, 10);
}

TEST(ArrangingNotes, SpecialsTheCardsMake) {
    // Three flushes, dealt in a mixed order: found whatever the layout.
    const CardSet flushes = cardsFromText("2h 9h Kh 3d 5d 7d 9d Jd 2c 4c 6c 8c Tc");
    EXPECT_EQ(specialsMade(flushes), std::vector<HandCategory>{cat::ThreeFlush});
    const CardSet straights = cardsFromText("Ah 2d 3c 4s 5h 6d 7c 8s 9h Td Jc Qs Kh");
    const std::vector<HandCategory> s = specialsMade(straights);
    EXPECT_NE(std::find(s.begin(), s.end(), cat::ThreeStraight), s.end());
    EXPECT_NE(std::find(s.begin(), s.end(), cat::ThirteenStraight), s.end());
    EXPECT_EQ(specialsLine(s), "Your cards make 3 STRAIGHT, 13 STRAIGHT.");
    const CardSet pairs = cardsFromText("Ah Ad 3c 3s 5h 5d 7c 7s 9h 9d Jc Js Kh");
    EXPECT_EQ(specialsMade(pairs), std::vector<HandCategory>{cat::SixPairs});
    // One card off the three straights: none.
    EXPECT_TRUE(specialsMade(cardsFromText("Ah 2d 3c 4s 5h 6d 7c 8s 9h Td Jc Qs Qh")).empty());
    EXPECT_EQ(specialsLine({}), "");
}

TEST(ArrangingNotes, QuestionsBeforeAClaimTheCardsDoNotSupport) {
    GameState g;
    const CardSet trash = cardsFromText("Ah 2d 4c 6s 8h Td Qc Ks 3h 5d 7c 9s Jh");
    g.HandCount = 13;
    std::size_t i = 0;
    for (CardIndex c : cardsOf(trash))
        g.TableGrid[HandRow][i++] = toFaceNumber(c);
    EXPECT_EQ(commitQuestion(g, cat::SixPairs),
              "Your cards do not make 6 PAIRS. The claim is ILLEGAL and loses to every opponent. "
              "Claim anyway?");
    // A supported claim needs no question, placed or not.
    GameState pairs = laidOut(cardsFromText("Ah Ad Kh"), cardsFromText("3c 3s 5h 5d 7c"),
                              cardsFromText("7s 9h 9d Jc Js"));
    EXPECT_EQ(commitQuestion(pairs, cat::SixPairs), "");
    // 3 flush the cards make, laid out otherwise.
    GameState flushes = laidOut(cardsFromText("2h 9h 3d"), cardsFromText("Kh 5d 7d 9d Jd"),
                                cardsFromText("2c 4c 6c 8c Tc"));
    EXPECT_EQ(commitQuestion(flushes, cat::ThreeFlush),
              "Your cards do not make 3 FLUSH as they are laid out. The claim is ILLEGAL and loses "
              "to every opponent. Claim anyway?");
}

}  // namespace
}  // namespace kov
