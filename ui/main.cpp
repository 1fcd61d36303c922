// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "ui/main_window.h"
#include "ui/translations.h"

#ifndef KOVARIN_VERSION
#define KOVARIN_VERSION "1.0"
#endif

namespace {

// The game's command line. --help and --version print and end the program with status 0 (Qt's
// parser itself exits after the help); an unknown option prints why and exits with status 1.
struct CommandLine {
    QCommandLineParser parser;
    std::optional<kov::DealNumber> dealNumber;  // --deal N
    // The program's own name: the application's name is the rules' "cards".
    QCommandLineOption version{
        {"v", "version"}, QCoreApplication::translate("main", "Displays version information.")};
    QCommandLineOption classic{
        "classic", QCoreApplication::translate(
                       "main", "Play this run on the classic table (the choice kept stays).")};
    QCommandLineOption deal{
        "deal",
        QCoreApplication::translate(
            "main", "Start with deal number N as a practice deal (not counted in the balance)."),
        "N"};

    CommandLine() {
        parser.setApplicationDescription(QCoreApplication::translate(
            "main", "The Vietnamese thirteen-card arrangement game against the computer."));
        parser.addHelpOption();
        parser.addOption(version);
        parser.addOption(classic);
        parser.addOption(deal);
    }
    // Answers whether the game is to start.
    bool process(const QCoreApplication& app) {
        parser.process(app);
        if (parser.isSet(deal)) {
            bool ok = false;
            const qulonglong n = parser.value(deal).toULongLong(&ok);
            if (!ok || n > 0xFFFFFFFFull) {
                std::fputs(qPrintable(QCoreApplication::translate(
                                          "main",
                                          "kovarin32: --deal takes a deal number from 0 "
                                          "to 4294967295, not '%1'\n")
                                          .arg(parser.value(deal))),
                           stderr);
                std::exit(1);
            }
            dealNumber = static_cast<kov::DealNumber>(n);
        }
        if (!parser.isSet(version)) return true;
        std::fputs(qPrintable("kovarin32 " + QCoreApplication::applicationVersion() + '\n'),
                   stdout);
        return false;
    }
};

// Whether the command line only asks for the help or the version, which need no display.
bool asksForInformation(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v" ||
            arg == "--version")
            return true;
    }
    return false;
}

void nameTheApplication() {
    QCoreApplication::setApplicationName("cards");
    QCoreApplication::setApplicationVersion(KOVARIN_VERSION);
}

}  // namespace

int main(int argc, char** argv) {
    if (asksForInformation(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameTheApplication();
        const auto translation = kov::ui::installTranslation();
        CommandLine commandLine;
        commandLine.process(app);
        return 0;
    }
    QApplication app(argc, argv);
    nameTheApplication();
    // No display name: Qt would add it to every window title, and the game window's title is
    // the rules' own.
    QGuiApplication::setDesktopFileName("org.example.kovarin32");
    const auto translation = kov::ui::installTranslation();
    CommandLine commandLine;
    if (!commandLine.process(app)) return 0;

    kov::ui::CardLibrary cards;
    return kov::ui::runGame(
        cards, kov::ui::CardLibrary::defaultCandidates(),
        [](const QString& text, const QString& details) {
            QMessageBox box(QMessageBox::NoIcon, "cards", text, QMessageBox::Ok);
            box.setDetailedText(details);
            box.exec();
        },
        commandLine.parser.isSet(commandLine.classic) ? kov::ui::TableStart::Classic
                                                      : kov::ui::TableStart::AsStored,
        commandLine.dealNumber);
}
