// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEditTyping.h"

#include "tests/controls/advedit/AdvEditFixture.h"

namespace maskwell {
namespace {

class AdvEditTyping : public test::UsSeparators {
protected:
    // A field holding text with the caret at caret and selLength characters
    // selected from it.
    static FieldState At(const QString& text, int caret, int selLength = 0) {
        return {text, caret, selLength};
    }
    TypingSettings Of(TAdvEditType type, int precision = 0) const {
        TypingSettings settings;
        settings.editType = type;
        settings.precision = precision;
        return settings;
    }
    CharAction Action(const TypingSettings& settings, const FieldState& field, QChar ch) const {
        return DecideChar(settings, field, ch, false).action;
    }
};

TEST_F(AdvEditTyping, IntegerPartEndIgnoresThousandSeparators) {
    EXPECT_EQ(IntPartEnd("1,234.5"), 5);
    EXPECT_EQ(IntPartEnd("123"), 4);
    EXPECT_EQ(IntPartEnd(""), 1);
    EXPECT_EQ(DecimalCaretPos("12.5", 1, 2), 4);
    EXPECT_EQ(DecimalCaretPos("12", 1, 2), 6);
}

TEST_F(AdvEditTyping, DecimalsAreFullOnlyWithTheCaretBehindAFullDecimalPart) {
    EXPECT_TRUE(DecimalsFull("12.34", 5, 0, 2));
    EXPECT_TRUE(DecimalsFull("12.34", 3, 0, 2));
    EXPECT_FALSE(DecimalsFull("12.34", 2, 0, 2)); // in the integer part
    EXPECT_FALSE(DecimalsFull("12.3", 4, 0, 2));  // room for one more
    EXPECT_FALSE(DecimalsFull("12.34", 5, 0, 0)); // no precision
    EXPECT_FALSE(DecimalsFull("1234", 4, 0, 2));  // no decimal part
    EXPECT_TRUE(DecimalsFull("12.34", 6, 1, 2));  // behind a one-character prefix
}

TEST_F(AdvEditTyping, AThousandSeparatorBelongsThreePlacesFromItsNeighbour) {
    EXPECT_FALSE(ThousandSeparatorMisplaced("1,234", 5, 0));
    EXPECT_TRUE(ThousandSeparatorMisplaced("1,23", 4, 0));
    EXPECT_TRUE(ThousandSeparatorMisplaced("1,2345", 6, 0));
    EXPECT_FALSE(ThousandSeparatorMisplaced("1,234,567", 9, 0));
    EXPECT_FALSE(ThousandSeparatorMisplaced("1234", 2, 0)); // no neighbour to keep to
    EXPECT_FALSE(ThousandSeparatorMisplaced("1,234", 6, 1));
}

TEST_F(AdvEditTyping, SignToggleMovesTheCaretWithTheSign) {
    const SignToggle added = ToggledSign("12", 2, 0);
    EXPECT_EQ(added.value, "-12");
    EXPECT_EQ(added.caret, 3);
    const SignToggle removed = ToggledSign("-12", 3, 0);
    EXPECT_EQ(removed.value, "12");
    EXPECT_EQ(removed.caret, 2);
    EXPECT_EQ(ToggledSign("-12", 1, 1).caret, 1); // never into the prefix
}

TEST_F(AdvEditTyping, MoneyLeavesGroupingToTheField) {
    const TypingSettings settings = Of(etMoney, 2);
    EXPECT_EQ(Action(settings, At("1234", 4), u','), CharAction::Drop);
    EXPECT_EQ(Action(settings, At("1.5", 0, 3), u'.'), CharAction::RefuseAfterDecimal);
    EXPECT_TRUE(RegroupsAfterTyping("1234", u'4'));
    EXPECT_FALSE(RegroupsAfterTyping("1234.", u'.'));
    EXPECT_FALSE(RegroupsAfterTyping("-", u'-'));
}

TEST_F(AdvEditTyping, MinusIsASignSwitchOnlyForSignedNumbers) {
    TypingSettings settings = Of(etNumeric);
    EXPECT_EQ(Action(settings, At("12", 2), u'-'), CharAction::Consume);
    settings.isSigned = true;
    EXPECT_EQ(Action(settings, At("12", 2), u'-'), CharAction::ToggleSign);
    settings.editType = etFloat;
    EXPECT_EQ(Action(settings, At("12", 2), u'-'), CharAction::ToggleSign);
    EXPECT_EQ(Action(settings, At("12", 0, 2), u'-'), CharAction::Type); // replaces the selection
    EXPECT_EQ(Action(Of(etHex), At("12", 2), u'-'), CharAction::Type);
}

TEST_F(AdvEditTyping, LengthLimitStopsAFullIntegerPart) {
    TypingSettings settings = Of(etFloat, 2);
    settings.lengthLimit = 3;
    EXPECT_EQ(Action(settings, At("123", 3), u'4'), CharAction::Consume);
    EXPECT_EQ(Action(settings, At("123", 3), u'.'), CharAction::Type);
    EXPECT_EQ(Action(settings, At("123.4", 5), u'5'), CharAction::Type);
    EXPECT_EQ(Action(settings, At("12", 2), u'3'), CharAction::Type);
    // A backspace may not merge the decimals into a full integer part.
    EXPECT_EQ(Action(settings, At("123.4", 4), QChar(8)), CharAction::Consume);
    settings.tabOnFullLength = true;
    EXPECT_TRUE(TabsOnFullLength(settings, At("123", 3)));
    EXPECT_FALSE(TabsOnFullLength(settings, At("123", 2)));
    settings.prefix = "$";
    EXPECT_TRUE(TabsOnFullLength(settings, At("$123", 4)));
}

TEST_F(AdvEditTyping, ReadOnlyFieldsGetNoRuleThatWritesAroundTheBaseEdit) {
    TypingSettings settings = Of(etNumeric);
    settings.isSigned = true;
    settings.readOnly = true;
    EXPECT_EQ(Action(settings, At("12", 2), u'-'), CharAction::DefaultOnly);
    EXPECT_EQ(Action(settings, At("12", 2), QChar(13)), CharAction::KeyPressOnly);
    EXPECT_FALSE(DecideKeyDown(settings, At("12", 0), Qt::Key_Delete, false).setModified);
}

TEST_F(AdvEditTyping, MouseReleaseKeepsTheSelectionInsideTheValue) {
    TypingSettings settings = Of(etString);
    settings.prefix = "$";
    settings.suffix = " kg";
    EXPECT_EQ(SelectionAfterMouseRelease(settings, At("$12 kg", 0)), (Selection{1, 2}));
    EXPECT_EQ(SelectionAfterMouseRelease(settings, At("$12 kg", 5)), (Selection{3, 0}));
    EXPECT_EQ(SelectionAfterMouseRelease(settings, At("$12 kg", 2, 3)), (Selection{2, 1}));
    EXPECT_EQ(SelectionAfterMouseRelease(settings, At("$12 kg", 2)), std::nullopt);
}

TEST_F(AdvEditTyping, PastesAreTakenAsTheTypeAllows) {
    EXPECT_EQ(DecidePaste(Of(etFloat, 0), "3.5", ".5").action, PasteAction::Ignore);
    EXPECT_EQ(DecidePaste(Of(etFloat, 2), "3.5", ".5").action, PasteAction::SetTextReformatted);
    EXPECT_EQ(DecidePaste(Of(etAlphaNumeric), "a-b", "-").action, PasteAction::Ignore);
    EXPECT_EQ(DecidePaste(Of(etUppercase), "abc", "x").value, "ABC");
}

} // namespace
} // namespace maskwell
