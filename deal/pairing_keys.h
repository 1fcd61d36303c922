// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a pairing needs of one candidate, computed once per list, so that scoring a pairing is a
// few integer compares and table lookups.

#include <cstdint>
#include <vector>

#include "search/arrange.h"
#include "settle/settlement.h"

namespace kov {

// Per hand (back, middle, front: a position's slot is backFirstSlot()) the packed order key
// (category above the tuple) and the category; specials and strong backs.
struct PairingKey {
    std::uint32_t Less[3];
    HandCategory Category[3];
    bool Exact;    // the keys answer the hand comparisons; otherwise the rules are asked
    bool Special;  // a special holding: settles as a block under the chi option
    bool Strong;   // wins the set outright under the set option
};
void pairingKeys(const ArrangementList& list, std::vector<PairingKey>& out);
// The same for the list `search` built last, from the keys the search kept for its entries.
void pairingKeys(const ArrangementList& list, const SeatSearch& search,
                 std::vector<PairingKey>& out);
// The pairing key of one arrangement from its search keys (arrangementKey()).
PairingKey pairingKey(const Arrangement& a, const ArrangementKey& key);

}  // namespace kov
