#include <gtest/gtest.h>

#include <string>

#include "about/VersionInfoParts.h"

namespace mirevo {
namespace {

struct SplitCase {
    std::string fileVersion;
    FileVersionParts parts;
};

const std::string na(kInfoNotAvailable);

TEST(SplitFileVersion, SplitsAtTheChosenSeparator) {
    const SplitCase cases[] = {
        {"1.3.1.0", {"1", "3", "1", "0"}},
        {"1.3", {"1", "", "", "3"}},  // the last piece always lands in Build
        {"1.3.1", {"1", "3", "", "1"}},
        {"1.3.1.0.5", {"1", "3", "1", "0.5"}},
        {"1,3.1", {"1,3", "", "", "1"}},  // "." wins; "," is plain text then
        {"1,3,1,0", {"1", "3", "1", "0"}},
        {"1, 3, 1, 0", {"1", " 3", " 1", " 0"}},  // nothing is trimmed
        {"1.", {"1", "", "", ""}},
        {".", {"", "", "", ""}},
        {"...", {"", "", "", ""}},
        {"....", {"", "", "", "."}},
        {"2", {na, na, na, na}},
        {"", {na, na, na, na}},
        {"v1 build 7", {na, na, na, na}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SplitFileVersion(c.fileVersion), c.parts) << '"' << c.fileVersion << '"';
    }
}

}  // namespace
}  // namespace mirevo
