// SPDX-License-Identifier: MIT
#include "app/SubnetsWindow.h"

#include "app/SubnetListModel.h"
#include "platform/IniFile.h"
#include "platform/UniformTableView.h"
#include "tests/app/MainWindowFixture.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>

namespace maskwell {
namespace {

class SubnetsWindow : public test::MainWindowFixture {
protected:
    // Ctrl+L in the main window, as a user opens the list; it takes the keyboard.
    TSubnetsWindow* Open() {
        QTest::keyClick(form->IPE->ByteEdit(0), Qt::Key_L, Qt::ControlModifier);
        TSubnetsWindow* window = form->SubnetsWindow();
        EXPECT_TRUE(window && window->isVisible() && Active(window));
        return window;
    }
    // Ctrl+L in the list goes back to the main window.
    void BackToMain(TSubnetsWindow* window) {
        QTest::keyClick(window->View(), Qt::Key_L, Qt::ControlModifier);
        ASSERT_TRUE(Active(form.get()));
    }
    // A child window counts as active while its parent is (QWindow::isActive):
    // this waits for the keyboard itself.
    static bool Active(QWidget* window) {
        return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000);
    }
    // The list follows once the round of events that changed the results ends.
    static bool Shows(TSubnetsWindow* window, const QString& summary) {
        const bool shown =
            QTest::qWaitFor([&] { return window->Summary()->text().startsWith(summary); }, 2000);
        EXPECT_TRUE(shown) << window->Summary()->text().toStdString();
        return shown;
    }
    static int CurrentRow(TSubnetsWindow* window) { return window->View()->currentIndex().row(); }
    static QString Cell(TSubnetsWindow* window, int row, int column) {
        const QAbstractItemModel* model = window->View()->model();
        return model->data(model->index(row, column)).toString();
    }
};

TEST_F(SubnetsWindow, FollowsEveryAddressAndMaskOfTheMainWindow) {
    Start();
    EXPECT_EQ(form->SubnetsWindow(), nullptr) << "built when first opened";
    TSubnetsWindow* window = Open();
    ASSERT_TRUE(window);
    ASSERT_TRUE(Shows(window, "Class C network 192.168.0.0, mask bits 24: the network itself"));
    EXPECT_EQ(window->View()->model()->rowCount(), 1);

    BackToMain(window);
    TypeAddress("172.16.77.9");
    ASSERT_TRUE(Shows(window, "Class B network 172.16.0.0, mask bits 24: 256 subnets, 254"));
    EXPECT_EQ(CurrentRow(window), 77);
    Pick(form->CB2, "20");
    ASSERT_TRUE(Shows(window, "Class B network 172.16.0.0, mask bits 20: 16 subnets"));
    EXPECT_EQ(CurrentRow(window), 4);
    EXPECT_EQ(Cell(window, 4, 1), form->E2->Text());
    BackToMain(window);
    TypeAddress("10.255.255.254");
    Pick(form->CB2, "30");
    ASSERT_TRUE(Shows(window, "Class A network 10.0.0.0, mask bits 30: 4194304 subnets"));
    EXPECT_EQ(CurrentRow(window), 4194303);
    EXPECT_EQ(Cell(window, 4194303, 5), "all-ones");
    const QRect row = window->View()->visualRect(window->View()->currentIndex());
    EXPECT_TRUE(window->View()->viewport()->rect().contains(row)) << "scrolled into view";
}

TEST_F(SubnetsWindow, GoToSelectsARowAndEnterMovesTheMainWindowThere) {
    Start();
    TypeAddress("172.16.77.9");
    Pick(form->CB2, "20");
    TSubnetsWindow* window = Open();
    ASSERT_TRUE(window && Shows(window, "Class B network 172.16.0.0, mask bits 20"));

    // A digit typed in the list starts the address in the Go to field.
    window->View()->setFocus();
    QTest::keyClick(window->View(), Qt::Key_1, Qt::NoModifier);
    EXPECT_EQ(window->GoToField()->text(), "1");
    QTest::keyClicks(window->GoToField(), "0.1.2.3");
    QTest::keyClick(window->GoToField(), Qt::Key_Return);
    EXPECT_EQ(CurrentRow(window), 4) << "10.1.2.3 is not in the list: nothing moves";
    QTest::keyClick(window->GoToField(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(window->GoToField(), "172.16.200.9");
    QTest::keyClick(window->GoToField(), Qt::Key_Return);
    EXPECT_EQ(CurrentRow(window), 12);
    EXPECT_TRUE(window->View()->hasFocus());

    QTest::keyClick(window->View(), Qt::Key_Return);
    EXPECT_EQ(form->IPE->Text(), "172.16.192.0");
    EXPECT_EQ(form->E3->Text(), "172.16.207.255");
    EXPECT_EQ(form->CB2->currentText(), "20") << "the mask stays";
    ASSERT_TRUE(Shows(window, "Class B network 172.16.0.0, mask bits 20"));
    EXPECT_EQ(CurrentRow(window), 12);
}

// What the clipboard and the exported file hold reads back as the rows shown.
TEST_F(SubnetsWindow, CopiedAndExportedRowsReadBackAsTheList) {
    Start();
    TypeAddress("192.168.5.130");
    Pick(form->CB2, "26");
    TSubnetsWindow* window = Open();
    ASSERT_TRUE(window && Shows(window, "Class C network 192.168.5.0, mask bits 26: 4 subnets"));
    const auto rowText = [&](int row, QChar separator) {
        QStringList cells;
        for (int column = 0; column < 6; ++column)
            cells << Cell(window, row, column);
        return cells.join(separator);
    };

    window->View()->setFocus();
    QTest::keyClick(window->View(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(window->View(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Number\tSubnet ID\tFirst Host\tLast Host\tBroadcast\tMark\n" + rowText(2, u'\t') +
                  "\n" + rowText(3, u'\t') + "\n");
    EXPECT_EQ(rowText(3, u'\t'), "3\t192.168.5.192\t192.168.5.193\t192.168.5.254\t"
                                 "192.168.5.255\tall-ones");

    const QString path = folder.filePath("subnets.csv");
    window->ExportTo(path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    ASSERT_EQ(lines.size(), 6) << "header, 4 rows, and the end of the last line";
    EXPECT_EQ(lines[0], "Number,Subnet ID,First Host,Last Host,Broadcast,Mark");
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(lines[row + 1], rowText(row, u','));

    EXPECT_THROW(window->ExportTo(folder.filePath("missing/subnets.csv")), WriteError);
}

TEST_F(SubnetsWindow, SizeAndOpenStateComeBackAtTheNextStart) {
    Start();
    TSubnetsWindow* window = Open();
    ASSERT_TRUE(window);
    window->resize(700, 500);
    Stop();
    EXPECT_TRUE(SettingsContents().endsWith("[subnets]\nopen=1\nwidth=700\nheight=500\n"))
        << SettingsContents().toStdString();

    Start();
    window = form->SubnetsWindow();
    ASSERT_TRUE(window && window->isVisible()) << "open as it was";
    EXPECT_EQ(window->size(), QSize(700, 500));
    EXPECT_EQ(QApplication::activeWindow(), form.get()) << "the keyboard stays in the main window";
    EXPECT_EQ(Open(), window);
    QTest::keyClick(window->View(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    Stop();
    EXPECT_TRUE(SettingsContents().endsWith("[subnets]\nopen=0\nwidth=700\nheight=500\n"));

    Start();
    EXPECT_EQ(form->SubnetsWindow(), nullptr) << "closed, it is not built at start-up";
    Stop();
    EXPECT_TRUE(SettingsContents().endsWith("[subnets]\nopen=0\nwidth=700\nheight=500\n"))
        << "the size stays for the next opening";
}

} // namespace
} // namespace maskwell
