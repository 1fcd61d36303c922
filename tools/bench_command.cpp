// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/bench_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <ostream>

#include "deal/driver.h"
#include "search/arrange.h"
#include "tools/command_line.h"
#include "tools/commands.h"
#include "tools/json_forms.h"

namespace kov::tool {
namespace {

// FNV-1a, 64 bits, over the bytes of every result in a fixed order.
struct Digest {
    std::uint64_t h = 1469598103934665603ull;
    void add(const void* data, std::size_t n) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < n; ++i)
            h = (h ^ p[i]) * 1099511628211ull;
    }
    void add(std::int64_t v) { add(&v, sizeof v); }
    void add(const Arrangement& a) {
        for (const Hand* hand : {&a.back, &a.middle, &a.front}) {
            for (std::uint16_t m : hand->cards.mask)
                add(m);
            add(static_cast<std::int64_t>(hand->category));
        }
    }
    std::string hex() const {
        char buffer[17];
        std::snprintf(buffer, sizeof buffer, "%016llx", static_cast<unsigned long long>(h));
        return buffer;
    }
};

struct BenchResult {
    double arrangeUs = 0, referenceUs = 0, startChiMs = 0, startSetMs = 0;
    std::string digest;
};

double medianOf(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

BenchResult runWorkload(int holdings, int seeds, int threads, bool reference = false) {
    using Clock = std::chrono::steady_clock;
    BenchResult result;
    Digest digest;
    const std::vector<CardSet> sets = dealtHoldings(holdings, 20261208);

    SeatSearch fast;
    ReferenceSearch straightforward;
    ArrangementList list, referenceList;
    const auto arrangeAll = [&](auto& search) {
        for (const CardSet& h : sets) {
            search.arrangeSeat(h, list);
            digest.add(list.count());
            for (const Arrangement& a : list)
                digest.add(a);
        }
    };
    auto t0 = Clock::now();
    if (reference)
        arrangeAll(straightforward);
    else
        arrangeAll(fast);
    auto t1 = Clock::now();
    for (const CardSet& h : sets)
        straightforward.arrangeSeat(h, referenceList);
    auto t2 = Clock::now();
    result.arrangeUs = std::chrono::duration<double, std::micro>(t1 - t0).count() / holdings;
    result.referenceUs = std::chrono::duration<double, std::micro>(t2 - t1).count() / holdings;

    Evaluator evaluator(ListCapacity, threads, reference);
    for (ScoringOption option : {ScoringOption::Chi, ScoringOption::Set}) {
        std::vector<double> times;
        for (int s = 1; s <= seeds; ++s) {
            Random rng(static_cast<std::uint32_t>(s));
            Deal deal;
            SeatArrangements seats;
            const auto start = Clock::now();
            const DealReport r =
                startDeal(4, option, DefaultDealChoiceThreshold, deal, seats, rng, evaluator);
            times.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            for (double v : r.HoldingValue)
                digest.add(&v, sizeof v);
            for (int d : r.Draws)
                digest.add(d);
            digest.add(r.Chosen);
            for (const Arrangement& a : seats)
                digest.add(a);
            digest.add(rng.state());
        }
        (option == ScoringOption::Chi ? result.startChiMs : result.startSetMs) = medianOf(times);
    }
    result.digest = digest.hex();
    return result;
}

}  // namespace

void addBenchCommand(CLI::App& app, Context& ctx) {
    struct Args {
        int holdings = 200, seeds = 3, threads = 1;
    };
    const auto args = std::make_shared<Args>();
    const auto count = [&ctx](const std::string& option, int max) {
        return numberIn(ctx.refusals, option, 1, static_cast<std::uint64_t>(max), 7,
                        "1.." + std::to_string(max));
    };
    auto* be = app.add_subcommand("bench", "Time a fixed workload and print its digest");
    be->add_option("--holdings", args->holdings, "random holdings to arrange (1..100000)")
        ->type_name("TEXT")
        ->transform(count("--holdings", 100000));
    be->add_option("--seeds", args->seeds, "START GAMEs per option (1..1000)")
        ->type_name("TEXT")
        ->transform(count("--seeds", 1000));
    be->add_option("--threads", args->threads, "threads of the simulation (1..64)")
        ->type_name("TEXT")
        ->transform(count("--threads", 64));
    be->callback([&ctx, args] {
        ctx.refusals.raise();
        const BenchResult r = runWorkload(args->holdings, args->seeds, args->threads);
        emit(ctx, Json{{"arrange_us", r.arrangeUs},
                       {"arrange_reference_us", r.referenceUs},
                       {"start_ms", Json{{"chi", r.startChiMs}, {"set", r.startSetMs}}},
                       {"threads", args->threads},
                       {"digest", r.digest}});
    });
}

std::string benchDigest(int holdings, int seeds, int threads, bool reference) {
    return runWorkload(holdings, seeds, threads, reference).digest;
}

}  // namespace kov::tool
