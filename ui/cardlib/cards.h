// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The card-drawing library's C interface. A different deck can be dropped in as long as it keeps
// these five entry points. `context` is the QPainter to draw on; `card` is a card-face number,
// rank * 4 + suit code (clubs 0, diamonds 1, hearts 2, spades 3), rank 0 = ace .. 12 = king.

#ifdef __cplusplus
extern "C" {
#endif

#define CARDS_EXPORT __attribute__((visibility("default")))

// Reports the natural card size. Returns 1.
CARDS_EXPORT int cdtInit(int* width, int* height);
// Draws a card at its natural size.
CARDS_EXPORT int cdtDraw(void* context, int x, int y, int card, int mode, unsigned colour);
// Draws a card scaled to width x height. Mode 0 draws the face up; any other mode the back.
CARDS_EXPORT int cdtDrawExt(void* context, int x, int y, int width, int height, int card, int mode,
                            unsigned colour);
// Nothing is animated; kept for the interface. Returns 0.
CARDS_EXPORT int cdtAnimate(void* context, int cardBack, int x, int y, int frame);
CARDS_EXPORT void cdtTerm(void);

#ifdef __cplusplus
}
#endif
