// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/strategy.h"

#include <algorithm>
#include <cassert>

#include "deal/expert.h"

namespace kov {

std::string_view strategyName(StrategyKind kind) {
    switch (kind) {
        case StrategyKind::Random:
            return "random";
        case StrategyKind::First:
            return "first";
        case StrategyKind::Easy:
            return "easy";
        case StrategyKind::Normal:
            return "normal";
        case StrategyKind::Deep:
            return "deep";
        case StrategyKind::Strong:
            return "strong";
        case StrategyKind::Expert:
            return "expert";
    }
    return "";
}

std::optional<StrategyKind> strategyNamed(std::string_view name) {
    for (StrategyKind kind : AllStrategies)
        if (strategyName(kind) == name) return kind;
    return std::nullopt;
}

int simulatedDealsOf(StrategyKind kind) {
    switch (kind) {
        case StrategyKind::Easy:
            return 10;
        case StrategyKind::Normal:
            return SimulatedDeals;
        case StrategyKind::Deep:
            return 1000;
        case StrategyKind::Strong:
            return 100;
        case StrategyKind::Expert:
            return ExpertSimulatedDeals;
        default:
            return 0;
    }
}

std::string_view strengthName(Strength strength) {
    switch (strength) {
        case Strength::Easy:
            return "Easy";
        case Strength::Normal:
            return "Normal";
        case Strength::Hard:
            return "Hard";
        case Strength::Expert:
            return "Expert";
    }
    return "";
}

StrategyKind strategyOf(Strength strength) {
    switch (strength) {
        case Strength::Easy:
            return StrategyKind::Easy;
        case Strength::Hard:
            return StrategyKind::Strong;
        case Strength::Expert:
            return StrategyKind::Expert;
        default:
            return StrategyKind::Normal;
    }
}

struct Strategy::Searching {
    SeatSearch Search;
    ArrangementList List;
};

namespace {

// The index of the first highest total: the candidate the evaluation's ordering puts first.
int firstHighest(const std::vector<std::int32_t>& total) {
    return static_cast<int>(std::max_element(total.begin(), total.end()) - total.begin());
}

// Settles an ILLEGAL arrangement against every arrangement of the three lists by the
// settlement's rule: it loses every hand (or the whole set) to each of them.
void scoreIllegal(const Arrangement& own, const std::array<const ArrangementList*, 3>& opponents,
                  ScoringOption option, std::int32_t& chi, std::int32_t& set) {
    SeatArrangements seats{};
    seats[0] = own;
    Settlement s;
    for (const ArrangementList* list : opponents)
        for (const Arrangement& b : *list) {
            seats[1] = b;
            if (option == ScoringOption::Chi) {
                s.settleChi(seats, 0, 1);
                chi += s.FrontResult[0][1] + s.MiddleResult[0][1] + s.BackResult[0][1];
            } else {
                s.settleSet(seats, 0, 1);
                set += s.FrontResult[0][1];
            }
        }
}

// A seed for the generator an imaginary opponent deals its own simulated deals with: the outer
// generator's state after a simulated deal and the opponent's seat, spread by the splitmix64
// finaliser (seeding with the state itself would replay the outer deals' own draws).
std::uint32_t opponentSeed(std::uint32_t state, std::size_t seat) {
    std::uint64_t z = (static_cast<std::uint64_t>(state) << 8 | seat) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<std::uint32_t>(z >> 32);
}

// strong: every simulated deal is dealt and searched as in the plain evaluation; then each
// imaginary opponent chooses as the computer would from its own seat, knowing only its own
// cards: it deals the 39 cards it cannot see (the seat's among them) into three holdings
// StrongOpponentDeals times from a generator of its own, scores its candidates against every
// candidate of those holdings, and plays the first highest total. The own candidates, and any
// extra arrangements, meet those three picks. The working storage of one thread.
struct StrongEvaluation {
    SeatSearch Search;
    std::array<ArrangementList, 3> Opponents, Unseen;
    std::array<ArrangementList, 3> Picks{ArrangementList(1), ArrangementList(1),
                                         ArrangementList(1)};
    ArrangementList Single = ArrangementList(1);  // one extra arrangement at a time
    std::vector<PairingKey> OwnKeys;
    std::array<std::vector<PairingKey>, 3> OpponentKeys, UnseenKeys, PickKeys;
    std::vector<std::int32_t> OpponentChi, OpponentSet;
    std::array<Holding, 3> OpponentRows{};

    // Imaginary opponent j's pick in a simulated deal, from its own cards alone.
    void pickFor(std::size_t j, std::uint32_t seed, ScoringOption option) {
        OpponentChi.assign(static_cast<std::size_t>(Opponents[j].count()), 0);
        OpponentSet.assign(static_cast<std::size_t>(Opponents[j].count()), 0);
        std::int64_t pairings = 0;
        Random rng(seed);
        Deal seen;
        seen.Rows[0] = OpponentRows[j];
        for (int d = 0; d < StrongOpponentDeals; ++d) {
            redealUnseen(seen, rng);
            for (std::size_t u = 0; u < 3; ++u) {
                Search.arrangeSeat(setOf(seen.Rows[u + 1]), Unseen[u]);
                pairingKeys(Unseen[u], Search, UnseenKeys[u]);
            }
            scoreAgainstKeyed(Opponents[j], OpponentKeys[j], {&Unseen[0], &Unseen[1], &Unseen[2]},
                              {&UnseenKeys[0], &UnseenKeys[1], &UnseenKeys[2]}, option,
                              OpponentChi.data(), OpponentSet.data(), pairings);
        }
        const int pick = firstHighest(option == ScoringOption::Chi ? OpponentChi : OpponentSet);
        Picks[j].clear();
        Picks[j].append(Opponents[j][pick]);
        PickKeys[j].assign(1, OpponentKeys[j][static_cast<std::size_t>(pick)]);
    }

    void evaluate(const CardSet& holding, const std::vector<Arrangement>& extras,
                  ScoringOption option, int deals, Random& rng, StrongValues& out) {
        ArrangementList& own = out.candidates;
        Search.arrangeSeat(holding, own);
        pairingKeys(own, Search, OwnKeys);
        out.chi.assign(static_cast<std::size_t>(own.count()), 0);
        out.set.assign(static_cast<std::size_t>(own.count()), 0);
        out.extraChi.assign(extras.size(), 0);
        out.extraSet.assign(extras.size(), 0);
        out.pairings = 0;
        Deal deal;
        deal.Rows[0] = holdingOf(holding);
        std::int64_t pairings = 0;  // every pairing scored; the answer counts one arrangement's
        for (int d = 0; d < deals; ++d) {
            redealUnseen(deal, rng);
            for (std::size_t j = 0; j < 3; ++j) {
                OpponentRows[j] = deal.Rows[j + 1];
                Search.arrangeSeat(setOf(deal.Rows[j + 1]), Opponents[j]);
                pairingKeys(Opponents[j], Search, OpponentKeys[j]);
            }
            for (std::size_t j = 0; j < 3; ++j)
                pickFor(j, opponentSeed(rng.state(), j), option);
            const std::array<const ArrangementList*, 3> picks{&Picks[0], &Picks[1], &Picks[2]};
            scoreAgainstKeyed(own, OwnKeys, picks, {&PickKeys[0], &PickKeys[1], &PickKeys[2]},
                              option, out.chi.data(), out.set.data(), pairings);
            for (std::size_t e = 0; e < extras.size(); ++e) {
                if (extras[e].back.category == IllegalMarker) {
                    scoreIllegal(extras[e], picks, option, out.extraChi[e], out.extraSet[e]);
                } else {
                    Single.clear();
                    Single.append(extras[e]);
                    scoreAgainst(Single, picks, option, &out.extraChi[e], &out.extraSet[e],
                                 pairings);
                }
            }
            for (const ArrangementList& pick : Picks)
                out.pairings += pick.count();
        }
        out.chosen = firstHighest(option == ScoringOption::Chi ? out.chi : out.set);
    }
};

}  // namespace

void evaluateStrong(const CardSet& holding, const std::vector<Arrangement>& extras,
                    ScoringOption option, int deals, Random& rng, StrongValues& out) {
    assert(cardCount(holding) == 13);
    StrongEvaluation work;
    work.evaluate(holding, extras, option, deals, rng, out);
}

// strong's working storage, kept from one choice to the next.
struct Strategy::OpponentsChoosing {
    StrongEvaluation Work;
    StrongValues Values;
};

// expert's working storage.
struct Strategy::Tables {
    ExpertPlayer Player{ExpertSimulatedDeals};
};

Strategy::Strategy(StrategyKind kind) : kind_(kind) {
    if (kind == StrategyKind::Expert)
        expert_ = std::make_unique<Tables>();
    else if (kind == StrategyKind::Strong)
        strong_ = std::make_unique<OpponentsChoosing>();
    else if (const int deals = simulatedDealsOf(kind); deals > 0)
        evaluator_ = std::make_unique<Evaluator>(ListCapacity, 1, false, deals);
    else
        search_ = std::make_unique<Searching>();
}

Strategy::~Strategy() = default;
Strategy::Strategy(Strategy&&) noexcept = default;
Strategy& Strategy::operator=(Strategy&&) noexcept = default;

Arrangement Strategy::choose(const CardSet& holding, ScoringOption option, Random& rng) {
    assert(cardCount(holding) == 13);
    if (strong_) {
        StrongValues& values = strong_->Values;
        strong_->Work.evaluate(holding, {}, option, simulatedDealsOf(kind_), rng, values);
        return values.candidates[values.chosen];
    }
    if (expert_) {
        const int chosen = expert_->Player.choose(holding, option, rng);
        return expert_->Player.candidates()[chosen];
    }
    if (evaluator_) {
        Deal deal;
        deal.Rows[0] = holdingOf(holding);
        evaluator_->evaluateHolding(deal, rng, option);
        return evaluator_->candidates(0)[0];
    }
    search_->Search.arrangeSeat(holding, search_->List);
    const ArrangementList& list = search_->List;
    assert(list.count() > 0);
    if (kind_ == StrategyKind::First) return list[0];
    return list[static_cast<int>(drawBelow(rng, static_cast<std::uint32_t>(list.count())))];
}

void playAtStrength(Strategy& strategy, int n, SeatArrangements& seats, ScoringOption option,
                    Random& rng) {
    assert(n >= 2 && n <= 4);
    if (strategy.kind() == StrategyKind::Normal) return;
    for (int s = 1; s < n; ++s) {
        Arrangement& a = seats[static_cast<std::size_t>(s)];
        a = strategy.choose(unite(unite(a.back.cards, a.middle.cards), a.front.cards), option, rng);
    }
}

}  // namespace kov
