// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Painting the felt table while the player arranges (three opponents, all cards dealt, five placed)
// into an image of the window's size. The deal and the first paint (which fills the card and cloth
// caches) are made outside the timed loop.

#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QPainter>

#include "ui/card_renderer.h"
#include "ui/felt_table_view.h"
#include "ui/main_window.h"

namespace {

kov::ui::CardLibrary& library() {
    static kov::ui::CardLibrary cards;
    static const bool loaded = cards.load({CARDS_LIBRARY_PATH});
    if (!loaded) std::abort();
    return cards;
}

void paintFelt(benchmark::State& state) {
    using namespace kov::ui;
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    MainWindow window(library(), 1);
    window.random().seedRandom(5);
    window.state().OpponentCount = 3;
    BuiltinCardRenderer renderer(library());
    window.setFeltTable(&renderer);
    window.resize(size);
    window.show();  // the cards are dealt onto a table that shows
    window.settingsDialog()->button(SettingsControl::AddTwentyPoints)->click();
    window.settingsDialog()->button(SettingsControl::AddTwentyPoints)->click();
    window.settingsDialog()->button(SettingsControl::AddTwentyPoints)->click();
    window.settingsDialog()->button(SettingsControl::StartGame)->click();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter warm(&image);
        window.feltTable()->paint(warm);
    }
    for (auto _ : state) {
        QPainter painter(&image);
        window.feltTable()->paint(painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(paintFelt)->Args({1280, 1024})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
