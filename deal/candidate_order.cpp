// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/candidate_order.h"

#include <algorithm>
#include <utility>

#include "deal/evaluate.h"

namespace kov {

void selectionExchanges(std::vector<std::int32_t>& totals, int n, std::vector<int>& partner) {
    partner.resize(static_cast<std::size_t>(std::max(n, 0)));
    for (int p = 0; p < n; ++p) {
        int m = p;
        for (int q = p + 1; q < n; ++q)
            if (totals[static_cast<std::size_t>(m)] < totals[static_cast<std::size_t>(q)]) m = q;
        std::swap(totals[static_cast<std::size_t>(p)], totals[static_cast<std::size_t>(m)]);
        partner[static_cast<std::size_t>(p)] = m;
    }
}

void tournamentExchanges(std::vector<std::int32_t>& totals, int n, std::vector<int>& partner,
                         std::vector<int>& tree) {
    partner.resize(static_cast<std::size_t>(std::max(n, 0)));
    if (n <= 0) return;
    int leaves = 1;
    while (leaves < n)
        leaves *= 2;
    // tree[node] is a place, or -1 for none; node 1 is the root, leaf i sits at leaves + i.
    tree.assign(static_cast<std::size_t>(2 * leaves), -1);
    const auto at = [&](int node) -> int& { return tree[static_cast<std::size_t>(node)]; };
    // The left child covers the earlier places, so it wins ties: the first highest.
    const auto winner = [&](int left, int right) {
        if (right < 0) return left;
        if (left < 0) return right;
        return totals[static_cast<std::size_t>(left)] < totals[static_cast<std::size_t>(right)]
                   ? right
                   : left;
    };
    for (int i = 0; i < n; ++i)
        at(leaves + i) = i;
    for (int node = leaves - 1; node >= 1; --node)
        at(node) = winner(at(2 * node), at(2 * node + 1));
    const auto replay = [&](int place) {
        for (int node = (leaves + place) / 2; node >= 1; node /= 2)
            at(node) = winner(at(2 * node), at(2 * node + 1));
    };
    for (int p = 0; p < n; ++p) {
        const int m = at(1);
        std::swap(totals[static_cast<std::size_t>(p)], totals[static_cast<std::size_t>(m)]);
        partner[static_cast<std::size_t>(p)] = m;
        at(leaves + p) = -1;  // place p is settled
        replay(p);
        if (m != p) replay(m);  // place m now holds the total that stood at p
    }
}

void Evaluator::orderCandidates(ScoringOption option) {
    ArrangementList& own = seats_[0];
    const bool chi = option == ScoringOption::Chi;
    std::vector<std::int32_t>& key = chi ? chiTotal_ : setTotal_;
    std::vector<std::int32_t>& other = chi ? setTotal_ : chiTotal_;
    const int n = own.count();
    talliesInUse_ = std::max(talliesInUse_, n);
    // Short lists take the plain selection; both give the same exchanges.
    if (n > 32)
        tournamentExchanges(key, n, partner_, tree_);
    else
        selectionExchanges(key, n, partner_);
    for (int p = 0; p < n; ++p) {
        const int m = partner_[static_cast<std::size_t>(p)];
        if (m == p) continue;
        std::swap(own[p], own[m]);
        std::swap(other[static_cast<std::size_t>(p)], other[static_cast<std::size_t>(m)]);
    }
}

}  // namespace kov
