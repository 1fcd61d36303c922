// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Card text: rank then suit, e.g. "Ah", "Td", "10c", "9♠". Ranks A 2..9 T(10) J Q K, suits
// h d c s or ♥ ♦ ♣ ♠, case-insensitive. Output always uses the short ASCII form.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card_set.h"

namespace kov {

std::optional<CardIndex> parseCard(std::string_view text);
std::string cardName(CardIndex c);

struct ParsedCards {
    std::vector<CardIndex> cards;
    std::string error;  // empty on success; names the offending token otherwise
};
// Cards separated by spaces or commas; refuses unknown and repeated cards.
ParsedCards parseCards(std::string_view text);

// Cards of a set in ascending CardIndex order.
std::vector<CardIndex> cardsOf(const CardSet& s);
// "Ah Kd ..." in the given order; handy for tests and messages.
std::string cardList(const std::vector<CardIndex>& cards);
// Parses a list that the caller knows is valid (tests, fixed tables).
CardSet cardsFromText(std::string_view text);

}  // namespace kov
