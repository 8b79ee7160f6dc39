// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEdit.h"
#include "tests/controls/advedit/AdvEditFixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

namespace maskwell {
namespace {

class AdvEditClipboard : public test::AdvEditWindow {
protected:
    void SetUp() override {
        test::AdvEditWindow::SetUp();
        ASSERT_TRUE(FocusEdit());
    }
    static QClipboard* Clipboard() { return QGuiApplication::clipboard(); }
    void Paste(const QString& text) {
        Clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }
    // Opens the field's context menu and picks the entry whose text starts so.
    void PickFromContextMenu(const QString& entry) {
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                                  edit->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(edit, &request);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QAction* picked = nullptr;
        for (QAction* action : menu->actions())
            if (action->text().startsWith(entry))
                picked = action;
        ASSERT_NE(picked, nullptr) << entry.toStdString();
        ASSERT_TRUE(picked->isEnabled());
        picked->trigger();
        menu->close();
    }
};

TEST_F(AdvEditClipboard, NumericFieldsTakeOnlyPastesThatStayIntegers) {
    edit->SetEditType(etNumeric);
    edit->SetText("345");
    edit->setCursorPosition(1);
    Paste("ab");
    EXPECT_EQ(edit->Text(), "345");
    EXPECT_EQ(edit->cursorPosition(), 3); // as if it had been inserted
    edit->setSelection(1, 1);
    Paste("12");
    EXPECT_EQ(edit->Text(), "3125");
    EXPECT_EQ(edit->selectedText(), "12");
    EXPECT_TRUE(edit->Modified());
}

TEST_F(AdvEditClipboard, RangeAndHexFieldsIgnorePastes) {
    edit->SetEditType(etRange);
    edit->SetText("1-5");
    Paste("7");
    EXPECT_EQ(edit->Text(), "1-5");
    edit->SetEditType(etHex);
    edit->SetText("FF");
    Paste("A");
    EXPECT_EQ(edit->Text(), "FF");
}

TEST_F(AdvEditClipboard, FloatPastesAreReformattedOrRefused) {
    edit->SetEditType(etFloat);
    edit->SetText("");
    Paste("2.5");
    EXPECT_EQ(edit->Text(), ""); // no decimals at precision 0
    edit->SetPrecision(2);
    edit->SetText("");
    Paste("2.5");
    EXPECT_EQ(edit->Text(), "2.50");
    edit->SetEditType(etMoney);
    edit->SetText("");
    Paste("1234.5");
    EXPECT_EQ(edit->Text(), "1,234.50");
    EXPECT_EQ(edit->selectedText(), "1,234.50");
}

TEST_F(AdvEditClipboard, TextPastesAreShapedAndMarkTheFieldModified) {
    edit->SetEditType(etMixedCase);
    Paste("henry iii");
    EXPECT_EQ(edit->Text(), "Henry III");
    EXPECT_TRUE(edit->Modified());
    edit->SetEditType(etAlphaNumeric);
    edit->SetText("ab");
    edit->setCursorPosition(2);
    Paste("c d");
    EXPECT_EQ(edit->Text(), "ab");
}

TEST_F(AdvEditClipboard, ReadOnlyFieldsRefusePastes) {
    edit->SetText("keep");
    edit->SetReadOnly(true);
    bool asked = false;
    edit->OnClipboardPaste = [&](QObject*, const QString&, bool&) { asked = true; };
    Paste("x");
    EXPECT_EQ(edit->Text(), "keep");
    EXPECT_FALSE(asked);
}

TEST_F(AdvEditClipboard, HandlersSeeTheSelectedValueAndMayVeto) {
    edit->SetPrefix("$");
    edit->SetText("1234");
    edit->setSelection(2, 2);
    QString offered;
    edit->OnClipboardCopy = [&](QObject* sender, const QString& value, bool& allow) {
        EXPECT_EQ(sender, edit);
        offered = value;
        allow = false;
    };
    Clipboard()->setText("before");
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(offered, "23");
    EXPECT_EQ(Clipboard()->text(), "before");

    edit->OnClipboardCut = [](QObject*, const QString&, bool& allow) { allow = false; };
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), "1234");

    edit->OnClipboardPaste = [](QObject*, const QString&, bool& allow) { allow = false; };
    Paste("99");
    EXPECT_EQ(edit->Text(), "1234");
}

TEST_F(AdvEditClipboard, AllowedOperationsWorkOnTheSelection) {
    edit->SetText("hello world");
    edit->setSelection(0, 5);
    int copies = 0;
    edit->OnClipboardCopy = [&](QObject*, const QString&, bool&) { ++copies; };
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(Clipboard()->text(), "hello");
    EXPECT_EQ(copies, 1);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), " world");
    edit->setCursorPosition(6);
    QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(edit->Text(), " worldhello");
}

TEST_F(AdvEditClipboard, ContextMenuGoesThroughTheSameRules) {
    edit->SetText("menu");
    edit->selectAll();
    bool vetoed = false;
    edit->OnClipboardCopy = [&](QObject*, const QString&, bool& allow) {
        vetoed = true;
        allow = false;
    };
    Clipboard()->setText("before");
    PickFromContextMenu(QLineEdit::tr("&Copy"));
    EXPECT_TRUE(vetoed);
    EXPECT_EQ(Clipboard()->text(), "before");

    edit->SetEditType(etNumeric);
    edit->SetText("12");
    edit->selectAll();
    Clipboard()->setText("x");
    PickFromContextMenu(QLineEdit::tr("&Paste"));
    EXPECT_EQ(edit->Text(), "12");
    EXPECT_TRUE(edit->hasFocus()); // the popup took no field rule with it
}

} // namespace
} // namespace maskwell
