// SPDX-License-Identifier: MIT
#pragma once

#include "core/CalculatorState.h"
#include "platform/ConfigFile.h" // BuildTreeMarkerName

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

namespace maskwell {

class TIniFile;

// maskwell.ini keeps the last address and mask row between runs:
//
//   [conf]
//   ipaddr=10.1.2.3
//   mask=3
//   maskbits=21
//
//   [subnets]
//   open=1
//   width=640
//   height=440
//
// `mask` is the row in the four selector lists, which depend on the address's
// class; `maskbits` (-1 without a selection) names the mask whatever the lists.
// A load goes by the row for a class A, B or C address, whose lists are its
// class's, and by the mask bits where the row is ambiguous: a class D address
// keeps the lists of the class before it.
// An installed program never writes beside its executable: the file lives there
// only when a maskwell.ini (a regular file, or a link to one) is already there,
// which makes a portable copy, or when the executable runs from its build tree.
// Otherwise it is $XDG_CONFIG_HOME/maskwell/maskwell.ini (~/.config by default).
// Anything else by that name beside the executable (a folder, a fifo, a dangling
// link) counts as no file.
inline constexpr const char* SettingsFileName = "maskwell.ini";
inline constexpr const char* SettingsSection = "conf";
inline constexpr const char* AddressKey = "ipaddr";
inline constexpr const char* MaskKey = "mask";
inline constexpr const char* MaskBitsKey = "maskbits";
inline constexpr int kNoMaskBits = -1;
inline constexpr const char* SubnetListSection = "subnets";
inline constexpr const char* SubnetListOpenKey = "open";
inline constexpr const char* SubnetListWidthKey = "width";
inline constexpr const char* SubnetListHeightKey = "height";
inline constexpr const char* DefaultAddress = "192.168.0.1";
inline constexpr int kDefaultMaskRow = 14; // mask bits 24 in the class A lists

// The subnet list window as the last run left it: whether it was open, and
// its size (invalid where the file has none).
struct SubnetListSettings {
    bool Open = false;
    QSize Size;
};

QString SettingsFilePath(const QString& executableDir, const QString& userConfigDir);

// The settings file for the running program, by the rule above.
QString SettingsFilePath();

// Restores the stored address and mask row, in this order: all four selectors
// at the default row (mask bits 24 in the initial lists), the stored address or
// the default one, the class rebuild (which carries the chosen mask over), the
// stored mask in all four selectors when there is one (by its row, or for a
// class D address by its mask bits where the lists offer them), then the binary
// and hexadecimal texts. The file is read once, the subnet list's section
// with the rest; it is returned, none when the file has no such section.
// repairAddress runs right after the address is assigned and brings any
// stored text into the range the address control holds after a repair.
std::optional<SubnetListSettings> LoadSettings(const TIniFile& ini, CalculatorState& state,
                                               const std::function<void()>& repairAddress);

// Writes the address, CB1's row (-1 without a selection), the mask bits (-1
// without a selection) and, when given, the subnet list's keys in one
// replacement of the file, which a refusal leaves as it was. Throws WriteError
// when the file cannot be written; creates the file's folder when it is
// missing.
void StoreSettings(TIniFile& ini, const CalculatorState& state,
                   const std::optional<SubnetListSettings>& subnetList = std::nullopt);

} // namespace maskwell
