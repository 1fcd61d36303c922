#include "game/game_flow.h"

#include <cstdio>

#include "cards/compare.h"
#include "cards/special.h"
#include "settle/result_rows.h"

namespace kov {
namespace {

template <typename... Args>
std::string format(const char* fmt, Args... args) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, fmt, args...);
    return buffer;
}

// One seat's 13 cards: front at line 1, middle at line 2, back at line 3, 20 px apart.
void placeCards(ResultsView& view, const ResultRows& rows, int left, const int (&lines)[3]) {
    static constexpr int First[] = {0, 3, 8}, Count[] = {3, 5, 5};
    for (int hand = 0; hand < 3; ++hand)
        for (int k = 0; k < Count[hand]; ++k) {
            const int face = rows.cards[static_cast<std::size_t>(First[hand] + k)];
            if (face >= 0) view.cards.push_back({left + 10 + 20 * k, lines[hand], face});
        }
}

void showOpponent(ResultsView& view, const GameState& g, int seat) {
    const Arrangement& a = g.seatArrangements[static_cast<std::size_t>(seat)];
    const ResultRows rows = resultRow(g.settlement, a, seat, g.option());
    static constexpr int CardLines[] = {100, 130, 160};
    static constexpr int TextLines[] = {100, 140, 180};
    const bool chi = g.ScoringOption == 0;
    const int left = (chi ? 270 : 280) * (seat - 1);
    const int textLeft = left + 170;
    if (chi) {
        const int lines = isDeclaredOutright(a.front.category) ? 1 : 3;
        for (int k = 0; k < lines; ++k)
            view.texts.push_back({textLeft, TextLines[k],
                                  format("%s %+d", rows.names[static_cast<std::size_t>(k)].c_str(),
                                         rows.points[static_cast<std::size_t>(k)])});
    } else {
        // The opponent's verdict from its own side against the player.
        const int r = -rows.points[0];
        const char* verdict = r == 0 ? "tie" : r > 0 ? "win 1" : "lose -1";
        view.texts.push_back({textLeft, 60, format("%s", verdict)});
        for (int k = 0; k < 3; ++k)
            view.texts.push_back({textLeft, TextLines[k],
                                  format("%s", rows.names[static_cast<std::size_t>(k)].c_str())});
    }
    placeCards(view, rows, left, CardLines);
}

}  // namespace

int pointsNeeded(const GameState& g) {
    const int perUnit = g.ScoringOption == 0 ? 18 : 1;
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
    enterTablePhase(g);
    DealReport report = startDeal(g.seatsInPlay(), g.option(), g.DealChoiceThreshold, g.deal,
                                  g.seatArrangements, rng, evaluator);
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
    enterResultsPhase(g);
    buildPlayerSets(g);
    const PlayerSetsType& p = g.PlayerSets;
    Arrangement& seat = g.seatArrangements[0];
    if (category == RegularCommit)
        evaluateArrangement(seat, p.front, p.middle, p.back);
    else
        declareSpecial(seat, p.front, p.middle, p.back, p.leftover, category);
    g.settlement.settleDeal(g.seatArrangements, g.seatsInPlay(), g.option());
}

ResultsView showResults(GameState& g) {
    ResultsView view;
    for (int s = 1; s <= g.OpponentCount; ++s)
        showOpponent(view, g, s);

    const Arrangement& a = g.seatArrangements[0];
    const ResultRows rows = resultRow(g.settlement, a, 0, g.option());
    static constexpr int CardLines[] = {350, 380, 410};
    static constexpr int TextLines[] = {350, 390, 430};
    const int f = rows.points[0], m = rows.points[1], b = rows.points[2];
    if (g.ScoringOption == 0) {
        if (isDeclaredOutright(a.front.category)) {
            view.texts.push_back({170, 350, format("%s %+d", rows.names[0].c_str(), f)});
            view.gain = f * g.UnitStake;
            view.texts.push_back(
                {170, 470, format("(%d) x %d points = %+d", f, g.UnitStake, view.gain)});
        } else {
            for (int k = 0; k < 3; ++k)
                view.texts.push_back(
                    {170, TextLines[k],
                     format("%s %+d", rows.names[static_cast<std::size_t>(k)].c_str(),
                            rows.points[static_cast<std::size_t>(k)])});
            view.gain = (f + m + b) * g.UnitStake;
            view.texts.push_back(
                {170, 470,
                 format("(%d%+d%+d) x %d points = %+d", f, m, b, g.UnitStake, view.gain)});
        }
    } else {
        const int r = f;
        view.texts.push_back({170, 310,
                              r == 0  ? format("%s", "tie")
                              : r > 0 ? format("%s %+d", "win", r)
                                      : format("%s %+d", "lose", r)});
        for (int k = 0; k < 3; ++k)
            view.texts.push_back(
                {170, TextLines[k], format("%s", rows.names[static_cast<std::size_t>(k)].c_str())});
        view.gain = r * g.UnitStake;
        view.texts.push_back(
            {170, 470, format("(%d) x %d points = %+d", r, g.UnitStake, view.gain)});
    }
    g.PendingPoints = g.PlayerPoints + view.gain;
    view.balanceText = format("points %d %+d = %d", g.PlayerPoints, view.gain, g.PendingPoints);
    view.pointsText = pointsLabel(g.PendingPoints);
    placeCards(view, rows, 0, CardLines);
    return view;
}

void acceptResults(GameState& g) {
    g.PlayerPoints = g.PendingPoints;
    enterSettingsPhase(g);
}

}  // namespace kov
