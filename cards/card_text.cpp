#include "cards/card_text.h"

#include <cctype>
#include <stdexcept>

namespace kov {
namespace {

int rankFromText(std::string_view r) {
    if (r == "10") return 9;
    if (r.size() != 1) return -1;
    switch (std::toupper(static_cast<unsigned char>(r[0]))) {
        case 'A':
            return 0;
        case 'T':
            return 9;
        case 'J':
            return 10;
        case 'Q':
            return 11;
        case 'K':
            return 12;
        default:
            break;
    }
    if (r[0] >= '2' && r[0] <= '9') return r[0] - '1';
    return -1;
}

int suitFromText(std::string_view s) {
    if (s == "\u2665") return 0;
    if (s == "\u2666") return 1;
    if (s == "\u2663") return 2;
    if (s == "\u2660") return 3;
    if (s.size() != 1) return -1;
    switch (std::tolower(static_cast<unsigned char>(s[0]))) {
        case 'h':
            return 0;
        case 'd':
            return 1;
        case 'c':
            return 2;
        case 's':
            return 3;
        default:
            return -1;
    }
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
    static constexpr char Ranks[] = "A23456789TJQK";
    static constexpr char Suits[] = "hdcs";
    return {Ranks[rankOf(c)], Suits[suitOf(c)]};
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
