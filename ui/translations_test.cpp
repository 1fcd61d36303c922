// The Vietnamese translation: it loads from the program's resources, and the engine's English
// texts come out in Vietnamese with their numbers in place, or unchanged without a translation.

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

// The engine's texts of every form, as the engine writes them.
const char* const EngineTexts[] = {
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

TEST(Translation, EngineTextsStayEnglishWithoutATranslation) {
    for (const char* text : EngineTexts)
        EXPECT_EQ(gameText(text), QString::fromUtf8(text));
}

TEST(Translation, EngineTextsInVietnamese) {
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
    static_assert(std::size(expected) == std::size(EngineTexts));
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(gameText(EngineTexts[i]), QString::fromUtf8(expected[i])) << EngineTexts[i];
    // Texts the engine never writes are shown as they are.
    EXPECT_EQ(gameText("13 of something +1"), "13 of something +1");
}

// Every category name the engine can put on the results screen has a Vietnamese name, so a
// name changed in the engine shows up here rather than in English among Vietnamese texts.
TEST(Translation, EveryHandCategoryHasAVietnameseName) {
    Vietnamese vi;
    for (std::size_t c = 0; c < CategoryNames.size(); ++c) {
        if (c == cat::Reserved) continue;
        const std::string name(CategoryNames[c]);
        EXPECT_NE(gameText(name), QString::fromStdString(name)) << name;
        EXPECT_NE(gameText(name + " -2"), QString::fromStdString(name + " -2")) << name;
    }
}

TEST(Translation, EngineMessagesAndLabelsInVietnamese) {
    Vietnamese vi;
    GameState g;
    g.HandCount = 5;
    EXPECT_EQ(gameText(commitRefusal(g, RegularCommit)), "hãy xếp bài");
    EXPECT_EQ(gameText(commitRefusal(g, cat::ThreeStraight)), "hãy xếp bài thành ba sảnh");
    EXPECT_EQ(gameText(commitRefusal(g, cat::ThreeFlush)), "hãy xếp bài thành ba thùng");
    EXPECT_EQ(gameText(neededText(18)), "cần thêm 18 điểm");
    EXPECT_EQ(gameText(pointsLabel(-20)), "điểm -20");
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
    for (std::size_t h = 0; h < TableHandNames.size(); ++h)
        EXPECT_EQ(gameText(TableHandNames[h]), names[h]);

    // Every hand out of order, and the question before committing it.
    const GameState both = laidOut("Ah Ad As", "3h 3d 7c 9s Jh", "2h 4d 6c 8s Th");
    ArrangingNotes notes = arrangingNotes(both);
    EXPECT_EQ(gameText(notes.handNames[0]), "sám cô");
    EXPECT_EQ(gameText(notes.handNames[1]), "đôi");
    EXPECT_EQ(gameText(notes.handNames[2]), "mậu thầu");
    EXPECT_EQ(gameText(notes.warning),
              "Sai thứ tự: chi đầu lớn hơn chi giữa, chi giữa lớn hơn chi cuối.");
    EXPECT_EQ(gameText(commitQuestion(both, RegularCommit)),
              "Sai thứ tự: chi đầu lớn hơn chi giữa, chi giữa lớn hơn chi cuối. Khi đó BÀI "
              "THƯỜNG bị binh lủng và thua mọi đối thủ. Vẫn xếp như vậy?");
    const GameState front = laidOut("Ah Ad 2c", "3h 5d 7c 9s Jh", "Kh Kd 4c 4s 6h");
    EXPECT_EQ(gameText(arrangingNotes(front).warning), "Sai thứ tự: chi đầu lớn hơn chi giữa.");

    // A claim the cards do not support at all, and one they support laid out otherwise.
    EXPECT_EQ(gameText(commitQuestion(front, cat::SixPairs)),
              "Bài của bạn không thành LỤC PHẾ BÔN. Báo sai là binh lủng và thua mọi đối thủ. "
              "Vẫn báo?");
    const GameState flushes = laidOut("2h 9h 3d", "Kh 5d 7d 9d Jd", "2c 4c 6c 8c Tc");
    EXPECT_EQ(gameText(commitQuestion(flushes, cat::ThreeFlush)),
              "Bài như đang xếp không thành BA THÙNG. Báo sai là binh lủng và thua mọi đối thủ. "
              "Vẫn báo?");
}

// Each special's claim, alone or listed with the others, is named as its button names it.
TEST(Translation, EverySpecialsLineInVietnamese) {
    Vietnamese vi;
    std::vector<HandCategory> all;
    QStringList buttons;
    for (HandCategory c = cat::SixPairs; c <= cat::ThirteenStraightFlush; ++c) {
        const QString button = QCoreApplication::translate("DialogPanel", claimButtonText(c));
        EXPECT_NE(button, claimButtonText(c));
        EXPECT_EQ(gameText(specialsLine({c})), "Bài của bạn có " + button + ".");
        all.push_back(c);
        buttons << button;
    }
    EXPECT_EQ(gameText(specialsLine(all)), "Bài của bạn có " + buttons.join(", ") + ".");
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
    opponent.verdict = "lose -1";
    opponent.handLines = {"triple", "flush", "full house"};
    view.opponents.push_back(opponent);
    view.player.verdict = "win +1";
    view.player.handLines = {"trash", "straight", "quadruple"};
    view.totalLine = "(1) x 2 points = +2";
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
