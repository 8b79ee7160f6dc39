// SPDX-License-Identifier: MIT
#include "app/SettingsFile.h"

#include "core/AddressText.h"
#include "core/ClassRebuild.h"
#include "core/ClassTables.h"
#include "platform/ConfigFile.h"
#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <optional>
#include <string>

namespace maskwell {

namespace {

void SelectRowInAllFour(CalculatorState& state, int row) {
    for (Selector* selector : {&state.CB1, &state.CB2, &state.CB3, &state.CB4})
        selector->SetItemIndex(row);
}

// The row to select after the rebuild. For a class A, B or C address the
// rebuilt lists are the class's own, so the row names the mask and decides, as
// in files from writers that know only the row (a hand edit, or this program
// before "maskbits"). A class D address (or 127) keeps the lists the class
// before it left, which at start-up are the initial ones: there the row is
// ambiguous and the mask bits decide, where the lists offer them.
std::optional<int> StoredRow(const TIniSection& stored, const CalculatorState& state) {
    const std::optional<AddressClassInfo> addressClass =
        ClassOfFirstOctet(OctetOf(state.IPE.Text(), 1));
    const bool rowNamesTheMask = addressClass && addressClass->Lists;
    if (!rowNamesTheMask) {
        if (const std::optional<int> bits = stored.ReadInteger(MaskBitsKey)) {
            if (*bits == kNoMaskBits)
                return -1;
            const std::string text = std::to_string(*bits);
            for (int row = 0; row < state.CB2.Count(); ++row)
                if (state.CB2.Item(row) == text)
                    return row;
        }
    }
    return stored.ReadInteger(MaskKey);
}

// The subnet list's keys, if the file has any. A size needs both sides, each
// a positive number.
std::optional<SubnetListSettings> StoredSubnetList(const TIniSection& stored) {
    const std::optional<int> open = stored.ReadInteger(SubnetListOpenKey);
    const std::optional<int> width = stored.ReadInteger(SubnetListWidthKey);
    const std::optional<int> height = stored.ReadInteger(SubnetListHeightKey);
    if (!open && !width && !height)
        return std::nullopt;
    SubnetListSettings settings;
    settings.Open = open.value_or(0) != 0;
    if (width && height && *width > 0 && *height > 0)
        settings.Size = QSize(*width, *height);
    return settings;
}

} // namespace

QString SettingsFilePath(const QString& executableDir, const QString& userConfigDir) {
    return ConfigFilePath(executableDir, userConfigDir, QStringLiteral("maskwell"),
                          SettingsFileName);
}

QString SettingsFilePath() {
    return SettingsFilePath(QCoreApplication::applicationDirPath(), UserConfigFolder());
}

std::optional<SubnetListSettings> LoadSettings(const TIniFile& ini, CalculatorState& state,
                                               const std::function<void()>& repairAddress) {
    const std::vector<TIniSection> sections =
        ini.ReadSections({SettingsSection, SubnetListSection}); // the one read
    const TIniSection& stored = sections.front();
    SelectRowInAllFour(state, kDefaultMaskRow);

    const QString address = stored.ReadString(AddressKey, DefaultAddress);
    state.IPE.SetText(address.toStdString());
    if (repairAddress)
        repairAddress();

    RebindCheckbox(state);

    // A stored row applies as it stands, also when the rebuilt lists are too
    // short for it. Without one, the default row is the one step 1 chose in the
    // initial lists (mask bits 24), which the rebuild has already carried over
    // into the address's class.
    if (const std::optional<int> row = StoredRow(stored, state))
        SelectRowInAllFour(state, *row);

    const std::string text = state.IPE.Text();
    state.EA2.SetText(BinaryAddressText(text));
    state.EA3.SetText(HexAddressText(text));
    return StoredSubnetList(sections.back());
}

void StoreSettings(TIniFile& ini, const CalculatorState& state,
                   const std::optional<SubnetListSettings>& subnetList) {
    QDir().mkpath(QFileInfo(ini.FileName()).absolutePath());
    // The mask bits of CB1's row: the four lists are parallel.
    const int row = state.CB1.ItemIndex();
    const bool hasBits = row >= 0 && row < state.CB2.Count();
    const int bits = hasBits ? QString::fromStdString(state.CB2.Item(row)).toInt() : kNoMaskBits;
    // One replacement of the file: a refused store changes nothing, and two
    // windows closing together leave the keys of one of them, never a mix.
    std::vector<TIniValue> values{
        {SettingsSection, AddressKey, QString::fromStdString(state.IPE.Text())},
        {SettingsSection, MaskKey, QString::number(row)},
        {SettingsSection, MaskBitsKey, QString::number(bits)}};
    if (subnetList) {
        values.push_back({SubnetListSection, SubnetListOpenKey, subnetList->Open ? "1" : "0"});
        if (subnetList->Size.isValid()) {
            values.push_back(
                {SubnetListSection, SubnetListWidthKey, QString::number(subnetList->Size.width())});
            values.push_back({SubnetListSection, SubnetListHeightKey,
                              QString::number(subnetList->Size.height())});
        }
    }
    ini.WriteValues(values);
}

} // namespace maskwell
