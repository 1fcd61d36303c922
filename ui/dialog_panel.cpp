#include "ui/dialog_panel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace kov::ui {

QRect dialogUnitsToPixels(int x, int y, int width, int height) {
    const auto px = [](double v) { return static_cast<int>(std::lround(v)); };
    return QRect(px(x * 1.5), px(y * 1.625), px(width * 1.5), px(height * 1.625));
}

DialogPanel::DialogPanel(const DialogSpec& spec, QWidget* parent) : QFrame(parent), id_(spec.id) {
    setObjectName(QString("dialog_%1").arg(spec.id));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(212, 208, 200));
    setPalette(pal);
    QFont dialogFont = font();
    dialogFont.setPixelSize(10);
    setFont(dialogFont);
    setGeometry(dialogUnitsToPixels(0, 0, spec.width, spec.height));
    for (const ControlSpec& c : spec.controls) {
        QWidget* w;
        if (c.kind == ControlKind::Button) {
            auto* b = new QPushButton(QString::fromUtf8(c.text), this);
            connect(b, &QPushButton::clicked, this, [this, id = c.id] { emit command(id); });
            w = b;
        } else {
            auto* l = new QLabel(QString::fromUtf8(c.text), this);
            l->setAlignment(Qt::AlignCenter);
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            l->setLineWidth(1);
            w = l;
        }
        w->setObjectName(QString("control_%1").arg(c.id));
        w->setProperty("controlId", c.id);
        w->setGeometry(dialogUnitsToPixels(c.x, c.y, c.width, c.height));
        w->setVisible(!c.hidden);
        controls_[c.id] = w;
    }
}

QWidget* DialogPanel::control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}
QAbstractButton* DialogPanel::button(int id) const {
    return qobject_cast<QAbstractButton*>(control(id));
}
QLabel* DialogPanel::label(int id) const {
    return qobject_cast<QLabel*>(control(id));
}

void DialogPanel::setControlText(int id, const QString& text) {
    if (auto* l = label(id))
        l->setText(text);
    else if (auto* b = button(id))
        b->setText(text);
}

QString DialogPanel::controlText(int id) const {
    if (auto* l = label(id)) return l->text();
    if (auto* b = button(id)) return b->text();
    return {};
}

void DialogPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* b = qobject_cast<QAbstractButton*>(focusWidget())) {
            b->click();
            return;
        }
    }
    QFrame::keyPressEvent(event);
}

const DialogSpec& settingsDialogSpec() {
    using K = ControlKind;
    static const DialogSpec spec{101,
                                 539,
                                 349,
                                 {{1000, K::Button, "QUIT", 252, 226, 50, 14},
                                  {1001, K::Label, "points 0", 23, 17, 85, 25},
                                  {1002, K::Label, "", 125, 17, 160, 25},
                                  {1003, K::Button, "1 OPPONENT", 153, 67, 77, 21},
                                  {1005, K::Button, "2 OPPONENTS", 240, 67, 77, 21},
                                  {1004, K::Button, "3 OPPONENTS", 327, 67, 77, 21},
                                  {1006, K::Label, "PLAY WITH 1 OPPONENT", 24, 67, 102, 25},
                                  {1007, K::Label, "PLAY 1 UNIT", 24, 99, 102, 25},
                                  {1008, K::Button, "1 UNIT", 153, 99, 77, 21},
                                  {1009, K::Button, "2 UNITS", 240, 99, 77, 21},
                                  {1010, K::Button, "+1", 24, 226, 36, 21},
                                  {1011, K::Button, "+5", 77, 226, 36, 21},
                                  {1012, K::Button, "+10", 132, 226, 36, 21},
                                  {1013, K::Button, "+20", 182, 226, 36, 21},
                                  {1014, K::Button, "START GAME", 153, 170, 151, 33, true},
                                  {1016, K::Label, "PLAY CHI OPTION", 24, 132, 102, 25},
                                  {1017, K::Button, "PLAY CHI OPTION", 153, 132, 77, 21},
                                  {1018, K::Button, "PLAY SET OPTION", 240, 132, 77, 21}}};
    return spec;
}

const DialogSpec& arrangementDialogSpec() {
    using K = ControlKind;
    static const DialogSpec spec{104,
                                 195,
                                 285,
                                 {{1005, K::Button, "6 PAIRS", 7, 7, 84, 29},
                                  {1006, K::Button, "5 PAIRS, 1TRIPLE", 104, 7, 84, 28},
                                  {1007, K::Button, "3 STRAIGHT", 7, 47, 84, 28},
                                  {1008, K::Button, "3 FLUSH", 105, 46, 83, 28},
                                  {1011, K::Button, "13 STRAIGHT", 7, 93, 84, 27},
                                  {1010, K::Button, "13 STRAIGHT FLUSH", 104, 93, 84, 27},
                                  {1009, K::Button, "REGULAR", 7, 141, 181, 39},
                                  {1001, K::Label, "points 20", 53, 199, 85, 25},
                                  {1003, K::Button, "order by suite", 7, 247, 79, 31},
                                  {1004, K::Button, "order by card number", 109, 248, 79, 30}}};
    return spec;
}

const DialogSpec& resultsDialogSpec() {
    using K = ControlKind;
    static const DialogSpec spec{
        105,
        211,
        33,
        {{1002, K::Button, "OK", 133, 7, 57, 14}, {1001, K::Label, "points 20", 7, 7, 107, 14}}};
    return spec;
}

}  // namespace kov::ui
