// SPDX-License-Identifier: MIT
#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QHash>

namespace maskwell {

QString InstalledFamily(const QString& family) {
    const QString standIn = QFont::substitute(family);
    if (standIn.compare(family, Qt::CaseInsensitive) == 0)
        return family;
    // Asked for by a name that is not installed, Qt first runs a fontconfig
    // fallback search for it (a few milliseconds per font) before it tries
    // the stand-in; the name is looked up once instead, in the list of
    // installed families (hasFamily would run that same search).
    static QHash<QString, QString> chosen;
    auto known = chosen.constFind(family);
    if (known == chosen.cend()) {
        const QStringList installed = QFontDatabase::families();
        const auto find = [&installed](const QString& name) {
            for (const QString& candidate : installed)
                if (candidate.compare(name, Qt::CaseInsensitive) == 0)
                    return candidate;
            return QString();
        };
        QString drawnIn = find(family).isEmpty() ? find(standIn) : family;
        // Neither installed: Qt's own fallback decides, as for any name.
        known = chosen.insert(family, drawnIn.isEmpty() ? family : drawnIn);
    }
    return *known;
}

void InstallFontSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Book Antiqua"), QStringLiteral("P052"));
}

QFont PixelFont(const QString& family, int pixelSize, bool bold, bool italic) {
    QFont font(InstalledFamily(family));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

} // namespace maskwell
