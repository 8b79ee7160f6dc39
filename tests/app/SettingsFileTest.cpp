// SPDX-License-Identifier: MIT
#include "app/SettingsFile.h"

#include "core/MemoryCalculator.h"
#include "core/SubnetComputation.h"
#include "platform/IniFile.h"
#include "tests/support/FileContents.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace maskwell {
namespace {

class SettingsFile : public ::testing::Test {
protected:
    void WriteFile(const QByteArray& contents) {
        ASSERT_TRUE(test::WriteWholeFile(path, contents));
    }
    QByteArray FileContents() const { return test::WholeFile(path); }
    void Load() {
        TIniFile ini(path);
        LoadSettings(ini, calc.State, {});
    }
    std::string Masks() const {
        return calc.CB1.Text() + " / " + calc.CB2.Text() + " / " + calc.CB3.Text() + " / " +
               calc.CB4.Text();
    }

    QTemporaryDir folder;
    QString path = folder.filePath("maskwell.ini");
    MemoryCalculator calc;
};

TEST_F(SettingsFile, FirstStartShowsTheDefaultAddressWithMaskBits24) {
    Load();
    EXPECT_EQ(calc.IPE.Text(), "192.168.0.1");
    EXPECT_EQ(Masks(), "255.255.255.0 / 24 / 1 / 254");
    EXPECT_EQ(calc.E1.Text(), "192.168.0.1 - 192.168.0.254");
    EXPECT_EQ(calc.EA3.Text(), "C0.A8.00.01");
    EXPECT_FALSE(QFile::exists(path)) << "nothing is written at start";
}

TEST_F(SettingsFile, StoredValuesComeBackOnTheNextStart) {
    WriteFile("[conf]\nipaddr=10.1.2.3\nmask=3\nmaskbits=13\n");
    Load();
    StartCalc(calc.State); // the first activation computes right after the load
    EXPECT_EQ(calc.IPE.Text(), "10.1.2.3");
    EXPECT_EQ(Masks(), "255.248.0.0 / 13 / 30 / 524286");
    EXPECT_EQ(calc.E2.Text(), "10.0.0.0");
    EXPECT_EQ(calc.EA2.Text(), "00001010.00000001.00000010.00000011");
}

TEST_F(SettingsFile, MaskValueForms) {
    const struct {
        const char* Mask;
        const char* Address;
        const char* Expected;
    } cases[] = {
        {"mask=0x0E", "10.1.2.3", "255.255.255.0 / 24 / 65534 / 254"},
        {"mask=$E", "10.1.2.3", "255.255.255.0 / 24 / 65534 / 254"},
        {"MASK = 20", "10.1.2.3", "255.255.255.252 / 30 / 4194302 / 2"},
        {"mask=abc", "10.1.2.3", "255.255.255.0 / 24 / 65534 / 254"},
        {"mask=abc", "150.1.2.3", "255.255.255.0 / 24 / 254 / 254"},
        {"mask=-1", "10.1.2.3", " /  /  / "},
        {"mask=14", "200.1.2.3", " /  /  / "}, // beyond the 7 class C rows
        {"mask=6", "200.1.2.3", "255.255.255.252 / 30 / 62 / 2"},
        // A file from a writer that knows only the row (a hand edit, or this
        // program before maskbits): in classes A to C the row decides.
        {"mask=4\nmaskbits=26", "192.168.1.1", "255.255.255.240 / 28 / 14 / 14"},
        {"mask=0\nmaskbits=30", "172.16.0.1", "255.255.192.0 / 18 / 2 / 16382"},
        // A class D address keeps the lists of the class before it: the row is
        // ambiguous and the mask bits decide.
        {"mask=4\nmaskbits=26", "230.1.2.3", "255.255.255.192 / 26 / 262142 / 62"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Mask);
        WriteFile(QByteArray("[conf]\nipaddr=") + c.Address + "\n" + c.Mask + "\n");
        MemoryCalculator fresh;
        TIniFile ini(path);
        LoadSettings(ini, fresh.State, {});
        EXPECT_EQ(fresh.CB1.Text() + " / " + fresh.CB2.Text() + " / " + fresh.CB3.Text() + " / " +
                      fresh.CB4.Text(),
                  c.Expected);
    }
}

TEST_F(SettingsFile, AddressIsRepairedRightAfterItIsAssigned) {
    WriteFile("[conf]\nipaddr=-5.1.2.3\nmask=14\n");
    std::string seenByRepair;
    TIniFile ini(path);
    LoadSettings(ini, calc.State, [&] {
        seenByRepair = calc.IPE.Text();
        calc.IPE.SetText("1.1.2.3");
    });
    EXPECT_EQ(seenByRepair, "-5.1.2.3");
    EXPECT_EQ(calc.State.AddressClass, "a");
    EXPECT_EQ(calc.EA3.Text(), "01.01.02.03");
}

TEST_F(SettingsFile, StoreWritesBothKeysAndKeepsTheRestOfTheFile) {
    WriteFile("; kept\n[window]\nleft=3\n[conf]\nipaddr=1.2.3.4\nextra=yes\n");
    calc.IPE.SetText("172.16.77.9");
    calc.CB1.SetItemIndex(5);
    TIniFile ini(path);
    StoreSettings(ini, calc.State);
    EXPECT_EQ(FileContents(),
              "; kept\n[window]\nleft=3\n[conf]\nipaddr=172.16.77.9\nextra=yes\nmask=5\n"
              "maskbits=15\n");

    calc.CB1.SetItemIndex(-1);
    StoreSettings(ini, calc.State);
    EXPECT_TRUE(FileContents().endsWith("mask=-1\nmaskbits=-1\n"));
}

// The address, the row and the mask bits go in one replacement of the file:
// a refused store leaves it as it was, never a new address with an old mask.
TEST_F(SettingsFile, ARefusedStoreLeavesTheFileAsItWas) {
    const QByteArray before = "[conf]\nipaddr=10.1.2.3\nmask=3\n";
    WriteFile(before);
    calc.IPE.SetText("10.9.9.9");
    calc.CB1.SetItemIndex(5);
    TIniFile ini(path);
    {
        test::FileSizeLimit diskFull(before.size() + 8); // the mask bits do not fit
        EXPECT_THROW(StoreSettings(ini, calc.State), WriteError);
    }
    EXPECT_EQ(FileContents(), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"maskwell.ini"});
}

TEST_F(SettingsFile, StoreCreatesTheFileAndItsFolder) {
    TIniFile ini(folder.filePath("maskwell/maskwell.ini"));
    calc.IPE.SetText("10.1.2.3");
    calc.CB1.SetItemIndex(3);
    StoreSettings(ini, calc.State);
    QFile file(folder.filePath("maskwell/maskwell.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[conf]\nipaddr=10.1.2.3\nmask=3\nmaskbits=13\n");
}

TEST_F(SettingsFile, RefusedWriteNamesTheFullPath) {
    WriteFile("not a folder");
    TIniFile ini(folder.filePath("maskwell.ini/maskwell.ini"));
    try {
        StoreSettings(ini, calc.State);
        ADD_FAILURE() << "stored";
    } catch (const WriteError& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()),
                  "Unable to write to " + folder.filePath("maskwell.ini/maskwell.ini"));
    }
}

TEST(SettingsLocation, BesideTheProgramInItsBuildTreeWhenWritableElseUserConfig) {
    QTemporaryDir program;
    QTemporaryDir config;
    QFile(program.filePath(BuildTreeMarkerName)).open(QIODevice::WriteOnly);
    EXPECT_EQ(SettingsFilePath(program.path(), config.path()), program.filePath("maskwell.ini"));
    // A folder that cannot take a new file, even for root: it does not exist.
    const QString gone = program.filePath("gone");
    EXPECT_EQ(SettingsFilePath(gone, config.path()), config.filePath("maskwell/maskwell.ini"));
}

// What lies beside the executable, and where the settings file is then.
struct LocationCase {
    const char* Name;
    bool BuildTree;     // the build writes its marker beside the executable
    const char* Beside; // what maskwell.ini beside it is: "", file, folder, fifo, link, dangling
    bool ExpectBesideTheProgram;
};

void PrintTo(const LocationCase& c, std::ostream* out) {
    *out << c.Name;
}

class SettingsLocationTable : public ::testing::TestWithParam<LocationCase> {};

TEST_P(SettingsLocationTable, PicksTheFileBesideTheProgramOnlyWhenItIsUsable) {
    const LocationCase& c = GetParam();
    QTemporaryDir program;
    QTemporaryDir config;
    if (c.BuildTree)
        QFile(program.filePath(BuildTreeMarkerName)).open(QIODevice::WriteOnly);
    const QString beside = program.filePath("maskwell.ini");
    const std::string kind = c.Beside;
    if (kind == "file") {
        QFile(beside).open(QIODevice::WriteOnly);
    } else if (kind == "folder") {
        QDir().mkpath(beside);
    } else if (kind == "fifo") {
        ASSERT_EQ(::mkfifo(QFile::encodeName(beside).constData(), 0600), 0);
    } else if (kind == "link") {
        QFile(program.filePath("elsewhere.ini")).open(QIODevice::WriteOnly);
        QFile::link(program.filePath("elsewhere.ini"), beside);
    } else if (kind == "dangling") {
        QFile::link(program.filePath("nowhere.ini"), beside);
    }
    const QString expected =
        c.ExpectBesideTheProgram ? beside : config.filePath("maskwell/maskwell.ini");
    EXPECT_EQ(SettingsFilePath(program.path(), config.path()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Beside, SettingsLocationTable,
    ::testing::Values(LocationCase{"InstalledWithoutAFile", false, "", false},
                      LocationCase{"InstalledPortableCopy", false, "file", true},
                      LocationCase{"InstalledLinkToAFile", false, "link", true},
                      LocationCase{"InstalledFolderNamedLikeTheFile", false, "folder", false},
                      LocationCase{"InstalledFifoNamedLikeTheFile", false, "fifo", false},
                      LocationCase{"InstalledDanglingLink", false, "dangling", false},
                      LocationCase{"BuildTreeWithoutAFile", true, "", true},
                      LocationCase{"BuildTreeWithItsFile", true, "file", true},
                      LocationCase{"BuildTreeFolderNamedLikeTheFile", true, "folder", false},
                      LocationCase{"BuildTreeFifoNamedLikeTheFile", true, "fifo", false}),
    [](const ::testing::TestParamInfo<LocationCase>& info) { return info.param.Name; });

// The user's settings folder by the XDG base directory rules, for a program
// installed away from its build tree (as this test is): a relative
// XDG_CONFIG_HOME is ignored, and without HOME the password database tells.
struct FolderCase {
    const char* Name;
    const char* ConfigHome; // null: unset
    const char* Home;       // null: unset
    const char* Expected;   // "{pw}" is the home the password database gives
};

void PrintTo(const FolderCase& c, std::ostream* out) {
    *out << c.Name;
}

class SettingsFolderTable : public ::testing::TestWithParam<FolderCase> {
protected:
    static void Set(const char* name, const char* value) {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    void TearDown() override {
        Set("XDG_CONFIG_HOME", configHome_.isNull() ? nullptr : configHome_.constData());
        Set("HOME", home_.isNull() ? nullptr : home_.constData());
    }
    QByteArray configHome_ = qgetenv("XDG_CONFIG_HOME");
    QByteArray home_ = qgetenv("HOME");
};

TEST_P(SettingsFolderTable, FollowsTheBaseDirectoryRules) {
    const FolderCase& c = GetParam();
    const passwd* entry = getpwuid(getuid());
    ASSERT_NE(entry, nullptr);
    Set("XDG_CONFIG_HOME", c.ConfigHome);
    Set("HOME", c.Home);
    QString expected = QString::fromUtf8(c.Expected) + "/maskwell/maskwell.ini";
    expected.replace("{pw}", QFile::decodeName(entry->pw_dir));
    EXPECT_EQ(SettingsFilePath(), QDir::cleanPath(expected));
}

INSTANTIATE_TEST_SUITE_P(
    Xdg, SettingsFolderTable,
    ::testing::Values(FolderCase{"ConfigHome", "/srv/conf", "/home/u", "/srv/conf"},
                      FolderCase{"NoConfigHome", nullptr, "/home/u", "/home/u/.config"},
                      FolderCase{"EmptyConfigHome", "", "/home/u", "/home/u/.config"},
                      FolderCase{"RelativeConfigHomeIsIgnored", "conf", "/home/u",
                                 "/home/u/.config"},
                      FolderCase{"NoHome", nullptr, nullptr, "{pw}/.config"},
                      FolderCase{"EmptyHome", nullptr, "", "{pw}/.config"},
                      FolderCase{"RelativeHome", nullptr, "home", "{pw}/.config"}),
    [](const ::testing::TestParamInfo<FolderCase>& info) { return info.param.Name; });

TEST(SettingsLocation, AnExistingFileBesideTheProgramWinsOverAReadOnlyFolder) {
    QTemporaryDir program;
    QTemporaryDir config;
    const QString readOnly = program.filePath("ro");
    QDir().mkpath(readOnly);
    QFile(readOnly + "/maskwell.ini").open(QIODevice::WriteOnly);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_EQ(SettingsFilePath(readOnly, config.path()), readOnly + "/maskwell.ini");
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
} // namespace maskwell
