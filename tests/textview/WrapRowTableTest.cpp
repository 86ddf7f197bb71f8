// The prefix sums against sums counted by hand, and the row table against a plain list of
// each line's rows, through random inserts, erases and replaces large enough to cut, join
// and widen its chunks.
#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "textview/PrefixSums.h"
#include "textview/WrapRowTable.h"

namespace mirevo {
namespace {

TEST(PrefixSums, SumsAndSearchesMatchCountingByHand) {
    std::mt19937 rng(3);
    const auto pick = [&rng](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(rng);
    };
    for (const int size : {0, 1, 2, 3, 7, 8, 9, 64, 100, 257}) {
        std::vector<std::int32_t> counts(static_cast<std::size_t>(size));
        for (auto& count : counts) count = pick(0, 3) == 0 ? 0 : pick(1, 9);
        TPrefixSums sums;
        // Built both ways: at once, and one element at a time.
        sums.Assign(std::vector<std::int32_t>(counts.begin(), counts.begin() + size / 2));
        for (std::size_t i = static_cast<std::size_t>(size / 2); i < counts.size(); ++i) {
            sums.Append(counts[i]);
        }
        for (int change = 0; change <= 20; ++change) {
            ASSERT_EQ(sums.Size(), counts.size());
            const std::int32_t total = std::accumulate(counts.begin(), counts.end(), 0);
            ASSERT_EQ(sums.Total(), total);
            std::int32_t before = 0;
            for (std::size_t i = 0; i <= counts.size(); ++i) {
                ASSERT_EQ(sums.Before(i), before) << size << " " << i;
                for (std::int32_t p = before; i < counts.size() && p < before + counts[i]; ++p) {
                    ASSERT_EQ(sums.Find(p), i) << "size " << size << " position " << p;
                }
                if (i < counts.size()) before += counts[i];
            }
            EXPECT_EQ(sums.Find(total), counts.size());
            EXPECT_EQ(sums.Find(-1), 0u);
            if (size == 0) break;
            const auto at = static_cast<std::size_t>(pick(0, size - 1));
            const std::int32_t delta = pick(-counts[at], 5);
            counts[at] += delta;
            sums.Add(at, delta);
        }
    }
}

using Line = std::vector<std::uint8_t>;

class RowTableRun {
public:
    explicit RowTableRun(unsigned seed) : rng_(seed) {}

    std::int32_t Pick(std::int32_t from, std::int32_t to) {
        return std::uniform_int_distribution<std::int32_t>(from, to)(rng_);
    }
    // Mostly a row or two; now and then one of enough rows to widen its chunk.
    Line RandomLine() {
        const std::int32_t rows = Pick(0, 600) == 0 ? Pick(60000, 70000) : Pick(1, 3);
        Line line(static_cast<std::size_t>(rows));
        for (auto& row : line) row = static_cast<std::uint8_t>(Pick(0, 255));
        return line;
    }
    TLaidOutLines RandomLines(std::int32_t count, std::vector<Line>& made) {
        TLaidOutLines lines;
        for (std::int32_t i = 0; i < count; ++i) {
            made.push_back(RandomLine());
            lines.rows.insert(lines.rows.end(), made.back().begin(), made.back().end());
            lines.rowsPerLine.push_back(static_cast<std::int32_t>(made.back().size()));
        }
        return lines;
    }
    std::int32_t RowsIn(std::size_t first, std::size_t last) const {
        std::int32_t rows = 0;
        for (std::size_t i = first; i < last; ++i)
            rows += static_cast<std::int32_t>(model_[i].size());
        return rows;
    }

    std::string Step() {
        const auto n = static_cast<std::int32_t>(model_.size());
        const std::int32_t many = Pick(0, 9) == 0 ? Pick(100, 1500) : Pick(1, 4);
        switch (Pick(0, n > 3000 ? 3 : 5)) {
            case 0: {
                const std::int32_t at = Pick(0, n);
                const std::int32_t count = std::min(many, n - at);
                const std::int32_t expected =
                    RowsIn(static_cast<std::size_t>(at), static_cast<std::size_t>(at + count));
                EXPECT_EQ(table_.Erase(at, count), expected);
                model_.erase(model_.begin() + at, model_.begin() + at + count);
                return "Erase";
            }
            case 1: {
                if (n == 0) return "nothing";
                const std::int32_t at = Pick(0, n - 1);
                const std::int32_t count = std::min(Pick(1, 3), n - at);
                std::vector<Line> made;
                const TLaidOutLines lines = RandomLines(count, made);
                const std::int32_t delta =
                    static_cast<std::int32_t>(lines.rows.size()) -
                    RowsIn(static_cast<std::size_t>(at), static_cast<std::size_t>(at + count));
                EXPECT_EQ(table_.Replace(at, count, lines), delta);
                std::copy(made.begin(), made.end(), model_.begin() + at);
                return "Replace";
            }
            case 2: {
                std::vector<Line> made;
                const Line line = RandomLine();
                table_.Append(line);
                model_.push_back(line);
                return "Append";
            }
            default: {
                const std::int32_t at = Pick(0, 3) == 0 ? n : Pick(0, n);
                std::vector<Line> made;
                const TLaidOutLines lines = RandomLines(many, made);
                EXPECT_EQ(table_.Insert(at, lines), static_cast<std::int32_t>(lines.rows.size()));
                model_.insert(model_.begin() + at, made.begin(), made.end());
                return "Insert";
            }
        }
    }

    // Every line's first row and rows, and the line and length of rows around each line start.
    void Check(const std::string& what) {
        ASSERT_EQ(table_.LineCount(), static_cast<std::int32_t>(model_.size())) << what;
        std::int32_t row = 0;
        for (std::size_t i = 0; i < model_.size(); ++i) {
            const auto line = static_cast<std::int32_t>(i);
            ASSERT_EQ(table_.FirstRow(line), row) << what << " line " << line;
            const auto rows = table_.RowsOf(line);
            ASSERT_EQ(Line(rows.begin(), rows.end()), model_[i]) << what << " line " << line;
            const auto size = static_cast<std::int32_t>(model_[i].size());
            for (const std::int32_t r : {row, row + size / 2, row + size - 1}) {
                ASSERT_EQ(table_.LineOfRow(r), line) << what << " row " << r;
                ASSERT_EQ(table_.RowLength(r), model_[i][static_cast<std::size_t>(r - row)]);
            }
            row += size;
        }
        ASSERT_EQ(table_.RowCount(), row) << what;
        ASSERT_EQ(table_.FirstRow(table_.LineCount()), row) << what;
    }

private:
    std::mt19937 rng_;
    TWrapRowTable table_;
    std::vector<Line> model_;
};

TEST(WrapRowTable, RandomChangesMatchAPlainList) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        RowTableRun run(seed);
        for (int step = 0; step < 150; ++step) {
            const std::string what = run.Step();
            run.Check("seed " + std::to_string(seed) + " step " + std::to_string(step) + " " +
                      what);
            if (::testing::Test::HasFailure()) return;
        }
    }
}

TEST(WrapRowTable, ClearAndEraseOfEverythingLeaveAnEmptyTable) {
    TWrapRowTable table;
    const TLaidOutLines lines{std::vector<std::uint8_t>(2000, 9),
                              std::vector<std::int32_t>(1000, 2)};
    EXPECT_EQ(table.Insert(0, lines), 2000);
    EXPECT_EQ(table.Erase(0, 1000), 2000);
    EXPECT_EQ(table.LineCount(), 0);
    EXPECT_EQ(table.RowCount(), 0);
    table.Append(std::vector<std::uint8_t>{5});
    EXPECT_EQ(table.RowLength(0), 5);
    table.Clear();
    EXPECT_EQ(table.LineCount(), 0);
    EXPECT_EQ(table.Insert(0, lines), 2000);
    EXPECT_EQ(table.LineOfRow(1999), 999);
}

}  // namespace
}  // namespace mirevo
