// The result view's rows as the view lays them out with its own identifier characters: a
// row breaks only after a blank (or a control character), so addresses and Japanese text
// fill their rows.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/textview/TextViewFixture.h"

namespace mirevo::testing_support {
namespace {

std::string Repeat(const std::string& piece, std::size_t bytes) {
    std::string text;
    while (text.size() < bytes) text += piece;
    text.resize(bytes);
    return text;
}

// The bytes each display row of the one line shows.
std::vector<std::int32_t> RowLengths(const TCustomTextView& view) {
    std::vector<std::int32_t> lengths;
    const auto length = static_cast<std::int32_t>(view.Lines().Get(0).size());
    for (std::int32_t row = 1; row <= view.RowCount(); ++row) {
        const std::int32_t start = view.DisplayToBuffer({1, row}).CharIndex;
        const std::int32_t end =
            row < view.RowCount() ? view.DisplayToBuffer({1, row + 1}).CharIndex : length + 1;
        lengths.push_back(end - start);
    }
    return lengths;
}

// The fixture's view holds 63 cells a row with the result view's settings.
constexpr std::int32_t kRow = 63;

struct WrapCase {
    const char* name;
    std::string text;
    std::vector<std::int32_t> rows;
};

void PrintTo(const WrapCase& c, std::ostream* out) { *out << c.name; }

class ResultViewRows : public TextViewFixture, public ::testing::WithParamInterface<WrapCase> {};

TEST_P(ResultViewRows, BreakOnlyAtBlanks) {
    UseResultViewSettings();
    ASSERT_EQ(view_->VisibleColumns(), kRow);
    view_->SetText(GetParam().text);
    EXPECT_EQ(RowLengths(*view_), GetParam().rows);
}

const WrapCase kWrapCases[] = {
    {"AddressFillsEveryRow",
     Repeat("http://example.com/a%2Fb%3Fc=d&e=f/", 2 * kRow + 5),
     {kRow, kRow, 5}},
    {"PunctuationNearTheEndIsNoBreak",
     std::string(kRow - 5, 'a') + "%/." + std::string(8, 'b'),
     {kRow, 6}},
    {"BlankStillBreaks", std::string(kRow - 4, 'a') + " " + std::string(10, 'b'), {kRow - 3, 10}},
    {"ControlCharacterStillBreaks",
     std::string(kRow - 4, 'a') + "\x01" + std::string(10, 'b'),
     {kRow - 3, 10}},
    // Full-width punctuation: its lead byte 0x81 is no break either; the second row ends a
    // byte early rather than split a character.
    {"JapaneseFillsTheRow", "a" + Repeat("、", 2 * kRow), {kRow, kRow - 1, 2}},
};

INSTANTIATE_TEST_SUITE_P(Layout, ResultViewRows, ::testing::ValuesIn(kWrapCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mirevo::testing_support
