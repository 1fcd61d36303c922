#include <QApplication>
#include <QMessageBox>

#include "ui/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("cards");
    QApplication::setApplicationDisplayName("KOVARIN32");
    QGuiApplication::setDesktopFileName("org.example.kovarin32");
    kov::ui::CardLibrary cards;
    return kov::ui::runGame(
        cards, kov::ui::CardLibrary::defaultCandidates(), [](const QString& text) {
            QMessageBox box(QMessageBox::NoIcon, "cards", text, QMessageBox::Ok);
            box.exec();
        });
}
