// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/command_line.h"

#include <CLI/CLI.hpp>
#include <iostream>

#include "cards/card_text.h"
#include "deal/evaluate.h"
#include "settle/settlement.h"
#include "tools/whole_number.h"

namespace kov::tool {

void emit(Context& ctx, const Json& j) {
    ctx.out << j.dump() << '\n';
}

// Each check is a transform: it writes the value's plain decimal form for CLI11 to convert
// ("010" is ten, not CLI11's octal eight), or, refused, a stand-in that converts.
CLI::Validator numberIn(Refusals& refusals, const std::string& option, std::uint64_t min,
                        std::uint64_t max, std::size_t maxDigits, const std::string& expected) {
    return CLI::Validator(
        [&refusals, option, min, max, maxDigits, expected](std::string& text) {
            if (const auto v = wholeNumber(text, maxDigits); v && *v >= min && *v <= max) {
                text = std::to_string(*v);
            } else {
                refusals.note("bad value for " + option + ": '" + text + "' (expected " + expected +
                              ")");
                text = std::to_string(min);
            }
            return std::string();
        },
        "");
}

CLI::Validator wholeNumberIn(Refusals& refusals, const std::string& option, std::uint64_t min,
                             std::uint64_t max) {
    return numberIn(refusals, option, min, max, 20,
                    "a whole number " + std::to_string(min) + ".." + std::to_string(max));
}

CLI::Validator namedValue(Refusals& refusals, const std::string& option,
                          std::function<std::optional<int>(const std::string&)> lookup,
                          const std::string& expected) {
    return CLI::Validator(
        [&refusals, option, lookup = std::move(lookup), expected](std::string& text) {
            if (const auto v = lookup(text)) {
                text = std::to_string(*v);
            } else {
                refusals.note("bad value for " + option + ": '" + text + "' (expected " + expected +
                              ")");
                text = "0";
            }
            return std::string();
        },
        "");
}

CLI::Validator scoringOptionName(Refusals& refusals, const std::string& option) {
    return namedValue(
        refusals, option,
        [](const std::string& text) -> std::optional<int> {
            if (text == "chi") return static_cast<int>(ScoringOption::Chi);
            if (text == "set") return static_cast<int>(ScoringOption::Set);
            return std::nullopt;
        },
        "chi or set");
}

CLI::Validator cardList(Refusals& refusals, const std::string& what, std::size_t expected) {
    return CLI::Validator(
        [&refusals, what, expected](const std::string& text) {
            try {
                parseSet(text, what, expected);
            } catch (const InputError& e) {
                refusals.note(e.message);
            }
            return std::string();
        },
        "");
}

CardSet parseSet(const std::string& text, const std::string& what, std::size_t expected) {
    if (text.size() > 4096) throw InputError{what + ": input too long"};
    const ParsedCards parsed = parseCards(text);
    if (!parsed.error.empty()) throw InputError{what + ": " + parsed.error};
    if (expected != 0 && parsed.cards.size() != expected)
        throw InputError{what + ": wrong number of cards: " + std::to_string(parsed.cards.size()) +
                         " (expected " + std::to_string(expected) + ")"};
    CardSet s;
    for (CardIndex c : parsed.cards)
        addCard(s, c);
    return s;
}

void requireDisjoint(const CardSet& a, const CardSet& b, const std::string& what) {
    CardSet both;
    intersectionOf(both, a, b);
    if (!isEmpty(both))
        throw InputError{what + ": card '" + cardName(cardsOf(both).front()) + "' given twice"};
}

std::function<void(int, int)> evaluationProgress(bool enabled, int seats) {
    if (!enabled) return {};
    return [seats](int seat, int done) {
        std::cerr << "\revaluating seat " << seat + 1 << " of " << seats << ": " << done << "/100"
                  << (seat + 1 == seats && done == SimulatedDeals ? "\n" : "") << std::flush;
    };
}

void addRunOptions(CLI::App* sub, Refusals& refusals, std::uint32_t& seed, ScoringOption& option,
                   int& threads) {
    constexpr int MaxThreads = 64;
    sub->add_option("--seed", seed, "seed (0..4294967295)")
        ->type_name("TEXT")
        ->transform(wholeNumberIn(refusals, "--seed", 0, 0xFFFFFFFFu));
    sub->add_option("--option", option, "chi or set")
        ->type_name("TEXT")
        ->transform(scoringOptionName(refusals));
    sub->add_option("--threads", threads, "threads (1..64); the result is the same")
        ->type_name("TEXT")
        ->transform(wholeNumberIn(refusals, "--threads", 1, MaxThreads));
}

std::function<void(int)> countProgress(bool enabled, const char* command, int total,
                                       const char* unit) {
    if (!enabled) return {};
    return [command, total, unit](int done) {
        std::cerr << "\r" << command << ": " << done << "/" << total << " " << unit
                  << (done == total ? "\n" : "") << std::flush;
    };
}

}  // namespace kov::tool
