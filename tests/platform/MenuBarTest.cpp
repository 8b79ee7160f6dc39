// SPDX-License-Identifier: MIT
#include "platform/MenuBar.h"

#include "tests/support/QtPrinters.h"

#include <QAction>
#include <QStyleOptionMenuItem>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

// Captions in menu order ("-" a separator) and where each one's letter lies.
struct LetterCase {
    const char* Name;
    QStringList Captions;
    QList<int> Positions;
};

void PrintTo(const LetterCase& row, std::ostream* out) {
    *out << row.Name;
}

class MnemonicLetters : public ::testing::TestWithParam<LetterCase> {};

TEST_P(MnemonicLetters, TakeTheFirstFreeLetterWordStartsFirst) {
    QMenu menu;
    for (const QString& caption : GetParam().Captions)
        if (caption == "-")
            menu.addSeparator();
        else
            menu.addAction(caption);
    EXPECT_EQ(MnemonicPositions(menu.actions()), GetParam().Positions);
}

INSTANTIATE_TEST_SUITE_P(
    Menus, MnemonicLetters,
    ::testing::Values(LetterCase{"FirstLetters", {"File", "Edit", "About"}, {0, 0, 0}},
                      LetterCase{"ClashTakesTheNextWord", {"Copy All", "Copy Address"}, {0, 5}},
                      LetterCase{"ThenAnyLetter", {"Copy All", "Close"}, {0, 1}},
                      LetterCase{"MarkedCaptionsKeepTheirOwn", {"&Save", "-", "Stop"}, {-1, -1, 1}},
                      LetterCase{"NoFreeLetter", {"Ab", "Ba", "B"}, {0, 0, -1}}),
    [](const auto& info) { return std::string(info.param.Name); });

// The style is handed the caption with an "&" before its letter; the text of
// the command stays as it is.
class ProbedMenu : public TMenu {
public:
    using TMenu::initStyleOption;
    using TMenu::TMenu;
};

TEST(MnemonicLetters, AreMarkedOnlyWhereTheStyleDrawsThem) {
    ProbedMenu menu("Edit");
    menu.addAction("Copy All")->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QAction* paste = menu.addAction("Paste Address");
    QStyleOptionMenuItem option;
    menu.initStyleOption(&option, menu.actions().front());
    EXPECT_TRUE(option.text.startsWith("&Copy All\t")) << option.text.toStdString();
    menu.initStyleOption(&option, paste);
    EXPECT_EQ(option.text, "&Paste Address");
    EXPECT_EQ(paste->text(), "Paste Address");
    EXPECT_EQ(menu.accessibleName(), "Edit");
}

} // namespace
} // namespace maskwell
