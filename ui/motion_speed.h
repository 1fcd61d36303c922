// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How fast the felt table's cards move (View menu, kept with the options): off (everything at
// once), fast (half the time) or normal.

namespace kov::ui {

enum class MotionSpeed { Off = 0, Fast = 1, Normal = 2 };

}  // namespace kov::ui
