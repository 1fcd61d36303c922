#include "settle/settlement.h"

#include "cards/compare.h"
#include "cards/payout.h"
#include "cards/special.h"

namespace kov {
namespace {

template <std::size_t N>
bool lookup(const std::array<std::int32_t, N>& table, HandCategory category, std::int32_t* out) {
    if (isSpecialCategory(category)) return false;
    if (out) *out = category < N ? table[category] : NoPayout;
    return true;
}

std::int32_t payoutAt(Position p, HandCategory category) {
    std::int32_t v = NoPayout;
    if (p == Position::Front)
        frontPayout(category, &v);
    else if (p == Position::Middle)
        middlePayout(category, &v);
    else
        backPayout(category, &v);
    return v;
}

int sign(std::int32_t v) {
    return (v > 0) - (v < 0);
}
bool isIllegal(const Arrangement& a) {
    return a.back.category == IllegalMarker;
}

}  // namespace

bool backPayout(HandCategory category, std::int32_t* out) {
    return lookup(BackPayout, category, out);
}
bool middlePayout(HandCategory category, std::int32_t* out) {
    return lookup(MiddlePayout, category, out);
}
bool frontPayout(HandCategory category, std::int32_t* out) {
    return lookup(FrontPayout, category, out);
}

std::int32_t handPoints(const Hand& a, const Hand& b, Position position) {
    const HandCategory ca = a.category, cb = b.category;
    if (ca < cb) return -payoutAt(position, cb);
    if (ca > cb) return payoutAt(position, ca);
    const bool front = position == Position::Front;
    const auto less = [&](const CardSet& x, const CardSet& y) {
        return front ? lessFront(x, y, ca) : lessFive(x, y, ca);
    };
    if (less(a.cards, b.cards)) return -payoutAt(position, cb);
    if (less(b.cards, a.cards)) return payoutAt(position, ca);
    return 0;
}

void Settlement::settleChi(const SeatArrangements& seats, int i, int j) {
    const Arrangement &a = seats[i], &b = seats[j];
    std::int32_t pa = 0, pb = 0;
    const bool specialA = isSpecialCategory(a.back.category, &pa);
    const bool specialB = isSpecialCategory(b.back.category, &pb);
    std::int32_t front = 0, middle = 0, back = 0;
    if (isIllegal(a)) {
        if (specialB) {
            front = -pb;
        } else {
            front = -payoutAt(Position::Front, b.front.category);
            middle = -payoutAt(Position::Middle, b.middle.category);
            back = -payoutAt(Position::Back, b.back.category);
        }
    } else if (isIllegal(b)) {
        if (specialA) {
            front = pa;
        } else {
            front = payoutAt(Position::Front, a.front.category);
            middle = payoutAt(Position::Middle, a.middle.category);
            back = payoutAt(Position::Back, a.back.category);
        }
    } else if (specialA) {
        front = specialB ? 0 : pa;  // specials tie with each other, whatever they are
    } else if (specialB) {
        front = -pb;
    } else {
        front = frontPoints(a, b);
        const int acesA = rankCount(a.front.cards, 0), acesB = rankCount(b.front.cards, 0);
        if ((front > 0 && acesA == 2) || (front < 0 && acesB == 2)) {
            front *= AcePairFactor;
        } else if ((front > 0 && acesA == 3) || (front < 0 && acesB == 3)) {
            front *= AceTripleFactor;
        }
        middle = middlePoints(a, b);
        back = backPoints(a, b);
    }
    FrontResult[i][j] = front;
    MiddleResult[i][j] = middle;
    BackResult[i][j] = back;
}

void Settlement::settleSet(const SeatArrangements& seats, int i, int j) {
    const Arrangement &a = seats[i], &b = seats[j];
    std::int32_t result;
    if (isIllegal(a)) {
        result = -1;
    } else if (isIllegal(b)) {
        result = 1;
    } else if (isStrongCategory(a.back.category)) {
        result = isStrongCategory(b.back.category) ? 0 : 1;
    } else if (isStrongCategory(b.back.category)) {
        result = -1;
    } else {
        result = sign(sign(frontPoints(a, b)) + sign(middlePoints(a, b)) + sign(backPoints(a, b)));
    }
    FrontResult[i][j] = result;
    MiddleResult[i][j] = 0;
    BackResult[i][j] = 0;
}

void Settlement::settleDeal(const SeatArrangements& seats, int n, ScoringOption option) {
    SeatsInPlay = n;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            FrontResult[i][j] = MiddleResult[i][j] = BackResult[i][j] = 0;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (j != i) {
                if (option == ScoringOption::Chi)
                    settleChi(seats, i, j);
                else
                    settleSet(seats, i, j);
            }
}

}  // namespace kov
