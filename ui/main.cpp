// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTranslator>

#include "ui/main_window.h"
#include "ui/translations.h"

#ifndef KOVARIN_VERSION
#define KOVARIN_VERSION "1.0"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("cards");
    QApplication::setApplicationDisplayName("KOVARIN32");
    QApplication::setApplicationVersion(KOVARIN_VERSION);
    QGuiApplication::setDesktopFileName("org.example.kovarin32");
    const auto translation = kov::ui::installTranslation();

    // --help and --version print and exit with status 0.
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "The Vietnamese thirteen-card arrangement game against the computer."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption classic(
        "classic", QCoreApplication::translate(
                       "main", "Play this run on the classic table (the choice kept stays)."));
    parser.addOption(classic);
    parser.process(app);

    kov::ui::CardLibrary cards;
    return kov::ui::runGame(
        cards, kov::ui::CardLibrary::defaultCandidates(),
        [](const QString& text, const QString& details) {
            QMessageBox box(QMessageBox::NoIcon, "cards", text, QMessageBox::Ok);
            box.setDetailedText(details);
            box.exec();
        },
        parser.isSet(classic) ? kov::ui::TableStart::Classic : kov::ui::TableStart::AsStored);
}
