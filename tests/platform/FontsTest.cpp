// SPDX-License-Identifier: MIT
#include "platform/Fonts.h"

#include "tests/support/QtPrinters.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

TEST(Fonts, DesignFontsResolveToTheInstalledStandIns) {
    InstallFontSubstitutions();
    const struct {
        const char* Design;
        const char* Installed;
    } cases[] = {{"MS Sans Serif", "Liberation Sans"},
                 {"Arial", "Liberation Sans"},
                 {"Courier New", "Liberation Mono"},
                 {"Verdana", "DejaVu Sans"},
                 {"Book Antiqua", "P052"}};
    for (const auto& c : cases) {
        // The matched family may carry its foundry: "P052 [UKWN]".
        const QString family = QFontInfo(PixelFont(c.Design, 11)).family().section(" [", 0, 0);
        EXPECT_EQ(family, c.Installed) << c.Design;
    }
}

// A design name that is not installed is asked for by its stand-in's name,
// which spares Qt a fallback search; an installed one is used as it is.
TEST(Fonts, PixelFontNamesTheFamilyItIsDrawnIn) {
    InstallFontSubstitutions();
    QFont::insertSubstitution(QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Mono"));
    const struct {
        const char* Name;
        const char* Asked;
        const char* Family;
    } cases[] = {{"not installed: its stand-in", "Courier New", "Liberation Mono"},
                 {"installed, with a stand-in: itself", "DejaVu Serif", "DejaVu Serif"},
                 {"no stand-in: itself", "No Such Family", "No Such Family"}};
    for (const auto& c : cases)
        EXPECT_EQ(PixelFont(c.Asked, 11).family(), c.Family) << c.Name;
    QFont::removeSubstitutions(QStringLiteral("DejaVu Serif"));
}

TEST(Fonts, PixelFontKeepsTheGivenHeightAndStyle) {
    const QFont font = PixelFont("Courier New", 15, true, true);
    EXPECT_EQ(font.pixelSize(), 15);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
}

} // namespace
} // namespace maskwell
