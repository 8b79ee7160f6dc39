#pragma once

#include "platform/Locale.h"
#include "tests/support/QtPrinters.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace maskwell::test {

// Number formats in these tests read "1,234.50".
class UsSeparators : public ::testing::Test {
protected:
    void SetUp() override {
        SetDecimalSeparator(u'.');
        SetThousandSeparator(u',');
    }
};

} // namespace maskwell::test
