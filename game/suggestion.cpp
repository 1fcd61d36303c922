// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/suggestion.h"

#include "cards/card_text.h"
#include "cards/special.h"
#include "settle/result_rows.h"

namespace kov {
namespace {

// The advice as the table shows it.
Suggestion suggestionOf(const Arrangement& chosen) {
    Suggestion s;
    s.arrangement = chosen;
    const HandCategory category = s.arrangement.back.category;
    if (isSpecialCategory(category)) s.special = category;
    s.placeable = !isDeclaredOutright(category);
    if (s.placeable) {  // each hand in the order the results show it (a straight ascending)
        std::vector<CardFaceNumber> faces;
        int slice = 0;
        for (const Hand* hand : {&s.arrangement.front, &s.arrangement.middle, &s.arrangement.back})
            displayOrder(hand->cards, hand->category, faces, slice);
        std::copy(faces.begin(), faces.end(), s.cells.begin());
    }
    return s;
}

}  // namespace

std::uint32_t suggestionSeed(const CardSet& holding) {
    // FNV-1a over the four suit masks, low byte first.
    std::array<std::uint8_t, 2 * SuitCount> bytes{};
    for (std::size_t i = 0; i < holding.mask.size(); ++i) {
        bytes[2 * i] = static_cast<std::uint8_t>(holding.mask[i] & 0xFFu);
        bytes[2 * i + 1] = static_cast<std::uint8_t>(holding.mask[i] >> 8);
    }
    return fnvHash(bytes);
}

Suggestion suggestArrangement(const CardSet& holding, ScoringOption option, Evaluator& evaluator) {
    Random rng(suggestionSeed(holding));
    Deal deal;
    deal.Rows[0] = holdingOf(holding);
    evaluator.evaluateHolding(deal, rng, option);
    return suggestionOf(evaluator.candidates(0)[0]);
}

Suggestion suggestArrangement(const CardSet& holding, ScoringOption option, Strategy& strategy) {
    Random rng(suggestionSeed(holding));
    return suggestionOf(strategy.choose(holding, option, rng));
}

}  // namespace kov
