// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Hand categories, hands and arrangements.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cards/card_set.h"

namespace kov {

// 0..8 ordinary hands, 9 reserved (never assigned), 10..15 special thirteen-card holdings,
// 23 marks an ILLEGAL arrangement. A front hand is only ever Trash, Pair or Triple. The numbers
// are the game's own: tables are indexed by them and the engine tool prints them.
enum class HandCategory : std::uint8_t {
    Trash = 0,
    Pair = 1,
    TwoPairs = 2,
    Triple = 3,
    Straight = 4,
    Flush = 5,
    FullHouse = 6,
    Quadruple = 7,
    StraightFlush = 8,
    Reserved = 9,
    SixPairs = 10,
    ThreeFlush = 11,
    ThreeStraight = 12,
    FivePairsTriple = 13,
    ThirteenStraight = 14,
    ThirteenStraightFlush = 15,
    Illegal = 23,
};

// The category's number, to index a table by category or to print it.
constexpr std::size_t index(HandCategory c) {
    return static_cast<std::size_t>(c);
}

// Short names for the categories.
namespace cat {
inline constexpr HandCategory Trash = HandCategory::Trash, Pair = HandCategory::Pair,
                              TwoPairs = HandCategory::TwoPairs, Triple = HandCategory::Triple,
                              Straight = HandCategory::Straight, Flush = HandCategory::Flush,
                              FullHouse = HandCategory::FullHouse,
                              Quadruple = HandCategory::Quadruple,
                              StraightFlush = HandCategory::StraightFlush,
                              Reserved = HandCategory::Reserved, SixPairs = HandCategory::SixPairs,
                              ThreeFlush = HandCategory::ThreeFlush,
                              ThreeStraight = HandCategory::ThreeStraight,
                              FivePairsTriple = HandCategory::FivePairsTriple,
                              ThirteenStraight = HandCategory::ThirteenStraight,
                              ThirteenStraightFlush = HandCategory::ThirteenStraightFlush;
}  // namespace cat
inline constexpr HandCategory IllegalMarker = HandCategory::Illegal;

// The ordinary categories from trash up to the straight flush, and the six specials, in order.
inline constexpr std::array<HandCategory, 9> OrdinaryCategories = {
    cat::Trash, cat::Pair,      cat::TwoPairs,  cat::Triple,       cat::Straight,
    cat::Flush, cat::FullHouse, cat::Quadruple, cat::StraightFlush};
inline constexpr std::array<HandCategory, 6> SpecialCategories = {
    cat::SixPairs,        cat::ThreeFlush,       cat::ThreeStraight,
    cat::FivePairsTriple, cat::ThirteenStraight, cat::ThirteenStraightFlush};

inline constexpr std::array<std::string_view, 16> CategoryNames = {
    "trash",          "a pair",
    "2 pairs",        "triple",
    "straight",       "flush",
    "full house",     "quadruple",
    "straight flush", "XXXXX",
    "6 pairs",        "3 flush",
    "3 straight",     "5 pairs, 1 triple",
    "13 straight",    "13 straight flush"};

struct Hand {
    CardSet cards;
    HandCategory category = HandCategory::Trash;
    bool operator==(const Hand&) const = default;
};

constexpr int HoldingSize = 13;  // the cards of one holding, dealt to each seat

// Which hand of an arrangement: the front (3 cards), the middle (5) or the back (5), in the
// order the rules and the table name them, top to bottom.
enum class Position : int { Front = 0, Middle = 1, Back = 2 };
inline constexpr Position AllPositions[] = {Position::Front, Position::Middle, Position::Back};

// Three hands in the fixed order back (5 cards), middle (5 cards), front (3 cards).
// Specials and ILLEGAL carry their number in all three category bytes; readers test one.
struct Arrangement {
    Hand back, middle, front;
    bool operator==(const Arrangement&) const = default;
    void setCategories(HandCategory c) { back.category = middle.category = front.category = c; }
};

inline const Hand& handAt(const Arrangement& a, Position position) {
    return position == Position::Front ? a.front : position == Position::Middle ? a.middle : a.back;
}
// The slot of a position in what is kept per hand in the arrangement's order, back first
// (back 0, middle 1, front 2): the search's keys and the pairing keys.
constexpr int backFirstSlot(Position position) {
    return 2 - static_cast<int>(position);
}

// Which cards of a set hold each rank how often, as 13-bit rank masks (bit r = rank r).
struct RankPattern {
    std::uint16_t held, one, two, three, four;
};
// Inlined everywhere: the search reads it for every hand it keys.
// Each rank's count, 0 to 4, is added up in three bit planes with half adders, all ranks at once:
// the low bit, the middle bit (2) and the high bit (4).
[[gnu::always_inline]] inline RankPattern rankPattern(const CardSet& s) {
    const unsigned a = s.mask[0], b = s.mask[1], c = s.mask[2], d = s.mask[3];
    const unsigned ab = a ^ b, cd = c ^ d;
    const unsigned low = ab ^ cd;
    const unsigned bothAB = a & b, bothCD = c & d;
    const unsigned mid = bothAB ^ bothCD ^ (ab & cd);
    const unsigned high = bothAB & bothCD;
    return {static_cast<std::uint16_t>(low | mid | high), static_cast<std::uint16_t>(low & ~mid),
            static_cast<std::uint16_t>(mid & ~low), static_cast<std::uint16_t>(low & mid),
            static_cast<std::uint16_t>(high)};
}

// Rank mask re-ordered by rank value: bit v-1 stands for value v (two = bit 0, ace = bit 12).
constexpr std::uint16_t valueMask(std::uint16_t rankMask) {
    return static_cast<std::uint16_t>((rankMask >> 1) | ((rankMask & 1u) << 12));
}

// The highest rank value of a value mask strictly below `below` (14 = no bound); 0 when none.
inline int topValueBelow(std::uint16_t vmask, int below) {
    if (below <= 1) return 0;
    const unsigned m = vmask & ((1u << (below - 1)) - 1u);
    return m ? std::bit_width(m) : 0;
}
inline int topValue(std::uint16_t vmask) {
    return topValueBelow(vmask, 14);
}

}  // namespace kov
