// SPDX-License-Identifier: MIT
#pragma once

#include "core/ClassRebuild.h"
#include "core/MemoryCalculator.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace maskwell::test {

// A calculator in memory, with the moves a user makes in the window.
class CalculatorFixture : public ::testing::Test {
protected:
    // A repaired address arrives and the class rebuild runs, as after leaving the field.
    void EnterAddress(std::string_view address) {
        calc.IPE.SetText(address);
        RebindCheckbox(calc.State);
    }

    // Selects the row showing text, as the user's pick does before its handler runs.
    static void Select(MemorySelector& selector, std::string_view text) {
        const auto& items = selector.Items();
        const auto found = std::find(items.begin(), items.end(), text);
        ASSERT_NE(found, items.end()) << "no row '" << text << "'";
        selector.SetItemIndex(static_cast<int>(found - items.begin()));
    }

    std::string Results() const {
        return calc.E1.Text() + " | " + calc.E2.Text() + " | " + calc.E3.Text();
    }

    // The four mask selectors' texts, "mask / bits / subnets / hosts".
    std::string Masks() const {
        return calc.CB1.Text() + " / " + calc.CB2.Text() + " / " + calc.CB3.Text() + " / " +
               calc.CB4.Text();
    }

    MemoryCalculator calc;
};

} // namespace maskwell::test
