#include <gtest/gtest.h>

#include <string>

#include "textview/KeyStrokes.h"

namespace mirevo {
namespace {

using enum TShiftFlag;

struct DefaultBinding {
    const char* keys;
    TKeyCode key;
    const char* shift;  // "Shift", "Ctrl", "Alt" joined by "+"
    TEditorCommand command;
};

constexpr DefaultBinding kDefaults[] = {
    {"Up", 38, "", 3},
    {"Shift+Up", 38, "Shift", 103},
    {"Ctrl+Up", 38, "Ctrl", 211},
    {"Down", 40, "", 4},
    {"Shift+Down", 40, "Shift", 104},
    {"Ctrl+Down", 40, "Ctrl", 212},
    {"Left", 37, "", 1},
    {"Shift+Left", 37, "Shift", 101},
    {"Ctrl+Left", 37, "Ctrl", 5},
    {"Ctrl+Shift+Left", 37, "Shift+Ctrl", 105},
    {"Right", 39, "", 2},
    {"Shift+Right", 39, "Shift", 102},
    {"Ctrl+Right", 39, "Ctrl", 6},
    {"Ctrl+Shift+Right", 39, "Shift+Ctrl", 106},
    {"PageDown", 34, "", 10},
    {"Shift+PageDown", 34, "Shift", 110},
    {"Ctrl+PageDown", 34, "Ctrl", 14},
    {"Ctrl+Shift+PageDown", 34, "Shift+Ctrl", 114},
    {"PageUp", 33, "", 9},
    {"Shift+PageUp", 33, "Shift", 109},
    {"Ctrl+PageUp", 33, "Ctrl", 13},
    {"Ctrl+Shift+PageUp", 33, "Shift+Ctrl", 113},
    {"Home", 36, "", 7},
    {"Shift+Home", 36, "Shift", 107},
    {"Ctrl+Home", 36, "Ctrl", 15},
    {"Ctrl+Shift+Home", 36, "Shift+Ctrl", 115},
    {"End", 35, "", 8},
    {"Shift+End", 35, "Shift", 108},
    {"Ctrl+End", 35, "Ctrl", 16},
    {"Ctrl+Shift+End", 35, "Shift+Ctrl", 116},
    {"Insert", 45, "", 223},
    {"Ctrl+Insert", 45, "Ctrl", 201},
    {"Shift+Delete", 46, "Shift", 603},
    {"Shift+Insert", 45, "Shift", 604},
    {"Delete", 46, "", 502},
    {"Backspace", 8, "", 501},
    {"Shift+Backspace", 8, "Shift", 501},
    {"Ctrl+Backspace", 8, "Ctrl", 504},
    {"Alt+Backspace", 8, "Alt", 601},
    {"Shift+Alt+Backspace", 8, "Shift+Alt", 602},
    {"Enter", 13, "", 509},
    {"Shift+Enter", 13, "Shift", 509},
    {"Tab", 9, "", 612},
    {"Shift+Tab", 9, "Shift", 613},
    {"F1", 112, "", 490},
    {"Ctrl+A", 65, "Ctrl", 199},
    {"Ctrl+C", 67, "Ctrl", 201},
    {"Ctrl+V", 86, "Ctrl", 604},
    {"Ctrl+X", 88, "Ctrl", 603},
    {"Ctrl+Shift+I", 73, "Shift+Ctrl", 610},
    {"Ctrl+Shift+U", 85, "Shift+Ctrl", 611},
    {"Ctrl+M", 77, "Ctrl", 509},
    {"Ctrl+N", 78, "Ctrl", 510},
    {"Ctrl+T", 84, "Ctrl", 503},
    {"Ctrl+Y", 89, "Ctrl", 507},
    {"Ctrl+Shift+Y", 89, "Shift+Ctrl", 506},
    {"Ctrl+Z", 90, "Ctrl", 601},
    {"Ctrl+Shift+Z", 90, "Shift+Ctrl", 602},
    {"Ctrl+0", 48, "Ctrl", 301},
    {"Ctrl+1", 49, "Ctrl", 302},
    {"Ctrl+2", 50, "Ctrl", 303},
    {"Ctrl+3", 51, "Ctrl", 304},
    {"Ctrl+4", 52, "Ctrl", 305},
    {"Ctrl+5", 53, "Ctrl", 306},
    {"Ctrl+6", 54, "Ctrl", 307},
    {"Ctrl+7", 55, "Ctrl", 308},
    {"Ctrl+8", 56, "Ctrl", 309},
    {"Ctrl+9", 57, "Ctrl", 310},
    {"Ctrl+Shift+0", 48, "Shift+Ctrl", 351},
    {"Ctrl+Shift+1", 49, "Shift+Ctrl", 352},
    {"Ctrl+Shift+2", 50, "Shift+Ctrl", 353},
    {"Ctrl+Shift+3", 51, "Shift+Ctrl", 354},
    {"Ctrl+Shift+4", 52, "Shift+Ctrl", 355},
    {"Ctrl+Shift+5", 53, "Shift+Ctrl", 356},
    {"Ctrl+Shift+6", 54, "Shift+Ctrl", 357},
    {"Ctrl+Shift+7", 55, "Shift+Ctrl", 358},
    {"Ctrl+Shift+8", 56, "Shift+Ctrl", 359},
    {"Ctrl+Shift+9", 57, "Shift+Ctrl", 360},
    {"Ctrl+Shift+N", 78, "Shift+Ctrl", 231},
    {"Ctrl+Shift+C", 67, "Shift+Ctrl", 232},
    {"Ctrl+Shift+L", 76, "Shift+Ctrl", 233},
    {"Ctrl+Shift+B", 66, "Shift+Ctrl", 250},
};

TShiftState ShiftFromText(const std::string& text) {
    TShiftState shift;
    if (text.find("Shift") != std::string::npos) shift.Include(ssShift);
    if (text.find("Ctrl") != std::string::npos) shift.Include(ssCtrl);
    if (text.find("Alt") != std::string::npos) shift.Include(ssAlt);
    return shift;
}

TEST(KeyStrokes, InstallDefaultsReplacesTheTableByThe82BindingsInOrder) {
    TKeyStrokes table;
    table.AppendBinding(ecUserFirst, 'Q', {});
    table.InstallDefaults();
    ASSERT_EQ(table.Count(), 82);
    ASSERT_EQ(std::size(kDefaults), 82u);
    for (std::int32_t i = 0; i < table.Count(); ++i) {
        const DefaultBinding& expected = kDefaults[i];
        const TKeyStroke& item = table.Items(i);
        EXPECT_EQ(item.FirstKey(), expected.key) << expected.keys;
        EXPECT_EQ(item.FirstShift(), ShiftFromText(expected.shift)) << expected.keys;
        EXPECT_EQ(item.Command(), expected.command) << expected.keys;
        EXPECT_EQ(item.SecondKey(), 0) << expected.keys;
        EXPECT_TRUE(item.SecondShift().Empty()) << expected.keys;
        // No key with its shift state occurs twice.
        EXPECT_EQ(table.FindOneStroke(item.FirstKey(), item.FirstShift()), i) << expected.keys;
        EXPECT_EQ(item.Index(), i);
    }
}

TEST(KeyStrokes, FindsMatchTheirStrokesExactly) {
    TKeyStrokes table;
    TKeyStroke& kb = table.AppendItem();
    kb.SetCommand(ecUserFirst);
    kb.SetShortCut(0x404B);   // Ctrl+K
    kb.SetShortCut2(0x4042);  // Ctrl+B
    table.AppendBinding(ecCut, 'K', {ssCtrl});
    table.AppendBinding(ecPaste, 'K', {ssCtrl});  // a later twin is never found

    EXPECT_EQ(table.FindOneStroke('K', {ssCtrl}), 1);  // the two-stroke item is skipped
    EXPECT_EQ(table.FindOneStroke('K', {}), -1);
    EXPECT_EQ(table.FindTwoStroke('K', {ssCtrl}, 'B', {ssCtrl}), 0);
    EXPECT_EQ(table.FindTwoStroke('K', {ssCtrl}, 'B', {}), -1);
    EXPECT_EQ(table.FindTwoStroke('K', {}, 'B', {ssCtrl}), -1);
    EXPECT_EQ(table.FindTwoStroke('K', {ssCtrl}, 0, {}), 1);
    EXPECT_EQ(table.FindShortCutPair(0x404B, 0x4042), 0);
    EXPECT_EQ(table.FindShortCutPair(0x404B, 0), 1);
    EXPECT_EQ(table.FindShortCutPair(0x404B, 0x0042), -1);
}

TEST(KeyStrokes, AppendingAndDeletingKeepItemsInOrder) {
    TKeyStrokes table;
    TKeyStroke& empty = table.AppendItem();
    EXPECT_EQ(empty.Command(), ecNone);
    EXPECT_EQ(empty.ShortCut(), 0);
    EXPECT_EQ(empty.ShortCut2(), 0);
    TKeyStroke& binding = table.AppendBinding(ecUndo, 'Z', {ssCtrl, ssRight});
    EXPECT_EQ(binding.FirstShift(), TShiftState{ssCtrl});
    EXPECT_EQ(binding.Index(), 1);
    table.Delete(0);
    EXPECT_EQ(binding.Index(), 0);
    EXPECT_THROW(table.Delete(1), EAssertionFailed);
    EXPECT_THROW(table.Items(-1), EAssertionFailed);
}

TEST(KeyStrokes, AssignCopiesEveryItemIntoThisTable) {
    TKeyStrokes source;
    source.InstallDefaults();
    TKeyStroke& twoStroke = source.AppendItem();
    twoStroke.SetCommand(1002);
    twoStroke.SetShortCut(0x404B);
    twoStroke.SetShortCut2(0x0042);
    TKeyStrokes copy;
    copy.AppendBinding(ecUserFirst, 'Q', {});
    copy.Assign(source);
    ASSERT_EQ(copy.Count(), 83);
    for (std::int32_t i = 0; i < copy.Count(); ++i) {
        EXPECT_EQ(copy.Items(i).DisplayName(), source.Items(i).DisplayName());
        EXPECT_EQ(copy.Items(i).Index(), i);
    }
    // The copies check duplicates against their own table.
    TKeyStroke& extra = copy.AppendItem();
    EXPECT_THROW(extra.SetShortCut(0x4043), EKeyStrokeError);
    copy.Items(46).SetShortCut(0x4051);  // Ctrl+C becomes Ctrl+Q in the copy only
    EXPECT_NO_THROW(extra.SetShortCut(0x4043));
    EXPECT_EQ(source.Items(46).ShortCut(), 0x4043);
    copy.Assign(copy);
    EXPECT_EQ(copy.Count(), 84);
}

}  // namespace
}  // namespace mirevo
