#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "tests/fakes/IniRead.h"
#include "settings/MemIniFile.h"
#include "tests/fakes/TempDir.h"

namespace mirevo {
namespace {

using testing_support::ReadIni;

using testing_support::TempDir;

constexpr char kMissing[] = "<missing>";

// A literal with its NUL bytes, without the terminating one.
template <std::size_t N>
std::string Bytes(const char (&literal)[N]) {
    return std::string(literal, N - 1);
}

struct LookupCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::string expected;  // kMissing when the default comes back
};

class MemIniFileLookupTest : public testing::TestWithParam<LookupCase> {};

TEST_P(MemIniFileLookupTest, FindsValueByTheReadersRules) {
    const auto& c = GetParam();
    const auto ini = TMemIniFile::FromText(c.file);
    EXPECT_EQ(ini.ReadText(c.section, c.key, kMissing), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, MemIniFileLookupTest,
    testing::Values(LookupCase{"Lf", "[S]\na=1\nb=2", "S", "b", "2"},
                    LookupCase{"Cr", "[S]\ra=1\rb=2", "S", "b", "2"},
                    LookupCase{"CrLf", "[S]\r\na=1\r\nb=2\r\n", "S", "a", "1"},
                    LookupCase{"LfCrIsTwoBreaks", "[S]\n\ra=1\n\rb=2", "S", "b", "2"},
                    LookupCase{"NoBreakAtEnd", "[S]\r\nb=2", "S", "b", "2"},
                    LookupCase{"NulEndsText", Bytes("[S]\na=1\0\nb=2"), "S", "b", kMissing},
                    LookupCase{"NulCutsValue", Bytes("[S]\na=12\0003"), "S", "a", "12"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Blanks, MemIniFileLookupTest,
    testing::Values(
        LookupCase{"TrimmedAroundNamesAndValue", "[ form ]\n top = 150 \t", "Form", "Top", "150"},
        LookupCase{"ControlCharactersTrimmed", "\x01[S]\x1F\n\x7Fk=v", "S", "\x7Fk", "v"},
        LookupCase{"EmptyValue", "[S]\nk=", "S", "k", ""},
        LookupCase{"InnerBlanksKept", "[S]\nk=a b", "S", "k", "a b"},
        LookupCase{"ValueHoldsEquals", "[S]\nabc=def=ghi", "S", "abc", "def=ghi"},
        LookupCase{"QuotesBelongToValue", "[S]\nk=\"v\"", "S", "k", "\"v\""}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Structure, MemIniFileLookupTest,
    testing::Values(
        LookupCase{"CommentAtLineStart", "[S]\n;k=1", "S", ";k", kMissing},
        LookupCase{"IndentedComment", "[S]\n  ;k=1", "S", ";k", kMissing},
        LookupCase{"SemicolonInsideIsText", "[S]\nk=1 ; note", "S", "k", "1 ; note"},
        LookupCase{"HashIsNoComment", "[S]\n#k=1", "S", "#k", "1"},
        LookupCase{"HeaderWithCommentIsNoHeader", "[Options] ; main\nk=1", "Options", "k",
                   kMissing},
        LookupCase{"HeaderWithCommentKeepsPreviousSection", "[A]\n[B] ; x\nk=1", "A", "k", "1"},
        LookupCase{"EmptySectionName", "[]\nk=1", "", "k", "1"},
        LookupCase{"SectionNameTrimmedInside", "[  S  ]\nk=1", "S", "k", "1"},
        LookupCase{"LinesBeforeFirstHeaderDropped", "k=0\n[S]\nj=1", "S", "k", kMissing},
        LookupCase{"LineWithoutEqualsMatchesNothing", "[S]\nk\nj=1", "S", "k", kMissing},
        LookupCase{"KeysStayInTheirSection", "[A]\nk=1\n[B]\nj=2", "B", "k", kMissing},
        LookupCase{"LastDuplicateSectionWins", "[S]\nk=1\nold=1\n[T]\n[s]\nk=2", "S", "k", "2"},
        LookupCase{"EarlierDuplicateSectionHidden", "[S]\nold=1\n[S]\nk=2", "S", "old", kMissing},
        LookupCase{"LastDuplicateKeyWins", "[S]\nk=1\nK=2", "S", "k", "2"},
        LookupCase{"CaseInsensitiveNames", "[OpTiOnS]\nA8MATESY=x", "options", "a8matEsy", "x"},
        LookupCase{"BomHidesFirstHeader", "\xEF\xBB\xBF[S]\nk=1\n[T]\nj=2", "S", "k", kMissing},
        LookupCase{"BomLeavesLaterHeaders", "\xEF\xBB\xBF[S]\nk=1\n[T]\nj=2", "T", "j", "2"},
        LookupCase{"MissingSection", "[S]\nk=1", "T", "k", kMissing}),
    [](const auto& info) { return info.param.name; });

// 0x83 0x5D is one character whose second byte is "]"; 0x82 0x81 is a full-width "a".
INSTANTIATE_TEST_SUITE_P(
    ShiftJis, MemIniFileLookupTest,
    testing::Values(
        LookupCase{"TrailBracketClosesNoHeader", "[A]\n[\x83\x5D\nk=1", "A", "k", "1"},
        LookupCase{"FullWidthLettersMatchAcrossCase", "[\x82\x81]\nk=1", "\x82\x60", "k", "1"},
        LookupCase{"TrailLetterNotUpperCased", "[S]\n\x8A\x79=1", "S", "\x8A\x59", kMissing},
        LookupCase{"JapaneseValueKept", "[S]\nk=\x93\xFA\x96\x7B", "S", "k", "\x93\xFA\x96\x7B"}),
    [](const auto& info) { return info.param.name; });

TEST(MemIniFile, ReadsNumbersAndFlagsWithTheirDefaults) {
    const auto ini = TMemIniFile::FromText(
        "[Form]\nTop=0x96\nLeft=$96\nWidth=x96\nPage=150px\nHeight=\n"
        "[Options]\nerrorcheck=0\nlinefeed=5\nautocopy=true\nneg=-1\nhex=$10\n");
    EXPECT_EQ(ini.ReadNumber("Form", "Top", 1), 150);
    EXPECT_EQ(ini.ReadNumber("Form", "Left", 1), 150);
    EXPECT_EQ(ini.ReadNumber("Form", "Width", 1), 150);
    EXPECT_EQ(ini.ReadNumber("Form", "Page", 3), 3);
    EXPECT_EQ(ini.ReadNumber("Form", "Height", 360), 360);
    EXPECT_EQ(ini.ReadNumber("Form", "Missing", 9), 9);
    EXPECT_FALSE(ini.ReadFlag("Options", "errorcheck", true));
    EXPECT_TRUE(ini.ReadFlag("Options", "linefeed", false));
    EXPECT_TRUE(ini.ReadFlag("Options", "autocopy", true));
    EXPECT_FALSE(ini.ReadFlag("Options", "autocopy", false));
    EXPECT_TRUE(ini.ReadFlag("Options", "neg", false));
    EXPECT_TRUE(ini.ReadFlag("Options", "hex", false));
    EXPECT_TRUE(ini.ReadFlag("Options", "missing", true));
}

TEST(MemIniFile, ReadsTheFileAtThePath) {
    const TempDir dir;
    const TMemIniFile ini = ReadIni(dir.Write("Mirevo.ini", "[Form]\r\nTop=150\r\n"));
    EXPECT_EQ(ini.ReadNumber("Form", "Top", 111), 150);
}

TEST(MemIniFile, MissingFileGivesEveryDefault) {
    const TempDir dir;
    const TMemIniFile ini = ReadIni(dir.File("Mirevo.ini"));
    EXPECT_EQ(ini.ReadText("Options", "a8matEsy", "d"), "d");
    EXPECT_EQ(ini.ReadNumber("Form", "Top", 111), 111);
}

TEST(MemIniFile, FolderAtThePathCannotBeOpened) {
    const TempDir dir;
    const auto path = dir.File("Mirevo.ini");
    std::filesystem::create_directory(path);
    try {
        const TMemIniFile ini = ReadIni(path);
        FAIL() << "no exception";
    } catch (const EFOpenError& error) {
        const std::string expected = "ファイル \"" + path + "\". ";
        EXPECT_EQ(error.Message().substr(0, expected.size()), expected);
        EXPECT_TRUE(error.Message().ends_with(" は開けません")) << error.Message();
        EXPECT_GT(error.Message().size(), expected.size() + std::string(" は開けません").size());
    }
}

TEST(MemIniFile, UnreadableFileCannotBeOpened) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads files of any mode";
    const TempDir dir;
    const auto path = dir.Write("Mirevo.ini", "[Form]\nTop=1\n");
    chmod(path.c_str(), 0);
    EXPECT_THROW(ReadIni(path), EFOpenError);
}

}  // namespace
}  // namespace mirevo
