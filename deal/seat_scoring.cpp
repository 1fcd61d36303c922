// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "deal/seat_scoring.h"

#include <vector>

#include "deal/column_scoring.h"
#include "deal/pairing_keys.h"
#include "deal/rule_scoring.h"

namespace kov {
namespace {

// The part both scorings share: the search they arrange seats with.
template <typename Search>
class ScoringWith : public SeatScoring {
  public:
    explicit ScoringWith(int capacity) : search_(capacity) {}
    void arrangeSeat(const CardSet& holding, ArrangementList& out) override {
        search_.arrangeSeat(holding, out);
    }
    bool overflowed() const override { return search_.overflowed(); }

  protected:
    Search search_;
};

// The game's search, and pairings scored on keys.
class KeyedScoring final : public ScoringWith<SeatSearch> {
  public:
    using ScoringWith::ScoringWith;
    void setOwn(int slot, const ArrangementList& own) override {
        const auto s = static_cast<std::size_t>(slot);
        if (own_.size() <= s) own_.resize(s + 1);
        pairingKeys(own, own_[s].Keys);
        own_[s].Columns.build(own_[s].Keys);
    }
    // The search's own keys of the list become its pairing keys, kept with the list's address
    // for the scoring that follows.
    void arrangeSeat(const CardSet& holding, ArrangementList& out) override {
        search_.arrangeSeat(holding, out);
        Arranged& a = arranged_[next_];
        next_ = (next_ + 1) % arranged_.size();
        a.List = &out;
        a.Count = out.count();
        pairingKeys(out, search_, a.Keys);
    }
    void score(int slot, const ArrangementList& own,
               const std::array<const ArrangementList*, 3>& opponents, ScoringOption option,
               std::int32_t* chiTotal, std::int32_t* setTotal,
               std::int64_t& pairingCount) override {
        std::array<const std::vector<PairingKey>*, 3> keys{};
        for (std::size_t j = 0; j < 3; ++j) {
            for (const Arranged& a : arranged_)
                if (a.List == opponents[j] && a.Count == opponents[j]->count()) keys[j] = &a.Keys;
            if (!keys[j]) {  // a list this search did not build
                pairingKeys(*opponents[j], keys_[j]);
                keys[j] = &keys_[j];
            }
        }
        const OwnKeys& o = own_[static_cast<std::size_t>(slot)];
        scoreColumns(own, o.Keys, o.Columns, opponents, keys, option, chiTotal, setTotal,
                     pairingCount, scratch_);
    }

  private:
    struct Arranged {
        const ArrangementList* List = nullptr;
        int Count = 0;
        std::vector<PairingKey> Keys;
    };
    std::array<Arranged, 3> arranged_;  // the last three lists arranged
    std::size_t next_ = 0;
    struct OwnKeys {
        std::vector<PairingKey> Keys;
        OwnColumns Columns;
    };
    std::vector<OwnKeys> own_;
    std::array<std::vector<PairingKey>, 3> keys_;
    ColumnScratch scratch_;
};

// The straightforward search, and pairings scored by the rules as written.
class ReferenceScoring final : public ScoringWith<ReferenceSearch> {
  public:
    using ScoringWith::ScoringWith;
    void setOwn(int, const ArrangementList&) override {}
    void score(int, const ArrangementList& own,
               const std::array<const ArrangementList*, 3>& opponents, ScoringOption option,
               std::int32_t* chiTotal, std::int32_t* setTotal,
               std::int64_t& pairingCount) override {
        scoreAgainst(own, opponents, option, chiTotal, setTotal, pairingCount);
    }
};

}  // namespace

std::unique_ptr<SeatScoring> makeSeatScoring(int capacity, bool reference) {
    if (reference) return std::make_unique<ReferenceScoring>(capacity);
    return std::make_unique<KeyedScoring>(capacity);
}

}  // namespace kov
