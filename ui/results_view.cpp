#include "ui/results_view.h"

#include <QPainter>

#include "ui/translations.h"

namespace kov::ui {
namespace {

struct BlockLines {
    int verdict;
    int text[3];
    int card[3];
};
constexpr BlockLines OpponentLines{60, {100, 140, 180}, {100, 130, 160}};
constexpr BlockLines PlayerLines{310, {350, 390, 430}, {350, 380, 410}};
constexpr int TextIndent = 170;
constexpr int TotalLine = 470;

void placeTexts(PlacedResults& out, const SeatResult& seat, int left, const BlockLines& lines) {
    if (!seat.verdict.empty())
        out.texts.push_back({left + TextIndent, lines.verdict, gameText(seat.verdict)});
    for (std::size_t k = 0; k < seat.handLines.size(); ++k)
        out.texts.push_back({left + TextIndent, lines.text[k], gameText(seat.handLines[k])});
}

// One seat's 13 cards: the front hand on card line 1, the middle on 2, the back on 3.
void placeCards(PlacedResults& out, const SeatResult& seat, int left, const BlockLines& lines) {
    static constexpr int First[] = {0, 3, 8}, Count[] = {3, 5, 5};
    for (int hand = 0; hand < 3; ++hand)
        for (int k = 0; k < Count[hand]; ++k) {
            const int face = seat.rows.cards[static_cast<std::size_t>(First[hand] + k)];
            if (face >= 0) out.cards.push_back({left + 10 + 20 * k, lines.card[hand], face});
        }
}

}  // namespace

PlacedResults placeResults(const ResultsView& view) {
    PlacedResults out;
    const int blockWidth = view.option == ScoringOption::Chi ? 270 : 280;
    for (std::size_t s = 0; s < view.opponents.size(); ++s) {
        const int left = blockWidth * static_cast<int>(s);
        placeTexts(out, view.opponents[s], left, OpponentLines);
        placeCards(out, view.opponents[s], left, OpponentLines);
    }
    placeTexts(out, view.player, 0, PlayerLines);
    out.texts.push_back({TextIndent, TotalLine, gameText(view.totalLine)});
    placeCards(out, view.player, 0, PlayerLines);
    return out;
}

void paintResults(QPainter& painter, const PlacedResults& placed, const CardLibrary& cards) {
    for (const PlacedText& t : placed.texts) {
        painter.save();
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(Qt::white);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(t.x, t.y + painter.fontMetrics().ascent()), t.text);
        painter.restore();
    }
    for (const PlacedCard& c : placed.cards)
        cards.drawCard(painter, QPoint(c.x, c.y), c.face);
}

}  // namespace kov::ui
