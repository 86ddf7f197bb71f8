#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/fakes/TempDir.h"
#include "textview/LineStore.h"

namespace mirevo {
namespace {

using Lines = std::vector<std::string>;
using namespace std::string_literals;

Lines AllLines(const TLineStore& store) {
    Lines lines;
    for (std::int32_t i = 0; i < store.Count(); ++i) lines.emplace_back(store.Get(i));
    return lines;
}

TLineStore& Fill(TLineStore& store, const Lines& lines) {
    for (const auto& line : lines) store.Add(line);
    return store;
}

// Writes every event of a store as a short word into one log.
struct EventLog {
    explicit EventLog(TLineStore& store) {
        store.OnChanging = [this](TLineStore&) { log += "Changing "; };
        store.OnChange = [this](TLineStore&) { log += "Change "; };
        store.OnLinesCleared = [this](TLineStore&) { log += "Cleared "; };
        store.OnLinesInserted = Lines("Inserted");
        store.OnLinesDeleted = Lines("Deleted");
        store.OnLinesReplaced = Lines("Replaced");
    }
    TLineStore::TLinesEvent Lines(std::string name) {
        return [this, name](TLineStore&, std::int32_t index, std::int32_t count) {
            log += name + "(" + std::to_string(index) + "," + std::to_string(count) + ") ";
        };
    }
    std::string log;
};

// --- Setting and reading the whole text ----------------------------------------------------

struct SplitCase {
    std::string text;
    Lines lines;
    std::string readBack;
};

class SetTextSplits : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SetTextSplits, IntoLinesAndJoinsWithCrLf) {
    TLineStore store;
    store.SetText(GetParam().text);
    EXPECT_EQ(AllLines(store), GetParam().lines);
    EXPECT_EQ(store.Text(), GetParam().readBack);
    TLineStore adopted;
    adopted.AdoptText(std::string(GetParam().text));
    EXPECT_EQ(AllLines(adopted), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, SetTextSplits,
    ::testing::Values(SplitCase{"", {}, ""}, SplitCase{"a\r\nb", {"a", "b"}, "a\r\nb"},
                      SplitCase{"a\n\rb", {"a", "", "b"}, "a\r\n\r\nb"},
                      SplitCase{"a\r\n", {"a"}, "a"}, SplitCase{"a\n\n", {"a", ""}, "a\r\n"},
                      SplitCase{"a\rb\nc", {"a", "b", "c"}, "a\r\nb\r\nc"},
                      SplitCase{"a\r\r\nb", {"a", "", "b"}, "a\r\n\r\nb"},
                      SplitCase{"\r\n", {""}, ""}, SplitCase{"ab\0cd\r\nef"s, {"ab"}, "ab"},
                      SplitCase{"\0ab"s, {}, ""},
                      SplitCase{"日本\r\n語", {"日本", "語"}, "日本\r\n語"}));

TEST(LineStoreText, LinesOfOneTextStayReadableWhileOthersGo) {
    TLineStore store;
    store.SetText("a\r\nbb\r\n\r\nccc\r\ndddd");
    store.Put(0, "x");
    store.Delete(1);
    store.Exchange(0, 2);
    store.DeleteLines(0, 2);
    EXPECT_EQ(AllLines(store), (Lines{"x", "dddd"}));
    store.Delete(1);  // the last line of the text goes: its bytes are freed
    store.AddStrings(store);
    EXPECT_EQ(AllLines(store), (Lines{"x", "x"}));
}

TEST(LineStoreEvents, SettingTextClearsThenInsertsEachLineInsideOneBracket) {
    TLineStore store;
    EventLog events(store);
    store.SetText("a\r\nb");
    EXPECT_EQ(events.log, "Changing Inserted(0,1) Inserted(1,1) Change ");
    events.log.clear();
    store.SetText("c");
    EXPECT_EQ(events.log, "Changing Cleared Inserted(0,1) Change ");
}

// --- Events and brackets of each change ----------------------------------------------------

struct EventCase {
    const char* name;
    std::function<void(TLineStore&)> change;
    std::string events;
    Lines after;
};

class ChangeEvents : public ::testing::TestWithParam<EventCase> {};

TEST_P(ChangeEvents, FireInOrderAndLeaveTheLines) {
    TLineStore store;
    Fill(store, {"a", "b", "c"});
    EventLog events(store);
    GetParam().change(store);
    EXPECT_EQ(events.log, GetParam().events);
    EXPECT_EQ(AllLines(store), GetParam().after);
}

const EventCase kEventCases[] = {
    {"Add",
     [](TLineStore& s) { EXPECT_EQ(s.Add("d"), 3); },
     "Changing Inserted(3,1) Change ",
     {"a", "b", "c", "d"}},
    {"Insert",
     [](TLineStore& s) { s.Insert(1, "x"); },
     "Changing Inserted(1,1) Change ",
     {"a", "x", "b", "c"}},
    {"PutAtCountAppends",
     [](TLineStore& s) { s.Put(3, "d"); },
     "Changing Inserted(3,1) Change ",
     {"a", "b", "c", "d"}},
    {"Put",
     [](TLineStore& s) { s.Put(1, "x"); },
     "Changing Replaced(1,1) Change ",
     {"a", "x", "c"}},
    {"PutObject", [](TLineStore& s) { s.PutObject(0, &s); }, "Changing Change ", {"a", "b", "c"}},
    {"SetLineState",
     [](TLineStore& s) { s.SetLineState(2, 7); },
     "Changing Change ",
     {"a", "b", "c"}},
    {"Delete", [](TLineStore& s) { s.Delete(1); }, "Changing Deleted(1,1) Change ", {"a", "c"}},
    {"DeleteLinesMovesTheRestInABracket",
     [](TLineStore& s) { s.DeleteLines(0, 2); },
     "Changing Change Deleted(0,2) ",
     {"c"}},
    {"DeleteLinesAtTheEndNeedsNoBracket",
     [](TLineStore& s) { s.DeleteLines(1, 99); },
     "Deleted(1,2) ",
     {"a"}},
    {"DeleteLinesOfNothing", [](TLineStore& s) { s.DeleteLines(99, 0); }, "", {"a", "b", "c"}},
    {"InsertLines",
     [](TLineStore& s) { s.InsertLines(1, 2); },
     "Changing Inserted(1,2) Change ",
     {"a", "", "", "b", "c"}},
    {"InsertNoLines", [](TLineStore& s) { s.InsertLines(3, 0); }, "", {"a", "b", "c"}},
    {"Exchange",
     [](TLineStore& s) { s.Exchange(0, 2); },
     "Changing Replaced(0,1) Replaced(2,1) Change ",
     {"c", "b", "a"}},
    {"ExchangeWithItself",
     [](TLineStore& s) { s.Exchange(1, 1); },
     "Changing Change ",
     {"a", "b", "c"}},
    {"Clear", [](TLineStore& s) { s.Clear(); }, "Changing Cleared Change ", {}},
    {"AddStrings",
     [](TLineStore& s) {
         const Lines more{"d", "e"};
         s.AddStrings(more);
     },
     "Changing Inserted(3,2) Change ",
     {"a", "b", "c", "d", "e"}},
    {"AddNoStrings", [](TLineStore& s) { s.AddStrings(Lines{}); }, "", {"a", "b", "c"}},
    {"AddStringsOfItself",
     [](TLineStore& s) { s.AddStrings(s); },
     "Changing Inserted(3,3) Change ",
     {"a", "b", "c", "a", "b", "c"}},
    {"AddObject",
     [](TLineStore& s) { EXPECT_EQ(s.AddObject("d", &s), 3); },
     "Changing Inserted(3,1) Change ",
     {"a", "b", "c", "d"}},
    {"Move",
     [](TLineStore& s) { s.Move(0, 2); },
     "Changing Deleted(0,1) Inserted(2,1) Change ",
     {"b", "c", "a"}},
    {"Assign",
     [](TLineStore& s) {
         TLineStore other;
         other.Add("z");
         s.Assign(other);
     },
     "Changing Cleared Inserted(0,1) Change ",
     {"z"}},
    {"OuterBracketFiresChangeOnce",
     [](TLineStore& s) {
         s.BeginUpdate();
         s.Add("d");
         s.Delete(0);
         s.EndUpdate();
     },
     "Changing Inserted(3,1) Deleted(0,1) Change ",
     {"b", "c", "d"}},
};

INSTANTIATE_TEST_SUITE_P(Operations, ChangeEvents, ::testing::ValuesIn(kEventCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LineStoreEvents, PutAtIndexZeroOfAnEmptyStoreAppends) {
    TLineStore store;
    EventLog events(store);
    store.Put(0, "a");
    EXPECT_EQ(events.log, "Changing Inserted(0,1) Change ");
    EXPECT_EQ(AllLines(store), Lines{"a"});
}

TEST(LineStoreEvents, DestructionFiresNothing) {
    std::string log;
    {
        TLineStore store;
        Fill(store, {"a", "b"});
        EventLog events(store);
        store.OnLinesCleared = [&log](TLineStore&) { log += "Cleared"; };
        store.OnLinesDeleted = [&log](TLineStore&, std::int32_t, std::int32_t) {
            log += "Deleted";
        };
        store.OnChange = [&log](TLineStore&) { log += "Change"; };
    }
    EXPECT_EQ(log, "");
}

TEST(LineStoreEvents, BracketClosesWhenAHandlerFails) {
    TLineStore store;
    EventLog events(store);
    store.OnLinesInserted = [](TLineStore&, std::int32_t, std::int32_t) {
        throw Exception("handler failed");
    };
    EXPECT_THROW(store.SetText("a\r\nb"), Exception);
    EXPECT_EQ(events.log, "Changing Change ");
    store.OnLinesInserted = nullptr;
    store.Add("c");  // a fresh bracket opens, so the counter went back to zero
    EXPECT_EQ(events.log, "Changing Change Changing Change ");
}

// --- Index checks --------------------------------------------------------------------------

struct IndexCase {
    const char* name;
    std::function<void(TLineStore&)> change;
    std::int32_t reportedIndex;
};

class BadIndex : public ::testing::TestWithParam<IndexCase> {};

TEST_P(BadIndex, RaisesNamingTheIndexAndChangesNothing) {
    TLineStore store;
    Fill(store, {"a", "b"});
    EventLog events(store);
    try {
        GetParam().change(store);
        FAIL() << "no error";
    } catch (const ELineStoreError& error) {
        EXPECT_EQ(error.Message(),
                  "Invalid stringlist index " + std::to_string(GetParam().reportedIndex));
    }
    EXPECT_EQ(AllLines(store), (Lines{"a", "b"}));
    EXPECT_EQ(events.log, "");
}

const IndexCase kIndexCases[] = {
    {"DeleteAtCount", [](TLineStore& s) { s.Delete(2); }, 2},
    {"DeleteNegative", [](TLineStore& s) { s.Delete(-1); }, -1},
    {"InsertPastCount", [](TLineStore& s) { s.Insert(3, "x"); }, 3},
    {"PutPastCount", [](TLineStore& s) { s.Put(3, "x"); }, 3},
    {"PutNegative", [](TLineStore& s) { s.Put(-1, "x"); }, -1},
    {"PutObjectAtCount", [](TLineStore& s) { s.PutObject(2, nullptr); }, 2},
    {"LineStateAtCount", [](TLineStore& s) { s.SetLineState(2, 1); }, 2},
    {"ExchangeChecksTheFirstIndexFirst", [](TLineStore& s) { s.Exchange(5, 7); }, 5},
    {"ExchangeSecond", [](TLineStore& s) { s.Exchange(0, 7); }, 7},
    {"DeleteLinesAtCount", [](TLineStore& s) { s.DeleteLines(2, 1); }, 2},
    {"InsertLinesChecksEvenForNoLines", [](TLineStore& s) { s.InsertLines(3, 0); }, 3},
};

INSTANTIATE_TEST_SUITE_P(Operations, BadIndex, ::testing::ValuesIn(kIndexCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LineStoreReading, OutsideTheLinesGivesEmptyValues) {
    TLineStore store;
    Fill(store, {"a\tb"});
    for (const std::int32_t index : {-1, 1}) {
        EXPECT_EQ(store.Get(index), "");
        EXPECT_EQ(store.Object(index), nullptr);
        EXPECT_EQ(store.LineState(index), 0);
        EXPECT_EQ(store.ExpandedLine(index), "");
        EXPECT_EQ(store.ExpandedLineLength(index), 0);
    }
}

TEST(LineStoreReading, IndexOfFindsTheFirstExactLine) {
    TLineStore store;
    Fill(store, {"a", "B", "b", "b"});
    EXPECT_EQ(store.IndexOf("b"), 2);
    EXPECT_EQ(store.IndexOf("c"), -1);
}

TEST(LineStoreReading, MovedLinesKeepTheirObjects) {
    TLineStore store;
    int object = 0;
    store.AddObject("a", &object);
    store.Add("b");
    store.Move(0, 1);
    EXPECT_EQ(store.Object(1), &object);
    EXPECT_EQ(store.Get(1), "a");
}

TEST(LineStoreReading, SlotsOfNewLines) {
    TLineStore store;
    Fill(store, {"a"});
    store.InsertLines(0, 1);
    EXPECT_EQ(store.LineState(0), 0);
    EXPECT_EQ(store.LineState(1), -1);
    int object = 0;
    store.PutObject(1, &object);
    store.SetLineState(1, 42);
    TLineStore copy;
    copy.AddStrings(store);
    EXPECT_EQ(copy.Object(1), &object);
    EXPECT_EQ(copy.LineState(1), -1);
}

// --- Capacity ------------------------------------------------------------------------------

TEST(LineStoreCapacity, GrowsBySixteenUpTo64ThenByAQuarter) {
    TLineStore store;
    std::vector<std::int32_t> seen;
    for (int i = 0; i < 156; ++i) {
        store.Add("x");
        if (seen.empty() || seen.back() != store.Capacity()) seen.push_back(store.Capacity());
    }
    EXPECT_EQ(seen, (std::vector<std::int32_t>{16, 32, 48, 64, 80, 100, 125, 156}));
}

TEST(LineStoreCapacity, BulkOperationsSizeOnce) {
    TLineStore store;
    store.AddStrings(Lines(17, "x"));
    EXPECT_EQ(store.Capacity(), 32);
    store.SetCapacity(100);
    store.InsertLines(0, 3);  // exactly count + n, even below the old capacity
    EXPECT_EQ(store.Capacity(), 20);
    store.SetText(std::string(81, '\n'));  // as 81 single Adds would leave it
    EXPECT_EQ(store.Count(), 81);
    EXPECT_EQ(store.Capacity(), 100);
    store.Clear();
    EXPECT_EQ(store.Capacity(), 0);
}

TEST(LineStoreCapacity, CannotDropBelowCount) {
    TLineStore store;
    Fill(store, {"a", "b"});
    try {
        store.SetCapacity(1);
        FAIL() << "no error";
    } catch (const EListError& error) {
        EXPECT_EQ(error.Message(), "Stringlist capacity cannot be smaller than count");
    }
    EXPECT_EQ(store.Capacity(), 16);
    EXPECT_EQ(AllLines(store), (Lines{"a", "b"}));
}

// --- Tabs and widths -----------------------------------------------------------------------

struct TabCase {
    std::int32_t tabWidth;
    std::string text;
    std::string expanded;
};

class TabExpansion : public ::testing::TestWithParam<TabCase> {};

TEST_P(TabExpansion, GivesOneBytePerColumn) {
    TLineStore store;
    store.SetTabWidth(GetParam().tabWidth);
    store.Add(GetParam().text);
    EXPECT_EQ(store.ExpandedLineLength(0), static_cast<std::int32_t>(GetParam().expanded.size()));
    EXPECT_EQ(store.ExpandedLine(0), GetParam().expanded);
}

INSTANTIATE_TEST_SUITE_P(
    Widths, TabExpansion,
    ::testing::Values(TabCase{4, "a\tb", "a\t\t\tb"}, TabCase{1, "a\tb", "a b"},
                      TabCase{0, "\t\t", "  "}, TabCase{8, "\t", std::string(8, '\t')},
                      TabCase{3, "ab\tc\t", "ab\tc\t\t"}, TabCase{4, "abcd\t", "abcd\t\t\t\t"},
                      TabCase{2, "あ\t", "あ\t\t"}, TabCase{4, "a\0\tb"s, "a\0\t\tb"s},
                      TabCase{4, "", ""}, TabCase{4, "plain", "plain"}));

TEST(LineStoreWidths, LineWithoutTabsIsItsStoredText) {
    TLineStore store;
    Fill(store, {"plain", "tab\there"});
    store.ExpandedLineLength(0);  // learns that the line has no tab
    EXPECT_EQ(store.ExpandedLine(0).data(), store.Get(0).data());
    EXPECT_NE(store.ExpandedLine(1).data(), store.Get(1).data());
}

TEST(LineStoreWidths, NewTabWidthForgetsCachedWidths) {
    TLineStore store;
    Fill(store, {"\t", "abc"});
    store.SetTabWidth(4);
    EXPECT_EQ(store.LongestLineLength(), 4);
    store.SetTabWidth(2);
    EXPECT_EQ(store.ExpandedLineLength(0), 2);
    EXPECT_EQ(store.LongestLineLength(), 3);
    EXPECT_EQ(store.LongestLineIndex(), 1);
}

TEST(LineStoreWidths, LongestLineKeepsTheEarlierOfEqualLines) {
    TLineStore store;
    Fill(store, {"ab", "abcd", "a", "dcba"});
    EXPECT_EQ(store.LongestLineLength(), 4);
    EXPECT_EQ(store.LongestLineIndex(), 1);
    store.Exchange(1, 2);
    EXPECT_EQ(store.LongestLineIndex(), 2);
    store.Delete(2);  // the longest goes: the next call rescans
    EXPECT_EQ(store.LongestLineIndex(), -1);
    EXPECT_EQ(store.LongestLineLength(), 4);
    EXPECT_EQ(store.LongestLineIndex(), 2);
    store.Put(2, "abcdefg");
    EXPECT_EQ(store.LongestLineLength(), 7);
}

// Once asked for, the longest line follows every change; only losing or shortening it, or a
// new tab width, makes the next ask scan again (-1 in between).
TEST(LineStoreWidths, LongestLineIsKeptThroughChanges) {
    struct Step {
        const char* change;
        std::function<void(TLineStore&)> apply;
        std::int32_t indexBeforeAsking;
        std::int32_t length;
        std::int32_t index;
    };
    const Lines more{"x", "abcdefghijklm"};
    const std::vector<Step> steps{
        {"insert before it", [](TLineStore& s) { s.Insert(0, "xyz"); }, 2, 4, 2},
        {"insert a longer one", [](TLineStore& s) { s.Insert(4, "abcdefgh"); }, 4, 8, 4},
        {"shorten it", [](TLineStore& s) { s.Put(4, "ab"); }, -1, 4, 2},
        {"lengthen another", [](TLineStore& s) { s.Put(1, "abcdefghij"); }, 1, 10, 1},
        {"lengthen it", [](TLineStore& s) { s.Put(1, "abcdefghijk"); }, 1, 11, 1},
        {"an equal one later", [](TLineStore& s) { s.Put(3, "abcdefghijk"); }, 1, 11, 1},
        {"delete before it", [](TLineStore& s) { s.Delete(0); }, 0, 11, 0},
        {"empty lines before it", [](TLineStore& s) { s.InsertLines(0, 2); }, 2, 11, 2},
        {"delete it", [](TLineStore& s) { s.DeleteLines(1, 2); }, -1, 11, 2},
        {"append a longer one", [&more](TLineStore& s) { s.AddStrings(more); }, 6, 13, 6},
        {"swap it", [](TLineStore& s) { s.Exchange(6, 0); }, 0, 13, 0},
        {"a tab width", [](TLineStore& s) { s.SetTabWidth(4); }, -1, 13, 0},
        {"clear", [](TLineStore& s) { s.Clear(); }, -1, 0, -1},
    };
    TLineStore store;
    Fill(store, {"ab", "abcd", "a", "dcba"});
    EXPECT_EQ(store.LongestLineLength(), 4);
    for (const Step& step : steps) {
        step.apply(store);
        EXPECT_EQ(store.LongestLineIndex(), step.indexBeforeAsking) << step.change;
        EXPECT_EQ(store.LongestLineLength(), step.length) << step.change;
        EXPECT_EQ(store.LongestLineIndex(), step.index) << step.change;
    }
}

TEST(LineStoreWidths, EmptyLinesHaveNoLongestLine) {
    TLineStore store;
    EXPECT_EQ(store.LongestLineLength(), 0);
    Fill(store, {"", ""});
    EXPECT_EQ(store.LongestLineLength(), 0);
    EXPECT_EQ(store.LongestLineIndex(), -1);
}

// --- Streams and files ---------------------------------------------------------------------

struct LoadCase {
    std::string bytes;
    bool breakAfterLastLine;
    Lines lines;
    TLineBreakStyle style;
    bool savesTheSameBytes = true;  // false where two kinds of break were mixed
};

class LoadFromStream : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadFromStream, SplitsAndLearnsTheBreakStyle) {
    TLineStore store;
    store.SetLineBreakStyle(TLineBreakStyle::Cr);
    store.SetBreakAfterLastLine(GetParam().breakAfterLastLine);
    std::istringstream stream(GetParam().bytes);
    stream.get();  // loading starts from position 0 wherever the stream stands
    store.LoadFromStream(stream);
    EXPECT_EQ(AllLines(store), GetParam().lines);
    EXPECT_EQ(store.LineBreakStyle(), GetParam().style);

    std::ostringstream saved;
    store.SaveToStream(saved);
    if (GetParam().savesTheSameBytes) {
        EXPECT_EQ(saved.str(), GetParam().bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, LoadFromStream,
    ::testing::Values(LoadCase{"a\r\nb", false, {"a", "b"}, TLineBreakStyle::CrLf},
                      LoadCase{"a\nb\n", false, {"a", "b", ""}, TLineBreakStyle::Lf},
                      LoadCase{"a\nb\n", true, {"a", "b"}, TLineBreakStyle::Lf},
                      LoadCase{"a\rb", false, {"a", "b"}, TLineBreakStyle::Cr},
                      LoadCase{"ab", false, {"ab"}, TLineBreakStyle::CrLf},
                      LoadCase{"", false, {}, TLineBreakStyle::CrLf},
                      LoadCase{"a\0b\n"s, false, {"a\0b"s, ""}, TLineBreakStyle::Lf},
                      LoadCase{"a\r\nb\n", false, {"a", "b", ""}, TLineBreakStyle::CrLf, false}));

TEST(LineStoreFiles, SaveWritesTheSameBytesAsTheStreamForm) {
    testing_support::TempDir dir;
    TLineStore store;
    // Pieces around and above the file buffer's 16384 bytes.
    Fill(store, {std::string(16383, 'a'), "b", std::string(40000, 'c'), "", "日本語"});
    for (const auto style : {TLineBreakStyle::CrLf, TLineBreakStyle::Lf, TLineBreakStyle::Cr}) {
        for (const bool breakAfterLast : {false, true}) {
            store.SetLineBreakStyle(style);
            store.SetBreakAfterLastLine(breakAfterLast);
            store.SaveToFile(dir.File("out.txt"));
            std::ostringstream expected;
            store.SaveToStream(expected);
            EXPECT_EQ(dir.Read("out.txt"), expected.str());

            TLineStore loaded;
            loaded.SetBreakAfterLastLine(breakAfterLast);
            loaded.LoadFromFile(dir.File("out.txt"));
            EXPECT_EQ(AllLines(loaded), AllLines(store));
            EXPECT_EQ(loaded.LineBreakStyle(), style);
        }
    }
}

TEST(LineStoreFiles, NoLinesWriteNothing) {
    testing_support::TempDir dir;
    TLineStore store;
    store.SetBreakAfterLastLine(true);
    store.SaveToFile(dir.Write("out.txt", "old"));
    EXPECT_EQ(dir.Read("out.txt"), "");
}

TEST(LineStoreFiles, FailuresToOpenReachTheCaller) {
    testing_support::TempDir dir;
    TLineStore store;
    Fill(store, {"keep"});
    EXPECT_THROW(store.LoadFromFile(dir.File("missing.txt")), EFOpenError);
    EXPECT_THROW(store.SaveToFile(dir.File("no/such/folder.txt")), EFCreateError);
    EXPECT_EQ(AllLines(store), Lines{"keep"});
}

}  // namespace
}  // namespace mirevo
