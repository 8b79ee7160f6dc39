// SPDX-License-Identifier: MIT
#pragma once

#include "app/Main.h"
#include "controls/IPEdit.h"
#include "controls/Label3D.h"
#include "controls/QlCheckBox.h"
#include "controls/advedit/AdvEdit.h"
#include "platform/PageControl.h"
#include "tests/support/FileContents.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace maskwell::test {

// The real main window, its settings file in a temporary folder, driven with
// keys and clicks as a user would.
class MainWindowFixture : public ::testing::Test {
protected:
    void TearDown() override { form.reset(); }

    void WriteSettings(const QByteArray& contents) {
        ASSERT_TRUE(WriteWholeFile(settingsPath, contents));
    }
    QByteArray SettingsContents() const { return WholeFile(settingsPath, "(missing)"); }

    // Creates, shows and activates the window: the first activation loads the
    // settings and computes.
    void Start() {
        form = std::make_unique<TMaskwellForm>(settingsPath);
        if (startAddress)
            form->SetStartAddress(*startAddress);
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->Activated(); }));
        // A notice during the first activation takes the activation away; the
        // desktop would give it back when the box closes, offscreen does not.
        if (!form->isActiveWindow())
            QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // Closes the window, which stores the settings, and destroys it.
    void Stop() {
        form->close();
        form.reset();
    }

    // The user clicks the Address Info tab; the page's controls exist from then on.
    void ShowAddressInfo() {
        QTest::mouseClick(form->PageControl1->Tab(1), Qt::LeftButton);
        ASSERT_EQ(form->PageControl1->ActivePageIndex(), 1);
        ASSERT_NE(form->CBA1, nullptr);
    }

    // Tabs into the address, types it and leaves the last field.
    void TypeAddress(const char* keys) {
        if (!QApplication::activeWindow()) { // a notice box closed before
            QApplication::setActiveWindow(form.get());
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        }
        form->IPE->ByteEdit(0)->setFocus(Qt::TabFocusReason);
        for (const char* key = keys; *key; ++key)
            KeyToFocus(static_cast<Qt::Key>(*key), QString(QChar(*key)));
        KeyToFocus(Qt::Key_Tab, QString());
    }

    // A key to whatever has the focus by then; a notice box closed in between
    // gives the window back its activation first, as the desktop would.
    void KeyToFocus(Qt::Key key, const QString& text) {
        if (!QApplication::focusWidget()) {
            QApplication::setActiveWindow(form.get());
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        }
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(focus, &press);
        if (QApplication::focusWidget() == focus || !QApplication::focusWidget())
            QApplication::sendEvent(focus, &release);
        else
            QApplication::sendEvent(QApplication::focusWidget(), &release);
    }

    // The user picks the row showing text in a selector, by keyboard.
    static void Pick(QComboBox* combo, const QString& text) {
        const int row = combo->findText(text);
        ASSERT_GE(row, 0) << text.toStdString();
        QTest::keyClick(combo, Qt::Key_Home);
        while (combo->currentIndex() < row)
            QTest::keyClick(combo, Qt::Key_Down);
        ASSERT_EQ(combo->currentIndex(), row);
    }

    void ClickCheckBox(TQlCheckBox* box) {
        const QPoint inside(6, 8);
        QCursor::setPos(box->mapToGlobal(inside));
        QTest::mouseClick(box, Qt::LeftButton, {}, inside);
    }

    QString Masks() const {
        return form->CB1->currentText() + " / " + form->CB2->currentText() + " / " +
               form->CB3->currentText() + " / " + form->CB4->currentText();
    }
    QString Results() const {
        return form->E1->Text() + " | " + form->E2->Text() + " | " + form->E3->Text();
    }

    QTemporaryDir folder;
    QString settingsPath = folder.filePath("maskwell.ini");
    std::unique_ptr<TMaskwellForm> form;
    std::optional<AddressInput> startAddress; // as the command line gives it
};

} // namespace maskwell::test
