// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Loads the card-drawing library at run time and looks up the three entry points the game calls.

#include <QLibrary>
#include <QStringList>

class QPainter;
class QPoint;

namespace kov::ui {

class CardLibrary {
  public:
    using InitFn = int (*)(int*, int*);
    using DrawExtFn = int (*)(void*, int, int, int, int, int, int, unsigned);
    using TermFn = void (*)();

    // The places tried in order: beside the executable, the game's own library folder where it is
    // installed, then the system's search by name.
    static QStringList defaultCandidates();

    // Tries each candidate; true once one loads and offers the entry points the game calls.
    bool load(const QStringList& candidates = defaultCandidates());
    // After a load that failed: the files and folders it looked in and why each failed, a line
    // each, in the player's language.
    QString failureDetails() const;
    void unload();
    QString fileName() const { return library_.fileName(); }

    // Draws a card face up with its top-left at `topLeft`, scaled to the table's 60 x 80.
    void drawCard(QPainter& painter, QPoint topLeft, int face) const;

    InitFn cdtInit = nullptr;
    DrawExtFn cdtDrawExt = nullptr;
    TermFn cdtTerm = nullptr;

  private:
    QLibrary library_;
    QStringList tried_;
};

}  // namespace kov::ui
