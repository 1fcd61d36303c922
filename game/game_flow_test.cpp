#include "game/game_flow.h"

#include <gtest/gtest.h>

#include "cards/card_text.h"
#include "cards/compare.h"

namespace kov {
namespace {

TEST(PointsNeeded, ChiAndSetOptions) {
    GameState g;
    EXPECT_EQ(neededText(pointsNeeded(g)), "need 18 more points");
    g.OpponentCount = 3;
    g.UnitStake = 2;
    g.PlayerPoints = 107;
    EXPECT_EQ(neededText(pointsNeeded(g)), "need 1 more point");
    g.PlayerPoints = 108;
    EXPECT_EQ(neededText(pointsNeeded(g)), "");
    GameState set;
    set.ScoringOption = 1;
    set.PlayerPoints = 1;
    EXPECT_EQ(pointsNeeded(set), 0);
    set.PlayerPoints = -4;
    EXPECT_EQ(neededText(pointsNeeded(set)), "need 5 more points");
}

// Places the player's own cards by the computer's choice for them, so the arrangement is legal.
void placeAsComputerWould(GameState& g) {
    const Arrangement& a = g.seatArrangements[0];
    const CardSet hands[3] = {a.front.cards, a.middle.cards, a.back.cards};
    int cell = 0;
    for (const CardSet& hand : hands)
        for (CardIndex c : cardsOf(hand)) {
            for (int i = 0; i < 13; ++i)
                if (g.TableGrid[HandRow][i] == toFaceNumber(c)) {
                    clickCell(g, HandRow, i);
                    clickCell(g, ArrangementRow, cell++);
                    break;
                }
            sortHandRow(g);
        }
}

TEST(GameCycle, StartCommitShowAccept) {
    GameState g;
    Random rng(11);
    Evaluator evaluator;
    startUp(g, rng);
    rng.seedRandom(11);
    enterFirstPhase(g, true);
    g.PlayerPoints = 40;
    startGame(g, rng, evaluator);
    EXPECT_EQ(g.TableShown, 1);
    EXPECT_EQ(g.HandCount, 13);
    EXPECT_EQ(commitRefusal(g, RegularCommit), "please arrange cards");
    EXPECT_EQ(commitRefusal(g, 12), "please arrange cards for \"sanh\"");
    EXPECT_EQ(commitRefusal(g, 11), "please arrange cards for \"thung\"");
    EXPECT_EQ(commitRefusal(g, 10), "");
    if (g.seatArrangements[0].back.category <= 8) {
        placeAsComputerWould(g);
        EXPECT_EQ(g.HandCount, 0);
        EXPECT_EQ(commitRefusal(g, RegularCommit), "");
        commitArrangement(g, RegularCommit);
        EXPECT_NE(g.seatArrangements[0].back.category, IllegalMarker);
    } else {
        commitArrangement(g, 10);
    }
    EXPECT_EQ(g.ResultsShown, 1);
    const ResultsView view = showResults(g);
    const ResultsView again = showResults(g);
    EXPECT_EQ(g.PendingPoints, 40 + view.gain);
    EXPECT_EQ(again.gain, view.gain);   // repainting does not move the balance
    EXPECT_EQ(view.cards.size(), 26u);  // the player's and one opponent's 13 cards
    acceptResults(g);
    EXPECT_EQ(g.PlayerPoints, 40 + view.gain);
    EXPECT_EQ(g.SettingsShown, 1);
}

SeatArrangements fixedSeats(GameState& g) {
    SeatArrangements seats;
    evaluateArrangement(seats[1], cardsFromText("Qs Jc 7c"), cardsFromText("Ks Kc Tc 8h 6h"),
                        cardsFromText("2h 3d 4h 5h 6d"));
    g.OpponentCount = 1;
    return seats;
}

TEST(ShowResults, ChiTotalsAndBalanceLabel) {
    GameState g;
    g.seatArrangements = fixedSeats(g);
    g.UnitStake = 2;
    g.PlayerPoints = 10;
    // Front pair beats trash (+1), middle pair of queens loses to kings (-1), back quadruple +4.
    const char* cards[13] = {"9d", "9c", "Ah", "Qh", "Qd", "2c", "3s",
                             "4d", "7h", "7d", "7s", "7c", "8d"};
    for (int i = 0; i < 13; ++i)
        g.TableGrid[ArrangementRow][i] = toFaceNumber(*parseCard(cards[i]));
    g.TableGrid[HandRow].fill(EmptyCell);
    g.HandCount = 0;
    g.ArrangedCount = 13;
    commitArrangement(g, RegularCommit);
    const ResultsView view = showResults(g);
    EXPECT_EQ(view.gain, (1 - 1 + 4) * 2);
    bool total = false;
    for (const TextItem& t : view.texts)
        total = total || (t.text == "(1-1+4) x 2 points = +8" && t.y == 470);
    EXPECT_TRUE(total);
    EXPECT_EQ(view.balanceText, "points 10 +8 = 18");
    EXPECT_EQ(view.pointsText, "points 18");
    EXPECT_EQ(view.texts[0].text, "trash +1");  // seat 1 shows how the player fared against it
    EXPECT_EQ(view.texts[0].x, 170);
}

TEST(ShowResults, SetVerdicts) {
    GameState g;
    g.seatArrangements = fixedSeats(g);
    g.ScoringOption = 1;
    const char* cards[13] = {"9d", "2c", "Ah", "Qh", "Qd", "9c", "3s",
                             "4d", "Jh", "Jd", "Js", "5c", "8d"};
    for (int i = 0; i < 13; ++i)
        g.TableGrid[ArrangementRow][i] = toFaceNumber(*parseCard(cards[i]));
    g.TableGrid[HandRow].fill(EmptyCell);
    g.HandCount = 0;
    commitArrangement(g, RegularCommit);  // front loses, middle loses, back wins: lost
    const ResultsView view = showResults(g);
    EXPECT_EQ(view.texts[0].text, "win 1");  // the opponent's own verdict
    EXPECT_EQ(view.texts[0].y, 60);
    bool verdict = false;
    for (const TextItem& t : view.texts)
        verdict = verdict || (t.text == "lose -1" && t.y == 310);
    EXPECT_TRUE(verdict);
    EXPECT_EQ(view.gain, -1);
}

}  // namespace
}  // namespace kov
