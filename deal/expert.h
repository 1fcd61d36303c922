// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <utility>
// The Expert's play: per-row value tables learned by fictitious play.
//
// Heads-up, what an arrangement takes from an opponent under the chi option is the sum over the
// three positions of what its hand there takes from the opponent's hand there (a special, and
// an opponent's special, settle as a block). So against a way of playing that shows a known
// distribution of hands at each position, an arrangement's expected points are three table
// look-ups: how often the opponent's hand at the position is lower (times what ours wins there)
// less what the higher ones win from it. Under the set option the three positions' chances of
// winning, tying and losing are combined as if independent; strong backs and specials win the
// set outright. Against several opponents every opponent settles on its own, so the same choice
// is best against each.
//
// The distribution is learned by fictitious play: a fixed sample of holdings first plays its
// search's first candidate; then, round after round, every holding plays its best arrangement
// against the average of all rounds' play so far, and that round's hands join the average. The
// tables value every arrangement against the final average, the approximate equilibrium of the
// row game; the Expert (ExpertPlayer) refines those values by simulated deals against opponents
// who choose by them. kovarin-engine expert-tables makes the tables the program keeps
// (deal/expert_tables.inc).

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "deal/pairing_keys.h"
#include "deal/random.h"
#include "search/arrange.h"

namespace kov {

// How often the learned play shows the hand of packed key `Key` at one position.
struct RowCount {
    std::uint32_t Key;
    std::uint32_t Count;
};

// The learned play under one option: Total arrangements, Outright of them settled as a block
// (chi: specials; set: specials and strong backs) with OutrightPayout their payouts summed (chi:
// the special's payout; set: 1 each), and the hands of the others at each position (slot
// backFirstSlot(position)), keys ascending.
struct ExpertCounts {
    std::uint64_t Total = 0, Outright = 0, OutrightPayout = 0;
    std::array<std::vector<RowCount>, 3> Rows;
};

// The tables kept with the program, as expert_tables.inc has them.
struct ExpertData {
    std::uint64_t Total, Outright, OutrightPayout;
    std::array<std::span<const RowCount>, 3> Rows;
};
ExpertCounts countsOf(const ExpertData& data);

class ExpertTable {
  public:
    ExpertTable(const ExpertCounts& counts, ScoringOption option);
    // What an arrangement with pairing key `key` takes per opponent and deal from the learned play
    // (points under the chi option, sets under the set option). `frontAces`: its front holds three
    // aces (which win three times their payout).
    double value(const PairingKey& key, bool frontAces) const;
    ScoringOption option() const { return option_; }

  private:
    // Per position: the keys shown, how many arrangements show a lower hand than each (Below[i]:
    // those below Keys[i]) and what those from each up take (LossFrom[i]: from Keys[i] up, summed
    // payouts under chi, counts under set); both one entry longer than Keys.
    struct Row {
        std::vector<std::uint32_t> Keys;
        std::vector<double> Below, LossFrom;
        // Where `key` stands: the first entry at or above it, and the first above it.
        std::pair<std::size_t, std::size_t> span(std::uint32_t key) const {
            const auto lo = static_cast<std::size_t>(
                std::lower_bound(Keys.begin(), Keys.end(), key) - Keys.begin());
            return {lo, lo < Keys.size() && Keys[lo] == key ? lo + 1 : lo};
        }
    };
    ScoringOption option_;
    double total_ = 1, outright_ = 0, outrightPayout_ = 0;
    std::array<Row, 3> rows_;
};

// The tables kept with the program.
const ExpertTable& expertTable(ScoringOption option);

// One arrangement as the program keeps it: each hand's cards as packed masks, then the three
// categories (back, middle, front).
struct KeptArrangement {
    std::uint64_t Back, Middle, Front;
    std::uint8_t Category[3];
};

// A fixed sample of whole arrangements, laid out as three opponents' lists with their pairing
// keys, to score candidates against.
struct ExpertSample {
    std::array<ArrangementList, 3> Lists;
    std::array<std::vector<PairingKey>, 3> Keys;
    explicit ExpertSample(std::span<const KeptArrangement> kept);
    explicit ExpertSample(const std::vector<Arrangement>& arrangements);
};

// What the computer's seats play, as the Expert's imaginary opponents who answer them see it:
// every holding's first best candidate against every candidate of every holding counted alike
// (as the computer's own evaluation scores), without simulated deals. Under the chi option a table
// of how often it shows each hand; under the set option, where a set is won on two rows together
// and tables of single rows cannot tell how often, a sample of its whole arrangements.
const ExpertTable& computerPlayTable();    // chi
const ExpertSample& computerPlaySample();  // set

// The first candidate of `list` (with its keys) of highest total against every arrangement of
// `sample` under the option. `chi` and `set` are working storage.
int sampleChoice(const ExpertSample& sample, const ArrangementList& list,
                 const std::vector<PairingKey>& keys, ScoringOption option,
                 std::vector<std::int32_t>& chi, std::vector<std::int32_t>& set);

// Whether arrangement `a`'s front is three aces.
bool frontOfAces(const Arrangement& a);

// The first candidate of `list` (with its pairing keys) of highest value; its value in `value`.
int expertChoice(const ExpertTable& table, const ArrangementList& list,
                 const std::vector<PairingKey>& keys, double* value = nullptr);

// The Expert's choice with its working storage (one object per thread). With `deals` simulated
// deals it refines the tables' values: every deal re-deals the 39 unseen cards (39 draws from
// `rng`) to three imaginary opponents, and the candidates are scored against their three picks
// by the rules, so that the cards the seat holds and the set option's whole outcome count. Two
// of the opponents answer the computer's seats (their best against computerPlayTable() or
// computerPlaySample()), as Hard does; the third plays the learned equilibrium (the tables).
// Measured in the arena, three opponents of the equilibrium make an Expert that Hard holds level;
// this mixture, one that beats Hard and Normal. With no deals it plays the tables' choice and
// draws nothing.
class ExpertPlayer {
  public:
    explicit ExpertPlayer(int deals = 0) : deals_(deals) {}
    // The index of the arrangement to play among candidates(); its value per opponent and deal
    // (the tables' or the simulated mean) in `value` when given.
    int choose(const CardSet& holding, ScoringOption option, Random& rng, double* value = nullptr);
    const ArrangementList& candidates() const { return own_; }

  private:
    int deals_;
    SeatSearch search_;
    ArrangementList own_;
    std::vector<PairingKey> ownKeys_;
    std::array<ArrangementList, 3> opponents_;
    std::array<ArrangementList, 3> picks_{ArrangementList(1), ArrangementList(1),
                                          ArrangementList(1)};
    std::vector<PairingKey> opponentKeys_;
    std::array<std::vector<PairingKey>, 3> pickKeys_;
    std::vector<std::int32_t> chi_, set_, opponentChi_, opponentSet_;
};

// Fictitious play over `holdings` holdings of `seed` (those of holdings / 4 shuffled decks) and
// `rounds` rounds, on `threads` threads (the result does not depend on them). `progress`, when
// given, is called with the rounds done.
ExpertCounts learnExpertCounts(int holdings, int rounds, std::uint32_t seed, ScoringOption option,
                               int threads, const std::function<void(int)>& progress = {});

// What the computer's seats play, learned from the same holdings: under the chi option the counts
// of every holding's best candidate against the table of every candidate alike; under the set
// option `sampleSize` holdings' best candidates against a sample of `sampleSize` candidates drawn
// alike from every holding's. On `threads` threads (the result does not depend on them).
struct ComputerPlay {
    ExpertCounts Chi;
    std::vector<Arrangement> Set;
};
ComputerPlay learnComputerPlay(int holdings, std::uint32_t seed, int sampleSize, int threads);

}  // namespace kov
