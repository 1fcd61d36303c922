#include "search/hand_keys.h"

#include <array>
#include <bit>

#include "cards/compare.h"

namespace kov {
namespace {

// The first five values of every value mask from the top, 4 bits each with the highest first
// (0 where none is left), built by the compiler.
constexpr std::array<std::uint32_t, 8192> TopFive = [] {
    std::array<std::uint32_t, 8192> t{};
    for (unsigned m = 0; m < t.size(); ++m) {
        std::uint32_t out = 0;
        unsigned rest = m;
        for (int i = 0; i < 5; ++i) {
            const int v = rest ? std::bit_width(rest) : 0;
            if (v) rest &= ~(1u << (v - 1));
            out = (out << 4) | static_cast<std::uint32_t>(v);
        }
        t[m] = out;
    }
    return t;
}();

// straightKey() of a hand of exactly five single ranks is the start of its five-long run (0 for
// A-2-3-4-5, 9 for 10-J-Q-K-A), or 0 without one. Other hands take the scan itself.
std::uint32_t fiveSinglesStraightKey(const CardSet& cards, const RankPattern& p) {
    if (p.held != p.one || bitCount16(p.one) != 5)
        return static_cast<std::uint32_t>(straightKey(cards));
    const unsigned ext = p.one | ((p.one & 1u) << 13);
    const unsigned starts = ext & (ext >> 1) & (ext >> 2) & (ext >> 3) & (ext >> 4);
    return starts ? static_cast<std::uint32_t>(std::countr_zero(starts)) : 0;
}

}  // namespace

std::uint32_t topValues(std::uint16_t vmask, int steps) {
    return TopFive[vmask & 0x1FFFu] >> (4 * (5 - steps));
}

HandKey fiveKey(const CardSet& cards, HandCategory category) {
    HandKey key;
    if (category > cat::StraightFlush) {
        key.Exact = false;
        return key;
    }
    const RankPattern p = rankPattern(cards);
    const auto vm = [](std::uint16_t m) { return valueMask(m); };
    std::uint32_t less = 0;
    std::uint64_t equal = 0;
    const std::uint64_t pattern =
        static_cast<std::uint64_t>(p.one) | static_cast<std::uint64_t>(p.two) << 13 |
        static_cast<std::uint64_t>(p.three) << 26 | static_cast<std::uint64_t>(p.four) << 39;
    switch (category) {
        case cat::Trash:
            // With single cards only, the first rank from the top where two hands differ is held
            // by one of them: a higher mask is the stronger hand.
            key.Exact = p.held == p.one;
            less = vm(p.held);
            equal = pattern;
            break;
        case cat::Pair:
            less = topValues(vm(p.two), 1) << 12 | topValues(vm(p.one), 3);
            equal = topValues(vm(p.two), 1);
            break;
        case cat::TwoPairs:
            less = topValues(vm(p.two), 2) << 4 | topValues(vm(p.one), 1);
            equal = topValues(vm(p.two), 2);
            break;
        case cat::Triple:
            less = topValues(vm(p.three), 1);
            equal = less;
            break;
        case cat::FullHouse:
            less = topValues(vm(p.three), 1);
            equal = less << 4 | topValues(vm(p.two), 1);
            break;
        case cat::Straight:
        case cat::StraightFlush:
            less = fiveSinglesStraightKey(cards, p);
            equal = pattern;
            break;
        case cat::Flush:
            less = topValues(vm(p.held), 5);
            equal = less;
            break;
        default:  // quadruple
            less = topValues(vm(p.four), 1);
            equal = less;
            break;
    }
    key.Less = static_cast<std::uint32_t>(category) << 24 | less;
    key.Equal = static_cast<std::uint64_t>(category) << 56 | equal;
    return key;
}

HandKey frontKey(const CardSet& cards, HandCategory category) {
    HandKey key;
    const RankValues v = rankValues(rankPattern(cards));
    std::uint32_t less;
    switch (category) {
        case cat::Trash:
            less = topValues(v.one, 3);
            break;
        case cat::Pair:
            less = topValues(v.two, 1) << 4 | topValues(v.one, 1);
            break;
        case cat::Triple:
            less = topValues(v.three, 1);
            break;
        default:
            key.Exact = false;
            return key;
    }
    key.Less = static_cast<std::uint32_t>(category) << 24 | less;
    key.Equal = key.Less;
    return key;
}

ArrangementKey arrangementKey(const Arrangement& a) {
    ArrangementKey k;
    const HandKey keys[3] = {fiveKey(a.back.cards, a.back.category),
                             fiveKey(a.middle.cards, a.middle.category),
                             frontKey(a.front.cards, a.front.category)};
    for (int i = 0; i < 3; ++i) {
        k.Less[i] = keys[i].Less;
        k.Equal[i] = keys[i].Equal;
        k.Exact = k.Exact && keys[i].Exact;
    }
    return k;
}

}  // namespace kov
