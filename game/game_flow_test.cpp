// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/game_flow.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "cards/card_text.h"
#include "cards/compare.h"
#include "cards/special.h"
#include "game/table_clicks.h"

namespace kov {
namespace {

TEST(PointsNeeded, ChiAndSetOptions) {
    GameState g;
    EXPECT_EQ(pointsNeeded(g), 18);
    g.OpponentCount = 3;
    g.UnitStake = 2;
    g.PlayerPoints = 107;
    EXPECT_EQ(pointsNeeded(g), 1);
    g.PlayerPoints = 108;
    EXPECT_EQ(pointsNeeded(g), 0);
    GameState set;
    set.Scoring = ScoringOption::Set;
    set.PlayerPoints = 1;
    EXPECT_EQ(pointsNeeded(set), 0);
    set.PlayerPoints = -4;
    EXPECT_EQ(pointsNeeded(set), 5);
}

TEST(GameCycle, StartCommitShowAccept) {
    GameState g;
    Random rng(11);
    Evaluator evaluator;
    startUp(g, rng);
    rng.seedRandom(11);
    g.PlayerPoints = 40;
    startGame(g, rng, evaluator);
    EXPECT_EQ(g.phase(), Phase::Arranging);
    EXPECT_EQ(g.HandCount, 13);
    EXPECT_EQ(commitRefusal(g, Commit::regular()), CommitRefusal::ArrangeCards);
    EXPECT_EQ(commitRefusal(g, Commit::of(cat::ThreeStraight)),
              CommitRefusal::ArrangeThreeStraights);
    EXPECT_EQ(commitRefusal(g, Commit::of(cat::ThreeFlush)), CommitRefusal::ArrangeThreeFlushes);
    EXPECT_EQ(commitRefusal(g, Commit::of(cat::SixPairs)), CommitRefusal::None);
    if (g.Arrangements[0].back.category <= cat::StraightFlush) {
        // The computer's own choice for the player's cards is a legal arrangement.
        sortHandRow(g);  // as the window shows the hand row
        placeByClicks(g, tableOrder(g.Arrangements[0]), [&](int row, int column) {
            clickCell(g, row, column);
            sortHandRow(g);
        });
        EXPECT_EQ(g.HandCount, 0);
        EXPECT_EQ(commitRefusal(g, Commit::regular()), CommitRefusal::None);
        commitArrangement(g, Commit::regular());
        EXPECT_NE(g.Arrangements[0].back.category, IllegalMarker);
    } else {
        commitArrangement(g, Commit::of(cat::SixPairs));
    }
    EXPECT_EQ(g.phase(), Phase::Results);
    const ResultsView view = showResults(g);
    const ResultsView again = showResults(g);
    EXPECT_EQ(g.PendingPoints, 40 + view.gain);
    EXPECT_EQ(again.gain, view.gain);  // repainting does not move the balance
    // The player's and one opponent's 13 cards, each card once.
    ASSERT_EQ(view.opponents.size(), 1u);
    std::vector<int> faces(view.player.rows.cards.begin(), view.player.rows.cards.end());
    faces.insert(faces.end(), view.opponents[0].rows.cards.begin(),
                 view.opponents[0].rows.cards.end());
    std::sort(faces.begin(), faces.end());
    EXPECT_GE(faces.front(), 0);
    EXPECT_EQ(std::adjacent_find(faces.begin(), faces.end()), faces.end());
    acceptResults(g);
    EXPECT_EQ(g.PlayerPoints, 40 + view.gain);
    EXPECT_EQ(g.phase(), Phase::Settings);
}

SeatArrangements fixedSeats(GameState& g) {
    SeatArrangements seats;
    evaluateArrangement(seats[1], cardsFromText("Qs Jc 7c"), cardsFromText("Ks Kc Tc 8h 6h"),
                        cardsFromText("2h 3d 4h 5h 6d"));
    g.OpponentCount = 1;
    return seats;
}

// All 13 cards on the arrangement row in the order given: front, middle, back.
void placeAll(GameState& g, const char* cards) {
    const ParsedCards parsed = parseCards(cards);
    ASSERT_EQ(parsed.cards.size(), 13u) << parsed.error;
    for (int i = 0; i < 13; ++i)
        g.TableGrid[ArrangementRow][static_cast<std::size_t>(i)] =
            toFaceNumber(parsed.cards[static_cast<std::size_t>(i)]);
    g.TableGrid[HandRow].fill(EmptyCell);
    g.HandCount = 0;
    g.ArrangedCount = 13;
}

TEST(ShowResults, ChiTotalsAndBalanceLabel) {
    GameState g;
    g.Arrangements = fixedSeats(g);
    g.UnitStake = 2;
    g.PlayerPoints = 10;
    // Front pair beats trash (+1), middle pair of queens loses to kings (-1), back quadruple +4.
    placeAll(g, "9d 9c Ah  Qh Qd 2c 3s 4d  7h 7d 7s 7c 8d");
    commitArrangement(g, Commit::regular());
    const ResultsView view = showResults(g);
    EXPECT_EQ(view.gain, (1 - 1 + 4) * 2);
    EXPECT_EQ(view.totalTerms, (std::vector<int>{1, -1, 4}));  // (1-1+4) x 2 points = +8
    EXPECT_EQ(view.stake, 2);
    EXPECT_EQ(view.player.handLines,
              (std::vector<HandLine>{{cat::Pair, 1}, {cat::Pair, -1}, {cat::Quadruple, 4}}));
    EXPECT_EQ(view.player.verdict, std::nullopt);
    EXPECT_EQ(view.pointsBefore, 10);  // points 10 +8 = 18
    EXPECT_EQ(view.pointsAfter, 18);
    // Seat 1 shows its own result against the player: it lost the front and the back and won
    // the middle with its kings. The rows keep the player's view.
    ASSERT_EQ(view.opponents.size(), 1u);
    EXPECT_EQ(view.opponents[0].handLines,
              (std::vector<HandLine>{{cat::Trash, -1}, {cat::Pair, 1}, {cat::Straight, -4}}));
    EXPECT_EQ(view.opponents[0].rows.points[2], 4);
}

// One sign convention under both options: a seat that wins shows a positive number, whether it
// wins a hand (chi option) or the whole set (set option).
TEST(ShowResults, OpponentThatWinsShowsPositiveUnderBothOptions) {
    for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
        GameState g;
        g.Arrangements = fixedSeats(g);
        g.Scoring = option;
        // Every hand loses to seat 1 (Q-J-7, kings, a straight): a nine-high front, a pair of
        // fives in the middle, a pair of jacks at the back.
        placeAll(g, "9h 2c 3s  5s 5d 9c Ts 4d  Jh Jd As 7d 8d");
        commitArrangement(g, Commit::regular());
        const ResultsView view = showResults(g);
        ASSERT_NE(g.Arrangements[0].back.category, IllegalMarker);
        const SeatResult& opponent = view.opponents[0];
        if (option == ScoringOption::Chi) {
            for (const HandLine& line : opponent.handLines)
                EXPECT_GT(line.score, 0);
            EXPECT_EQ(opponent.handLines[1], (HandLine{cat::Pair, 1}));
            for (const HandLine& line : view.player.handLines)
                EXPECT_LT(line.score, 0);
        } else {
            EXPECT_EQ(opponent.verdict, 1);
            EXPECT_EQ(view.player.verdict, -1);
        }
        EXPECT_LT(view.gain, 0);
    }
}

TEST(ShowResults, SetVerdicts) {
    GameState g;
    g.Arrangements = fixedSeats(g);
    g.Scoring = ScoringOption::Set;
    placeAll(g, "9d 2c Ah  Qh Qd 9c 3s 4d  Jh Jd Js 5c 8d");
    commitArrangement(g, Commit::regular());  // front wins, middle loses, back loses: lost
    const ResultsView view = showResults(g);
    EXPECT_EQ(view.opponents[0].verdict, 1);  // the opponent's own verdict
    EXPECT_EQ(view.player.verdict, -1);
    ASSERT_EQ(view.player.handLines.size(), 3u);
    EXPECT_EQ(view.gain, -1);
    // Every hand line says how its hand went, for its own seat.
    const std::vector<std::optional<int>> player = {1, -1, -1}, opponent = {-1, 1, 1};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(view.player.handLines[k].outcome, player[k]) << k;
        EXPECT_EQ(view.opponents[0].handLines[k].outcome, opponent[k]) << k;
    }
}

}  // namespace
}  // namespace kov

namespace kov {
namespace {

// The results lines of the rules' own examples, on a settlement filled in by hand.
GameState withRegularPlayer(int opponents) {
    GameState g;
    g.OpponentCount = opponents;
    for (int s = 0; s <= opponents; ++s) {
        Arrangement& a = g.Arrangements[static_cast<std::size_t>(s)];
        a.front = {cardsFromText(s == 0   ? "Kh Kd 2c"
                                 : s == 1 ? "Qh Jd 3c"
                                          : "Qs Jc 4c"),
                   cat::Trash};
        a.middle = {cardsFromText(s == 0   ? "Ah Ad 9c 8s 6s"
                                  : s == 1 ? "Ks Kc Tc 8h 6h"
                                           : "Qd Qc Td 8d 5d"),
                    cat::Pair};
        a.back = {cardsFromText(s == 0   ? "3c 3s 3h 4s 9d"
                                : s == 1 ? "2h 3d 4h 5h 6d"
                                         : "7h 7s 9h 9s 2d"),
                  cat::Triple};
    }
    g.DealSettlement.SeatsInPlay = opponents + 1;
    return g;
}

TEST(ShowResults, ChiExampleTotalLineAndBalance) {
    GameState g = withRegularPlayer(1);
    g.UnitStake = 2;
    g.PlayerPoints = 10;
    g.DealSettlement.FrontResult[0][1] = 1;
    g.DealSettlement.MiddleResult[0][1] = -1;
    g.DealSettlement.BackResult[0][1] = 3;
    const ResultsView view = showResults(g);
    EXPECT_EQ(view.totalTerms, (std::vector<int>{1, -1, 3}));  // (1-1+3) x 2 points = +6
    EXPECT_EQ(view.stake, 2);
    EXPECT_EQ(view.gain, 6);
    EXPECT_EQ(view.pointsBefore, 10);  // points 10 +6 = 16
    EXPECT_EQ(view.pointsAfter, 16);
    EXPECT_EQ(g.PendingPoints, 16);
    EXPECT_EQ(g.PlayerPoints, 10);  // only OK commits it
}

TEST(ShowResults, SetExampleVerdictAndTotal) {
    GameState g = withRegularPlayer(2);
    g.Scoring = ScoringOption::Set;
    g.DealSettlement.FrontResult[0][1] = -1;
    g.DealSettlement.FrontResult[0][2] = -1;
    g.DealSettlement.FrontResult[1][0] = 1;
    g.DealSettlement.FrontResult[2][0] = 1;
    const ResultsView view = showResults(g);
    ASSERT_EQ(view.opponents.size(), 2u);
    EXPECT_EQ(view.opponents[0].verdict, 1);  // opponent 1 beat the player
    EXPECT_EQ(view.opponents[1].verdict, 1);
    EXPECT_EQ(view.player.verdict, -2);
    EXPECT_EQ(view.totalTerms, std::vector<int>{-2});  // (-2) x 1 points = -2
    EXPECT_EQ(view.stake, 1);
    EXPECT_EQ(view.gain, -2);
}

TEST(ShowResults, PlayerSpecialShowsOneLine) {
    GameState g = withRegularPlayer(1);
    declareSpecial(g.Arrangements[0], {}, {}, {},
                   cardsFromText("Ah Ad Ac As 2h 2d 2c 2s 3h 3d 4h 4d 5h"), cat::SixPairs);
    g.DealSettlement.settleDeal(g.Arrangements, 2, ScoringOption::Chi);
    const ResultsView view = showResults(g);
    EXPECT_EQ(view.player.handLines, (std::vector<HandLine>{{cat::SixPairs, 3}}));
    EXPECT_EQ(view.totalTerms, std::vector<int>{3});  // (3) x 1 points = +3
    EXPECT_EQ(view.gain, 3);
}

}  // namespace
}  // namespace kov
