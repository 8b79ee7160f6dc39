// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditPersistence.h"

#include "platform/ConfigFile.h"
#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace maskwell {

namespace {

// What a read gives for a missing entry; it never reaches the field.
const QString kMissing = QStringLiteral("@");

// One per-user store for every field; a registry key path ("Software\Maker")
// becomes nested groups, the section a group below it.
QString RegistryGroup(const TPersistence& persistence) {
    QString group = persistence.Key();
    group.replace(u'\\', u'/');
    return group + u'/' + persistence.Section();
}

const QString kStoreOrganization = QStringLiteral("Maskwell");
const QString kStoreApplication = QStringLiteral("AdvEdit");

TIniFile IniFileOf(TPersistence& persistence) {
    if (persistence.Key().isEmpty())
        persistence.SetKey(DefaultIniFileName());
    return TIniFile(persistence.Key());
}

} // namespace

QString DefaultIniFileName() {
    const QFileInfo program(QCoreApplication::applicationFilePath());
    const QString name = program.completeBaseName();
    return ConfigFilePath(program.absolutePath(), UserConfigFolder(), name,
                          name + QStringLiteral(".INI"));
}

std::optional<QString> ReadPersistedText(TPersistence& persistence, const QString& name) {
    QString stored;
    if (persistence.Location() == plRegistry) {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, kStoreOrganization,
                        kStoreApplication);
        store.beginGroup(RegistryGroup(persistence));
        stored = store.value(name, kMissing).toString();
    } else {
        stored = IniFileOf(persistence).ReadString(persistence.Section(), name, kMissing);
    }
    if (stored == kMissing)
        return std::nullopt;
    return stored;
}

void WritePersistedText(TPersistence& persistence, const QString& name, const QString& text) {
    if (persistence.Location() == plRegistry) {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, kStoreOrganization,
                        kStoreApplication);
        store.beginGroup(RegistryGroup(persistence));
        store.setValue(name, text);
        return;
    }
    IniFileOf(persistence).WriteString(persistence.Section(), name, text);
}

} // namespace maskwell
