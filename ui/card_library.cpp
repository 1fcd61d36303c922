// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/card_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>

namespace kov::ui {

QStringList CardLibrary::defaultCandidates() {
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + "/libcards.so", QDir(dir).filePath(KOVARIN_CARDSDIR "/libcards.so"), "cards"};
}

namespace {

// Where a candidate is looked for: a path names its file; a bare name is found by the system's
// loader, as lib<name>.so in the folders of LD_LIBRARY_PATH, then of /etc/ld.so.conf, then /lib
// and /usr/lib.
QString placeOf(const QString& candidate) {
    if (candidate.contains('/')) return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    const QString fileName = "lib" + candidate + ".so";
    const QString ldPath = qEnvironmentVariable("LD_LIBRARY_PATH");
    if (ldPath.isEmpty())
        return QCoreApplication::translate(
                   "kov::ui::CardLibrary",
                   "%1 in the system's library folders (/etc/ld.so.conf, /lib, /usr/lib)")
            .arg(fileName);
    return QCoreApplication::translate("kov::ui::CardLibrary",
                                       "%1 in the system's library folders (%2, /etc/ld.so.conf, "
                                       "/lib, /usr/lib)")
        .arg(fileName, ldPath.split(':', Qt::SkipEmptyParts).join(", "));
}

}  // namespace

bool CardLibrary::load(const QStringList& candidates) {
    tried_.clear();
    for (const QString& name : candidates) {
        library_.setFileName(name);
        if (!library_.load()) {
            // The loader's own words only where they say more than that the file is missing.
            const bool missing = name.contains('/') && !QFileInfo::exists(name);
            tried_ << placeOf(name) + ": " +
                          (missing
                               ? QCoreApplication::translate("kov::ui::CardLibrary", "not found")
                               : library_.errorString());
            continue;
        }
        cdtInit = reinterpret_cast<InitFn>(library_.resolve("cdtInit"));
        cdtDrawExt = reinterpret_cast<DrawExtFn>(library_.resolve("cdtDrawExt"));
        cdtTerm = reinterpret_cast<TermFn>(library_.resolve("cdtTerm"));
        // A library without the calls the game makes would crash at the first card drawn.
        if (cdtInit && cdtDrawExt && cdtTerm) return true;
        tried_ << placeOf(name) + ": " +
                      QCoreApplication::translate("kov::ui::CardLibrary",
                                                  "does not offer cdtInit, cdtDrawExt and cdtTerm");
        library_.unload();
    }
    return false;
}

QString CardLibrary::failureDetails() const {
    return QCoreApplication::translate("kov::ui::CardLibrary",
                                       "The game looked for the card library in:") +
           "\n" + tried_.join('\n');
}

void CardLibrary::unload() {
    if (library_.isLoaded()) library_.unload();
    cdtInit = nullptr;
    cdtDrawExt = nullptr;
    cdtTerm = nullptr;
}

void CardLibrary::drawCard(QPainter& painter, QPoint topLeft, int face) const {
    // On a zoomed table or a screen of more pixels than logical ones, the card is drawn at the
    // size it covers in device pixels, so that its lines and letters are laid out for that size
    // rather than stretched.
    const QTransform& t = painter.worldTransform();
    const double ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    const double scale = t.m11() * ratio;
    if (t.type() > QTransform::TxScale || t.m11() != t.m22() || scale == 1.0) {
        cdtDrawExt(&painter, topLeft.x(), topLeft.y(), 60, 80, face, 0, 0);
        return;
    }
    const QRect device = QRectF(t.map(QPointF(topLeft)) * ratio, QSizeF(60, 80) * scale).toRect();
    painter.save();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    cdtDrawExt(&painter, device.x(), device.y(), device.width(), device.height(), face, 0, 0);
    painter.restore();
}

}  // namespace kov::ui
