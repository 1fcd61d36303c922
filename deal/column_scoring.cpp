// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/column_scoring.h"

#include "cards/payout.h"
#include "search/vector_lanes.h"

namespace kov {
namespace {

// Hand points at one position from the two packed keys: the category sits above the tuple, so
// one compare orders the hands; the winner's category sets the amount.
std::int32_t keyedPoints(Position position, const PairingKey& a, const PairingKey& b) {
    const auto at = static_cast<std::size_t>(backFirstSlot(position));
    const std::uint32_t la = a.Less[at], lb = b.Less[at];
    if (la < lb) return -payout(position, b.Category[at]);
    if (la > lb) return payout(position, a.Category[at]);
    return 0;
}

// One pairing on keys where both are exact, else by the rules; specials and strong backs settle
// as the pairing rules say.
std::int32_t pairingOnKeys(const Arrangement& a, const PairingKey& ka, const Arrangement& b,
                           const PairingKey& kb, bool chiOption) {
    // Specials carry inexact keys: only ordinary hands are compared on keys.
    const auto keyed = [&](Position p) { return keyedPoints(p, ka, kb); };
    const auto byRules = [&](Position p) { return handPoints(a, b, p); };
    const bool exact = ka.Exact && kb.Exact;
    if (chiOption) {
        constexpr int back = backFirstSlot(Position::Back);
        const HandCategory ca = ka.Category[back], cb = kb.Category[back];
        return (exact ? chiPairing(ca, ka.Special, cb, kb.Special, keyed)
                      : chiPairing(ca, ka.Special, cb, kb.Special, byRules))
            .total();
    }
    return exact ? setPairing(ka.Strong, kb.Strong, keyed)
                 : setPairing(ka.Strong, kb.Strong, byRules);
}

bool answeredByKeys(const PairingKey& k) {
    return k.Exact && !k.Special;
}

// Adds the pairings of G opponent arrangements (answered by keys) against every own candidate
// the keys answer to `sums`. Compares give all ones where they hold, so a hand's sign is
// (less) - (greater) of the masks. The own keys are read once for all G.
template <int G>
void addColumns(const OwnColumns& c, const PairingKey* const* kbs, bool chiOption,
                std::int32_t* sums) {
    const auto n = static_cast<int>(c.Keyed.size());
    Lanes lb[G][3], winB[G][3];
    bool strongB[G];
    for (int g = 0; g < G; ++g) {
        for (const Position position : AllPositions) {
            const int p = backFirstSlot(position);
            lb[g][p] = broadcast(static_cast<std::int32_t>(kbs[g]->Less[p]));
            winB[g][p] = broadcast(payout(position, kbs[g]->Category[p]));
        }
        strongB[g] = kbs[g]->Strong;
    }
    const Lanes zero = broadcast(0), one = broadcast(1);
    for (int i = 0; i < n; i += LaneCount) {
        Lanes la[3];
        for (int p = 0; p < 3; ++p)
            la[p] = loadLanes(c.Less[p].data() + i);
        Lanes total = zero;
        if (chiOption) {
            Lanes win[3];
            for (int p = 0; p < 3; ++p)
                win[p] = loadLanes(c.Win[p].data() + i);
            for (int g = 0; g < G; ++g)
                for (int p = 0; p < 3; ++p)
                    total += ((la[p] > lb[g][p]) & win[p]) - ((la[p] < lb[g][p]) & winB[g][p]);
        } else {
            const Lanes strong = loadLanes(c.Strong.data() + i);
            for (int g = 0; g < G; ++g) {
                Lanes sum = zero;
                for (int p = 0; p < 3; ++p)
                    sum += (la[p] < lb[g][p]) - (la[p] > lb[g][p]);
                const Lanes sign = (sum < zero) - (sum > zero);
                total += strongB[g] ? ~strong : (strong & one) | (~strong & sign);
            }
        }
        storeLanes(sums + i, loadLanes(sums + i) + (total & loadLanes(c.Keyed.data() + i)));
    }
}

}  // namespace

void OwnColumns::build(const std::vector<PairingKey>& keys) {
    const std::size_t n = keys.size(), padded = (n + LaneCount - 1) / LaneCount * LaneCount;
    for (int p = 0; p < 3; ++p) {
        Less[p].assign(padded, 0);
        Win[p].assign(padded, 0);
    }
    Keyed.assign(padded, 0);
    Strong.assign(padded, 0);
    ByRules.clear();
    for (std::size_t i = 0; i < n; ++i) {
        const PairingKey& k = keys[i];
        if (!answeredByKeys(k)) {
            ByRules.push_back(static_cast<int>(i));
            continue;
        }
        for (const Position position : AllPositions) {
            const int p = backFirstSlot(position);
            Less[p][i] = static_cast<std::int32_t>(k.Less[p]);
            Win[p][i] = payout(position, k.Category[p]);
        }
        Keyed[i] = -1;
        Strong[i] = k.Strong ? -1 : 0;
    }
}

void scoreColumns(const ArrangementList& own, const std::vector<PairingKey>& ownKeys,
                  const OwnColumns& columns, const std::array<const ArrangementList*, 3>& opponents,
                  const std::array<const std::vector<PairingKey>*, 3>& opponentKeys,
                  ScoringOption option, std::int32_t* chiTotal, std::int32_t* setTotal,
                  std::int64_t& pairingCount, ColumnScratch& scratch) {
    const bool chiOption = option == ScoringOption::Chi;
    const int n = own.count();
    scratch.Sums.assign(columns.Keyed.size(), 0);
    std::int32_t* sums = scratch.Sums.data();
    std::vector<const PairingKey*>& keyed = scratch.Keyed;
    keyed.clear();
    for (std::size_t j = 0; j < 3; ++j) {
        const ArrangementList& list = *opponents[j];
        const std::vector<PairingKey>& keys = *opponentKeys[j];
        pairingCount += static_cast<std::int64_t>(n) * list.count();  // scored or not
        for (int k = 0; k < list.count(); ++k) {
            const PairingKey& kb = keys[static_cast<std::size_t>(k)];
            if (answeredByKeys(kb)) {
                keyed.push_back(&kb);
                continue;
            }
            for (int i = 0; i < n; ++i) {
                const PairingKey& ka = ownKeys[static_cast<std::size_t>(i)];
                if (answeredByKeys(ka))
                    sums[i] += pairingOnKeys(own[i], ka, list[k], kb, chiOption);
            }
        }
        for (int i : columns.ByRules) {
            const PairingKey& ka = ownKeys[static_cast<std::size_t>(i)];
            for (int k = 0; k < list.count(); ++k)
                sums[i] += pairingOnKeys(own[i], ka, list[k], keys[static_cast<std::size_t>(k)],
                                         chiOption);
        }
    }
    // The opponents' arrangements answered by keys, four at a time.
    std::size_t g = 0;
    for (; g + 4 <= keyed.size(); g += 4)
        addColumns<4>(columns, keyed.data() + g, chiOption, sums);
    for (; g < keyed.size(); ++g)
        addColumns<1>(columns, keyed.data() + g, chiOption, sums);
    std::int32_t* totals = chiOption ? chiTotal : setTotal;
    for (int i = 0; i < n; ++i)
        totals[i] += sums[i];
}

void scoreAgainstKeyed(const ArrangementList& own, const std::vector<PairingKey>& ownKeys,
                       const std::array<const ArrangementList*, 3>& opponents,
                       const std::array<const std::vector<PairingKey>*, 3>& opponentKeys,
                       ScoringOption option, std::int32_t* chiTotal, std::int32_t* setTotal,
                       std::int64_t& pairingCount) {
    OwnColumns columns;
    columns.build(ownKeys);
    ColumnScratch scratch;
    scoreColumns(own, ownKeys, columns, opponents, opponentKeys, option, chiTotal, setTotal,
                 pairingCount, scratch);
}

}  // namespace kov
