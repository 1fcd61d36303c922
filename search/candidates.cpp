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

// The bits of a 7-bit number in reverse order.
constexpr std::array<std::uint8_t, 128> reverse7Table() {
    std::array<std::uint8_t, 128> t{};
    for (unsigned x = 0; x < 128; ++x)
        for (int b = 0; b < 7; ++b)
            if ((x >> b) & 1) t[x] = static_cast<std::uint8_t>(t[x] | 1u << (6 - b));
    return t;
}
constinit const std::array<std::uint8_t, 128> Reverse7 = reverse7Table();

// The low 13 bits of x in reverse order: bit b to bit 12 - b.
inline unsigned reverse13(unsigned x) {
    return static_cast<unsigned>(Reverse7[x & 0x7Fu] << 6 | Reverse7[(x >> 7) & 0x3Fu] >> 1);
}

void generateTrash(CandidateList& list, const CardSet& s, Position position) {
    const std::uint64_t w = packedMasks(s);
    const std::uint16_t held = heldRanks(w);
    if (position != Position::Middle) {
        // Every card of the three highest ranks.
        list.append(Hand{fromPackedMasks(w & TopThreeRanks[held] * EverySuit), cat::Trash});
        return;
    }
    // Number the held ranks from the top 1, 2, 3, ...; take 1, 5, 6, 7, 8 (or 1, 2, 6, 7, 8 when
    // the ace is paired), one card per rank: the skipped ranks are left for the front. Of a rank
    // it takes the card of the highest suit.
    // With the values reversed, the highest first, each number's rank is the lowest bit left.
    const bool acePaired = std::popcount(w & EverySuit) == 2;
    unsigned left = reverse13(valueMask(held));
    unsigned picked = left & (0u - left);  // 1
    left &= left - 1;
    const unsigned second = acePaired ? left & (0u - left) : 0u;  // 2 when the ace is paired
    picked |= second;
    left ^= second;
    left &= left - 1;  // three skipped
    left &= left - 1;
    left &= left - 1;
    unsigned after = left & (left - 1);  // the next three, or four when the ace is not paired
    after &= after - 1;
    after &= after - 1;
    if (!acePaired) after &= after - 1;
    const unsigned taken = reverse13(picked | (left ^ after));
    const unsigned ranks = ((taken << 1) | (taken >> 12)) & 0x1FFFu;  // values back to ranks
    // A rank's card in the highest suit holding it: none of the higher lanes holds the rank.
    const std::uint64_t cards = w & ranks * EverySuit;
    list.append(
        Hand{fromPackedMasks(cards & ~(cards >> 16 | cards >> 32 | cards >> 48)), cat::Trash});
}

// The ranks of window t: t, t+1, ..., (t+4) mod 13 (t = 9: ten to ace).
constexpr unsigned windowRanks(int t) {
    return t == 9 ? 0x1E01u : 0x1Fu << t;
}

// The suits holding rank r among packed masks w: bit s for suit s. The multiplication gathers
// the four lanes' bits into bits 48 to 51.
inline unsigned suitsOfRank(std::uint64_t w, int r) {
    return static_cast<unsigned>((((w >> r) & EverySuit) * 0x0001000200040008ull) >> 48);
}

// For each set of suits, the lanes of its suits in ascending order (rank 0's cards), then zeros.
constexpr std::array<std::array<std::uint64_t, 4>, 16> suitLanesTable() {
    std::array<std::array<std::uint64_t, 4>, 16> t{};
    for (unsigned suits = 0; suits < 16; ++suits)
        for (int suit = 0, n = 0; suit < SuitCount; ++suit)
            if ((suits >> suit) & 1)
                t[suits][static_cast<std::size_t>(n++)] = EverySuit & (0xFFFFull << (16 * suit));
    return t;
}
constinit const std::array<std::array<std::uint64_t, 4>, 16> SuitLanes = suitLanesTable();

// The straights of window t among packed masks w, whose ranks held exactly once are `single`:
// every rank of the window is held. Those ranks give every straight their one card; the others
// are crossed in window order, the lower rank varying slower, each rank's cards by suit. Each
// step writes four choices for every earlier one, the unused ones overwritten by the next.
void windowStraights(CandidateList& list, std::uint64_t w, unsigned single, int t) {
    const unsigned ranks = windowRanks(t);
    const std::uint64_t every = ranks * EverySuit;
    std::uint64_t buffers[2][1024 + 3];  // 4^5 choices at most
    std::uint64_t *choices = buffers[0], *next = buffers[1];
    choices[0] = w & (ranks & single) * EverySuit;
    int count = 1;
    for (unsigned more = (ranks & ~single) >> t | (t == 9 && !(single & 1u) ? 0x10u : 0u);
         more != 0; more &= more - 1) {
        const int i = std::countr_zero(more);
        const int r = t + i == RankCount ? 0 : t + i;
        const unsigned suits = suitsOfRank(w, r);
        const auto& lanes = SuitLanes[suits];
        const std::uint64_t c0 = lanes[0] << r, c1 = lanes[1] << r, c2 = lanes[2] << r,
                            c3 = lanes[3] << r;
        const int n = std::popcount(suits);
        for (int p = 0; p < count; ++p) {
            const std::uint64_t before = choices[p];
            std::uint64_t* to = next + p * n;
            to[0] = before | c0;
            to[1] = before | c1;
            to[2] = before | c2;
            to[3] = before | c3;
        }
        std::swap(choices, next);
        count *= n;
    }
    // A suit holding the whole window makes one choice a straight flush, left to that category:
    // a lane of the window's cards with no rank missing.
    const std::uint64_t missing = ~w & every;
    if (((missing - EverySuit) & ~missing & 0x8000800080008000ull) != 0) {
        for (int p = 0; p < count; ++p) {
            const std::uint64_t five = choices[p];
            if ((five & ~(std::uint64_t{0xFFFF} << (std::countr_zero(five) & ~15))) != 0)
                list.append(Hand{fromPackedMasks(five), cat::Straight});
        }
        return;
    }
    for (int p = 0; p < count; ++p)
        list.append(Hand{fromPackedMasks(choices[p]), cat::Straight});
}

// Every window of five ranks the set holds, from the lowest start (ace to five) to the highest
// (ten to ace).
void generateStraights(CandidateList& list, const CardSet& s) {
    const RankPattern pat = rankPattern(s);
    const std::uint64_t w = packedMasks(s);
    for (unsigned starts = windowStarts(pat.held); starts != 0; starts &= starts - 1)
        windowStraights(list, w, pat.one, std::countr_zero(starts));
}

// Triples by rank, ascending; for each, the other ranks held two or three times, ascending.
void generateFullHouses(CandidateList& list, const CardSet& s, const RankPattern& pat) {
    const std::uint64_t w = packedMasks(s);
    for (unsigned triples = pat.three; triples != 0; triples &= triples - 1) {
        const int r1 = std::countr_zero(triples);
        const std::uint64_t triple = packedRank(w, r1);
        for (unsigned others = (pat.two | pat.three) & ~(1u << r1); others != 0;
             others &= others - 1) {
            const int r2 = std::countr_zero(others);
            const std::uint64_t pair = packedRank(w, r2);
            if ((pat.two >> r2) & 1) {
                list.append(Hand{fromPackedMasks(triple | pair), cat::FullHouse});
                continue;
            }
            // Two triples: the second gives a pair by leaving out one suit at a time, ascending.
            for (std::uint64_t left = pair; left != 0; left &= left - 1)
                list.append(
                    Hand{fromPackedMasks(triple | (pair ^ (left & (~left + 1)))), cat::FullHouse});
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
    if (k == cat::Trash) {
        generateTrash(list, s, position);  // reads no rank pattern
        return;
    }
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
        case cat::StraightFlush: {
            // Bit t of a suit's lane: the suit holds window t, the ace again above the king.
            const std::uint64_t w = packedMasks(s);
            const std::uint64_t e = w | (w & EverySuit) << 13;
            const std::uint64_t starts =
                e & e >> 1 & e >> 2 & e >> 3 & e >> 4 & 0x03FF03FF03FF03FFull;
            // From the highest window (ten to ace) down, suits ascending.
            for (int t = 9; starts != 0 && t >= 0; --t)
                for (std::uint64_t suits = (starts >> t) & EverySuit; suits != 0;
                     suits &= suits - 1)
                    list.append(Hand{fromPackedMasks((suits & (~suits + 1)) * windowRanks(t)),
                                     cat::StraightFlush});
            return;
        }
        default:
            return;
    }
}

void enumerateStraights(CandidateList& list, const CardSet& window, int t) {
    const RankPattern pat = rankPattern(window);
    if ((pat.held & windowRanks(t)) == windowRanks(t))
        windowStraights(list, packedMasks(window), pat.one, t);
}

namespace {

// Whether a five-rank mask is a straight: five consecutive ranks, or ten to ace.
constexpr bool isStraightMask(unsigned f) {
    return (f >> std::countr_zero(f)) == 0x1Fu || f == 0x1E01u;
}

// Hands `each` every set of `Count` bits of `from`, added to `removed`, in descending numeric
// order: the highest bit first, then the sets below it.
template <int Count, typename Each>
[[gnu::always_inline]] inline void descendingBitSets(unsigned from, unsigned removed, Each& each) {
    for (unsigned left = from; left != 0;) {
        const unsigned high = std::bit_floor(left);
        left ^= high;
        if constexpr (Count == 1)
            each(removed | high);
        else
            descendingBitSets<Count - 1>(left, removed | high, each);
    }
}

// Each five-rank mask's place in the mask list (fiveRankMaskList()), -1 for a straight: the
// masks ascending, then each straight removed by moving the last mask into its place.
constexpr std::array<std::int16_t, 8192> flushPlacesTable() {
    std::array<std::uint16_t, 1287> masks{};
    int length = 0;
    for (unsigned m = 0; m < 8192; ++m)
        if (std::popcount(m) == 5)
            masks[static_cast<std::size_t>(length++)] = static_cast<std::uint16_t>(m);
    for (std::uint16_t straight : StraightMasks)
        for (int i = 0; i < length; ++i)
            if (masks[static_cast<std::size_t>(i)] == straight) {
                masks[static_cast<std::size_t>(i)] = masks[static_cast<std::size_t>(--length)];
                break;
            }
    std::array<std::int16_t, 8192> at{};
    at.fill(-1);
    for (int i = 0; i < length; ++i)
        at[masks[static_cast<std::size_t>(i)]] = static_cast<std::int16_t>(i);
    return at;
}
constinit const std::array<std::int16_t, 8192> FlushPlaces = flushPlacesTable();

}  // namespace

// The mask list is in ascending order but for the places of the straights removed from it,
// which the list's highest masks took: those all hold the jack, queen and king. A suit lacking
// one of them has its flushes in ascending order: the suit less every choice of the cards left
// out, the choices in descending order. Other suits have their five-card subsets enumerated
// and put in list order by their places.
void enumerateFlushes(CandidateList& list, std::uint16_t m, int suit) {
    const auto appendFlush = [&](std::uint16_t f) {
        list.append(Hand{fromPackedMasks(std::uint64_t{f} << (16 * suit)), cat::Flush});
    };
    const int n = bitCount16(m);
    if (n == 5) {
        if (!isStraightMask(m)) appendFlush(m);
        return;
    }
    if (n <= 9 && (m & 0x1C00u) != 0x1C00u) {
        const auto each = [&](unsigned leftOut) {
            const auto f = static_cast<std::uint16_t>(m ^ leftOut);
            if (!isStraightMask(f)) appendFlush(f);
        };
        switch (n) {
            case 6:
                descendingBitSets<1>(m, 0, each);
                return;
            case 7:
                descendingBitSets<2>(m, 0, each);
                return;
            case 8:
                descendingBitSets<3>(m, 0, each);
                return;
            default:
                descendingBitSets<4>(m, 0, each);
                return;
        }
    }
    int bits[13];
    for (int r = 0, k = 0; r < 13; ++r)
        if ((m >> r) & 1) bits[k++] = r;
    std::array<std::uint32_t, 1287> found;  // C(13, 5): a place in the list, then the mask
    int count = 0;
    // Every choice of 5 of the n bits, as a mask over the suit's ranks.
    for (unsigned pick = 0x1F; pick < (1u << n);) {
        unsigned f = 0;
        for (int k = 0; k < n; ++k)
            if ((pick >> k) & 1) f |= 1u << bits[k];
        if (const int at = FlushPlaces[f]; at >= 0)
            found[static_cast<std::size_t>(count++)] = static_cast<std::uint32_t>(at) << 16 | f;
        const unsigned low = pick & (~pick + 1), ripple = pick + low;  // next with five bits
        pick = (((ripple ^ pick) >> 2) / low) | ripple;
    }
    std::sort(found.begin(), found.begin() + count);
    for (int i = 0; i < count; ++i)
        appendFlush(static_cast<std::uint16_t>(found[static_cast<std::size_t>(i)]));
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
