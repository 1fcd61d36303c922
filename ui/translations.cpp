#include "ui/translations.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>
#include <vector>

#include "game/arranging_notes.h"

namespace kov::ui {
namespace {

// What a captured piece of an engine text is: a number, kept as it is; another of the engine's
// texts, itself translated; or a list of claim buttons' texts ("6 PAIRS, 3 FLUSH"), each
// translated as its button is.
enum class Capture { Number, Text, Claims };

// The engine's texts with pieces in them, as patterns and as the translatable form whose %1,
// %2, %3 take the pattern's captures in order.
struct NumberedText {
    const char* pattern;
    const char* text;
    Capture capture = Capture::Number;
};
const NumberedText NumberedTexts[] = {
    {R"(^points (-?\d+)$)", QT_TRANSLATE_NOOP("GameText", "points %1")},
    {R"(^points (-?\d+) ([+-]\d+) = (-?\d+)$)", QT_TRANSLATE_NOOP("GameText", "points %1 %2 = %3")},
    {R"(^need (\d+) more point$)", QT_TRANSLATE_NOOP("GameText", "need %1 more point")},
    {R"(^need (\d+) more points$)", QT_TRANSLATE_NOOP("GameText", "need %1 more points")},
    {R"(^\((.*)\) x (\d+) points = ([+-]?\d+)$)",
     QT_TRANSLATE_NOOP("GameText", "(%1) x %2 points = %3")},
    {R"(^win ([+-]?\d+)$)", QT_TRANSLATE_NOOP("GameText", "win %1")},
    {R"(^lose ([+-]?\d+)$)", QT_TRANSLATE_NOOP("GameText", "lose %1")},
    // The arranging notes (game/arranging_notes.cpp): the specials the cards make and the
    // questions before a commit the rules would mark ILLEGAL.
    {R"(^Your cards make (.+)\.$)", QT_TRANSLATE_NOOP("GameText", "Your cards make %1."),
     Capture::Claims},
    {R"(^(.+) REGULAR is then ILLEGAL and loses to every opponent\. Commit anyway\?$)",
     QT_TRANSLATE_NOOP("GameText",
                       "%1 REGULAR is then ILLEGAL and loses to every opponent. Commit anyway?"),
     Capture::Text},
    {R"(^Your cards do not make (.+) as they are laid out\. The claim is ILLEGAL and loses to every opponent\. Claim anyway\?$)",
     QT_TRANSLATE_NOOP("GameText",
                       "Your cards do not make %1 as they are laid out. The claim is ILLEGAL and "
                       "loses to every opponent. Claim anyway?"),
     Capture::Claims},
    {R"(^Your cards do not make (.+)\. The claim is ILLEGAL and loses to every opponent\. Claim anyway\?$)",
     QT_TRANSLATE_NOOP("GameText",
                       "Your cards do not make %1. The claim is ILLEGAL and loses to every "
                       "opponent. Claim anyway?"),
     Capture::Claims},
};

// The engine's fixed texts: the hand categories as the results name them (cards/hand.h), the
// verdict of a tie and the refusals of a commit (game/game_flow.cpp). Listed here so that lupdate
// finds them; gameText looks each up by its English text.
[[maybe_unused]] const char* const FixedTexts[] = {
    QT_TRANSLATE_NOOP("GameText", "trash"),
    QT_TRANSLATE_NOOP("GameText", "a pair"),
    QT_TRANSLATE_NOOP("GameText", "2 pairs"),
    QT_TRANSLATE_NOOP("GameText", "triple"),
    QT_TRANSLATE_NOOP("GameText", "straight"),
    QT_TRANSLATE_NOOP("GameText", "flush"),
    QT_TRANSLATE_NOOP("GameText", "full house"),
    QT_TRANSLATE_NOOP("GameText", "quadruple"),
    QT_TRANSLATE_NOOP("GameText", "straight flush"),
    QT_TRANSLATE_NOOP("GameText", "6 pairs"),
    QT_TRANSLATE_NOOP("GameText", "3 flush"),
    QT_TRANSLATE_NOOP("GameText", "3 straight"),
    QT_TRANSLATE_NOOP("GameText", "5 pairs, 1 triple"),
    QT_TRANSLATE_NOOP("GameText", "13 straight"),
    QT_TRANSLATE_NOOP("GameText", "13 straight flush"),
    QT_TRANSLATE_NOOP("GameText", "ILLEGAL"),
    QT_TRANSLATE_NOOP("GameText", "tie"),
    QT_TRANSLATE_NOOP("GameText", "please arrange cards"),
    QT_TRANSLATE_NOOP("GameText", "please arrange cards for \"sanh\""),
    QT_TRANSLATE_NOOP("GameText", "please arrange cards for \"thung\""),
    // The hands' names on the table (TableHandNames) and the notes on hands out of order.
    QT_TRANSLATE_NOOP("GameText", "front"),
    QT_TRANSLATE_NOOP("GameText", "middle"),
    QT_TRANSLATE_NOOP("GameText", "back"),
    QT_TRANSLATE_NOOP("GameText",
                      "Out of order: the front outranks the middle and the middle the back."),
    QT_TRANSLATE_NOOP("GameText", "Out of order: the front outranks the middle."),
    QT_TRANSLATE_NOOP("GameText", "Out of order: the middle outranks the back."),
};

// Qt's own texts on the game's message boxes, which Qt translates only where its own Vietnamese
// translation is installed.
[[maybe_unused]] const char* const QtTexts[] = {
    QT_TRANSLATE_NOOP("QMessageBox", "Show Details..."),
    QT_TRANSLATE_NOOP("QMessageBox", "Hide Details..."),
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
};

QString translated(const QString& english) {
    return QCoreApplication::translate("GameText", english.toUtf8().constData());
}

// A list of claim buttons' texts joined by ", " (a text may hold ", " itself), each as its
// button says it; the list as it is when some piece is not a button's text.
QString claimsText(const QString& list) {
    QStringList out;
    QString rest = list;
    while (!rest.isEmpty()) {
        bool found = false;
        for (HandCategory c = cat::SixPairs; c <= cat::ThirteenStraightFlush && !found; ++c) {
            const QString name = QString::fromLatin1(claimButtonText(c));
            if (name.isEmpty() || !rest.startsWith(name)) continue;
            const QString after = rest.mid(name.size());
            if (!after.isEmpty() && !after.startsWith(", ")) continue;  // 13 STRAIGHT FLUSH
            out << QCoreApplication::translate("DialogPanel", claimButtonText(c));
            rest = after.mid(after.isEmpty() ? 0 : 2);
            found = true;
        }
        if (!found) return list;
    }
    return out.join(", ");
}

}  // namespace

std::unique_ptr<QTranslator> installTranslation(const QLocale& locale) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, "kovarin32", "_", ":/i18n")) return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

QString gameText(const std::string& text) {
    const QString english = QString::fromStdString(text);
    static const std::vector<QRegularExpression> patterns = [] {
        std::vector<QRegularExpression> out;
        for (const NumberedText& t : NumberedTexts)
            out.emplace_back(QString::fromLatin1(t.pattern));
        return out;
    }();
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        const QRegularExpressionMatch m = patterns[i].match(english);
        if (!m.hasMatch()) continue;
        QString out = QCoreApplication::translate("GameText", NumberedTexts[i].text);
        for (int k = 1; k <= m.lastCapturedIndex(); ++k) {
            const QString piece = m.captured(k);
            switch (NumberedTexts[i].capture) {
                case Capture::Number:
                    out = out.arg(piece);
                    break;
                case Capture::Text:
                    out = out.arg(gameText(piece.toStdString()));
                    break;
                case Capture::Claims:
                    out = out.arg(claimsText(piece));
                    break;
            }
        }
        return out;
    }
    // A hand line of the chi option: the category's name, then its points.
    static const QRegularExpression handLine(R"(^(.+) ([+-]\d+)$)");
    if (const QRegularExpressionMatch m = handLine.match(english); m.hasMatch())
        return translated(m.captured(1)) + ' ' + m.captured(2);
    return translated(english);
}

}  // namespace kov::ui
