// SPDX-License-Identifier: MIT
#include "platform/IniFile.h"

#include "tests/support/FileContents.h"
#include "tests/support/FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace maskwell {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    QString PathOf(const QString& name) const { return dir_.filePath(name); }

    void Put(const QString& name, const QByteArray& bytes) const {
        ASSERT_TRUE(test::WriteWholeFile(PathOf(name), bytes));
    }

    QByteArray Get(const QString& name) const { return test::WholeFile(PathOf(name), "<missing>"); }

    static QString WriteFailure(const std::function<void()>& write) {
        try {
            write();
        } catch (const WriteError& error) {
            return QString::fromUtf8(error.what());
        }
        return QStringLiteral("<no error>");
    }

    QTemporaryDir dir_;
};

TEST_F(IniFileTest, ReadsTheFirstMatchingSectionAndKeyWithoutRegardToCase) {
    Put("m.ini", "top=outside\n"
                 "[other]\n"
                 "ipaddr=other section\n"
                 "  [ Conf ]  \n"
                 "; mask=5\n"
                 "# mask=6\n"
                 "\tIPADDR =  10.1.2.3  \n"
                 "ipaddr=second key\n"
                 "dq=\" spaced \"\n"
                 "sq='x'\n"
                 "mixed=\"y'\n"
                 "bare\n"
                 "[CONF]\n"
                 "later=only in the second conf\n");
    const TIniFile ini(PathOf("m.ini"));
    EXPECT_EQ(ini.ReadString("conf", "ipaddr", "-"), "10.1.2.3");
    EXPECT_EQ(ini.ReadString("CONF", "Dq", "-"), " spaced ");
    EXPECT_EQ(ini.ReadString("conf", "sq", "-"), "x");
    EXPECT_EQ(ini.ReadString("conf", "mixed", "-"), "\"y'");
    EXPECT_EQ(ini.ReadInteger("conf", "mask", 14), 14) << "comment lines are no keys";
    EXPECT_EQ(ini.ReadString("conf", "bare", "-"), "-");
    EXPECT_EQ(ini.ReadString("conf", "later", "-"), "-");
    EXPECT_EQ(ini.ReadString("conf", "top", "-"), "-");
}

TEST_F(IniFileTest, MissingFileSectionOrKeyYieldsTheDefault) {
    Put("m.ini", "\xEF\xBB\xBF[conf]\r\nipaddr=10.0.0.1\r\n");
    const TIniFile ini(PathOf("m.ini"));
    EXPECT_EQ(ini.ReadString("conf", "ipaddr", "-"), "10.0.0.1") << "a UTF-8 mark is no text";
    EXPECT_EQ(ini.ReadString("conf", "mask", "def"), "def");
    EXPECT_EQ(ini.ReadString("other", "ipaddr", "def"), "def");
    EXPECT_EQ(TIniFile(PathOf("absent.ini")).ReadInteger("conf", "mask", 14), 14);
    EXPECT_EQ(TIniFile(dir_.path()).ReadString("conf", "ipaddr", "def"), "def");
    EXPECT_FALSE(QFile::exists(PathOf("absent.ini"))) << "reading creates nothing";
}

TEST_F(IniFileTest, StringValuesAreCutTo2047Characters) {
    const QString longValue = QString(2046, u'a') + QStringLiteral("bcd");
    const QString pairAtTheCut = QString(2046, u'a') + QStringLiteral("\U0001F600");
    Put("m.ini",
        ("[conf]\nlong=" + longValue + "\npair=" + pairAtTheCut + "\nutf=Zürich\n").toUtf8());
    const TIniFile ini(PathOf("m.ini"));
    EXPECT_EQ(ini.ReadString("conf", "long", "-"), QString(2046, u'a') + u'b');
    EXPECT_EQ(ini.ReadString("conf", "pair", "-"), QString(2046, u'a')) << "no half character";
    EXPECT_EQ(ini.ReadString("conf", "utf", "-"), QStringLiteral("Zürich"));
}

// One key per row, read with the default 99.
struct IntegerCase {
    const char* name;
    const char* value;
    int expected;
};

class IniFileInteger : public IniFileTest, public ::testing::WithParamInterface<IntegerCase> {};

TEST_P(IniFileInteger, IntegerValuesTakeHexadecimalAndDecimalForms) {
    Put("m.ini", QByteArray("[conf]\nk=") + GetParam().value + "\n");
    const TIniFile ini(PathOf("m.ini"));
    EXPECT_EQ(ini.ReadInteger("conf", "k", 99), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    IniFile, IniFileInteger,
    ::testing::Values(
        IntegerCase{"HexWithZeroX", "0x0E", 14}, IntegerCase{"HexWithCapitalX", "0X1f", 31},
        IntegerCase{"HexWithDollar", "$1F", 31}, IntegerCase{"NegativeDollarHex", "-$10", -16},
        IntegerCase{"MinusOne", "-1", -1}, IntegerCase{"PlusSign", "+7", 7},
        IntegerCase{"QuotedWithSpace", "' 12'", 12}, IntegerCase{"LeadingZero", "012", 12},
        IntegerCase{"LargestInteger", "2147483647", 2147483647},
        IntegerCase{"SmallestInteger", "-2147483648", -2147483647 - 1},
        IntegerCase{"HexWrapsToMinusOne", "0xFFFFFFFF", -1}, IntegerCase{"Letters", "abc", 99},
        IntegerCase{"TrailingLetters", "12abc", 99}, IntegerCase{"InnerSpace", "1 2", 99},
        IntegerCase{"HexWithoutDigits", "0x", 99}, IntegerCase{"HexBadDigit", "0xG1", 99},
        IntegerCase{"NegativeZeroXHex", "-0x10", 99}, IntegerCase{"DollarAlone", "$", 99},
        IntegerCase{"MinusAlone", "-", 99}, IntegerCase{"Empty", "", 99},
        IntegerCase{"AboveLargest", "2147483648", 99},
        IntegerCase{"HexAbove32Bits", "0x100000000", 99}, IntegerCase{"Fraction", "1.5", 99},
        IntegerCase{"NonAsciiDigit", "\xd9\xa3", 99}),
    [](const ::testing::TestParamInfo<IntegerCase>& info) { return std::string(info.param.name); });

TEST_F(IniFileTest, WritingIntoAMissingFileCreatesFileSectionAndKeys) {
    TIniFile ini(PathOf("maskwell.ini"));
    EXPECT_FALSE(FileExists(ini.FileName())) << "binding touches nothing";
    ini.WriteString("conf", "ipaddr", "10.1.2.3");
    EXPECT_EQ(Get("maskwell.ini"), "[conf]\nipaddr=10.1.2.3\n");
    ini.WriteInteger("conf", "mask", 3);
    EXPECT_EQ(Get("maskwell.ini"), "[conf]\nipaddr=10.1.2.3\nmask=3\n");
    ini.WriteInteger("CONF", "MASK", -1);
    EXPECT_EQ(Get("maskwell.ini"), "[conf]\nipaddr=10.1.2.3\nMASK=-1\n");
    EXPECT_TRUE(FileExists(ini.FileName()));
    EXPECT_FALSE(FileExists(dir_.path()));
}

TEST_F(IniFileTest, RewritingChangesOnlyTheKeysLine) {
    const QByteArray before = "; settings\r\n"
                              "[conf]\r\n"
                              "  Mask = 5  ; note\r\n"
                              "ipaddr = 1.2.3.4\r\n"
                              "unknown=\xe9t\xe9\r\n" // not UTF-8: must come back byte for byte
                              "\r\n"
                              "# trailing comment\r\n"
                              "[other]\r\n"
                              "mask=7\r\n";
    Put("m.ini", before);
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(PathOf("m.ini"), mode));
    TIniFile ini(PathOf("m.ini"));
    ini.WriteInteger("conf", "mask", 20);
    ini.WriteString("conf", "city", "Zürich");
    ini.WriteString("new", "a", "b");
    EXPECT_EQ(Get("m.ini"), "; settings\r\n"
                            "[conf]\r\n"
                            "mask=20\r\n"
                            "ipaddr = 1.2.3.4\r\n"
                            "unknown=\xe9t\xe9\r\n"
                            "city=Z\xc3\xbcrich\r\n"
                            "\r\n"
                            "# trailing comment\r\n"
                            "[other]\r\n"
                            "mask=7\r\n"
                            "[new]\r\n"
                            "a=b\r\n");
    EXPECT_EQ(ini.ReadString("conf", "city", "-"), QStringLiteral("Zürich"));
    EXPECT_EQ(QFile::permissions(PathOf("m.ini")), mode | QFile::ReadUser | QFile::WriteUser);
}

// The settings of two windows are read in one read and written in one
// replacement; the first section of a name still wins.
TEST_F(IniFileTest, SeveralSectionsReadAndWrittenAtOnce) {
    Put("s.ini", "[conf]\nipaddr=1.2.3.4\n[Subnets]\nopen=1\n; note\n[subnets]\nopen=0\n");
    TIniFile ini(PathOf("s.ini"));
    const std::vector<TIniSection> sections = ini.ReadSections({"subnets", "missing", "CONF"});
    ASSERT_EQ(sections.size(), 3u);
    EXPECT_EQ(sections[0].ReadInteger("open", -1), 1);
    EXPECT_EQ(sections[1].ReadString("open", "-"), "-");
    EXPECT_EQ(sections[2].ReadString("ipaddr", "-"), "1.2.3.4");

    ini.WriteValues({{"conf", "mask", "3"}, {"subnets", "width", "700"}, {"new", "a", "b"}});
    EXPECT_EQ(Get("s.ini"), "[conf]\nipaddr=1.2.3.4\nmask=3\n[Subnets]\nopen=1\nwidth=700\n"
                            "; note\n[subnets]\nopen=0\n[new]\na=b\n");
}

TEST_F(IniFileTest, AddedLinesStartOnTheirOwnLineAndLineBreaksStayOutOfValues) {
    Put("a.ini", "[conf]\nipaddr=1.2.3.4");
    TIniFile(PathOf("a.ini")).WriteInteger("conf", "mask", 3);
    EXPECT_EQ(Get("a.ini"), "[conf]\nipaddr=1.2.3.4\nmask=3\n");

    Put("b.ini", "[x]\ny=1");
    TIniFile b(PathOf("b.ini"));
    b.WriteString("conf", "ipaddr", "9.9.9.9\n[x]\ny=2");
    EXPECT_EQ(Get("b.ini"), "[x]\ny=1\n[conf]\nipaddr=9.9.9.9\n");
}

// Refusals that hold for every user, root included.
TEST_F(IniFileTest, ARefusedWriteNamesTheFullPath) {
    Put("plain", "I am a file");
    const QString underAFile = PathOf("plain/maskwell.ini");
    EXPECT_EQ(WriteFailure([&] { TIniFile(underAFile).WriteString("conf", "ipaddr", "x"); }),
              "Unable to write to " + underAFile);

    ASSERT_TRUE(QDir(dir_.path()).mkdir("maskwell.ini"));
    const QString aDirectory = PathOf("maskwell.ini");
    EXPECT_EQ(WriteFailure([&] { TIniFile(aDirectory).WriteInteger("conf", "mask", 1); }),
              "Unable to write to " + aDirectory);

    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    TIniFile relative(QStringLiteral("missing/m.ini"));
    ASSERT_TRUE(QDir::setCurrent(previous));
    EXPECT_EQ(relative.FileName(), "missing/m.ini");
    EXPECT_EQ(WriteFailure([&] { relative.WriteString("conf", "ipaddr", "x"); }),
              "Unable to write to " + dir_.path() + "/missing/m.ini");
}

// Root passes every permission check. While this lives, file access on this
// thread is checked as the unprivileged user "nobody", so that permission bits
// bite as they do for an ordinary user.
class AccessAsNobody {
public:
    AccessAsNobody() : root_(geteuid() == 0) {
        if (root_) {
            setfsgid(65534);
            setfsuid(65534);
        }
    }
    ~AccessAsNobody() {
        if (root_) {
            setfsuid(0);
            setfsgid(0);
        }
    }
    AccessAsNobody(const AccessAsNobody&) = delete;
    AccessAsNobody& operator=(const AccessAsNobody&) = delete;

private:
    bool root_;
};

TEST_F(IniFileTest, ReadOnlyDirectoryOrFileRefusesTheWrite) {
    const QByteArray before = "[conf]\nmask=1\n";
    ASSERT_TRUE(QDir(dir_.path()).mkpath("locked") && QDir(dir_.path()).mkpath("open"));
    for (const char* name : {"locked/writable.ini", "locked/readonly.ini", "open/readonly.ini"})
        Put(name, before);
    const auto mode = [&](const char* name, mode_t bits) {
        ASSERT_EQ(chmod(PathOf(name).toUtf8().constData(), bits), 0);
    };
    mode(".", 0777);
    mode("open", 0777);
    mode("locked/writable.ini", 0666);
    mode("locked/readonly.ini", 0444);
    mode("open/readonly.ini", 0444);
    mode("locked", 0555);
    const auto unlock = qScopeGuard([&] { mode("locked", 0777); });

    AccessAsNobody nobody;
    for (const char* name : {"locked/absent.ini", "locked/readonly.ini", "open/readonly.ini"}) {
        const QString path = PathOf(name);
        EXPECT_EQ(WriteFailure([&] { TIniFile(path).WriteInteger("conf", "mask", 2); }),
                  "Unable to write to " + path);
    }
    EXPECT_EQ(Get("locked/readonly.ini"), before);
    EXPECT_EQ(Get("open/readonly.ini"), before);
    EXPECT_FALSE(QFile::exists(PathOf("locked/absent.ini")));

    // A writable file in a locked directory is rewritten in place.
    TIniFile inPlace(PathOf("locked/writable.ini"));
    inPlace.WriteInteger("conf", "mask", 2);
    EXPECT_EQ(inPlace.ReadInteger("conf", "mask", 14), 2);
    EXPECT_EQ(QDir(PathOf("locked")).entryList(QDir::Files).size(), 2);
}

TEST_F(IniFileTest, AFailedWriteLeavesTheOldFileWhole) {
    const QByteArray before = "[conf]\nipaddr=10.1.2.3\nmask=3\n";
    Put("m.ini", before);
    const QString path = PathOf("m.ini");
    {
        test::FileSizeLimit diskFull(4096);
        EXPECT_EQ(WriteFailure(
                      [&] { TIniFile(path).WriteString("conf", "ipaddr", QString(100000, u'1')); }),
                  "Unable to write to " + path);
    }
    EXPECT_EQ(Get("m.ini"), before);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"m.ini"});
}

// A fifo by the file's name (in the settings folder, say) would block the
// read until some writer came, and the write's read before it for good. It
// reads as no file and refuses the write, in a child that an alarm ends.
TEST_F(IniFileTest, AFifoReadsAsNoFileAndRefusesTheWrite) {
    const QString path = PathOf("maskwell.ini");
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const pid_t child = fork();
    if (child == 0) {
        alarm(5);
        TIniFile ini(path);
        const bool readAsNoFile = ini.ReadString("conf", "ipaddr", "default") == "default";
        bool refused = false;
        try {
            ini.WriteStrings("conf", {{"ipaddr", "10.1.2.3"}, {"mask", "3"}});
        } catch (const WriteError&) {
            refused = true;
        }
        _exit(readAsNoFile && refused ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "blocked until the alarm";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(QFileInfo(path).isFile()) << "the fifo stays";
}

// Only the file's own first bytes can be a byte order mark; a name that starts
// with U+FEFF elsewhere is a name like any other.
TEST_F(IniFileTest, ANameStartingWithAByteOrderMarkReadsBack) {
    Put("m.ini", "[conf]\nipaddr=1\n");
    TIniFile ini(PathOf("m.ini"));
    const QString key = QStringLiteral("\uFEFFkey");
    ini.WriteString("conf", key, "24");
    EXPECT_EQ(ini.ReadString("conf", key, "missing"), "24");
    EXPECT_EQ(ini.ReadString("conf", "key", "missing"), "missing");
}

} // namespace
} // namespace maskwell
