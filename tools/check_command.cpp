// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// `kovarin-engine check`: a regular arrangement, or a special claimed, checked as the game's
// commit checks it.

#include <CLI/CLI.hpp>
#include <cctype>
#include <memory>

#include "cards/compare.h"
#include "cards/special.h"
#include "game/arranging_notes.h"
#include "tools/command_line.h"
#include "tools/commands.h"
#include "tools/whole_number.h"

namespace kov::tool {
namespace {

struct CheckArgs {
    std::string front, middle, back, rest, claim;
    bool regular = false;
};

// A special's category number, or the text of its claim button in the arranging panel, in any
// case.
HandCategory claimCategory(const std::string& text) {
    std::string upper = text;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const HandCategory c : SpecialCategories)
        if (upper == claimButtonText(c)) return c;
    if (const auto v = wholeNumber(text, 2)) {
        const auto c = static_cast<HandCategory>(*v);
        if (isSpecialCategory(c)) return c;
    }
    throw InputError{"bad value for --claim: '" + text + "' (expected 10..15 or a button text)"};
}

// The card lists' sizes depend on --regular and the claim is read after them, so this command
// checks its values itself, in the order it always has.
void runCheck(Context& ctx, const CheckArgs& a) {
    if (a.regular == !a.claim.empty())
        throw InputError{"check: give exactly one of --regular and --claim"};
    const bool regular = a.regular;
    const CardSet front = parseSet(a.front, "--front", regular ? 3 : 0);
    const CardSet middle = parseSet(a.middle, "--middle", regular ? 5 : 0);
    const CardSet back = parseSet(a.back, "--back", regular ? 5 : 0);
    const CardSet rest = parseSet(a.rest, "--rest", 0);
    if (regular && !isEmpty(rest)) throw InputError{"--rest: a regular check places every card"};
    requireDisjoint(front, middle, "check");
    requireDisjoint(unite(front, middle), back, "check");
    requireDisjoint(unite(unite(front, middle), back), rest, "check");
    Arrangement arrangement;
    bool held;
    if (regular) {
        held = evaluateArrangement(arrangement, front, middle, back);
    } else {
        const HandCategory category = claimCategory(a.claim);
        const int total = cardCount(unite(unite(front, middle), unite(back, rest)));
        if (total != 13)
            throw InputError{"check: wrong number of cards: " + std::to_string(total) +
                             " (expected 13)"};
        held = declareSpecial(arrangement, front, middle, back, rest, category);
    }
    emit(ctx, Json{{"held", held}, {"arrangement", arrangementJson(arrangement)}});
}

}  // namespace

void addCheckCommand(CLI::App& app, Context& ctx) {
    const auto args = std::make_shared<CheckArgs>();
    auto* chk = app.add_subcommand("check", "Check a regular arrangement or a special claim");
    chk->add_option("--front", args->front, "front cards")->required();
    chk->add_option("--middle", args->middle, "middle cards")->required();
    chk->add_option("--back", args->back, "back cards")->required();
    chk->add_option("--rest", args->rest, "cards not placed");
    chk->add_flag("--regular", args->regular, "check the hands as a regular arrangement");
    chk->add_option("--claim", args->claim, "claim a special: 10..15 or the button text");
    chk->callback([&ctx, args] { runCheck(ctx, *args); });
}

}  // namespace kov::tool
