// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Test support: shuffled decks from a seeded standard generator, and the card sets taken from
// them, so that property tests over random holdings read alike.

#include <algorithm>
#include <array>
#include <random>

#include "cards/card_set.h"

namespace kov {

using TestDeck = std::array<CardIndex, DeckSize>;

inline TestDeck shuffledDeck(std::mt19937& rng) {
    TestDeck deck;
    for (int c = 0; c < DeckSize; ++c)
        deck[static_cast<std::size_t>(c)] = static_cast<CardIndex>(c);
    std::shuffle(deck.begin(), deck.end(), rng);
    return deck;
}

// The `count` cards from position `first` on.
inline CardSet cardsAt(const TestDeck& deck, int first, int count) {
    CardSet s;
    for (int k = first; k < first + count; ++k)
        addCard(s, deck[static_cast<std::size_t>(k)]);
    return s;
}

// Thirteen cards from position `first` laid out as they were dealt: front 3, middle 5, back 5.
struct DealtHands {
    CardSet front, middle, back;
};
inline DealtHands dealtHands(const TestDeck& deck, int first) {
    return {cardsAt(deck, first, 3), cardsAt(deck, first + 3, 5), cardsAt(deck, first + 8, 5)};
}

}  // namespace kov
