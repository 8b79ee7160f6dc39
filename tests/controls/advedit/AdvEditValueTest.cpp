// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEdit.h"
#include "tests/controls/advedit/AdvEditFixture.h"

#include <QSignalSpy>

namespace maskwell {
namespace {

class AdvEditValue : public test::UsSeparators {
protected:
    TAdvEdit edit;
};

TEST_F(AdvEditValue, StartsAsAPlainStringFieldThatTakesNoDrops) {
    EXPECT_EQ(edit.EditType(), etString);
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_TRUE(edit.AutoSelect());
    EXPECT_EQ(edit.FocusAlign(), eaDefault);
    EXPECT_EQ(edit.Lookup().NumChars(), 2);
    EXPECT_FALSE(edit.Persistence().Enable());
    EXPECT_FALSE(edit.acceptDrops());
}

TEST_F(AdvEditValue, ValueSitsBetweenPrefixAndSuffix) {
    edit.SetPrefix("$");
    edit.SetText("12");
    EXPECT_EQ(edit.text(), "$12");
    EXPECT_EQ(edit.Text(), "12");
    edit.SetSuffix(" kg");
    EXPECT_EQ(edit.text(), "$12 kg");
    EXPECT_EQ(edit.Text(), "12");
    edit.SetPrefix("");
    EXPECT_EQ(edit.text(), "12 kg");
    edit.setText("x12 lb"); // a window text set around the field's rules
    EXPECT_EQ(edit.Text(), "x12");
}

TEST_F(AdvEditValue, AssigningNormalisesByTypeAndClearsTheModifiedState) {
    edit.SetEditType(etHex);
    edit.SetText("ff");
    EXPECT_EQ(edit.text(), "FF");
    EXPECT_EQ(edit.FloatValue(), 255);
    edit.setModified(true);
    edit.SetText("1.5");
    EXPECT_EQ(edit.Text(), "0");
    EXPECT_FALSE(edit.Modified());
}

TEST_F(AdvEditValue, SwitchingTheTypeReplacesAValueThatDoesNotFit) {
    edit.SetEditType(etNumeric);
    EXPECT_EQ(edit.Text(), "0");
    edit.SetEditType(etString);
    edit.SetText("abc");
    edit.SetEditType(etMoney);
    EXPECT_EQ(edit.Text(), "0");
    EXPECT_TRUE(edit.Modified());
    edit.SetPrecision(2);
    EXPECT_EQ(edit.Text(), "0.00");
    edit.SetText("");
    edit.SetEditType(etFloat); // the precision came along from etMoney
    EXPECT_EQ(edit.Text(), "0.00");
}

TEST_F(AdvEditValue, PrecisionBelongsToTheFloatTypesAndReformatsTheValue) {
    edit.SetPrecision(3);
    EXPECT_EQ(edit.Precision(), 0);
    edit.SetEditType(etFloat);
    edit.SetText("2.5");
    edit.SetPrecision(3);
    EXPECT_EQ(edit.Text(), "2.500");
    edit.SetText("3");
    EXPECT_EQ(edit.Text(), "3.000");
    edit.SetText("1,2,3");
    EXPECT_EQ(edit.Text(), "0.000");
}

TEST_F(AdvEditValue, MoneyValuesAreGroupedAndKeepTheirCaretPlace) {
    edit.SetEditType(etMoney);
    edit.SetPrecision(2);
    edit.SetText("1234.5");
    EXPECT_EQ(edit.Text(), "1,234.50");
    edit.SetAutoThousandSeparator(false);
    EXPECT_EQ(edit.Text(), "1234.50");
    edit.setText("1234567");
    edit.setCursorPosition(4); // after "1234"
    edit.SetAutoThousandSeparator(true);
    EXPECT_EQ(edit.Text(), "1,234,567");
    EXPECT_EQ(edit.cursorPosition(), 6);
    edit.SetFloatValue(-9876.5);
    EXPECT_EQ(edit.Text(), "-9,876.50");
    EXPECT_DOUBLE_EQ(edit.FloatValue(), -9876.5);
    EXPECT_TRUE(edit.Modified());
}

TEST_F(AdvEditValue, NumbersAreWrittenInTheFieldsFormat) {
    edit.SetEditType(etFloat);
    edit.SetPrecision(-1);
    edit.SetFloatValue(0.125);
    EXPECT_EQ(edit.Text(), "0.125");
    edit.SetEditType(etHex);
    edit.SetIntValue(48879);
    EXPECT_EQ(edit.Text(), "BEEF");
    edit.SetEditType(etNumeric);
    edit.SetIntValue(-42);
    EXPECT_EQ(edit.Text(), "-42");
    EXPECT_TRUE(edit.Modified());
}

TEST_F(AdvEditValue, SelectValueLeavesPrefixSuffixAndUrlSchemeOut) {
    edit.SetPrefix("$");
    edit.SetSuffix(" kg");
    edit.SetText("125");
    edit.SelectValue();
    EXPECT_EQ(edit.selectedText(), "125");
    edit.SetPrefix("");
    edit.SetSuffix("");
    edit.SetShowURL(true);
    edit.SetText("http://example.org");
    edit.SelectValue();
    EXPECT_EQ(edit.selectedText(), "example.org");
    edit.SetText("mailto:me@example.org");
    edit.SelectValue();
    EXPECT_EQ(edit.selectedText(), "me@example.org");
}

TEST_F(AdvEditValue, CaretGoesAroundTheDecimalSeparator) {
    edit.SetPrefix("$");
    edit.SetText("12.5");
    edit.CaretBeforeDecimal();
    EXPECT_EQ(edit.cursorPosition(), 3);
    edit.CaretAfterDecimal();
    EXPECT_EQ(edit.cursorPosition(), 4);
    edit.SetText("12");
    edit.CaretAfterDecimal();
    EXPECT_EQ(edit.cursorPosition(), 1);
}

TEST_F(AdvEditValue, ModifiedValuesShowInTheModifiedColour) {
    edit.SetShowModified(true);
    edit.SetModifiedColor(clRed);
    edit.SetModified(true);
    EXPECT_EQ(edit.FontColor(), clRed);
    EXPECT_EQ(edit.palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
    edit.SetText("x");
    EXPECT_EQ(edit.FontColor(), clWindowText);
    EXPECT_FALSE(edit.Modified());
}

TEST_F(AdvEditValue, ColorIsTheBackgroundAndWhatTheLooksReturnTo) {
    edit.SetColor(RGBColor(0xEE, 0xEE, 0xEE));
    EXPECT_EQ(edit.palette().color(QPalette::Active, QPalette::Base), QColor(0xEE, 0xEE, 0xEE));
    edit.SetEnabled(false);
    EXPECT_EQ(edit.Color(), clSilver);
    EXPECT_EQ(edit.palette().color(QPalette::Disabled, QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    edit.SetEnabled(true);
    EXPECT_EQ(edit.Color(), RGBColor(0xEE, 0xEE, 0xEE));
}

TEST_F(AdvEditValue, PasswordTypeMasksAndGivesUpTheUndo) {
    edit.SetEditType(etPassword);
    EXPECT_EQ(edit.PasswordChar(), u'*');
    EXPECT_EQ(edit.echoMode(), QLineEdit::Password);
    EXPECT_FALSE(edit.CanUndo());
    edit.SetCanUndo(true);
    EXPECT_FALSE(edit.CanUndo());
    edit.SetEditType(etString);
    EXPECT_EQ(edit.echoMode(), QLineEdit::Normal);
}

TEST_F(AdvEditValue, ChangesAreValidatedAndShownAsErrors) {
    edit.SetShowError(true);
    edit.SetColor(RGBColor(1, 2, 3));
    QStringList seen;
    edit.OnValueValidate = [&](QObject*, const QString& value, bool& isValid) {
        seen << value;
        isValid = value != "bad";
    };
    const QSignalSpy changes(&edit, &TAdvEdit::TextChanged);
    edit.SetText("bad");
    EXPECT_TRUE(edit.ErrorState());
    EXPECT_EQ(edit.Color(), clRed);
    EXPECT_EQ(edit.FontColor(), clWhite);
    edit.SetText("good");
    EXPECT_FALSE(edit.ErrorState());
    EXPECT_EQ(edit.Color(), RGBColor(1, 2, 3));
    EXPECT_EQ(seen, (QStringList{"bad", "good"}));
    EXPECT_EQ(changes.count(), 2);
}

// For a designer's property editor and the gallery's panel.
TEST_F(AdvEditValue, PropertiesChangedBehindTheirSettersAreAnnounced) {
    const QSignalSpy borders(&edit, &TAdvEdit::BorderStyleChanged);
    const QSignalSpy colors(&edit, &TAdvEdit::ColorChanged);
    const QSignalSpy focusColors(&edit, &TAdvEdit::FocusColorChanged);
    const QSignalSpy passwordChars(&edit, &TAdvEdit::PasswordCharChanged);
    const QSignalSpy canUndos(&edit, &TAdvEdit::CanUndoChanged);
    edit.SetFlat(true); // the parent's colour, focused too, and no frame
    EXPECT_EQ(borders.count(), 1);
    EXPECT_EQ(colors.count(), 1);
    EXPECT_EQ(focusColors.count(), 1);
    edit.SetEditType(etPassword);
    EXPECT_EQ(passwordChars.count(), 1);
    EXPECT_EQ(canUndos.count(), 1);
    edit.SetEditType(etString); // CanUndo stays off
    EXPECT_EQ(passwordChars.count(), 2);
    EXPECT_EQ(canUndos.count(), 1);
    edit.SetFlat(false);
    EXPECT_EQ(borders.count(), 2);
}

TEST_F(AdvEditValue, LoadingDefersTheLookToTheAfterLoadingSteps) {
    edit.BeginLoading();
    edit.SetColor(RGBColor(0x11, 0x22, 0x33));
    edit.SetHeight(25);
    edit.SetEnabled(false);
    edit.SetShowModified(true);
    edit.SetModified(true); // ignored while loading
    EXPECT_FALSE(edit.Modified());
    EXPECT_EQ(edit.Color(), RGBColor(0x11, 0x22, 0x33));
    edit.resize(edit.width(), 40);
    edit.Loaded();
    EXPECT_FALSE(edit.Loading());
    EXPECT_EQ(edit.height(), 25);
    EXPECT_EQ(edit.Color(), clSilver);
    edit.SetEnabled(true);
    EXPECT_EQ(edit.Color(), RGBColor(0x11, 0x22, 0x33));
}

TEST_F(AdvEditValue, SettingsObjectsKeepTheirRules) {
    edit.Lookup().SetNumChars(0);
    EXPECT_EQ(edit.Lookup().NumChars(), 2);
    edit.Lookup().SetNumChars(3);
    EXPECT_EQ(edit.Lookup().NumChars(), 3);
    edit.Lookup().SetDisplayList({"Berlin", "Bern"});
    EXPECT_EQ(edit.Lookup().DisplayList(), (QStringList{"Berlin", "Bern"}));
}

} // namespace
} // namespace maskwell
