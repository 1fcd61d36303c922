#include "search/candidates.h"

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

CardSet cardsOfRank(const CardSet& s, int r) {
    return cardsOfRanks(s, static_cast<std::uint16_t>(1u << (r % RankCount)));
}

void appendHand(CandidateList& list, const CardSet& cards, HandCategory k) {
    list.append(Hand{cards, k});
}

// Ranks whose cards belong to a run of at least five consecutive held ranks over positions
// 0..13 (the ace may end a run above the king).
std::uint16_t straightRanks(std::uint16_t held) {
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

void generateTrash(CandidateList& list, const CardSet& s, HandRole role) {
    CardSet out;
    if (role == HandRole::Middle) {
        // Number the held ranks from the top 1, 2, 3, ...; take 1, 5, 6, 7, 8 (or 1, 2, 6, 7, 8
        // when the ace is paired), one card per rank: the skipped ranks are left for the front.
        const bool acePaired = rankCount(s, 0) == 2;
        int number = 0;
        for (int v = 13; v >= 1 && number < 8; --v) {
            if (rankCount(s, v) == 0) continue;
            ++number;
            const bool take = number == 1 || number >= 6 || (acePaired ? number == 2 : number == 5);
            if (!take) continue;
            CardSet rank = cardsOfRank(s, v);
            thinRank(rank, v);
            unionOf(out, out, rank);
        }
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

void generateStraights(CandidateList& list, const CardSet& s) {
    CardSet window;
    int length = 0;
    for (int p = 0; p <= 13; ++p) {
        const int r = p % 13;
        if (rankCount(s, r) == 0) {
            clear(window);
            length = 0;
            continue;
        }
        unionOf(window, window, cardsOfRank(s, r));
        if (length < 5) ++length;
        if (length == 5) {
            enumerateStraights(list, window, p - 4);
            removeRank(window, p - 4);
            length = 4;
        }
    }
}

void generateFullHouses(CandidateList& list, const CardSet& s) {
    const RankPattern pat = rankPattern(s);
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

}  // namespace

CardSet categoryMaterial(const CardSet& s, HandCategory k, HandRole role) {
    const RankPattern pat = rankPattern(s);
    switch (k) {
        case cat::Trash:
            return s;
        case cat::Pair:
            return cardsOfRanks(s, pat.two);
        case cat::TwoPairs:
            return std::popcount(pat.two) >= 2 ? cardsOfRanks(s, pat.two) : CardSet{};
        case cat::Triple: {
            CardSet out = cardsOfRanks(s, pat.three);
            if (role == HandRole::Front) {
                out.mask[0] |= static_cast<std::uint16_t>(s.mask[0] & pat.four);
                out.mask[1] |= static_cast<std::uint16_t>(s.mask[1] & pat.four);
                out.mask[2] |= static_cast<std::uint16_t>(s.mask[2] & pat.four);
            }
            return out;
        }
        case cat::Straight:
            return cardsOfRanks(s, straightRanks(pat.held));
        case cat::Flush: {
            CardSet out;
            for (int suit = 0; suit < SuitCount; ++suit)
                if (bitCount16(s.mask[suit]) >= 5) out.mask[suit] = s.mask[suit];
            return out;
        }
        case cat::FullHouse: {
            const CardSet t = cardsOfRanks(s, pat.three), p = cardsOfRanks(s, pat.two);
            if (!isEmpty(t) && !isEmpty(p)) return unite(t, p);
            if (isEmpty(p) && std::popcount(pat.three) >= 2) return t;
            return {};
        }
        case cat::Quadruple:
            return cardsOfRanks(s, pat.four);
        case cat::StraightFlush: {
            CardSet out;
            for (std::uint16_t straight : StraightMasks)
                for (int suit = 0; suit < SuitCount; ++suit)
                    if ((s.mask[suit] & straight) == straight) out.mask[suit] |= straight;
            return out;
        }
        default:
            return {};
    }
}

void generateCandidates(CandidateList& list, const CardSet& s, HandCategory k, HandRole role) {
    const RankPattern pat = rankPattern(s);
    switch (k) {
        case cat::Trash:
            generateTrash(list, s, role);
            return;
        case cat::Pair:
            for (int v = 13; v >= 1; --v)
                if ((pat.two >> (v % 13)) & 1) appendHand(list, cardsOfRank(s, v), cat::Pair);
            return;
        case cat::TwoPairs:
            for (int r1 = 0; r1 < 12; ++r1) {
                if (!((pat.two >> r1) & 1)) continue;
                for (int r2 = r1 + 1; r2 < RankCount; ++r2)
                    if ((pat.two >> r2) & 1)
                        appendHand(list, unite(cardsOfRank(s, r1), cardsOfRank(s, r2)),
                                   cat::TwoPairs);
            }
            return;
        case cat::Triple:
            for (int r = 0; r < RankCount; ++r) {
                if ((pat.three >> r) & 1) {
                    appendHand(list, cardsOfRank(s, r), cat::Triple);
                } else if (role == HandRole::Front && ((pat.four >> r) & 1)) {
                    CardSet three = cardsOfRank(s, r);
                    three.mask[3] = 0;  // a four of a kind offers its hearts, diamonds and clubs
                    appendHand(list, three, cat::Triple);
                }
            }
            return;
        case cat::Straight:
            generateStraights(list, s);
            return;
        case cat::Flush:
            for (int suit = 0; suit < SuitCount; ++suit)
                if (bitCount16(s.mask[suit]) >= 5) enumerateFlushes(list, s.mask[suit], suit);
            return;
        case cat::FullHouse:
            generateFullHouses(list, s);
            return;
        case cat::Quadruple:
            for (int r = 0; r < RankCount; ++r)
                if ((pat.four >> r) & 1) appendHand(list, cardsOfRank(s, r), cat::Quadruple);
            return;
        case cat::StraightFlush:
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
    int ranks[5];
    for (int i = 0; i < 5; ++i)
        ranks[i] = (t + i) % 13;
    const auto holds = [&](int suit, int i) { return (window.mask[suit] >> ranks[i]) & 1; };
    for (int s0 = 0; s0 < 4; ++s0) {
        if (!holds(s0, 0)) continue;
        for (int s1 = 0; s1 < 4; ++s1) {
            if (!holds(s1, 1)) continue;
            for (int s2 = 0; s2 < 4; ++s2) {
                if (!holds(s2, 2)) continue;
                for (int s3 = 0; s3 < 4; ++s3) {
                    if (!holds(s3, 3)) continue;
                    for (int s4 = 0; s4 < 4; ++s4) {
                        if (!holds(s4, 4)) continue;
                        CardSet five;
                        const int suits[5] = {s0, s1, s2, s3, s4};
                        for (int i = 0; i < 5; ++i)
                            five.mask[suits[i]] =
                                static_cast<std::uint16_t>(five.mask[suits[i]] | (1u << ranks[i]));
                        if (isFlush5(five)) continue;  // left to the straight flushes
                        appendHand(list, five, cat::Straight);
                    }
                }
            }
        }
    }
}

void enumerateFlushes(CandidateList& list, std::uint16_t m, int suit) {
    const FiveRankMasks& masks = fiveRankMaskList();
    for (int i = 0; i < masks.length; ++i) {
        const std::uint16_t f = masks.mask[i];
        if ((f | m) != m) continue;
        CardSet five;
        five.mask[suit] = f;
        appendHand(list, five, cat::Flush);
    }
}

HandCategory frontCategoryOf(const CardSet& leftover) {
    for (HandCategory k : {cat::Triple, cat::TwoPairs, cat::Pair})
        if (!isEmpty(categoryMaterial(leftover, k, HandRole::Front))) return k;
    return cat::Trash;
}

CardSet takeFirstCandidate(CandidateList& scratch, const CardSet& leftover, HandCategory k) {
    scratch.clear();
    generateCandidates(scratch, leftover, k, HandRole::Front);
    return scratch.empty() ? CardSet{} : scratch[0].cards;
}

}  // namespace kov
