// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The three panels as data: each panel's controls by name (the numbers are the controls' ids),
// and a table of controls (kind, text, rectangle in dialog units) that DialogPanel builds.
// The texts are English source texts marked for translation in the "DialogPanel" context;
// DialogPanel shows them in the player's language.

#include <vector>

namespace kov::ui {

// The settings panel, shown between deals.
enum class SettingsControl : int {
    Quit = 1000,
    Points = 1001,        // label: "points %d"
    PointsNeeded = 1002,  // label: "need %d more points", or empty
    OneOpponent = 1003,
    ThreeOpponents = 1004,
    TwoOpponents = 1005,
    OpponentsLabel = 1006,
    UnitsLabel = 1007,
    OneUnit = 1008,
    TwoUnits = 1009,
    AddOnePoint = 1010,
    AddFivePoints = 1011,
    AddTenPoints = 1012,
    AddTwentyPoints = 1013,
    StartGame = 1014,  // hidden while points are missing
    OptionLabel = 1016,
    ChiOption = 1017,
    SetOption = 1018,
    StrengthLabel = 1019,  // label: the computer's level in force
    EasyStrength = 1020,
    NormalStrength = 1021,
    HardStrength = 1022,
    ExpertStrength = 1023,  // the felt table's only: hidden on the classic table
};

// The arrangement panel beside the player's table: the commits and the hand row's order.
enum class ArrangementControl : int {
    Points = 1001,  // label: "points %d"
    OrderBySuit = 1003,
    OrderByCardNumber = 1004,
    SixPairs = 1005,
    FivePairsTriple = 1006,
    ThreeStraight = 1007,
    ThreeFlush = 1008,
    Regular = 1009,
    ThirteenStraightFlush = 1010,
    ThirteenStraight = 1011,
};

// The results panel above the results view.
enum class ResultsControl : int {
    Balance = 1001,  // label: "points %d %+d = %d", then "points %d"
    Ok = 1002,
};

enum class ControlKind { Button, Label };

struct ControlLayout {
    int id;
    ControlKind kind;
    const char* text;
    int x, y, width, height;  // dialog units
    bool hidden = false;
    const char* accessibleName = nullptr;  // when the text alone says too little; else the text
};

struct PanelLayout {
    int id;
    int width, height;  // dialog units
    std::vector<ControlLayout> controls;
};

const PanelLayout& settingsLayout();
const PanelLayout& arrangementLayout();
const PanelLayout& resultsLayout();

}  // namespace kov::ui
