// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditPersistence.h"

#include "controls/advedit/AdvEdit.h"
#include "platform/IniFile.h"
#include "tests/controls/advedit/AdvEditFixture.h"
#include "tests/support/ErrorBoxRecorder.h"

#include <QCoreApplication>
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

    QTemporaryDir folder;
};

TEST_F(AdvEditPersistence, IniFileKeepsTheWindowTextBetweenRuns) {
    auto first = LoadField(plInifile, IniPath(), "initial");
    EXPECT_EQ(first->Text(), "initial"); // nothing stored yet: the "@" never shows
    first->SetPrefix("$");
    first->SetText("12");
    first.reset(); // the window goes: the text is saved
    EXPECT_EQ(TIniFile(IniPath()).ReadString("fields", "E1", "-"), "$12");

    auto second = LoadField(plInifile, IniPath());
    EXPECT_EQ(second->text(), "$12");
    EXPECT_FALSE(second->Modified());
}

TEST_F(AdvEditPersistence, RegistryStoreKeepsTheWindowTextBetweenRuns) {
    auto first = LoadField(plRegistry, "Software\\Maker\\App", "initial");
    EXPECT_EQ(first->Text(), "initial");
    first->SetText("stored");
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
    }
    {
        auto edit = LoadField(plInifile, IniPath(), "y");
        edit->setObjectName("");
    }
    EXPECT_FALSE(FileExists(IniPath()));
}

TEST_F(AdvEditPersistence, EmptyKeyMeansTheProgramsIniFile) {
    const QString program = QCoreApplication::applicationFilePath();
    EXPECT_EQ(DefaultIniFileName(), program + ".INI"); // the test program has no extension
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
    LoadField(plInifile, unwritable, "x").reset();
    ASSERT_EQ(errors.Messages().size(), 1);
    EXPECT_TRUE(errors.Messages()[0].startsWith("Unable to write to "));
}

} // namespace
} // namespace maskwell
