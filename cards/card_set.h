// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Cards and card sets.
//
// A card is a CardIndex 0..51: suit = index / 13 (0 hearts, 1 diamonds, 2 clubs, 3 spades),
// rank = index % 13 (0 ace, 1 two, ..., 12 king).
// A CardSet is four 13-bit rank masks, one per suit: bit r of mask s holds the card of suit s and
// rank r. Bits 13..15 are always 0.
//
// Ranks compare by rank value: ace 13, king 12, ..., two 1. A scan "from the top" visits the
// values 13 down to 1 and takes each modulo 13 (so value 13 is the ace at bit 0). Only straights
// also let the ace stand below the two.

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace kov {

using CardIndex = std::uint8_t;
using CardFaceNumber =
    int;  // card-library face: rank * 4 + suit code (clubs 0, diamonds 1, hearts 2, spades 3)

constexpr int SuitCount = 4;
constexpr int RankCount = 13;
constexpr int DeckSize = 52;
constexpr std::uint16_t FullSuit = 0x1FFF;

constexpr int suitOf(CardIndex c) {
    return c / RankCount;
}
constexpr int rankOf(CardIndex c) {
    return c % RankCount;
}
constexpr CardIndex makeCard(int suit, int rank) {
    return static_cast<CardIndex>(suit * RankCount + rank);
}

struct CardSet {
    std::array<std::uint16_t, SuitCount> mask{};
    bool operator==(const CardSet&) const = default;
};

using Holding = std::array<CardIndex, 13>;

// The ten five-rank straights, highest first: 10-J-Q-K-A down to A-2-3-4-5. Runs never wrap.
inline constexpr std::array<std::uint16_t, 10> StraightMasks = {
    0x1E01, 0x1F00, 0x0F80, 0x07C0, 0x03E0, 0x01F0, 0x00F8, 0x007C, 0x003E, 0x001F};

// The four masks side by side in one word, suit s in bits 16s to 16s + 15 (so a rank's cards are
// one bit in each 16-bit lane, the lowest suit lowest), and back.
static_assert(std::endian::native == std::endian::little);
inline std::uint64_t packedMasks(const CardSet& s) {
    std::uint64_t w;
    static_assert(sizeof w == sizeof s.mask);
    std::memcpy(&w, s.mask.data(), sizeof w);
    return w;
}
inline CardSet fromPackedMasks(std::uint64_t w) {
    CardSet s;
    std::memcpy(s.mask.data(), &w, sizeof w);
    return s;
}
// Rank 0 in every suit's lane: times a rank mask, that mask in every lane.
inline constexpr std::uint64_t EverySuit = 0x0001000100010001ull;
// The ranks the cards of packed masks w hold (bit r: rank r), and of a set.
constexpr std::uint16_t heldRanks(std::uint64_t w) {
    return static_cast<std::uint16_t>((w | w >> 16 | w >> 32 | w >> 48) & 0x1FFFu);
}
inline std::uint16_t heldRanks(const CardSet& s) {
    return heldRanks(packedMasks(s));
}
// The windows of five ranks a rank mask holds whole: bit t for the window from rank t up (t = 9:
// ten to ace, the ace again above the king).
constexpr unsigned windowStarts(unsigned ranks) {
    const unsigned ext = ranks | (ranks & 1u) << 13;
    return ext & ext >> 1 & ext >> 2 & ext >> 3 & ext >> 4;
}
// The lanes of hearts, diamonds and clubs: a word of packed masks without its spades.
inline constexpr std::uint64_t AllButSpades = 0x0000FFFFFFFFFFFFull;

inline void clear(CardSet& s) {
    s = CardSet{};
}
inline bool isEmpty(const CardSet& s) {
    return (s.mask[0] | s.mask[1] | s.mask[2] | s.mask[3]) == 0;
}

inline void unionOf(CardSet& dst, const CardSet& a, const CardSet& b) {
    for (int s = 0; s < SuitCount; ++s)
        dst.mask[s] = static_cast<std::uint16_t>(a.mask[s] | b.mask[s]);
}
inline void intersectionOf(CardSet& dst, const CardSet& a, const CardSet& b) {
    for (int s = 0; s < SuitCount; ++s)
        dst.mask[s] = static_cast<std::uint16_t>(a.mask[s] & b.mask[s]);
}
// Removes b's cards from a.
inline void minus(CardSet& a, const CardSet& b) {
    for (int s = 0; s < SuitCount; ++s)
        a.mask[s] = static_cast<std::uint16_t>(a.mask[s] & ~b.mask[s]);
}
inline CardSet unite(const CardSet& a, const CardSet& b) {
    CardSet r;
    unionOf(r, a, b);
    return r;
}
inline CardSet without(const CardSet& a, const CardSet& b) {
    return fromPackedMasks(packedMasks(a) & ~packedMasks(b));
}

// Set bits among the low 16 bits. With the processor's population count (x86-64 builds enable
// it, see CMakeLists.txt) one instruction; otherwise counted in parallel within the word: pairs,
// then nibbles, then bytes.
constexpr int bitCount16(std::uint32_t v) {
    v &= 0xFFFFu;
#if defined(__POPCNT__)
    return std::popcount(v);
#else
    v = v - ((v >> 1) & 0x5555u);
    v = (v & 0x3333u) + ((v >> 2) & 0x3333u);
    v = (v + (v >> 4)) & 0x0F0Fu;
    return static_cast<int>((v + (v >> 8)) & 0x1Fu);
#endif
}

// The four masks side by side in one 64-bit word, counted like bitCount16.
inline int cardCount(const CardSet& s) {
    std::uint64_t v = packedMasks(s);
#if defined(__POPCNT__)
    return std::popcount(v);
#else
    v = v - ((v >> 1) & 0x5555555555555555ull);
    v = (v & 0x3333333333333333ull) + ((v >> 2) & 0x3333333333333333ull);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((v * 0x0101010101010101ull) >> 56);
#endif
}

// Suits holding rank r (taken modulo 13, so 13 counts aces).
inline int rankCount(const CardSet& s, int r) {
    r %= RankCount;
    return ((s.mask[0] >> r) & 1) + ((s.mask[1] >> r) & 1) + ((s.mask[2] >> r) & 1) +
           ((s.mask[3] >> r) & 1);
}

// The four cards of rank r.
inline void allOfRank(CardSet& dst, int r) {
    const auto bit = static_cast<std::uint16_t>(1u << (r % RankCount));
    dst.mask = {bit, bit, bit, bit};
}

inline void removeRank(CardSet& s, int r) {
    const auto keep = static_cast<std::uint16_t>(~(1u << (r % RankCount)));
    for (auto& m : s.mask)
        m &= keep;
}

void thinRank(CardSet& s, int r);
void keepFirstSuitOfBit(CardSet& s, int bit);
CardSet setOf(const Holding& row);
// The cards of a 13-card set as a holding, in ascending card order.
Holding holdingOf(const CardSet& s);

inline void addCard(CardSet& s, CardIndex c) {
    s.mask[suitOf(c)] = static_cast<std::uint16_t>(s.mask[suitOf(c)] | (1u << rankOf(c)));
}
inline bool hasCard(const CardSet& s, CardIndex c) {
    return (s.mask[suitOf(c)] >> rankOf(c)) & 1;
}

// Card-library face numbers: rank * 4 + the library's suit code. The library numbers the suits
// clubs 0, diamonds 1, hearts 2, spades 3; the card index numbers them hearts 0, diamonds 1,
// clubs 2, spades 3. The two orders differ only by exchanging hearts and clubs, so the one
// exchange below maps either way.
constexpr int exchangeHeartsAndClubs(int suit) {
    return (suit == 0 || suit == 2) ? 2 - suit : suit;
}
constexpr CardFaceNumber toFaceNumber(CardIndex c) {
    return rankOf(c) * 4 + exchangeHeartsAndClubs(suitOf(c));
}
// The card index of a face number, as an int. It is also the key of suit order: suit, then rank.
constexpr int fromFaceNumber(CardFaceNumber n) {
    return exchangeHeartsAndClubs(n % 4) * RankCount + n / 4;
}
// The key of card-number order: rank, then suit in card-index suit order.
constexpr int numberOrderKey(CardFaceNumber n) {
    return (n / 4) * 4 + exchangeHeartsAndClubs(n % 4);
}

// The non-straight five-rank masks in the order the search walks them (1277 entries).
struct FiveRankMasks {
    std::array<std::uint16_t, 1287> mask{};
    std::int32_t length = 0;
    std::array<std::int16_t, 8192> position{};  // index of each mask in the list, -1 if absent
    // Removes m if present: the last mask moves into its place.
    void removeFiveRankMask(std::uint16_t m);
};
const FiveRankMasks& fiveRankMaskList();
FiveRankMasks buildFiveRankMaskList();

}  // namespace kov
