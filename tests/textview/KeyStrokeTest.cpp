#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "textview/KeyStroke.h"
#include "textview/KeyStrokes.h"

namespace mirevo {
namespace {

using enum TShiftFlag;

TShiftState ShiftFromText(const std::string& text) {
    TShiftState shift;
    if (text.find("Shift") != std::string::npos) shift.Include(ssShift);
    if (text.find("Ctrl") != std::string::npos) shift.Include(ssCtrl);
    if (text.find("Alt") != std::string::npos) shift.Include(ssAlt);
    return shift;
}

struct ShortCutCase {
    TKeyCode key;
    const char* shift;
    TShortCut shortCut;
    const char* text;
};

class ShortCutEncoding : public ::testing::TestWithParam<ShortCutCase> {};

TEST_P(ShortCutEncoding, CombinesKeyAndModifiersAndNamesThem) {
    const ShortCutCase& c = GetParam();
    EXPECT_EQ(ShortCut(c.key, ShiftFromText(c.shift)), c.shortCut);
    EXPECT_EQ(ShortCutToText(c.shortCut), c.text);
    TKeyCode key = 999;
    TShiftState shift{ssLeft};
    ShortCutToKey(c.shortCut, key, shift);
    EXPECT_EQ(ShortCut(key, shift), c.shortCut);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ShortCutEncoding,
    ::testing::Values(
        ShortCutCase{'A', "", 0x0041, "A"}, ShortCutCase{'A', "Shift", 0x2041, "Shift+A"},
        ShortCutCase{'C', "Ctrl", 0x4043, "Ctrl+C"}, ShortCutCase{'0', "Alt", 0x8030, "Alt+0"},
        ShortCutCase{46, "Shift Ctrl Alt", 0xE02E, "Shift+Ctrl+Alt+Del"},
        ShortCutCase{8, "Shift Alt", 0xA008, "Shift+Alt+BkSp"},
        ShortCutCase{9, "Shift", 0x2009, "Shift+Tab"}, ShortCutCase{13, "", 0x000D, "Enter"},
        ShortCutCase{27, "", 0x001B, "Esc"}, ShortCutCase{32, "", 0x0020, "Space"},
        ShortCutCase{33, "", 0x0021, "PgUp"}, ShortCutCase{34, "", 0x0022, "PgDn"},
        ShortCutCase{35, "", 0x0023, "End"}, ShortCutCase{36, "", 0x0024, "Home"},
        ShortCutCase{37, "", 0x0025, "Left"}, ShortCutCase{38, "", 0x0026, "Up"},
        ShortCutCase{39, "", 0x0027, "Right"}, ShortCutCase{40, "", 0x0028, "Down"},
        ShortCutCase{45, "Ctrl", 0x402D, "Ctrl+Ins"}, ShortCutCase{112, "", 0x0070, "F1"},
        ShortCutCase{135, "", 0x0087, "F24"}, ShortCutCase{'Z', "", 0x005A, "Z"},
        ShortCutCase{16, "Shift", 0x2010, ""},  // a modifier key has no name
        ShortCutCase{0, "Ctrl", 0x4000, ""},
        ShortCutCase{256, "Ctrl", 0, ""},  // above 255: no shortcut
        ShortCutCase{0xFFFF, "", 0, ""}));

TEST(ShortCut, MouseFlagsAndUnusedBitsAreDropped) {
    EXPECT_EQ(ShortCut('A', {ssLeft, ssDouble, ssCtrl}), 0x4041);
    TKeyCode key = 0;
    TShiftState shift;
    ShortCutToKey(0x1F41, key, shift);
    EXPECT_EQ(key, 'A');
    EXPECT_TRUE(shift.Empty());
}

TEST(KeyStroke, DisplayNameJoinsCommandAndStrokes) {
    TKeyStroke stroke;
    EXPECT_EQ(stroke.DisplayName(), "ecNone - ");
    stroke.SetCommand(ecCopy);
    stroke.SetShortCut(0x4043);
    EXPECT_EQ(stroke.DisplayName(), "ecCopy - Ctrl+C");
    stroke.SetCommand(1002);
    stroke.SetShortCut(0x404B);
    stroke.SetShortCut2(0x0042);
    EXPECT_EQ(stroke.DisplayName(), "1002 - Ctrl+K B");
}

TEST(KeyStroke, AssignCopiesCommandAndStrokesButNotTheTable) {
    TKeyStrokes table;
    table.InstallDefaults();
    TKeyStroke source;
    source.SetCommand(ecUserFirst);
    source.SetShortCut(0x404B);
    source.SetShortCut2(0x4042);
    TKeyStroke& target = table.Items(5);
    target.Assign(source);
    EXPECT_EQ(target.Command(), ecUserFirst);
    EXPECT_EQ(target.ShortCut(), 0x404B);
    EXPECT_EQ(target.ShortCut2(), 0x4042);
    EXPECT_EQ(target.Index(), 5);
    EXPECT_EQ(source.Index(), -1);
}

// Each case sets one stroke of the table's last item; the table also holds an empty item,
// Ctrl+C alone, Ctrl+K then Ctrl+B, and Ctrl+Q then B.
struct DuplicateCase {
    const char* what;
    TShortCut first;  // the last item's strokes before the change
    TShortCut second;
    bool setSecond;  // which stroke is set
    TShortCut value;
    bool fails;
};

void PrintTo(const DuplicateCase& c, std::ostream* os) { *os << c.what; }

class KeyStrokeDuplicates : public ::testing::TestWithParam<DuplicateCase> {};

TEST_P(KeyStrokeDuplicates, RefusesAnotherItemsStrokes) {
    const DuplicateCase& c = GetParam();
    TKeyStrokes table;
    table.AppendItem();
    table.AppendItem().SetShortCut(0x4043);
    TKeyStroke& kb = table.AppendItem();
    kb.SetShortCut(0x404B);
    kb.SetShortCut2(0x4042);
    TKeyStroke& qb = table.AppendItem();
    qb.SetShortCut(0x4051);
    qb.SetShortCut2(0x0042);
    TKeyStroke& item = table.AppendItem();
    item.SetShortCut(c.first);
    item.SetShortCut2(c.second);

    const auto set = [&] { c.setSecond ? item.SetShortCut2(c.value) : item.SetShortCut(c.value); };
    if (c.fails) {
        try {
            set();
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EKeyStrokeError& e) {
            EXPECT_EQ(e.Message(), "Shortcut already exists") << c.what;
        }
        EXPECT_EQ(item.ShortCut(), c.first) << c.what;
        EXPECT_EQ(item.ShortCut2(), c.second) << c.what;
    } else {
        EXPECT_NO_THROW(set()) << c.what;
        EXPECT_EQ(c.setSecond ? item.ShortCut2() : item.ShortCut(), c.value) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyStrokeDuplicates,
    ::testing::Values(
        DuplicateCase{"one-stroke twin", 0, 0, false, 0x4043, true},
        DuplicateCase{"other modifiers", 0, 0, false, 0x6043, false},
        DuplicateCase{"zero is never checked", 0, 0, false, 0, false},
        DuplicateCase{"first stroke of a two-stroke twin", 0x4041, 0x4042, false, 0x404B, true},
        DuplicateCase{"second stroke of a two-stroke twin", 0x404B, 0, true, 0x4042, true},
        DuplicateCase{"second stroke differs by its modifiers", 0x404B, 0, true, 0x0042, false},
        DuplicateCase{"first stroke, second differs by modifiers", 0x4041, 0x0042, false, 0x404B,
                      false},
        DuplicateCase{"first stroke, second without modifiers", 0x4041, 0x4042, false, 0x4051,
                      false},
        DuplicateCase{"twin of Ctrl+Q then B", 0x4051, 0, true, 0x0042, true},
        DuplicateCase{"a two-stroke item is no one-stroke twin", 0, 0x4042, false, 0x4043, false}));

TEST(KeyStroke, SettingItsOwnStrokesAgainIsNoDuplicate) {
    TKeyStrokes table;
    TKeyStroke& item = table.AppendItem();
    item.SetShortCut(0x4043);
    EXPECT_NO_THROW(item.SetShortCut(0x4043));
    table.AppendBinding(ecCopy, 'C', {ssCtrl});  // appending checks nothing
    EXPECT_THROW(item.SetShortCut(0x4043), EKeyStrokeError);
}

}  // namespace
}  // namespace mirevo
