// SPDX-License-Identifier: MIT
// The controls' published properties as forms and the designer reach them:
// through the meta-object system, by name.
#include "controls/IPEdit.h"
#include "controls/Label3D.h"
#include "controls/QlCheckBox.h"
#include "controls/QlFancyButton.h"
#include "controls/advedit/AdvEdit.h"

#include <QMetaProperty>
#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace maskwell {
namespace {

using Factory = std::function<QWidget*()>;

template <typename Control> Factory Make() {
    return [] { return new Control; };
}

QMetaProperty PropertyOf(const QObject& object, const char* name) {
    const QMetaObject* meta = object.metaObject();
    return meta->property(meta->indexOfProperty(name));
}

// A property written by name goes through the control's own setter, so its
// rules (normalising, clamping, ignoring) apply; read back by name.
struct WriteCase {
    const char* name;
    Factory make;
    const char* property;
    QVariant written;
    QVariant read;
};

class PropertyWriteTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(PropertyWriteTest, WritingByNameKeepsTheSettersRules) {
    const std::unique_ptr<QWidget> control(GetParam().make());
    ASSERT_TRUE(PropertyOf(*control, GetParam().property).isValid()) << GetParam().property;
    EXPECT_TRUE(control->setProperty(GetParam().property, GetParam().written));
    EXPECT_EQ(control->property(GetParam().property), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PropertyWriteTest,
    ::testing::Values(
        WriteCase{"IPEditTextIsReadLeniently", Make<TIPEdit>(), "Text",
                  QStringLiteral(" 10.300.ab.2 "), QStringLiteral("10.44.0.2")},
        WriteCase{"IPEditValueIsTheAddressNumber", Make<TIPEdit>(), "Value", 3232235521u,
                  3232235521u},
        WriteCase{"Label3DEscapementIsNormalised", Make<TLabel3D>(), "Escapement", -30, 330},
        WriteCase{"Label3DShiftTakesNegatives", Make<TLabel3D>(), "Shift", -2, -2},
        WriteCase{"CheckBoxAboutKeepsNoValue", Make<TQlCheckBox>(), "About", QStringLiteral("x"),
                  QString()},
        WriteCase{"FancyFrameWidthClampsHigh", Make<TQlFancyButton>(), "FancyEffects_FrameWidth",
                  99, 14},
        WriteCase{"FancyFrameWidthClampsLow", Make<TQlFancyButton>(), "FancyEffects_FrameWidth", 1,
                  3},
        WriteCase{"FancyCornerRadiusClamps", Make<TQlFancyButton>(), "FancyEffects_CornerRadius",
                  200, 145},
        WriteCase{"GlyphNumberClampsLow", Make<TQlFancyButton>(), "Glyphs_Number", 0, 1},
        WriteCase{"GlyphNumberClampsHigh", Make<TQlFancyButton>(), "Glyphs_Number", 9, 4},
        WriteCase{"GlyphDistanceNeverNegative", Make<TQlFancyButton>(), "Glyphs_Distance", -3, 0},
        WriteCase{"AdvEditNumCharsIgnoresZero", Make<TAdvEdit>(), "Lookup_NumChars", 0, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// Where the control has a change event, the property announces its changes.
struct NotifyCase {
    const char* name;
    Factory make;
    const char* property;
    QVariant written;
};

class PropertyNotifyTest : public ::testing::TestWithParam<NotifyCase> {};

TEST_P(PropertyNotifyTest, AChangeIsAnnouncedAndAnEqualValueIsNot) {
    const std::unique_ptr<QWidget> control(GetParam().make());
    const QMetaProperty property = PropertyOf(*control, GetParam().property);
    ASSERT_TRUE(property.hasNotifySignal()) << GetParam().property;
    QSignalSpy spy(control.get(), property.notifySignal());
    control->setProperty(GetParam().property, GetParam().written);
    EXPECT_GE(spy.count(), 1);
    spy.clear();
    control->setProperty(GetParam().property, GetParam().written);
    EXPECT_EQ(spy.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, PropertyNotifyTest,
    ::testing::Values(NotifyCase{"IPEditText", Make<TIPEdit>(), "Text", QStringLiteral("10.1.2.3")},
                      NotifyCase{"IPEditValue", Make<TIPEdit>(), "Value", 3232235521u},
                      NotifyCase{"CheckBoxChecked", Make<TQlCheckBox>(), "Checked", true},
                      NotifyCase{"FancyEffects", Make<TQlFancyButton>(), "FancyEffects_Shape",
                                 QVariant::fromValue(QlFancyButton::btnOval)},
                      NotifyCase{"Glyphs", Make<TQlFancyButton>(), "Glyphs_Layout",
                                 QVariant::fromValue(QlFancyButton::lyTop)},
                      NotifyCase{"AdvEditText", Make<TAdvEdit>(), "Text", QStringLiteral("abc")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace maskwell
