// SPDX-License-Identifier: MIT
// What the main window and the About window show a user: captions, hints,
// menus, the tab order, the result fields' look and the class bit maps.
#include "app/About.h"
#include "controls/QlFancyButton.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/ModalBoxCloser.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

namespace maskwell {
namespace {

using MainWindowShown = test::MainWindowFixture;

// ---- The result fields in the real window

struct ResultFieldCase {
    const char* Name;
    TAdvEdit* TMaskwellForm::*Field;
    int Page;
};

void PrintTo(const ResultFieldCase& row, std::ostream* out) {
    *out << row.Name;
}

class ResultFields : public test::MainWindowFixture,
                     public ::testing::WithParamInterface<ResultFieldCase> {};

TEST_P(ResultFields, AreReadOnlyOutOfTheTabOrderAndPaleGreenWhileFocused) {
    const ResultFieldCase& row = GetParam();
    Start();
    form->PageControl1->SetActivePageIndex(row.Page);
    TAdvEdit* field = form.get()->*row.Field;
    const QString shown = field->Text();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_FALSE(field->TabStop());
    EXPECT_EQ(field->focusPolicy() & Qt::TabFocus, 0) << "Tab never lands here";
    const auto background = [field] {
        return field->palette().color(QPalette::Active, QPalette::Base);
    };
    EXPECT_EQ(background(), QColor(238, 238, 238));

    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(field->hasFocus());
    EXPECT_EQ(background(), QColor(213, 255, 213));
    QTest::keyClicks(field, "x9");
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(field->Text(), shown) << "nothing typed changes it";

    form->PageControl1->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(background(), QColor(238, 238, 238));
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ResultFields,
                         ::testing::Values(ResultFieldCase{"E1", &TMaskwellForm::E1, 0},
                                           ResultFieldCase{"E2", &TMaskwellForm::E2, 0},
                                           ResultFieldCase{"E3", &TMaskwellForm::E3, 0},
                                           ResultFieldCase{"EA1", &TMaskwellForm::EA1, 1},
                                           ResultFieldCase{"EA2", &TMaskwellForm::EA2, 1},
                                           ResultFieldCase{"EA3", &TMaskwellForm::EA3, 1}),
                         [](const auto& info) { return std::string(info.param.Name); });

// ---- Tab order, by the Tab key

TEST_F(MainWindowShown, TabGoesThroughTheOctetsThePagesAndTheSelectorsInTheirOrder) {
    Start();
    const auto name = [this](QWidget* widget) -> QString {
        for (int i = 0; i < 4; ++i)
            if (widget == form->IPE->ByteEdit(i))
                return "IPE" + QString::number(i);
        const struct {
            QWidget* Widget;
            const char* Name;
        } named[] = {{form->PageControl1, "PageControl1"},
                     {form->CB1, "CB1"},
                     {form->CB2, "CB2"},
                     {form->CB3, "CB3"},
                     {form->CB4, "CB4"},
                     {form->CBA1, "CBA1"}};
        for (const auto& entry : named)
            if (widget == entry.Widget)
                return entry.Name;
        return widget ? widget->metaObject()->className() : "none";
    };
    const auto walk = [&](int steps) {
        QStringList visited;
        for (int i = 0; i < steps; ++i) {
            // The press alone: a release in a full octet field moves on by
            // itself (the auto-advance), which is not the tab order.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
            QApplication::sendEvent(QApplication::focusWidget(), &press);
            visited << name(QApplication::focusWidget());
        }
        return visited;
    };
    form->IPE->ByteEdit(0)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(walk(9), QStringList({"IPE1", "IPE2", "IPE3", "PageControl1", "CB2", "CB1", "CB4",
                                    "CB3", "IPE0"}));
    form->PageControl1->SetActivePageIndex(1);
    form->IPE->ByteEdit(3)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(walk(3), QStringList({"PageControl1", "CBA1", "IPE0"}));
}

// ---- Captions and hints

TEST_F(MainWindowShown, LabelsPagesAndTheCheckBoxCarryTheirCaptions) {
    Start();
    ShowAddressInfo();
    const struct {
        TLabel3D* Label;
        const char* Caption;
    } labels[] = {
        {form->Label3D2, "IP Address:"},
        {form->Label3D1, "Subnet Mask:"},
        {form->Label3D3, "Mask Bits:"},
        {form->Label3D4, "Max Subnets:"},
        {form->Label3D5, "Max Hosts Per Subnet:"},
        {form->Label3D6, "Subnet Host Address Range:"},
        {form->Label3D7, "Subnet ID:"},
        {form->Label3D8, "Subnet Broadcast:"},
        {form->Label3D9, "Address Type:"},
        {form->Label3D11, "Binary:"},
        {form->Label3D12, "Hexadecimal:"},
    };
    for (const auto& [label, caption] : labels)
        EXPECT_EQ(label->Caption(), caption);
    EXPECT_EQ(form->PageControl1->Tab(0)->text(), "Subnet Info");
    EXPECT_EQ(form->PageControl1->Tab(1)->text(), "Address Info");
    EXPECT_EQ(form->ChB1->Caption(), "Use Inversed Mask");
}

TEST_F(MainWindowShown, EveryControlWithAHintShowsItsOwn) {
    Start();
    ShowAddressInfo();
    const struct {
        QWidget* Control;
        const char* Hint;
    } hints[] = {
        {form->IPE, "IP Address"},
        {form->SpeedButton8, "Copy IP Address to Clipboard (Ctrl+1)"},
        {form->CB1, "Subnet Mask"},
        {form->SpeedButton1, "Copy Subnet Mask to Clipboard (Ctrl+2)"},
        {form->CB2, "Mask Bits"},
        {form->CB3, "Max Subnets"},
        {form->CB4, "Max Hosts Per Subnet"},
        {form->SpeedButton3, "Copy Subnet Host Address Range to Clipboard (Ctrl+3)"},
        {form->SpeedButton4, "Copy Subnet ID to Clipboard (Ctrl+4)"},
        {form->SpeedButton5, "Copy Subnet Broadcast to Clipboard (Ctrl+5)"},
        {form->E1, ""},
        {form->E2, ""},
        {form->E3, ""},
        {form->CBA1, ""},
    };
    for (const auto& [control, hint] : hints)
        EXPECT_EQ(control->toolTip(), hint) << control->metaObject()->className();
}

TEST_F(MainWindowShown, MenuBarHoldsFileWithExitAndAboutAsACommand) {
    Start();
    const QList<QAction*> bar = form->MainMenu1->actions();
    ASSERT_GE(bar.size(), 2);
    EXPECT_EQ(bar.front()->text(), "File");
    EXPECT_EQ(bar.front()->menu(), form->Quit1);
    EXPECT_EQ(bar.back(), form->About1);
    EXPECT_EQ(form->About1->text(), "About");
    EXPECT_EQ(form->About1->menu(), nullptr) << "About acts at once";
    const QList<QAction*> file = form->Quit1->actions();
    ASSERT_FALSE(file.isEmpty());
    EXPECT_EQ(file.back(), form->Exit1);
    EXPECT_EQ(form->Exit1->text(), "Exit");
}

TEST_F(MainWindowShown, AboutWindowNamesTheProgramItsVersionAndItsMaker) {
    Start();
    auto window = std::make_unique<TAboutF>(*form);
    form->SetAboutWindow(window.get());
    form->About1->trigger(); // the window builds its controls when first shown
    ASSERT_TRUE(window->isVisible());
    const TAboutF& about = *window;
    EXPECT_EQ(form->windowTitle(), "Maskwell v1.14");
    EXPECT_EQ(about.Label3D3->Caption(), "Maskwell");
    EXPECT_EQ(about.Label3D1->Caption(), "Version 1.14");
    EXPECT_FALSE(about.Label3D4->Caption().isEmpty()) << "the maker";
    EXPECT_TRUE(about.Label3D2->Caption().contains(u'\u00A9'))
        << about.Label3D2->Caption().toStdString();
    EXPECT_TRUE(about.Label3D2->Caption().contains(about.Label3D4->Caption()));
    EXPECT_EQ(about.Label3D5->Caption(), TAboutF::kWebAddress);
    EXPECT_EQ(about.OkB->Caption(), "OK");
    form->SetAboutWindow(nullptr);
}

// ---- The bit map of each class

struct ClassCase {
    const char* Name;
    const char* Address;
    const char* Row;
    const char* Title;
    const char* Pattern;
};

void PrintTo(const ClassCase& row, std::ostream* out) {
    *out << row.Name;
}

class ClassBitMap : public test::MainWindowFixture,
                    public ::testing::WithParamInterface<ClassCase> {};

TEST_P(ClassBitMap, FollowsTheTypedAddress) {
    const ClassCase& row = GetParam();
    Start();
    {
        test::ModalBoxCloser closer; // class D says so on every field left
        TypeAddress(row.Address);
    }
    ShowAddressInfo();
    EXPECT_EQ(form->CBA1->currentText(), row.Row);
    EXPECT_EQ(form->L10->Caption(), row.Title);
    EXPECT_EQ(form->EA1->Text(), row.Pattern);
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, ClassBitMap,
    ::testing::Values(
        ClassCase{"A", "10.1.2.3", "Class A: 1.0.0.0 -- 126.255.255.255",
                  "Class A Bit Map (n=network;h=host)", "0nnnnnnn.hhhhhhhh.hhhhhhhh.hhhhhhhh"},
        ClassCase{"B", "150.1.2.3", "Class B: 128.0.0.0 -- 191.255.255.255",
                  "Class B Bit Map (n=network;h=host)", "10nnnnnn.nnnnnnnn.hhhhhhhh.hhhhhhhh"},
        ClassCase{"C", "200.1.2.3", "Class C: 192.0.0.0 -- 223.255.255.255",
                  "Class C Bit Map (n=network;h=host)", "110nnnnn.nnnnnnnn.nnnnnnnn.hhhhhhhh"},
        ClassCase{"D", "230.1.2.3", "Class D/Multicast: 224.0.0.0 -- 239.255.255.255",
                  "Multicast Bit Map (g=group)", "1110gggg.gggggggg.gggggggg.gggggggg"}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace maskwell
