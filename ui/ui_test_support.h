#pragma once
// Shared by the UI tests: the card library of the build tree, loaded once.

#include <gtest/gtest.h>

#include "ui/card_library.h"

namespace kov::ui {

inline CardLibrary& testCardLibrary() {
    static CardLibrary lib;
    static const bool loaded = lib.load({CARDS_LIBRARY_PATH});
    EXPECT_TRUE(loaded) << CARDS_LIBRARY_PATH;
    return lib;
}

}  // namespace kov::ui
