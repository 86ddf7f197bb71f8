#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>

#include "tests/fakes/IniRead.h"
#include "platform/portable/PortableProfileWriter.h"
#include "settings/MemIniFile.h"
#include "tests/fakes/TempDir.h"

namespace mirevo {
namespace {

using testing_support::ReadIni;

using testing_support::TempDir;

struct Write {
    std::string section, key, value;
};

struct LayoutCase {
    const char* name;
    std::string before;  // the file's bytes; "<none>" for no file
    std::vector<Write> writes;
    std::string after;
};

class PortableProfileWriterLayoutTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(PortableProfileWriterLayoutTest, LaysOutTheFileAsWindowsDoes) {
    const auto& c = GetParam();
    const TempDir dir;
    const auto path = c.before == "<none>" ? dir.File("a.ini") : dir.Write("a.ini", c.before);
    PortableProfileWriter writer;
    for (const auto& w : c.writes) ASSERT_TRUE(writer.WriteString(w.section, w.key, w.value, path));
    EXPECT_EQ(dir.Read("a.ini"), c.after);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1)
        << "a temporary file was left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortableProfileWriterLayoutTest,
    testing::Values(
        LayoutCase{
            "CreatesMissingFile", "<none>", {{"Form", "Top", "111"}}, "[Form]\r\nTop=111\r\n"},
        LayoutCase{"NewKeyAtEndOfItsSection",
                   "[Form]\r\nTop=1\r\n\r\n[Options]\r\na=1\r\n",
                   {{"Form", "Left", "2"}},
                   "[Form]\r\nTop=1\r\nLeft=2\r\n\r\n[Options]\r\na=1\r\n"},
        LayoutCase{"NewKeyAfterHeaderOfEmptySection",
                   "[Form]\r\n[Options]\r\n",
                   {{"Form", "Top", "1"}},
                   "[Form]\r\nTop=1\r\n[Options]\r\n"},
        LayoutCase{"NewSectionAtEndOfFile",
                   "[Form]\r\nTop=1\r\n",
                   {{"Options", "a", "x"}},
                   "[Form]\r\nTop=1\r\n[Options]\r\na=x\r\n"},
        LayoutCase{"LastLineWithoutBreak",
                   "[Form]\nTop=1",
                   {{"Form", "Left", "2"}},
                   "[Form]\nTop=1\r\nLeft=2\r\n"},
        LayoutCase{"NewSectionAfterLastLineWithoutBreak",
                   "[Form]\nTop=1",
                   {{"Options", "a", "x"}},
                   "[Form]\nTop=1\r\n[Options]\r\na=x\r\n"},
        LayoutCase{"ReplacesInPlaceKeepingItsBreakAndSpelling",
                   "; c\n[form]\ntop = 1\nx=2\n",
                   {{"Form", "Top", "150"}},
                   "; c\n[form]\ntop=150\nx=2\n"},
        // Names match as the reader sees them, without the blanks at their ends; otherwise
        // a second header of the name would hide the first section.
        LayoutCase{"SectionWithBlanksWritesIntoItsSection",
                   "[S]\r\nk=1\r\n",
                   {{" S\t", "j", "2"}, {"s ", "k", "3"}},
                   "[S]\r\nk=3\r\nj=2\r\n"},
        LayoutCase{"KeyWithBlanksReplacesItsEntry",
                   "[S]\r\nk=1\r\n",
                   {{"S", " k ", "2"}},
                   "[S]\r\nk=2\r\n"},
        LayoutCase{"WritesLastDuplicateSectionAndKey",
                   "[S]\nk=1\n[S]\nk=2\nk=3\n",
                   {{"S", "k", "9"}},
                   "[S]\nk=1\n[S]\nk=2\nk=9\n"},
        LayoutCase{"HeaderBehindBomIsNoSection",
                   "\xEF\xBB\xBF[S]\r\nk=1\r\n",
                   {{"S", "k", "2"}},
                   "\xEF\xBB\xBF[S]\r\nk=1\r\n[S]\r\nk=2\r\n"},
        LayoutCase{"WritesBeforeANul",
                   std::string("[S]\r\n\0[T]\r\n", 11),
                   {{"S", "k", "1"}},
                   std::string("[S]\r\nk=1\r\n\0[T]\r\n", 16)},
        LayoutCase{"FirstRunLeavesOnlyForm",
                   "<none>",
                   {{"Form", "Top", "111"},
                    {"Form", "Left", "192"},
                    {"Form", "Height", "360"},
                    {"Form", "Width", "416"},
                    {"Form", "Page", "0"}},
                   "[Form]\r\nTop=111\r\nLeft=192\r\nHeight=360\r\nWidth=416\r\nPage=0\r\n"}),
    [](const auto& info) { return info.param.name; });

TEST(PortableProfileWriter, RefusesWhatWouldNotReadBackAndLeavesTheFile) {
    const TempDir dir;
    const auto path = dir.Write("a.ini", "[S]\r\nk=1\r\n");
    PortableProfileWriter writer;
    for (const auto& w : std::vector<Write>{{"S", "k", "1\r\n[T]"},
                                            {"S\n", "k", "1"},
                                            {"S", "k\r", "1"},
                                            {"S", std::string("k\0", 2), "1"},
                                            {"S", "a=b", "1"},
                                            {"S", ";k", "1"},
                                            {"S", "[k", "1]"},
                                            {"S", " ;k", "1"},
                                            {"S", "\t[k", "1]"},
                                            {"S\x83", "k", "1"},
                                            {"\x83", "k", "1"}}) {
        EXPECT_FALSE(writer.WriteString(w.section, w.key, w.value, path)) << w.section << w.key;
    }
    EXPECT_EQ(dir.Read("a.ini"), "[S]\r\nk=1\r\n");
    EXPECT_FALSE(writer.WriteString("S", "k", "1", dir.File("no-such-folder/a.ini")));
}

// Random writes against a model, read back through the settings reader.
TEST(PortableProfileWriter, EveryWriteReadsBackAndLeavesOthersAlone) {
    const TempDir dir;
    const auto path = dir.File("a.ini");
    PortableProfileWriter writer;
    std::map<std::pair<std::string, std::string>, std::string> model;
    std::mt19937 rng(7);
    const std::vector<std::string> sections = {"Form", "FORM", "Options", "", "\x93\xFA"};
    const std::vector<std::string> keys = {"Top", "top", "a8matEsy", "k", "\x96\x7B"};
    const auto upper = [](std::string text) {
        for (auto& c : text) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
        return text;
    };
    for (int i = 0; i < 200; ++i) {
        const auto& section = sections[rng() % sections.size()];
        const auto& key = keys[rng() % keys.size()];
        const auto value = "v" + std::to_string(i) + (i % 3 == 0 ? "=x" : "");
        ASSERT_TRUE(writer.WriteString(section, key, value, path));
        model[{upper(section), upper(key)}] = value;
    }
    const TMemIniFile ini = ReadIni(path);
    for (const auto& [name, value] : model) {
        EXPECT_EQ(ini.ReadText(name.first, name.second, "<missing>"), value);
    }
}

}  // namespace
}  // namespace mirevo
