// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A helper for the store's tests: saves deal after deal into the folders it is given, starting
// from what they hold, each deal one point more than the last, and prints each balance once it
// is saved, until it is killed.
//
//   store_test_saver CONFIG_FOLDER DATA_FOLDER

#include <QCoreApplication>
#include <cstdio>

#include "ui/store.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) return 2;
    kov::ui::Store store(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    const kov::ui::Store::Loaded loaded = store.load();
    kov::ui::GameOptions options = loaded.options.value_or(kov::ui::GameOptions{});
    kov::Statistics statistics = loaded.statistics;
    for (;;) {
        const int balance = options.points + 1;
        statistics.record(kov::ScoringOption::Chi, 1, balance);
        // The options follow the balance, so a file mixing two saves shows.
        options.points = balance;
        options.opponents = balance % 3 + 1;
        options.stake = balance % 2 + 1;
        store.saveDeal(options, statistics);
        if (!store.saving()) return 1;
        std::printf("%d\n", balance);
        std::fflush(stdout);
    }
}
