#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "BuildConfig.h"
#include "linkgen/LinkCode.h"
#include "linkgen/PlaceholderReplace.h"
#include "linkgen/ServerNumber.h"

namespace mirevo {
namespace {

const std::string kHost = config::ClickHost;
const std::string kPixelDomain = config::PixelDomain;
constexpr std::int32_t kServer = 17;
const std::string kUrl = "http://item.example/a b?c=1";
const std::string kEncodedUrl = "http%3A%2F%2Fitem.example%2Fa+b%3Fc%3D1";

// The expected codes, written out piece by piece.
std::string Pixel(const std::string& id) {
    return "<img border=\"0\" width=\"1\" height=\"1\" src=\"http://www" + std::to_string(kServer) +
           "." + kPixelDomain + "/0.gif?a8mat=" + id + "\" alt=\"\">";
}
std::string Anchor(const std::string& id, const std::string& encodedUrl) {
    return "<a href=\"http://" + kHost + "/svt/ejp?a8mat=" + id + "&a8ejpredirect=" + encodedUrl +
           "\" target=\"_blank\">";
}
std::string TextCode(const std::string& id, const std::string& text, bool lf) {
    return Anchor(id, kEncodedUrl) + text + "</a>" + (lf ? "\r\n" : "") + Pixel(id);
}
std::string ImageCode(const std::string& id, const std::string& image, bool lf) {
    const std::string crlf = lf ? "\r\n" : "";
    return Anchor(id, kEncodedUrl) + crlf + "<img border=\"0\" alt=\"\" src=\"" + image +
           "\"></a>" + crlf + Pixel(id);
}

LinkOptions Settings(bool linefeed, bool errorcheck = true) {
    return {"ESY", "TXT", "IMG", linefeed, errorcheck};
}

LinkInputs Inputs(std::string text = "Link & <b>", std::string image = "http://i/a.jpg\"") {
    return {{kUrl, true}, {std::move(text), true}, {std::move(image), true}};
}

struct ShapeCase {
    const char* name;
    std::int32_t kind;
    bool linefeed;
    std::string expected;
    std::size_t lines;
};

class LinkCodeShapeTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(LinkCodeShapeTest, JoinsTheKindsPieces) {
    const auto& c = GetParam();
    const auto result = AssembleLinkCode(c.kind, Inputs(), Settings(c.linefeed), kServer);
    ASSERT_FALSE(result.refusal);
    EXPECT_EQ(result.code, c.expected);
    const auto breaks =
        static_cast<std::size_t>(std::count(result.code.begin(), result.code.end(), '\n'));
    EXPECT_EQ(breaks + 1, c.lines);
}

const std::string kText = "Link & <b>";
const std::string kImage = "http://i/a.jpg\"";

INSTANTIATE_TEST_SUITE_P(
    Kinds, LinkCodeShapeTest,
    testing::Values(
        ShapeCase{"SimpleOn", 0, true,
                  "http://" + kHost + "/svt/ejp?a8mat=ESY&a8ejpredirect=" + kEncodedUrl, 1},
        ShapeCase{"SimpleOff", 0, false,
                  "http://" + kHost + "/svt/ejp?a8mat=ESY&a8ejpredirect=" + kEncodedUrl, 1},
        ShapeCase{"TextOn", 1, true, TextCode("TXT", kText, true), 2},
        ShapeCase{"TextOff", 1, false, TextCode("TXT", kText, false), 1},
        ShapeCase{"ImageOn", 2, true, ImageCode("IMG", kImage, true), 3},
        ShapeCase{"ImageOff", 2, false, ImageCode("IMG", kImage, false), 1},
        ShapeCase{"TextAndImageOn", 3, true,
                  ImageCode("IMG", kImage, true) + "<br />\r\n" + TextCode("TXT", kText, true), 5},
        ShapeCase{"TextAndImageOff", 3, false,
                  ImageCode("IMG", kImage, false) + TextCode("TXT", kText, false), 1}),
    [](const auto& info) { return info.param.name; });

struct CheckRow {
    const char* name;
    std::int32_t kind;
    bool urlMarked;
    std::string text;
    bool textMarked;
    bool imageMarked;
    std::optional<LinkMessage> expected;
};

class InputCheckTableTest : public testing::TestWithParam<CheckRow> {};

TEST_P(InputCheckTableTest, FirstFailingRowSpeaks) {
    const auto& c = GetParam();
    const LinkInputs inputs{{kUrl, c.urlMarked}, {c.text, c.textMarked}, {"img", c.imageMarked}};
    const auto checked = AssembleLinkCode(c.kind, inputs, Settings(false, true), kServer);
    EXPECT_EQ(checked.refusal, c.expected);
    EXPECT_EQ(checked.code.empty(), c.expected.has_value());
    const auto unchecked = AssembleLinkCode(c.kind, inputs, Settings(false, false), kServer);
    EXPECT_FALSE(unchecked.refusal) << "with errorcheck off every kind builds";
}

// Each row's own condition, with the parts it does not name right, shows that row's message.
using enum LinkMessage;
INSTANTIATE_TEST_SUITE_P(
    Rows, InputCheckTableTest,
    testing::Values(CheckRow{"Simple1Url", 0, false, "", false, false, M2},
                    CheckRow{"SimplePasses", 0, true, "", false, false, std::nullopt},
                    CheckRow{"Text1UrlAndEmptyText", 1, false, "", false, true, M3},
                    CheckRow{"Text2Url", 1, false, "t", true, true, M2},
                    CheckRow{"Text3TextUnmarked", 1, true, "", false, true, M4},
                    CheckRow{"TextPassesWithASpace", 1, true, " ", true, false, std::nullopt},
                    CheckRow{"Image1UrlAndImage", 2, false, "", false, false, M5},
                    CheckRow{"Image2Url", 2, false, "", false, true, M2},
                    CheckRow{"Image3Image", 2, true, "", false, false, M6},
                    CheckRow{"ImagePasses", 2, true, "", false, true, std::nullopt},
                    CheckRow{"Both1All", 3, false, "", false, false, M7},
                    CheckRow{"Both2UrlAndText", 3, false, "", false, true, M3},
                    CheckRow{"Both3UrlAndImage", 3, false, "t", true, false, M5},
                    CheckRow{"Both4TextAndImage", 3, true, "", false, false, M8},
                    CheckRow{"Both5Url", 3, false, "t", true, true, M2},
                    CheckRow{"Both6Text", 3, true, "", false, true, M4},
                    CheckRow{"Both7Image", 3, true, "t", true, false, M6},
                    CheckRow{"BothPasses", 3, true, "t", true, true, std::nullopt}),
    [](const auto& info) { return info.param.name; });

struct IdentifierCase {
    const char* name;
    std::int32_t kind;
    LinkOptions settings;
    std::optional<LinkMessage> expected;
};

class IdentifierCheckTest : public testing::TestWithParam<IdentifierCase> {};

TEST_P(IdentifierCheckTest, ComesBeforeTheInputChecks) {
    const auto& c = GetParam();
    const LinkInputs allWrong{};
    EXPECT_EQ(AssembleLinkCode(c.kind, allWrong, c.settings, kServer).refusal, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IdentifierCheckTest,
    testing::Values(IdentifierCase{"NoTab", -1, {}, InternalError},
                    IdentifierCase{"TabBeyondLast", 4, {}, InternalError},
                    IdentifierCase{"TabNine", 9, {"e", "t", "i", false, false}, InternalError},
                    IdentifierCase{"SimpleWithoutEsy", 0, {"", "t", "i", false, true}, M1},
                    IdentifierCase{"TextWithoutTxt", 1, {"e", "", "i", false, true}, M1},
                    IdentifierCase{"ImageWithoutTxt", 2, {"e", "", "i", false, true}, M1},
                    IdentifierCase{"ImageWithoutImg", 2, {"e", "t", "", false, true}, M1},
                    IdentifierCase{"BothWithoutImg", 3, {"e", "t", "", false, true}, M1},
                    IdentifierCase{"EvenWithoutErrorcheck", 1, {"e", "", "i", false, false}, M1},
                    IdentifierCase{"SimpleNeedsOnlyEsy", 0, {"e", "", "", false, true}, M2},
                    IdentifierCase{"TextNeedsOnlyTxt", 1, {"", "t", "", false, true}, M3}),
    [](const auto& info) { return info.param.name; });

TEST(LinkCode, UncheckedFieldsBuildAsTheyStand) {
    const LinkInputs empty{};
    const auto text = AssembleLinkCode(1, empty, Settings(false, false), kServer);
    EXPECT_EQ(text.code, Anchor("TXT", "") + "</a>" + Pixel("TXT"));
    EXPECT_NE(text.code.find("a8ejpredirect=\" target=\"_blank\">"), std::string::npos);
    // The simple kind too builds from its field unchecked, rather than doing nothing.
    const LinkInputs unmarked{{"not a url", false}, {}, {}};
    const auto simple = AssembleLinkCode(0, unmarked, Settings(false, false), kServer);
    EXPECT_EQ(simple.code, "http://" + kHost + "/svt/ejp?a8mat=ESY&a8ejpredirect=not+a+url");
}

TEST(LinkCode, PlaceholdersTypedByTheUserStandAsTyped) {
    const std::string typed = "[[RakutenTxt]] [[a8mat]] [[RakutenUrl]]";
    auto settings = Settings(false);
    const auto text = AssembleLinkCode(1, Inputs(typed), settings, kServer);
    EXPECT_EQ(text.code, TextCode("TXT", typed, false));
    const auto image =
        AssembleLinkCode(2, Inputs("", "[[RakutenImg]][[a8mat]]"), settings, kServer);
    EXPECT_EQ(image.code, ImageCode("IMG", "[[RakutenImg]][[a8mat]]", false));
}

struct ReplaceCase {
    const char* name;
    std::string text;
    std::string all;    // ReplaceAll(text, "[[x]]", "[[x]]!")
    std::string first;  // ReplaceFirst(text, "[[x]]", "[[x]]!")
};

class PlaceholderReplaceTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(PlaceholderReplaceTest, ReplacesWithoutRescanning) {
    const auto& c = GetParam();
    EXPECT_EQ(ReplaceAll(c.text, "[[x]]", "[[x]]!"), c.all);
    EXPECT_EQ(ReplaceFirst(c.text, "[[x]]", "[[x]]!"), c.first);
}

// 0x83 0x5B is one character whose second byte is "[".
INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceholderReplaceTest,
    testing::Values(ReplaceCase{"None", "abc", "abc", "abc"}, ReplaceCase{"Empty", "", "", ""},
                    ReplaceCase{"Whole", "[[x]]", "[[x]]!", "[[x]]!"},
                    ReplaceCase{"Two", "a[[x]]b[[x]]", "a[[x]]!b[[x]]!", "a[[x]]!b[[x]]"},
                    ReplaceCase{"Adjacent", "[[x]][[x]]", "[[x]]![[x]]!", "[[x]]![[x]]"},
                    ReplaceCase{"CaseSensitive", "[[X]]", "[[X]]", "[[X]]"},
                    ReplaceCase{"FromTrailByte", "\x83[[x]]", "\x83[[x]]", "\x83[[x]]"},
                    ReplaceCase{"AfterTwoByteChar", "\x83\x5B[[x]]", "\x83\x5B[[x]]!",
                                "\x83\x5B[[x]]!"}),
    [](const auto& info) { return info.param.name; });

TEST(ServerNumber, StaysWithinTenToTwentyEightAndReachesEach) {
    std::set<std::int32_t> seen;
    for (std::uint64_t seed = 0; seed < 5000; ++seed) {
        const auto number = DrawServerNumber(seed * 0x9E3779B97F4A7C15ull);
        ASSERT_GE(number, 10);
        ASSERT_LE(number, 28);
        seen.insert(number);
    }
    EXPECT_EQ(seen.size(), 19u);
    EXPECT_EQ(DrawServerNumber(12345), DrawServerNumber(12345)) << "re-seeded on every draw";
}

TEST(ServerNumber, BothPixelsOfTheTextAndImageCodeShareIt) {
    for (std::uint64_t seed = 1; seed < 50; ++seed) {
        const auto number = DrawServerNumber(seed);
        const auto code = AssembleLinkCode(3, Inputs(), Settings(true), number).code;
        const auto host = "http://www" + std::to_string(number) + "." + kPixelDomain + "/";
        const auto first = code.find(host);
        ASSERT_NE(first, std::string::npos);
        EXPECT_NE(code.find(host, first + 1), std::string::npos);
        EXPECT_EQ(code.find("http://www"), first);
    }
}

TEST(LinkMessages, TextsAndChannels) {
    EXPECT_EQ(LinkMessageText(M1), "「設定」 から 「a8mat」 を入力してください。");
    EXPECT_EQ(LinkMessageText(M7),
              "「リンク先URL」 と 「リンク対象テキスト」 と 「掲載画像URL」 "
              "が正しく入力されていません。");
    EXPECT_EQ(LinkMessageText(InternalError), "error");
    EXPECT_EQ(ChannelOf(M8), MessageChannel::WarningBox);
    EXPECT_EQ(ChannelOf(InternalError), MessageChannel::PlainDialog);
    EXPECT_EQ(kWarningBoxFlags, 48);
}

}  // namespace
}  // namespace mirevo

namespace mirevo {
namespace {

// With https on, only the click address and the pixel change scheme; the destination and the
// image address stay as typed.
TEST(LinkCodeHttps, OnlyTheClickAddressAndThePixelGoOverHttps) {
    const auto replaced = [](std::string code) {
        const std::string schemes[] = {"http://" + kHost + "/", "src=\"http://www"};
        for (const std::string& from : schemes) {
            const std::string to = std::string(from).insert(from.find("http") + 4, "s");
            for (auto at = code.find(from); at != std::string::npos; at = code.find(from, at))
                code.replace(at, from.size(), to);
        }
        return code;
    };
    for (std::int32_t kind = 0; kind < 4; ++kind) {
        for (const bool linefeed : {false, true}) {
            LinkOptions options = Settings(linefeed);
            const auto plain = AssembleLinkCode(kind, Inputs(), options, kServer);
            options.https = true;
            const auto secure = AssembleLinkCode(kind, Inputs(), options, kServer);
            ASSERT_FALSE(secure.refusal) << kind;
            EXPECT_EQ(secure.code, replaced(plain.code)) << kind << linefeed;
            EXPECT_NE(secure.code, plain.code) << kind << linefeed;
            const bool hasImage = kind >= 2;
            EXPECT_EQ(secure.code.find("src=\"http://i/a.jpg") != std::string::npos, hasImage);
        }
    }
}

}  // namespace
}  // namespace mirevo
