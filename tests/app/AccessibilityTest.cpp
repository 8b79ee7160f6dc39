// SPDX-License-Identifier: MIT
#include "controls/Accessibility.h"

#include "tests/app/MainWindowFixture.h"

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
    // A selector's accessible name on Linux is its current row (Qt's choice
    // there); the name it is known by starts its description instead.
    bool NameStartsDescription = false;
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
    const QString description = node->text(QAccessible::Description);
    if (c.NameStartsDescription) {
        EXPECT_TRUE(description.startsWith(QString(c.AccessibleName) + ": "))
            << description.toStdString();
        EXPECT_EQ(node->text(QAccessible::Name),
                  qobject_cast<QComboBox*>(node->object())->currentText());
    } else {
        EXPECT_EQ(node->text(QAccessible::Name), c.AccessibleName);
        EXPECT_FALSE(description.isEmpty());
    }
}

#define CONTROL(member) [](TMaskwellForm& f) -> QWidget* { return f.member; }

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
        ControlCase{"Pages", CONTROL(PageControl1), QAccessible::PageTabList, "Result pages"}),
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

} // namespace
} // namespace maskwell
