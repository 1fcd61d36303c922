// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the results view puts each seat's texts and cards, on results built by hand.

#include "ui/results_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace kov::ui {
namespace {

SeatResult seat(int firstFace, std::vector<HandLine> lines,
                std::optional<int> verdict = std::nullopt) {
    SeatResult s;
    for (int k = 0; k < 13; ++k)
        s.rows.cards[static_cast<std::size_t>(k)] = firstFace + k;
    s.handLines = std::move(lines);
    s.verdict = verdict;
    return s;
}
// Hand lines of the set option: the categories alone.
std::vector<HandLine> names(std::initializer_list<HandCategory> categories) {
    std::vector<HandLine> lines;
    for (HandCategory c : categories)
        lines.push_back({c, std::nullopt});
    return lines;
}

struct Expected {
    int x, y;
    const char* text;
};
void expectTexts(const PlacedResults& placed, const std::vector<Expected>& expected) {
    ASSERT_EQ(placed.texts.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(placed.texts[i].x, expected[i].x) << i;
        EXPECT_EQ(placed.texts[i].y, expected[i].y) << i;
        EXPECT_EQ(placed.texts[i].text, expected[i].text) << i;
    }
}

// A block's 13 cards from `left`: 3 on the first card line, 5 on each of the others, 20 px apart
// and 10 px in.
void expectCards(const PlacedResults& placed, std::size_t first, int left, int firstFace,
                 const int (&lines)[3]) {
    static constexpr int Count[] = {3, 5, 5};
    std::size_t i = first;
    int face = firstFace;
    for (int hand = 0; hand < 3; ++hand)
        for (int k = 0; k < Count[hand]; ++k, ++i, ++face) {
            ASSERT_LT(i, placed.cards.size());
            EXPECT_EQ(placed.cards[i].x, left + 10 + 20 * k) << i;
            EXPECT_EQ(placed.cards[i].y, lines[hand]) << i;
            EXPECT_EQ(placed.cards[i].face, face) << i;
        }
}

constexpr int OpponentCardLines[] = {100, 130, 160};
constexpr int PlayerCardLines[] = {350, 380, 410};

TEST(ResultsPlacement, ChiOptionBlocksSpecialsAndTotal) {
    ResultsView view;
    view.option = ScoringOption::Chi;
    view.opponents = {seat(0, {{cat::Trash, 1}, {cat::Pair, -1}, {cat::Flush, 4}}),
                      seat(13, {{cat::SixPairs, -3}}),
                      seat(26, {{cat::Trash, 0}, {cat::Trash, 0}, {cat::Trash, 0}})};
    view.player = seat(39, {{cat::Pair, 1}, {cat::Pair, -1}, {cat::Quadruple, 4}});
    view.totalTerms = {1, -1, 4};
    view.stake = 2;
    view.gain = 8;
    const PlacedResults placed = placeResults(view);
    expectTexts(placed, {{170, 100, "trash +1"},
                         {170, 140, "a pair -1"},
                         {170, 180, "flush +4"},
                         {270 + 170, 100, "6 pairs -3"},  // a special: one line
                         {540 + 170, 100, "trash +0"},
                         {540 + 170, 140, "trash +0"},
                         {540 + 170, 180, "trash +0"},
                         {170, 350, "a pair +1"},
                         {170, 390, "a pair -1"},
                         {170, 430, "quadruple +4"},
                         {170, 470, "(1-1+4) x 2 points = +8"}});
    ASSERT_EQ(placed.cards.size(), 52u);
    expectCards(placed, 0, 0, 0, OpponentCardLines);
    expectCards(placed, 13, 270, 13, OpponentCardLines);
    expectCards(placed, 26, 540, 26, OpponentCardLines);
    expectCards(placed, 39, 0, 39, PlayerCardLines);
}

TEST(ResultsPlacement, SetOptionVerdictsAndWiderBlocks) {
    ResultsView view;
    view.option = ScoringOption::Set;
    view.opponents = {seat(0, names({cat::Trash, cat::Pair, cat::Flush}), 1),
                      seat(13, names({IllegalMarker, IllegalMarker, IllegalMarker}), -1)};
    view.player = seat(26, names({cat::Pair, cat::TwoPairs, cat::Triple}), -2);
    view.totalTerms = {-2};
    view.gain = -2;
    const PlacedResults placed = placeResults(view);
    expectTexts(placed, {{170, 60, "win 1"},
                         {170, 100, "trash"},
                         {170, 140, "a pair"},
                         {170, 180, "flush"},
                         {280 + 170, 60, "lose -1"},  // 280 px on, not the chi option's 270
                         {280 + 170, 100, "ILLEGAL"},
                         {280 + 170, 140, "ILLEGAL"},
                         {280 + 170, 180, "ILLEGAL"},
                         {170, 310, "lose -2"},
                         {170, 350, "a pair"},
                         {170, 390, "2 pairs"},
                         {170, 430, "triple"},
                         {170, 470, "(-2) x 1 points = -2"}});
    ASSERT_EQ(placed.cards.size(), 39u);
    expectCards(placed, 0, 0, 0, OpponentCardLines);
    expectCards(placed, 13, 280, 13, OpponentCardLines);
    expectCards(placed, 26, 0, 26, PlayerCardLines);
}

// Under the set option the felt table marks every hand line by how its hand went; the classic
// table marks the verdicts alone.
TEST(ResultsPlacement, SetOptionHandLinesMarkedOnTheFelt) {
    ResultsView view;
    view.option = ScoringOption::Set;
    view.opponents = {seat(0, names({cat::Trash, cat::Pair, cat::Flush}), 1)};
    view.player = seat(13, names({cat::Pair, cat::TwoPairs, cat::Triple}), -1);
    const int outcomes[] = {-1, 0, 1};
    for (std::size_t k = 0; k < 3; ++k) {
        view.player.handLines[k].outcome = outcomes[k];
        view.opponents[0].handLines[k].outcome = -outcomes[k];
    }
    const auto marks = [](const PlacedResults& placed) {
        std::vector<Mark> out;
        for (const PlacedText& t : placed.texts)
            out.push_back(t.mark);
        return out;
    };
    using M = Mark;
    EXPECT_EQ(marks(placeResults(view, true)),
              (std::vector<Mark>{M::Won, M::Won, M::Tied, M::Lost, M::Lost, M::Lost, M::Tied,
                                 M::Won, M::None}));
    EXPECT_EQ(marks(placeResults(view)),
              (std::vector<Mark>{M::Won, M::None, M::None, M::None, M::Lost, M::None, M::None,
                                 M::None, M::None}));
}

TEST(ResultsPlacement, PlayerSpecialShowsOneLineAndTheTotal) {
    ResultsView view;
    view.opponents = {seat(0, {{cat::Trash, -1}, {cat::Trash, -1}, {cat::Trash, -1}})};
    view.player = seat(13, {{cat::SixPairs, 3}});
    view.totalTerms = {3};
    view.gain = 3;
    const PlacedResults placed = placeResults(view);
    expectTexts(placed, {{170, 100, "trash -1"},
                         {170, 140, "trash -1"},
                         {170, 180, "trash -1"},
                         {170, 350, "6 pairs +3"},
                         {170, 470, "(3) x 1 points = +3"}});
}

// Every block is named above its cards, and every number carries its mark: won, lost or tied
// from the seat's own side.
TEST(ResultsPlacement, SeatNamesAndMarks) {
    ResultsView view;
    view.option = ScoringOption::Set;
    view.opponents = {seat(0, names({cat::Trash, cat::Pair, cat::Flush}), 1),
                      seat(13, names({cat::Trash, cat::Trash, cat::Trash}), 0),
                      seat(26, names({cat::Pair, cat::Trash, cat::Trash}), -1)};
    view.player = seat(39, names({cat::Pair, cat::TwoPairs, cat::Triple}), 0);
    const PlacedResults placed = placeResults(view);
    ASSERT_EQ(placed.headings.size(), 4u);
    EXPECT_EQ(placed.headings[0].text, "Opponent 1");
    EXPECT_EQ(placed.headings[2].text, "Opponent 3");
    EXPECT_EQ(placed.headings[2].x, 560 + 10);
    EXPECT_EQ(placed.headings[3].text, "You");
    EXPECT_EQ(placed.headings[3].y, 328);
    // Headings sit between the results panel strip and the first card line, clear of the cards.
    for (const PlacedText& h : placed.headings)
        EXPECT_TRUE(h.y == 78 || h.y == 328);
    EXPECT_EQ(placed.texts[0].mark, Mark::Won);   // opponent 1's verdict
    EXPECT_EQ(placed.texts[1].mark, Mark::None);  // a hand name under the set option
    EXPECT_EQ(placed.texts[4].mark, Mark::Tied);  // opponent 2's verdict
    EXPECT_EQ(placed.texts[8].mark, Mark::Lost);  // opponent 3's verdict

    ResultsView chi;
    chi.opponents = {seat(0, {{cat::Trash, -1}, {cat::Pair, 1}, {cat::Straight, 0}})};
    chi.player = seat(13, {{cat::Pair, 1}, {cat::Pair, -1}, {cat::Straight, 0}});
    const PlacedResults marked = placeResults(chi);
    const Mark expected[] = {Mark::Lost, Mark::Won,  Mark::Tied, Mark::Won,
                             Mark::Lost, Mark::Tied, Mark::None};
    ASSERT_EQ(marked.texts.size(), 7u);
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(marked.texts[i].mark, expected[i]) << i;
}

// The third opponent's lines start 90 px (chi option) or 70 px (set option) before the window's
// right edge; the longest texts get a narrower font and fit, shorter ones keep the font.
TEST(ResultsPlacement, LongLinesAtTheRightEdgeFit) {
    const QFont base = QApplication::font();
    for (const char* text :
         {"straight flush +5", "13 straight flush -24", "5 pairs, 1 triple +6"}) {
        const QFont fitted = fittedFont(base, text, 800 - 2 - 710);
        EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(text), 800 - 2 - 710) << text;
    }
    const QFont fitted = fittedFont(base, "13 straight flush", 800 - 2 - 730);
    EXPECT_LE(QFontMetrics(fitted).horizontalAdvance("13 straight flush"), 800 - 2 - 730);
    EXPECT_EQ(fittedFont(base, "trash", 68), base);

    // Painted: nothing of the third block's text reaches the last column.
    ResultsView view;
    view.option = ScoringOption::Set;
    view.opponents = {seat(0, {}), seat(13, {}),
                      seat(26,
                           names({cat::ThirteenStraightFlush, cat::ThirteenStraightFlush,
                                  cat::ThirteenStraightFlush}),
                           -1)};
    view.player = seat(39, {});
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    CardLibrary noCards;
    PlacedResults placed = placeResults(view);
    placed.cards.clear();
    paintResults(painter, placed, noCards);
    painter.end();
    for (int y = 100; y < 200; ++y)
        EXPECT_EQ(image.pixelColor(799, y), QColor(Qt::gray)) << y;
}

}  // namespace
}  // namespace kov::ui
