#include "common/Exception.h"
#include "common/FileErrors.h"
#include "common/Trim.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

TEST(Trim, RemovesControlsAndSpacesAtBothEndsOnly) {
    EXPECT_EQ(Trim(""), "");
    EXPECT_EQ(Trim(" \t\r\n\x01 "), "");
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
    EXPECT_EQ(Trim("\x81\x40"), "\x81\x40");  // a full-width space is no blank
}

TEST(Assertion, NamesFileAndLine) {
    try {
        MIREVO_ASSERT(1 + 1 == 3);
        FAIL() << "no exception";
    } catch (const EAssertionFailed& e) {
        const std::string message = e.Message();
        EXPECT_NE(message.find("TrimAndExceptionTest.cpp"), std::string::npos) << message;
        EXPECT_NE(message.find("line"), std::string::npos) << message;
    }
}

TEST(FileErrors, NameThePathAndTheReason) {
    EXPECT_EQ(EFOpenError("a.txt", "なし").Message(), "ファイル \"a.txt\". なし は開けません");
    EXPECT_EQ(EFCreateError("a.txt", "なし").Message(),
              "ファイル \"a.txt\" を作成できません. なし");
    EXPECT_EQ(EFCreateError("own words").Message(), "own words");
}

}  // namespace
}  // namespace mirevo
