// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What every engine-tool command shares: the streams it answers on, the card lists it reads, and
// the typed options' checks, which word a refusal as the tool always has:
// "bad value for --seed: 'x' (expected a whole number 0..4294967295)".

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

#include "cards/card_set.h"
#include "settle/settlement.h"
#include "tools/json_forms.h"

namespace CLI {
class App;
class Validator;
}  // namespace CLI

namespace kov::tool {

// The first value refused on the command line. CLI11 runs an option's checks before it answers
// --help, names a missing option or a word it did not expect, while the tool has always answered
// those first. So a check notes its refusal here and lets a stand-in value through; the command's
// callback, which CLI11 runs once the command line as a whole is accepted, raises it. The checks
// run in the order the options are declared, which is the order the tool has checked them in.
class Refusals {
  public:
    void note(std::string message) {
        if (!first_) first_ = std::move(message);
    }
    void raise() const {
        if (first_) throw InputError{*first_};
    }

  private:
    std::optional<std::string> first_;
};

// One run of the tool: nothing reaches the output stream unless the command succeeds.
struct Context {
    std::istream& in;
    std::ostream& out;
    bool progress;  // a progress line on the error stream while evaluating
    Refusals refusals;
};

void emit(Context& ctx, const Json& j);

// Whole numbers min..max: digits only, at most `maxDigits`; a refusal says "(expected <expected>)".
CLI::Validator numberIn(Refusals& refusals, const std::string& option, std::uint64_t min,
                        std::uint64_t max, std::size_t maxDigits, const std::string& expected);
// The usual whole number: up to 20 digits, "(expected a whole number min..max)".
CLI::Validator wholeNumberIn(Refusals& refusals, const std::string& option, std::uint64_t min,
                             std::uint64_t max);
// A name turned into an enumeration's value by `lookup`; a refusal says "(expected <expected>)".
CLI::Validator namedValue(Refusals& refusals, const std::string& option,
                          std::function<std::optional<int>(const std::string&)> lookup,
                          const std::string& expected);
// chi or set, as a ScoringOption.
CLI::Validator scoringOptionName(Refusals& refusals, const std::string& option = "--option");
// A card list that parseSet() accepts.
CLI::Validator cardList(Refusals& refusals, const std::string& what, std::size_t expected);

// Card text as the game writes it; `expected` cards unless 0. Throws InputError naming `what`.
CardSet parseSet(const std::string& text, const std::string& what, std::size_t expected);
void requireDisjoint(const CardSet& a, const CardSet& b, const std::string& what);

// The options of a long run that every measuring command takes, in this order: --seed, --option
// and --threads (1..64; the result does not depend on it).
void addRunOptions(CLI::App* sub, Refusals& refusals, std::uint32_t& seed, ScoringOption& option,
                   int& threads);

// "arena: 12/1000 deals" on the error stream while `enabled`, the last with a line break; empty
// otherwise.
std::function<void(int)> countProgress(bool enabled, const char* command, int total,
                                       const char* unit);

// "evaluating seat 2 of 4: 37/100" on the error stream while `enabled`; empty otherwise.
std::function<void(int, int)> evaluationProgress(bool enabled, int seats);

}  // namespace kov::tool
