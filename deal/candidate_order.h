// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The order of the candidates after an evaluation (Evaluator::orderCandidates()): the exchanges
// of a selection sort, as the game makes them.

#include <cstdint>
#include <vector>

namespace kov {

// The exchanges of Evaluator::orderCandidates() over totals[0..n): step p (from the first place)
// exchanges place p with the place of the first highest total among places p, p+1, ... as they
// stand. Leaves the totals in their final order and partner[p] = the place step p exchanged with
// (p itself when none). The selection sort as stated, comparison by comparison:
void selectionExchanges(std::vector<std::int32_t>& totals, int n, std::vector<int>& partner);
// The same exchanges in O(n log n): a tournament tree over the places still open holds at every
// node the first highest of its range, and each exchange replays the two changed leaves' paths.
// `tree` is working storage.
void tournamentExchanges(std::vector<std::int32_t>& totals, int n, std::vector<int>& partner,
                         std::vector<int>& tree);

}  // namespace kov
