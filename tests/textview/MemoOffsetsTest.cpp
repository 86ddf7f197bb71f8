#include <gtest/gtest.h>

#include <limits>

#include "textview/MemoOffsets.h"

namespace mirevo {
namespace {

struct OffsetCase {
    const char* text;
    TBufferCoord position;
    std::int32_t offset;
};

class MemoOffsetsTest : public ::testing::TestWithParam<OffsetCase> {};

// Positions inside the text convert both ways.
TEST_P(MemoOffsetsTest, RoundTrips) {
    const OffsetCase& c = GetParam();
    TLineStore lines;
    lines.SetText(c.text);
    EXPECT_EQ(PositionToOffset(lines, c.position), c.offset);
    EXPECT_EQ(OffsetToPosition(lines, c.offset), c.position);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MemoOffsetsTest,
    ::testing::Values(OffsetCase{"ab\ncd", {1, 1}, 0}, OffsetCase{"ab\ncd", {3, 1}, 2},
                      OffsetCase{"ab\ncd", {2, 2}, 5}, OffsetCase{"ab\ncd", {3, 2}, 6},
                      OffsetCase{"\n\nx", {1, 3}, 4}, OffsetCase{"日本\r\n語", {2, 2}, 7}));

TEST(MemoOffsets, BreakStyleOfTheStoreDoesNotMatter) {
    TLineStore lf, crlf;
    lf.SetText("ab\ncd");
    crlf.SetText("ab\r\ncd");
    EXPECT_EQ(PositionToOffset(lf, {2, 2}), PositionToOffset(crlf, {2, 2}));
}

TEST(MemoOffsets, OffsetsOnTheBreakPointPastTheLineEnd) {
    TLineStore lines;
    lines.SetText("ab\ncd");
    EXPECT_EQ(OffsetToPosition(lines, 3), (TBufferCoord{4, 1}));  // on the LF
    EXPECT_EQ(OffsetToPosition(lines, 4), (TBufferCoord{1, 2}));
}

TEST(MemoOffsets, OutsideOffsetsNeverFail) {
    TLineStore lines;
    EXPECT_EQ(OffsetToPosition(lines, 0), (TBufferCoord{1, 1}));
    EXPECT_EQ(OffsetToPosition(lines, 99), (TBufferCoord{1, 1}));
    lines.SetText("ab\ncd");
    EXPECT_EQ(OffsetToPosition(lines, 8), (TBufferCoord{3, 2}));  // past the text: its end
    EXPECT_EQ(OffsetToPosition(lines, 7), (TBufferCoord{4, 2}));
    // -1 maps into the first line, not to the end of the text.
    EXPECT_EQ(OffsetToPosition(lines, -1), (TBufferCoord{0, 1}));
    EXPECT_EQ(OffsetToPosition(lines, std::numeric_limits<std::int32_t>::min()).LineIndex, 1);
}

TEST(MemoOffsets, LinesBeyondTheTextAddNothing) {
    TLineStore lines;
    lines.SetText("ab\ncd");
    EXPECT_EQ(PositionToOffset(lines, {1, 9}), 4);
    EXPECT_EQ(PositionToOffset(lines, {1, -5}), 0);
    EXPECT_EQ(PositionToOffset(TLineStore{}, {1, 1}), 0);
}

TEST(MemoOffsets, PositionsSaturateInsteadOfWrapping) {
    TLineStore lines;
    lines.SetText("ab\ncd");
    const auto max = std::numeric_limits<std::int32_t>::max();
    const auto min = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(PositionToOffset(lines, {max, 2}), max);
    EXPECT_EQ(PositionToOffset(lines, {min, 1}), min);
}

TEST(MemoOffsets, MakeLongKeepsSixteenBitsOfEach) {
    EXPECT_EQ(MakeLong(5, 5), 0x00050005);
    EXPECT_EQ(MakeLong(0x12345, 0x1FFFF), static_cast<std::int32_t>(0xFFFF2345u));
    EXPECT_EQ(MakeLong(-1, 0), 0x0000FFFF);
}

}  // namespace
}  // namespace mirevo
