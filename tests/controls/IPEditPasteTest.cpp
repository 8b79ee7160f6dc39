// SPDX-License-Identifier: MIT
#include "controls/IPEdit.h"
#include "tests/support/ContextMenuPaste.h"
#include "tests/support/QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

namespace maskwell {
namespace {

enum class Path { ControlV, ShiftInsert, ContextMenu, MiddleButton };

struct PathCase {
    friend void PrintTo(const PathCase& c, std::ostream* out) { *out << c.Name; }
    const char* Name;
    Path How;
    int Field;
    QClipboard::Mode Mode = QClipboard::Clipboard;
};

// Every way of pasting into a field reports the text (PasteRequested) and
// leaves the fields as they were.
class IPEditPaste : public ::testing::TestWithParam<PathCase> {
protected:
    void SetUp() override {
        window.resize(260, 40);
        ipe = new TIPEdit(&window);
        ipe->setGeometry(10, 6, 169, 21);
        ipe->SetText("192.168.0.1");
        QObject::connect(ipe, &TIPEdit::PasteRequested,
                         [this](const QString& text) { pasted << text; });
        QObject::connect(ipe, &TIPEdit::OctetsRepaired, [this] { ++rebinds; });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    static QClipboard* Clipboard() { return QGuiApplication::clipboard(); }

    void PasteThrough(const PathCase& c) {
        TIPByteEdit* field = ipe->ByteEdit(c.Field);
        switch (c.How) {
        case Path::ControlV:
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            break;
        case Path::ShiftInsert:
            QTest::keyClick(field, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Path::ContextMenu: {
            QAction* paste = test::ContextMenuPaste(field, QPoint(3, 3));
            ASSERT_NE(paste, nullptr);
            paste->trigger();
            QApplication::activePopupWidget()->close();
            break;
        }
        case Path::MiddleButton:
            QTest::mouseClick(field, Qt::MiddleButton, {}, QPoint(3, 3));
            break;
        }
    }

    QWidget window;
    TIPEdit* ipe = nullptr;
    QStringList pasted;
    int rebinds = 0;
};

TEST_P(IPEditPaste, ReportsTheTextAndLeavesTheField) {
    const PathCase& c = GetParam();
    if (c.Mode == QClipboard::Selection && !Clipboard()->supportsSelection())
        GTEST_SKIP() << "no selection clipboard on this platform (offscreen); the X11 run "
                        "of this suite covers it";
    Clipboard()->setText(QStringLiteral("10.1.2.3/8"), QClipboard::Clipboard);
    if (c.Mode == QClipboard::Selection)
        Clipboard()->setText(QStringLiteral("172.16.0.9 255.255.0.0"), QClipboard::Selection);
    ipe->ByteEdit(c.Field)->setFocus();
    QApplication::processEvents();
    rebinds = 0; // leaving a field for another repairs
    PasteThrough(c);
    EXPECT_EQ(pasted, QStringList{c.Mode == QClipboard::Selection ? "172.16.0.9 255.255.0.0"
                                                                  : "10.1.2.3/8"});
    EXPECT_EQ(ipe->Text(), "192.168.0.1") << "the receiver alone decides what the fields take";
    EXPECT_EQ(rebinds, 0);
}

INSTANTIATE_TEST_SUITE_P(IPEdit, IPEditPaste,
                         ::testing::Values(PathCase{"ControlV", Path::ControlV, 0},
                                           PathCase{"ShiftInsert", Path::ShiftInsert, 3},
                                           PathCase{"ContextMenuPaste", Path::ContextMenu, 1},
                                           PathCase{"MiddleButtonSelection", Path::MiddleButton, 2,
                                                    QClipboard::Selection}),
                         [](const ::testing::TestParamInfo<PathCase>& info) {
                             return info.param.Name;
                         });

TEST(IPEditPasteWithoutReceiver, TakesNothing) {
    QWidget window;
    auto* ipe = new TIPEdit(&window);
    ipe->SetText("192.168.0.1");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QGuiApplication::clipboard()->setText(QStringLiteral("10."));
    ipe->ByteEdit(0)->setFocus();
    QTest::keyClick(ipe->ByteEdit(0), Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(ipe->ByteEdit(0), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ipe->Text(), "192.168.0.1");
}

} // namespace
} // namespace maskwell
