// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/translations.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

namespace kov::ui {
namespace {

// The hand categories as the results name them (CategoryNames in cards/hand.h), listed here so
// that lupdate finds them; categoryName looks each up by its English text.
[[maybe_unused]] const char* const CategoryTexts[] = {
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
};

// The claim buttons' texts (claimButtonText in game/arranging_notes.cpp), listed here so that
// lupdate finds them; the arrangement panel's buttons and claimText look each up by its English
// text.
[[maybe_unused]] const char* const ClaimTexts[] = {
    QT_TRANSLATE_NOOP("DialogPanel", "6 PAIRS"),
    QT_TRANSLATE_NOOP("DialogPanel", "5 PAIRS, 1TRIPLE"),
    QT_TRANSLATE_NOOP("DialogPanel", "3 STRAIGHT"),
    QT_TRANSLATE_NOOP("DialogPanel", "3 FLUSH"),
    QT_TRANSLATE_NOOP("DialogPanel", "13 STRAIGHT"),
    QT_TRANSLATE_NOOP("DialogPanel", "13 STRAIGHT FLUSH"),
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

QString text(const char* english) {
    return QCoreApplication::translate("GameText", english);
}

// A number with its sign, as a score or a gain is shown: "+3", "+0", "-2".
QString signedNumber(int n) {
    return n >= 0 ? '+' + QString::number(n) : QString::number(n);
}

}  // namespace

std::unique_ptr<QTranslator> installTranslation(const QLocale& locale) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, "kovarin32", "_", ":/i18n")) return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

QString categoryName(HandCategory category) {
    if (category == IllegalMarker) return text(QT_TRANSLATE_NOOP("GameText", "ILLEGAL"));
    if (index(category) >= CategoryNames.size()) return QString();
    return text(CategoryNames[index(category)].data());
}

QString tableHandName(Position hand) {
    switch (hand) {
        case Position::Front:
            return text(QT_TRANSLATE_NOOP("GameText", "front"));
        case Position::Middle:
            return text(QT_TRANSLATE_NOOP("GameText", "middle"));
        case Position::Back:
            return text(QT_TRANSLATE_NOOP("GameText", "back"));
    }
    return QString();
}

QString claimText(HandCategory special) {
    return QCoreApplication::translate("DialogPanel", claimButtonText(special));
}

QString pointsText(int points) {
    return text(QT_TRANSLATE_NOOP("GameText", "points %1")).arg(points);
}

QString balanceText(const ResultsView& view) {
    return text(QT_TRANSLATE_NOOP("GameText", "points %1 %2 = %3"))
        .arg(QString::number(view.pointsBefore), signedNumber(view.gain),
             QString::number(view.pointsAfter));
}

QString practiceBalanceText(int gain) {
    return text(QT_TRANSLATE_NOOP("GameText", "practice %1, not counted")).arg(signedNumber(gain));
}

QString practiceNoteText(std::uint32_t number) {
    return text(QT_TRANSLATE_NOOP("GameText",
                                  "Practice deal %1: not counted in the balance or statistics."))
        .arg(number);
}

QString dealCaption(std::uint32_t number, bool practice) {
    return (practice ? text(QT_TRANSLATE_NOOP("GameText", "practice deal %1"))
                     : text(QT_TRANSLATE_NOOP("GameText", "deal %1")))
        .arg(number);
}

QString neededText(int need) {
    if (need <= 0) return QString();
    return (need == 1 ? text(QT_TRANSLATE_NOOP("GameText", "need %1 more point"))
                      : text(QT_TRANSLATE_NOOP("GameText", "need %1 more points")))
        .arg(need);
}

QString verdictText(int verdict, bool player) {
    if (verdict == 0) return text(QT_TRANSLATE_NOOP("GameText", "tie"));
    const QString number = player ? signedNumber(verdict) : QString::number(verdict);
    return (verdict > 0 ? text(QT_TRANSLATE_NOOP("GameText", "win %1"))
                        : text(QT_TRANSLATE_NOOP("GameText", "lose %1")))
        .arg(number);
}

QString handLineText(const HandLine& line) {
    const QString name = categoryName(line.category);
    return line.score ? name + ' ' + signedNumber(*line.score) : name;
}

QString totalLineText(const ResultsView& view) {
    QString terms;
    for (std::size_t k = 0; k < view.totalTerms.size(); ++k)
        terms += k == 0 ? QString::number(view.totalTerms[k]) : signedNumber(view.totalTerms[k]);
    return text(QT_TRANSLATE_NOOP("GameText", "(%1) x %2 points = %3"))
        .arg(terms, QString::number(view.stake), signedNumber(view.gain));
}

QString outOfOrderText(bool frontOverMiddle, bool middleOverBack) {
    if (frontOverMiddle && middleOverBack)
        return text(QT_TRANSLATE_NOOP(
            "GameText", "Out of order: the front outranks the middle and the middle the back."));
    if (frontOverMiddle)
        return text(QT_TRANSLATE_NOOP("GameText", "Out of order: the front outranks the middle."));
    if (middleOverBack)
        return text(QT_TRANSLATE_NOOP("GameText", "Out of order: the middle outranks the back."));
    return QString();
}

QString specialsText(const std::vector<HandCategory>& specials) {
    if (specials.empty()) return QString();
    QStringList claims;
    for (HandCategory special : specials)
        claims << claimText(special);
    return text(QT_TRANSLATE_NOOP("GameText", "Your cards make %1.")).arg(claims.join(", "));
}

QString refusalText(CommitRefusal refusal) {
    switch (refusal) {
        case CommitRefusal::None:
            break;
        case CommitRefusal::ArrangeCards:
            return text(QT_TRANSLATE_NOOP("GameText", "please arrange cards"));
        case CommitRefusal::ArrangeThreeStraights:
            return text(QT_TRANSLATE_NOOP("GameText", "please arrange cards for \"sanh\""));
        case CommitRefusal::ArrangeThreeFlushes:
            return text(QT_TRANSLATE_NOOP("GameText", "please arrange cards for \"thung\""));
    }
    return QString();
}

QString questionText(const CommitQuestion& question) {
    using Kind = CommitQuestion::Kind;
    switch (question.kind) {
        case Kind::None:
            break;
        case Kind::IllegalRegular:
            return text(QT_TRANSLATE_NOOP("GameText",
                                          "%1 REGULAR is then ILLEGAL and loses to every "
                                          "opponent. Commit anyway?"))
                .arg(outOfOrderText(question.frontOverMiddle, question.middleOverBack));
        case Kind::IllegalClaim:
            return text(QT_TRANSLATE_NOOP("GameText",
                                          "Your cards do not make %1. The claim is ILLEGAL and "
                                          "loses to every opponent. Claim anyway?"))
                .arg(claimText(question.claim));
        case Kind::IllegalClaimAsLaidOut:
            return text(QT_TRANSLATE_NOOP("GameText",
                                          "Your cards do not make %1 as they are laid out. The "
                                          "claim is ILLEGAL and loses to every opponent. Claim "
                                          "anyway?"))
                .arg(claimText(question.claim));
    }
    return QString();
}

}  // namespace kov::ui
