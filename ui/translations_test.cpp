// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Vietnamese translation: it loads from the program's resources, and the game's sentences,
// made of the engine's data, come out in Vietnamese with their numbers in place, or in English
// without a translation.

#include "ui/translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QTranslator>

#include "cards/card_text.h"
#include "cards/hand.h"
#include "game/arranging_notes.h"
#include "game/game_flow.h"
#include "ui/main_window.h"
#include "ui/results_view.h"
#include "ui/ui_test_support.h"

namespace kov::ui {
namespace {

// The Vietnamese translation installed for one test.
struct Vietnamese {
    std::unique_ptr<QTranslator> translator = installTranslation(QLocale(QLocale::Vietnamese));
    Vietnamese() { EXPECT_NE(translator, nullptr); }
    ~Vietnamese() {
        if (translator) QCoreApplication::removeTranslator(translator.get());
    }
};

TEST(Translation, VietnameseLoadsFromTheResources) {
    Vietnamese vi;
    ASSERT_NE(vi.translator, nullptr);
    EXPECT_EQ(vi.translator->language(), "vi_VN");
    EXPECT_EQ(QCoreApplication::translate("DialogPanel", "QUIT"), "THOÁT");
    EXPECT_EQ(QCoreApplication::translate("DialogPanel", "6 PAIRS"), "LỤC PHẾ BÔN");
    EXPECT_EQ(QCoreApplication::translate("DialogPanel", "13 STRAIGHT"), "SẢNH RỒNG");
    EXPECT_EQ(MainWindow::tr(WindowTitle), "KOVARIN32 của https://kovarin32.example.org");
}

TEST(Translation, OtherLanguagesKeepTheEnglishTexts) {
    EXPECT_EQ(installTranslation(QLocale(QLocale::English, QLocale::UnitedStates)), nullptr);
    EXPECT_EQ(installTranslation(QLocale(QLocale::French, QLocale::France)), nullptr);
    EXPECT_EQ(QCoreApplication::translate("DialogPanel", "QUIT"), "QUIT");
}

ResultsView balance(int before, int gain, int after) {
    ResultsView view;
    view.pointsBefore = before;
    view.gain = gain;
    view.pointsAfter = after;
    return view;
}
ResultsView total(std::vector<int> terms, int stake, int gain) {
    ResultsView view;
    view.totalTerms = std::move(terms);
    view.stake = stake;
    view.gain = gain;
    return view;
}
CommitQuestion question(CommitQuestion::Kind kind, bool frontOverMiddle, bool middleOverBack,
                        HandCategory claim = cat::Trash) {
    CommitQuestion q;
    q.kind = kind;
    q.frontOverMiddle = frontOverMiddle;
    q.middleOverBack = middleOverBack;
    q.claim = claim;
    return q;
}

// The game's sentences of every form, made of the engine's data.
std::vector<QString> gameSentences() {
    using K = CommitQuestion::Kind;
    return {
        pointsText(40),
        pointsText(-3),
        neededText(1),
        neededText(17),
        balanceText(balance(40, -6, 34)),
        balanceText(balance(5, 12, 17)),
        totalLineText(total({3, -1, 2}, 2, 8)),
        totalLineText(total({-1}, 1, -1)),
        verdictText(2, true),
        verdictText(1, false),
        verdictText(-1, false),
        verdictText(0, true),
        handLineText({cat::Pair, 1}),
        handLineText({IllegalMarker, -3}),
        handLineText({cat::ThirteenStraightFlush, 26}),
        handLineText({cat::TwoPairs, std::nullopt}),
        tableHandName(Position::Front),
        tableHandName(Position::Back),
        specialsText({cat::SixPairs, cat::FivePairsTriple, cat::ThirteenStraightFlush,
                      cat::ThirteenStraight}),
        specialsText({cat::ThreeFlush}),
        questionText(question(K::IllegalRegular, false, true)),
        questionText(question(K::IllegalClaim, false, false, cat::ThirteenStraight)),
    };
}

TEST(Translation, GameSentencesInEnglishWithoutATranslation) {
    const char* const expected[] = {
        "points 40",
        "points -3",
        "need 1 more point",
        "need 17 more points",
        "points 40 -6 = 34",
        "points 5 +12 = 17",
        "(3-1+2) x 2 points = +8",
        "(-1) x 1 points = -1",
        "win +2",
        "win 1",
        "lose -1",
        "tie",
        "a pair +1",
        "ILLEGAL -3",
        "13 straight flush +26",
        "2 pairs",
        "front",
        "back",
        "Your cards make 6 PAIRS, 5 PAIRS, 1TRIPLE, 13 STRAIGHT FLUSH, 13 STRAIGHT.",
        "Your cards make 3 FLUSH.",
        "Out of order: the middle outranks the back. REGULAR is then ILLEGAL and loses to every "
        "opponent. Commit anyway?",
        "Your cards do not make 13 STRAIGHT. The claim is ILLEGAL and loses to every opponent. "
        "Claim anyway?",
    };
    const std::vector<QString> sentences = gameSentences();
    ASSERT_EQ(sentences.size(), std::size(expected));
    for (std::size_t i = 0; i < sentences.size(); ++i)
        EXPECT_EQ(sentences[i], QString::fromUtf8(expected[i])) << i;
}

// The English forms of the results, the labels and the commit's messages, one of each kind.
TEST(Translation, ResultsLabelsAndMessagesInEnglish) {
    EXPECT_EQ(totalLineText(total({1, -1, 4}, 2, 8)), "(1-1+4) x 2 points = +8");
    EXPECT_EQ(totalLineText(total({-2}, 1, -2)), "(-2) x 1 points = -2");
    EXPECT_EQ(totalLineText(total({3}, 1, 3)), "(3) x 1 points = +3");
    EXPECT_EQ(balanceText(balance(10, 8, 18)), "points 10 +8 = 18");
    EXPECT_EQ(pointsText(18), "points 18");
    EXPECT_EQ(handLineText({cat::Straight, -4}), "straight -4");
    EXPECT_EQ(handLineText({cat::Trash, 0}), "trash +0");
    EXPECT_EQ(verdictText(-2, true), "lose -2");
    EXPECT_EQ(neededText(18), "need 18 more points");
    EXPECT_EQ(neededText(5), "need 5 more points");
    EXPECT_EQ(neededText(0), "");
    EXPECT_EQ(neededText(-3), "");
    EXPECT_EQ(refusalText(CommitRefusal::ArrangeCards), "please arrange cards");
    EXPECT_EQ(refusalText(CommitRefusal::ArrangeThreeStraights),
              "please arrange cards for \"sanh\"");
    EXPECT_EQ(refusalText(CommitRefusal::ArrangeThreeFlushes),
              "please arrange cards for \"thung\"");
    EXPECT_EQ(refusalText(CommitRefusal::None), "");
    using K = CommitQuestion::Kind;
    EXPECT_EQ(questionText(question(K::None, false, false)), "");
    EXPECT_EQ(questionText(question(K::IllegalRegular, true, false)),
              "Out of order: the front outranks the middle. REGULAR is then ILLEGAL and loses to "
              "every opponent. Commit anyway?");
    EXPECT_EQ(outOfOrderText(true, true),
              "Out of order: the front outranks the middle and the middle the back.");
    EXPECT_EQ(outOfOrderText(false, false), "");
    EXPECT_EQ(questionText(question(K::IllegalClaim, false, false, cat::SixPairs)),
              "Your cards do not make 6 PAIRS. The claim is ILLEGAL and loses to every opponent. "
              "Claim anyway?");
    EXPECT_EQ(questionText(question(K::IllegalClaimAsLaidOut, false, false, cat::ThreeFlush)),
              "Your cards do not make 3 FLUSH as they are laid out. The claim is ILLEGAL and loses "
              "to every opponent. Claim anyway?");
    EXPECT_EQ(specialsText({cat::ThreeStraight, cat::ThirteenStraight}),
              "Your cards make 3 STRAIGHT, 13 STRAIGHT.");
    EXPECT_EQ(specialsText({}), "");
}

TEST(Translation, GameSentencesInVietnamese) {
    Vietnamese vi;
    const char* const expected[] = {
        "điểm 40",
        "điểm -3",
        "cần thêm 1 điểm",
        "cần thêm 17 điểm",
        "điểm 40 -6 = 34",
        "điểm 5 +12 = 17",
        "(3-1+2) x 2 điểm = +8",
        "(-1) x 1 điểm = -1",
        "thắng +2",
        "thắng 1",
        "thua -1",
        "hòa",
        "đôi +1",
        "binh lủng -3",
        "rồng cuốn +26",
        "thú",
        "chi đầu",
        "chi cuối",
        "Bài của bạn có LỤC PHẾ BÔN, 5 ĐÔI 1 SÁM, RỒNG CUỐN, SẢNH RỒNG.",
        "Bài của bạn có BA THÙNG.",
        "Sai thứ tự: chi giữa lớn hơn chi cuối. Khi đó BÀI THƯỜNG bị binh lủng và thua mọi đối "
        "thủ. Vẫn xếp như vậy?",
        "Bài của bạn không thành SẢNH RỒNG. Báo sai là binh lủng và thua mọi đối thủ. Vẫn báo?",
    };
    const std::vector<QString> sentences = gameSentences();
    ASSERT_EQ(sentences.size(), std::size(expected));
    for (std::size_t i = 0; i < sentences.size(); ++i)
        EXPECT_EQ(sentences[i], QString::fromUtf8(expected[i])) << i;
}

// Every category name the engine can put on the results screen has a Vietnamese name, so a
// name added to the engine shows up here rather than in English among Vietnamese texts.
TEST(Translation, EveryHandCategoryHasAVietnameseName) {
    Vietnamese vi;
    for (std::size_t c = 0; c < CategoryNames.size(); ++c) {
        if (c == index(cat::Reserved)) continue;
        const auto category = static_cast<HandCategory>(c);
        const QString name = QString::fromUtf8(CategoryNames[c].data());
        EXPECT_NE(categoryName(category), name) << name.toStdString();
        EXPECT_NE(handLineText({category, -2}), name + " -2") << name.toStdString();
    }
}

TEST(Translation, EngineMessagesAndLabelsInVietnamese) {
    Vietnamese vi;
    GameState g;
    g.HandCount = 5;
    EXPECT_EQ(refusalText(commitRefusal(g, Commit::regular())), "hãy xếp bài");
    EXPECT_EQ(refusalText(commitRefusal(g, Commit::of(cat::ThreeStraight))),
              "hãy xếp bài thành ba sảnh");
    EXPECT_EQ(refusalText(commitRefusal(g, Commit::of(cat::ThreeFlush))),
              "hãy xếp bài thành ba thùng");
    EXPECT_EQ(neededText(18), "cần thêm 18 điểm");
    EXPECT_EQ(pointsText(-20), "điểm -20");
}

// A table with the given front, middle and back laid out, nothing left in the hand row.
GameState laidOut(const char* front, const char* middle, const char* back) {
    GameState g;
    std::size_t i = 0;
    for (const char* hand : {front, middle, back})
        for (CardIndex c : cardsOf(cardsFromText(hand)))
            g.TableGrid[ArrangementRow][i++] = toFaceNumber(c);
    g.ArrangedCount = static_cast<int>(i);
    g.HandCount = 13 - g.ArrangedCount;
    return g;
}

// Every arranging note the engine writes comes out in Vietnamese, read from real tables.
TEST(Translation, ArrangingNotesInVietnamese) {
    Vietnamese vi;
    const QString names[] = {"chi đầu", "chi giữa", "chi cuối"};
    for (std::size_t h = 0; h < 3; ++h)
        EXPECT_EQ(tableHandName(AllPositions[h]), names[h]);

    // Every hand out of order, and the question before committing it.
    const GameState both = laidOut("Ah Ad As", "3h 3d 7c 9s Jh", "2h 4d 6c 8s Th");
    ArrangingNotes notes = arrangingNotes(both);
    EXPECT_EQ(categoryName(notes.handCategories[0].value()), "sám cô");
    EXPECT_EQ(categoryName(notes.handCategories[1].value()), "đôi");
    EXPECT_EQ(categoryName(notes.handCategories[2].value()), "mậu thầu");
    EXPECT_EQ(outOfOrderText(notes.frontOverMiddle, notes.middleOverBack),
              "Sai thứ tự: chi đầu lớn hơn chi giữa, chi giữa lớn hơn chi cuối.");
    EXPECT_EQ(questionText(commitQuestion(both, Commit::regular())),
              "Sai thứ tự: chi đầu lớn hơn chi giữa, chi giữa lớn hơn chi cuối. Khi đó BÀI "
              "THƯỜNG bị binh lủng và thua mọi đối thủ. Vẫn xếp như vậy?");
    const GameState front = laidOut("Ah Ad 2c", "3h 5d 7c 9s Jh", "Kh Kd 4c 4s 6h");
    notes = arrangingNotes(front);
    EXPECT_EQ(outOfOrderText(notes.frontOverMiddle, notes.middleOverBack),
              "Sai thứ tự: chi đầu lớn hơn chi giữa.");

    // A claim the cards do not support at all, and one they support laid out otherwise.
    EXPECT_EQ(questionText(commitQuestion(front, Commit::of(cat::SixPairs))),
              "Bài của bạn không thành LỤC PHẾ BÔN. Báo sai là binh lủng và thua mọi đối thủ. "
              "Vẫn báo?");
    const GameState flushes = laidOut("2h 9h 3d", "Kh 5d 7d 9d Jd", "2c 4c 6c 8c Tc");
    EXPECT_EQ(questionText(commitQuestion(flushes, Commit::of(cat::ThreeFlush))),
              "Bài như đang xếp không thành BA THÙNG. Báo sai là binh lủng và thua mọi đối thủ. "
              "Vẫn báo?");
}

// Each special's claim, alone or listed with the others, is named as its button names it.
TEST(Translation, EverySpecialsLineInVietnamese) {
    Vietnamese vi;
    std::vector<HandCategory> all;
    QStringList buttons;
    for (const HandCategory c : SpecialCategories) {
        const QString button = QCoreApplication::translate("DialogPanel", claimButtonText(c));
        EXPECT_NE(button, claimButtonText(c));
        EXPECT_EQ(claimText(c), button);
        EXPECT_EQ(specialsText({c}), "Bài của bạn có " + button + ".");
        all.push_back(c);
        buttons << button;
    }
    EXPECT_EQ(specialsText(all), "Bài của bạn có " + buttons.join(", ") + ".");
}

// The game window's own texts: options restored from an earlier session, the table's buttons
// and its key help.
TEST(Translation, GameWindowTextsInVietnamese) {
    Vietnamese vi;
    MainWindow window(testCardLibrary(), 1);
    window.restoreOptions(3, 2, ScoringOption::Set, HandOrder::BySuit, 40);
    const SettingsPanel* s = window.settingsDialog();
    EXPECT_EQ(s->controlText(SettingsControl::OpponentsLabel), "CHƠI VỚI 3 ĐỐI THỦ");
    EXPECT_EQ(s->controlText(SettingsControl::UnitsLabel), "CƯỢC 2 ĐƠN VỊ");
    EXPECT_EQ(s->controlText(SettingsControl::OptionLabel), "CHƠI TÍNH VÁN");
    EXPECT_EQ(window.suggestButton()->text(), "GỢI Ý (H)");
    EXPECT_EQ(window.undoButton()->text(), "HOÀN TÁC (Ctrl+Z)");
    window.setInputGuard(0);
    window.show();
    press(window.settingsDialog(), SettingsControl::StartGame);
    ASSERT_EQ(window.state().phase(), Phase::Arranging);
    ASSERT_FALSE(window.tableAids().lines.empty());
    EXPECT_EQ(window.tableAids().lines.back(), "Phím: mũi tên, Space, 1 2 3, Backspace, Enter.");
}

TEST(Translation, ResultsViewShowsVietnameseTexts) {
    Vietnamese vi;
    ResultsView view;
    view.option = ScoringOption::Set;
    SeatResult opponent;
    opponent.verdict = -1;
    opponent.handLines = {
        {cat::Triple, std::nullopt}, {cat::Flush, std::nullopt}, {cat::FullHouse, std::nullopt}};
    view.opponents.push_back(opponent);
    view.player.verdict = 1;
    view.player.handLines = {
        {cat::Trash, std::nullopt}, {cat::Straight, std::nullopt}, {cat::Quadruple, std::nullopt}};
    view.totalTerms = {1};
    view.stake = 2;
    view.gain = 2;
    std::vector<QString> texts;
    for (const PlacedText& t : placeResults(view).texts)
        texts.push_back(t.text);
    const std::vector<QString> expected = {"thua -1", "sám cô",   "thùng",
                                           "cù lũ",   "thắng +1", "mậu thầu",
                                           "sảnh",    "tứ quý",   "(1) x 2 điểm = +2"};
    EXPECT_EQ(texts, expected);
}

}  // namespace
}  // namespace kov::ui
