#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "linkgen/QueryValueEncode.h"

namespace mirevo {
namespace {

// A standard percent-decoder that reads "+" as a space.
std::string Decode(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%' && i + 2 < text.size()) {
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

struct EncodeCase {
    std::string in;
    std::string out;
};

class QueryValueEncodeTest : public testing::TestWithParam<EncodeCase> {};

TEST_P(QueryValueEncodeTest, EncodesByteByByte) {
    EXPECT_EQ(QueryValueEncode(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, QueryValueEncodeTest,
    testing::Values(EncodeCase{"", ""}, EncodeCase{"http://a b", "http%3A%2F%2Fa+b"},
                    EncodeCase{"100%", "100%25"}, EncodeCase{"a+b", "a%2Bb"},
                    EncodeCase{"~", "%7E"},
                    EncodeCase{":/?=&#%+,;[]~", "%3A%2F%3F%3D%26%23%25%2B%2C%3B%5B%5D%7E"},
                    EncodeCase{"!$'()*-.@_AZaz09", "!$'()*-.@_AZaz09"},
                    EncodeCase{"\t\x01\x1F\x7F", "%09%01%1F%7F"}, EncodeCase{"\x8A\x79", "%8Ay"},
                    EncodeCase{"\x82\xA0", "%82%A0"}, EncodeCase{"\xFC", "%FC"},
                    EncodeCase{"\xB1", "%B1"}, EncodeCase{std::string("ab\0cd", 5), "ab"}));

TEST(QueryValueEncode, CopiesExactlyTheSeventyTwoAndEncodesTheRestInUpperCase) {
    const std::string copied =
        "!$'()*-.0123456789@ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
    ASSERT_EQ(copied.size(), 72u);
    for (int byte = 1; byte < 256; ++byte) {
        const std::string in(1, static_cast<char>(byte));
        const auto out = QueryValueEncode(in);
        if (copied.find(in) != std::string::npos) {
            EXPECT_EQ(out, in) << byte;
        } else if (byte == ' ') {
            EXPECT_EQ(out, "+");
        } else {
            char expected[4];
            std::snprintf(expected, sizeof expected, "%%%02X", byte);
            EXPECT_EQ(out, expected) << byte;
        }
    }
}

TEST(QueryValueEncode, DecodingGivesTheInputBack) {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> byte(1, 255);
    for (int round = 0; round < 500; ++round) {
        std::string in(rng() % 40, ' ');
        for (auto& c : in) c = static_cast<char>(byte(rng));
        const auto out = QueryValueEncode(in);
        EXPECT_EQ(Decode(out), in);
        EXPECT_GE(out.size(), in.size());
        EXPECT_LE(out.size(), 3 * in.size());
    }
}

}  // namespace
}  // namespace mirevo
