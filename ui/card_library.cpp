#include "ui/card_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>

namespace kov::ui {

QStringList CardLibrary::defaultCandidates() {
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + "/libcards.so", QDir(dir).filePath("../" KOVARIN_INSTALL_LIBDIR "/libcards.so"),
            "cards"};
}

bool CardLibrary::load(const QStringList& candidates) {
    for (const QString& name : candidates) {
        library_.setFileName(name);
        if (!library_.load()) continue;
        cdtInit = reinterpret_cast<InitFn>(library_.resolve("cdtInit"));
        cdtDraw = reinterpret_cast<DrawFn>(library_.resolve("cdtDraw"));
        cdtDrawExt = reinterpret_cast<DrawExtFn>(library_.resolve("cdtDrawExt"));
        cdtAnimate = reinterpret_cast<AnimateFn>(library_.resolve("cdtAnimate"));
        cdtTerm = reinterpret_cast<TermFn>(library_.resolve("cdtTerm"));
        // A library without the calls the game makes would crash at the first card drawn.
        if (cdtInit && cdtDrawExt && cdtTerm) return true;
        library_.unload();
    }
    return false;
}

void CardLibrary::unload() {
    if (library_.isLoaded()) library_.unload();
    cdtInit = nullptr;
    cdtDraw = nullptr;
    cdtDrawExt = nullptr;
    cdtAnimate = nullptr;
    cdtTerm = nullptr;
}

void CardLibrary::drawCard(QPainter& painter, QPoint topLeft, int face) const {
    cdtDrawExt(&painter, topLeft.x(), topLeft.y(), 60, 80, face, 0, 0);
}

}  // namespace kov::ui
