#include <gtest/gtest.h>

#include <limits>

#include "common/IntegerText.h"

namespace mirevo {
namespace {

constexpr std::int32_t kFallback = -77;

struct IntegerCase {
    const char* text;
    std::int32_t expected;  // kFallback where the text is broken
};

class IntegerFromTextTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerFromTextTest, ReadsValueOrFallsBack) {
    EXPECT_EQ(IntegerFromText(GetParam().text, kFallback), GetParam().expected)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, IntegerFromTextTest,
    testing::Values(IntegerCase{"150", 150}, IntegerCase{"0", 0}, IntegerCase{"010", 10},
                    IntegerCase{"+7", 7}, IntegerCase{"-7", -7}, IntegerCase{"  42", 42},
                    IntegerCase{"2147483647", 2147483647},
                    IntegerCase{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                    IntegerCase{"2147483648", kFallback}, IntegerCase{"-2147483649", kFallback},
                    IntegerCase{"2147483649", kFallback}, IntegerCase{"99999999999", kFallback},
                    IntegerCase{"00000000000000000001", 1}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, IntegerFromTextTest,
    testing::Values(IntegerCase{"0x96", 150}, IntegerCase{"0X96", 150}, IntegerCase{"$96", 150},
                    IntegerCase{"x96", 150}, IntegerCase{"X96", 150}, IntegerCase{"$ff", 255},
                    IntegerCase{"$FFFFFFFF", -1}, IntegerCase{"$7FFFFFFF", 2147483647},
                    IntegerCase{"$80000000", std::numeric_limits<std::int32_t>::min()},
                    IntegerCase{"-$80000000", std::numeric_limits<std::int32_t>::min()},
                    IntegerCase{"-$FFFFFFFF", 1}, IntegerCase{"-$10", -16},
                    IntegerCase{"-0x10", -16}, IntegerCase{"+x10", 16},
                    IntegerCase{"$000000010", 16}, IntegerCase{"$100000000", kFallback},
                    IntegerCase{"$123456789", kFallback}, IntegerCase{"$", kFallback},
                    IntegerCase{"0x", kFallback}, IntegerCase{"x", kFallback},
                    IntegerCase{"$G", kFallback}, IntegerCase{"$-1", kFallback},
                    IntegerCase{"0x0x1", kFallback}));

INSTANTIATE_TEST_SUITE_P(
    Broken, IntegerFromTextTest,
    testing::Values(IntegerCase{"", kFallback}, IntegerCase{"+", kFallback},
                    IntegerCase{"-", kFallback}, IntegerCase{"--1", kFallback},
                    IntegerCase{"+-1", kFallback}, IntegerCase{"150px", kFallback},
                    IntegerCase{"1 50", kFallback}, IntegerCase{"150 ", kFallback},
                    IntegerCase{"- 1", kFallback}, IntegerCase{"1.5", kFallback},
                    IntegerCase{"\t1", kFallback}, IntegerCase{"true", kFallback},
                    IntegerCase{"1e3", kFallback}, IntegerCase{"\xEF\xBC\x91", kFallback}));

TEST(IntegerToText, WritesPlainDecimalThatReadsBack) {
    for (const std::int32_t value : {0, 1, -1, 111, std::numeric_limits<std::int32_t>::max(),
                                     std::numeric_limits<std::int32_t>::min()}) {
        const auto text = IntegerToText(value);
        EXPECT_NE(text.front(), '+');
        EXPECT_EQ(IntegerFromText(text, kFallback == value ? 0 : kFallback), value) << text;
    }
    EXPECT_EQ(IntegerToText(-2147483647 - 1), "-2147483648");
}

}  // namespace
}  // namespace mirevo
