#pragma once
// Settlement between seats: the points that pass between every ordered pair of seats, per hand
// position, under the chi option (hand by hand) or the set option (whole arrangement).

#include <array>
#include <cstdint>

#include "cards/hand.h"

namespace kov {

enum class ScoringOption : int { Chi = 0, Set = 1 };
enum class Position : int { Front = 0, Middle = 1, Back = 2 };

// Payout lookups: false without writing for a special category (10..15).
bool backPayout(HandCategory category, std::int32_t* out);
bool middlePayout(HandCategory category, std::int32_t* out);
bool frontPayout(HandCategory category, std::int32_t* out);

// Signed points of a's hand against b's at one position: the winner's category sets the amount.
std::int32_t handPoints(const Hand& a, const Hand& b, Position position);
inline std::int32_t frontPoints(const Arrangement& a, const Arrangement& b) {
    return handPoints(a.front, b.front, Position::Front);
}
inline std::int32_t middlePoints(const Arrangement& a, const Arrangement& b) {
    return handPoints(a.middle, b.middle, Position::Middle);
}
inline std::int32_t backPoints(const Arrangement& a, const Arrangement& b) {
    return handPoints(a.back, b.back, Position::Back);
}

using SeatArrangements = std::array<Arrangement, 4>;
using ResultMatrix = std::array<std::array<std::int32_t, 4>, 4>;

// The three result matrices of one deal, indexed [seat][opponent]: what the seat gains from the
// opponent. Under the set option and for block settlements only the front matrix is non-zero.
struct Settlement {
    ResultMatrix FrontResult{};
    ResultMatrix MiddleResult{};
    ResultMatrix BackResult{};
    std::int32_t SeatsInPlay = 0;

    void settleChi(const SeatArrangements& seats, int i, int j);
    void settleSet(const SeatArrangements& seats, int i, int j);
    void settleDeal(const SeatArrangements& seats, int n, ScoringOption option);
    const ResultMatrix& matrix(Position p) const {
        return p == Position::Front    ? FrontResult
               : p == Position::Middle ? MiddleResult
                                       : BackResult;
    }
};

}  // namespace kov
