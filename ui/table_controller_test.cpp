// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole deal through the controller alone, no view attached: every step is a command, every
// change a signal, in the order the views rely on.

#include "ui/table_controller.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStringList>

namespace kov::ui {
namespace {

TEST(TableController, PlaysADealWithoutAView) {
    TableController c(1);
    c.random().seedRandom(11);
    QStringList order;
    for (auto [signal, name] : {std::pair{&TableController::dealSettled, "settled"},
                                std::pair{&TableController::phaseChanged, "phase"},
                                std::pair{&TableController::tableChanged, "table"},
                                std::pair{&TableController::optionsChanged, "options"}})
        QObject::connect(&c, signal, [&order, name = QString(name)] { order << name; });
    QSignalSpy bought(&c, &TableController::pointsBought);

    c.buyPoints(20);
    c.setOpponents(3);
    EXPECT_EQ(bought.count(), 1);
    EXPECT_EQ(order, QStringList({"options", "options"}));
    EXPECT_EQ(c.state().PlayerPoints, 20);

    order.clear();
    c.startGame();
    ASSERT_EQ(c.state().phase(), Phase::Arranging);
    EXPECT_EQ(c.refusal(Commit::regular()), CommitRefusal::ArrangeCards);
    c.suggest();
    ASSERT_NE(c.suggestion(), nullptr);
    ASSERT_TRUE(c.suggestion()->placeable);
    EXPECT_EQ(c.state().HandCount, 0);
    c.apply({TableMove::Kind::Undo});  // the table no longer stands as suggested
    EXPECT_EQ(c.suggestion(), nullptr);
    EXPECT_EQ(c.state().HandCount, 13);
    c.suggest();
    EXPECT_EQ(order, QStringList({"phase", "table", "table", "table"}));

    order.clear();
    ASSERT_EQ(c.refusal(Commit::regular()), CommitRefusal::None);
    c.commit(Commit::regular());
    EXPECT_EQ(order, QStringList({"settled", "phase"}));
    EXPECT_EQ(c.state().phase(), Phase::Results);
    EXPECT_EQ(c.state().PendingPoints, 20 + c.results().gain);
    c.acceptResults();
    EXPECT_EQ(c.state().phase(), Phase::Settings);
    EXPECT_EQ(c.state().PlayerPoints, 20 + c.results().gain);
}

}  // namespace
}  // namespace kov::ui
