// SPDX-License-Identifier: MIT
#include "platform/IniFile.h"
#include "tests/support/FileContents.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace maskwell {
namespace {

// A settings write refused part way, by a file size limit as a full disk or a
// quota would refuse it: the write must raise the error and leave the old file
// byte for byte, on both ways a file is written (a new file renamed over the old
// one, and the rewrite in place where the folder forbids new files).
struct RefusedWriteCase {
    const char* name;
    bool inPlace;     // the folder is read-only to the writer, the file is not
    rlim_t sizeLimit; // bytes a file may reach
    int valueLength;  // of the value written over the old "ipaddr"
    bool refused;     // false: a control row, the write fits and must succeed
};

// 64 bytes, as the file was when a write at exit emptied it.
const QByteArray OldFile = "[conf]\nipaddr=192.168.100.200\nmask=14\n; kept as it is, 64 bytes\n";

// Exit codes of the writing child.
enum ChildResult { Written = 0, Refused = 3, OtherError = 4, NoUnprivilegedUser = 5 };

class RefusedSettingsWrite : public ::testing::TestWithParam<RefusedWriteCase> {
protected:
    void SetUp() override {
        ASSERT_EQ(OldFile.size(), 64);
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath("conf"));
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(OldFile), OldFile.size());
        file.close();
        // The unprivileged writer must reach the folder and write the file.
        ASSERT_EQ(chmod(dir_.path().toUtf8().constData(), 0777), 0);
        ASSERT_EQ(chmod(Path().toUtf8().constData(), 0666), 0);
    }

    QString Folder() const { return dir_.filePath("conf"); }
    QString Path() const { return dir_.filePath("conf/maskwell.ini"); }

    // Writes in a child process that has the size limit (SIGXFSZ ignored, so
    // the write fails instead of killing it) and, for the in-place rows, file
    // access checked as the unprivileged user "nobody", since root passes
    // every permission check.
    ChildResult WriteInChild(const RefusedWriteCase& row) const {
        const QString path = Path();
        const QString value(row.valueLength, u'7');
        const pid_t child = fork();
        if (child == 0) {
            if (row.inPlace && geteuid() == 0) {
                setfsgid(65534);
                setfsuid(65534);
                if (static_cast<uid_t>(setfsuid(-1)) != 65534)
                    _exit(NoUnprivilegedUser);
            }
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{row.sizeLimit, row.sizeLimit};
            setrlimit(RLIMIT_FSIZE, &limit);
            try {
                TIniFile(path).WriteString("conf", "ipaddr", value);
                _exit(Written);
            } catch (const WriteError&) {
                _exit(Refused);
            } catch (...) {
                _exit(OtherError);
            }
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
            return OtherError;
        return static_cast<ChildResult>(WEXITSTATUS(status));
    }

    QByteArray Contents() const { return test::WholeFile(Path()); }

    QTemporaryDir dir_;
};

TEST_P(RefusedSettingsWrite, RaisesTheErrorAndLeavesTheOldFileWhole) {
    const RefusedWriteCase& row = GetParam();
    if (row.inPlace) {
        ASSERT_EQ(chmod(Folder().toUtf8().constData(), 0555), 0);
    }
    const auto unlock = qScopeGuard([&] { chmod(Folder().toUtf8().constData(), 0777); });

    const ChildResult result = WriteInChild(row);
    if (result == NoUnprivilegedUser) {
        GTEST_SKIP() << "cannot check file access as an unprivileged user here";
    }
    ASSERT_NE(result, OtherError);
    if (row.refused) {
        EXPECT_EQ(result, Refused) << "no \"Unable to write to\" for a refused write";
        EXPECT_EQ(Contents(), OldFile);
    } else {
        EXPECT_EQ(result, Written);
        EXPECT_EQ(TIniFile(Path()).ReadString("conf", "ipaddr", {}),
                  QString(row.valueLength, u'7'));
        EXPECT_TRUE(Contents().endsWith("mask=14\n; kept as it is, 64 bytes\n"));
    }
    EXPECT_EQ(QDir(Folder()).entryList(QDir::Files | QDir::Hidden), QStringList{"maskwell.ini"})
        << "a temporary file was left behind";
}

INSTANTIATE_TEST_SUITE_P(
    FileSizeLimit, RefusedSettingsWrite,
    ::testing::Values(RefusedWriteCase{"NewFileCutAt16", false, 16, 8, true},
                      RefusedWriteCase{"NewFileGrowsPastTheLimit", false, 80, 60, true},
                      RefusedWriteCase{"NewFileFits", false, 1 << 20, 60, false},
                      RefusedWriteCase{"InPlaceCutAt16", true, 16, 8, true},
                      RefusedWriteCase{"InPlaceShrinksButIsCut", true, 40, 3, true},
                      RefusedWriteCase{"InPlaceGrowsPastTheLimit", true, 80, 60, true},
                      RefusedWriteCase{"InPlaceFits", true, 1 << 20, 60, false}),
    [](const ::testing::TestParamInfo<RefusedWriteCase>& info) { return info.param.name; });

} // namespace
} // namespace maskwell
