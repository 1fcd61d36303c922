// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The panels' controls as the player and assistive technology meet them: every control is
// named, and every text fits its control in English and in Vietnamese, through the settings the
// player can choose.

#include "ui/dialog_panel.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QTranslator>

#include "ui/main_window.h"
#include "ui/translations.h"
#include "ui/ui_test_support.h"

namespace kov::ui {
namespace {

std::vector<const DialogPanel*> panels(const MainWindow& w) {
    return {w.settingsDialog(), w.arrangementDialog(), w.resultsDialog()};
}

// Each control as assistive technology reaches it: through the panel's accessible children.
TEST(PanelAccessibility, EveryControlHasAnAccessibleName) {
    MainWindow w(testCardLibrary(), 1);
    w.setInputGuard(0);  // the presses follow each other at once
    for (const DialogPanel* panel : panels(w)) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(
            const_cast<DialogPanel*>(panel));  // the interface takes a non-const object
        ASSERT_NE(iface, nullptr);
        int controls = 0;
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface* child = iface->child(i);
            QWidget* widget = qobject_cast<QWidget*>(child->object());
            if (!widget || !widget->property("controlId").isValid()) continue;
            ++controls;
            const QString name = child->text(QAccessible::Name);
            const auto* label = qobject_cast<QLabel*>(widget);
            if (label && label->text().isEmpty()) continue;  // the points needed, when none are
            EXPECT_FALSE(name.isEmpty())
                << panel->dialogId() << " " << widget->objectName().toStdString();
            if (label) {
                EXPECT_EQ(name, label->text());
            }
            if (auto* b = qobject_cast<QAbstractButton*>(widget)) {
                EXPECT_EQ(child->role(), QAccessible::Button);
                // The point purchases say what they do; the other buttons read their text.
                if (b->text() == "+1") {
                    EXPECT_EQ(name, "add 1 point");
                } else if (b->text().startsWith('+')) {
                    EXPECT_EQ(name, "add " + b->text().mid(1) + " points");
                } else {
                    EXPECT_EQ(name, b->text());
                }
            }
        }
        EXPECT_EQ(controls, static_cast<int>(panel->children().size()))
            << "every control of panel " << panel->dialogId() << " is reachable";
    }
}

TEST(PanelAccessibility, ChangedTextsRenameTheControl) {
    MainWindow w(testCardLibrary(), 1);
    w.setInputGuard(0);  // the presses follow each other at once
    w.show();
    SettingsPanel* s = w.settingsDialog();
    press(s, SettingsControl::ThreeOpponents);
    press(s, SettingsControl::AddTwentyPoints);
    EXPECT_EQ(s->control(SettingsControl::OpponentsLabel)->accessibleName(), "PLAY 3 OPPONENTS");
    EXPECT_EQ(s->control(SettingsControl::Points)->accessibleName(), "points 20");
    EXPECT_EQ(s->control(SettingsControl::PointsNeeded)->accessibleName(), "need 34 more points");
    EXPECT_EQ(s->control(SettingsControl::AddTwentyPoints)->accessibleName(), "add 20 points");
}

// Whether each text of a panel fits inside its control, with room for a button's frame.
void expectTextsFit(const DialogPanel* panel, const char* when) {
    for (QObject* child : panel->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget) continue;
        const QFontMetrics fm = widget->fontMetrics();
        if (auto* b = qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_LE(fm.horizontalAdvance(b->text()) + 8, b->width())
                << when << ": " << b->text().toStdString();
        }
        if (auto* l = qobject_cast<QLabel*>(widget)) {
            EXPECT_LE(fm.horizontalAdvance(l->text()) + 4, l->contentsRect().width())
                << when << ": " << l->text().toStdString();
        }
    }
}

// The settings the player can choose, each shown, with the longest points labels.
void expectEverySettingFits(MainWindow& w, const char* language) {
    SettingsPanel* s = w.settingsDialog();
    expectTextsFit(s, language);
    for (SettingsControl c :
         {SettingsControl::TwoOpponents, SettingsControl::ThreeOpponents, SettingsControl::TwoUnits,
          SettingsControl::SetOption, SettingsControl::ChiOption}) {
        press(s, c);
        expectTextsFit(s, language);
    }
    s->setControlText(SettingsControl::Points, pointsText(-99999));
    s->setControlText(SettingsControl::PointsNeeded, neededText(999));
    ResultsView balance;  // points -9999 +108 = -9891
    balance.pointsBefore = -9999;
    balance.gain = 108;
    balance.pointsAfter = -9891;
    w.resultsDialog()->setControlText(ResultsControl::Balance, balanceText(balance));
    for (const DialogPanel* panel : panels(w))
        expectTextsFit(panel, language);
}

TEST(PanelTexts, EnglishTextsFitTheirControls) {
    MainWindow w(testCardLibrary(), 1);
    w.setInputGuard(0);  // the presses follow each other at once
    w.show();
    expectEverySettingFits(w, "English");
}

TEST(PanelTexts, VietnameseTextsFitAndDifferFromTheEnglish) {
    const auto vi = installTranslation(QLocale(QLocale::Vietnamese));
    ASSERT_NE(vi, nullptr);
    {
        MainWindow w(testCardLibrary(), 1);
        w.setInputGuard(0);  // the presses follow each other at once
        w.show();
        EXPECT_EQ(w.windowTitle(), "KOVARIN32 của https://kovarin32.example.org");
        // Every text but the point purchases' numbers differs from its English source.
        const PanelLayout* layouts[] = {&settingsLayout(), &arrangementLayout(), &resultsLayout()};
        for (std::size_t i = 0; i < std::size(layouts); ++i)
            for (const ControlLayout& c : layouts[i]->controls) {
                if (!*c.text || c.text[0] == '+') continue;
                const QWidget* widget =
                    panels(w)[i]->findChild<QWidget*>(QString("control_%1").arg(c.id));
                ASSERT_NE(widget, nullptr);
                const auto* b = qobject_cast<const QAbstractButton*>(widget);
                const QString shown = b ? b->text() : qobject_cast<const QLabel*>(widget)->text();
                EXPECT_NE(shown, QString::fromUtf8(c.text));
                EXPECT_EQ(widget->accessibleName(), shown);
            }
        SettingsPanel* s = w.settingsDialog();
        EXPECT_EQ(s->controlText(SettingsControl::Quit), "THOÁT");
        EXPECT_EQ(s->controlText(SettingsControl::PointsNeeded), "cần thêm 18 điểm");
        EXPECT_EQ(s->control(SettingsControl::AddFivePoints)->accessibleName(), "thêm 5 điểm");
        EXPECT_EQ(w.arrangementDialog()->controlText(ArrangementControl::SixPairs), "LỤC PHẾ BÔN");
        expectEverySettingFits(w, "Vietnamese");
    }
    QCoreApplication::removeTranslator(vi.get());
}

}  // namespace
}  // namespace kov::ui
