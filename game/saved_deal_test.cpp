// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/saved_deal.h"

#include <gtest/gtest.h>

#include "game/computer_seats.h"
#include "game/game_flow.h"

namespace kov {
namespace {

using K = TableMove::Kind;

// Deal 31 with three opponents under the set option, some cards moved, one move undone.
struct DealInProgress {
    GameState g;
    TableHistory history;
    DealInProgress() {
        g.OpponentCount = 3;
        g.Scoring = ScoringOption::Set;
        g.DealChoiceThreshold = DefaultDealChoiceThreshold;
        g.HandRowOrder = HandOrder::BySuit;
        Evaluator evaluator(ListCapacity, 1);
        Strategy strategy(strategyOf(Strength::Easy));
        startDealNumber(g, 31, evaluator, strategy);
        sortHandRow(g);
        for (const Position p : {Position::Back, Position::Front, Position::Middle, Position::Back})
            applyMove(g, history, {K::SendTo, 13, p});
        applyMove(g, history, {K::Undo});
    }
    SavedDeal saved() const { return savedDealOf(g, history, 31, true, Strength::Easy, 7); }
};

TEST(SavedDeal, ComesBackAsItWasWithItsMoves) {
    DealInProgress deal;
    const SavedDeal saved = deal.saved();
    const std::optional<SavedDeal> read = readSavedDeal(savedDealText(saved));
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, saved);
    for (const Strength level : AllStrengths) {  // every level is read back as itself
        const SavedDeal at = savedDealOf(deal.g, deal.history, 31, true, level, 7);
        EXPECT_EQ(readSavedDeal(savedDealText(at)), at);
    }

    GameState g;
    TableHistory history;
    resumeDeal(g, history, *read);
    EXPECT_EQ(g.phase(), Phase::Arranging);
    EXPECT_EQ(g.OpponentCount, 3);
    EXPECT_EQ(g.Scoring, ScoringOption::Set);
    EXPECT_EQ(g.TableGrid, deal.g.TableGrid);
    EXPECT_EQ(g.ArrangedCount, 3);
    EXPECT_EQ(g.HandCount, 10);
    EXPECT_EQ(g.Holdings.Rows[0], deal.g.Holdings.Rows[0]);
    EXPECT_EQ(g.Arrangements, deal.g.Arrangements);
    // The moves go on as they would have: redo the undone one, undo all back to the deal.
    EXPECT_TRUE(applyMove(g, history, {K::Redo}));
    EXPECT_EQ(g.ArrangedCount, 4);
    while (applyMove(g, history, {K::Undo})) {
    }
    EXPECT_EQ(g.HandCount, 13);

    // Settled as the deal would have been.
    GameState original = deal.g;
    applyMove(original, deal.history, {K::Redo});
    commitArrangement(g, Commit::regular());
    commitArrangement(original, Commit::regular());
    EXPECT_EQ(showResults(g).gain, showResults(original).gain);
}

// Anything but a whole, sound deal of this game is refused, never taken in part.
TEST(SavedDeal, ADamagedTextIsRefused) {
    const std::string text = savedDealText(DealInProgress().saved());
    const auto replaced = [&text](const std::string& from, const std::string& to) {
        std::string t = text;
        const std::size_t at = t.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return t.replace(at, from.size(), to);
    };
    const std::size_t table = text.find("\ntable=") + 7;
    std::string twice = text;  // the table's first card where its second one is
    {
        const std::size_t second = twice.find(' ', table) + 1;
        const std::string first = twice.substr(table, twice.find(' ', table) - table);
        if (first != "-1") twice.replace(second, twice.find(' ', second) - second, first);
    }
    const std::vector<std::pair<const char*, std::string>> damaged = {
        {"empty", ""},
        {"binary", std::string("\0\x01\xff\xfe kovarin", 13)},
        {"another format", "[deal]\nnumber=3\n"},
        {"opponents out of range", replaced("opponents=3", "opponents=7")},
        {"stake out of range", replaced("stake=1", "stake=3")},
        {"no such option", replaced("option=set", "option=both")},
        {"no such level", replaced("level=Easy", "level=Sharp")},
        {"number too large", replaced("number=31", "number=4294967296")},
        {"a key twice", replaced("stake=1\n", "stake=1\nstake=1\n")},
        {"a card twice on the table", twice},
        {"a card that is not the player's", replaced("\ntable=", "\ntable=99 ")},
        {"a seat's hand named wrongly", replaced("\narrangement=", "\narrangement=8")},
        {"a huge line", replaced("number=31", "number=" + std::string(100000, '3'))},
        {"three rows dealt", replaced("\nholding=", "\nxholding=")},
    };
    for (const auto& [what, t] : damaged)
        EXPECT_FALSE(readSavedDeal(t).has_value()) << what;
    // Cut anywhere before its last line, it is refused.
    for (std::size_t length = 0; length + 5 < text.size(); length += 7)
        EXPECT_FALSE(readSavedDeal(text.substr(0, length)).has_value()) << length;
    EXPECT_TRUE(readSavedDeal(text).has_value());
}

}  // namespace
}  // namespace kov
