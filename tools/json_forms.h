// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The engine tool's JSON forms: a card set is an array of card strings in ascending card order,
// a hand is {"cards": [...], "category": k}, an arrangement {"back": hand, "middle": hand,
// "front": hand}.

#include <nlohmann/json.hpp>
#include <string>

#include "cards/hand.h"
#include "deal/dealing.h"

namespace kov::tool {

using Json = nlohmann::ordered_json;

// Raised for input that the tool refuses; the message names the problem.
struct InputError {
    std::string message;
};

Json cardSetJson(const CardSet& s);
Json rowJson(const Holding& row);  // a dealt row in drawing order
Json handJson(const Hand& h);
Json arrangementJson(const Arrangement& a);

CardSet cardSetFromJson(const Json& j, const std::string& where);
Arrangement arrangementFromJson(const Json& j, const std::string& where);

}  // namespace kov::tool
