// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// `kovarin-engine arrange`: a holding's candidate arrangements, in the search's order.

#include <CLI/CLI.hpp>
#include <memory>

#include "search/arrange.h"
#include "tools/command_line.h"
#include "tools/commands.h"

namespace kov::tool {

void addArrangeCommand(CLI::App& app, Context& ctx) {
    const auto holding = std::make_shared<std::string>();
    auto* arr = app.add_subcommand("arrange", "List a holding's candidate arrangements");
    arr->add_option("holding", *holding, "13 cards")->required();
    arr->callback([&ctx, holding] {
        const CardSet h = parseSet(*holding, "holding", 13);
        SeatSearch search;
        ArrangementList list;
        search.arrangeSeat(h, list);
        Json candidates = Json::array();
        for (const Arrangement& a : list)
            candidates.push_back(arrangementJson(a));
        emit(ctx, Json{{"candidates", candidates}, {"overflowed", search.overflowed()}});
    });
}

}  // namespace kov::tool
