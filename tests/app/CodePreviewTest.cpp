// The copy confirmation's view of a code: long lines cut to whole characters with "…".
#include "app/CodePreview.h"

#include <gtest/gtest.h>

namespace mirevo {
namespace {

TEST(CodePreview, CutsEachLongLineToWholeCharactersAndKeepsTheBreaks) {
    const std::string a80(80, 'a');
    const std::string kanji40 = [] {
        std::string s;
        for (int i = 0; i < 40; ++i) s += "\x8A\xBF";  // 漢
        return s;
    }();
    const struct {
        std::string code;
        std::size_t limit;
        std::string expected;
    } cases[] = {
        {"", 80, ""},
        {a80, 80, a80},
        {a80 + "b", 80, a80 + "…"},
        {"a" + kanji40, 80, "a" + kanji40.substr(0, 78) + "…"},  // never half a character
        {kanji40 + "x", 80, kanji40 + "…"},
        {"abcdef\r\nxy\r\nabcdefgh", 4, "abcd…\r\nxy\r\nabcd…"},
        {"ab\r\n\r\n", 4, "ab\r\n\r\n"},
        {"abcde\rfgh", 4, "abcd…"},  // a lone CR is no line break
    };
    for (const auto& c : cases) EXPECT_EQ(CodePreview(c.code, c.limit), c.expected) << c.code;
}

}  // namespace
}  // namespace mirevo
