// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/rule_scoring.h"

#include "cards/special.h"

namespace kov {

void scoreAgainst(const ArrangementList& own,
                  const std::array<const ArrangementList*, 3>& opponents, ScoringOption option,
                  std::int32_t* chiTotal, std::int32_t* setTotal, std::int64_t& pairingCount) {
    for (int i = 0; i < own.count(); ++i) {
        const Arrangement& a = own[i];
        const HandCategory ca = a.back.category;
        std::int32_t chi = 0, set = 0;
        for (const ArrangementList* list : opponents) {
            pairingCount += list->count();  // every pairing counts, scored or not
            for (const Arrangement& b : *list) {
                const HandCategory cb = b.back.category;
                const auto points = [&](Position p) { return handPoints(a, b, p); };
                if (option == ScoringOption::Chi)
                    chi += chiPairing(ca, isSpecialCategory(ca), cb, isSpecialCategory(cb), points)
                               .total();
                else
                    set += setPairing(isStrongCategory(ca), isStrongCategory(cb), points);
            }
        }
        chiTotal[i] += chi;
        setTotal[i] += set;
    }
}

}  // namespace kov
