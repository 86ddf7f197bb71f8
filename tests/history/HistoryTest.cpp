#include "history/History.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Exception.h"
#include "common/FileErrors.h"
#include "history/HistoryLine.h"
#include "tests/fakes/FakeHistoryFile.h"

namespace mirevo {
namespace {

using testing_support::FakeHistoryFile;

// A record told apart by its number, which it carries in every text field.
THistoryRecord Numbered(int number) {
    const auto text = std::to_string(number);
    return {"2024-05-06 07:08:09",
            number % kHistoryKindCount,
            "https://example.com/" + text,
            "text" + text,
            "img" + text,
            "id" + text,
            "<a>" + text + "</a>\r\n"};
}

std::string Line(int number) { return HistoryLine(Numbered(number)) + "\r\n"; }

std::string Lines(int first, int last) {
    std::string lines;
    for (int n = first; n <= last; ++n) lines += Line(n);
    return lines;
}

// The numbers of the held records, newest first.
std::vector<int> Numbers(const THistory& history) {
    std::vector<int> numbers;
    for (std::size_t i = 0; i < history.Count(); ++i) {
        numbers.push_back(std::stoi(history.At(i).linkText.substr(4)));
    }
    return numbers;
}

struct LoadCase {
    const char* name;
    std::string bytes;
    std::vector<int> newestFirst;
    std::size_t skipped;
};

class HistoryLoadTest : public testing::TestWithParam<LoadCase> {};

TEST_P(HistoryLoadTest, KeepsTheRecordsAndCountsWhatItSkips) {
    FakeHistoryFile file;
    file.bytes = GetParam().bytes;
    const THistory history(file);
    EXPECT_EQ(Numbers(history), GetParam().newestFirst);
    EXPECT_EQ(history.SkippedLines(), GetParam().skipped);
}

const std::string kCut = Line(3).substr(0, 40);

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryLoadTest,
    testing::Values(
        LoadCase{"NoFile", "", {}, 0}, LoadCase{"Records", Lines(1, 3), {3, 2, 1}, 0},
        LoadCase{
            "LfOnly", HistoryLine(Numbered(1)) + "\n" + HistoryLine(Numbered(2)) + "\n", {2, 1}, 0},
        LoadCase{"BlankLinesPassed", "\r\n\n" + Line(1) + "\r\n\r\n" + Line(2), {2, 1}, 0},
        LoadCase{"PartialLastLine", Lines(1, 2) + kCut, {2, 1}, 1},
        LoadCase{"PartialLineInside", Lines(1, 2) + kCut + "\r\n" + Line(4), {4, 2, 1}, 1},
        LoadCase{"WholeLastLineWithoutBreak", Lines(1, 2) + HistoryLine(Numbered(3)), {3, 2, 1}, 0},
        LoadCase{
            "LastLineWithoutItsLf", Lines(1, 2) + HistoryLine(Numbered(3)) + "\r", {3, 2, 1}, 0},
        LoadCase{"Foreign", "name,url\r\n" + Line(1) + "MirevoHistory9\tx\r\n\x81\r\n", {1}, 3},
        LoadCase{"DamagedByte", Line(1) + "x" + Line(2).substr(1) + Line(3), {3, 1}, 1},
        LoadCase{"TwoLinesRunTogether", Line(1) + HistoryLine(Numbered(2)) + Line(3), {1}, 1},
        LoadCase{"BinaryNoise", std::string("\0\xFF\x81\n\t\t\t\n", 8) + Line(5), {5}, 2},
        LoadCase{"CrBreaksOnly",
                 HistoryLine(Numbered(1)) + "\r" + HistoryLine(Numbered(2)) + "\r",
                 {},
                 1}),
    [](const auto& info) { return info.param.name; });

TEST(History, AppendsOneWholeLinePerRecord) {
    FakeHistoryFile file;
    file.bytes = Lines(1, 2);
    THistory history(file);
    history.Add(Numbered(3));
    history.Add(Numbered(4));
    EXPECT_EQ(file.calls,
              (std::vector<std::string>{"Read", "Append " + Line(3), "Append " + Line(4)}));
    EXPECT_EQ(Numbers(history), (std::vector<int>{4, 3, 2, 1}));
    EXPECT_EQ(history.At(0), Numbered(4));
    EXPECT_EQ(Numbers(THistory(file)), Numbers(history));
}

TEST(History, AfterALastLineWithoutBreakTheNextRecordStartsOnAFreshLine) {
    struct {
        std::string tail, breakAdded;
        std::vector<int> newestFirst;
        std::size_t skipped;
    } const cases[] = {
        {kCut, "\r\n", {5, 4, 2, 1}, 1},
        {kCut + "\r", "\n", {5, 4, 2, 1}, 1},
        {HistoryLine(Numbered(3)), "\r\n", {5, 4, 3, 2, 1}, 0},
        {HistoryLine(Numbered(3)) + "\r", "\n", {5, 4, 3, 2, 1}, 0},
    };
    for (const auto& c : cases) {
        FakeHistoryFile file;
        file.bytes = Lines(1, 2) + c.tail;
        THistory history(file);
        history.Add(Numbered(4));
        history.Add(Numbered(5));
        EXPECT_EQ(file.bytes, Lines(1, 2) + c.tail + c.breakAdded + Line(4) + Line(5));
        const THistory reloaded(file);
        EXPECT_EQ(Numbers(reloaded), c.newestFirst);
        EXPECT_EQ(Numbers(history), c.newestFirst);
        EXPECT_EQ(reloaded.SkippedLines(), c.skipped);
    }
}

TEST(History, KeepsTheNewestUpToItsCapacityByReplacingTheFile) {
    FakeHistoryFile file;
    file.bytes = Lines(1, 2);
    THistory history(file, 3);
    history.Add(Numbered(3));
    EXPECT_EQ(file.bytes, Lines(1, 3));
    file.calls.clear();
    history.Add(Numbered(4));
    EXPECT_EQ(file.calls, (std::vector<std::string>{"Read", "Replace " + Lines(2, 4)}));
    history.Add(Numbered(5));
    EXPECT_EQ(file.bytes, Lines(3, 5));
    EXPECT_EQ(Numbers(history), (std::vector<int>{5, 4, 3}));
}

TEST(History, AFileHoldingMoreShowsTheNewestAndIsTrimmedAtTheNextRecord) {
    FakeHistoryFile file;
    file.bytes = Lines(1, 5) + "damaged\r\n";
    THistory history(file, 3);
    EXPECT_EQ(Numbers(history), (std::vector<int>{5, 4, 3}));
    history.Add(Numbered(6));
    EXPECT_EQ(file.bytes, Lines(4, 6));
    EXPECT_EQ(history.SkippedLines(), 0u);
}

TEST(History, TheProgramsCapacityIsTenThousand) {
    EXPECT_EQ(THistory::kCapacity, 10000u);
    FakeHistoryFile file;
    file.bytes = Lines(1, 10000);
    THistory history(file);
    history.Add(Numbered(10001));
    EXPECT_EQ(history.Count(), 10000u);
    EXPECT_EQ(history.At(9999), Numbered(2));
    EXPECT_TRUE(file.bytes.starts_with(Line(2)));
}

TEST(History, RewritesKeepWhatAnotherCopyAppended) {
    FakeHistoryFile file;
    file.bytes = Lines(1, 3);
    THistory history(file, 4);
    file.bytes += Line(7);  // another copy of the program
    history.Delete(std::vector<std::size_t>{0});
    EXPECT_EQ(file.bytes, Lines(1, 2) + Line(7));
    EXPECT_EQ(Numbers(history), (std::vector<int>{7, 2, 1}));
    file.bytes += Line(8);
    history.Add(Numbered(9));
    EXPECT_EQ(file.bytes, Lines(1, 2) + Line(7) + Line(8) + Line(9)) << "appends at the end";
}

TEST(History, DeletesByIndexAndByIdentity) {
    FakeHistoryFile file;
    file.bytes = Lines(1, 6) + Line(3) + "damaged\r\n";
    THistory history(file);
    // Newest first: 3, 6, 5, 4, 3, 2, 1. Repeats and order do not matter.
    history.Delete(std::vector<std::size_t>{5, 1, 5, 3});
    EXPECT_EQ(Numbers(history), (std::vector<int>{3, 5, 3, 1}));
    EXPECT_EQ(file.bytes, Line(1) + Line(3) + Line(5) + Line(3));
    EXPECT_TRUE(history.Delete(Numbered(3)));
    EXPECT_EQ(file.bytes, Line(1) + Line(3) + Line(5)) << "the newest of equal records goes";
    file.calls.clear();
    EXPECT_FALSE(history.Delete(Numbered(9)));
    EXPECT_EQ(file.calls, (std::vector<std::string>{"Read"})) << "nothing to write";
    history.Delete(std::vector<std::size_t>{});
    EXPECT_EQ(file.bytes, Line(1) + Line(3) + Line(5));
    EXPECT_THROW(history.Delete(std::vector<std::size_t>{3}), EAssertionFailed);
    EXPECT_THROW(history.At(3), EAssertionFailed);
}

TEST(History, AFailedWriteChangesNothing) {
    FakeHistoryFile file;
    file.bytes = Lines(1, 2) + kCut;
    THistory history(file, 3);
    file.failWrites = true;
    EXPECT_THROW(history.Add(Numbered(3)), EFCreateError);
    EXPECT_THROW(history.Delete(Numbered(1)), EFCreateError);
    EXPECT_EQ(Numbers(history), (std::vector<int>{2, 1}));
    file.failWrites = false;
    history.Add(Numbered(3));
    EXPECT_EQ(file.bytes, Lines(1, 2) + kCut + "\r\n" + Line(3)) << "still starts a fresh line";
    file.failReads = true;
    EXPECT_THROW(history.Add(Numbered(4)), EFOpenError);
    EXPECT_EQ(Numbers(history), (std::vector<int>{3, 2, 1}));
}

TEST(History, RefusesRecordsItCouldNotReadBack) {
    FakeHistoryFile file;
    THistory history(file);
    auto record = Numbered(1);
    record.kind = -1;
    EXPECT_THROW(history.Add(record), EAssertionFailed);
    EXPECT_TRUE(file.bytes.empty());
    EXPECT_THROW(THistory(file, 0), EAssertionFailed);
}

TEST(History, FindsNewestFirst) {
    FakeHistoryFile file;
    file.bytes = Lines(1, 12);
    const THistory history(file);
    EXPECT_EQ(history.Find("ID1"), (std::vector<std::size_t>{0, 1, 2, 11}));  // 12, 11, 10, 1
    EXPECT_EQ(history.Find("").size(), 12u);
    EXPECT_TRUE(history.Find("</a>").empty()) << "the code is not searched";
}

}  // namespace
}  // namespace mirevo
