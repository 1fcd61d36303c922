// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Cards drawn through one interface, at the size they cover: the built-in deck (the card library)
// and the SVG decks of the system's card-deck folder (KDE's format: a folder svg-NAME holding an
// index.desktop that names the deck and its .svgz file, whose elements are "1_club" .. "king_spade"
// and "back"). Each renderer keeps the pixmaps it drew, per size, so that a repaint of the same
// table draws no card twice. The backs of face-down cards are our own, drawn by code.

#include <QColor>
#include <QPixmap>
#include <QString>
#include <memory>
#include <unordered_map>
#include <vector>

#include "ui/card_library.h"

class QPainter;
class QSvgRenderer;

namespace kov::ui {

// The backs of face-down cards, drawn by code: the name each is stored under.
enum class CardBack { Blue, Red };
const char* backKey(CardBack back);
CardBack backNamed(const QString& key);  // Blue for a name it does not know
// The back in the player's words, for the menu.
QString backName(CardBack back);
void paintCardBack(QPainter& painter, const QRectF& card, CardBack back);

class CardRenderer {
  public:
    virtual ~CardRenderer();
    // The deck's name as stored ("builtin", or the SVG deck's folder name) and as shown.
    virtual QString key() const = 0;
    virtual QString displayName() const = 0;

    // A card face (rank * 4 + suit, the ace first, clubs diamonds hearts spades) or a back, drawn
    // for `size` device pixels, shown at `size / ratio` logical ones.
    QPixmap face(int face, QSize size, double ratio = 1.0);
    QPixmap back(CardBack back, QSize size, double ratio = 1.0);
    // Draws a face (or, for a face of -1, the back) to fill `where` on the painter's device.
    void draw(QPainter& painter, const QRectF& where, int face, CardBack back = CardBack::Blue);

    // How many pixmaps were drawn, not taken from the cache (for tests).
    int drawn() const { return drawn_; }

  protected:
    // Paints one face into `card` (device pixels).
    virtual void paintFace(QPainter& painter, const QRectF& card, int face) = 0;

  private:
    QPixmap cached(int index, QSize size, double ratio, CardBack back);
    std::unordered_map<quint64, QPixmap> cache_;
    int drawn_ = 0;
};

// The built-in deck: the card library's drawing calls.
class BuiltinCardRenderer : public CardRenderer {
  public:
    explicit BuiltinCardRenderer(const CardLibrary& cards) : cards_(cards) {}
    QString key() const override { return "builtin"; }
    QString displayName() const override;

  protected:
    void paintFace(QPainter& painter, const QRectF& card, int face) override;

  private:
    const CardLibrary& cards_;
};

// An SVG deck found in the card-deck folder.
struct SvgDeck {
    QString key;      // the folder's name, e.g. "svg-standard"
    QString name;     // its index.desktop's Name
    QString svgFile;  // the full path of its .svgz (or .svg)
};
// The folder the system's decks are read from.
QString systemDeckFolder();
// The SVG decks in `folder` (each svg-*/index.desktop naming an SVG file that exists), by name.
std::vector<SvgDeck> findSvgDecks(const QString& folder = systemDeckFolder());

class SvgCardRenderer : public CardRenderer {
  public:
    // Nothing, with the reason in `error`, when the file cannot be read or lacks a card.
    static std::unique_ptr<SvgCardRenderer> open(const SvgDeck& deck, QString* error);
    ~SvgCardRenderer() override;
    QString key() const override { return deck_.key; }
    QString displayName() const override { return deck_.name; }

  protected:
    void paintFace(QPainter& painter, const QRectF& card, int face) override;

  private:
    SvgCardRenderer(const SvgDeck& deck, std::unique_ptr<QSvgRenderer> svg);
    SvgDeck deck_;
    std::unique_ptr<QSvgRenderer> svg_;
};

// The SVG element of a face: "1_club" .. "king_spade".
QString svgElementOf(int face);

// The deck stored as `key` among `decks`; the built-in deck for "builtin", and also, with one line
// on stderr (through `warn`), for a deck that is missing or cannot be read.
std::unique_ptr<CardRenderer> makeCardRenderer(const QString& key, const CardLibrary& cards,
                                               const std::vector<SvgDeck>& decks,
                                               void (*warn)(const QString&) = nullptr);

}  // namespace kov::ui
