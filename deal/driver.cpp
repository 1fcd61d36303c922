// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/driver.h"

#include <cassert>

namespace kov {

std::array<int, 4> rankSeats(const std::array<double, 4>& values, int n) {
    assert(n >= 0 && n <= 4);
    std::array<int, 4> order{0, 1, 2, 3};
    std::array<double, 4> v = values;
    for (int i = 0; i + 1 < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (v[i] > v[j]) {
                std::swap(v[i], v[j]);
                std::swap(order[i], order[j]);
            }
    return order;
}

int chooseSeat(const std::array<int, 4>& order, int n, int threshold, int r1, int r2) {
    const bool low = r1 < threshold;
    const bool lowSecond = r2 < 50;
    switch (n) {
        case 2:
            return low ? order[1] : order[0];
        case 3:
            return low ? (lowSecond ? order[2] : order[1]) : (lowSecond ? order[1] : order[0]);
        case 4:
            return low ? (lowSecond ? order[3] : order[2]) : (lowSecond ? order[1] : order[0]);
        default:
            return 0;
    }
}

DealReport startDeal(int n, ScoringOption option, const ThresholdTable& thresholds, Deal& deal,
                     SeatArrangements& seats, Random& rng, Evaluator& evaluator,
                     const std::function<void(int, int)>& progress) {
    assert(n >= 2 && n <= 4);
    DealReport report;
    dealAllSeats(deal, rng);
    report.SavedDeal = deal;
    // Every seat's holding in one batch: the simulated deals of all of them are drawn first,
    // seat after seat, as evaluating them one by one would draw them.
    std::vector<Evaluator::HoldingResult> results;
    evaluator.evaluateHoldings(report.SavedDeal.Rows.data(), n, deal, rng, option, results,
                               progress);
    for (int s = 0; s < n; ++s) {
        const Evaluator::HoldingResult& r = results[static_cast<std::size_t>(s)];
        report.Overflowed = report.Overflowed || r.Overflowed;
        seats[static_cast<std::size_t>(s)] = r.Best;
        // Every candidate played the same pairings; at least 300.
        const std::int64_t pairings = r.Pairings / r.Candidates;
        assert(pairings >= 300);
        report.HoldingValue[static_cast<std::size_t>(s)] =
            static_cast<double>(r.BestTotal) / static_cast<double>(pairings);
    }
    report.Order = rankSeats(report.HoldingValue, n);

    const int threshold =
        thresholds[static_cast<std::size_t>(n - 2)][static_cast<std::size_t>(option)];
    const int r1 = rng.nextRandom() % 100;
    report.Draws.push_back(r1);
    int r2 = 0;
    if (n >= 3) {
        r2 = rng.nextRandom() % 100;
        report.Draws.push_back(r2);
    }
    report.Chosen = chooseSeat(report.Order, n, threshold, r1, r2);

    if (report.Chosen != 0) std::swap(seats[static_cast<std::size_t>(report.Chosen)], seats[0]);
    deal.Rows[0] = report.SavedDeal.Rows[static_cast<std::size_t>(report.Chosen)];
    return report;
}

}  // namespace kov
