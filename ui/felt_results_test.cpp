// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The felt results: each pairing marked as the deal is settled, adding up to the player's total;
// a special and an ILLEGAL arrangement said in words; everything in its place and every text in
// its room at the smallest table, in English and in Vietnamese.

#include "ui/felt_results.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QTranslator>

#include "cards/card_text.h"
#include "cards/special.h"
#include "cards/test_arrangement.h"
#include "deal/evaluate.h"
#include "ui/felt_layout.h"
#include "ui/translations.h"

namespace kov::ui {
namespace {

int sign(int v) {
    return (v > 0) - (v < 0);
}
int markValue(Mark m) {
    return m == Mark::Won ? 1 : m == Mark::Lost ? -1 : 0;
}

// What must hold of any settled deal's matchups and of their layout at `size`.
void checkDeal(GameState& g, QSize size, const std::string& what) {
    g.DealSettlement.settleDeal(g.Arrangements, g.seatsInPlay(), g.Scoring);
    g.SettledPhase = Phase::Results;
    const ResultsView view = showResults(g);
    const std::vector<Matchup> matchups = matchupsOf(g, view, Commit::regular());
    ASSERT_EQ(matchups.size(), static_cast<std::size_t>(g.OpponentCount)) << what;
    int sum = 0;
    for (std::size_t k = 0; k < matchups.size(); ++k) {
        const Matchup& m = matchups[k];
        sum += m.result;
        EXPECT_EQ(m.theirCards, view.opponents[k].rows.cards) << what;
        if (m.block) continue;
        int rows = 0, marks = 0;
        for (const RowResult& r : m.rows) {
            ASSERT_NE(r.mark, Mark::None) << what;
            marks += markValue(r.mark);
            if (g.Scoring == ScoringOption::Chi) {
                ASSERT_TRUE(r.points.has_value()) << what;
                EXPECT_EQ(markValue(r.mark), sign(*r.points)) << what;
                rows += *r.points;
            }
        }
        if (g.Scoring == ScoringOption::Chi) {
            EXPECT_EQ(rows, m.result) << what;
        } else if (m.notes.isEmpty()) {  // nobody wins outright: the rows decide the set
            EXPECT_EQ(sign(marks), m.result) << what;
        }
    }
    int total = 0;
    for (int term : view.totalTerms)
        total += term;
    EXPECT_EQ(sum, total) << what;  // the matchups add up to the player's total

    const FeltResults l = layoutFeltResults(size, matchups, view, QApplication::font(), "NORMAL");
    const QRectF all(QPointF(0, 0), QSizeF(size));
    ASSERT_EQ(l.boxes.size(), matchups.size()) << what;
    for (std::size_t a = 0; a < l.boxes.size(); ++a) {
        EXPECT_TRUE(all.contains(l.boxes[a].rect)) << what;
        EXPECT_FALSE(l.boxes[a].rect.intersects(l.panel)) << what;
        EXPECT_FALSE(l.boxes[a].rect.intersects(l.review)) << what;
        for (std::size_t b = a + 1; b < l.boxes.size(); ++b)
            EXPECT_FALSE(l.boxes[a].rect.intersects(l.boxes[b].rect)) << what;
    }
    EXPECT_TRUE(all.contains(l.panel) && all.contains(l.review)) << what;
    EXPECT_FALSE(l.panel.intersects(l.review)) << what;
    EXPECT_GE(l.panelScale, 0.8) << what;
    // Each matchup's 26 cards in its box, the opponent's face up only from its row's step on.
    std::size_t inBoxes = 0;
    for (const FeltCard& c : l.cards)
        for (const FeltBox& b : l.boxes)
            inBoxes += b.rect.contains(c.rect);
    EXPECT_EQ(inBoxes, 26 * matchups.size()) << what;
    EXPECT_EQ(l.cards.size(), 26 * matchups.size()) << what;
    for (const FeltText& t : l.texts) {
        EXPECT_TRUE(all.contains(t.room)) << what << " " << t.text.toStdString();
        const double room = t.room.width() - (t.mark != Mark::None ? t.font.pixelSize() * 1.3 : 0);
        EXPECT_LE(QFontMetricsF(t.font).horizontalAdvance(t.text), room)
            << what << " " << t.text.toStdString();
        EXPECT_GE(t.font.pixelSize(), 7) << what;
    }
}

struct Language {
    std::unique_ptr<QTranslator> translator;
    explicit Language(bool vietnamese)
        : translator(vietnamese ? installTranslation(QLocale(QLocale::Vietnamese)) : nullptr) {
        if (vietnamese) {
            EXPECT_NE(translator, nullptr);
        }
    }
    ~Language() {
        if (translator) QCoreApplication::removeTranslator(translator.get());
    }
};

TEST(FeltResults, EachPairingIsMarkedAsTheDealIsSettledAndEverythingFits) {
    Evaluator evaluator(ListCapacity, 2);
    for (const bool vietnamese : {false, true}) {
        const Language language(vietnamese);
        for (std::uint32_t seed = 1; seed <= 12; ++seed)
            for (const ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
                GameState g;
                g.OpponentCount = 1 + static_cast<int>(seed % 3);
                g.Scoring = option;
                g.UnitStake = 2;
                Random rng(seed);
                startGame(g, rng, evaluator);
                for (const QSize size : {FeltMinimumSize, QSize(1920, 1080)})
                    checkDeal(g, size,
                              (vietnamese ? "vi " : "en ") + std::to_string(seed) + " " +
                                  std::to_string(static_cast<int>(option)) + " " +
                                  std::to_string(size.width()));
            }
    }
}

// The player's table laid out as given, committed against one opponent's arrangement.
struct Committed {
    GameState g;
    ResultsView view;
    std::vector<Matchup> matchups;
    Committed(const char* front, const char* middle, const char* back, const Arrangement& theirs,
              Commit commit, ScoringOption option = ScoringOption::Chi) {
        g.Scoring = option;
        const char* rows[] = {front, middle, back};
        int cell = 0;
        for (const char* row : rows)
            for (CardIndex c : cardsOf(cardsFromText(row)))
                g.TableGrid[ArrangementRow][static_cast<std::size_t>(cell++)] = toFaceNumber(c);
        for (auto& c : g.TableGrid[HandRow])
            c = EmptyCell;
        g.HandCount = 0;
        g.ArrangedCount = HoldingSize;
        g.Arrangements[1] = theirs;
        commitArrangement(g, commit);
        view = showResults(g);
        matchups = matchupsOf(g, view, commit);
    }
    const Matchup& m() const { return matchups.front(); }
};

const Arrangement Ordinary = regular("8h 8d 9s 9c 4h", "Th Tc 2c 3c 5c", "Kd Qs 6h");

TEST(FeltResults, AnIllegalArrangementSaysWhyAndWhoWinsOutrightIsSaid) {
    // REGULAR with a pair of aces in front of a trash middle: the front outranks the middle.
    const Committed outOfOrder("As Ah 2d", "3d 5c 7h 9s Jd", "Ks Kh Kc 4c 6d", Ordinary,
                               Commit::regular());
    EXPECT_TRUE(outOfOrder.m().block);
    EXPECT_LT(outOfOrder.m().result, 0);
    EXPECT_TRUE(outOfOrder.m().notes.contains(categoryName(IllegalMarker)));
    EXPECT_TRUE(outOfOrder.m().notes.contains(outOfOrderText(true, false)))
        << outOfOrder.m().notes.join("|").toStdString();
    // A claim the cards do not make names the claim.
    const Committed claimed("As Ah 2d", "3d 5c 7h 9s Jd", "Ks Kh Kc 4c 6d", Ordinary,
                            Commit::of(cat::SixPairs));
    EXPECT_TRUE(claimed.m().block);
    EXPECT_TRUE(claimed.m().notes.join(" ").contains(claimText(cat::SixPairs)));
    EXPECT_FALSE(claimed.m().notes.contains(outOfOrderText(true, false)));
    // Six pairs claimed and held: one block that wins outright.
    const Committed six("As Ah 2d", "3d 3c 7h 7s Jd", "Js Kh Kc 2h 9d", Ordinary,
                        Commit::of(cat::SixPairs));
    EXPECT_TRUE(six.m().block);
    EXPECT_EQ(six.m().result, payout(Position::Back, cat::SixPairs));
    EXPECT_EQ(six.m().notes.size(), 1);
    EXPECT_TRUE(six.m().notes.front().contains(categoryName(cat::SixPairs)));
    // Under the set option a back four of a kind wins outright, though two rows of three lose.
    const Committed four("Kh 2d 3h", "Ad 5s 7h 9h Td", "Js Jh Jc Jd 6d", Ordinary,
                         Commit::regular(), ScoringOption::Set);
    EXPECT_FALSE(four.m().block);
    EXPECT_EQ(four.m().result, 1);
    EXPECT_EQ(four.m().rows[0].mark, Mark::Lost);  // king, three, two against king, queen
    EXPECT_EQ(four.m().rows[1].mark, Mark::Lost);  // trash against two pairs
    EXPECT_EQ(four.m().rows[2].mark, Mark::Won);
    EXPECT_TRUE(four.m().notes.front().contains(categoryName(cat::Quadruple)));
}

}  // namespace
}  // namespace kov::ui
