// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/felt_results.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "cards/special.h"
#include "game/arranging_notes.h"
#include "ui/translations.h"

namespace kov::ui {
namespace {

QString text(const char* english) {
    return QCoreApplication::translate("FeltResults", english);
}

QString signedNumber(int n) {
    return n >= 0 ? '+' + QString::number(n) : QString::number(n);
}

// Why the player's arrangement is ILLEGAL, as the question before the commit had it.
QString illegalReason(const GameState& g, Commit committed) {
    const CommitQuestion q = commitQuestion(g, committed);
    switch (q.kind) {
        case CommitQuestion::Kind::IllegalRegular:
            return outOfOrderText(q.frontOverMiddle, q.middleOverBack);
        case CommitQuestion::Kind::IllegalClaim:
            return text(QT_TRANSLATE_NOOP("FeltResults", "Your cards do not make %1."))
                .arg(claimText(q.claim));
        case CommitQuestion::Kind::IllegalClaimAsLaidOut:
            return text(QT_TRANSLATE_NOOP("FeltResults",
                                          "Your cards do not make %1 as they are laid out."))
                .arg(claimText(q.claim));
        case CommitQuestion::Kind::None:
            break;
    }
    return QString();
}

// Who wins outright, when one side holds what wins outright: a special under either option, a
// back four of a kind or straight flush under the set option.
void outrightNotes(Matchup& m, HandCategory mine, HandCategory theirs, bool (*wins)(HandCategory)) {
    const bool me = wins(mine), they = wins(theirs);
    if (me && they) {
        m.notes.push_back(
            isSpecialCategory(mine) && isSpecialCategory(theirs)
                ? text(QT_TRANSLATE_NOOP("FeltResults", "%1 against %2: two specials tie."))
                      .arg(categoryName(mine), categoryName(theirs))
                : text(QT_TRANSLATE_NOOP("FeltResults", "Both win outright: a tie.")));
    } else if (me) {
        m.notes.push_back(text(QT_TRANSLATE_NOOP("FeltResults", "Your %1 wins outright."))
                              .arg(categoryName(mine)));
    } else if (they) {
        m.notes.push_back(text(QT_TRANSLATE_NOOP("FeltResults", "Their %1 wins outright."))
                              .arg(categoryName(theirs)));
    }
}

bool isSpecial(HandCategory c) {
    return isSpecialCategory(c);
}

}  // namespace

std::vector<Matchup> matchupsOf(const GameState& g, const ResultsView& view, Commit committed) {
    std::vector<Matchup> out;
    const Arrangement& mine = g.Arrangements[0];
    const bool illegal = mine.back.category == IllegalMarker;
    const Settlement& settled = g.DealSettlement;
    for (std::size_t k = 0; k < view.opponents.size(); ++k) {
        const int s = static_cast<int>(k) + 1;
        const Arrangement& theirs = g.Arrangements[static_cast<std::size_t>(s)];
        Matchup m;
        m.opponent = s;
        m.myCards = view.player.rows.cards;
        m.theirCards = view.opponents[k].rows.cards;
        m.block = illegal || isSpecial(mine.back.category) || isSpecial(theirs.back.category);
        for (const Position p : AllPositions) {
            const auto r = static_cast<std::size_t>(p);
            RowResult& row = m.rows[r];
            row.mine = view.player.rows.categories[r];
            row.theirs = view.opponents[k].rows.categories[r];
            const int points = settled.matrix(p)[0][static_cast<std::size_t>(s)];
            if (view.option == ScoringOption::Chi) {
                m.result += points;
                if (!m.block) {
                    row.points = points;
                    row.mark = markOf(points);
                }
            } else if (!m.block) {
                row.mark = markOf(handPoints(mine, theirs, p));
            }
        }
        if (view.option == ScoringOption::Set) m.result = settled.FrontResult[0][k + 1];
        if (illegal) {
            m.notes.push_back(categoryName(IllegalMarker));
            const QString reason = illegalReason(g, committed);
            if (!reason.isEmpty()) m.notes.push_back(reason);
            if (isSpecial(theirs.back.category))
                outrightNotes(m, cat::Trash, theirs.back.category, isSpecial);
        } else {
            outrightNotes(m, mine.back.category, theirs.back.category,
                          view.option == ScoringOption::Set ? isStrongCategory : isSpecial);
        }
        out.push_back(std::move(m));
    }
    return out;
}

namespace {

// The matchup's box in card widths (w) and heights (h): a padding, the names, three rows of cards
// each with its categories below, then the verdict and the notes.
constexpr double Pad = 0.12, Step = 0.36, Centre = 1.5;
constexpr double Heading = 0.3, Names = 0.24, RowGap = 0.06, Footer = 0.58;  // in h
constexpr double Aspect = 4.0 / 3.0;
constexpr double FanWidth = 1 + 4 * Step;
constexpr double BoxWidth = 2 * Pad + 2 * FanWidth + Centre;
constexpr double BoxHeight = 2 * Pad + Aspect * (Heading + 3 * (1 + Names) + 2 * RowGap + Footer);
constexpr double Margin = 10, Gap = 10;  // pixels
// The summary (the total, the results panel and the review) in card widths: beside one matchup a
// column this wide, below two a strip this high; with three matchups the fourth place holds it.
constexpr double Side = 5.2, Strip = 4.0;
// The results panel and the review pane at scale 1, in pixels.
constexpr QSizeF PanelSize(211 * 1.5, 33 * 1.625), ReviewSize(360, 300);

const QColor Light(235, 245, 235), Gold(255, 230, 140);

// The marks' colours, brighter than the classic results' on the dark felt.
QColor feltMarkColour(Mark mark) {
    return mark == Mark::Won    ? QColor(40, 200, 80)
           : mark == Mark::Lost ? QColor(235, 60, 50)
                                : QColor(170, 170, 170);
}

// The font of `pixels` that fits `text` in `room`: condensed, then smaller, down to three
// quarters of the size.
QFont fitted(const QFont& base, double pixels, const QString& text, double room, bool bold) {
    QFont font = base;
    font.setBold(bold);
    const auto fits = [&] { return QFontMetricsF(font).horizontalAdvance(text) <= room; };
    font.setPixelSize(std::max(7, static_cast<int>(std::lround(pixels))));
    if (fits()) return font;
    for (int stretch = 95; stretch >= 70; stretch -= 5) {
        font.setStretch(stretch);
        if (fits()) return font;
    }
    for (double p = pixels - 1; p >= pixels * 0.75; p -= 1) {
        font.setPixelSize(std::max(7, static_cast<int>(std::lround(p))));
        if (fits()) break;
    }
    return font;
}

struct Placer {
    FeltResults& out;
    const QFont& base;
    double w, h;

    void text(const QRectF& room, const QString& s, double px, const QColor& colour,
              Qt::Alignment align, ShowdownStep from, ShowdownStep until = ShowdownStep::Totals,
              Mark mark = Mark::None, bool bold = false) {
        if (s.isEmpty() && mark == Mark::None) return;
        QRectF textRoom = room;
        if (mark != Mark::None) textRoom.setLeft(room.left() + px * 1.3);  // the mark's square
        out.texts.push_back({room, s, fitted(base, px, s, textRoom.width(), bold), colour, align,
                             mark, from, until});
    }
    // A row of `count` cards of `faces` from `first`, fanned and centred in `fan`.
    void cards(const QRectF& fan, const std::array<int, 13>& faces, int first, int count,
               ShowdownStep from) {
        const double width = w * (1 + (count - 1) * Step);
        const double left = fan.center().x() - width / 2;
        for (int c = 0; c < count; ++c) {
            const int face = faces[static_cast<std::size_t>(first + c)];
            if (face >= 0)
                out.cards.push_back({QRectF(left + c * Step * w, fan.top(), w, h), face, from});
        }
    }
};

ShowdownStep rowStep(std::size_t row) {
    return static_cast<ShowdownStep>(static_cast<int>(row) + 1);
}

void placeMatchup(Placer& p, const Matchup& m, const QRectF& box, const QString& level) {
    const double w = p.w, h = p.h;
    p.out.boxes.push_back({box, m.opponent});
    const double left = box.left() + Pad * w, top = box.top() + Pad * w;
    const double fanWidth = FanWidth * w, centre = Centre * w;
    const QRectF mineColumn(left, top, fanWidth, 0), centreColumn(left + fanWidth, top, centre, 0),
        theirColumn(left + fanWidth + centre, top, fanWidth, 0);
    const double headPx = 0.27 * w, namePx = std::max(9.0, 0.21 * w), pointsPx = 0.3 * w;
    using enum ShowdownStep;
    // 1. The names: the player left, the opponent and its level right.
    const QString name =
        QCoreApplication::translate("ResultsView", "Opponent %1").arg(m.opponent) + " · " + level;
    p.text(QRectF(mineColumn.left(), top, fanWidth, Heading * h),
           QCoreApplication::translate("ResultsView", "You"), headPx, Gold, Qt::AlignCenter, Seats,
           Totals, Mark::None, true);
    p.text(QRectF(theirColumn.left() - centre / 2, top, fanWidth + centre / 2, Heading * h), name,
           headPx, Gold, Qt::AlignCenter, Seats, Totals, Mark::None, true);
    // 2. The rows, each pairing's mark and points between the two.
    static constexpr int First[] = {0, 3, 8}, Count[] = {3, 5, 5};
    double y = top + Heading * h;
    for (std::size_t r = 0; r < 3; ++r) {
        const ShowdownStep step = m.block ? Fronts : rowStep(r);
        p.cards(QRectF(mineColumn.left(), y, fanWidth, h), m.myCards, First[r], Count[r], Seats);
        p.cards(QRectF(theirColumn.left(), y, fanWidth, h), m.theirCards, First[r], Count[r], step);
        const QRectF namesAt(0, y + h, fanWidth, Names * h);
        p.text(namesAt.translated(mineColumn.left(), 0), categoryName(m.rows[r].mine), namePx,
               Light, Qt::AlignCenter, Seats);
        p.text(namesAt.translated(theirColumn.left(), 0), categoryName(m.rows[r].theirs), namePx,
               Light, Qt::AlignCenter, step);
        const RowResult& row = m.rows[r];
        const QRectF between(centreColumn.left() + 0.15 * w, y + h / 2 - pointsPx * 0.8,
                             centre - 0.3 * w, pointsPx * 1.6);
        if (row.mark != Mark::None)
            p.text(between, row.points ? signedNumber(*row.points) : QString(), pointsPx, Qt::white,
                   Qt::AlignVCenter | Qt::AlignLeft, step, Totals, row.mark, true);
        y += (1 + Names + RowGap) * h;
    }
    // 3. The verdict against this opponent, counted up row by row, and the notes.
    const QRectF verdict(left, y, box.width() - 2 * Pad * w, Footer * h / 2);
    const QRectF notes = verdict.translated(0, verdict.height());
    const double verdictPx = 0.28 * w;
    if (m.block) {
        p.text(verdict, verdictText(m.result, true), verdictPx, Qt::white, Qt::AlignCenter, Fronts,
               Totals, markOf(m.result), true);
    } else {
        int running = 0;
        for (std::size_t r = 0; r < 2; ++r) {
            running += m.rows[r].points.value_or(m.rows[r].mark == Mark::Won    ? 1
                                                 : m.rows[r].mark == Mark::Lost ? -1
                                                                                : 0);
            p.text(verdict, signedNumber(running), verdictPx, Qt::white, Qt::AlignCenter,
                   rowStep(r), rowStep(r), markOf(running), true);
        }
        p.text(verdict, verdictText(m.result, true), verdictPx, Qt::white, Qt::AlignCenter, Backs,
               Totals, markOf(m.result), true);
    }
    p.text(notes, m.notes.empty() ? QString() : m.notes.join(QStringLiteral(" · ")), namePx * 1.1,
           Gold, Qt::AlignCenter, m.block ? Fronts : Backs);
}

}  // namespace

FeltResults layoutFeltResults(QSize size, const std::vector<Matchup>& matchups,
                              const ResultsView& view, const QFont& base, const QString& level) {
    FeltResults out;
    out.matchups = matchups;
    const double W = size.width(), H = size.height();
    const int n = std::max<int>(1, static_cast<int>(matchups.size()));
    // 1. The card width. One matchup has the summary beside it, two have it in a strip below,
    // three in the fourth place of two rows of two.
    const double roomW = W - 2 * Margin - Gap, roomH = H - 2 * Margin - Gap;
    const double w =
        std::max(20.0, n == 1   ? std::min(roomW / (BoxWidth + Side), roomH / BoxHeight)
                       : n == 2 ? std::min(roomW / 2 / BoxWidth, roomH / (BoxHeight + Strip))
                                : std::min(roomW / 2 / BoxWidth, roomH / 2 / BoxHeight));
    out.cardWidth = w;
    out.cardHeight = w * Aspect;
    Placer p{out, base, w, out.cardHeight};
    const QSizeF box(BoxWidth * w, BoxHeight * w);
    const QSizeF used = n == 1   ? QSizeF(box.width() + Gap + Side * w, box.height())
                        : n == 2 ? QSizeF(2 * box.width() + Gap, box.height() + Gap + Strip * w)
                                 : QSizeF(2 * box.width() + Gap, 2 * box.height() + Gap);
    const QPointF origin((W - used.width()) / 2, (H - used.height()) / 2);
    const auto cell = [&](int k) {
        return QRectF(
            origin + QPointF((k % 2) * (box.width() + Gap), (k / 2) * (box.height() + Gap)), box);
    };
    for (int k = 0; k < static_cast<int>(matchups.size()); ++k)
        placeMatchup(p, matchups[static_cast<std::size_t>(k)], cell(k), level);

    // 2. The summary: the total line, the results panel under it, and the review below them (or
    // beside them, in the strip below two matchups).
    const QRectF summary =
        n == 1   ? QRectF(origin + QPointF(box.width() + Gap, 0), QSizeF(Side * w, box.height()))
        : n == 2 ? QRectF(origin + QPointF(0, box.height() + Gap), QSizeF(used.width(), Strip * w))
                 : cell(3);
    const double totalPx = 0.28 * w;
    const QRectF left =
        n == 2 ? QRectF(summary.topLeft(), QSizeF(box.width(), summary.height())) : summary;
    p.text(QRectF(left.left(), left.top() + 0.1 * w, left.width(), totalPx * 1.8),
           totalLineText(view), totalPx, Qt::white, Qt::AlignCenter, ShowdownStep::Totals,
           ShowdownStep::Totals, markOf(view.gain), true);
    out.panelScale = std::min(std::clamp(w / 55, 0.8, 2.0), left.width() / PanelSize.width());
    const QSizeF panel = PanelSize * out.panelScale;
    out.panel =
        QRectF(QPointF(left.center().x() - panel.width() / 2, left.top() + totalPx * 2.2), panel);
    const double below = out.panel.bottom() + 0.2 * w;
    const QRectF review =
        n == 2 ? QRectF(left.right() + Gap, summary.top(), summary.width() - left.width() - Gap,
                        summary.height())
               : QRectF(summary.left(), below, summary.width(), summary.bottom() - below);
    out.reviewScale =
        std::min({review.width() / ReviewSize.width(), review.height() / ReviewSize.height(), 1.5});
    const QSizeF reviewSize = ReviewSize * out.reviewScale;
    out.review =
        QRectF(QPointF(review.center().x() - reviewSize.width() / 2, review.top()), reviewSize);
    return out;
}

void drawTurning(QPainter& painter, CardRenderer& renderer, const QRectF& rect, int face,
                 CardBack back, double turn) {
    if (turn >= 0.999) {
        renderer.draw(painter, rect.toAlignedRect(), face, back);
        return;
    }
    const double w = std::max(1.0, rect.width() * turn);
    const QRectF narrow(rect.center().x() - w / 2, rect.top(), w, rect.height());
    renderer.draw(painter, narrow.toAlignedRect(), face, back);
}

void paintFeltResults(QPainter& painter, const FeltResults& results, CardRenderer& renderer,
                      CardBack back, ShowdownStep step, double turned) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    for (const FeltBox& b : results.boxes)
        painter.drawRoundedRect(b.rect, results.cardWidth * 0.12, results.cardWidth * 0.12);
    painter.restore();
    for (const FeltCard& c : results.cards) {
        if (c.from != step || turned >= 1) {
            renderer.draw(painter, c.rect.toAlignedRect(), c.from <= step ? c.face : -1, back);
            continue;
        }
        drawTurning(painter, renderer, c.rect, turned < 0.5 ? -1 : c.face, back,
                    std::abs(std::cos(turned * M_PI)));
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const FeltText& t : results.texts) {
        if (t.from > step || t.until < step || (t.from == step && turned < 0.5)) continue;
        painter.setFont(t.font);
        painter.setPen(t.colour);
        if (t.mark == Mark::None) {
            painter.drawText(t.room, static_cast<int>(t.align), t.text);
            continue;
        }
        // The mark just left of its text, the two aligned as one.
        const double side = std::min(t.room.height(), t.font.pixelSize() * 0.9);
        const double markRoom = t.font.pixelSize() * 1.3;
        const double width = markRoom + QFontMetricsF(t.font).horizontalAdvance(t.text);
        const double left =
            (t.align & Qt::AlignHCenter) ? t.room.center().x() - width / 2 : t.room.left();
        const QRectF square(left, t.room.center().y() - side / 2, side, side);
        painter.setPen(QPen(QColor(255, 255, 255, 220), std::max(1.0, side / 12)));
        painter.setBrush(feltMarkColour(t.mark));
        painter.drawPath(markPath(t.mark, square));
        painter.setPen(t.colour);
        painter.drawText(QRectF(left + markRoom, t.room.top(), width, t.room.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, t.text);
    }
    painter.restore();
}

}  // namespace kov::ui
