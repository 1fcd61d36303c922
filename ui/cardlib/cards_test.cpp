// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The card faces, drawn through the library's C interface onto an image.

#include "ui/cardlib/cards.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

QImage drawn(int face, int width = 60, int height = 80) {
    QImage image(width + 4, height + 4, QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QPainter painter(&image);
    cdtDrawExt(&painter, 2, 2, width, height, face, 0, 0);
    return image;
}

// Share of pixels in a box that are neither white nor grey: the ink of the card.
double inkShare(const QImage& image, QRect box, bool wantRed) {
    int ink = 0, all = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            ++all;
            const bool red = c.red() > 150 && c.green() < 100 && c.blue() < 100;
            const bool black = c.lightness() < 80;
            if (wantRed ? red : black) ++ink;
        }
    return static_cast<double>(ink) / all;
}

TEST(CardFaces, WhiteCardWithColouredIndexInBothCorners) {
    for (int face = 0; face < 52; ++face) {
        const QImage image = drawn(face);
        const bool red = face % 4 == 1 || face % 4 == 2;                     // diamonds and hearts
        EXPECT_EQ(image.pixelColor(1, 1), QColor(128, 128, 128)) << face;    // outside the card
        EXPECT_EQ(image.pixelColor(5, 60), QColor(Qt::white)) << face;       // left margin
        EXPECT_GT(inkShare(image, QRect(3, 3, 15, 25), red), 0.03) << face;  // top-left index
        EXPECT_GT(inkShare(image, QRect(46, 56, 15, 25), red), 0.03) << face;   // turned index
        EXPECT_GT(inkShare(image, QRect(18, 14, 28, 52), red), 0.015) << face;  // pips or court
    }
}

TEST(CardFaces, FacesDifferAndScale) {
    EXPECT_NE(drawn(0), drawn(4));    // ace and two of clubs
    EXPECT_NE(drawn(40), drawn(44));  // jack and queen of clubs
    EXPECT_NE(drawn(2), drawn(3));    // ace of hearts and ace of spades
    const QImage big = drawn(51, 142, 192);
    EXPECT_EQ(big.pixelColor(10, 120), QColor(Qt::white));
    int width = 0, height = 0;
    EXPECT_EQ(cdtInit(&width, &height), 1);
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);
}

}  // namespace
