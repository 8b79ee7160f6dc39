// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditPersistence.h"

#include "controls/advedit/AdvEdit.h"
#include "platform/IniFile.h"
#include "tests/controls/advedit/AdvEditFixture.h"
#include "tests/support/ErrorBoxRecorder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

namespace maskwell {
namespace {

class AdvEditPersistence : public test::UsSeparators {
protected:
    void SetUp() override {
        test::UsSeparators::SetUp();
        ASSERT_TRUE(folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    }
    void TearDown() override {
        if (configHome.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", configHome);
    }

    // A field as a form would load it: named, persistence set, then Loaded().
    std::unique_ptr<TAdvEdit> LoadField(TPersistenceLocation location, const QString& key,
                                        const QString& initial = {}) {
        auto edit = std::make_unique<TAdvEdit>();
        edit->setObjectName("E1");
        edit->BeginLoading();
        edit->Persistence().SetEnable(true);
        edit->Persistence().SetLocation(location);
        edit->Persistence().SetKey(key);
        edit->Persistence().SetSection("fields");
        edit->SetText(initial);
        edit->Loaded();
        return edit;
    }
    QString IniPath() const { return folder.filePath("fields.ini"); }
    // The field's window closes, as at the end of a run.
    static void Close(TAdvEdit& edit) {
        edit.show();
        edit.close();
    }

    QTemporaryDir folder;
    const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
};

TEST_F(AdvEditPersistence, IniFileKeepsTheWindowTextBetweenRuns) {
    auto first = LoadField(plInifile, IniPath(), "initial");
    EXPECT_EQ(first->Text(), "initial"); // nothing stored yet: the "@" never shows
    first->SetPrefix("$");
    first->SetText("12");
    Close(*first);
    EXPECT_EQ(TIniFile(IniPath()).ReadString("fields", "E1", "-"), "$12");
    first.reset();

    auto second = LoadField(plInifile, IniPath());
    EXPECT_EQ(second->text(), "$12");
    EXPECT_FALSE(second->Modified());
}

TEST_F(AdvEditPersistence, RegistryStoreKeepsTheWindowTextBetweenRuns) {
    auto first = LoadField(plRegistry, "Software\\Maker\\App", "initial");
    EXPECT_EQ(first->Text(), "initial");
    first->SetText("stored");
    Close(*first);
    first.reset();
    auto second = LoadField(plRegistry, "Software\\Maker\\App");
    EXPECT_EQ(second->Text(), "stored");
    auto elsewhere = LoadField(plRegistry, "Software\\Other");
    EXPECT_EQ(elsewhere->Text(), "");
}

TEST_F(AdvEditPersistence, DisabledOrNamelessFieldsStoreNothing) {
    {
        auto edit = LoadField(plInifile, IniPath(), "x");
        edit->Persistence().SetEnable(false);
        Close(*edit);
    }
    {
        auto edit = LoadField(plInifile, IniPath(), "y");
        edit->setObjectName("");
        Close(*edit);
    }
    EXPECT_FALSE(FileExists(IniPath()));
}

// A field being destroyed writes nothing (a refused write would open the
// error box while it goes); a window that closes has stored it by then.
TEST_F(AdvEditPersistence, ADestroyedFieldWritesNothing) {
    test::ErrorBoxRecorder errors;
    auto shown = LoadField(plInifile, IniPath(), "shown");
    shown->show();
    shown.reset();
    LoadField(plInifile, folder.filePath("missing/fields.ini"), "x").reset();
    EXPECT_FALSE(FileExists(IniPath()));
    EXPECT_TRUE(errors.Messages().isEmpty());
}

// Where the settings file would be: here, with nothing beside the test
// program and outside the build tree's top, the user's configuration folder.
TEST_F(AdvEditPersistence, EmptyKeyMeansTheProgramsIniFile) {
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    EXPECT_EQ(DefaultIniFileName(), folder.filePath(name + "/" + name + ".INI"));
    TPersistence persistence;
    persistence.SetSection("s");
    EXPECT_EQ(ReadPersistedText(persistence, "E9"), std::nullopt);
    EXPECT_EQ(persistence.Key(), DefaultIniFileName());
}

TEST_F(AdvEditPersistence, AStoredAtSignCountsAsMissing) {
    TIniFile(IniPath()).WriteString("fields", "E1", "@");
    auto edit = LoadField(plInifile, IniPath(), "kept");
    EXPECT_EQ(edit->Text(), "kept");
}

TEST_F(AdvEditPersistence, ARefusedSaveShowsTheErrorBox) {
    test::ErrorBoxRecorder errors;
    const QString unwritable = folder.filePath("missing/fields.ini");
    Close(*LoadField(plInifile, unwritable, "x"));
    ASSERT_EQ(errors.Messages().size(), 1);
    EXPECT_TRUE(errors.Messages()[0].startsWith("Unable to write to "));
}

} // namespace
} // namespace maskwell
