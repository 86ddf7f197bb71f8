#include "history/HistoryCsv.h"

#include <gtest/gtest.h>

#include <vector>

namespace mirevo {
namespace {

// Shift-JIS bytes of the header, spelled out so that the test does not lean on the compiler.
const std::string kHeaderBytes =
    "\"\x93\xFA\x8E\x9E\",\"\x8E\xED\x97\xDE\",\"\x83\x8A\x83\x93\x83\x4E\x90\xE6\","
    "\"\x83\x8A\x83\x93\x83\x4E\x83\x65\x83\x4C\x83\x58\x83\x67\",\"\x89\xE6\x91\x9C"
    "URL\",\"a8mat\",\"\x83\x52\x81\x5B\x83\x68\"\r\n";

TEST(HistoryCsv, EmptyListIsTheHeaderAlone) {
    EXPECT_EQ(HistoryCsv({}), kHeaderBytes);
    EXPECT_EQ(
        kHeaderBytes,
        "\"日時\",\"種類\",\"リンク先\",\"リンクテキスト\",\"画像URL\",\"a8mat\",\"コード\"\r\n");
}

TEST(HistoryCsv, QuotesEveryFieldAndKeepsLineBreaksInside) {
    const std::vector<THistoryRecord> records = {
        {"2024-05-06 07:08:09", 0, "https://example.com/a,b", "", "", "ID1",
         "<a href=\"https://example.com/\">\r\n表</a>"},
        {"2024-05-07 00:00:00", 3, "u", "\"quoted\" 表示", "https://example.com/i.png", "ID2",
         "x\ny"},
        {"2024-05-08 00:00:00", 1, "u", "lead\x81", "\x81\"", "\x81Z\x81\x81", "c"},
        {"2024-05-09 00:00:00", 2, "", "", "", "", ""},
    };
    EXPECT_EQ(HistoryCsv(records),
              kHeaderBytes +
                  "\"2024-05-06 07:08:09\",\"簡易リンク\",\"https://example.com/a,b\",\"\",\"\","
                  "\"ID1\",\"<a href=\"\"https://example.com/\"\">\r\n表</a>\"\r\n"
                  "\"2024-05-07 00:00:00\",\"テキスト＆画像リンク\",\"u\",\"\"\"quoted\"\" 表示\","
                  "\"https://example.com/i.png\",\"ID2\",\"x\ny\"\r\n"
                  "\"2024-05-08 00:00:00\",\"テキストリンク\",\"u\",\"lead\",\"\"\"\","
                  "\"\x81Z\x81\x81\",\"c\"\r\n"
                  "\"2024-05-09 00:00:00\",\"画像リンク\",\"\",\"\",\"\",\"\",\"\"\r\n");
}

}  // namespace
}  // namespace mirevo
