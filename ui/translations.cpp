#include "ui/translations.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>
#include <vector>

namespace kov::ui {
namespace {

// The engine's texts with numbers in them, as patterns and as the translatable form whose %1,
// %2, %3 take the pattern's captures in order.
struct NumberedText {
    const char* pattern;
    const char* text;
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
};

// Qt's own texts on the game's message boxes, which Qt translates only where its own Vietnamese
// translation is installed.
[[maybe_unused]] const char* const QtTexts[] = {
    QT_TRANSLATE_NOOP("QMessageBox", "Show Details..."),
    QT_TRANSLATE_NOOP("QMessageBox", "Hide Details..."),
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),
};

QString translated(const QString& english) {
    return QCoreApplication::translate("GameText", english.toUtf8().constData());
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
        for (int k = 1; k <= m.lastCapturedIndex(); ++k)
            out = out.arg(m.captured(k));
        return out;
    }
    // A hand line of the chi option: the category's name, then its points.
    static const QRegularExpression handLine(R"(^(.+) ([+-]\d+)$)");
    if (const QRegularExpressionMatch m = handLine.match(english); m.hasMatch())
        return translated(m.captured(1)) + ' ' + m.captured(2);
    return translated(english);
}

}  // namespace kov::ui
