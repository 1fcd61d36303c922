// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/panel_layouts.h"

#include <QtGlobal>

#include "game/arranging_notes.h"

namespace kov::ui {
namespace {

template <typename Control>
ControlLayout button(Control id, const char* text, int x, int y, int width, int height,
                     bool hidden = false) {
    return {static_cast<int>(id), ControlKind::Button, text, x, y, width, height, hidden};
}
template <typename Control>
ControlLayout label(Control id, const char* text, int x, int y, int width, int height) {
    return {static_cast<int>(id), ControlKind::Label, text, x, y, width, height};
}

// A special's claim button, with the text the engine gives it (listed for lupdate in
// translations.cpp).
ControlLayout claim(ArrangementControl id, HandCategory special, int x, int y, int width,
                    int height) {
    return button(id, claimButtonText(special), x, y, width, height);
}

// A control whose text says little when read out alone, with the name assistive technology reads.
ControlLayout spoken(ControlLayout control, const char* accessibleName) {
    control.accessibleName = accessibleName;
    return control;
}

}  // namespace

const PanelLayout& settingsLayout() {
    using C = SettingsControl;
    static const PanelLayout layout{
        101,
        539,
        349,
        {
            button(C::Quit, QT_TRANSLATE_NOOP("DialogPanel", "QUIT"), 252, 226, 50, 14),
            label(C::Points, QT_TRANSLATE_NOOP("DialogPanel", "points 0"), 23, 17, 85, 25),
            label(C::PointsNeeded, "", 125, 17, 160, 25),
            button(C::OneOpponent, QT_TRANSLATE_NOOP("DialogPanel", "1 OPPONENT"), 153, 67, 77, 21),
            button(C::TwoOpponents, QT_TRANSLATE_NOOP("DialogPanel", "2 OPPONENTS"), 240, 67, 77,
                   21),
            button(C::ThreeOpponents, QT_TRANSLATE_NOOP("DialogPanel", "3 OPPONENTS"), 327, 67, 77,
                   21),
            label(C::OpponentsLabel, QT_TRANSLATE_NOOP("DialogPanel", "PLAY WITH 1 OPPONENT"), 24,
                  67, 102, 25),
            label(C::UnitsLabel, QT_TRANSLATE_NOOP("DialogPanel", "PLAY 1 UNIT"), 24, 99, 102, 25),
            button(C::OneUnit, QT_TRANSLATE_NOOP("DialogPanel", "1 UNIT"), 153, 99, 77, 21),
            button(C::TwoUnits, QT_TRANSLATE_NOOP("DialogPanel", "2 UNITS"), 240, 99, 77, 21),
            spoken(button(C::AddOnePoint, "+1", 24, 226, 36, 21),
                   QT_TRANSLATE_NOOP("DialogPanel", "add 1 point")),
            spoken(button(C::AddFivePoints, "+5", 77, 226, 36, 21),
                   QT_TRANSLATE_NOOP("DialogPanel", "add 5 points")),
            spoken(button(C::AddTenPoints, "+10", 132, 226, 36, 21),
                   QT_TRANSLATE_NOOP("DialogPanel", "add 10 points")),
            spoken(button(C::AddTwentyPoints, "+20", 182, 226, 36, 21),
                   QT_TRANSLATE_NOOP("DialogPanel", "add 20 points")),
            button(C::StartGame, QT_TRANSLATE_NOOP("DialogPanel", "START GAME"), 153, 170, 151, 33,
                   true),
            label(C::OptionLabel, QT_TRANSLATE_NOOP("DialogPanel", "PLAY CHI OPTION"), 24, 132, 102,
                  25),
            button(C::ChiOption, QT_TRANSLATE_NOOP("DialogPanel", "PLAY CHI OPTION"), 153, 132, 77,
                   21),
            button(C::SetOption, QT_TRANSLATE_NOOP("DialogPanel", "PLAY SET OPTION"), 240, 132, 77,
                   21),
            // The computer's level, in the free rows under the point purchases.
            label(C::StrengthLabel, QT_TRANSLATE_NOOP("DialogPanel", "COMPUTER PLAYS NORMAL"), 24,
                  262, 102, 25),
            button(C::EasyStrength, QT_TRANSLATE_NOOP("DialogPanel", "EASY"), 153, 262, 77, 21),
            button(C::NormalStrength, QT_TRANSLATE_NOOP("DialogPanel", "NORMAL"), 240, 262, 77, 21),
            button(C::HardStrength, QT_TRANSLATE_NOOP("DialogPanel", "HARD"), 327, 262, 77, 21),
            // Shown by the felt table only; the classic table offers it in the Game menu.
            button(C::ExpertStrength, QT_TRANSLATE_NOOP("DialogPanel", "EXPERT"), 414, 262, 77, 21),
        }};
    return layout;
}

const PanelLayout& arrangementLayout() {
    using C = ArrangementControl;
    static const PanelLayout layout{
        104,
        195,
        285,
        {claim(C::SixPairs, cat::SixPairs, 7, 7, 84, 29),
         claim(C::FivePairsTriple, cat::FivePairsTriple, 104, 7, 84, 28),
         claim(C::ThreeStraight, cat::ThreeStraight, 7, 47, 84, 28),
         claim(C::ThreeFlush, cat::ThreeFlush, 105, 46, 83, 28),
         claim(C::ThirteenStraight, cat::ThirteenStraight, 7, 93, 84, 27),
         claim(C::ThirteenStraightFlush, cat::ThirteenStraightFlush, 104, 93, 84, 27),
         button(C::Regular, QT_TRANSLATE_NOOP("DialogPanel", "REGULAR"), 7, 141, 181, 39),
         label(C::Points, QT_TRANSLATE_NOOP("DialogPanel", "points 20"), 53, 199, 85, 25),
         button(C::OrderBySuit, QT_TRANSLATE_NOOP("DialogPanel", "order by suite"), 7, 247, 79, 31),
         button(C::OrderByCardNumber, QT_TRANSLATE_NOOP("DialogPanel", "order by card number"), 109,
                248, 79, 30)}};
    return layout;
}

const PanelLayout& resultsLayout() {
    using C = ResultsControl;
    static const PanelLayout layout{
        105,
        211,
        33,
        {button(C::Ok, QT_TRANSLATE_NOOP("DialogPanel", "OK"), 133, 7, 57, 14),
         label(C::Balance, QT_TRANSLATE_NOOP("DialogPanel", "points 20"), 7, 7, 107, 14)}};
    return layout;
}

}  // namespace kov::ui
