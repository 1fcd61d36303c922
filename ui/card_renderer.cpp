// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/card_renderer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QSettings>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kov::ui {

const char* backKey(CardBack back) {
    return back == CardBack::Red ? "red" : "blue";
}

CardBack backNamed(const QString& key) {
    return key == "red" ? CardBack::Red : CardBack::Blue;
}

QString backName(CardBack back) {
    return back == CardBack::Red
               ? QCoreApplication::translate("kov::ui::CardRenderer", "Red back")
               : QCoreApplication::translate("kov::ui::CardRenderer", "Blue back");
}

// Blue: a lattice of diamonds in a frame; red: diagonal stripes in a frame. Both on a white rim.
void paintCardBack(QPainter& painter, const QRectF& card, CardBack back) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double w = card.width(), radius = w * 0.08, rim = std::max(2.0, w * 0.06);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    const QRectF inner = card.adjusted(rim, rim, -rim, -rim);
    const bool red = back == CardBack::Red;
    const QColor ground = red ? QColor(170, 30, 40) : QColor(25, 60, 150);
    const QColor line = red ? QColor(235, 150, 150) : QColor(150, 180, 240);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawRoundedRect(inner, radius * 0.6, radius * 0.6);
    QPainterPath clip;
    clip.addRoundedRect(inner, radius * 0.6, radius * 0.6);
    painter.setClipPath(clip);
    painter.setPen(QPen(line, std::max(1.0, w * 0.02)));
    const double step = std::max(4.0, w * 0.14);
    const double span = inner.width() + inner.height();
    for (double d = -span; d <= span; d += step) {
        const QPointF a = inner.topLeft() + QPointF(d, 0);
        painter.drawLine(a, a + QPointF(inner.height(), inner.height()));
        if (!red) painter.drawLine(a + QPointF(inner.height(), 0), a + QPointF(0, inner.height()));
    }
    painter.setClipping(false);
    painter.setPen(QPen(line, std::max(1.0, w * 0.025)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(inner.adjusted(rim, rim, -rim, -rim), radius * 0.4, radius * 0.4);
    painter.restore();
}

CardRenderer::~CardRenderer() = default;

QPixmap CardRenderer::cached(int index, QSize size, double ratio, CardBack back) {
    if (size.isEmpty()) return {};
    // The size in the high bits, the face (or 100 + the back) in the low ones.
    const quint64 key = (quint64(size.width()) << 40) | (quint64(size.height()) << 20) |
                        quint64(index < 0 ? 100 + static_cast<int>(back) : index);
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        {
            QPainter p(&pixmap);
            const QRectF card(0, 0, size.width(), size.height());
            if (index < 0)
                paintCardBack(p, card, back);
            else
                paintFace(p, card, index);
        }
        ++drawn_;
        it = cache_.emplace(key, pixmap).first;
    }
    QPixmap shown = it->second;
    shown.setDevicePixelRatio(ratio);
    return shown;
}

QPixmap CardRenderer::face(int face, QSize size, double ratio) {
    return cached(face, size, ratio, CardBack::Blue);
}

QPixmap CardRenderer::back(CardBack back, QSize size, double ratio) {
    return cached(-1, size, ratio, back);
}

void CardRenderer::draw(QPainter& painter, const QRectF& where, int face, CardBack back) {
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize size = (where.size() * ratio).toSize();
    painter.drawPixmap(where.topLeft(), cached(face, size, ratio, back));
}

QString BuiltinCardRenderer::displayName() const {
    return QCoreApplication::translate("kov::ui::CardRenderer", "Built-in cards");
}

void BuiltinCardRenderer::paintFace(QPainter& painter, const QRectF& card, int face) {
    const QRect r = card.toRect();
    cards_.cdtDrawExt(&painter, r.x(), r.y(), r.width(), r.height(), face, 0, 0);
}

QString systemDeckFolder() {
    return "/usr/share/carddecks";
}

std::vector<SvgDeck> findSvgDecks(const QString& folder) {
    std::vector<SvgDeck> decks;
    const QDir root(folder);
    for (const QString& sub : root.entryList({"svg-*"}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QDir dir(root.filePath(sub));
        const QString index = dir.filePath("index.desktop");
        if (!QFileInfo::exists(index)) continue;
        QSettings desktop(index, QSettings::IniFormat);
        desktop.beginGroup("KDE Backdeck");
        const QString name = desktop.value("Name").toString();
        const QString svg = desktop.value("SVG").toString();
        if (name.isEmpty() || svg.isEmpty() || !QFileInfo::exists(dir.filePath(svg))) continue;
        decks.push_back({sub, name, dir.filePath(svg)});
    }
    std::sort(decks.begin(), decks.end(),
              [](const SvgDeck& a, const SvgDeck& b) { return a.name < b.name; });
    return decks;
}

QString svgElementOf(int face) {
    static const char* const Ranks[] = {"1", "2", "3",  "4",    "5",     "6",   "7",
                                        "8", "9", "10", "jack", "queen", "king"};
    static const char* const Suits[] = {"club", "diamond", "heart", "spade"};
    return QString("%1_%2").arg(Ranks[face / 4], Suits[face % 4]);
}

SvgCardRenderer::SvgCardRenderer(const SvgDeck& deck, std::unique_ptr<QSvgRenderer> svg)
    : deck_(deck), svg_(std::move(svg)) {}

SvgCardRenderer::~SvgCardRenderer() = default;

std::unique_ptr<SvgCardRenderer> SvgCardRenderer::open(const SvgDeck& deck, QString* error) {
    auto svg = std::make_unique<QSvgRenderer>(deck.svgFile);
    if (!svg->isValid()) {
        if (error) *error = QString("%1 is no SVG file it can read").arg(deck.svgFile);
        return nullptr;
    }
    for (int face = 0; face < 52; ++face)
        if (!svg->elementExists(svgElementOf(face))) {
            if (error) *error = QString("%1 has no card %2").arg(deck.svgFile, svgElementOf(face));
            return nullptr;
        }
    return std::unique_ptr<SvgCardRenderer>(new SvgCardRenderer(deck, std::move(svg)));
}

void SvgCardRenderer::paintFace(QPainter& painter, const QRectF& card, int face) {
    painter.setRenderHint(QPainter::Antialiasing);
    svg_->render(&painter, svgElementOf(face), card);
}

std::unique_ptr<CardRenderer> makeCardRenderer(const QString& key, const CardLibrary& cards,
                                               const std::vector<SvgDeck>& decks,
                                               void (*warn)(const QString&)) {
    const auto complain = [warn](const QString& line) {
        if (warn)
            warn(line);
        else
            std::fprintf(stderr, "%s\n", qPrintable(line));
    };
    if (key != "builtin" && !key.isEmpty()) {
        const auto deck = std::find_if(decks.begin(), decks.end(),
                                       [&](const SvgDeck& d) { return d.key == key; });
        QString error;
        if (deck == decks.end())
            error = QString("no deck %1 in %2").arg(key, systemDeckFolder());
        else if (auto svg = SvgCardRenderer::open(*deck, &error))
            return svg;
        complain(QString("kovarin32: %1; using the built-in cards").arg(error));
    }
    return std::make_unique<BuiltinCardRenderer>(cards);
}

}  // namespace kov::ui
