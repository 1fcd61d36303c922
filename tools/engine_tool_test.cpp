// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/engine_tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>

#include "cards/card_text.h"
#include "deal/dealing.h"
#include "game/computer_seats.h"
#include "search/arrange.h"
#include "settle/settlement.h"
#include "tools/bench_command.h"
#include "tools/json_forms.h"

namespace kov::tool {
namespace {

struct ToolRun {
    int status;
    std::string out, err;
    Json json() const { return Json::parse(out); }
};

ToolRun run(std::vector<std::string> args, const std::string& input = "") {
    args.insert(args.begin(), "kovarin-engine");
    std::vector<const char*> argv;
    for (const auto& a : args)
        argv.push_back(a.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = runEngineTool(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {status, out.str(), err.str()};
}

TEST(EngineTool, RngAndDeal) {
    const ToolRun r = run({"rng", "--seed", "1", "--count", "5"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.json(), Json::parse("[41,18467,6334,26500,19169]"));
    const ToolRun d = run({"deal", "--seed", "7"});
    ASSERT_EQ(d.status, 0);
    const Json rows = d.json()["rows"];
    ASSERT_EQ(rows.size(), 4u);
    std::set<std::string> cards;
    for (const Json& row : rows) {
        EXPECT_EQ(row.size(), 13u);
        for (const Json& c : row)
            cards.insert(c.get<std::string>());
    }
    EXPECT_EQ(cards.size(), 52u);
    EXPECT_EQ(run({"deal", "--seed", "7"}).out, d.out);
}

TEST(EngineTool, CheckRegularAndClaims) {
    ToolRun r = run({"check", "--front", "Qh Qd 4c", "--middle", "Jh Jd Ac Ks 9h", "--back",
                     "2h 3h 5h 7h 9d", "--regular"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(r.json()["held"].get<bool>());
    EXPECT_EQ(r.json()["arrangement"]["front"]["category"], 23);
    r = run({"check", "--front", "Qh Kd Ac", "--middle", "As 2d 3c 4h 5d", "--back",
             "9h Td Jc Qs Kh", "--claim", "3 straight"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.json()["held"].get<bool>());
    EXPECT_EQ(r.json()["arrangement"]["back"]["cards"],
              Json::parse(R"(["9h","Kh","Td","Jc","Qs"])"));
    r = run({"check", "--front", "", "--middle", "", "--back", "", "--rest",
             "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh", "--claim", "14"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(r.json()["held"].get<bool>());
}

TEST(EngineTool, ArrangeListsTheWorkedExample) {
    const ToolRun r = run({"arrange", "Ad Td 8d 6d 2d 2h 2c 2s 5h 5c 7d 7c Qs"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Json c = r.json()["candidates"];
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[2]["middle"]["category"], 3);
    EXPECT_FALSE(r.json()["overflowed"].get<bool>());
}

TEST(EngineTool, SettleAndRows) {
    const std::string input = R"({"seats": [
      {"back": {"cards": ["7h","7d","7s","7c","8d"], "category": 7},
       "middle": {"cards": ["Qh","Qd","2c","3s","4d"], "category": 1},
       "front": {"cards": ["9d","9c","Ah"], "category": 1}},
      {"back": {"cards": ["2h","3d","4h","5h","6d"], "category": 4},
       "middle": {"cards": ["Ks","Kc","Tc","8h","6h"], "category": 1},
       "front": {"cards": ["Qs","Jc","5c"], "category": 0}}]})";
    const ToolRun r = run({"settle", "--option", "chi"}, input);
    ASSERT_EQ(r.status, 0) << r.err;
    const Json j = r.json();
    EXPECT_EQ(j["front"], Json::parse("[[0,1],[-1,0]]"));
    EXPECT_EQ(j["middle"], Json::parse("[[0,-1],[1,0]]"));
    EXPECT_EQ(j["back"], Json::parse("[[0,4],[-4,0]]"));
    EXPECT_EQ(j["rows"][0]["names"], Json::parse(R"(["a pair","a pair","quadruple"])"));
    EXPECT_EQ(j["rows"][0]["cards"][0], "9d");
    EXPECT_EQ(j["rows"][0]["points"], Json::parse("[1,-1,4]"));
    EXPECT_EQ(j["rows"][1]["faces"].size(), 13u);
}

// The tool replays a deal as the game plays it at a strength: the same START GAME, then the
// computer's seats choosing again through the game's own step. Normal is start as it always was.
// Deal 6 is one where Hard plays otherwise than Normal.
TEST(EngineTool, StartAtAStrengthPlaysAsTheGame) {
    const std::vector<std::string> start{"start", "--seed",   "6",  "--opponents",
                                         "3",     "--option", "chi"};
    const auto at = [&](const char* level) {
        std::vector<std::string> args = start;
        args.insert(args.end(), {"--strength", level});
        return run(args);
    };
    const ToolRun hard = at("hard");
    ASSERT_EQ(hard.status, 0) << hard.err;
    GameState g;
    g.OpponentCount = 3;
    g.DealChoiceThreshold = DefaultDealChoiceThreshold;
    Random rng(6);
    Evaluator evaluator(ListCapacity, 1);
    Strategy strategy(strategyOf(Strength::Hard));
    startGameAtStrength(g, rng, evaluator, strategy);
    Json game = Json::array();
    for (const Arrangement& a : g.Arrangements)
        game.push_back(arrangementJson(a));
    EXPECT_EQ(hard.json()["arrangements"], game);

    const ToolRun plain = run(start);
    EXPECT_EQ(at("normal").out, plain.out);
    EXPECT_NE(hard.json()["arrangements"], plain.json()["arrangements"]);  // hard chose again
}

TEST(EngineTool, StartIsRepeatable) {
    const ToolRun a = run({"start", "--seed", "5", "--opponents", "2", "--option", "set"});
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.out, run({"start", "--seed", "5", "--opponents", "2", "--option", "set"}).out);
    const Json j = a.json();
    EXPECT_EQ(j["saved"].size(), 4u);
    EXPECT_EQ(j["values"].size(), 3u);
    EXPECT_EQ(j["draws"].size(), 2u);
    EXPECT_EQ(j["arrangements"].size(), 3u);
}

// One seat's arrangement as the settle command reads it.
std::string seatJson(const char* back, int b, const char* middle, int m, const char* front, int f) {
    const auto hand = [](const char* cards, int category) {
        return Hand{cardsFromText(cards), static_cast<HandCategory>(category)};
    };
    return arrangementJson({hand(back, b), hand(middle, m), hand(front, f)}).dump();
}

std::string settleInput(const std::vector<std::string>& seats) {
    std::string text = R"({"seats": [)";
    for (const std::string& seat : seats)
        text += (&seat == &seats.front() ? "" : ",") + seat;
    return text + "]}";
}

// Categories claimed above what the cards make, and honest seats to sit beside them.
const char* const Mixed13 = "Ac 2d 3h 4c 5d 6s 7h 8d 9s Th Jd Qh Kd";
std::string trashAsStraightFlush() {
    return seatJson("2h 5d 7c 9s Jh", 8, "Ks Kc Tc 8h 6h", 1, "Qs Jc 5c", 0);
}
std::string mixedAsStraightFlush13() {
    return seatJson(Mixed13, 15, Mixed13, 15, Mixed13, 15);
}
std::string honestFullHouse() {
    return seatJson("Ah Ad Ac 3h 3d", 6, "4h 4d 4s 2d 8d", 3, "Qh Qd 9d", 1);
}
std::string honestStraight() {
    return seatJson("2h 3d 4h 5h 6d", 4, "Ks Kc Tc 8h 6h", 1, "Qs Jc 5c", 0);
}

// Every refusal: exit status 2, one line on the error stream, nothing on the output.
TEST(EngineTool, RefusesBadInput) {
    const std::string seat0 = R"({"back": {"cards": ["7h","7d","7s","7c","8d"], "category": 7},
       "middle": {"cards": ["Qh","Qd","2c","3s","4d"], "category": 1},
       "front": {"cards": ["9d","9c","Ah"], "category": 1}})";
    const std::string illegal1 = R"({"back": {"cards": ["2h","3d","4h","5h","6d"], "category": 23},
       "middle": {"cards": ["Ks","Kc","Tc","8h","6h"], "category": 23},
       "front": {"cards": ["Qs","Jc","7c"], "category": 23}})";
    const std::string overlapping =
        R"({"back": {"cards": ["2h","3d","4h","5h","6d"], "category": 4},
       "middle": {"cards": ["Ks","Kc","Tc","8h","6h"], "category": 1},
       "front": {"cards": ["Qs","Jc","9d"], "category": 0}})";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"arrange", "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Zh"}, ""},
        {{"arrange", "1h 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh"}, ""},
        {{"arrange", "11c 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh"}, ""},
        {{"arrange", "Ah Ah 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh"}, ""},
        {{"arrange", "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh"}, ""},
        {{"arrange", "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh Ad"}, ""},
        {{"arrange", ""}, ""},
        {{"arrange", "Ah,,2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh"}, ""},
        {{"arrange", std::string(5000, 'A')}, ""},
        {{"arrange", "\xff\xfe 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh"}, ""},
        {{"rng", "--seed", "x", "--count", "3"}, ""},
        {{"rng", "--seed", "-1", "--count", "3"}, ""},
        {{"rng", "--seed", "4294967296", "--count", "3"}, ""},
        {{"rng", "--seed", "1", "--count", "99999999"}, ""},
        {{"start", "--seed", "1", "--opponents", "4", "--option", "chi"}, ""},
        {{"start", "--seed", "1", "--opponents", "1", "--option", "both"}, ""},
        {{"frobnicate"}, ""},
        {{"settle", "--option", "chi"}, "{\"seats\": [ {"},
        {{"settle", "--option", "chi"}, "not json"},
        {{"settle", "--option", "chi"}, R"({"seats": 3})"},
        {{"settle", "--option", "chi"}, R"({"seats": [)" + seat0 + "]}"},
        {{"settle", "--option", "chi"}, R"({"seats": [)" + seat0 + "," + illegal1 + "]}"},
        {{"settle", "--option", "chi"}, R"({"seats": [)" + seat0 + "," + overlapping + "]}"},
        {{"settle", "--option", "chi"},
         R"({"seats": [{"back": 1, "middle": 2, "front": 3},)" + seat0 + "]}"},
        {{"settle", "--option", "chi"}, settleInput({trashAsStraightFlush(), honestFullHouse()})},
        {{"settle", "--option", "set"}, settleInput({honestStraight(), mixedAsStraightFlush13()})},
        {{"settle", "--option", "chi"},  // 3 flush whose middle is no flush
         settleInput({seatJson("2h 5h 7h 9h Jh", 11, "3d 4d 8d Td Ks", 11, "2c 6c Qc", 11),
                      seatJson("Ah Ad Ac As 3s", 7, "Kh Kd Kc Qs Qd", 6, "Jd Js 9c", 1)})},
        {{"settle", "--option", "chi"},  // a full house called a quadruple
         settleInput({seatJson("Ah Ad Ac 3h 3d", 7, "4h 4d 4s 2d 8d", 3, "Qh Qd 9d", 1),
                      trashAsStraightFlush()})},
        {{"settle", "--option", "chi"},  // a front can only be trash, a pair or a triple
         settleInput({seatJson("Ah Ad Ac 3h 3d", 6, "4h 4d 4s 2d 8d", 3, "Qh Qd 9d", 2),
                      trashAsStraightFlush()})},
        {{"check", "--front", "Qh Qd", "--middle", "Jh Jd Ac Ks 9h", "--back", "2h 3h 5h 7h 9d",
          "--regular"},
         ""},
        {{"check", "--front", "Qh Qd 4c", "--middle", "Qh Jd Ac Ks 9h", "--back", "2h 3h 5h 7h 9d",
          "--regular"},
         ""},
        {{"check", "--front", "Qh Qd 4c", "--middle", "Jh Jd Ac Ks 9h", "--back", "2h 3h 5h 7h 9d",
          "--claim", "9"},
         ""},
        {{"arena", "--a", "normal", "--b", "hard", "--deals", "2"}, ""},
        {{"arena", "--a", "Normal", "--b", "random", "--deals", "2"}, ""},
        {{"arena", "--a", "normal", "--deals", "2"}, ""},
        {{"arena", "--a", "first", "--b", "random", "--deals", "0"}, ""},
        {{"arena", "--a", "first", "--b", "random", "--deals", "100001"}, ""},
        {{"arena", "--a", "first", "--b", "random", "--deals", "-5"}, ""},
        {{"arena", "--a", "first", "--b", "random", "--deals", "2", "--seed", "4294967296"}, ""},
        {{"arena", "--a", "first", "--b", "random", "--deals", "2", "--option", "both"}, ""},
        {{"arena", "--a", "first", "--b", "random", "--deals", "2", "--threads", "0"}, ""},
        {{"arena", "--a", "first", "--b", "random", "--deals", "2", "--threads", "65"}, ""},
        {{"arena", "--a", "first\nsecond", "--b", "random", "--deals", "2"}, ""},
        {{"arena-table", "--strategies", "normal", "--deals", "2"}, ""},
        {{"arena-table", "--strategies", "first,random,first", "--deals", "2"}, ""},
        {{"arena-table", "--strategies", "first,,random", "--deals", "2"}, ""},
        {{"arena-table", "--strategies", "first,random,", "--deals", "2"}, ""},
        {{"arena-table", "--strategies", "first,random", "--deals", "x"}, ""},
        {{"calibrate", "--strategy", "first", "--holdings", "2"}, ""},
        {{"calibrate", "--strategy", "strong", "--holdings", "0"}, ""},
        {{"calibrate", "--strategy", "strong", "--holdings", "2", "--option", "both"}, ""},
    };
    for (const auto& [args, input] : cases) {
        const ToolRun r = run(args, input);
        EXPECT_EQ(r.status, 2) << args[0] << " " << (args.size() > 1 ? args[1] : "");
        EXPECT_TRUE(r.out.empty()) << r.out;
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;  // exactly one line
    }
    EXPECT_EQ(run({"rng", "--seed", "1", "--count", "2"}).status, 0);  // valid input still works
}

// The two lies are refused naming the seat and the hand; the same cards claimed honestly settle.
TEST(EngineTool, SettleChecksCategoriesAgainstTheCards) {
    ToolRun r = run({"settle", "--option", "chi"},
                    settleInput({trashAsStraightFlush(), honestFullHouse()}));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err,
              "kovarin-engine: seats[0].back: category 8 (straight flush) is above what its cards "
              "make: 0 (trash)\n");
    r = run({"settle", "--option", "chi"},
            settleInput({seatJson("2h 5d 7c 9s Jh", 0, "Ks Kc Tc 8h 6h", 1, "Qs Jc 5c", 0),
                         honestFullHouse()}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.json()["back"], Json::parse("[[0,-1],[1,0]]"));

    r = run({"settle", "--option", "chi"},
            settleInput({honestStraight(), mixedAsStraightFlush13()}));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("seats[1].back: category 15 (13 straight flush)"), std::string::npos)
        << r.err;
    r = run({"settle", "--option", "chi"},
            settleInput({honestStraight(), seatJson(Mixed13, 14, Mixed13, 14, Mixed13, 14)}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.json()["front"], Json::parse("[[0,-13],[13,0]]"));
}

// The search's own candidates, settled through the tool, give what the settlement gives them
// directly: no honest arrangement is refused, and none is settled differently.
TEST(EngineToolProperty, SearchCandidatesSettleAsTheyDoDirectly) {
    std::mt19937 rng(515);
    SeatSearch search;
    ArrangementList list;
    std::vector<CardSet> holdings = dealtHoldings(4 * 40, 99);
    // Deals whose seat 0 holds every special form the search writes.
    for (const char* special :
         {"Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh", "Ah 2d 3h 4c 5h 6s 7h 8h 9d Th Jc Qh Ks",
          "Ah Ad Ac As 2h 2d 2c 2s 3h 3d 4h 4d 5h", "Ah Ad 5h 5d 7h 7d 9h 9d Jh Jd Kh Kd Kc",
          "2h 5h 7h 9h Jh 3d 4d 8d Td Kd 2c 6c Qc", "9h Td Jc Qs Kh As 2d 3c 4h 5d Qh Kd Ac"}) {
        const CardSet first = cardsFromText(special);
        std::vector<CardIndex> rest;
        for (int c = 0; c < DeckSize; ++c)
            if (!hasCard(first, static_cast<CardIndex>(c)))
                rest.push_back(static_cast<CardIndex>(c));
        std::shuffle(rest.begin(), rest.end(), rng);
        holdings.push_back(first);
        for (int s = 0; s < 3; ++s) {
            CardSet h;
            for (int k = 0; k < 13; ++k)
                addCard(h, rest[static_cast<std::size_t>(13 * s + k)]);
            holdings.push_back(h);
        }
    }
    for (std::size_t d = 0; d + 4 <= holdings.size(); d += 4) {
        const int seats = 2 + static_cast<int>(d / 4 % 3);
        SeatArrangements arrangements;
        std::vector<std::string> json;
        for (int s = 0; s < seats; ++s) {
            search.arrangeSeat(holdings[d + static_cast<std::size_t>(s)], list);
            const Arrangement& a =
                list[static_cast<int>(rng() % static_cast<unsigned>(list.count()))];
            arrangements[static_cast<std::size_t>(s)] = a;
            json.push_back(arrangementJson(a).dump());
        }
        for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
            const ToolRun r =
                run({"settle", "--option", option == ScoringOption::Chi ? "chi" : "set"},
                    settleInput(json));
            ASSERT_EQ(r.status, 0) << r.err;
            Settlement direct;
            direct.settleDeal(arrangements, seats, option);
            const Json j = r.json();
            for (int i = 0; i < seats; ++i)
                for (int k = 0; k < seats; ++k) {
                    EXPECT_EQ(j["front"][i][k], direct.FrontResult[i][k]);
                    EXPECT_EQ(j["middle"][i][k], direct.MiddleResult[i][k]);
                    EXPECT_EQ(j["back"][i][k], direct.BackResult[i][k]);
                }
        }
    }
}

TEST(EngineTool, ErrorsNameTheOffendingToken) {
    EXPECT_NE(run({"arrange", "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Zh"}).err.find("'Zh'"),
              std::string::npos);
    EXPECT_NE(run({"arrange", "Ah Ah 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh"}).err.find("duplicate"),
              std::string::npos);
    EXPECT_NE(run({"rng", "--seed", "x", "--count", "3"}).err.find("--seed"), std::string::npos);
}

TEST(EngineTool, HelpOnEverySubcommand) {
    for (const char* sub : {"rng", "deal", "check", "arrange", "evaluate", "start", "settle",
                            "bench", "arena", "arena-table"}) {
        const ToolRun r = run({sub, "--help"});
        EXPECT_EQ(r.status, 0) << sub;
        EXPECT_NE(r.out.find(sub), std::string::npos) << sub;
    }
    EXPECT_EQ(run({"--help"}).status, 0);
}

}  // namespace
}  // namespace kov::tool

namespace kov::tool {
namespace {

// The digest of a fixed workload (arranged lists, START GAMEs under both options) is pinned: any
// change to a list, its order, a total, a draw or a chosen arrangement changes it. The fast
// search and evaluation, on any number of threads, must give the straightforward one's digest.
TEST(BenchDigest, PinnedAndIndependentOfThreadsAndImplementation) {
    const std::string pinned = "f7272f76e92a4a05";
    EXPECT_EQ(benchDigest(40, 2, 1), pinned);
    EXPECT_EQ(benchDigest(40, 2, 2), pinned);
    EXPECT_EQ(benchDigest(40, 2, 4), pinned);
    EXPECT_EQ(benchDigest(40, 2, 1, true), pinned);
}

// The evaluation as the computer's seats play it beats random choices by a margin 300 duplicate
// deals resolve; the document has its fixed form.
TEST(EngineTool, ArenaNormalBeatsRandom) {
    const ToolRun r = run({"arena", "--a", "normal", "--b", "random", "--deals", "300", "--seed",
                           "11", "--option", "chi"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Json j = r.json();
    std::vector<std::string> keys;
    for (const auto& [key, value] : j.items())
        keys.push_back(key);
    EXPECT_EQ(keys,
              (std::vector<std::string>{"a", "b", "option", "deals", "mean", "stddev", "ci95"}));
    EXPECT_EQ(j["a"], "normal");
    EXPECT_EQ(j["b"], "random");
    EXPECT_EQ(j["option"], "chi");
    EXPECT_EQ(j["deals"], 300);
    const double mean = j["mean"], stddev = j["stddev"], low = j["ci95"][0], high = j["ci95"][1];
    EXPECT_GT(low, 0.0);
    EXPECT_NEAR(high - mean, 1.96 * stddev / std::sqrt(300.0), 1e-12);
    EXPECT_NEAR(mean - low, high - mean, 1e-12);
}

// A table settles every pairing from one set of choices: each of its entries is what the arena
// of that pairing prints (on another number of threads), and a strategy against itself is even.
TEST(EngineTool, ArenaTableAgreesWithTheArena) {
    const ToolRun t = run({"arena-table", "--strategies", "first,easy,random", "--deals", "30",
                           "--seed", "4", "--option", "set", "--threads", "2"});
    ASSERT_EQ(t.status, 0) << t.err;
    const Json pairs = t.json()["pairs"];
    ASSERT_EQ(pairs.size(), 3u);
    for (const Json& p : pairs) {
        const ToolRun a = run({"arena", "--a", p["a"], "--b", p["b"], "--deals", "30", "--seed",
                               "4", "--option", "set"});
        ASSERT_EQ(a.status, 0) << a.err;
        EXPECT_EQ(a.json(), p);
    }
    const Json self = run({"arena", "--a", "easy", "--b", "easy", "--deals", "10"}).json();
    EXPECT_EQ(self["mean"], 0.0);
    EXPECT_EQ(self["ci95"], Json::parse("[0.0,0.0]"));
}

TEST(EngineTool, BenchPrintsOneDocument) {
    const ToolRun r = run({"bench", "--holdings", "5", "--seeds", "1", "--threads", "2"});
    ASSERT_EQ(r.status, 0) << r.err;
    const Json j = r.json();
    EXPECT_EQ(j["threads"], 2);
    EXPECT_TRUE(j["start_ms"].contains("chi"));
    EXPECT_EQ(j["digest"].get<std::string>().size(), 16u);
    EXPECT_EQ(run({"bench", "--threads", "0"}).status, 2);
}

}  // namespace
}  // namespace kov::tool

namespace kov::tool {
namespace {

// The arrange command's output over 100 fixed random holdings, hashed: any change to a candidate
// list, its order or a category byte changes it.
TEST(EngineTool, ArrangeOutputDigestIsPinned) {
    std::uint64_t h = 1469598103934665603ull;
    for (const CardSet& holding : dealtHoldings(100, 4242)) {
        const ToolRun r = run({"arrange", cardList(cardsOf(holding))});
        ASSERT_EQ(r.status, 0);
        for (unsigned char c : r.out)
            h = (h ^ c) * 1099511628211ull;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    EXPECT_EQ(std::string(hex), "6eb064375e1334da");
}

}  // namespace
}  // namespace kov::tool
