#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "textview/KeyStrokeTranslator.h"

namespace mirevo {
namespace {

using enum TShiftFlag;

constexpr TEditorCommand kKB = 1002;  // Ctrl+K, Ctrl+B
constexpr TEditorCommand kQX = 1003;  // Q, X (no modifiers)

struct Press {
    TKeyCode key;
    TShiftState shift;
    TEditorCommand command;  // expected
    TKeyCode remembered;     // expected afterwards
};

struct TranslationCase {
    const char* what;
    std::vector<Press> presses;
};

void PrintTo(const TranslationCase& c, std::ostream* os) { *os << c.what; }

class KeyStrokeTranslation : public ::testing::TestWithParam<TranslationCase> {};

TEST_P(KeyStrokeTranslation, GivesCommandsAndRemembersFirstStrokes) {
    TKeyStrokes table;
    table.InstallDefaults();
    TKeyStroke& kb = table.AppendItem();
    kb.SetCommand(kKB);
    kb.SetShortCut(0x404B);
    kb.SetShortCut2(0x4042);
    TKeyStroke& qx = table.AppendItem();
    qx.SetCommand(kQX);
    qx.SetShortCut('Q');
    qx.SetShortCut2('X');

    TKeyStrokeTranslator translator;
    int n = 0;
    for (const Press& press : GetParam().presses) {
        EXPECT_EQ(translator.Translate(table, press.key, press.shift), press.command)
            << "press " << n;
        EXPECT_EQ(translator.RememberedKey(), press.remembered) << "press " << n;
        ++n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyStrokeTranslation,
    ::testing::Values(
        TranslationCase{"Ctrl+C", {{'C', {ssCtrl}, ecCopy, 0}}},
        TranslationCase{"Ctrl+Insert", {{kKeyInsert, {ssCtrl}, ecCopy, 0}}},
        TranslationCase{"Enter", {{kKeyReturn, {}, ecLineBreak, 0}}},
        TranslationCase{"unbound letter is remembered", {{'A', {ssShift}, ecNone, 'A'}}},
        TranslationCase{"Shift alone forgets",
                        {{'A', {}, ecNone, 'A'}, {kKeyShift, {ssShift}, ecNone, 0}}},
        TranslationCase{"two strokes", {{'K', {ssCtrl}, ecNone, 'K'}, {'B', {ssCtrl}, kKB, 0}}},
        TranslationCase{"second stroke alone", {{'B', {ssCtrl}, ecNone, 'B'}}},
        TranslationCase{"second stroke needs its modifiers",
                        {{'K', {ssCtrl}, ecNone, 'K'}, {'B', {}, ecNone, 'B'}}},
        TranslationCase{"first stroke needs its modifiers",
                        {{'K', {}, ecNone, 'K'}, {'B', {ssCtrl}, ecNone, 'B'}}},
        TranslationCase{"Ctrl pressed again between the strokes",
                        {{'K', {ssCtrl}, ecNone, 'K'},
                         {kKeyControl, {ssCtrl}, ecNone, 0},
                         {'B', {ssCtrl}, ecNone, 'B'}}},
        TranslationCase{
            "a bound key ends the memory",
            {{'Q', {}, ecNone, 'Q'}, {kKeyLeft, {}, ecLeft, 0}, {'X', {}, ecNone, 'X'}}},
        TranslationCase{"plain letters as strokes",
                        {{'Q', {}, ecNone, 'Q'}, {'X', {}, kQX, 0}, {'X', {}, ecNone, 'X'}}},
        TranslationCase{"a remembered key that completes nothing falls back to one stroke",
                        {{'K', {ssCtrl}, ecNone, 'K'}, {'C', {ssCtrl}, ecCopy, 0}}},
        TranslationCase{"range 0x1E to 0x91",
                        {{0x1D, {}, ecNone, 0},
                         {0x1E, {}, ecNone, 0x1E},
                         {0x91, {}, ecNone, 0x91},
                         {0x92, {}, ecNone, 0},
                         {kKeyEscape, {}, ecNone, 0}}},
        TranslationCase{"a consumed key gives nothing and forgets",
                        {{'K', {ssCtrl}, ecNone, 'K'}, {0, {}, ecNone, 0}}}));

TEST(KeyStrokeTranslator, ABindingOfKeyZeroIsNeverRunByAConsumedKey) {
    TKeyStrokes table;
    table.AppendBinding(ecUserFirst, 0, {});
    TKeyStrokeTranslator translator;
    EXPECT_EQ(translator.Translate(table, 0, {}), ecNone);
}

TEST(KeyStrokeTranslator, RemembersOnlyModifiers) {
    TKeyStrokes table;
    TKeyStrokeTranslator translator;
    translator.Translate(table, 'K', {ssCtrl, ssLeft});
    EXPECT_EQ(translator.RememberedShift(), TShiftState{ssCtrl});
    translator.Forget();
    EXPECT_EQ(translator.RememberedKey(), 0);
    EXPECT_TRUE(translator.RememberedShift().Empty());
}

}  // namespace
}  // namespace mirevo
