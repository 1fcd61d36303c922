// The fast search against the straightforward one: identical lists, in identical order, on many
// random holdings and on the holdings that stress the lists most.

#include <gtest/gtest.h>

#include <random>

#include "cards/card_text.h"
#include "cards/test_deck.h"
#include "cards/test_soak.h"
#include "search/arrange.h"

namespace kov {
namespace {

void expectSameLists(const CardSet& h, SeatSearch& fast, ReferenceSearch& reference,
                     ArrangementList& a, ArrangementList& b) {
    fast.arrangeSeat(h, a);
    reference.arrangeSeat(h, b);
    ASSERT_EQ(a.count(), b.count()) << cardList(cardsOf(h));
    for (int i = 0; i < a.count(); ++i)
        ASSERT_EQ(a[i], b[i]) << cardList(cardsOf(h)) << " entry " << i;
    ASSERT_EQ(fast.overflowed(), reference.overflowed());
}

TEST(SearchOracle, RandomHoldings) {
    SeatSearch fast;
    ReferenceSearch reference;
    ArrangementList a, b;
    std::mt19937 rng(777);
    const int n = scaled(10000);
    for (int k = 0; k < n; ++k) {
        expectSameLists(cardsAt(shuffledDeck(rng), 0, 13), fast, reference, a, b);
    }
}

// Holdings biased to long lists: most cards in one or two suits, many pairs, doubled runs.
TEST(SearchOracle, StressedHoldings) {
    SeatSearch fast;
    ReferenceSearch reference;
    ArrangementList a, b;
    std::mt19937 rng(31);
    const int n = scaled(1500);
    for (int k = 0; k < n; ++k) {
        CardSet h;
        const int mode = k % 3;
        while (cardCount(h) < 13) {
            int suit = static_cast<int>(rng() % 4), rank = static_cast<int>(rng() % 13);
            if (mode == 0 && rng() % 4 != 0) suit = 1;                         // one long suit
            if (mode == 1) rank = static_cast<int>(rng() % 7);                 // many pairs
            if (mode == 2) rank = 3 + static_cast<int>(rng() % 6), suit %= 2;  // doubled runs
            if (mode == 2 && cardCount(h) >= 12) rank = static_cast<int>(rng() % 13);
            addCard(h, makeCard(suit, rank));
        }
        expectSameLists(h, fast, reference, a, b);
    }
    for (const char* fixed :
         {"Ad 2d 3d 5d 6d 7d 8d 9d Td Jd Qd Kd 9s", "Ah 2h 3h 4h 5h 6h 7h 8h 9h Th Jh Qh Kh",
          "Ah 2d 3h 4c 5h 6s 7h 8h 9d Th Jc Qh Ks"})
        expectSameLists(cardsFromText(fixed), fast, reference, a, b);
}

}  // namespace
}  // namespace kov
