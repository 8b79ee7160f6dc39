// SPDX-License-Identifier: MIT
#include "app/SettingsFile.h"

#include "core/AddressText.h"
#include "core/ClassRebuild.h"
#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>
#include <string>

namespace maskwell {

namespace {

void SelectRowInAllFour(CalculatorState& state, int row) {
    for (Selector* selector : {&state.CB1, &state.CB2, &state.CB3, &state.CB4})
        selector->SetItemIndex(row);
}

// The integer stored under a key, or none when the key is missing or does not
// hold an integer: only then do two reads with different defaults disagree.
std::optional<int> StoredInteger(const TIniFile& ini, const QString& section, const QString& key) {
    const int first = ini.ReadInteger(section, key, 0);
    return first == ini.ReadInteger(section, key, 1) ? std::optional<int>(first) : std::nullopt;
}

// The row to select after the rebuild. The mask bits, when stored and offered
// by the lists on screen, name the mask itself: a row number alone means another
// mask in other lists, and a class D address keeps whichever lists the class
// before it left, which at start-up are the initial ones. The row is the answer
// for older files and for bits the lists do not offer.
std::optional<int> StoredRow(const TIniFile& ini, const CalculatorState& state) {
    const QString section = SettingsSection;
    if (const std::optional<int> bits = StoredInteger(ini, section, MaskBitsKey)) {
        if (*bits == NoMaskBits)
            return -1;
        const std::string text = std::to_string(*bits);
        for (int row = 0; row < state.CB2.Count(); ++row)
            if (state.CB2.Item(row) == text)
                return row;
    }
    return StoredInteger(ini, section, MaskKey);
}

} // namespace

QString SettingsFilePath(const QString& executableDir, const QString& userConfigDir) {
    const QDir besideProgram(executableDir);
    QString beside = besideProgram.filePath(SettingsFileName);
    const QFileInfo file(beside);
    if (file.isFile())
        return beside; // a portable copy, or the build tree's own file
    // Something else by that name would fail the write at exit: no file here.
    const bool occupied = file.exists() || file.isSymLink();
    if (!occupied && QFileInfo::exists(besideProgram.filePath(BuildTreeMarkerName)) &&
        QFileInfo(executableDir).isWritable())
        return beside;
    return QDir(userConfigDir).filePath(QStringLiteral("maskwell/") + SettingsFileName);
}

QString SettingsFilePath() {
    return SettingsFilePath(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

void LoadSettings(const TIniFile& ini, CalculatorState& state,
                  const std::function<void()>& repairAddress) {
    const QString section = SettingsSection;
    SelectRowInAllFour(state, DefaultMaskRow);

    const QString address = ini.ReadString(section, AddressKey, DefaultAddress);
    state.IPE.SetText(address.toStdString());
    if (repairAddress)
        repairAddress();

    RebindCheckbox(state);

    // A stored row applies as it stands, also when the rebuilt lists are too
    // short for it. Without one, the default row is the one step 1 chose in the
    // initial lists (mask bits 24), which the rebuild has already carried over
    // into the address's class.
    if (const std::optional<int> row = StoredRow(ini, state))
        SelectRowInAllFour(state, *row);

    const std::string text = state.IPE.Text();
    state.EA2.SetText(BinaryAddressText(text));
    state.EA3.SetText(HexAddressText(text));
}

void StoreSettings(TIniFile& ini, const CalculatorState& state) {
    QDir().mkpath(QFileInfo(ini.FileName()).absolutePath());
    ini.WriteString(SettingsSection, AddressKey, QString::fromStdString(state.IPE.Text()));
    ini.WriteInteger(SettingsSection, MaskKey, state.CB1.ItemIndex());
    // The mask bits of CB1's row: the four lists are parallel.
    const int row = state.CB1.ItemIndex();
    const bool hasBits = row >= 0 && row < state.CB2.Count();
    ini.WriteInteger(SettingsSection, MaskBitsKey,
                     hasBits ? QString::fromStdString(state.CB2.Item(row)).toInt() : NoMaskBits);
}

} // namespace maskwell
