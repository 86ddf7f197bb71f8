#include <gtest/gtest.h>

#include "settings/SettingsFile.h"

namespace mirevo {
namespace {

struct PathCase {
    const char* exe;
    const char* ini;
};

class SettingsFilePathTest : public testing::TestWithParam<PathCase> {};

TEST_P(SettingsFilePathTest, ReplacesOrAppendsTheExtension) {
    EXPECT_EQ(SettingsFilePath(GetParam().exe), GetParam().ini);
}

// 0x83 0x5C is one character whose second byte is a backslash.
INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsFilePathTest,
    testing::Values(PathCase{"C:\\Tools\\Mirevo.exe", "C:\\Tools\\Mirevo.ini"},
                    PathCase{"C:\\Tools\\Mirevo.v2.exe", "C:\\Tools\\Mirevo.v2.ini"},
                    PathCase{"C:\\Tools.d\\Mirevo", "C:\\Tools.d\\Mirevo.ini"},
                    PathCase{"C:Mirevo", "C:Mirevo.ini"}, PathCase{"a.b:c", "a.b:c.ini"},
                    PathCase{"Mirevo.", "Mirevo.ini"}, PathCase{"", ".ini"},
                    PathCase{"C:\\\x83\x5C\\Mirevo.exe", "C:\\\x83\x5C\\Mirevo.ini"},
                    PathCase{"C:\\Tools\\Mirevo.\x83\x5C", "C:\\Tools\\Mirevo.ini"}));

}  // namespace
}  // namespace mirevo
