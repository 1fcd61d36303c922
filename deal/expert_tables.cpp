// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Expert's tables as kept with the program: deal/expert_tables.inc, made by
// `kovarin-engine expert-tables` (the command line it was made with stands at its top).

#include "deal/expert.h"

namespace kov {
namespace {

#include "deal/expert_tables.inc"

}  // namespace

const ExpertTable& expertTable(ScoringOption option) {
    static const ExpertTable chi(countsOf(ChiData), ScoringOption::Chi);
    static const ExpertTable set(countsOf(SetData), ScoringOption::Set);
    return option == ScoringOption::Chi ? chi : set;
}

const ExpertTable& computerPlayTable() {
    static const ExpertTable chi(countsOf(ChiComputerData), ScoringOption::Chi);
    return chi;
}

const ExpertSample& computerPlaySample() {
    static const ExpertSample set{std::span<const KeptArrangement>(SetComputerSample)};
    return set;
}

}  // namespace kov
