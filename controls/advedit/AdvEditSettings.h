// SPDX-License-Identifier: MIT
#pragma once

#include "controls/advedit/AdvEditTypes.h"
#include "platform/Color.h"

#include <QStringList>

// The two settings objects an advanced edit owns and publishes.
namespace maskwell {

// Where the field keeps its text between runs.
class TPersistence {
public:
    bool Enable() const { return enable_; }
    void SetEnable(bool enable) { enable_ = enable; }
    // The INI file name, or the key path of the per-user store.
    const QString& Key() const { return key_; }
    void SetKey(const QString& key) { key_ = key; }
    const QString& Section() const { return section_; }
    void SetSection(const QString& section) { section_ = section; }
    TPersistenceLocation Location() const { return location_; }
    void SetLocation(TPersistenceLocation location) { location_ = location; }

private:
    bool enable_ = false;
    QString key_;
    QString section_;
    TPersistenceLocation location_ = plInifile;
};

// The completion list offered while typing. The list itself is driven by the
// control; these are only its settings.
class TLookupSettings {
public:
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool caseSensitive) { caseSensitive_ = caseSensitive; }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    int DisplayCount() const { return displayCount_; }
    void SetDisplayCount(int count) { displayCount_ = count; }
    const QStringList& DisplayList() const { return displayList_; }
    void SetDisplayList(const QStringList& list) { displayList_ = list; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    int NumChars() const { return numChars_; }
    // A count below one would show the whole list for an empty field: ignored.
    void SetNumChars(int numChars) {
        if (numChars > 0)
            numChars_ = numChars;
    }
    const QStringList& ValueList() const { return valueList_; }
    void SetValueList(const QStringList& list) { valueList_ = list; }

private:
    bool caseSensitive_ = false;
    TColor color_ = clWindow;
    int displayCount_ = 4;
    QStringList displayList_;
    bool enabled_ = false;
    int numChars_ = 2;
    QStringList valueList_;
};

} // namespace maskwell
