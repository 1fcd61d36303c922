// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "search/candidates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "cards/card_text.h"

namespace kov {
namespace {

CardSet S(const char* t) {
    return cardsFromText(t);
}

// Card lists normalised to ascending card order, for comparing with generated candidates.
std::vector<std::string> N(std::initializer_list<const char*> lists) {
    std::vector<std::string> out;
    for (const char* l : lists)
        out.push_back(cardList(cardsOf(S(l))));
    return out;
}

std::vector<std::string> generate(const char* cards, HandCategory k, Position role) {
    CandidateList list;
    const CardSet s = S(cards);
    generateCandidates(list, categoryMaterial(s, k, role), k, role);
    std::vector<std::string> out;
    for (const Hand& h : list) {
        EXPECT_EQ(h.category, k);
        out.push_back(cardList(cardsOf(h.cards)));
    }
    return out;
}

TEST(CategoryMaterial, TwoPairsFullHouseAndFrontTriples) {
    EXPECT_TRUE(isEmpty(categoryMaterial(S("Ah Ad 5c 5s 5h 9d"), cat::TwoPairs, Position::Back)));
    EXPECT_TRUE(isEmpty(categoryMaterial(S("5c 5s 5h 9d Kh"), cat::FullHouse, Position::Back)));
    EXPECT_EQ(categoryMaterial(S("5c 5s 5h 9d 9h 9c Kh"), cat::FullHouse, Position::Back),
              S("5c 5s 5h 9d 9h 9c"));
    EXPECT_EQ(categoryMaterial(S("Kh Kd Kc Ks 2h"), cat::Triple, Position::Front), S("Kh Kd Kc"));
    EXPECT_TRUE(isEmpty(categoryMaterial(S("Kh Kd Kc Ks 2h"), cat::Triple, Position::Middle)));
    EXPECT_EQ(categoryMaterial(S("9h Td Jc Qs Kh Ad 2c 4d"), cat::Straight, Position::Back),
              S("9h Td Jc Qs Kh Ad"));
    EXPECT_TRUE(isEmpty(categoryMaterial(S("Jh Qd Kc As 2h"), cat::Straight, Position::Back)));
}

TEST(GenerateCandidates, PairsAndTwoPairsOrder) {
    EXPECT_EQ(generate("Ah Ad 5c 5s Kh Kd 9c", cat::TwoPairs, Position::Back),
              N({"Ah 5c Ad 5s", "Ah Ad Kh Kd", "5c Kh Kd 5s"}));
    EXPECT_EQ(generate("Ah Ad 5c 5s Kh Kd 9c", cat::Pair, Position::Back),
              N({"Ah Ad", "Kh Kd", "5c 5s"}));
}

TEST(GenerateCandidates, FrontTriplesFromFourKings) {
    EXPECT_EQ(generate("Kh Kd Kc Ks 2h", cat::Triple, Position::Front), N({"Kh Kd Kc"}));
    EXPECT_TRUE(generate("Kh Kd Kc Ks 2h", cat::Triple, Position::Back).empty());
}

TEST(GenerateCandidates, StraightWindows) {
    const auto windows = generate("9h Td Jc Qs Kh Ad", cat::Straight, Position::Back);
    EXPECT_EQ(windows, N({"9h Kh Td Jc Qs", "Td Jc Ad Qs Kh"}));
    EXPECT_TRUE(generate("Jh Qd Kc As 2h", cat::Straight, Position::Back).empty());
    // Two of each rank 4..8 in hearts and diamonds: 32 choices less the two one-suit ones.
    EXPECT_EQ(generate("4h 5h 6h 7h 8h 4d 5d 6d 7d 8d", cat::Straight, Position::Back).size(), 30u);
}

TEST(GenerateCandidates, FlushesFollowTheMaskList) {
    const auto flushes = generate("2h 3h 4h 5h 6h 9h Kh", cat::Flush, Position::Back);
    EXPECT_EQ(flushes.size(), 20u);
    // The order is the mask list's: the first qualifying list entry comes first.
    const FiveRankMasks& masks = fiveRankMaskList();
    const std::uint16_t suit = S("2h 3h 4h 5h 6h 9h Kh").mask[0];
    int i = 0;
    while ((masks.mask[i] | suit) != suit)
        ++i;
    CardSet first;
    first.mask[0] = masks.mask[i];
    EXPECT_EQ(flushes.front(), cardList(cardsOf(first)));
}

TEST(GenerateCandidates, MiddleTrash) {
    EXPECT_EQ(generate("Ah Ad Kc Jh 9s 7d 5c 4h", cat::Trash, Position::Middle),
              N({"4h Ad 5c Kc"}));
    EXPECT_EQ(generate("Ah Qd Tc 8h 7s 6d 3c 2h", cat::Trash, Position::Middle),
              N({"Ah 2h 7s 6d 3c"}));
}

// The middle's trash by the rule's words, card by card: number the held ranks from the top; take
// the 1st, 5th, 6th, 7th and 8th (the 1st, 2nd, 6th, 7th and 8th when the ace is paired), each
// rank's card of the highest suit.
CardSet middleTrashByRule(const CardSet& s) {
    const bool acePaired = rankCount(s, 0) == 2;
    CardSet out;
    int number = 0;
    for (int v = 13; v >= 1; --v) {
        if (rankCount(s, v) == 0) continue;
        ++number;
        if (!(number == 1 || (number >= 6 && number <= 8) || number == (acePaired ? 2 : 5)))
            continue;
        for (int suit = SuitCount - 1; suit >= 0; --suit) {
            const auto bit = static_cast<std::uint16_t>(1u << (v % 13));
            if (s.mask[static_cast<std::size_t>(suit)] & bit) {
                out.mask[static_cast<std::size_t>(suit)] |= bit;
                break;
            }
        }
    }
    return out;
}

TEST(GenerateCandidates, MiddleTrashFollowsTheRuleOnRandomSets) {
    std::mt19937 rng(77);
    CandidateList list;
    for (int n = 0; n < 20000; ++n) {
        CardSet s;
        const int ranks = 3 + static_cast<int>(rng() % 11);  // few ranks: more repeats
        const int size =
            1 + static_cast<int>(rng() % std::min(13u, 4u * static_cast<unsigned>(ranks)));
        while (cardCount(s) < size)
            addCard(s,
                    static_cast<CardIndex>(rng() % 4 * 13 + rng() % static_cast<unsigned>(ranks)));
        list.clear();
        generateCandidates(list, s, cat::Trash, Position::Middle);
        ASSERT_EQ(list.count(), 1);
        ASSERT_EQ(list[0].cards, middleTrashByRule(s)) << cardList(cardsOf(s));
    }
}

TEST(GenerateCandidates, FullHousesFromTwoTriples) {
    const auto houses = generate("5c 5s 5h 9d 9h 9c", cat::FullHouse, Position::Back);
    EXPECT_EQ(houses.size(), 6u);
    EXPECT_EQ(houses[0], N({"5c 5s 5h 9d 9c"})[0]);  // three fives, the nines but hearts
}

TEST(FrontChoice, CategoryAndFirstCandidate) {
    CandidateList scratch;
    EXPECT_EQ(frontCategoryOf(S("Kh Kd Kc Ks 2h")), cat::Triple);
    EXPECT_EQ(frontCategoryOf(S("Kh Kd 2c 2s 5h")), cat::TwoPairs);
    EXPECT_EQ(frontCategoryOf(S("Kh Kd 2c")), cat::Pair);
    EXPECT_EQ(frontCategoryOf(CardSet{}), cat::Trash);
    EXPECT_EQ(takeFirstCandidate(scratch, S("Kh Kd 2c 2s 5h"), cat::Pair), S("Kh Kd"));
    EXPECT_EQ(takeFirstCandidate(scratch, S("Kh Kd Kc Ks 2h 2d 2c"), cat::Triple), S("2h 2d 2c"));
    EXPECT_EQ(takeFirstCandidate(scratch, S("Ah 9d 7c 3s 2h"), cat::Trash), S("Ah 9d 7c"));
}

}  // namespace
}  // namespace kov

namespace kov {
namespace {

// Every suit mask of five or more cards: the flushes come out exactly as a walk of the mask
// list gives them.
TEST(EnumerateFlushes, AgreesWithTheMaskListWalkForEverySuitMask) {
    const FiveRankMasks& masks = fiveRankMaskList();
    CandidateList list;
    for (std::uint32_t m = 0; m < 8192; ++m) {
        if (bitCount16(m) < 5) continue;
        list.clear();
        enumerateFlushes(list, static_cast<std::uint16_t>(m), 2);
        int k = 0;
        for (int i = 0; i < masks.length; ++i) {
            if ((masks.mask[i] | m) != m) continue;
            ASSERT_LT(k, list.count());
            ASSERT_EQ(list[k].cards.mask[2], masks.mask[i]) << m;
            ++k;
        }
        ASSERT_EQ(k, list.count()) << m;
    }
}

TEST(CategoryMaterial, FrontCategoryMatchesTheMaterials) {
    std::mt19937 rng(5);
    for (int n = 0; n < 20000; ++n) {
        CardSet s;
        const int size = static_cast<int>(rng() % 9);
        while (cardCount(s) < size)
            addCard(s, static_cast<CardIndex>(rng() % 52));
        HandCategory expected = cat::Trash;
        for (HandCategory k : {cat::Triple, cat::TwoPairs, cat::Pair})
            if (!isEmpty(categoryMaterial(s, k, Position::Front))) {
                expected = k;
                break;
            }
        ASSERT_EQ(frontCategoryOf(s), expected);
    }
}

}  // namespace
}  // namespace kov

namespace kov {
namespace {

// The run scan written out: walk positions 0..13, close a run at an unheld position or at 13.
std::uint16_t runRanksByScan(std::uint16_t held) {
    std::uint16_t out = 0, run = 0;
    int length = 0;
    for (int p = 0; p <= 13; ++p) {
        const int r = p % 13;
        const bool isHeld = (held >> r) & 1;
        if (isHeld) {
            run = static_cast<std::uint16_t>(run | (1u << r));
            ++length;
        }
        if (!isHeld || p == 13) {
            if (length >= 5) out = static_cast<std::uint16_t>(out | run);
            run = 0;
            length = 0;
        }
    }
    return out;
}

TEST(CategoryMaterial, FiveRunRanksMatchesTheScanForEveryMask) {
    for (std::uint32_t m = 0; m < 8192; ++m)
        ASSERT_EQ(fiveRunRanks(static_cast<std::uint16_t>(m)),
                  runRanksByScan(static_cast<std::uint16_t>(m)))
            << m;
    // Straight-flush material is the union of the straight masks a suit holds.
    for (std::uint32_t m = 0; m < 8192; ++m) {
        std::uint16_t expected = 0;
        for (std::uint16_t straight : StraightMasks)
            if ((m & straight) == straight)
                expected = static_cast<std::uint16_t>(expected | straight);
        ASSERT_EQ(fiveRunRanks(static_cast<std::uint16_t>(m)), expected) << m;
    }
}

}  // namespace
}  // namespace kov

namespace kov {
namespace {

TEST(FrontChoice, DirectFirstCandidateMatchesTheGeneratedList) {
    std::mt19937 rng(12);
    CandidateList scratch;
    for (int n = 0; n < 50000; ++n) {
        CardSet s;
        const int size = 3 + static_cast<int>(rng() % 6);
        while (cardCount(s) < size)
            addCard(s, static_cast<CardIndex>(rng() % 52));
        for (HandCategory k : {cat::Trash, cat::Pair, cat::Triple})
            ASSERT_EQ(firstFrontCandidate(s, k), takeFirstCandidate(scratch, s, k)) << int(k);
    }
}

}  // namespace
}  // namespace kov

namespace kov {
namespace {

// The search enumerates backs and middles from the whole holding or the whole rest of it: the
// list must be the one its material gives, entry for entry. The sets run up to 13 cards and lean
// on repeated ranks (two triples, fours of a kind, many pairs) and on few suits (flushes).
TEST(GenerateCandidates, GroupsFromTheWholeSetMatchTheirMaterial) {
    std::mt19937 rng(2024);
    CandidateList fromSet, fromMaterial;
    for (int n = 0; n < 20000; ++n) {
        CardSet s;
        const int size = 2 + static_cast<int>(rng() % 12);
        // Few ranks (more repeats), or two suits (more flushes); at least 16 cards to draw from.
        const unsigned suits = n % 2 ? 4 : 2;
        const int ranks = suits == 2 ? 13 : 4 + static_cast<int>(rng() % 10);
        while (cardCount(s) < size)
            addCard(s, static_cast<CardIndex>(rng() % suits * 13 +
                                              rng() % static_cast<unsigned>(ranks)));
        const RankPattern pattern = rankPattern(s);
        for (HandCategory k : BackAndMiddleOrder) {
            fromSet.clear();
            fromMaterial.clear();
            generateCandidates(fromSet, s, pattern, k, Position::Middle);
            generateCandidates(fromMaterial, categoryMaterial(s, k, Position::Middle), k,
                               Position::Middle);
            ASSERT_EQ(fromSet.count(), fromMaterial.count()) << cardList(cardsOf(s)) << int(k);
            for (int i = 0; i < fromSet.count(); ++i)
                ASSERT_EQ(fromSet[i], fromMaterial[i]) << cardList(cardsOf(s)) << int(k);
        }
    }
}

// The straights, pairs, two pairs and triples of random sets, against the rules' enumerations
// written out plainly: windows from ace-to-five up to ten-to-ace with one loop per rank over the
// suits; pairs from the aces down; two pairs and triples in rank order (the front's triples also
// from a four of a kind, leaving its spade).
TEST(GenerateCandidates, StraightsAndRankGroupsFollowTheRules) {
    std::mt19937 rng(77);
    const auto hand = [](std::initializer_list<CardIndex> cards, HandCategory k) {
        Hand h{{}, k};
        for (CardIndex c : cards)
            addCard(h.cards, c);
        return h;
    };
    for (int n = 0; n < 5000; ++n) {
        CardSet s;
        const int size = 5 + static_cast<int>(rng() % 9);
        while (cardCount(s) < size)
            addCard(s, static_cast<CardIndex>(rng() % 52));
        const auto count = [&](int r) { return rankCount(s, r); };
        const auto card = [](int suit, int r) { return makeCard(suit, r); };
        const auto ofRank = [&](int r, int skipSuit) {
            Hand h{{}, cat::Trash};
            for (int suit = 0; suit < 4; ++suit)
                if (suit != skipSuit && hasCard(s, card(suit, r))) addCard(h.cards, card(suit, r));
            return h.cards;
        };
        std::vector<Hand> want[4];  // straights, pairs, two pairs, triples (the front's)
        for (int t = 0; t <= 9; ++t) {
            int r[5];
            for (int i = 0; i < 5; ++i)
                r[i] = (t + i) % 13;
            for (int a = 0; a < 4; ++a)
                for (int b = 0; b < 4; ++b)
                    for (int c = 0; c < 4; ++c)
                        for (int d = 0; d < 4; ++d)
                            for (int e = 0; e < 4; ++e) {
                                const CardIndex five[5] = {card(a, r[0]), card(b, r[1]),
                                                           card(c, r[2]), card(d, r[3]),
                                                           card(e, r[4])};
                                if (!std::all_of(five, five + 5,
                                                 [&](CardIndex x) { return hasCard(s, x); }))
                                    continue;
                                if (a == b && b == c && c == d && d == e) continue;
                                want[0].push_back(hand(
                                    {five[0], five[1], five[2], five[3], five[4]}, cat::Straight));
                            }
        }
        for (int v = 13; v >= 1; --v)
            if (count(v % 13) == 2) want[1].push_back({ofRank(v % 13, -1), cat::Pair});
        for (int r1 = 0; r1 < 13; ++r1)
            for (int r2 = r1 + 1; r2 < 13; ++r2)
                if (count(r1) == 2 && count(r2) == 2)
                    want[2].push_back({unite(ofRank(r1, -1), ofRank(r2, -1)), cat::TwoPairs});
        for (int r = 0; r < 13; ++r)
            if (count(r) >= 3) want[3].push_back({ofRank(r, count(r) == 4 ? 3 : -1), cat::Triple});
        const struct {
            HandCategory k;
            Position role;
        } asks[4] = {{cat::Straight, Position::Back},
                     {cat::Pair, Position::Middle},
                     {cat::TwoPairs, Position::Back},
                     {cat::Triple, Position::Front}};
        for (int i = 0; i < 4; ++i) {
            CandidateList got;
            generateCandidates(got, s, asks[i].k, asks[i].role);
            ASSERT_EQ(std::vector<Hand>(got.begin(), got.end()), want[i])
                << cardList(cardsOf(s)) << " category " << int(asks[i].k);
        }
    }
}

}  // namespace
}  // namespace kov
