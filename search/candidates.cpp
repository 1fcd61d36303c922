// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "search/candidates.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "cards/classify.h"

namespace kov {
namespace {

// The cards of `s` of every rank in the 13-bit rank mask `ranks`.
CardSet cardsOfRanks(const CardSet& s, std::uint16_t ranks) {
    CardSet out;
    for (int suit = 0; suit < SuitCount; ++suit)
        out.mask[suit] = static_cast<std::uint16_t>(s.mask[suit] & ranks);
    return out;
}

// r is a rank, or the ace's value 13.
CardSet cardsOfRank(const CardSet& s, int r) {
    return cardsOfRanks(s, static_cast<std::uint16_t>(1u << (r == RankCount ? 0 : r)));
}

void appendHand(CandidateList& list, const CardSet& cards, HandCategory k) {
    list.append(Hand{cards, k});
}

void generateTrash(CandidateList& list, const CardSet& s, Position position) {
    CardSet out;
    if (position == Position::Middle) {
        // Number the held ranks from the top 1, 2, 3, ...; take 1, 5, 6, 7, 8 (or 1, 2, 6, 7, 8
        // when the ace is paired), one card per rank: the skipped ranks are left for the front.
        // Of a rank it takes the card of the highest suit. The four masks side by side in one
        // word: a rank's cards are one bit in each 16-bit lane.
        const bool acePaired = rankCount(s, 0) == 2;
        const std::uint64_t cards = packedMasks(s) & 0x1FFF1FFF1FFF1FFFull;  // 13 ranks a suit
        std::uint64_t taken = 0;
        unsigned values = valueMask(
            static_cast<std::uint16_t>((s.mask[0] | s.mask[1] | s.mask[2] | s.mask[3]) & 0x1FFFu));
        for (int number = 1; values != 0 && number <= 8; ++number) {
            const int v = std::bit_width(values);  // the highest value left
            values &= ~(1u << (v - 1));
            const bool take = number == 1 || number >= 6 || (acePaired ? number == 2 : number == 5);
            if (!take) continue;
            const std::uint64_t rank = packedRank(cards, v % RankCount);
            taken |= std::uint64_t{1} << (std::bit_width(rank) - 1);
        }
        out = fromPackedMasks(taken);
    } else {
        int taken = 0;
        for (int v = 13; v >= 1 && taken < 3; --v) {
            if (rankCount(s, v) == 0) continue;
            unionOf(out, out, cardsOfRank(s, v));
            ++taken;
        }
    }
    appendHand(list, out, cat::Trash);
}

// Every window of five ranks the set holds, from the lowest start (ace to five) to the highest
// (ten to ace).
void generateStraights(CandidateList& list, const CardSet& s) {
    const unsigned held = s.mask[0] | s.mask[1] | s.mask[2] | s.mask[3];
    const unsigned ext = held | ((held & 1u) << 13);  // the ace again above the king
    for (unsigned starts = ext & (ext >> 1) & (ext >> 2) & (ext >> 3) & (ext >> 4); starts != 0;
         starts &= starts - 1)
        enumerateStraights(list, s, std::countr_zero(starts));
}

void generateFullHouses(CandidateList& list, const CardSet& s, const RankPattern& pat) {
    for (int r1 = 0; r1 < RankCount; ++r1) {
        if (!((pat.three >> r1) & 1)) continue;
        const CardSet triple = cardsOfRank(s, r1);
        for (int r2 = 0; r2 < RankCount; ++r2) {
            if (r2 == r1) continue;
            if ((pat.two >> r2) & 1) {
                appendHand(list, unite(triple, cardsOfRank(s, r2)), cat::FullHouse);
            } else if ((pat.three >> r2) & 1) {
                // Two triples: the second gives a pair by leaving out one suit at a time.
                for (int suit = 0; suit < SuitCount; ++suit) {
                    if (!((s.mask[suit] >> r2) & 1)) continue;
                    CardSet pair = cardsOfRank(s, r2);
                    pair.mask[suit] = static_cast<std::uint16_t>(pair.mask[suit] & ~(1u << r2));
                    appendHand(list, unite(triple, pair), cat::FullHouse);
                }
            }
        }
    }
}

// The three highest ranks of a rank mask: from the ace's value 13 down, one value at a time.
constexpr std::array<std::uint16_t, 8192> topThreeRanksTable() {
    std::array<std::uint16_t, 8192> t{};
    for (unsigned m = 0; m < t.size(); ++m) {
        unsigned taken = 0;
        for (int v = 13, n = 0; v >= 1 && n < 3; --v) {
            const unsigned rank = 1u << (v % RankCount);
            if (m & rank) {
                taken |= rank;
                ++n;
            }
        }
        t[m] = static_cast<std::uint16_t>(taken);
    }
    return t;
}

}  // namespace

constinit const std::array<std::uint16_t, 8192> TopThreeRanks = topThreeRanksTable();

CardSet categoryMaterial(const CardSet& s, HandCategory k, Position position) {
    return categoryMaterial(s, rankPattern(s), k, position);
}

CardSet categoryMaterial(const CardSet& s, const RankPattern& pat, HandCategory k,
                         Position position) {
    switch (k) {
        case cat::Trash:
            return s;
        case cat::Pair:
            return cardsOfRanks(s, pat.two);
        case cat::TwoPairs:
            return bitCount16(pat.two) >= 2 ? cardsOfRanks(s, pat.two) : CardSet{};
        case cat::Triple: {
            CardSet out = cardsOfRanks(s, pat.three);
            if (position == Position::Front) {
                out.mask[0] |= static_cast<std::uint16_t>(s.mask[0] & pat.four);
                out.mask[1] |= static_cast<std::uint16_t>(s.mask[1] & pat.four);
                out.mask[2] |= static_cast<std::uint16_t>(s.mask[2] & pat.four);
            }
            return out;
        }
        case cat::Straight:
            return cardsOfRanks(s, fiveRunRanks(pat.held));
        case cat::Flush: {
            CardSet out;
            for (int suit = 0; suit < SuitCount; ++suit)
                if (bitCount16(s.mask[suit]) >= 5) out.mask[suit] = s.mask[suit];
            return out;
        }
        case cat::FullHouse: {
            const CardSet t = cardsOfRanks(s, pat.three), p = cardsOfRanks(s, pat.two);
            if (!isEmpty(t) && !isEmpty(p)) return unite(t, p);
            if (isEmpty(p) && bitCount16(pat.three) >= 2) return t;
            return {};
        }
        case cat::Quadruple:
            return cardsOfRanks(s, pat.four);
        case cat::StraightFlush: {
            // The union of the StraightMasks each suit holds in full.
            CardSet out;
            for (int suit = 0; suit < SuitCount; ++suit)
                out.mask[suit] = fiveRunRanks(s.mask[suit]);
            return out;
        }
        default:
            return {};
    }
}

void generateCandidates(CandidateList& list, const CardSet& s, HandCategory k, Position position) {
    generateCandidates(list, s, rankPattern(s), k, position);
}

void generateCandidates(CandidateList& list, const CardSet& s, const RankPattern& pat,
                        HandCategory k, Position position) {
    switch (k) {
        case cat::Trash:
            generateTrash(list, s, position);
            return;
        case cat::Pair:
        case cat::TwoPairs:
        case cat::Triple:
            generateRankGroups(list, s, pat, k, position);
            return;
        case cat::Straight:
            generateStraights(list, s);
            return;
        case cat::Flush:
            for (int suit = 0; suit < SuitCount; ++suit)
                if (bitCount16(s.mask[suit]) >= 5) enumerateFlushes(list, s.mask[suit], suit);
            return;
        case cat::FullHouse:
            generateFullHouses(list, s, pat);
            return;
        case cat::Quadruple:
            for (unsigned ranks = pat.four; ranks != 0; ranks &= ranks - 1)
                appendHand(list, cardsOfRank(s, std::countr_zero(ranks)), cat::Quadruple);
            return;
        case cat::StraightFlush:
            if ((fiveRunRanks(s.mask[0]) | fiveRunRanks(s.mask[1]) | fiveRunRanks(s.mask[2]) |
                 fiveRunRanks(s.mask[3])) == 0)
                return;  // no suit holds a run of five
            for (std::uint16_t straight : StraightMasks)
                for (int suit = 0; suit < SuitCount; ++suit)
                    if ((s.mask[suit] & straight) == straight) {
                        CardSet five;
                        five.mask[suit] = straight;
                        appendHand(list, five, cat::StraightFlush);
                    }
            return;
        default:
            return;
    }
}

void enumerateStraights(CandidateList& list, const CardSet& window, int t) {
    // Each rank's cards, suits ascending, and the lane of each card's suit.
    const std::uint64_t w = packedMasks(window);
    std::uint64_t card[5][4], lane[5][4];
    int n[5];
    for (int i = 0; i < 5; ++i) {
        n[i] = 0;
        for (std::uint64_t x = packedRank(w, (t + i) % 13); x != 0; x &= x - 1) {
            const int bit = std::countr_zero(x);
            card[i][n[i]] = std::uint64_t{1} << bit;
            lane[i][n[i]++] = std::uint64_t{0xFFFF} << (bit & ~15);
        }
    }
    for (int a = 0; a < n[0]; ++a)
        for (int b = 0; b < n[1]; ++b) {
            const std::uint64_t ab = card[0][a] | card[1][b];
            for (int c = 0; c < n[2]; ++c) {
                const std::uint64_t abc = ab | card[2][c];
                for (int d = 0; d < n[3]; ++d) {
                    const std::uint64_t abcd = abc | card[3][d];
                    for (int e = 0; e < n[4]; ++e) {
                        const std::uint64_t five = abcd | card[4][e];
                        // One suit throughout is a straight flush, left to that category.
                        if ((five & ~lane[0][a]) == 0) continue;
                        list.append(Hand{fromPackedMasks(five), cat::Straight});
                    }
                }
            }
        }
}

// Walks the mask list in its built order. For a suit of few cards the five-card subsets are
// fewer than the list, so they are enumerated directly and put in list order by their positions.
void enumerateFlushes(CandidateList& list, std::uint16_t m, int suit) {
    const FiveRankMasks& masks = fiveRankMaskList();
    const auto appendFlush = [&](std::uint16_t f) {
        CardSet five;
        five.mask[suit] = f;
        appendHand(list, five, cat::Flush);
    };
    const int n = bitCount16(m);
    if (n > 9) {
        for (int i = 0; i < masks.length; ++i)
            if ((masks.mask[i] | m) == m) appendFlush(masks.mask[i]);
        return;
    }
    int bits[13];
    for (int r = 0, k = 0; r < 13; ++r)
        if ((m >> r) & 1) bits[k++] = r;
    std::array<std::int16_t, 126> found;  // C(9, 5) = 126 subsets at most
    int count = 0;
    // Every choice of 5 of the n bits, as a mask over the suit's ranks.
    for (unsigned pick = 0x1F; pick < (1u << n);) {
        std::uint16_t f = 0;
        for (int k = 0; k < n; ++k)
            if ((pick >> k) & 1) f = static_cast<std::uint16_t>(f | (1u << bits[k]));
        const std::int16_t at = masks.position[f];
        if (at >= 0) found[static_cast<std::size_t>(count++)] = at;
        const unsigned low = pick & (~pick + 1), ripple = pick + low;  // next with five bits
        pick = (((ripple ^ pick) >> 2) / low) | ripple;
    }
    std::sort(found.begin(), found.begin() + count);
    for (int i = 0; i < count; ++i)
        appendFlush(masks.mask[found[static_cast<std::size_t>(i)]]);
}

// The first of 3, 2, 1 whose front material is not empty, read off the rank pattern: a rank
// held three or four times offers a triple, two ranks held twice two pairs, one a pair.
HandCategory frontCategoryOf(const CardSet& leftover) {
    return frontCategoryOf(rankPattern(leftover));
}

HandCategory frontCategoryOf(const RankPattern& p) {
    if ((p.three | p.four) != 0) return cat::Triple;
    if (bitCount16(p.two) >= 2) return cat::TwoPairs;
    if (p.two != 0) return cat::Pair;
    return cat::Trash;
}

CardSet firstFrontCandidate(const CardSet& leftover, HandCategory k) {
    return firstFrontCandidate(leftover, rankPattern(leftover), k);
}

CardSet takeFirstCandidate(CandidateList& scratch, const CardSet& leftover, HandCategory k) {
    scratch.clear();
    generateCandidates(scratch, leftover, k, Position::Front);
    return scratch.empty() ? CardSet{} : scratch[0].cards;
}

}  // namespace kov
