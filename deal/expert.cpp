// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/expert.h"

#include <algorithm>
#include <cassert>
#include <map>

#include "cards/payout.h"
#include "cards/special.h"
#include "deal/column_scoring.h"
#include "deal/dealing.h"
#include "deal/task_pool.h"
#include "settle/settlement.h"

namespace kov {
namespace {

constexpr Position PositionOfSlot[3] = {Position::Back, Position::Middle, Position::Front};

HandCategory categoryOfKey(std::uint32_t key) {
    return static_cast<HandCategory>(key >> 24);  // category << 24 | tuple
}

// The key of a front of three aces: the highest front there is.
std::uint32_t acesFrontKey() {
    CardSet aces;
    for (int suit = 0; suit < 3; ++suit)
        addCard(aces, static_cast<CardIndex>(suit * RankCount));
    return frontKey(aces, cat::Triple).Less;
}

// What a hand of key `key` wins at slot `slot` (the front's aces three times).
double winOf(int slot, std::uint32_t key, bool frontAces) {
    const double pay = payout(PositionOfSlot[slot], categoryOfKey(key));
    return slot == 2 && frontAces ? pay * AceTripleFactor : pay;
}

// Under the set option, with the chances of winning and losing each position taken as
// independent: P(more positions won than lost) - P(more lost than won).
double setValue(const double (&win)[3], const double (&loss)[3]) {
    // p[3 + d]: the chance that the positions so far were won d times more than lost.
    double p[7] = {0, 0, 0, 1, 0, 0, 0};
    for (int s = 0; s < 3; ++s) {
        const double tie = 1 - win[s] - loss[s];
        double next[7] = {};
        for (int d = 0; d < 7; ++d) {
            if (p[d] == 0) continue;
            if (d + 1 < 7) next[d + 1] += p[d] * win[s];
            if (d > 0) next[d - 1] += p[d] * loss[s];
            next[d] += p[d] * tie;
        }
        std::copy(std::begin(next), std::end(next), std::begin(p));
    }
    return p[4] + p[5] + p[6] - p[0] - p[1] - p[2];
}

}  // namespace

ExpertCounts countsOf(const ExpertData& data) {
    ExpertCounts c;
    c.Total = data.Total;
    c.Outright = data.Outright;
    c.OutrightPayout = data.OutrightPayout;
    for (std::size_t s = 0; s < 3; ++s)
        c.Rows[s].assign(data.Rows[s].begin(), data.Rows[s].end());
    return c;
}

ExpertTable::ExpertTable(const ExpertCounts& counts, ScoringOption option) : option_(option) {
    total_ = std::max<double>(1, static_cast<double>(counts.Total));
    outright_ = static_cast<double>(counts.Outright);
    outrightPayout_ = static_cast<double>(counts.OutrightPayout);
    const std::uint32_t aces = acesFrontKey();
    for (int s = 0; s < 3; ++s) {
        const std::vector<RowCount>& in = counts.Rows[static_cast<std::size_t>(s)];
        Row& row = rows_[static_cast<std::size_t>(s)];
        const std::size_t n = in.size();
        row.Keys.resize(n);
        row.Below.assign(n + 1, 0);
        row.LossFrom.assign(n + 1, 0);
        for (std::size_t i = 0; i < n; ++i) {
            assert(i == 0 || in[i - 1].Key < in[i].Key);
            row.Keys[i] = in[i].Key;
            row.Below[i + 1] = row.Below[i] + in[i].Count;
        }
        for (std::size_t i = n; i-- > 0;) {
            const double loss = option == ScoringOption::Chi
                                    ? winOf(s, in[i].Key, s == 2 && in[i].Key == aces)
                                    : 1.0;
            row.LossFrom[i] = row.LossFrom[i + 1] + loss * in[i].Count;
        }
    }
}

double ExpertTable::value(const PairingKey& key, bool frontAces) const {
    const double others = total_ - outright_;  // the arrangements settled hand by hand
    if (option_ == ScoringOption::Chi) {
        if (key.Special) return payout(Position::Back, key.Category[0]) * others / total_;
        double v = -outrightPayout_;
        for (int s = 0; s < 3; ++s) {
            const Row& row = rows_[static_cast<std::size_t>(s)];
            const std::uint32_t k = key.Less[s];
            const auto [lo, hi] = row.span(k);
            v += row.Below[lo] * winOf(s, k, frontAces) - row.LossFrom[hi];
        }
        return v / total_;
    }
    if (key.Strong) return others / total_;
    if (others <= 0) return -1;
    double win[3], loss[3];
    for (int s = 0; s < 3; ++s) {
        const Row& row = rows_[static_cast<std::size_t>(s)];
        const std::uint32_t k = key.Less[s];
        const auto [lo, hi] = row.span(k);
        win[s] = row.Below[lo] / others;
        loss[s] = row.LossFrom[hi] / others;
    }
    return (setValue(win, loss) * others - outright_) / total_;
}

namespace {

Arrangement arrangementOf(const KeptArrangement& k) {
    Arrangement a;
    a.back = {fromPackedMasks(k.Back), static_cast<HandCategory>(k.Category[0])};
    a.middle = {fromPackedMasks(k.Middle), static_cast<HandCategory>(k.Category[1])};
    a.front = {fromPackedMasks(k.Front), static_cast<HandCategory>(k.Category[2])};
    return a;
}

}  // namespace

ExpertSample::ExpertSample(const std::vector<Arrangement>& arrangements)
    : Lists{ArrangementList(static_cast<int>(arrangements.size() / 3 + 1)),
            ArrangementList(static_cast<int>(arrangements.size() / 3 + 1)),
            ArrangementList(static_cast<int>(arrangements.size() / 3 + 1))} {
    for (std::size_t m = 0; m < arrangements.size(); ++m)
        Lists[m % 3].append(arrangements[m]);
    for (std::size_t j = 0; j < 3; ++j)
        pairingKeys(Lists[j], Keys[j]);
}

ExpertSample::ExpertSample(std::span<const KeptArrangement> kept)
    : ExpertSample([kept] {
          std::vector<Arrangement> all;
          for (const KeptArrangement& k : kept)
              all.push_back(arrangementOf(k));
          return all;
      }()) {}

int sampleChoice(const ExpertSample& sample, const ArrangementList& list,
                 const std::vector<PairingKey>& keys, ScoringOption option,
                 std::vector<std::int32_t>& chi, std::vector<std::int32_t>& set) {
    assert(list.count() > 0);
    chi.assign(static_cast<std::size_t>(list.count()), 0);
    set.assign(static_cast<std::size_t>(list.count()), 0);
    std::int64_t pairings = 0;
    scoreAgainstKeyed(list, keys, {&sample.Lists[0], &sample.Lists[1], &sample.Lists[2]},
                      {&sample.Keys[0], &sample.Keys[1], &sample.Keys[2]}, option, chi.data(),
                      set.data(), pairings);
    const std::vector<std::int32_t>& total = option == ScoringOption::Chi ? chi : set;
    return static_cast<int>(std::max_element(total.begin(), total.end()) - total.begin());
}

bool frontOfAces(const Arrangement& a) {
    return rankCount(a.front.cards, 0) == 3;
}

int expertChoice(const ExpertTable& table, const ArrangementList& list,
                 const std::vector<PairingKey>& keys, double* value) {
    assert(list.count() > 0);
    int best = 0;
    double bestValue = 0;
    for (int i = 0; i < list.count(); ++i) {
        const double v = table.value(keys[static_cast<std::size_t>(i)], frontOfAces(list[i]));
        if (i == 0 || v > bestValue) {
            best = i;
            bestValue = v;
        }
    }
    if (value) *value = bestValue;
    return best;
}

int ExpertPlayer::choose(const CardSet& holding, ScoringOption option, Random& rng, double* value) {
    const ExpertTable& table = expertTable(option);
    search_.arrangeSeat(holding, own_);
    pairingKeys(own_, search_, ownKeys_);
    if (deals_ == 0) return expertChoice(table, own_, ownKeys_, value);
    chi_.assign(static_cast<std::size_t>(own_.count()), 0);
    set_.assign(static_cast<std::size_t>(own_.count()), 0);
    std::int64_t pairings = 0;
    Deal deal;
    deal.Rows[0] = holdingOf(holding);
    for (int d = 0; d < deals_; ++d) {
        redealUnseen(deal, rng);
        for (std::size_t j = 0; j < 3; ++j) {
            search_.arrangeSeat(setOf(deal.Rows[j + 1]), opponents_[j]);
            pairingKeys(opponents_[j], search_, opponentKeys_);
            const bool answering = j < 2;
            const int pick = !answering ? expertChoice(table, opponents_[j], opponentKeys_)
                             : option == ScoringOption::Chi
                                 ? expertChoice(computerPlayTable(), opponents_[j], opponentKeys_)
                                 : sampleChoice(computerPlaySample(), opponents_[j], opponentKeys_,
                                                option, opponentChi_, opponentSet_);
            picks_[j].clear();
            picks_[j].append(opponents_[j][pick]);
            pickKeys_[j].assign(1, opponentKeys_[static_cast<std::size_t>(pick)]);
        }
        scoreAgainstKeyed(own_, ownKeys_, {&picks_[0], &picks_[1], &picks_[2]},
                          {&pickKeys_[0], &pickKeys_[1], &pickKeys_[2]}, option, chi_.data(),
                          set_.data(), pairings);
    }
    const std::vector<std::int32_t>& total = option == ScoringOption::Chi ? chi_ : set_;
    const auto best = std::max_element(total.begin(), total.end()) - total.begin();
    if (value) *value = total[static_cast<std::size_t>(best)] / (3.0 * deals_);
    return static_cast<int>(best);
}

namespace {

// What the learning keeps of one holding: its candidates with their pairing keys and front aces.
struct LearningHolding {
    std::vector<Arrangement> Candidates;
    std::vector<PairingKey> Keys;
    std::vector<bool> FrontAces;
    std::vector<std::int32_t> Payout;  // a special's payout
};

// The counts of every round so far, by position and key.
struct RunningCounts {
    std::uint64_t Total = 0, Outright = 0, OutrightPayout = 0;
    std::array<std::map<std::uint32_t, std::uint64_t>, 3> Rows;

    void add(const LearningHolding& h, int pick, ScoringOption option) {
        const PairingKey& k = h.Keys[static_cast<std::size_t>(pick)];
        ++Total;
        const bool outright = option == ScoringOption::Chi ? k.Special : k.Strong;
        if (outright) {
            ++Outright;
            OutrightPayout +=
                option == ScoringOption::Chi
                    ? static_cast<std::uint64_t>(h.Payout[static_cast<std::size_t>(pick)])
                    : 1;
            return;
        }
        for (std::size_t s = 0; s < 3; ++s)
            ++Rows[s][k.Less[s]];
    }

    ExpertCounts counts() const {
        ExpertCounts c;
        c.Total = Total;
        c.Outright = Outright;
        c.OutrightPayout = OutrightPayout;
        for (std::size_t s = 0; s < 3; ++s)
            for (const auto& [key, count] : Rows[s])
                c.Rows[s].push_back({key, static_cast<std::uint32_t>(count)});
        return c;
    }
};

// The learning holdings of `seed`, searched on `pool`'s threads.
std::vector<LearningHolding> learningHoldings(int holdings, std::uint32_t seed, TaskPool& pool) {
    std::vector<LearningHolding> learning(static_cast<std::size_t>(holdings));
    std::vector<SeatSearch> searches(static_cast<std::size_t>(pool.participants()));
    std::vector<ArrangementList> lists(static_cast<std::size_t>(pool.participants()));
    pool.run(holdings, [&](int participant, int i) {
        Random rng(streamSeed(seed, i / 4, 0, 0x94D049BB133111EBull));
        Deal deal;
        dealAllSeats(deal, rng);
        SeatSearch& search = searches[static_cast<std::size_t>(participant)];
        ArrangementList& list = lists[static_cast<std::size_t>(participant)];
        search.arrangeSeat(setOf(deal.Rows[static_cast<std::size_t>(i % 4)]), list);
        LearningHolding& h = learning[static_cast<std::size_t>(i)];
        pairingKeys(list, search, h.Keys);
        for (const Arrangement& a : list) {
            h.Candidates.push_back(a);
            h.FrontAces.push_back(frontOfAces(a));
            std::int32_t pay = 0;
            isSpecialCategory(a.back.category, &pay);
            h.Payout.push_back(pay);
        }
    });
    return learning;
}

// Every holding's first candidate of highest value against `table`, on `pool`'s threads.
std::vector<int> bestPicks(const ExpertTable& table, const std::vector<LearningHolding>& learning,
                           TaskPool& pool) {
    std::vector<int> picks(learning.size());
    pool.run(static_cast<int>(learning.size()), [&](int, int i) {
        const LearningHolding& h = learning[static_cast<std::size_t>(i)];
        int best = 0;
        double bestValue = 0;
        for (std::size_t c = 0; c < h.Keys.size(); ++c) {
            const double v = table.value(h.Keys[c], h.FrontAces[c]);
            if (c == 0 || v > bestValue) {
                best = static_cast<int>(c);
                bestValue = v;
            }
        }
        picks[static_cast<std::size_t>(i)] = best;
    });
    return picks;
}

// The set option's sample of what the computer's seats play: `size` candidates drawn alike from
// every holding's, then `size` holdings drawn, each playing its best against those.
std::vector<Arrangement> computerPlaySampleOf(const std::vector<LearningHolding>& learning,
                                              std::uint32_t seed, int size) {
    Random rng(streamSeed(seed, 0, 0, 0x5851F42D4C957F2Dull));
    std::vector<std::size_t> firstOf(learning.size() + 1, 0);  // holding i: firstOf[i] onwards
    for (std::size_t i = 0; i < learning.size(); ++i)
        firstOf[i + 1] = firstOf[i] + learning[i].Candidates.size();
    std::vector<Arrangement> every;
    for (int m = 0; m < size; ++m) {
        const std::size_t at = drawBelow(rng, static_cast<std::uint32_t>(firstOf.back()));
        const auto i = static_cast<std::size_t>(
            std::upper_bound(firstOf.begin(), firstOf.end(), at) - firstOf.begin() - 1);
        every.push_back(learning[i].Candidates[at - firstOf[i]]);
    }
    const ExpertSample everySample(every);
    std::vector<Arrangement> played;
    std::vector<std::int32_t> chi, set;
    ArrangementList list;
    for (int m = 0; m < size; ++m) {
        const LearningHolding& h =
            learning[drawBelow(rng, static_cast<std::uint32_t>(learning.size()))];
        list.clear();
        for (const Arrangement& a : h.Candidates)
            list.append(a);
        played.push_back(h.Candidates[static_cast<std::size_t>(
            sampleChoice(everySample, list, h.Keys, ScoringOption::Set, chi, set))]);
    }
    return played;
}

}  // namespace

ExpertCounts learnExpertCounts(int holdings, int rounds, std::uint32_t seed, ScoringOption option,
                               int threads, const std::function<void(int)>& progress) {
    assert(holdings >= 1 && rounds >= 0 && threads >= 1);
    TaskPool pool(std::max(1, std::min(threads, holdings)));
    const std::vector<LearningHolding> learning = learningHoldings(holdings, seed, pool);
    RunningCounts running;
    for (const LearningHolding& h : learning)
        running.add(h, 0, option);
    for (int r = 0; r < rounds; ++r) {
        const std::vector<int> picks =
            bestPicks(ExpertTable(running.counts(), option), learning, pool);
        for (int i = 0; i < holdings; ++i)
            running.add(learning[static_cast<std::size_t>(i)], picks[static_cast<std::size_t>(i)],
                        option);
        if (progress) progress(r + 1);
    }
    return running.counts();
}

ComputerPlay learnComputerPlay(int holdings, std::uint32_t seed, int sampleSize, int threads) {
    assert(holdings >= 1 && sampleSize >= 1 && threads >= 1);
    TaskPool pool(std::max(1, std::min(threads, holdings)));
    const std::vector<LearningHolding> learning = learningHoldings(holdings, seed, pool);
    RunningCounts every;
    for (const LearningHolding& h : learning)
        for (std::size_t c = 0; c < h.Keys.size(); ++c)
            every.add(h, static_cast<int>(c), ScoringOption::Chi);
    const std::vector<int> picks =
        bestPicks(ExpertTable(every.counts(), ScoringOption::Chi), learning, pool);
    RunningCounts played;
    for (std::size_t i = 0; i < learning.size(); ++i)
        played.add(learning[i], picks[i], ScoringOption::Chi);
    return {played.counts(), computerPlaySampleOf(learning, seed, sampleSize)};
}

}  // namespace kov
