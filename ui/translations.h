#pragma once
// The game in the player's language. The English texts in the code are the source texts and the
// default; ui/translations/kovarin32_<language>.ts hold the others, built into the program as
// resources. The engine has no Qt and writes its texts in English: gameText() turns those into
// the player's language where they are shown.

#include <QLocale>
#include <QString>
#include <memory>
#include <string>

class QTranslator;

namespace kov::ui {

// Installs the game's translation for the first of the locale's interface languages that has
// one (on Linux: LANGUAGE, then LC_ALL, LC_MESSAGES and LANG). Returns it, to be kept alive while
// it is in use; null when the player reads English or no translation matches.
std::unique_ptr<QTranslator> installTranslation(const QLocale& locale = QLocale::system());

// One of the engine's texts in the player's language: the points labels ("points %d", "need %d
// more points", "points %d %+d = %d"), the results' total line, verdicts and hand lines, the hand
// categories, the messages refusing a commit, and the arranging notes (the hands' names, the
// notes on hands out of order, the specials the cards make, the questions before an ILLEGAL
// commit). A text of no known form is returned as it is.
QString gameText(const std::string& text);

}  // namespace kov::ui
