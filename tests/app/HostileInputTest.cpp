// Every way text reaches the program from outside, at its worst: typed into the fields,
// dropped, copied in another program, read from the settings file and from the version
// block. Each ends in a result, a message or a refusal, and nothing the user had is lost.
#include <array>
#include <cstdint>
#include <optional>

#include "about/AboutBox.h"
#include "linkgen/QueryValueEncode.h"
#include "tests/app/MainFormFixture.h"
#include "tests/fakes/IniRead.h"

namespace mirevo::testing_support {
namespace {

const std::string kMillion(1 << 20, 'a');
const std::string kPageUrl = MainFormTest::PageUrl();
const std::string kImageUrl = MainFormTest::ImageUrl();
const std::string kDomainA = config::MerchantDomainA;

std::string Nul(std::string_view before, std::string_view after) {
    return std::string(before) + '\0' + std::string(after);
}

std::vector<std::string> Texts(std::initializer_list<const TEdit*> edits) {
    std::vector<std::string> texts;
    for (const TEdit* edit : edits) texts.push_back(edit->Text());
    return texts;
}

bool Marked(std::initializer_list<const TEdit*> edits) {
    bool marked = true;
    for (const TEdit* edit : edits) marked = marked && edit->Color() == clInfoBk;
    return marked;
}

// --- Text typed, dropped or copied ---

enum class Seen { Nothing, PageAddress, ImageAddress };  // what the field checks see

constexpr auto kCode = std::nullopt;
const std::array<std::optional<LinkMessage>, 4> kCodeOnEveryTab = {kCode, kCode, kCode, kCode};

struct TextRow {
    const char* name;
    std::string text;
    Seen seen;
    // The link action on each tab with the text in every field: the code, or its refusal.
    std::array<std::optional<LinkMessage>, 4> links;
};

class HostileText : public MainFormTest, public testing::WithParamInterface<TextRow> {};

TEST_P(HostileText, TypedInEveryGroupItIsKeptWholeAndTheLinkIsBuiltOrRefused) {
    const TextRow& row = GetParam();
    TMainForm& f = Create(kIdentifiers);
    f.EditUrl1.SetText(row.text);
    f.EditTxt4.SetText(row.text);
    f.EditImg3.SetText(row.text);
    for (std::int32_t tab = 0; tab < 4; ++tab) {
        SCOPED_TRACE(tab);
        f.PageControl1.SetActivePageIndex(tab);
        f.TextMemo1.ClearAll();
        dialogs_.shown.clear();
        f.ActionExec.Execute();
        if (const auto refusal = row.links[tab]) {
            ASSERT_EQ(dialogs_.shown.size(), 1u);
            EXPECT_EQ(dialogs_.shown[0].text, LinkMessageText(*refusal));
            EXPECT_EQ(f.TextMemo1.Text(), "");
        } else {
            EXPECT_TRUE(dialogs_.shown.empty());
            EXPECT_NE(f.TextMemo1.Text(), "");
        }
    }
    if (!row.links[0]) {
        f.PageControl1.SetActivePageIndex(0);
        f.ActionExec.Execute();  // the address reaches the code whole, up to a NUL
        EXPECT_TRUE(f.TextMemo1.Text().ends_with("a8ejpredirect=" + QueryValueEncode(row.text)));
    }
    EXPECT_EQ(Texts({&f.EditUrl1, &f.EditUrl2, &f.EditUrl3, &f.EditUrl4, &f.EditTxt2, &f.EditTxt4,
                     &f.EditImg3, &f.EditImg4}),
              std::vector<std::string>(8, row.text));
    EXPECT_EQ(Marked({&f.EditUrl1, &f.EditUrl2, &f.EditUrl3, &f.EditUrl4}),
              row.seen != Seen::Nothing);
    EXPECT_EQ(Marked({&f.EditTxt2, &f.EditTxt4}), !row.text.empty());
    EXPECT_EQ(Marked({&f.EditImg3, &f.EditImg4}), row.seen == Seen::ImageAddress);
}

// A drop says why it was refused; a copy in another program is passed over in silence.
TEST_P(HostileText, DroppedOrCopiedItFillsOnlyItsGroupOrLeavesEveryField) {
    const TextRow& row = GetParam();
    TMainForm& f = Create(std::string(kIdentifiers) + "clipwatch=1\r\n");
    for (const bool dropped : {true, false}) {
        SCOPED_TRACE(dropped ? "dropped" : "copied");
        f.EditUrl1.SetText(kPageUrl);
        f.EditTxt2.SetText("t");
        f.EditImg3.SetText(kImageUrl);
        f.SetActiveControl(nullptr);
        dialogs_.shown.clear();
        if (dropped) {
            Drop(row.text);
        } else {
            clipboardWatch_.CopyElsewhere(row.text);
        }
        const std::string url = row.seen == Seen::PageAddress ? row.text : kPageUrl;
        const std::string image = row.seen == Seen::ImageAddress ? row.text : kImageUrl;
        EXPECT_EQ(Texts({&f.EditUrl1, &f.EditUrl2, &f.EditUrl3, &f.EditUrl4}),
                  std::vector<std::string>(4, url));
        EXPECT_EQ(Texts({&f.EditTxt2, &f.EditTxt4}), std::vector<std::string>(2, "t"));
        EXPECT_EQ(Texts({&f.EditImg3, &f.EditImg4}), std::vector<std::string>(2, image));
        EXPECT_TRUE(Marked({&f.EditUrl1, &f.EditImg3}));
        const bool refused = dropped && row.seen == Seen::Nothing;
        ASSERT_EQ(dialogs_.shown.size(), refused ? 1u : 0u);
        if (refused) {
            EXPECT_EQ(dialogs_.shown[0].text, "楽天のURLではありません。");
        }
    }
}

using enum LinkMessage;
using enum Seen;

// A NUL is a byte like any other here: the platform's edits, drops and clipboard end the text
// at it before the program sees it, so those rows hold what a fault there could pass on.
const std::vector<TextRow> kTextRows = {
    {"Empty", "", Nothing, {M2, M3, M5, M7}},
    {"OnlyBlanks", " \t ", Nothing, {M2, M2, M5, M5}},
    {"AMillionBytes", kMillion, Nothing, {M2, M2, M5, M5}},
    {"AnAddressAndAMillionBytes", kPageUrl + kMillion, PageAddress, {kCode, kCode, M6, M6}},
    {"AMillionBytesAndAnImageAddress", kMillion + kImageUrl, Nothing, {M2, M2, M5, M5}},
    {"NulInsideAnImageAddress", Nul(kPageUrl, "a.jpg"), ImageAddress, kCodeOnEveryTab},
    {"NulAfterTheScheme", Nul("http://", kPageUrl.substr(7)), PageAddress, {kCode, kCode, M6, M6}},
    {"LoneLeadByteAtTheEnd", kPageUrl + "\x83", PageAddress, {kCode, kCode, M6, M6}},
    {"LoneLeadByteAlone", "\x83", Nothing, {M2, M2, M5, M5}},
    {"InvalidShiftJis", "\x81\x20\xFF\xA0\xFD\x80\x7F", Nothing, {M2, M2, M5, M5}},
    // The domain's first letter is the second byte of a two-byte character there.
    {"DomainStartsOnASecondByte", "http://\x83" + kDomainA + "/a.jpg", Nothing, {M2, M2, M5, M5}},
    {"AddressesOnTwoLines", kPageUrl + "\r\n" + kImageUrl, ImageAddress, kCodeOnEveryTab},
};

INSTANTIATE_TEST_SUITE_P(Rows, HostileText, testing::ValuesIn(kTextRows),
                         [](const auto& info) { return info.param.name; });

// --- The settings file ---

constexpr std::int32_t kMax = INT32_MAX;
constexpr std::int32_t kMin = INT32_MIN;
const TBounds kDesigned{192, 111, 416, 360};

struct SettingsRow {
    const char* name;
    std::string file;
    TBounds bounds;                 // the window after the start; Height is never read
    std::int32_t page = 0;          // the active tab after the start, -1 for none
    const char* message = nullptr;  // part of the one message the start shows, if any
};

// Where the window stands after the start: the height is the design's, as it is never read.
TBounds Placed(std::int32_t left, std::int32_t top, std::int32_t width) {
    return {left, top, width, 360};
}

class HostileSettingsFile : public MainFormTest, public testing::WithParamInterface<SettingsRow> {};

bool IsPlacement(const IniName& name) {
    if (IniNameKey(name.first) != "FORM") return false;
    for (const char* key : {"TOP", "LEFT", "HEIGHT", "WIDTH", "PAGE"}) {
        if (IniNameKey(name.second) == key) return true;
    }
    return false;
}

TEST_P(HostileSettingsFile, StartsClosesWithThePlacementAndKeepsEveryOtherKey) {
    const SettingsRow& row = GetParam();
    const std::string path = dir_.Write("Mirevo.ini", row.file);
    TMainForm& f = Create();
    EXPECT_EQ(f.Bounds(), row.bounds);
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), row.page);
    ASSERT_EQ(dialogs_.shown.size(), row.message ? 1u : 0u);
    if (row.message) {
        EXPECT_NE(dialogs_.shown[0].text.find(row.message), std::string::npos);
    }

    f.Close();
    EXPECT_TRUE(f.Closed());
    EXPECT_EQ(dialogs_.shown.size(), row.message ? 1u : 0u) << "closing reported a failure";
    const TMemIniFile after = ReadIni(path);
    EXPECT_EQ(after.ReadNumber("Form", "Top", 0), row.bounds.Top);
    EXPECT_EQ(after.ReadNumber("Form", "Left", 0), row.bounds.Left);
    EXPECT_EQ(after.ReadNumber("Form", "Width", 0), row.bounds.Width);
    EXPECT_EQ(after.ReadNumber("Form", "Page", 0), row.page);
    auto names = IniNames(row.file);
    std::erase_if(names, IsPlacement);
    EXPECT_EQ(ReadEach(after, names), ReadEach(TMemIniFile::FromText(row.file), names));

    TMainForm& again = Create();
    EXPECT_EQ(again.Bounds(), Placed(row.bounds.Left, row.bounds.Top, row.bounds.Width));
    EXPECT_EQ(again.PageControl1.ActivePageIndex(), row.page);
}

// The form takes sizes as stored; holding the window at its minimum size is left to the
// platform (the form's peer answers WM_GETMINMAXINFO).
const std::vector<SettingsRow> kSettingsRows = {
    {"OnlyAnOpeningBracket", "[", kDesigned},
    {"OnlyAClosingBracket", "]", kDesigned},
    {"OnlyAnEqualsSign", "=", kDesigned},
    {"EmptyNamesEverywhere", "[]\r\n=\r\n==\r\n[ ]\r\n =x\r\n", kDesigned},
    {"OnlyALoneLeadByte", "\x83", kDesigned},
    {"HeaderBracketIsASecondByte", "[Options]\r\nx=1\r\n[Form\x83]\r\nTop=5\r\n", kDesigned},
    {"NulBeforeTheSection", Nul("", "[Form]\r\nTop=5\r\n"), kDesigned},
    {"NulInsideTheSection", Nul("[Form]\r\nTop=5\r\nLeft=6", "7\r\nPage=2\r\n"), Placed(6, 5, 416)},
    {"AMillionBytesWithoutABreak", kMillion, kDesigned},
    {"AMillionOpeningBrackets", std::string(1 << 20, '['), kDesigned},
    {"ManyEmptyLinesFirst", std::string(1 << 16, '\n') + "[Form]\nTop=5", Placed(192, 5, 416)},
    {"AKeyOfAMillionBytes", "[Form]\r\n" + kMillion + "=1\r\nTop=5\r\n", Placed(192, 5, 416)},
    {"ANumberOfAMillionDigits", "[Form]\r\nTop=" + std::string(1 << 20, '9'), kDesigned},
    {"ValuesAtThe32BitEdges",
     "[Form]\r\nTop=2147483647\r\nLeft=-2147483648\r\nWidth=2147483647\r\nPage=-2147483648",
     Placed(kMin, kMax, kMax), -1},
    {"ValuesJustBeyondTheEdges",
     "[Form]\r\nTop=2147483648\r\nLeft=-2147483649\r\nWidth=4294967296\r\nPage=4294967298",
     kDesigned},
    {"HexadecimalAtTheEdges",
     "[Form]\r\nTop=$7FFFFFFF\r\nLeft=0x80000000\r\nWidth=$FFFFFFFF\r\nPage=$100000000",
     Placed(kMin, kMax, -1)},
    {"NegativeSizes", "[Form]\r\nWidth=-416\r\nHeight=-360\r\nPage=-1\r\n", Placed(192, 111, -416),
     -1},
    {"ZeroWidth", "[Form]\r\nWidth=0\r\n", Placed(192, 111, 0)},
    {"BrokenOptionsBesideAGoodPlace",
     "[Options]\r\na8matEsy=" + kMillion + "\r\nlinefeed=\x83\r\nerrorcheck=2147483648\r\n" +
         "[Form]\r\nLeft=-5\r\n",
     Placed(-5, 111, 416)},
    {"ServiceValuesOfAMillionBytesAndANul",
     Nul("[Service]\r\nClickHost=" + kMillion + "\r\nPixelDomain=a", "b\r\n"), kDesigned, 0,
     "ClickHost"},
    {"HomePageEndingInALoneLeadByte", "[Service]\r\nHomePage=http://home.real.example/\x83\r\n",
     kDesigned, 0, "HomePage"},
};

INSTANTIATE_TEST_SUITE_P(Rows, HostileSettingsFile, testing::ValuesIn(kSettingsRows),
                         [](const auto& info) { return info.param.name; });

// --- The version block ---

struct VersionRow {
    const char* name;
    std::vector<std::uint8_t> block;
    std::string version;
    std::string copyright;
};

class HostileVersionBlock : public MainFormTest, public testing::WithParamInterface<VersionRow> {};

TEST_P(HostileVersionBlock, TheAboutBoxShowsWhatTheBlockHoldsOrThatNothingCanBeRead) {
    const VersionRow& row = GetParam();
    versions_ = FakeVersionResource(host_.exeName, row.block);
    TMainForm& f = Create();
    std::string version;
    std::string copyright;
    host_.onModal = [&](TForm& form) {
        auto& box = dynamic_cast<TAboutBox&>(form);
        version = box.Version.Caption();
        copyright = box.Copyright.Caption();
    };
    f.ActionAbout.Execute();
    EXPECT_EQ(version, row.version);
    EXPECT_EQ(copyright, row.copyright);
    EXPECT_TRUE(dialogs_.shown.empty());
}

std::vector<std::uint8_t> Block(const std::string& fileVersion, const std::string& copyright,
                                VersionBlock::Layout layout) {
    return BuildVersionBlock(
        StandardVersionInfo("041103A4",
                            {{"FileVersion", fileVersion}, {"LegalCopyright", copyright}},
                            {{0x0411, 932}}),
        layout);
}

std::vector<std::uint8_t> RandomBytes(std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    std::uint32_t seed = 14;
    for (auto& byte : bytes) {
        seed = seed * 1103515245 + 12345;
        byte = static_cast<std::uint8_t>(seed >> 16);
    }
    return bytes;
}

std::vector<std::uint8_t> TranslationCutShort() {
    VersionNode root = StandardVersionInfo("041103A4", {{"FileVersion", "1.0"}}, {{0x0411, 932}});
    root.children[1].children[0].value.resize(2);
    return BuildVersionBlock(root, VersionBlock::Layout::Wide);
}

constexpr auto kNarrow = VersionBlock::Layout::Narrow;
constexpr auto kWide = VersionBlock::Layout::Wide;
const std::string kNone(kInfoNotAvailable);
// As long as a value can be with the rest of the block inside the 16-bit lengths.
const std::string kLongest(65000, '9');

// The shown captions hold the bytes as read; the label's window is handed whole characters.
const std::vector<VersionRow> kVersionRows = {
    {"Empty", {}, kNone, kNone},
    {"OneByte", {0x5C}, kNone, kNone},
    {"AMillionRandomBytes", RandomBytes(1 << 20), kNone, kNone},
    {"NulInsideAValue", Block(Nul("1.3", ".1.0"), "(C)", kWide), "1.3", "(C)"},
    {"LoneLeadByteAtTheEnd", Block("1.0", "(C) \x83", kNarrow), "1.0", "(C) \x83"},
    {"TheLongestValue", Block(kLongest, "(C)", kNarrow), kLongest, "(C)"},
    // Its lengths overflow their 16 bits, so the block ends before its translation table.
    {"LengthsBeyondSixteenBits", Block(kMillion, "(C)", kWide), kNone, kNone},
    {"TranslationCutShort", TranslationCutShort(), kNone, kNone},
};

INSTANTIATE_TEST_SUITE_P(Rows, HostileVersionBlock, testing::ValuesIn(kVersionRows),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace mirevo::testing_support
