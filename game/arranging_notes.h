#pragma once
// What the table tells the player while arranging: the name of each full hand, which hands are
// out of order once all 13 cards are placed, which special holdings the 13 cards make, and the
// question to ask before a commit that the rules would mark ILLEGAL.

#include <array>
#include <string>
#include <vector>

#include "game/game_state.h"

namespace kov {

// The three hands as the table shows them, top to bottom.
enum class TableHand { Front, Middle, Back };
inline constexpr std::array<const char*, 3> TableHandNames = {"front", "middle", "back"};

struct ArrangingNotes {
    // Per hand (front, middle, back): the category's name once the hand is full, else "".
    std::array<std::string, 3> handNames;
    // Once all 13 cards are placed: the middle outranks the back, the front outranks the middle.
    bool middleOverBack = false;
    bool frontOverMiddle = false;
    bool outOfOrder() const { return middleOverBack || frontOverMiddle; }
    // A plain sentence naming the hands out of order, or "".
    std::string warning;
};
ArrangingNotes arrangingNotes(const GameState& g);

// The special holdings (cat::SixPairs .. cat::ThirteenStraightFlush) that these 13 cards make;
// 3 flush and 3 straight count when some split of the cards into 3, 5 and 5 makes them.
std::vector<HandCategory> specialsMade(const CardSet& holding);
// The claim button's text of a special ("6 PAIRS", "5 PAIRS, 1TRIPLE", ...).
const char* claimButtonText(HandCategory special);
// "Your cards make 6 PAIRS, 3 FLUSH." or "" when they make none.
std::string specialsLine(const std::vector<HandCategory>& specials);

// The question to ask before committing `category` (RegularCommit or a special), or "" when the
// rules would not mark the commit ILLEGAL. Asked only once the rules accept the commit at all
// (commitRefusal() is empty).
std::string commitQuestion(const GameState& g, int category);

}  // namespace kov
