// The portable code page 932 classification against the platform's GetStringTypeExA.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/portable/CharTypes.h"
#include "platform/win32/Win32CharTypes.h"
#include "textview/WordClass.h"

namespace mirevo {
namespace {

// Every character of code page 932: the single bytes, then every lead and trail byte pair
// the code page maps to a character.
std::vector<std::string> AllCharacters() {
    std::vector<std::string> all;
    for (int byte = 1; byte < 0x100; ++byte)
        if (!IsDBCSLeadByteEx(932, static_cast<BYTE>(byte))) all.emplace_back(1, char(byte));
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!IsDBCSLeadByteEx(932, static_cast<BYTE>(lead))) continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string pair{char(lead), char(trail)};
            WCHAR wide[2];
            if (MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, pair.data(), 2, wide, 2) == 1)
                all.push_back(pair);
        }
    }
    return all;
}

TEST(CharTypes, PortableTableMatchesThePlatform) {
    Win32CharTypes platform;
    PortableCharTypes portable;
    const std::vector<std::string> all = AllCharacters();
    ASSERT_GT(all.size(), 7000u);
    int mismatches = 0;
    for (const std::string& character : all) {
        const auto expected = platform.CharTypes3(character);
        ASSERT_TRUE(expected.has_value());
        ASSERT_EQ(expected->size(), 1u);
        const auto actual = portable.CharTypes3(character);
        if (actual != expected && ++mismatches <= 20)
            ADD_FAILURE() << std::hex << "code "
                          << (static_cast<unsigned>(static_cast<unsigned char>(character[0])))
                          << " " << character.size() << " bytes: platform " << (*expected)[0];
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(CharTypes, OneWordPerCharacterOfALine) {
    Win32CharTypes platform;
    const auto types = platform.CharTypes3(std::string("aあ漢\0", 6));
    ASSERT_TRUE(types.has_value());
    EXPECT_EQ(types->size(), 4u);
}

TEST(CharTypes, DoubleClickWordsWithThePlatformFlags) {
    Win32CharTypes platform;
    const std::string line = "https://example.com/ひらがな漢字";
    const auto example = WordBoundsAt(line, 10, platform);
    ASSERT_TRUE(example.has_value());
    EXPECT_EQ(line.substr(example->Start - 1, example->End - example->Start), "example");
    const auto kana = WordBoundsAt(line, 22, platform);
    ASSERT_TRUE(kana.has_value());
    EXPECT_EQ(line.substr(kana->Start - 1, kana->End - kana->Start), "ひらがな");
}

}  // namespace
}  // namespace mirevo
