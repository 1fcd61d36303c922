#include "search/hand_keys.h"

#include "cards/compare.h"

namespace kov {
namespace {

// The first `steps` values of a value mask from the top, 4 bits each (0 where none is left).
std::uint32_t topValues(std::uint16_t vmask, int steps) {
    std::uint32_t out = 0;
    int below = 14;
    for (int i = 0; i < steps; ++i) {
        below = topValueBelow(vmask, below);
        out = (out << 4) | static_cast<std::uint32_t>(below);
    }
    return out;
}

struct Values {
    std::uint16_t held, one, two, three, four;
};
Values valuesOf(const RankPattern& p) {
    return {valueMask(p.held), valueMask(p.one), valueMask(p.two), valueMask(p.three),
            valueMask(p.four)};
}

}  // namespace

HandKey fiveKey(const CardSet& cards, HandCategory category) {
    HandKey key;
    if (category > cat::StraightFlush) {
        key.exact = false;
        return key;
    }
    const RankPattern p = rankPattern(cards);
    const Values v = valuesOf(p);
    std::uint32_t less = 0;
    std::uint64_t equal = 0;
    const std::uint64_t pattern =
        static_cast<std::uint64_t>(p.one) | static_cast<std::uint64_t>(p.two) << 13 |
        static_cast<std::uint64_t>(p.three) << 26 | static_cast<std::uint64_t>(p.four) << 39;
    switch (category) {
        case cat::Trash:
            // With single cards only, the first rank from the top where two hands differ is held
            // by one of them: a higher mask is the stronger hand.
            key.exact = p.held == p.one;
            less = v.held;
            equal = pattern;
            break;
        case cat::Pair:
            less = topValues(v.two, 1) << 12 | topValues(v.one, 3);
            equal = topValues(v.two, 1);
            break;
        case cat::TwoPairs:
            less = topValues(v.two, 2) << 4 | topValues(v.one, 1);
            equal = topValues(v.two, 2);
            break;
        case cat::Triple:
            less = topValues(v.three, 1);
            equal = less;
            break;
        case cat::FullHouse:
            less = topValues(v.three, 1);
            equal = less << 4 | topValues(v.two, 1);
            break;
        case cat::Straight:
        case cat::StraightFlush:
            less = static_cast<std::uint32_t>(straightKey(cards));
            equal = pattern;
            break;
        case cat::Flush:
            less = topValues(v.held, 5);
            equal = less;
            break;
        default:  // quadruple
            less = topValues(v.four, 1);
            equal = less;
            break;
    }
    key.less = static_cast<std::uint32_t>(category) << 24 | less;
    key.equal = static_cast<std::uint64_t>(category) << 56 | equal;
    return key;
}

HandKey frontKey(const CardSet& cards, HandCategory category) {
    HandKey key;
    const Values v = valuesOf(rankPattern(cards));
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
            key.exact = false;
            return key;
    }
    key.less = static_cast<std::uint32_t>(category) << 24 | less;
    key.equal = key.less;
    return key;
}

ArrangementKey arrangementKey(const Arrangement& a) {
    ArrangementKey k;
    k.special = a.back.category >= 10 && a.back.category <= 15;
    k.back = fiveKey(a.back.cards, a.back.category);
    k.middle = fiveKey(a.middle.cards, a.middle.category);
    k.front = frontKey(a.front.cards, a.front.category);
    k.exact = k.back.exact && k.middle.exact && k.front.exact;
    return k;
}

bool dominatesKeyed(const Arrangement& a, const ArrangementKey& ka, const Arrangement& b,
                    const ArrangementKey& kb) {
    if (ka.special || kb.special) return false;
    if (!ka.exact || !kb.exact) return dominates(a, b);
    return ka.back.less >= kb.back.less && ka.middle.less >= kb.middle.less &&
           ka.front.less >= kb.front.less;
}

bool sameRankKeyed(const Arrangement& a, const ArrangementKey& ka, const Arrangement& b,
                   const ArrangementKey& kb) {
    if (!ka.exact || !kb.exact || ka.special || kb.special) return sameArrangementRank(a, b);
    return ka.back.equal == kb.back.equal && ka.middle.equal == kb.middle.equal &&
           ka.front.equal == kb.front.equal;
}

}  // namespace kov
