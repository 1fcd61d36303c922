#include "tools/engine_tool.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <sstream>

#include "cards/card_text.h"
#include "cards/category_claim.h"
#include "cards/compare.h"
#include "cards/special.h"
#include "deal/driver.h"
#include "settle/result_rows.h"
#include "tools/arena_command.h"
#include "tools/bench_command.h"
#include "tools/calibrate_command.h"
#include "tools/json_forms.h"
#include "tools/whole_number.h"

namespace kov::tool {
namespace {

constexpr std::size_t MaxInputBytes = 1 << 20;

// Whole unsigned numbers only, within [min, max].
std::uint64_t parseNumber(const std::string& text, std::uint64_t min, std::uint64_t max,
                          const std::string& option) {
    if (const auto v = wholeNumber(text, 20); v && *v >= min && *v <= max) return *v;
    throw InputError{"bad value for " + option + ": '" + text + "' (expected a whole number " +
                     std::to_string(min) + ".." + std::to_string(max) + ")"};
}

ScoringOption parseOption(const std::string& text) {
    if (text == "chi") return ScoringOption::Chi;
    if (text == "set") return ScoringOption::Set;
    throw InputError{"bad value for --option: '" + text + "' (expected chi or set)"};
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

// A special's category number, or the text of its button in the arranging panel.
int claimCategory(const std::string& text) {
    static const std::pair<const char*, HandCategory> Buttons[] = {
        {"6 PAIRS", cat::SixPairs},
        {"3 FLUSH", cat::ThreeFlush},
        {"3 STRAIGHT", cat::ThreeStraight},
        {"5 PAIRS, 1TRIPLE", cat::FivePairsTriple},
        {"13 STRAIGHT", cat::ThirteenStraight},
        {"13 STRAIGHT FLUSH", cat::ThirteenStraightFlush}};
    std::string upper = text;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const auto& [name, category] : Buttons)
        if (upper == name) return category;
    if (const auto v = wholeNumber(text, 2); v && isSpecialCategory(static_cast<HandCategory>(*v)))
        return static_cast<int>(*v);
    throw InputError{"bad value for --claim: '" + text + "' (expected 10..15 or a button text)"};
}

std::string readAll(std::istream& in, const std::string& what) {
    std::string text;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > MaxInputBytes) throw InputError{what + ": input too long"};
    }
    return text;
}

// Checks one seat's arrangement read from JSON: its 13 cards in the forms the game writes, and
// categories no higher than its cards make.
CardSet validateSeat(const Arrangement& a, int seat) {
    const std::string where = "seats[" + std::to_string(seat) + "]";
    const CardSet all = unite(unite(a.back.cards, a.middle.cards), a.front.cards);
    if (cardCount(all) != 13)
        throw InputError{where + ": wrong number of cards: " + std::to_string(cardCount(all)) +
                         " (expected 13)"};
    const bool block = a.back.category >= cat::Reserved || a.middle.category >= cat::Reserved ||
                       a.front.category >= cat::Reserved;
    const bool allInEach = a.back.cards == all && a.middle.cards == all && a.front.cards == all;
    if (!(block && allInEach) && (cardCount(a.back.cards) != 5 || cardCount(a.middle.cards) != 5 ||
                                  cardCount(a.front.cards) != 3))
        throw InputError{where + ": hands must hold 5, 5 and 3 cards"};
    if (const auto e = categoryClaimError(a, seat)) throw InputError{where + "." + describe(*e)};
    return all;
}

struct Context {
    std::istream& in;
    std::ostream& out;
    bool progress;
};

void emit(Context& ctx, const Json& j) {
    ctx.out << j.dump() << '\n';
}

void cmdRng(Context& ctx, const std::string& seedText, const std::string& countText) {
    Random rng(static_cast<std::uint32_t>(parseNumber(seedText, 0, 0xFFFFFFFFu, "--seed")));
    const auto count = parseNumber(countText, 0, 1000000, "--count");
    Json out = Json::array();
    for (std::uint64_t i = 0; i < count; ++i)
        out.push_back(rng.nextRandom());
    emit(ctx, out);
}

void cmdDeal(Context& ctx, const std::string& seedText) {
    Random rng(static_cast<std::uint32_t>(parseNumber(seedText, 0, 0xFFFFFFFFu, "--seed")));
    Deal deal;
    dealAllSeats(deal, rng);
    Json rows = Json::array();
    for (const Holding& row : deal.Rows)
        rows.push_back(rowJson(row));
    emit(ctx, Json{{"rows", rows}});
}

struct CheckArgs {
    std::string front, middle, back, rest, claim;
    bool regular = false;
};

void cmdCheck(Context& ctx, const CheckArgs& a) {
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
        const int category = claimCategory(a.claim);
        const int total = cardCount(unite(unite(front, middle), unite(back, rest)));
        if (total != 13)
            throw InputError{"check: wrong number of cards: " + std::to_string(total) +
                             " (expected 13)"};
        held = declareSpecial(arrangement, front, middle, back, rest, category);
    }
    emit(ctx, Json{{"held", held}, {"arrangement", arrangementJson(arrangement)}});
}

void cmdArrange(Context& ctx, const std::string& holding) {
    const CardSet h = parseSet(holding, "holding", 13);
    SeatSearch search;
    ArrangementList list;
    search.arrangeSeat(h, list);
    Json candidates = Json::array();
    for (const Arrangement& a : list)
        candidates.push_back(arrangementJson(a));
    emit(ctx, Json{{"candidates", candidates}, {"overflowed", search.overflowed()}});
}

std::function<void(int, int)> progressLine(bool enabled, int seats) {
    if (!enabled) return {};
    return [seats](int seat, int done) {
        std::cerr << "\revaluating seat " << seat + 1 << " of " << seats << ": " << done << "/100"
                  << (seat + 1 == seats && done == SimulatedDeals ? "\n" : "") << std::flush;
    };
}

void cmdEvaluate(Context& ctx, const std::string& holding, const std::string& seedText,
                 const std::string& optionText) {
    const CardSet h = parseSet(holding, "holding", 13);
    Random rng(static_cast<std::uint32_t>(parseNumber(seedText, 0, 0xFFFFFFFFu, "--seed")));
    const ScoringOption option = parseOption(optionText);
    Deal deal;
    deal.Rows[0] = holdingOf(h);
    Evaluator evaluator(ListCapacity, 0);  // every hardware thread; the result is the same
    std::function<void(int)> step;
    if (const auto line = progressLine(ctx.progress, 1)) step = [line](int done) { line(0, done); };
    evaluator.evaluateHolding(deal, rng, option, step);
    Json candidates = Json::array();
    for (int i = 0; i < evaluator.candidates(0).count(); ++i)
        candidates.push_back(Json{{"arrangement", arrangementJson(evaluator.candidates(0)[i])},
                                  {"chi", evaluator.chiTotal(i)},
                                  {"set", evaluator.setTotal(i)}});
    emit(ctx, Json{{"candidates", candidates},
                   {"pairings", evaluator.pairingCount()},
                   {"overflowed", evaluator.overflowed()}});
}

void cmdStart(Context& ctx, const std::string& seedText, const std::string& opponentsText,
              const std::string& optionText) {
    Random rng(static_cast<std::uint32_t>(parseNumber(seedText, 0, 0xFFFFFFFFu, "--seed")));
    const int opponents = static_cast<int>(parseNumber(opponentsText, 1, 3, "--opponents"));
    const ScoringOption option = parseOption(optionText);
    Deal deal;
    SeatArrangements seats;
    Evaluator evaluator(ListCapacity, 0);  // every hardware thread; the result is the same
    const DealReport r = startDeal(opponents + 1, option, DefaultDealChoiceThreshold, deal, seats,
                                   rng, evaluator, progressLine(ctx.progress, opponents + 1));
    Json saved = Json::array(), values = Json::array(), order = Json::array(),
         arrangements = Json::array();
    for (const Holding& row : r.SavedDeal.Rows)
        saved.push_back(rowJson(row));
    for (int s = 0; s <= opponents; ++s) {
        values.push_back(r.HoldingValue[static_cast<std::size_t>(s)]);
        order.push_back(r.Order[static_cast<std::size_t>(s)]);
        arrangements.push_back(arrangementJson(seats[static_cast<std::size_t>(s)]));
    }
    emit(ctx, Json{{"saved", saved},
                   {"values", values},
                   {"order", order},
                   {"draws", r.Draws},
                   {"chosen", r.Chosen},
                   {"holding", rowJson(deal.Rows[0])},
                   {"arrangements", arrangements},
                   {"overflowed", r.Overflowed}});
}

void cmdSettle(Context& ctx, const std::string& optionText, const std::string& file) {
    const ScoringOption option = parseOption(optionText);
    std::string text;
    if (file.empty() || file == "-") {
        text = readAll(ctx.in, "standard input");
    } else {
        std::ifstream f(file, std::ios::binary);
        if (!f) throw InputError{"cannot read '" + file + "'"};
        text = readAll(f, file);
    }
    Json doc;
    try {
        doc = Json::parse(text);
    } catch (const Json::parse_error& e) {
        throw InputError{std::string("malformed JSON: ") + e.what()};
    }
    if (!doc.is_object() || !doc.contains("seats") || !doc.at("seats").is_array())
        throw InputError{"expected {\"seats\": [arrangement, ...]}"};
    const Json& list = doc.at("seats");
    if (list.size() < 2 || list.size() > 4)
        throw InputError{"wrong number of seats: " + std::to_string(list.size()) +
                         " (expected 2..4)"};
    SeatArrangements seats;
    CardSet used;
    const int n = static_cast<int>(list.size());
    for (int s = 0; s < n; ++s) {
        seats[static_cast<std::size_t>(s)] = arrangementFromJson(
            list[static_cast<std::size_t>(s)], "seats[" + std::to_string(s) + "]");
        const CardSet all = validateSeat(seats[static_cast<std::size_t>(s)], s);
        requireDisjoint(used, all, "seats[" + std::to_string(s) + "] overlaps another seat");
        unionOf(used, used, all);
    }
    Settlement settlement;
    settlement.settleDeal(seats, n, option);
    const auto matrix = [&](const ResultMatrix& m) {
        Json rows = Json::array();
        for (int i = 0; i < n; ++i) {
            Json row = Json::array();
            for (int j = 0; j < n; ++j)
                row.push_back(m[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)]);
            rows.push_back(row);
        }
        return rows;
    };
    Json rows = Json::array();
    for (int s = 0; s < n; ++s) {
        const ResultRows r = resultRow(settlement, seats[static_cast<std::size_t>(s)], s, option);
        Json cards = Json::array(), faces = Json::array(), points = Json::array();
        for (int face : r.cards) {
            faces.push_back(face);
            cards.push_back(cardName(static_cast<CardIndex>(fromFaceNumber(face))));
        }
        for (int k = 0; k < r.pointsShown; ++k)
            points.push_back(r.points[static_cast<std::size_t>(k)]);
        rows.push_back(
            Json{{"names", r.names}, {"cards", cards}, {"faces", faces}, {"points", points}});
    }
    emit(ctx, Json{{"front", matrix(settlement.FrontResult)},
                   {"middle", matrix(settlement.MiddleResult)},
                   {"back", matrix(settlement.BackResult)},
                   {"rows", rows}});
}

}  // namespace

int runEngineTool(int argc, const char* const* argv, std::istream& in, std::ostream& out,
                  std::ostream& err, bool progressToTerminal) {
    CLI::App app{
        "KOVARIN32 engine tool: deals, checks, arranges, evaluates and settles hands. "
        "Cards are rank then suit (Ah, Td, 10c, 9\u2660)."};
    app.name("kovarin-engine");
    app.require_subcommand(1);

    std::string seed = "1", count = "10", holding, option = "chi", opponents = "1", file;
    CheckArgs check;
    BenchArgs bench;
    ArenaArgs arenaArgs;
    CalibrateArgs calibrateArgs;

    auto* rng = app.add_subcommand("rng", "Print the generator's numbers as a JSON array");
    rng->add_option("--seed", seed, "seed (0..4294967295)")->required();
    rng->add_option("--count", count, "how many numbers (0..1000000)")->required();

    auto* deal = app.add_subcommand("deal", "Deal the deck to four rows");
    deal->add_option("--seed", seed, "seed (0..4294967295)")->required();

    auto* chk = app.add_subcommand("check", "Check a regular arrangement or a special claim");
    chk->add_option("--front", check.front, "front cards")->required();
    chk->add_option("--middle", check.middle, "middle cards")->required();
    chk->add_option("--back", check.back, "back cards")->required();
    chk->add_option("--rest", check.rest, "cards not placed");
    chk->add_flag("--regular", check.regular, "check the hands as a regular arrangement");
    chk->add_option("--claim", check.claim, "claim a special: 10..15 or the button text");

    auto* arr = app.add_subcommand("arrange", "List a holding's candidate arrangements");
    arr->add_option("holding", holding, "13 cards")->required();

    auto* ev = app.add_subcommand("evaluate", "Evaluate a holding over simulated deals");
    ev->add_option("holding", holding, "13 cards")->required();
    ev->add_option("--seed", seed, "seed (0..4294967295)")->required();
    ev->add_option("--option", option, "chi or set")->required();

    auto* st = app.add_subcommand("start", "Run the deal driver of one START GAME");
    st->add_option("--seed", seed, "seed (0..4294967295)")->required();
    st->add_option("--opponents", opponents, "1..3")->required();
    st->add_option("--option", option, "chi or set")->required();

    auto* se = app.add_subcommand("settle", "Settle arrangements read as JSON");
    se->add_option("--option", option, "chi or set")->required();
    se->add_option("file", file, "JSON file (standard input when absent)");

    auto* be = addBenchCommand(app, bench);
    const ArenaCommands arena = addArenaCommands(app, arenaArgs);
    auto* calibrate = addCalibrateCommand(app, calibrateArgs);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        const CLI::App* target = &app;
        for (const CLI::App* sub : app.get_subcommands())
            target = sub;
        out << target->help();
        return 0;
    } catch (const CLI::ParseError& e) {
        std::string message = e.what();
        std::replace(message.begin(), message.end(), '\n', ' ');
        err << "kovarin-engine: " << message << '\n';
        return 2;
    }

    std::ostringstream buffer;  // nothing reaches the output unless the command succeeds
    Context buffered{in, buffer, progressToTerminal};
    try {
        if (rng->parsed())
            cmdRng(buffered, seed, count);
        else if (deal->parsed())
            cmdDeal(buffered, seed);
        else if (chk->parsed())
            cmdCheck(buffered, check);
        else if (arr->parsed())
            cmdArrange(buffered, holding);
        else if (ev->parsed())
            cmdEvaluate(buffered, holding, seed, option);
        else if (st->parsed())
            cmdStart(buffered, seed, opponents, option);
        else if (se->parsed())
            cmdSettle(buffered, option, file);
        else if (be->parsed())
            runBench(buffered.out, bench);
        else if (arena.arena->parsed())
            runArena(buffered.out, arenaArgs, progressToTerminal);
        else if (arena.table->parsed())
            runArenaTable(buffered.out, arenaArgs, progressToTerminal);
        else if (calibrate->parsed())
            runCalibrate(buffered.out, calibrateArgs, progressToTerminal);
    } catch (const InputError& e) {
        std::string message = e.message;  // a value with a line break stays on one line
        std::replace(message.begin(), message.end(), '\n', ' ');
        err << "kovarin-engine: " << message << '\n';
        return 2;
    }
    out << buffer.str();
    return 0;
}

}  // namespace kov::tool
