// SPDX-License-Identifier: MIT
#include "platform/ErrorBox.h"

#include "core/Error.h"
#include "platform/NoticeBox.h"
#include "tests/support/ErrorBoxRecorder.h"
#include "tests/support/ModalBoxCloser.h"

#include <QApplication>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

TEST(Guarded, ShowsTheFailureMessageAndStopsTheBodyThere) {
    test::ErrorBoxRecorder errors;
    bool reachedEnd = false;
    Guarded([&] {
        throw ConversionError("x");
        reachedEnd = true;
    });
    EXPECT_FALSE(reachedEnd);
    EXPECT_EQ(errors.Messages(), QStringList{"'x' is not a valid integer value"});
}

TEST(Guarded, ReportsAnEmptyFieldWithEmptyQuotes) {
    test::ErrorBoxRecorder errors;
    Guarded([] { throw ConversionError(""); });
    EXPECT_EQ(errors.Messages(), QStringList{"'' is not a valid integer value"});
}

TEST(Guarded, CatchesLibraryExceptionsAndForeignThrowsToo) {
    test::ErrorBoxRecorder errors;
    Guarded([] { throw std::out_of_range("index 7"); });
    Guarded([] { throw 42; });
    EXPECT_EQ(errors.Messages(), (QStringList{"index 7", "Unknown error"}));
}

TEST(Guarded, ShowsNothingWhenTheBodySucceeds) {
    test::ErrorBoxRecorder errors;
    int runs = 0;
    Guarded([&] { ++runs; });
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(errors.Messages().isEmpty());
}

TEST(ErrorBox, RealBoxIsModalWithTheApplicationTitle) {
    const ErrorBoxSink recorder = SetErrorBoxSink({}); // the real box for once
    QString title;
    bool modal = false;
    test::ModalBoxCloser closer([&](QWidget* box) {
        title = box->windowTitle();
        modal = box == QApplication::activeModalWidget();
    });
    ShowErrorBox(QStringLiteral("Unable to write to /x/maskwell.ini"));
    SetErrorBoxSink(recorder);
    EXPECT_EQ(closer.Texts(), QStringList{"Unable to write to /x/maskwell.ini"});
    EXPECT_EQ(title, QStringLiteral("Maskwell"));
    EXPECT_TRUE(modal);
}

TEST(NoticeBox, IsModalWithOneButtonAndReturnsWhenClosed) {
    int buttons = -1;
    bool modal = false;
    test::ModalBoxCloser closer([&](QWidget* shown) {
        modal = shown == QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(shown))
            buttons = static_cast<int>(box->buttons().size());
    });
    ShowNotice(nullptr, QStringLiteral("multicast or class d"));
    EXPECT_EQ(closer.Texts(), QStringList{"multicast or class d"});
    EXPECT_EQ(buttons, 1);
    EXPECT_TRUE(modal);
}

} // namespace
} // namespace maskwell
