// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Card and card-set text from outside: whatever parses must name the same cards when written
// out and read back, a parsed list never holds a card twice, and a refusal says what it refused.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cards/card_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    if (const auto card = kov::parseCard(text)) {
        const auto again = kov::parseCard(kov::cardName(*card));
        if (!again || *again != *card) std::abort();
    }

    const kov::ParsedCards parsed = kov::parseCards(text);
    if (!parsed.error.empty()) return 0;

    const kov::ParsedCards again = kov::parseCards(kov::cardList(parsed.cards));
    if (!again.error.empty() || again.cards != parsed.cards) std::abort();

    kov::CardSet set{};
    for (kov::CardIndex c : parsed.cards)
        kov::addCard(set, c);
    std::vector<kov::CardIndex> sorted = parsed.cards;
    std::sort(sorted.begin(), sorted.end());
    if (kov::cardsOf(set) != sorted) std::abort();
    return 0;
}
