// Tests of the numbered row heading of sheets and result tables.
#include "common/NumberText.h"

#include <gtest/gtest.h>

TEST(RowHeading, NoAndThePlainNumber) {
    EXPECT_EQ(zel::rowHeading(1), "NO.1");
    EXPECT_EQ(zel::rowHeading(40), "NO.40");
    EXPECT_EQ(zel::rowHeading(32767), "NO.32767");
}
