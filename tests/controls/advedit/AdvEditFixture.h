// SPDX-License-Identifier: MIT
#pragma once

#include "controls/advedit/AdvEdit.h"
#include "platform/Locale.h"
#include "tests/support/QtPrinters.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace maskwell::test {

// A point inside `field` before character `index` (where a click puts the
// caret, or a drop lands).
inline QPoint AtChar(TAdvEdit& field, int index) {
    const int y = field.height() / 2;
    for (int x = 0; x < field.width(); ++x)
        if (field.CharIndexAt({x, y}) == index)
            return {x, y};
    ADD_FAILURE() << "no point for character " << index;
    return {};
}

// Number formats in these tests read "1,234.50".
class UsSeparators : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(u'.');
        SetThousandSeparator(u',');
    }
};

// A shown, active window holding the edit under test and, after it in the tab
// chain, a plain line edit for the focus to go to.
class AdvEditWindow : public UsSeparators {
protected:
    void SetUp() override {
        UsSeparators::SetUp();
        window.resize(320, 120);
        edit = new TAdvEdit(&window);
        edit->setGeometry(10, 10, 120, 21);
        next = new QLineEdit(&window);
        next->setGeometry(10, 50, 120, 21);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        // The activated window focuses its first field; tests decide when the
        // edit gets the focus.
        ASSERT_TRUE(FocusOn(next));
    }

    // Gives the edit the focus, as a Tab would, and waits for it.
    bool FocusEdit() { return FocusOn(edit); }
    bool FocusOn(QWidget* widget) {
        widget->setFocus(Qt::TabFocusReason);
        return QTest::qWaitFor([widget] { return widget->hasFocus(); }, 2000);
    }
    // Delivers the key events the edit posted (a forwarded Enter, a Tab).
    static void DeliverPostedEvents() { QCoreApplication::sendPostedEvents(); }

    // Background and text colour the edit is drawn with now.
    QColor Background() const { return edit->palette().color(QPalette::Active, QPalette::Base); }
    QColor Foreground() const { return edit->palette().color(QPalette::Active, QPalette::Text); }

    QWidget window;
    TAdvEdit* edit = nullptr;
    QLineEdit* next = nullptr;
};

} // namespace maskwell::test
