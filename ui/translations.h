// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game in the player's language. The English texts in the code are the source texts and the
// default; ui/translations/kovarin32_<language>.ts hold the others, built into the program as
// resources. The engine has no Qt and returns data (categories, numbers, kinds); the functions
// here make its sentences, in the "GameText" context.

#include <QLocale>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "cards/hand.h"
#include "game/arranging_notes.h"
#include "game/game_flow.h"

class QTranslator;

namespace kov::ui {

// Installs the game's translation for the first of the locale's interface languages that has
// one (on Linux: LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). Returns it, to be kept alive while
// it is in use; null when the player reads English or no translation matches.
std::unique_ptr<QTranslator> installTranslation(const QLocale& locale = QLocale::system());

// A hand category's name as the results name it ("a pair", "6 pairs"); IllegalMarker: "ILLEGAL".
QString categoryName(HandCategory category);
// A hand's name on the table: "front", "middle", "back".
QString tableHandName(Position hand);
// A special's claim button text ("6 PAIRS"), as the button says it.
QString claimText(HandCategory special);

// The points labels: "points 40"; the results dialog's "points 10 +8 = 18"; before START GAME
// "need 5 more points", or nothing when nothing is needed.
QString pointsText(int points);
QString balanceText(const ResultsView& view);
QString neededText(int need);

// A practice deal: the results' line ("practice +6, not counted") and the note on the table.
QString practiceBalanceText(int gain);
QString practiceNoteText(std::uint32_t number);
// The deal's number as the window's title and the felt table name it: "deal 123", "practice
// deal 123".
QString dealCaption(std::uint32_t number, bool practice);

// The results: a seat's verdict under the set option ("win +2", "lose -1", "tie"), a hand line
// ("a pair +1", or the name alone under the set option) and the total line
// ("(1-1+4) x 2 points = +8"). An opponent's verdict counts its one set against the player
// ("win 1"); the player's is signed, as the sum over the opponents.
QString verdictText(int verdict, bool player);
QString handLineText(const HandLine& line);
QString totalLineText(const ResultsView& view);

// The arranging notes and the commit's messages: the hands out of order, the specials the cards
// make ("Your cards make 6 PAIRS, 3 FLUSH."; nothing when none), the refusal of a commit and the
// question before an ILLEGAL one (nothing when there is none).
QString outOfOrderText(bool frontOverMiddle, bool middleOverBack);
QString specialsText(const std::vector<HandCategory>& specials);
QString refusalText(CommitRefusal refusal);
QString questionText(const CommitQuestion& question);

}  // namespace kov::ui
