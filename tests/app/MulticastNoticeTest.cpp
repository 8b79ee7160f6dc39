// SPDX-License-Identifier: MIT
// The multicast notice under a quick typist's keys: it waits until the address
// is complete, comes once, and takes none of the keys meant for the address.
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ModalBoxCloser.h"

#include <QFontDatabase>
#include <QMessageBox>
#include <QPointer>
#include <deque>

namespace maskwell {
namespace {

struct Stroke {
    Qt::Key Key;
    QString Text;
    bool Press;
};

// Keys go, press and release apart, to whatever has the keyboard at that
// moment, a box included: a box that comes up while the typist goes on takes
// the keys that follow until one of them closes it, as on a desktop.
class TypistNotice : public test::MainWindowFixture {
protected:
    void Queue(const char* keys) {
        for (const char* key = keys; *key; ++key) {
            const Qt::Key code = *key == '\t'   ? Qt::Key_Tab
                                 : *key == '\r' ? Qt::Key_Return
                                                : static_cast<Qt::Key>(*key);
            const QString text = *key == '\t' ? QString() : QString(QChar(*key));
            pending_.push_back({code, text, true});
            pending_.push_back({code, text, false});
        }
    }

    // Sends the queued keys; inside a box's own loop it stops once that box
    // has closed, and the typing goes on where the box was opened from.
    void Send(QWidget* box = nullptr) {
        while (!pending_.empty() && (box == nullptr || box->isVisible())) {
            const Stroke stroke = pending_.front();
            pending_.pop_front();
            if (box == nullptr && QApplication::activeWindow() == nullptr) {
                QApplication::setActiveWindow(form.get());
                ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
            }
            QWidget* target = QApplication::focusWidget();
            ASSERT_NE(target, nullptr);
            QKeyEvent event(stroke.Press ? QEvent::KeyPress : QEvent::KeyRelease, stroke.Key,
                            Qt::NoModifier, stroke.Text);
            QApplication::sendEvent(target, &event);
        }
    }

    std::deque<Stroke> pending_;
};

struct TypedCase {
    friend void PrintTo(const TypedCase& c, std::ostream* out) { *out << c.Name; }
    const char* Name;
    const char* Keys; // a space closes a box that is up
    bool ThenClickMaskBits;
    const char* Address;
    bool FocusInAddress; // else on the page control, after the Tab
};

class MulticastTyped : public TypistNotice, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(MulticastTyped, OneNoticeOnceTheAddressIsCompleteAndNoKeyLost) {
    const TypedCase& row = GetParam();
    Start();
    QStringList shownWith; // the address on screen as each box came up
    int titleRoomShort = 0;
    test::ModalBoxCloser closer([&](QWidget* box) {
        shownWith << form->IPE->Text();
        // The title bar holds the title beside the window's icon and buttons.
        const QFontMetrics title(QFontDatabase::systemFont(QFontDatabase::TitleFont));
        titleRoomShort =
            title.horizontalAdvance(box->windowTitle()) + 6 * title.height() - box->width();
        Send(box);
    });
    form->IPE->ByteEdit(0)->setFocus(Qt::TabFocusReason);
    Queue(row.Keys);
    Send();
    if (row.ThenClickMaskBits) {
        QTest::mouseClick(form->CB2, Qt::LeftButton);
        form->CB2->hidePopup();
    }
    EXPECT_EQ(form->IPE->Text(), row.Address);
    EXPECT_EQ(closer.Texts(), QStringList{"multicast or class d"});
    EXPECT_EQ(shownWith, QStringList{row.Address}) << "the address was complete";
    EXPECT_LE(titleRoomShort, 0) << "pixels short of room for the box's title";
    if (!row.ThenClickMaskBits) {
        if (QApplication::activeWindow() == nullptr) { // the desktop gives it back
            QApplication::setActiveWindow(form.get());
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        }
        QWidget* focus = QApplication::focusWidget();
        EXPECT_EQ(focus != nullptr && form->IPE->isAncestorOf(focus), row.FocusInAddress);
    }
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, MulticastTyped,
    ::testing::Values(
        TypedCase{"DotsThenTab", "224.0.0.5\t ", false, "224.0.0.5", false},
        TypedCase{"LastFieldCompletes", "224001002003 ", false, "224.1.2.3", true},
        TypedCase{"ReturnClosesItInTheLastField", "224.1.2.255\r", false, "224.1.2.255", true},
        TypedCase{"MaskListClickedAfterwards", "224.1.2.255 ", true, "224.1.2.255", false}),
    [](const auto& info) { return std::string(info.param.Name); });

// An address named on the command line replaces the stored one before the
// window shows anything: only the address shown may bring up the notice.
struct StartCase {
    friend void PrintTo(const StartCase& c, std::ostream* out) { *out << c.Name; }
    const char* Name;
    const char* Stored;
    const char* CommandLine;
    QStringList Notices;
};

class MulticastAtStart : public test::MainWindowFixture,
                         public ::testing::WithParamInterface<StartCase> {};

TEST_P(MulticastAtStart, ComesOnlyForTheAddressShown) {
    const StartCase& row = GetParam();
    WriteSettings(QByteArray("[conf]\nipaddr=") + row.Stored + "\nmask=3\n");
    startAddress = ParseAddressInput(row.CommandLine);
    test::ModalBoxCloser closer;
    Start();
    EXPECT_EQ(form->IPE->Text(), row.CommandLine);
    EXPECT_EQ(closer.Texts(), row.Notices);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, MulticastAtStart,
                         ::testing::Values(StartCase{"AnotherClass", "224.1.2.3", "10.1.2.3", {}},
                                           StartCase{"AnotherMulticastAddress",
                                                     "224.1.2.3",
                                                     "230.0.0.1",
                                                     {"multicast or class d"}}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace maskwell
