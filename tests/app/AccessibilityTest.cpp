// SPDX-License-Identifier: MIT
#include "controls/Accessibility.h"

#include "app/About.h"
#include "app/ResultsReadout.h"
#include "app/WindowAccessibility.h"
#include "controls/QlFancyButton.h"
#include "tests/app/MainWindowFixture.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QToolButton>

namespace maskwell {
namespace {

// The roles a user acts on; anything focusable counts as well.
bool Interactive(QAccessibleInterface* node) {
    switch (node->role()) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::MenuItem:
    case QAccessible::PageTab:
    case QAccessible::PageTabList:
        return true;
    default:
        return node->state().focusable;
    }
}

class Accessibility : public test::MainWindowFixture {
protected:
    void SetUp() override {
        InstallControlAccessibility();
        InstallWindowAccessibility();
        Start();
    }

    static QAccessibleInterface* Of(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }

    // Every node below root, depth first.
    static void Walk(QAccessibleInterface* root, std::vector<QAccessibleInterface*>& nodes) {
        for (int i = 0; i < root->childCount(); ++i)
            if (QAccessibleInterface* child = root->child(i)) {
                nodes.push_back(child);
                Walk(child, nodes);
            }
    }
};

TEST_F(Accessibility, EveryInteractiveControlOnBothPagesHasAName) {
    std::vector<QAccessibleInterface*> nodes;
    for (const int page : {0, 1}) {
        form->PageControl1->SetActivePageIndex(page);
        Walk(Of(form.get()), nodes);
    }
    int interactive = 0;
    std::vector<std::string> unnamed;
    for (QAccessibleInterface* node : nodes) {
        if (!Interactive(node))
            continue;
        ++interactive;
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.push_back(
                std::string(node->object() ? node->object()->metaObject()->className() : "?") +
                " role " + std::to_string(node->role()));
    }
    // Per page: 4 octets, 5 copy buttons, 5 selectors, 6 results, the check
    // box, 2 tabs, the page list and the 2 menu items.
    EXPECT_GE(interactive / 2, 26);
    EXPECT_EQ(unnamed, std::vector<std::string>{});
}

struct ControlCase {
    const char* Name;
    QWidget* (*Control)(TMaskwellForm&);
    QAccessible::Role Role;
    const char* AccessibleName;
    // A selector's value is its current row (Qt on Linux would make the row
    // its name).
    bool ValueIsRow = false;
};

void PrintTo(const ControlCase& c, std::ostream* out) {
    *out << c.Name;
}

class AccessibleControls : public Accessibility,
                           public ::testing::WithParamInterface<ControlCase> {};

TEST_P(AccessibleControls, HaveTheirRoleNameAndADescription) {
    const ControlCase& c = GetParam();
    form->BuildAddressInfoPage(); // as its first showing would
    QAccessibleInterface* node = Of(c.Control(*form));
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->role(), c.Role);
    EXPECT_EQ(node->text(QAccessible::Name), c.AccessibleName);
    EXPECT_FALSE(node->text(QAccessible::Description).isEmpty());
    if (c.ValueIsRow) {
        const QString row = qobject_cast<QComboBox*>(node->object())->currentText();
        EXPECT_FALSE(row.isEmpty());
        EXPECT_EQ(node->text(QAccessible::Value), row);
    }
}

#define CONTROL(member) ([](TMaskwellForm& f) -> QWidget* { return f.member; })

INSTANTIATE_TEST_SUITE_P(
    MainWindow, AccessibleControls,
    ::testing::Values(
        ControlCase{"Octet1", CONTROL(IPE->ByteEdit(0)), QAccessible::EditableText,
                    "IP address, octet 1 of 4"},
        ControlCase{"Octet4", CONTROL(IPE->ByteEdit(3)), QAccessible::EditableText,
                    "IP address, octet 4 of 4"},
        ControlCase{"SubnetMask", CONTROL(CB1), QAccessible::ComboBox, "Subnet mask", true},
        ControlCase{"MaskBits", CONTROL(CB2), QAccessible::ComboBox, "Mask bits", true},
        ControlCase{"MaxSubnets", CONTROL(CB3), QAccessible::ComboBox, "Max subnets", true},
        ControlCase{"MaxHosts", CONTROL(CB4), QAccessible::ComboBox, "Max hosts per subnet", true},
        ControlCase{"AddressType", CONTROL(CBA1), QAccessible::ComboBox, "Address type", true},
        ControlCase{"InversedMask", CONTROL(ChB1), QAccessible::CheckBox, "Use Inversed Mask"},
        ControlCase{"CopyAddress", CONTROL(SpeedButton8), QAccessible::Button, "Copy IP address"},
        ControlCase{"CopyMask", CONTROL(SpeedButton1), QAccessible::Button, "Copy subnet mask"},
        ControlCase{"CopyRange", CONTROL(SpeedButton3), QAccessible::Button,
                    "Copy subnet host address range"},
        ControlCase{"CopySubnetId", CONTROL(SpeedButton4), QAccessible::Button, "Copy subnet ID"},
        ControlCase{"CopyBroadcast", CONTROL(SpeedButton5), QAccessible::Button,
                    "Copy subnet broadcast"},
        ControlCase{"HostRange", CONTROL(E1), QAccessible::EditableText,
                    "Subnet host address range"},
        ControlCase{"Hexadecimal", CONTROL(EA3), QAccessible::EditableText,
                    "Address in hexadecimal"},
        ControlCase{"Pages", CONTROL(PageControl1), QAccessible::PageTabList, "Result pages"},
        ControlCase{"SubnetInfoTab", CONTROL(PageControl1->Tab(0)), QAccessible::PageTab,
                    "Subnet Info"},
        ControlCase{"MainWindow", [](TMaskwellForm& f) -> QWidget* { return &f; },
                    QAccessible::Window, "Maskwell v1.14"}),
    [](const ::testing::TestParamInfo<ControlCase>& info) { return info.param.Name; });

TEST_F(Accessibility, ResultsAreReadOnlyTextWithTheirValue) {
    TypeAddress("10.1.2.3");
    QAccessibleInterface* range = Of(form->E1);
    EXPECT_TRUE(range->state().readOnly);
    EXPECT_EQ(range->text(QAccessible::Value), "10.1.2.1 - 10.1.2.254");
    EXPECT_EQ(Of(form->IPE->ByteEdit(1))->text(QAccessible::Value), "1");
}

TEST_F(Accessibility, ActionsToggleTheCheckBoxAndCopyAResult) {
    TypeAddress("10.1.2.3");
    QAccessibleInterface* box = Of(form->ChB1);
    ASSERT_NE(box->actionInterface(), nullptr);
    EXPECT_FALSE(box->state().checked);
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(box->state().checked);
    EXPECT_EQ(form->CB1->currentText(), "0.0.0.255") << "the toggle ran the check box's click";

    QApplication::clipboard()->clear();
    QAccessibleInterface* copy = Of(form->SpeedButton4);
    ASSERT_NE(copy->actionInterface(), nullptr);
    copy->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::clipboard()->text().isEmpty(); }));
    EXPECT_EQ(QApplication::clipboard()->text(), "10.1.2.0");
}

TEST_F(Accessibility, PageTabsHoldTheirPagesAndTheShownOneIsSelected) {
    QAccessibleInterface* pages = Of(form->PageControl1);
    ASSERT_EQ(pages->childCount(), 2);
    QAccessibleInterface* second = pages->child(1);
    EXPECT_EQ(second->object(), form->PageControl1->Tab(1));
    EXPECT_EQ(pages->indexOfChild(second), 1);
    EXPECT_EQ(second->parent()->object(), form->PageControl1);
    ASSERT_EQ(second->childCount(), 1);
    QAccessibleInterface* page = second->child(0);
    EXPECT_EQ(page->object(), form->TabSheet2);
    EXPECT_EQ(page->text(QAccessible::Name), "Address Info");
    EXPECT_EQ(page->parent()->object(), second->object());
    EXPECT_TRUE(pages->child(0)->state().selected);
    EXPECT_FALSE(second->state().selected);

    second->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(form->PageControl1->ActivePageIndex(), 1);
    EXPECT_TRUE(second->state().selected);
    EXPECT_FALSE(pages->child(0)->state().selected);
}

// A row selected in a closed list (only an assistive technology does that)
// is a user's pick: the other lists follow and the results are new, once the
// call has returned.
TEST_F(Accessibility, ARowChosenThroughTheListIsAUsersPick) {
    TypeAddress("10.1.2.3");
    QAccessibleInterface* bits = Of(form->CB2);
    QAccessibleInterface* list = bits->child(0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(QAccessible::Name), "Mask bits list");
    const int row = form->CB2->findText("26");
    QAccessibleInterface* cell = list->child(row);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "26");
    cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_EQ(form->CB2->currentIndex(), form->CB2->findText("24")) << "after the call returns";
    EXPECT_TRUE(QTest::qWaitFor([this] { return form->CB2->currentText() == "26"; }));
    EXPECT_EQ(Masks(), "255.255.255.192 / 26 / 262142 / 62");
    EXPECT_EQ(Results(), "10.1.2.1 - 10.1.2.62 | 10.1.2.0 | 10.1.2.63");
    EXPECT_EQ(bits->text(QAccessible::Value), "26");
    EXPECT_TRUE(cell->state().selected) << "the list shows the box's row";
}

// The mask lists and the Subnet Info tab describe the results, once per change.
TEST_F(Accessibility, MaskListsDescribeTheResultsTheyGive) {
    TypeAddress("172.16.77.9");
    Pick(form->CB2, "20");
    const QString sentence =
        "Host range 172.16.64.1 - 172.16.79.254, subnet ID 172.16.64.0, broadcast 172.16.79.255";
    for (QWidget* reader : {static_cast<QWidget*>(form->CB1), static_cast<QWidget*>(form->CB4),
                            static_cast<QWidget*>(form->PageControl1->Tab(0))})
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return Of(reader)->text(QAccessible::Description) == sentence;
        })) << Of(reader)->text(QAccessible::Description).toStdString();
    EXPECT_EQ(ResultsSentence("", "", ""), "No mask chosen");
}

TEST_F(Accessibility, CopyButtonsTellTheirKeys) {
    const std::pair<QToolButton*, const char*> buttons[] = {{form->SpeedButton8, "Ctrl+1"},
                                                            {form->SpeedButton1, "Ctrl+2"},
                                                            {form->SpeedButton3, "Ctrl+3"},
                                                            {form->SpeedButton4, "Ctrl+4"},
                                                            {form->SpeedButton5, "Ctrl+5"}};
    for (const auto& [button, key] : buttons) {
        QAccessibleActionInterface* actions = Of(button)->actionInterface();
        ASSERT_NE(actions, nullptr);
        EXPECT_EQ(actions->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                  QStringList{key});
        EXPECT_TRUE(Of(button)->text(QAccessible::Description).endsWith(QString("(%1)").arg(key)));
    }
}

TEST_F(Accessibility, AboutIsADialogWithAFocusedOkAndALink) {
    TAboutF about(*form);
    form->SetAboutWindow(&about);
    form->About1->trigger();
    QApplication::setActiveWindow(&about);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    EXPECT_EQ(Of(&about)->role(), QAccessible::Dialog);
    EXPECT_EQ(Of(&about)->text(QAccessible::Name), "About Maskwell");
    QAccessibleInterface* ok = Of(about.OkB);
    EXPECT_TRUE(ok->state().focusable);
    EXPECT_TRUE(ok->state().focused);
    QAccessibleInterface* link = Of(about.Label3D5);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), TAboutF::kWebAddress);
    EXPECT_TRUE(link->state().focusable);
    EXPECT_EQ(link->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    EXPECT_EQ(Of(about.Label3D1)->role(), QAccessible::StaticText) << "the version is text";
    form->SetAboutWindow(nullptr);
}

} // namespace
} // namespace maskwell
