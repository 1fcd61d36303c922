// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/pairing_keys.h"

#include "cards/special.h"
#include "search/hand_keys.h"

namespace kov {

PairingKey pairingKey(const Arrangement& a, const ArrangementKey& key) {
    PairingKey k;
    for (int p = 0; p < 3; ++p)
        k.Less[p] = key.Less[p];
    k.Category[0] = a.back.category;
    k.Category[1] = a.middle.category;
    k.Category[2] = a.front.category;
    k.Exact = key.Exact;
    k.Special = isSpecialCategory(a.back.category);
    k.Strong = isStrongCategory(a.back.category);
    return k;
}

void pairingKeys(const ArrangementList& list, std::vector<PairingKey>& out) {
    out.resize(static_cast<std::size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i)
        out[static_cast<std::size_t>(i)] = pairingKey(list[i], arrangementKey(list[i]));
}

void pairingKeys(const ArrangementList& list, const SeatSearch& search,
                 std::vector<PairingKey>& out) {
    out.resize(static_cast<std::size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i)
        out[static_cast<std::size_t>(i)] = pairingKey(list[i], search.steps().key(i));
}

}  // namespace kov
