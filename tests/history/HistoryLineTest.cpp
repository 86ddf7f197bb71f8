#include "history/HistoryLine.h"

#include <gtest/gtest.h>

#include "common/Exception.h"

#include <string>
#include <vector>

namespace mirevo {
namespace {

THistoryRecord Plain() {
    return {"2024-05-06 07:08:09",       2,         "https://example.com/p?a=1&b=2", "商品",
            "https://example.com/i.png", "ABC+DEF", "<a href=\"x\">商品</a>"};
}

struct RoundTripCase {
    const char* name;
    THistoryRecord record;
};

class HistoryLineRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(HistoryLineRoundTripTest, ReadsBackWhatItWritesOnOneLine) {
    const auto& record = GetParam().record;
    const auto line = HistoryLine(record);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    EXPECT_TRUE(line.starts_with(std::string(kHistoryLineMarker) + "\t"));
    EXPECT_EQ(ParseHistoryLine(line), record);
    EXPECT_EQ(ParseHistoryLine(line + "\r"), record);
}

THistoryRecord With(std::string value) {
    auto record = Plain();
    record.destination = value;
    record.linkText = value + "x";
    record.imageUrl = "x" + value;
    record.identifier = value;
    record.code = value + value;
    return record;
}

THistoryRecord Empty() {
    THistoryRecord record;
    record.time = "1999-12-31 23:59:59";
    record.kind = 3;
    return record;
}

THistoryRecord HugeCode() {
    auto record = Plain();
    record.code.clear();
    for (int i = 0; record.code.size() < 1024 * 1024; ++i) {
        record.code += i % 7 == 0 ? "表\\\t\r\n" : "<a href=\"https://example.com/\">テキスト</a>";
    }
    return record;
}

// "表" and "ソ" end in 0x5C; 0x81 is a lead byte; "\x81\t" and the like are no characters.
INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryLineRoundTripTest,
    testing::Values(RoundTripCase{"Plain", Plain()}, RoundTripCase{"EmptyFields", Empty()},
                    RoundTripCase{"Tab", With("a\tb\t")},
                    RoundTripCase{"CrLf", With("a\r\nb\n\rc\r")},
                    RoundTripCase{"Backslashes", With("\\\\\\t\\n\\")},
                    RoundTripCase{"TrailBackslash", With("表示ソフト表")},
                    RoundTripCase{"TrailBackslashBeforeEscapes", With("表\\表\t表\n")},
                    RoundTripCase{"LoneLeadAtEnd", With("abc\x81")},
                    RoundTripCase{"LoneLeadBeforeBreaks", With("\x81\t\x81\r\x81\n\x81")},
                    RoundTripCase{"LeadBeforeLead", With("\x81\x81\x81")},
                    RoundTripCase{"Nul", With(std::string("a\0b\0", 4))},
                    RoundTripCase{"Marker", With("MirevoHistory1\t0")},
                    RoundTripCase{"EveryByte", With([] {
                                      std::string all;
                                      for (int b = 255; b >= 0; --b) all += static_cast<char>(b);
                                      return all;
                                  }())},
                    RoundTripCase{"HugeCode", HugeCode()}),
    [](const auto& info) { return info.param.name; });

// The form is what other copies of the program read: pinned byte for byte.
TEST(HistoryLine, WritesTheFormItReads) {
    EXPECT_EQ(HistoryLineCheck("123456789"), "cbf43926");
    EXPECT_EQ(HistoryLineCheck(""), "00000000");
    const THistoryRecord record{"2024-01-02 03:04:05", 1, "u", "表\t", "", "id", "a\r\nb\\"};
    const std::string body = "MirevoHistory1\t2024-01-02 03:04:05\t1\tu\t表\\t\t\tid\ta\\r\\nb\\\\";
    EXPECT_EQ(HistoryLine(record), body + "\t" + HistoryLineCheck(body));
}

TEST(HistoryLine, RefusesEveryLineCutShort) {
    const auto line = HistoryLine(With("表\t\\x\x81\n"));
    for (std::size_t size = 0; size < line.size(); ++size) {
        EXPECT_FALSE(ParseHistoryLine(line.substr(0, size))) << size;
    }
}

// Fields joined into a line with a check that matches them.
std::string Sealed(const std::vector<std::string>& fields) {
    std::string body;
    for (const auto& field : fields) body += (body.empty() ? "" : "\t") + field;
    return body + "\t" + HistoryLineCheck(body);
}

std::vector<std::string> Fields(std::string time, std::string kind, std::string value = "v") {
    return {"MirevoHistory1", time, kind, value, value, value, value, value};
}

TEST(HistoryLine, RefusesDamagedForeignAndInvalidLines) {
    const auto good = HistoryLine(Plain());
    ASSERT_TRUE(ParseHistoryLine(Sealed(Fields("2024-05-06 07:08:09", "2"))));
    auto flipped = good;
    flipped[30] ^= 0x01;
    auto upperCheck = good;
    for (auto i = upperCheck.size() - 8; i < upperCheck.size(); ++i) {
        if (upperCheck[i] >= 'a') upperCheck[i] = static_cast<char>(upperCheck[i] - 32);
    }
    auto tenFields = Fields("2024-05-06 07:08:09", "2");
    tenFields.push_back("extra");
    const auto marked = [](std::string marker) {
        auto fields = Fields("2024-05-06 07:08:09", "2");
        fields[0] = marker;
        return Sealed(fields);
    };
    const std::string refused[] = {
        "",
        "\r",
        "garbage",
        "MirevoHistory1",
        flipped,
        good + "\t",
        good + "0",
        good + "\r\r",
        "\t" + good,
        good.substr(0, good.size() - 1) + "0\x81",
        std::string(good).insert(20, "\r"),
        marked("MirevoHistory2"),
        marked("mirevohistory1"),
        marked(""),
        Sealed(tenFields),
        Sealed({"MirevoHistory1", "2024-05-06 07:08:09", "2", "v"}),
        Sealed(Fields("2024-13-06 07:08:09", "2")),
        Sealed(Fields("2024-05-00 07:08:09", "2")),
        Sealed(Fields("2024-05-06 24:08:09", "2")),
        Sealed(Fields("2024-05-06 07:60:09", "2")),
        Sealed(Fields("2024-05-06T07:08:09", "2")),
        Sealed(Fields("2024-5-06 07:08:09", "2")),
        Sealed(Fields("", "2")),
        Sealed(Fields("2024-05-06 07:08:09", "4")),
        Sealed(Fields("2024-05-06 07:08:09", "-1")),
        Sealed(Fields("2024-05-06 07:08:09", "02")),
        Sealed(Fields("2024-05-06 07:08:09", "")),
        Sealed(Fields("2024-05-06 07:08:09", "1", "a\\x")),
        Sealed(Fields("2024-05-06 07:08:09", "1", "a\\")),
        Sealed(Fields("2024-05-06 07:08:09", "1", "a\rb")),
    };
    for (const auto& line : refused) EXPECT_FALSE(ParseHistoryLine(line)) << line;
    if (upperCheck != good) {
        EXPECT_FALSE(ParseHistoryLine(upperCheck));
    }
}

TEST(HistoryLine, RefusesToWriteARecordItCouldNotRead) {
    auto badKind = Plain();
    badKind.kind = 4;
    auto badTime = Plain();
    badTime.time = "2024-05-06";
    EXPECT_THROW(HistoryLine(badKind), EAssertionFailed);
    EXPECT_THROW(HistoryLine(badTime), EAssertionFailed);
}

TEST(HistoryKindName, NamesTheTabs) {
    EXPECT_EQ(HistoryKindName(0), "簡易リンク");
    EXPECT_EQ(HistoryKindName(3), "テキスト＆画像リンク");
    EXPECT_EQ(HistoryKindName(4), "");
    EXPECT_EQ(HistoryKindName(-1), "");
}

}  // namespace
}  // namespace mirevo
