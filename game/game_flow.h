#pragma once
// The steps of one deal as the dialogs run them: points needed before a deal, START GAME, the
// player's commit, and the results view's lines, cards and balance.

#include <string>
#include <vector>

#include "game/game_state.h"
#include "settle/result_rows.h"

namespace kov {

// Points still missing before START GAME may be shown: the largest loss the options allow
// (18 per opponent and unit under the chi option, 1 under the set option) less the balance.
int pointsNeeded(const GameState& g);
// "" when nothing is needed, else "need %d more point" / "need %d more points".
std::string neededText(int need);

// START GAME: the arranging phase, the deal driver, the human's cards into the hand row.
DealReport startGame(GameState& g, Random& rng, Evaluator& evaluator);

// Commit buttons of the arrangement dialog. Regular is -1; 10..15 declare a special.
constexpr int RegularCommit = -1;
// The message shown instead of committing, or "" when the commit may go ahead.
std::string commitRefusal(const GameState& g, int category);
// Records seat 0's arrangement (possibly ILLEGAL) and settles the deal.
void commitArrangement(GameState& g, int category);

// What the results view shows of one seat: under the set option its verdict, the lines that
// name its hands (one for a special under the chi option, else front, middle, back) and its
// 13 cards in display order.
//
// Every number shown beside a seat is that seat's own result: an opponent's hand scores and
// verdict are its result against the player, the player's are the sum over the opponents. The
// rows keep the settlement's view (the player's result against the seat).
struct SeatResult {
    ResultRows rows;
    std::string verdict;   // set option only
    int verdictScore = 0;  // the seat's own set result: > 0 won, 0 tied, < 0 lost
    std::vector<std::string> handLines;
    std::vector<int> lineScores;  // chi option: the seat's own score of each hand line
};
struct ResultsView {
    ScoringOption option = ScoringOption::Chi;
    std::vector<SeatResult> opponents;  // seats 1..OpponentCount
    SeatResult player;
    std::string totalLine;  // "(f+m+b) x stake points = gain"
    int gain = 0;
    std::string balanceText;  // the results dialog's label: "points %d %+d = %d"
    std::string pointsText;   // the other dialogs' labels: "points %d"
};
// The results of the settled deal and PendingPoints (repeatable: PlayerPoints is not changed).
ResultsView showResults(GameState& g);
// OK in the results dialog: commits the balance and returns to the settings phase.
void acceptResults(GameState& g);

std::string pointsLabel(int points);

}  // namespace kov
