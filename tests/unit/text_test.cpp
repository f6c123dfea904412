#include "platform/text.h"

#include <gtest/gtest.h>

namespace hv {
namespace {

TEST(FormatNumber, WritesTheShortestDecimalText) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},     {12, "12"},      {3670016, "3670016"},
        {0.1, "0.1"}, {1e15, "1e+15"}, {123456789012345, "123456789012345"},
        {-5, "-5"},   {2.5, "2.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatNumber(c.value), c.text) << c.value;
}

TEST(LeadingNumber, ReadsTheStartOfATextLikeANumericConversion) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"12", 12.0},
        {"  -2147483647,rest", -2147483647.0},
        {"&H80000001", -2147483647.0},
        {"&h80000002", -2147483646.0},
        {"3.5e2x", 350.0},
        {"1.0", 1.0},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"&H", std::nullopt},
        {"-", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(leadingNumber(c.text), c.value) << c.text;
}

TEST(SplitLines, AcceptsEveryLineEnd) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitLines("").empty());
}

}  // namespace
}  // namespace hv
