// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The zooms the View menu offers, in per cent; the first is the default. Kept apart from the
// widget scaling so that the store, which has no widgets, can check a stored zoom.

#include <algorithm>
#include <iterator>

namespace kov::ui {

inline constexpr int ZoomSteps[] = {100, 150, 200};

constexpr bool isZoomStep(int percent) {
    return std::find(std::begin(ZoomSteps), std::end(ZoomSteps), percent) != std::end(ZoomSteps);
}

}  // namespace kov::ui
