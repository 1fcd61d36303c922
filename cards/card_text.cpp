// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cards/card_text.h"

#include <cctype>
#include <stdexcept>

namespace kov {
namespace {

// One letter per rank in rank order (ace 0 .. king 12), one per suit and one sign per suit in suit
// order (hearts, diamonds, clubs, spades): read in either direction.
constexpr std::string_view RankLetters = "A23456789TJQK";
constexpr std::string_view SuitLetters = "hdcs";
constexpr std::string_view SuitSigns[SuitCount] = {"\u2665", "\u2666", "\u2663", "\u2660"};

// The position of `letter` in `letters`, or -1.
int indexIn(std::string_view letters, char letter) {
    const std::size_t at = letters.find(letter);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

int rankFromText(std::string_view r) {
    if (r == "10") return 9;
    if (r.size() != 1) return -1;
    return indexIn(RankLetters, static_cast<char>(std::toupper(static_cast<unsigned char>(r[0]))));
}

int suitFromText(std::string_view s) {
    for (int suit = 0; suit < SuitCount; ++suit)
        if (s == SuitSigns[suit]) return suit;
    if (s.size() != 1) return -1;
    return indexIn(SuitLetters, static_cast<char>(std::tolower(static_cast<unsigned char>(s[0]))));
}

// The token as it may be shown in a message: bytes outside printable ASCII become \xNN, and a
// long token is cut short.
std::string printable(std::string_view token) {
    std::string out;
    for (std::size_t i = 0; i < token.size() && i < 24; ++i) {
        const auto b = static_cast<unsigned char>(token[i]);
        if (b >= 0x20 && b < 0x7F) {
            out += static_cast<char>(b);
        } else {
            static constexpr char Hex[] = "0123456789abcdef";
            out += "\\x";
            out += Hex[b >> 4];
            out += Hex[b & 15];
        }
    }
    if (token.size() > 24) out += "...";
    return out;
}

}  // namespace

std::optional<CardIndex> parseCard(std::string_view text) {
    for (std::size_t split = 1; split <= 2 && split < text.size(); ++split) {
        const int rank = rankFromText(text.substr(0, split));
        const int suit = suitFromText(text.substr(split));
        if (rank >= 0 && suit >= 0) return makeCard(suit, rank);
    }
    return std::nullopt;
}

std::string cardName(CardIndex c) {
    return {RankLetters[static_cast<std::size_t>(rankOf(c))],
            SuitLetters[static_cast<std::size_t>(suitOf(c))]};
}

// Tokens are separated by spaces, tabs or commas; an empty token between two commas is an error.
ParsedCards parseCards(std::string_view text) {
    ParsedCards out;
    CardSet seen;
    std::size_t i = 0;
    bool expectCard = false;  // after a comma another card must follow
    while (i < text.size()) {
        const char ch = text[i];
        if (ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r') {
            ++i;
            continue;
        }
        if (ch == ',') {
            if (expectCard || out.cards.empty()) {
                out.error = "stray separator ',' in card list";
                return out;
            }
            expectCard = true;
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && text[end] != ' ' && text[end] != ',' && text[end] != '\t' &&
               text[end] != '\n' && text[end] != '\r')
            ++end;
        const std::string_view token = text.substr(i, end - i);
        const auto card = parseCard(token);
        if (!card) {
            // Suit signs are fine in input; anything else unreadable is shown escaped.
            out.error = "unknown card '" + printable(token) + "'";
            return out;
        }
        if (hasCard(seen, *card)) {
            out.error = "duplicate card '" + printable(token) + "'";
            return out;
        }
        addCard(seen, *card);
        out.cards.push_back(*card);
        expectCard = false;
        i = end;
    }
    if (expectCard) out.error = "stray separator ',' at the end of the card list";
    return out;
}

std::vector<CardIndex> cardsOf(const CardSet& s) {
    std::vector<CardIndex> out;
    for (int c = 0; c < DeckSize; ++c)
        if (hasCard(s, static_cast<CardIndex>(c))) out.push_back(static_cast<CardIndex>(c));
    return out;
}

std::string cardList(const std::vector<CardIndex>& cards) {
    std::string out;
    for (CardIndex c : cards) {
        if (!out.empty()) out += ' ';
        out += cardName(c);
    }
    return out;
}

CardSet cardsFromText(std::string_view text) {
    const ParsedCards parsed = parseCards(text);
    if (!parsed.error.empty()) throw std::invalid_argument(parsed.error);
    CardSet s;
    for (CardIndex c : parsed.cards)
        addCard(s, c);
    return s;
}

}  // namespace kov
