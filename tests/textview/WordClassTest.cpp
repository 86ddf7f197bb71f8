#include <gtest/gtest.h>

#include <string>

#include "platform/portable/CharTypes.h"
#include "tests/fakes/FakeCharTypes.h"
#include "textview/SelectionErrors.h"
#include "textview/WordClass.h"

namespace mirevo {
namespace {

struct WordCase {
    const char* line;
    std::int32_t index;
    const char* word;
};

class WordAtTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(WordAtTest, SelectsTheRunOfOneKind) {
    const WordCase& c = GetParam();
    PortableCharTypes types;
    const std::string line = c.line;
    const auto bounds = WordBoundsAt(line, c.index, types);
    ASSERT_TRUE(bounds.has_value());
    EXPECT_EQ(line.substr(bounds->Start - 1, bounds->End - bounds->Start), c.word);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, WordAtTest,
    ::testing::Values(WordCase{"https://example.com/a_b?x=1", 1, "https"},
                      WordCase{"https://example.com/a_b?x=1", 12, "example"},
                      WordCase{"https://example.com/a_b?x=1", 18, "com"},
                      WordCase{"https://example.com/a_b?x=1", 22, "a_b"},
                      WordCase{"https://example.com/a_b?x=1", 27, "1"},
                      WordCase{"abc def", 4, "abc"},  // a blank joins the word before it
                      WordCase{"abc", 4, "abc"},
                      WordCase{"これはひらがな漢字カタカナ", 3, "これはひらがな"},
                      WordCase{"これはひらがな漢字カタカナ", 16, "漢字"},
                      WordCase{"これはひらがな漢字カタカナ", 19, "カタカナ"},
                      WordCase{"これはひらがな漢字カタカナ", 20, "カタカナ"},  // second byte
                      WordCase{"「リンク」", 3, "リンク"}, WordCase{"ﾃｽﾄ ok", 2, "ﾃｽﾄ"}));

TEST(WordAt, PastTheLineSelectsNothing) {
    PortableCharTypes types;
    EXPECT_FALSE(WordBoundsAt("abc", 5, types).has_value());
    EXPECT_TRUE(WordBoundsAt("abc", 4, types).has_value());
}

TEST(WordAt, DoubleClickSelectsTheWordWithTheCaretAtItsEnd) {
    TLineStore lines;
    lines.SetText("x\nsee example.com");
    TSelection selection(lines);
    PortableCharTypes types;
    const TWordSelection word = SelectWordAt(selection, lines, {7, 2}, types);
    EXPECT_EQ(selection.SelectedText(), "example");
    EXPECT_EQ(word.Caret, (TBufferCoord{12, 2}));
    EXPECT_TRUE(word.Change.Changed);
    // Past the line (a column selection does not clamp there): nothing new is selected.
    selection.SetSelectionMode(TSelectionMode::smColumn);
    selection.SetAnchor({1, 1});
    EXPECT_EQ(SelectWordAt(selection, lines, {30, 2}, types).Caret, (TBufferCoord{16, 2}));
    EXPECT_FALSE(selection.HasSelection());
}

TEST(WordAt, FailingPlatformRaisesTheViewError) {
    testing_support::FakeCharTypes types;
    try {
        WordBoundsAt("ab", 1, types);
        FAIL() << "no exception";
    } catch (const ETextViewError& e) {
        EXPECT_EQ(e.Message(), "GetStringTypeEx failed");
    }
    ASSERT_EQ(types.asked.size(), 1u);
    EXPECT_EQ(types.asked[0], std::string("ab\0", 3));  // with its zero byte
    types.answer = std::vector<std::uint16_t>{0x8040};  // one word short
    EXPECT_THROW(WordBoundsAt("ab", 1, types), ETextViewError);
}

TEST(WordClass, WordCharactersAreLatinLettersDigitsAndUnderscore) {
    std::string word;
    for (int byte = 1; byte < 0x100; ++byte)
        if (IsWordChar(static_cast<unsigned char>(byte))) word += static_cast<char>(byte);
    EXPECT_EQ(word.size(), 10u + 26u + 1u + 26u + 62u);
    EXPECT_FALSE(IsWordChar(0xD7));
    EXPECT_FALSE(IsWordChar(0xF7));
    EXPECT_FALSE(IsWordChar('-'));
}

struct MoveCase {
    const char* text;
    TBufferCoord from;
    TBufferCoord next;
    TBufferCoord previous;
};

TEST(WordMoves, NextAndPreviousWordStarts) {
    const MoveCase cases[] = {
        {"abc def", {1, 1}, {5, 1}, {1, 1}},
        {"abc def", {6, 1}, {8, 1}, {5, 1}},
        {"abc def", {5, 1}, {8, 1}, {1, 1}},
        {"abc def", {7, 1}, {8, 1}, {5, 1}},  // from the last byte to the line's end
        {"abc def", {8, 1}, {8, 1}, {5, 1}},  // the last line ends the moves
        {"ab.cd", {1, 1}, {4, 1}, {1, 1}},
        {"ab.cd", {4, 1}, {6, 1}, {1, 1}},
        {"ab\n  cd", {3, 1}, {3, 2}, {1, 1}},
        {"ab\n  cd", {1, 2}, {3, 2}, {3, 1}},
        {"ab\n..", {3, 1}, {1, 2}, {1, 1}},
        {"漢字abc", {1, 1}, {3, 1}, {1, 1}},
        {"漢字abc", {3, 1}, {5, 1}, {1, 1}},
        {"漢字abc", {2, 1}, {3, 1}, {1, 1}},  // from a second byte
        {"ab 漢字", {8, 1}, {8, 1}, {6, 1}},
        {"abc", {9, 1}, {9, 1}, {1, 1}},
        {"\nab", {0, 1}, {1, 2}, {0, 1}},  // an index below 1 on an empty line
    };
    for (const MoveCase& c : cases) {
        TLineStore lines;
        lines.SetText(c.text);
        EXPECT_EQ(NextWordStart(lines, c.from), c.next)
            << c.text << " from " << c.from.CharIndex << "," << c.from.LineIndex;
        EXPECT_EQ(PreviousWordStart(lines, c.from), c.previous)
            << c.text << " from " << c.from.CharIndex << "," << c.from.LineIndex;
    }
}

}  // namespace
}  // namespace mirevo
