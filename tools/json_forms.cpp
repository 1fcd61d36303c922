// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/json_forms.h"

#include "cards/card_text.h"

namespace kov::tool {

Json cardSetJson(const CardSet& s) {
    Json out = Json::array();
    for (CardIndex c : cardsOf(s))
        out.push_back(cardName(c));
    return out;
}

Json rowJson(const Holding& row) {
    Json out = Json::array();
    for (CardIndex c : row)
        out.push_back(cardName(c));
    return out;
}

Json handJson(const Hand& h) {
    return Json{{"cards", cardSetJson(h.cards)}, {"category", index(h.category)}};
}

Json arrangementJson(const Arrangement& a) {
    return Json{
        {"back", handJson(a.back)}, {"middle", handJson(a.middle)}, {"front", handJson(a.front)}};
}

CardSet cardSetFromJson(const Json& j, const std::string& where) {
    if (!j.is_array()) throw InputError{where + ": cards must be an array of card strings"};
    CardSet s;
    for (const Json& item : j) {
        if (!item.is_string()) throw InputError{where + ": cards must be card strings"};
        const std::string text = item.get<std::string>();
        const auto card = parseCard(text);
        if (!card) throw InputError{where + ": unknown card '" + text + "'"};
        if (hasCard(s, *card)) throw InputError{where + ": duplicate card '" + text + "'"};
        addCard(s, *card);
    }
    return s;
}

static Hand handFromJson(const Json& j, const std::string& where) {
    if (!j.is_object()) throw InputError{where + ": a hand must be an object"};
    if (!j.contains("cards")) throw InputError{where + ": missing \"cards\""};
    if (!j.contains("category")) throw InputError{where + ": missing \"category\""};
    const Json& c = j.at("category");
    if (!c.is_number_integer() || c.get<long long>() < 0 || c.get<long long>() > 255)
        throw InputError{where + ": category must be a whole number 0..255"};
    return Hand{cardSetFromJson(j.at("cards"), where), static_cast<HandCategory>(c.get<int>())};
}

Arrangement arrangementFromJson(const Json& j, const std::string& where) {
    if (!j.is_object()) throw InputError{where + ": an arrangement must be an object"};
    Arrangement a;
    a.back = handFromJson(j.contains("back") ? j.at("back") : Json(), where + ".back");
    a.middle = handFromJson(j.contains("middle") ? j.at("middle") : Json(), where + ".middle");
    a.front = handFromJson(j.contains("front") ? j.at("front") : Json(), where + ".front");
    return a;
}

}  // namespace kov::tool
