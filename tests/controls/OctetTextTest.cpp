// SPDX-License-Identifier: MIT
#include "controls/OctetText.h"

#include "core/Error.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace maskwell {
namespace {

TEST(LenientIntegerValue, ReadsSignsHexPrefixesAndStopsAtTheFirstMisfit) {
    EXPECT_EQ(LenientIntegerValue(u"  42"), 42);
    EXPECT_EQ(LenientIntegerValue(u"-7"), -7);
    EXPECT_EQ(LenientIntegerValue(u"+9"), 9);
    EXPECT_EQ(LenientIntegerValue(u"$1F"), 31);
    EXPECT_EQ(LenientIntegerValue(u"x1f"), 31);
    EXPECT_EQ(LenientIntegerValue(u"-0x10"), -16);
    EXPECT_EQ(LenientIntegerValue(u"12ab"), 12);
    EXPECT_EQ(LenientIntegerValue(u"1 2"), 1);
    EXPECT_EQ(LenientIntegerValue(u"- 5"), 0);
    EXPECT_EQ(LenientIntegerValue(u"ab"), 0);
    EXPECT_EQ(LenientIntegerValue(u""), 0);
    EXPECT_EQ(LenientIntegerValue(u"0x"), 0);
}

TEST(LenientIntegerValue, StopsBeforeADigitThatWouldLeave32Bits) {
    EXPECT_EQ(LenientIntegerValue(u"99999999999"), 999999999);
    EXPECT_EQ(LenientIntegerValue(u"-2147483648"), -2147483647 - 1);
    EXPECT_EQ(LenientIntegerValue(u"2147483648"), 214748364);
    EXPECT_EQ(LenientIntegerValue(u"$FFFFFFFF"), 0x0FFFFFFF);
}

TEST(NormalizeOctetText, TakesTheRemainderBy256KeepingTheSign) {
    EXPECT_EQ(NormalizeOctetText(u"300"), "44");
    EXPECT_EQ(NormalizeOctetText(u"256"), "0");
    EXPECT_EQ(NormalizeOctetText(u"-1"), "-1");
    EXPECT_EQ(NormalizeOctetText(u"-300"), "-44");
    EXPECT_EQ(NormalizeOctetText(u"007"), "7");
    EXPECT_EQ(NormalizeOctetText(u"$ff"), "255");
    EXPECT_EQ(NormalizeOctetText(u"ab"), "0");
}

TEST(OctetTextsOfAddress, TrimsTheTextAndReadsAtMostFourParts) {
    EXPECT_EQ(OctetTextsOfAddress(" \t10.1.2.3 \n"), QStringList({"10", "1", "2", "3"}));
    EXPECT_EQ(OctetTextsOfAddress("1.2.3.4.5"), QStringList({"1", "2", "3", "4"}));
    EXPECT_EQ(OctetTextsOfAddress("10.300.ab.2"), QStringList({"10", "44", "0", "2"}));
    EXPECT_EQ(OctetTextsOfAddress("10. 1"), QStringList({"10", "1"}));
}

TEST(OctetTextsOfAddress, AShortTextSetsOnlyTheLeadingFields) {
    EXPECT_EQ(OctetTextsOfAddress("7"), QStringList{"7"});
    EXPECT_EQ(OctetTextsOfAddress(""), QStringList{"0"});
    EXPECT_EQ(OctetTextsOfAddress("1.2."), QStringList({"1", "2", "0"}));
}

// Records every write so that the order of the repair's steps shows.
class RecordingFields : public OctetFields {
public:
    explicit RecordingFields(std::array<QString, 4> texts) : texts(std::move(texts)) {}
    QString OctetText(int index) const override { return texts[static_cast<std::size_t>(index)]; }
    void SetOctetText(int index, const QString& text) override {
        texts[static_cast<std::size_t>(index)] = text;
        writes.emplace_back(index, text);
    }
    std::array<QString, 4> texts;
    std::vector<std::pair<int, QString>> writes;
};

using Writes = std::vector<std::pair<int, QString>>;

TEST(RepairOctets, FillsEmptyAndAllZeroFieldsInStepOrder) {
    RecordingFields empty({"", "", "", ""});
    RepairOctets(empty);
    EXPECT_EQ(empty.writes, (Writes{{0, "1"}, {1, "0"}, {2, "0"}, {3, "0"}}));

    // The empty field 1 is filled before the zeros of field 0 are replaced.
    RecordingFields zeros({"00", "", "000", "0"});
    RepairOctets(zeros);
    EXPECT_EQ(zeros.writes, (Writes{{1, "0"}, {0, "1"}, {2, "0"}}));
}

TEST(RepairOctets, StripsLeadingZerosAndClampsTheOctets) {
    RecordingFields fields({"007", "010", "300", "001"});
    RepairOctets(fields);
    EXPECT_EQ(fields.texts, (std::array<QString, 4>{"7", "10", "255", "1"}));

    RecordingFields high({"250", "256", "255", "999"});
    RepairOctets(high);
    EXPECT_EQ(high.texts, (std::array<QString, 4>{"239", "255", "255", "255"}));
}

TEST(RepairOctets, LeavesAGoodAddressUntouched) {
    RecordingFields fields({"239", "255", "0", "5"});
    RepairOctets(fields);
    EXPECT_TRUE(fields.writes.empty());
}

// Whatever reached a field (a paste, a drop, an input method), a sign does not
// survive leaving it: the octet is clamped into its range from below too.
struct SignedOctetCase {
    const char* name;
    std::array<QString, 4> before;
    std::array<QString, 4> after;
};

class RepairSignedOctets : public ::testing::TestWithParam<SignedOctetCase> {};

TEST_P(RepairSignedOctets, EndsInRangeWithoutASign) {
    RecordingFields fields(GetParam().before);
    RepairOctets(fields);
    EXPECT_EQ(fields.texts, GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Octets, RepairSignedOctets,
    ::testing::Values(
        SignedOctetCase{"MinusInSecond", {"192", "-5", "0", "1"}, {"192", "0", "0", "1"}},
        SignedOctetCase{"PlusInSecond", {"192", "+7", "0", "1"}, {"192", "7", "0", "1"}},
        SignedOctetCase{"MinusZero", {"192", "1", "-0", "1"}, {"192", "1", "0", "1"}},
        SignedOctetCase{"ZeroThenMinus", {"192", "1", "2", "0-5"}, {"192", "1", "2", "0"}},
        SignedOctetCase{"MinusInFirst", {"-5", "1", "2", "3"}, {"1", "1", "2", "3"}},
        SignedOctetCase{"MinusZeroInFirst", {"-0", "1", "2", "3"}, {"1", "1", "2", "3"}},
        SignedOctetCase{"PlusBeyondFirst", {"+99", "+300", "+25", "+0"}, {"99", "255", "25", "0"}},
        SignedOctetCase{
            "LongDigitRun", {"99999999999", "0", "0", "12345678901"}, {"239", "0", "0", "255"}},
        SignedOctetCase{"LongZeroRun", {"0000", "00000", "+0000", "-0000"}, {"1", "0", "0", "0"}}),
    [](const ::testing::TestParamInfo<SignedOctetCase>& info) { return info.param.name; });

TEST(RepairOctets, ANonNumberStopsTheRepairAfterTheEarlierWrites) {
    RecordingFields fields({"007", "300", "ab", "999"});
    try {
        RepairOctets(fields);
        FAIL() << "no conversion error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'ab' is not a valid integer value");
    }
    // Leading zeros went and field 1 was clamped; field 3 was never reached.
    EXPECT_EQ(fields.texts, (std::array<QString, 4>{"7", "255", "ab", "999"}));
}

TEST(OctetsValue, PutsTheFirstOctetInTheHighByte) {
    EXPECT_EQ(OctetsValue({"192", "168", "0", "1"}), 3232235521u);
    EXPECT_EQ(OctetsValue({"255", "255", "255", "255"}), 0xFFFFFFFFu);
    EXPECT_EQ(OctetTextsOfValue(3232235521u), (std::array<QString, 4>{"192", "168", "0", "1"}));
    EXPECT_EQ(OctetTextsOfValue(0), (std::array<QString, 4>{"0", "0", "0", "0"}));
}

TEST(OctetsValue, NamesTheFirstFieldThatIsNotANumber) {
    EXPECT_THROW(
        {
            try {
                OctetsValue({"1", "", "x", "1"});
            } catch (const ConversionError& error) {
                EXPECT_STREQ(error.what(), "'' is not a valid integer value");
                throw;
            }
        },
        ConversionError);
}

TEST(OctetKeys, DigitsAndBackspaceStayAndTheDotMovesOn) {
    EXPECT_EQ(FilterOctetCharacter(u'7', {0}), OctetKeyVerdict::Accept);
    EXPECT_EQ(FilterOctetCharacter(u'\b', {3, 3}), OctetKeyVerdict::Accept);
    EXPECT_EQ(FilterOctetCharacter(u'.', {2}), OctetKeyVerdict::MoveToNextField);
    EXPECT_EQ(FilterOctetCharacter(u'.', {3}), OctetKeyVerdict::Discard);
    EXPECT_EQ(FilterOctetCharacter(u'.', {1, 1, 1, true, true}), OctetKeyVerdict::Discard);
    EXPECT_EQ(FilterOctetCharacter(u'\x16', {0}), OctetKeyVerdict::Discard);      // Ctrl+V
    EXPECT_EQ(FilterOctetCharacter(u'\x03', {0, 3, 3}), OctetKeyVerdict::Accept); // Ctrl+C
    EXPECT_EQ(FilterOctetCharacter(u'\x01', {0, 3}), OctetKeyVerdict::Accept);    // Ctrl+A
    EXPECT_EQ(FilterOctetCharacter(u'-', {0}), OctetKeyVerdict::Discard);
}

TEST(OctetKeys, TheThirdDigitFillsAndAFourthStartsTheNextField) {
    EXPECT_EQ(FilterOctetCharacter(u'5', {0, 2, 0}), OctetKeyVerdict::Fill);
    EXPECT_EQ(FilterOctetCharacter(u'5', {0, 3, 1}), OctetKeyVerdict::Fill);
    EXPECT_EQ(FilterOctetCharacter(u'5', {0, 3, 3}), OctetKeyVerdict::Accept);
    EXPECT_EQ(FilterOctetCharacter(u'5', {2, 3, 0}), OctetKeyVerdict::CarryToNextField);
    EXPECT_EQ(FilterOctetCharacter(u'5', {3, 3, 0}), OctetKeyVerdict::Discard);
    EXPECT_EQ(FilterOctetCharacter(u'5', {1, 3, 0, false}), OctetKeyVerdict::Discard);
    EXPECT_EQ(OctetKeyUp(0, 3), OctetKeyUpAction::MoveToNextField);
    EXPECT_EQ(OctetKeyUp(3, 3), OctetKeyUpAction::Repair);
    EXPECT_EQ(OctetKeyUp(1, 2), OctetKeyUpAction::None);
}

} // namespace
} // namespace maskwell
