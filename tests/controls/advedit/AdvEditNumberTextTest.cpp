// SPDX-License-Identifier: MIT
// Every number a float or money field writes, it reads back: in free format and
// with fixed decimals, with the separators of every locale Qt knows.
#include "controls/advedit/AdvEditText.h"
#include "controls/advedit/AdvEditTyping.h"
#include "platform/Locale.h"
#include "tests/support/MixedCaseReference.h"
#include "tests/support/QtPrinters.h"

#include <QLocale>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace maskwell {
namespace {

// The value as a field of the type stores it after SetFloatValue: the text
// assigned (normalised), then regrouped for money.
QString Stored(double value, TAdvEditType type, int precision) {
    QString text = NormalizedValue(FloatValueText(value, type, precision), type, precision);
    if (type == etMoney && !text.isEmpty())
        text = RegroupedMoney(text, true);
    return text;
}

class SeparatorsRestored : public ::testing::Test {
protected:
    void SetUp() override {
        decimal_ = DecimalSeparator();
        thousand_ = ThousandSeparator();
        Use(u'.', u',');
    }
    void TearDown() override { Use(decimal_, thousand_); }
    static void Use(QChar decimal, QChar thousand) {
        SetDecimalSeparator(decimal);
        SetThousandSeparator(thousand);
    }

private:
    QChar decimal_, thousand_;
};

struct FreeFormatCase {
    const char* name;
    TAdvEditType type;
    int precision;
    double value;
    const char* stored;
};

class FreeFormatNumbers : public SeparatorsRestored,
                          public ::testing::WithParamInterface<FreeFormatCase> {};

TEST_P(FreeFormatNumbers, AreWrittenWithoutAnExponentAndReadBack) {
    const FreeFormatCase& row = GetParam();
    const QString stored = Stored(row.value, row.type, row.precision);
    EXPECT_EQ(stored, row.stored);
    EXPECT_EQ(FloatValueOf(stored, row.type), row.value);
}

INSTANTIATE_TEST_SUITE_P(
    Free, FreeFormatNumbers,
    ::testing::Values(
        FreeFormatCase{"FloatLarge", etFloat, -1, 1e20, "100000000000000000000"},
        FreeFormatCase{"FloatSmall", etFloat, -1, 1e-05, "0.00001"},
        FreeFormatCase{"FloatSmallNegative", etFloat, -1, -1.5e-7, "-0.00000015"},
        FreeFormatCase{"FloatFifteenDigits", etFloat, -1, 123456789.012345, "123456789.012345"},
        FreeFormatCase{"FloatAtTheOldLimit", etFloat, -1, 1e15, "1000000000000000"},
        FreeFormatCase{"MoneyLarge", etMoney, 0, 1e20, "100,000,000,000,000,000,000"},
        FreeFormatCase{"MoneySmall", etMoney, 0, 2.5e-6, "0.0000025"},
        FreeFormatCase{"MoneyNegativeLarge", etMoney, -1, -3e17, "-300,000,000,000,000,000"}),
    [](const ::testing::TestParamInfo<FreeFormatCase>& info) { return info.param.name; });

// Locales whose separators are neither "," nor ".".
struct LocaleCase {
    const char* name;
    const char* locale;
    double value;
    TAdvEditType type;
    int precision;
};

class LocaleSeparators : public SeparatorsRestored,
                         public ::testing::WithParamInterface<LocaleCase> {};

TEST_P(LocaleSeparators, AStoredValueStaysWhenStoredAgainOrReformatted) {
    const LocaleCase& row = GetParam();
    const NumberSeparators separators = SeparatorsOf(QLocale(QString::fromLatin1(row.locale)));
    Use(separators.decimal, separators.thousand);
    const QString stored = Stored(row.value, row.type, row.precision);
    EXPECT_LE(ClassifyText(stored), tcFloat) << stored.toStdString();
    EXPECT_DOUBLE_EQ(FloatValueOf(stored, row.type), row.value) << stored.toStdString();
    EXPECT_EQ(NormalizedValue(stored, row.type, row.precision), stored);
    EXPECT_EQ(Stored(FloatValueOf(stored, row.type), row.type, 3),
              Stored(row.value, row.type, 3)); // a new Precision keeps the number
    // The decimal separator is typed like any digit.
    TypingSettings settings;
    settings.editType = row.type;
    settings.precision = row.precision;
    EXPECT_EQ(DecideChar(settings, {"12", 2, 0}, separators.decimal, false).action,
              CharAction::Type);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LocaleSeparators,
    ::testing::Values(LocaleCase{"SwissGermanMoney", "de_CH", 1234.5, etMoney, 2},
                      LocaleCase{"SwissGermanFloat", "de_CH", -1234567.25, etFloat, 2},
                      LocaleCase{"FrenchMoney", "fr_FR", 1234.5, etMoney, 2},
                      LocaleCase{"FrenchFloat", "fr_FR", 98765.125, etFloat, 3},
                      LocaleCase{"EgyptianArabicMoney", "ar_EG", 1234.5, etMoney, 2},
                      LocaleCase{"EgyptianArabicFloat", "ar_EG", 0.75, etFloat, 2}),
    [](const ::testing::TestParamInfo<LocaleCase>& info) { return info.param.name; });

// The property over every locale: whatever the field writes classifies as a
// number and reads back as the number written (to the decimals kept).
TEST_F(SeparatorsRestored, EveryLocaleReadsBackWhatItsFieldsWrite) {
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 100);
    const double values[] = {0, 1234.25, -1234567.25, 0.001, 1e20, -7.5e-6};
    for (const QLocale& locale : locales) {
        const NumberSeparators separators = SeparatorsOf(locale);
        Use(separators.decimal, separators.thousand);
        for (const TAdvEditType type : {etFloat, etMoney})
            for (const int precision : {-1, 0, 2})
                for (const double value : values) {
                    const QString stored = Stored(value, type, precision);
                    const double kept = precision > 0 ? std::round(value * 100) / 100
                                        : precision == 0 && type == etFloat ? std::round(value)
                                                                            : value;
                    ASSERT_LE(ClassifyText(stored), tcFloat)
                        << locale.name().toStdString() << " " << stored.toStdString();
                    ASSERT_DOUBLE_EQ(FloatValueOf(stored, type), kept)
                        << locale.name().toStdString() << " " << stored.toStdString();
                }
    }
}

TEST(MixedCaseLinear, AgreesWithTheWordRulesOnRandomNames) {
    std::mt19937 random(15);
    const QString alphabet = QStringLiteral("mcMCiIdo ',-.xX");
    for (int round = 0; round < 5000; ++round) {
        QString text;
        const int length = static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i)
            text += alphabet[static_cast<qsizetype>(random() % alphabet.size())];
        ASSERT_EQ(MixedCaseText(text), test::MixedCaseReference(text)) << text.toStdString();
    }
}

} // namespace
} // namespace maskwell
