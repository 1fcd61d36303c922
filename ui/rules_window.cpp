// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/rules_window.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "cards/hand.h"
#include "cards/payout.h"
#include "ui/translations.h"

namespace kov::ui {
namespace {

QString rulesTr(const char* text) {
    return QCoreApplication::translate("kov::ui::RulesWindow", text);
}

QString cell(std::int32_t payout) {
    return payout == NoPayout ? QString("&ndash;") : QString::number(payout);
}

// Units a hand wins, by category and position.
QString payoutTable() {
    QString t = QString(
                    "<table border=1 cellpadding=3 cellspacing=0>"
                    "<tr><th>%1</th><th>%2</th><th>%3</th><th>%4</th></tr>")
                    .arg(rulesTr(QT_TRANSLATE_NOOP("kov::ui::RulesWindow", "Hand")),
                         rulesTr(QT_TRANSLATE_NOOP("kov::ui::RulesWindow", "Back")),
                         rulesTr(QT_TRANSLATE_NOOP("kov::ui::RulesWindow", "Middle")),
                         rulesTr(QT_TRANSLATE_NOOP("kov::ui::RulesWindow", "Front")));
    for (const HandCategory c : OrdinaryCategories) {
        const std::size_t k = index(c);
        t += QString(
                 "<tr><td>%1</td><td align=right>%2</td><td align=right>%3</td>"
                 "<td align=right>%4</td></tr>")
                 .arg(categoryName(c), cell(BackPayout[k]), cell(MiddlePayout[k]),
                      cell(k < FrontPayout.size() ? FrontPayout[k] : NoPayout));
    }
    return t + "</table>";
}

QString specialsTable() {
    QString t =
        QString("<table border=1 cellpadding=3 cellspacing=0><tr><th>%1</th><th>%2</th></tr>")
            .arg(rulesTr(QT_TRANSLATE_NOOP("kov::ui::RulesWindow", "Special")),
                 rulesTr(QT_TRANSLATE_NOOP("kov::ui::RulesWindow", "Pays")));
    for (const HandCategory c : SpecialCategories)
        t += QString("<tr><td>%1</td><td align=right>%2</td></tr>")
                 .arg(categoryName(c))
                 .arg(BackPayout[index(c)]);
    return t + "</table>";
}

}  // namespace

QString rulesText() {
    // One translatable text a section, so that a change to one section leaves the others'
    // translations standing.
    const char* const sections[] = {
        QT_TRANSLATE_NOOP(
            "kov::ui::RulesWindow",
            "<h2>KOVARIN32</h2><p>You play against one, two or three computer opponents. "
            "Every deal gives each of you thirteen cards, which you split into three "
            "hands:</p><ul><li>the <b>back</b> hand of five cards,</li><li>the <b>middle</b> "
            "hand of five cards,</li><li>the <b>front</b> hand of three "
            "cards.</li></ul><p>The back must be at least as strong as the middle, and the "
            "middle at least as strong as the front. Put the cards on the table row (front "
            "on top, back at the bottom) and press REGULAR.</p>"),
        QT_TRANSLATE_NOOP(
            "kov::ui::RulesWindow",
            "<h3>The hands</h3><p>From weakest to strongest: trash (nothing), a pair, 2 "
            "pairs, triple, straight, flush, full house, quadruple, straight flush. A front "
            "hand is only ever trash, a pair or a triple. Between hands of one kind the "
            "higher cards win; the ace is the highest card, and in a straight it may also "
            "stand below the two (A-2-3-4-5).</p>"),
        QT_TRANSLATE_NOOP(
            "kov::ui::RulesWindow",
            "<h3>ILLEGAL</h3><p>Hands out of order are ILLEGAL: the whole arrangement loses "
            "to every opponent, paying each opponent for every one of that opponent's hands "
            "(or losing the set, under the set option). A special you claim but do not hold "
            "is ILLEGAL too.</p>"),
        QT_TRANSLATE_NOOP(
            "kov::ui::RulesWindow",
            "<h3>Specials</h3><p>Six thirteen-card holdings are specials, claimed with their "
            "own buttons instead of REGULAR: 6 pairs (a quadruple counts as two pairs); 3 "
            "flush (each hand all of one suit); 3 straight (each hand a straight, the front "
            "three cards in a row); 5 pairs, 1 triple; 13 straight (one card of every rank); "
            "13 straight flush (ace to king of one suit). A special settles as one block "
            "against each opponent and two specials tie. Under the chi option it pays:</p>%1"),
        QT_TRANSLATE_NOOP(
            "kov::ui::RulesWindow",
            "<h3>The chi option</h3><p>Each of your hands plays the hand in the same place "
            "of each opponent. The winner of a hand gets the units of its own hand in that "
            "place; equal hands pay nothing. A front won with three aces pays three "
            "times.</p>%2"),
        QT_TRANSLATE_NOOP(
            "kov::ui::RulesWindow",
            "<h3>The set option</h3><p>The whole arrangement plays each opponent: winning "
            "more hands than it loses wins 1, losing more loses 1, otherwise a tie. A back "
            "quadruple or straight flush, or a special, wins the set outright (two of them "
            "tie).</p>"),
        QT_TRANSLATE_NOOP(
            "kov::ui::RulesWindow",
            "<h3>Points</h3><p>Your result against every opponent, added up, times the stake "
            "(1 or 2 units), moves your balance. Before a deal your points must cover the "
            "largest possible loss: 18 per opponent and unit under the chi option, 1 under "
            "the set option. The results show every seat's own result: a number beside an "
            "opponent is what that opponent won (+) or lost (&minus;) against you, and yours "
            "is the sum over all opponents. &#9650; marks a win, &#9660; a loss, a bar a "
            "tie.</p>"),
        QT_TRANSLATE_NOOP(
            "kov::ui::RulesWindow",
            "<h3>How the computer plays</h3><p>The computer lists every arrangement of its "
            "cards that no other arrangement beats hand by hand. It then deals the cards it "
            "cannot see at random to three imaginary opponents, 100 times, arranges their "
            "cards the same way, and plays every candidate against every one of theirs; the "
            "candidate with the best total is the one it plays. The same measure ranks the "
            "dealt holdings, and a draw decides which of them you receive.</p>"),
        QT_TRANSLATE_NOOP(
            "kov::ui::RulesWindow",
            "<h3>The computer's level</h3><p>The settings panel chooses how well the computer's "
            "opponents play. Normal, the default, is the play described above. Easy simulates "
            "10 deals instead of 100; measured over 20,000 duplicate deals it loses only 0.02 "
            "points per deal to Normal under the chi option and 0.006 sets under the set "
            "option. Hard simulates 100 deals against imaginary opponents who each choose from "
            "their own cards alone, as Easy does, never seeing yours; over 20,000 duplicate deals "
            "it wins 0.060 points per deal from Normal under the chi option and 0.025 sets under "
            "the set option. The suggestion (H) is "
            "Hard's choice, and the review measures as Hard does: on the results, Review (R) "
            "shows what the computer would have played with your cards and what both "
            "arrangements are worth against the same opponents' picks in the same simulated "
            "deals.</p>"),
        QT_TRANSLATE_NOOP(
            "kov::ui::RulesWindow",
            "<p>Expert, the fourth level (on the felt table's settings and in Game, Computer's "
            "level), values every arrangement with tables learned by playing against itself, "
            "then checks them in 300 simulated deals against imaginary opponents: two who answer "
            "the computer's usual play as Hard does, and one who plays by those tables. Over "
            "20,000 duplicate deals it wins 0.050 points per deal from Normal and 0.014 from Hard "
            "under the chi option, 0.019 and 0.010 sets under the set option, and it chooses in "
            "a few thousandths of a second.</p>"),
    };
    QString text;
    for (const char* section : sections)
        text += QCoreApplication::translate("kov::ui::RulesWindow", section);
    return text.arg(specialsTable(), payoutTable());
}

RulesWindow::RulesWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("KOVARIN32 rules"));
    resize(560, 600);
    browser_ = new QTextBrowser;
    browser_->setHtml(rulesText());
    auto* close = new QPushButton(tr("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    layout->addWidget(close, 0, Qt::AlignRight);
}

}  // namespace kov::ui
