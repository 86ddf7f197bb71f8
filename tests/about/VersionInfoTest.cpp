#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "about/VersionInfo.h"
#include "tests/fakes/FakeVersionResource.h"

namespace mirevo {
namespace {

using testing_support::BuildVersionBlock;
using testing_support::FakeVersionResource;
using testing_support::StandardVersionInfo;
using Layout = VersionBlock::Layout;
using Strings = std::vector<std::pair<std::string, std::string>>;

const std::string kExe = "C:\\Programs\\Mirevo\\Mirevo.exe";
const std::string na(kInfoNotAvailable);

const Strings kAllTen = {{"CompanyName", "Mirevo Project"},  {"FileDescription", "Link maker"},
                         {"FileVersion", "1.3.1.0"},         {"InternalName", "Mirevo"},
                         {"LegalCopyright", "(C) 2026"},     {"LegalTradeMarks", "none"},
                         {"OriginalFilename", "Mirevo.exe"}, {"ProductName", "Mirevo"},
                         {"ProductVersion", "1.3"},          {"Comments", "Makes links"}};

std::vector<std::string> AllFourteen(const TVersionInfo& info) {
    return {info.CompanyName(),      info.FileDescription(),
            info.FileVersion(),      info.Internalname(),
            info.LegalCopyright(),   info.LegalTradeMarks(),
            info.OriginalFilename(), info.ProductName(),
            info.ProductVersion(),   info.Comments(),
            info.MajorVersion(),     info.MinorVersion(),
            info.Release(),          info.Build()};
}

FakeVersionResource ResourceWith(
    const Strings& strings, Layout layout = Layout::Wide, const std::string& table = "041103A4",
    std::vector<std::pair<std::uint16_t, std::uint16_t>> translations = {{0x0411, 932}}) {
    return FakeVersionResource(
        kExe, BuildVersionBlock(StandardVersionInfo(table, strings, translations), layout));
}

TEST(VersionInfo, ReadsTheTenValuesAndSplitsTheFileVersionInBothBlockForms) {
    for (const auto layout : {Layout::Wide, Layout::Narrow}) {
        auto resource = ResourceWith(kAllTen, layout);
        const TVersionInfo info(resource, kExe);
        EXPECT_EQ(AllFourteen(info),
                  (std::vector<std::string>{"Mirevo Project", "Link maker", "1.3.1.0", "Mirevo",
                                            "(C) 2026", "none", "Mirevo.exe", "Mirevo", "1.3",
                                            "Makes links", "1", "3", "1", "0"}));
        EXPECT_EQ(resource.readPaths, std::vector<std::string>{kExe});
    }
}

TEST(VersionInfo, ReadsTheTenValuesAtPathsWithDoubledBackslashes) {
    auto resource = ResourceWith(kAllTen);
    const TVersionInfo info(resource, kExe);
    EXPECT_EQ(TVersionInfo::StringValuePath(0x0411, 932, "Comments"),
              "\\\\StringFileInfo\\\\041103A4\\\\Comments");
    // Every text of the UTF-16 block went through the platform's conversion, in table order.
    ASSERT_EQ(resource.converted.size(), TVersionInfo::kValueNames.size());
    EXPECT_EQ(resource.converted.front(), u"Mirevo Project");
    EXPECT_EQ(info.Comments(), "Makes links");
}

TEST(VersionInfo, NamesTheStringTableByTheFirstTranslationInPaddedUpperCaseHex) {
    struct Case {
        std::uint16_t language, codePage;
        std::string table;
    };
    const Case cases[] = {
        {0x0409, 0x04E4, "040904E4"}, {0x0007, 0x0001, "00070001"}, {0xABCD, 0xFFFF, "ABCDFFFF"}};
    for (const auto& c : cases) {
        auto resource =
            ResourceWith(kAllTen, Layout::Wide, c.table, {{c.language, c.codePage}, {0x0411, 932}});
        const TVersionInfo info(resource, kExe);
        EXPECT_EQ(info.CompanyName(), "Mirevo Project") << c.table;
        EXPECT_EQ(TVersionInfo::StringValuePath(c.language, c.codePage, "Comments"),
                  "\\\\StringFileInfo\\\\" + c.table + "\\\\Comments");
    }
}

TEST(VersionInfo, AValueMissingFromTheTableReadsEmpty) {
    auto resource = ResourceWith({{"FileVersion", "2.0"}, {"LegalCopyright", "(C) me"}});
    const TVersionInfo info(resource, kExe);
    EXPECT_EQ(info.CompanyName(), "");
    EXPECT_EQ(info.Internalname(), "");
    EXPECT_EQ(info.Comments(), "");
    EXPECT_EQ(info.LegalCopyright(), "(C) me");
    EXPECT_EQ(info.MajorVersion(), "2");
    EXPECT_EQ(info.Build(), "0");
}

TEST(VersionInfo, AMissingOrUnsplittableFileVersionLeavesTheValuesButNotTheParts) {
    for (const Strings& strings :
         {Strings{{"CompanyName", "X"}}, Strings{{"CompanyName", "X"}, {"FileVersion", "7"}}}) {
        auto resource = ResourceWith(strings);
        const TVersionInfo info(resource, kExe);
        EXPECT_EQ(info.CompanyName(), "X");
        EXPECT_EQ(AllFourteen(info)[10], na);
        EXPECT_EQ(info.Build(), na);
    }
}

TEST(VersionInfo, JapaneseTextOfAnEightBitBlockPassesUnchanged) {
    auto resource = ResourceWith({{"Comments", "アフィリエイト"}}, Layout::Narrow);
    const TVersionInfo info(resource, kExe);
    EXPECT_EQ(info.Comments(), "アフィリエイト");
}

TEST(VersionInfo, EveryPropertyIsNotAvailableWhenNothingCanBeRead) {
    auto noBlock = ResourceWith(kAllTen);
    const TVersionInfo noVersionBlock(noBlock, "C:\\other.exe");  // size 0
    EXPECT_EQ(noBlock.readPaths, std::vector<std::string>{"C:\\other.exe"});

    auto noTranslation = ResourceWith(kAllTen, Layout::Wide, "041103A4", {});
    const TVersionInfo noTranslationTable(noTranslation, kExe);

    auto unreadable = ResourceWith(kAllTen);
    unreadable.failRead = true;
    const TVersionInfo unreadableBlock(unreadable, kExe);

    const std::vector<std::string> allNa(14, na);
    EXPECT_EQ(AllFourteen(noVersionBlock), allNa);
    EXPECT_EQ(AllFourteen(noTranslationTable), allNa);
    EXPECT_EQ(AllFourteen(unreadableBlock), allNa);
}

TEST(VersionInfo, ATranslationWithoutItsTableReadsEmptyValues) {
    auto resource = ResourceWith(kAllTen, Layout::Wide, "040904B0", {{0x0411, 932}});
    const TVersionInfo info(resource, kExe);
    EXPECT_EQ(info.CompanyName(), "");
    EXPECT_EQ(info.FileVersion(), "");
    EXPECT_EQ(info.MajorVersion(), na);
}

TEST(VersionInfo, GetInfoReplacesWhatAnEarlierReadFilled) {
    auto resource = ResourceWith(kAllTen);
    TVersionInfo info(resource, kExe);
    info.GetInfo("C:\\no-version.exe");
    EXPECT_EQ(AllFourteen(info), std::vector<std::string>(14, na));
    info.GetInfo(kExe);
    EXPECT_EQ(info.Build(), "0");
}

}  // namespace
}  // namespace mirevo
