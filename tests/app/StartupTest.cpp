// SPDX-License-Identifier: MIT
#include "app/SessionEnd.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ErrorBoxRecorder.h"
#include "tests/support/ModalBoxCloser.h"

#include <QAction>
#include <QSessionManager>
#include <QTimer>
#include <csignal>

namespace maskwell {
namespace {

using Startup = test::MainWindowFixture;

TEST_F(Startup, ClosingStoresAndTheNextStartRestores) {
    Start();
    TypeAddress("10.1.2.3");
    Pick(form->CB2, "13");
    Stop();
    EXPECT_EQ(SettingsContents(), "[conf]\nipaddr=10.1.2.3\nmask=3\nmaskbits=13\n");

    Start();
    EXPECT_EQ(form->IPE->Text(), "10.1.2.3");
    EXPECT_EQ(Masks(), "255.248.0.0 / 13 / 30 / 524286");
    EXPECT_EQ(Results(), "10.0.0.1 - 10.7.255.254 | 10.0.0.0 | 10.7.255.255");
    ShowAddressInfo();
    EXPECT_EQ(form->EA2->Text(), "00001010.00000001.00000010.00000011");
}

TEST_F(Startup, FileExitStoresToo) {
    Start();
    TypeAddress("150.2.3.4");
    form->Exit1->trigger();
    EXPECT_FALSE(form->isVisible());
    Stop();
    EXPECT_EQ(SettingsContents(), "[conf]\nipaddr=150.2.3.4\nmask=6\nmaskbits=24\n");
}

// File > Exit in a running program: the settings are stored, and a refused
// write shows its error box, while the application's event loop still runs.
TEST_F(Startup, FileExitStoresWhileTheLoopRuns) {
    WriteSettings("a file where a folder should be");
    settingsPath = folder.filePath("maskwell.ini/maskwell.ini");
    Start();
    bool loopRunning = false;
    QList<bool> loopRunningAtBox;
    test::ModalBoxCloser closer([&](QWidget*) { loopRunningAtBox << loopRunning; });
    const ErrorBoxSink recorder = SetErrorBoxSink({}); // the real box
    QTimer::singleShot(0, form.get(), [this] { form->Exit1->trigger(); });
    loopRunning = true;
    QApplication::exec(); // File > Exit ends it
    loopRunning = false;
    SetErrorBoxSink(recorder);
    EXPECT_EQ(closer.Texts(), QStringList{"Unable to write to " + settingsPath});
    EXPECT_EQ(loopRunningAtBox, QList<bool>{true});
    form.reset(); // destroying stores nothing more
    EXPECT_EQ(closer.Texts().size(), 1);
}

TEST_F(Startup, StoredMaskForms) {
    const struct {
        const char* File;
        const char* Masks;
    } cases[] = {
        {"[conf]\nipaddr=10.1.2.3\nmask=0x0E\n", "255.255.255.0 / 24 / 65534 / 254"},
        {"[conf]\nipaddr=10.1.2.3\nmask=abc\n", "255.255.255.0 / 24 / 65534 / 254"},
        {"[conf]\nipaddr=10.1.2.3\nmask=-1\n", " /  /  / "},
        {"[conf]\nipaddr=200.1.2.3\nmask=14\n", " /  /  / "}, // class C has 7 rows
        {"[conf]\nipaddr=200.1.2.3\n", "255.255.255.0 / 24 / 1 / 254"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        WriteSettings(c.File);
        Start();
        EXPECT_EQ(Masks(), c.Masks);
        Stop();
    }
}

TEST_F(Startup, DamagedStoredAddressIsRepairedLikeALeftField) {
    const struct {
        const char* Address;
        const char* Repaired;
    } cases[] = {
        {" 10.1.2.3 ", "10.1.2.3"}, {"-5.300.abc.7", "1.44.0.7"}, {"0.0.0.0", "1.0.0.0"},
        {"10.-1.2.3", "10.0.2.3"},  {"nonsense", "1.168.0.1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Address);
        WriteSettings(QByteArray("[conf]\nipaddr=") + c.Address + "\nmask=14\n");
        Start();
        EXPECT_EQ(form->IPE->Text(), c.Repaired);
        EXPECT_FALSE(form->E1->Text().isEmpty());
        Stop();
    }
}

TEST_F(Startup, StoredMulticastAddressIsClampedAndNotified) {
    WriteSettings("[conf]\nipaddr=250.1.2.3\nmask=14\n");
    test::ModalBoxCloser closer;
    Start();
    EXPECT_EQ(form->IPE->Text(), "239.1.2.3");
    EXPECT_EQ(closer.Texts(), QStringList{"multicast or class d"});
}

TEST_F(Startup, RefusedWriteShowsTheFullPath) {
    WriteSettings("a file where a folder should be");
    settingsPath = folder.filePath("maskwell.ini/maskwell.ini");
    Start();
    test::ErrorBoxRecorder errors;
    Stop();
    EXPECT_EQ(errors.Messages(), QStringList{"Unable to write to " + settingsPath});
}

// How the session or the user ends the program from outside its window.
struct EndCase {
    const char* Name;
    int Signal; // 0: the session manager's save request, which leaves the window open
};

void PrintTo(const EndCase& c, std::ostream* out) {
    *out << c.Name;
}

class EndOfSession : public test::MainWindowFixture,
                     public ::testing::WithParamInterface<EndCase> {};

TEST_P(EndOfSession, StoresWhatTheWindowShows) {
    const EndCase& c = GetParam();
    Start();
    TypeAddress("172.16.5.6");
    Pick(form->CB2, "22");
    {
        const SessionEnd sessionEnd(*form);
        if (c.Signal != 0) {
            std::raise(c.Signal);
            EXPECT_TRUE(QTest::qWaitFor([this] { return !form->isVisible(); }));
            EXPECT_EQ(sessionEnd.Signal(), c.Signal);
        } else {
            auto* manager = qApp->findChild<QSessionManager*>();
            ASSERT_NE(manager, nullptr);
            emit qApp->commitDataRequest(*manager);
            EXPECT_TRUE(form->isVisible());
        }
    }
    EXPECT_EQ(SettingsContents(), "[conf]\nipaddr=172.16.5.6\nmask=4\nmaskbits=22\n");
}

INSTANTIATE_TEST_SUITE_P(Startup, EndOfSession,
                         ::testing::Values(EndCase{"Terminate", SIGTERM}, EndCase{"HangUp", SIGHUP},
                                           EndCase{"Interrupt", SIGINT},
                                           EndCase{"SessionSaveRequest", 0}),
                         [](const ::testing::TestParamInfo<EndCase>& info) {
                             return std::string(info.param.Name);
                         });

} // namespace
} // namespace maskwell
