// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A helper for the store's tests: saves deal after deal into the folders it is given, starting
// from what they hold, each deal one point more than the last, and prints each balance once it
// is saved, until it is killed. Each deal is kept in progress first, numbered by the deals
// counted before it, with a few moves, as the game keeps it.
//
//   store_test_saver CONFIG_FOLDER DATA_FOLDER

#include <QCoreApplication>
#include <cstdio>

#include "game/computer_seats.h"
#include "ui/store.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    kov::ui::Store store(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    const kov::ui::Store::Loaded loaded = store.load();
    kov::ui::GameOptions options = loaded.options.value_or(kov::ui::GameOptions{});
    kov::Statistics statistics = loaded.statistics;
    kov::GameState dealt;
    dealt.DealChoiceThreshold = kov::DefaultDealChoiceThreshold;
    kov::Evaluator evaluator(kov::ListCapacity, 1);
    kov::Strategy normal(kov::strategyOf(kov::Strength::Normal));
    kov::startDealNumber(dealt, 1, evaluator, normal);
    for (;;) {
        kov::GameState g = dealt;
        kov::TableHistory history;
        const std::int64_t before = statistics.total().played;
        const auto number = static_cast<kov::DealNumber>(before);
        for (const kov::Position p : {kov::Position::Back, kov::Position::Middle}) {
            store.saveDealInProgress(
                kov::savedDealOf(g, history, number, false, kov::Strength::Normal, before));
            kov::applyMove(g, history, {kov::TableMove::Kind::SendTo, 13, p});
        }
        const int balance = options.points + 1;
        statistics.record(kov::ScoringOption::Chi, 1, balance);
        // The options follow the balance, so a file mixing two saves shows.
        options.points = balance;
        options.opponents = balance % 3 + 1;
        options.stake = balance % 2 + 1;
        store.saveDeal(options, statistics);
        store.clearDealInProgress();
        if (!store.saving()) return 1;
        std::printf("%d\n", balance);
        std::fflush(stdout);
    }
}
