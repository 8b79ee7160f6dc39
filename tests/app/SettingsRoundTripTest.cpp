// SPDX-License-Identifier: MIT
#include "app/SettingsFile.h"
#include "core/AddressInfo.h"
#include "core/ClassRebuild.h"
#include "core/InversedMask.h"
#include "core/MemoryCalculator.h"
#include "core/SelectorLinkage.h"
#include "core/SubnetComputation.h"
#include "platform/IniFile.h"
#include "tests/support/FileContents.h"
#include "tests/support/QtPrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace maskwell {
namespace {

// What the user sees of the address and mask: it must be the same after a
// store and the next start's load, whatever lists the class left on screen.
struct Shown {
    std::string address, maskBits, subnet, broadcast;
    friend bool operator==(const Shown&, const Shown&) = default;
    friend void PrintTo(const Shown& s, std::ostream* os) {
        *os << s.address << " /" << s.maskBits << " " << s.subnet << " " << s.broadcast;
    }
};

Shown ShownBy(const MemoryCalculator& calc) {
    return {calc.IPE.Text(), calc.CB2.Text(), calc.E2.Text(), calc.E3.Text()};
}

struct RoundTripCase {
    const char* name;
    const char* address;
    int maskBits;
    bool inversed;
    int classRow; // the Address Info class picked last, -1 for none
};

class SettingsRoundTrip : public ::testing::TestWithParam<RoundTripCase> {
protected:
    void Load(MemoryCalculator& calc) {
        TIniFile ini(path);
        LoadSettings(ini, calc.State, {});
        StartCalc(calc.State); // the first activation computes right after the load
    }

    QTemporaryDir folder;
    QString path = folder.filePath("maskwell.ini");
};

TEST_P(SettingsRoundTrip, TheNextStartShowsTheAddressAndMaskOfTheLastExit) {
    const RoundTripCase& row = GetParam();
    auto before = std::make_unique<MemoryCalculator>();
    Load(*before); // a fresh start: no file yet
    before->IPE.SetText(row.address);
    RebindCheckbox(before->State);
    const auto& bits = before->CB2.Items();
    const auto at = std::find(bits.begin(), bits.end(), std::to_string(row.maskBits));
    ASSERT_NE(at, bits.end()) << "the lists of " << row.address << " lack " << row.maskBits;
    before->CB2.SetItemIndex(static_cast<int>(at - bits.begin()));
    CB2Change(before->State);
    if (row.inversed) {
        before->ChB1.SetChecked(true);
        ChB1Click(before->State);
    }
    if (row.classRow >= 0) {
        before->CBA1.SetItemIndex(row.classRow);
        CBA1Change(before->State);
    }
    const Shown atExit = ShownBy(*before);
    {
        TIniFile ini(path);
        StoreSettings(ini, before->State);
    }

    MemoryCalculator after;
    Load(after);
    EXPECT_EQ(ShownBy(after), atExit);
}

INSTANTIATE_TEST_SUITE_P(
    EveryClass, SettingsRoundTrip,
    ::testing::Values(RoundTripCase{"ClassA", "10.1.2.3", 13, false, -1},
                      RoundTripCase{"ClassAInversed", "10.200.2.3", 21, true, -1},
                      RoundTripCase{"ClassB", "172.16.77.9", 18, false, -1},
                      RoundTripCase{"ClassBInversed", "172.16.77.9", 27, true, -1},
                      RoundTripCase{"ClassC", "192.168.0.1", 24, false, -1},
                      RoundTripCase{"ClassCInversed", "192.168.5.77", 29, true, -1},
                      RoundTripCase{"ClassDPickedFromC", "192.168.0.1", 24, false, 3},
                      RoundTripCase{"ClassDPickedFromCInversed", "192.168.0.1", 27, true, 3},
                      RoundTripCase{"ClassDPickedFromB", "172.16.77.9", 20, false, 3},
                      RoundTripCase{"ClassDPickedFromA", "10.200.2.3", 11, true, 3},
                      RoundTripCase{"ClassDTyped", "230.1.2.3", 26, false, -1},
                      RoundTripCase{"ClassCPickedFromA", "10.200.2.3", 25, false, 2}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

class SettingsMaskBits : public ::testing::Test {
protected:
    void WriteFile(const QByteArray& contents) {
        ASSERT_TRUE(test::WriteWholeFile(path, contents));
    }
    QTemporaryDir folder;
    QString path = folder.filePath("maskwell.ini");
    MemoryCalculator calc;
};

TEST_F(SettingsMaskBits, BitsTheListsDoNotOfferFallBackToTheRow) {
    WriteFile("[conf]\nipaddr=192.168.0.1\nmask=2\nmaskbits=12\n");
    TIniFile ini(path);
    LoadSettings(ini, calc.State, {});
    EXPECT_EQ(calc.CB2.Text(), "26");
}

TEST_F(SettingsMaskBits, NoBitsLeaveTheSelectorsEmptyLikeNoRow) {
    WriteFile("[conf]\nipaddr=230.1.2.3\nmask=3\nmaskbits=-1\n");
    TIniFile ini(path);
    LoadSettings(ini, calc.State, {});
    EXPECT_EQ(calc.CB1.ItemIndex(), -1);
    EXPECT_EQ(calc.CB4.ItemIndex(), -1);
}

} // namespace
} // namespace maskwell
