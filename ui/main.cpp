// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QMessageBox>
#include <QTranslator>

#include "ui/main_window.h"
#include "ui/translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("cards");
    QApplication::setApplicationDisplayName("KOVARIN32");
    QGuiApplication::setDesktopFileName("org.example.kovarin32");
    const auto translation = kov::ui::installTranslation();
    kov::ui::CardLibrary cards;
    return kov::ui::runGame(cards, kov::ui::CardLibrary::defaultCandidates(),
                            [](const QString& text, const QString& details) {
                                QMessageBox box(QMessageBox::NoIcon, "cards", text,
                                                QMessageBox::Ok);
                                box.setDetailedText(details);
                                box.exec();
                            });
}
