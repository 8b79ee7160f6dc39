// SPDX-License-Identifier: MIT
// A form compiled by uic: the generated code sets each property through the
// control's own setters.
#include "ui_ControlsForm.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

TEST(UicForm, GeneratedCodeSetsThePropertiesThroughTheSetters) {
    QWidget form;
    Ui::ControlsForm ui;
    ui.setupUi(&form);
    EXPECT_EQ(ui.address->Text(), "192.168.0.1");
    EXPECT_EQ(ui.address->Value(), 3232235521u);
    EXPECT_EQ(ui.title->TextStyle(), Label3D::tsShadow);
    EXPECT_EQ(ui.title->Shift(), 3);
    EXPECT_EQ(ui.title->Caption(), "Subnet");
    EXPECT_EQ(ui.inversed->CustomColor(), ccRed);
    EXPECT_TRUE(ui.inversed->Checked());
    EXPECT_EQ(ui.ok->Caption(), "OK");
    EXPECT_EQ(ui.ok->FancyEffects()->FaceColor(), RGBColor(219, 219, 219));
    EXPECT_EQ(ui.ok->FancyEffects()->FrameWidth(), 14); // clamped by the setter
    EXPECT_EQ(ui.result->EditType(), etHex);
    EXPECT_EQ(ui.result->Text(), "FF"); // hexadecimal values are upper-cased
    EXPECT_EQ(ui.result->text(), "0xFF");
}

} // namespace
} // namespace maskwell
