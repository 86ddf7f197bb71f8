#include "common/Sjis.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

struct PosCase {
    const char* name;
    std::string needle;
    std::string text;
    std::size_t from;
    std::size_t expected;
};

class PosSjisTest : public testing::TestWithParam<PosCase> {};

TEST_P(PosSjisTest, FindsOnlyFromCharacterStarts) {
    const auto& c = GetParam();
    EXPECT_EQ(PosSjis(c.needle, c.text, c.from), c.expected);
}

// 0x83 0x5C is one character whose trail byte is a backslash; 0x8A 0x79 ends in 'y'.
INSTANTIATE_TEST_SUITE_P(Cases, PosSjisTest,
                         testing::Values(PosCase{"AtStart", "http://", "http://x", 1, 1},
                                         PosCase{"Later", "b", "aab", 1, 3},
                                         PosCase{"Missing", "z", "abc", 1, 0},
                                         PosCase{"EmptyNeedle", "", "abc", 1, 0},
                                         PosCase{"EmptyText", "a", "", 1, 0},
                                         PosCase{"TrailBackslashSkipped", "\\", "\x83\x5C", 1, 0},
                                         PosCase{"TrailLetterSkipped", "y", "\x8A\x79y", 1, 3},
                                         PosCase{"LeadByteMatches", "\x8A\x79", "a\x8A\x79", 1, 2},
                                         PosCase{"FromSkipsEarlier", "a", "aXa", 2, 3},
                                         PosCase{"CaseSensitive", "A", "a", 1, 0},
                                         PosCase{"TruncatedLeadAtEnd", "a", "\x83", 1, 0}),
                         [](const auto& info) { return info.param.name; });

TEST(ByteKindAt, ClassifiesMixedText) {
    const std::string text =
        "a\x83\x5C"
        "b";
    EXPECT_EQ(ByteKindAt(text, 0), ByteKind::Single);
    EXPECT_EQ(ByteKindAt(text, 1), ByteKind::Lead);
    EXPECT_EQ(ByteKindAt(text, 2), ByteKind::Trail);
    EXPECT_EQ(ByteKindAt(text, 3), ByteKind::Single);
    EXPECT_EQ(ByteKindAt(text, 9), ByteKind::Single);
}

// "あい" is 0x82 0xA0 0x82 0xA2; 0x81 and 0xE0 are lead bytes, 0x5C and 0x81 also trails.
TEST(WholeCharacters, DropsOnlyALastLeadByteWithoutItsPartner) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"abc", "abc"},
        {"\x82\xA0\x82\xA2\x81", "\x82\xA0\x82\xA2"},
        {"\x81", ""},
        {"\xE0", ""},
        {"a\x83\x5C", "a\x83\x5C"},
        {"\x83\x81", "\x83\x81"},      // the 0x81 is a second byte
        {"\x83\x81\x81", "\x83\x81"},  // ... and this one a lead byte again
        {"\xA0\xDF", "\xA0\xDF"},      // single-byte katakana
        {std::string("x\0\x81", 3), std::string("x\0", 2)},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(WholeCharacters(text), expected);
}

// 0x83 0x41 is "ア": its 'A' is a second byte; 0x83 0x5A "ゼ" likewise.
TEST(AsciiLowerCase, LowersOnlyLettersThatAreCharacters) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"HTTP://Example.COM/a?B=1", "http://example.com/a?b=1"},
        {"\x83\x41\x83\x5A", "\x83\x41\x83\x5A"},
        {"A\x83\x41Z", "a\x83\x41z"},
        {"\x83\x81Z", "\x83\x81z"},  // 0x81 is the second byte, Z a character again
        {"\xC1Z@[", "\xC1z@["},      // single-byte katakana, and the bytes around the capitals
        {"Z\x83", "z\x83"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(AsciiLowerCase(text), expected);
}

TEST(IsTrailByte, TakesTheRangesOfSecondBytes) {
    const std::pair<unsigned char, bool> cases[] = {
        {0x09, false}, {0x3F, false}, {0x40, true}, {0x5C, true},  {0x7E, true},
        {0x7F, false}, {0x80, true},  {0xFC, true}, {0xFD, false}, {0xFF, false},
    };
    for (const auto& [byte, expected] : cases) EXPECT_EQ(IsTrailByte(byte), expected) << +byte;
}

}  // namespace
}  // namespace mirevo
