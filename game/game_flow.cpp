#include "game/game_flow.h"

#include <cstdio>

#include "cards/compare.h"
#include "cards/special.h"

namespace kov {
namespace {

template <typename... Args>
std::string format(const char* fmt, Args... args) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, fmt, args...);
    return buffer;
}

// A seat's hand lines under the chi option: one for a special, else front, middle, back, each
// with the seat's own score. The rows hold the player's view; `side` is +1 for the player and -1
// for an opponent, whose own result is the player's negated.
void chiLines(SeatResult& seat, const Arrangement& a, int side) {
    const int lines = isDeclaredOutright(a.front.category) ? 1 : 3;
    for (std::size_t k = 0; k < static_cast<std::size_t>(lines); ++k) {
        const int score = side * seat.rows.points[k];
        seat.lineScores.push_back(score);
        seat.handLines.push_back(format("%s %+d", seat.rows.names[k].c_str(), score));
    }
}
// Under the set option the hand lines are the three names alone.
std::vector<std::string> setLines(const ResultRows& rows) {
    return {rows.names[0], rows.names[1], rows.names[2]};
}

SeatResult opponentResult(const GameState& g, int seat) {
    const Arrangement& a = g.Arrangements[static_cast<std::size_t>(seat)];
    SeatResult result;
    result.rows = resultRow(g.DealSettlement, a, seat, g.Scoring);
    if (g.Scoring == ScoringOption::Chi) {
        chiLines(result, a, -1);
    } else {
        // The opponent's verdict from its own side against the player.
        const int r = -result.rows.points[0];
        result.verdict = r == 0 ? "tie" : r > 0 ? "win 1" : "lose -1";
        result.verdictScore = r;
        result.handLines = setLines(result.rows);
    }
    return result;
}

}  // namespace

int pointsNeeded(const GameState& g) {
    const int perUnit = g.Scoring == ScoringOption::Chi ? 18 : 1;
    return g.OpponentCount * g.UnitStake * perUnit - g.PlayerPoints;
}

std::string neededText(int need) {
    if (need <= 0) return "";
    return format(need == 1 ? "need %d more point" : "need %d more points", need);
}

std::string pointsLabel(int points) {
    return format("points %d", points);
}

DealReport startGame(GameState& g, Random& rng, Evaluator& evaluator) {
    g.SettledPhase = Phase::Arranging;
    DealReport report = startDeal(g.seatsInPlay(), g.Scoring, g.DealChoiceThreshold, g.Holdings,
                                  g.Arrangements, rng, evaluator);
    g.ArrangedCount = 0;
    g.HandCount = 13;
    loadHandIntoTable(g);
    g.SelectedCell = -1;
    return report;
}

std::string commitRefusal(const GameState& g, int category) {
    if (g.HandCount == 0) return "";
    if (category == RegularCommit) return "please arrange cards";
    if (category == cat::ThreeStraight) return "please arrange cards for \"sanh\"";
    if (category == cat::ThreeFlush) return "please arrange cards for \"thung\"";
    return "";
}

void commitArrangement(GameState& g, int category) {
    g.SettledPhase = Phase::Results;
    buildPlayerSets(g);
    const PlayerSetsType& p = g.PlayerSets;
    Arrangement& seat = g.Arrangements[0];
    if (category == RegularCommit)
        evaluateArrangement(seat, p.front, p.middle, p.back);
    else
        declareSpecial(seat, p.front, p.middle, p.back, p.leftover, category);
    g.DealSettlement.settleDeal(g.Arrangements, g.seatsInPlay(), g.Scoring);
}

ResultsView showResults(GameState& g) {
    ResultsView view;
    view.option = g.Scoring;
    for (int s = 1; s <= g.OpponentCount; ++s)
        view.opponents.push_back(opponentResult(g, s));

    const Arrangement& a = g.Arrangements[0];
    SeatResult& player = view.player;
    player.rows = resultRow(g.DealSettlement, a, 0, g.Scoring);
    const int f = player.rows.points[0], m = player.rows.points[1], b = player.rows.points[2];
    if (g.Scoring == ScoringOption::Chi) {
        chiLines(player, a, 1);
        if (isDeclaredOutright(a.front.category)) {
            view.gain = f * g.UnitStake;
            view.totalLine = format("(%d) x %d points = %+d", f, g.UnitStake, view.gain);
        } else {
            view.gain = (f + m + b) * g.UnitStake;
            view.totalLine =
                format("(%d%+d%+d) x %d points = %+d", f, m, b, g.UnitStake, view.gain);
        }
    } else {
        const int r = f;
        player.verdict = r == 0  ? format("%s", "tie")
                         : r > 0 ? format("%s %+d", "win", r)
                                 : format("%s %+d", "lose", r);
        player.verdictScore = r;
        player.handLines = setLines(player.rows);
        view.gain = r * g.UnitStake;
        view.totalLine = format("(%d) x %d points = %+d", r, g.UnitStake, view.gain);
    }
    g.PendingPoints = g.PlayerPoints + view.gain;
    view.balanceText = format("points %d %+d = %d", g.PlayerPoints, view.gain, g.PendingPoints);
    view.pointsText = pointsLabel(g.PendingPoints);
    return view;
}

void acceptResults(GameState& g) {
    g.PlayerPoints = g.PendingPoints;
    g.SettledPhase = Phase::Settings;
}

}  // namespace kov
