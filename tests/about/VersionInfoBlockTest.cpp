// The portable reader of version blocks, in both of their forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about/VersionBlock.h"
#include "tests/fakes/FakeVersionResource.h"

namespace mirevo {
namespace {

using testing_support::BuildVersionBlock;
using testing_support::StandardVersionInfo;
using testing_support::TextNode;
using testing_support::VersionNode;
using Layout = VersionBlock::Layout;

std::vector<std::uint8_t> Sample(Layout layout) {
    return BuildVersionBlock(
        StandardVersionInfo("041103A4", {{"CompanyName", "Mirevo Project"}, {"Empty", ""}},
                            {{0x0411, 932}, {0x0409, 1252}}),
        layout);
}

class VersionBlockForms : public ::testing::TestWithParam<Layout> {};

TEST_P(VersionBlockForms, TellsItsFormFromTheFirstKey) {
    const auto bytes = Sample(GetParam());
    EXPECT_EQ(VersionBlock(bytes).Form(), GetParam());
}

TEST_P(VersionBlockForms, FindsValuesAlongPathsAsThePlatformDoes) {
    const auto bytes = Sample(GetParam());
    const VersionBlock block(bytes);
    struct Case {
        const char* path;
        std::optional<std::string> text;
    };
    const Case cases[] = {
        {"\\StringFileInfo\\041103A4\\CompanyName", "Mirevo Project"},
        {"\\\\StringFileInfo\\\\041103A4\\\\CompanyName", "Mirevo Project"},
        {"StringFileInfo\\041103a4\\COMPANYNAME\\", "Mirevo Project"},
        {"\\StringFileInfo\\041103A4\\Empty", ""},
        {"\\StringFileInfo\\041103A4\\Company", std::nullopt},
        {"\\StringFileInfo\\041103A4\\CompanyNameX", std::nullopt},
        {"\\StringFileInfo\\040904E4\\CompanyName", std::nullopt},
        {"\\StringFileInfo\\041103A4\\CompanyName\\More", std::nullopt},
        {"\\VarFileInfo\\Nothing", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(block.Text(c.path), c.text) << c.path;
}

TEST_P(VersionBlockForms, GivesBinaryValuesAsStored) {
    const auto bytes = Sample(GetParam());
    const VersionBlock block(bytes);
    const auto translation = block.Value("\\\\VarFileInfo\\\\Translation");
    ASSERT_TRUE(translation);
    EXPECT_EQ(std::vector<std::uint8_t>(translation->begin(), translation->end()),
              (std::vector<std::uint8_t>{0x11, 0x04, 0xA4, 0x03, 0x09, 0x04, 0xE4, 0x04}));
    for (const char* root : {"", "\\", "\\\\"}) {
        const auto fixed = block.Value(root);
        ASSERT_TRUE(fixed);
        ASSERT_EQ(fixed->size(), 52u);
        EXPECT_EQ((*fixed)[3], 0xFE);
    }
}

TEST_P(VersionBlockForms, NeverReadsPastATruncatedBlock) {
    const auto bytes = Sample(GetParam());
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + size);
        const VersionBlock block(cut);
        // The root's stated length exceeds what is left, so nothing is found.
        EXPECT_FALSE(block.Text("\\StringFileInfo\\041103A4\\CompanyName")) << size;
        EXPECT_FALSE(block.Value("")) << size;
    }
}

INSTANTIATE_TEST_SUITE_P(, VersionBlockForms, ::testing::Values(Layout::Wide, Layout::Narrow),
                         [](const auto& info) {
                             return info.param == Layout::Wide ? "Wide" : "Narrow";
                         });

TEST(VersionBlock, ReadsAnUnterminatedTextUpToItsNodeAndStopsAtTheFirstZero) {
    VersionNode unterminated{"Value", {'a', 'b', 'c'}, true, {}};
    VersionNode early{"Early", {'a', 0, 'b', 0}, true, {}};
    const VersionNode root{"VS_VERSION_INFO", {}, false, {unterminated, early}};
    for (const auto layout : {Layout::Wide, Layout::Narrow}) {
        const auto bytes = BuildVersionBlock(root, layout);
        const VersionBlock block(bytes);
        EXPECT_EQ(block.Text("Value"), "abc");
        EXPECT_EQ(block.Text("Early"), "a");
    }
}

TEST(VersionBlock, WideTextOutsideAsciiReadsAsQuestionMarks) {
    VersionNode root = TextNode("VS_VERSION_INFO", "");
    std::vector<std::uint8_t> bytes = BuildVersionBlock(root, Layout::Wide);
    // A child with the text U+30C6 U+30B9 "x", written by hand.
    const std::vector<std::uint8_t> child = {24,   0,    4,    0,    1,   0, 'K', 0, 0, 0, 0, 0,
                                             0xC6, 0x30, 0xB9, 0x30, 'x', 0, 0,   0, 0, 0, 0, 0};
    while (bytes.size() % 4) bytes.push_back(0);
    bytes.insert(bytes.end(), child.begin(), child.end());
    bytes[0] = static_cast<std::uint8_t>(bytes.size());
    EXPECT_EQ(VersionBlock(bytes).Text("K"), "??x");
}

TEST(VersionBlock, AChildClaimingZeroLengthEndsTheSearch) {
    auto bytes = Sample(Layout::Wide);
    // The first child of the root (StringFileInfo) follows the 52-byte fixed information.
    const std::size_t first = 40 + 52;
    bytes[first] = 0;
    bytes[first + 1] = 0;
    EXPECT_FALSE(VersionBlock(bytes).Text("\\StringFileInfo\\041103A4\\CompanyName"));
}

}  // namespace
}  // namespace mirevo
