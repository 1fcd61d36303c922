#include "game/suggestion.h"

#include "cards/card_text.h"
#include "cards/special.h"

namespace kov {
namespace {

// The advice as the table shows it.
Suggestion suggestionOf(const Arrangement& chosen) {
    Suggestion s;
    s.arrangement = chosen;
    const HandCategory category = s.arrangement.back.category;
    if (isSpecialCategory(category)) s.special = category;
    s.placeable = !isDeclaredOutright(category);
    if (s.placeable) {
        std::size_t i = 0;
        for (const Hand* hand : {&s.arrangement.front, &s.arrangement.middle, &s.arrangement.back})
            for (CardIndex c : cardsOf(hand->cards))
                s.cells[i++] = toFaceNumber(c);
    }
    return s;
}

}  // namespace

std::uint32_t suggestionSeed(const CardSet& holding) {
    // FNV-1a over the four suit masks, low byte first.
    std::uint32_t h = FnvOffset;
    for (std::uint16_t m : holding.mask)
        for (int shift : {0, 8})
            h = fnvStep(h, static_cast<std::uint32_t>((m >> shift) & 0xFFu));
    return h;
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
