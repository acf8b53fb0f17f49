// Tests of the name look-up of the kind tables.
#include "common/NamedRows.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

using zel::findNamedRow;

namespace {

struct TextRow {
    const char* name;
    int code;
};
constexpr TextRow kTextRows[] = {{"棒グラフ", 1}, {"棒グラフ（横）", 2}, {"棒グラフ", 3}};

struct ViewRow {
    std::string_view name;
    int code;
};
constexpr std::array<ViewRow, 2> kViewRows{{{"折れ線", 10}, {"", 11}}};

} // namespace

TEST(NamedRows, TheFirstRowOfExactlyThatNameOrNone) {
    EXPECT_EQ(findNamedRow(kTextRows, "棒グラフ")->code, 1);
    EXPECT_EQ(findNamedRow(kTextRows, std::string("棒グラフ（横）"))->code, 2);
    EXPECT_EQ(findNamedRow(kViewRows, "")->code, 11);
    EXPECT_EQ(findNamedRow(kTextRows, "棒"), nullptr);
    EXPECT_EQ(findNamedRow(kTextRows, "棒グラフ "), nullptr);
    EXPECT_EQ(findNamedRow(kViewRows, "折れ線グラフ"), nullptr);
}
