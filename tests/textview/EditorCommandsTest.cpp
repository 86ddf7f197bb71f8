#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "textview/EditorCommands.h"

namespace mirevo {
namespace {

// The vocabulary as number and name pairs, in its order.
constexpr const char* kVocabulary =
    "0 ecNone 1 ecLeft 2 ecRight 3 ecUp 4 ecDown 5 ecWordLeft 6 ecWordRight 7 ecLineStart "
    "8 ecLineEnd 9 ecPageUp 10 ecPageDown 11 ecPageLeft 12 ecPageRight 13 ecPageTop "
    "14 ecPageBottom 15 ecEditorTop 16 ecEditorBottom 17 ecGotoXY 101 ecSelLeft "
    "102 ecSelRight 103 ecSelUp 104 ecSelDown 105 ecSelWordLeft 106 ecSelWordRight "
    "107 ecSelLineStart 108 ecSelLineEnd 109 ecSelPageUp 110 ecSelPageDown "
    "111 ecSelPageLeft 112 ecSelPageRight 113 ecSelPageTop 114 ecSelPageBottom "
    "115 ecSelEditorTop 116 ecSelEditorBottom 117 ecSelGotoXY 199 ecSelectAll "
    "501 ecDeleteLastChar 502 ecDeleteChar 503 ecDeleteWord 504 ecDeleteLastWord "
    "505 ecDeleteBOL 506 ecDeleteEOL 507 ecDeleteLine 508 ecClearAll 509 ecLineBreak "
    "510 ecInsertLine 511 ecChar 550 ecImeStr 601 ecUndo 602 ecRedo 603 ecCut 201 ecCopy "
    "604 ecPaste 211 ecScrollUp 212 ecScrollDown 213 ecScrollLeft 214 ecScrollRight "
    "221 ecInsertMode 222 ecOverwriteMode 223 ecToggleMode 610 ecBlockIndent "
    "611 ecBlockUnindent 612 ecTab 613 ecShiftTab 250 ecMatchBracket 251 ecCommentBlock "
    "231 ecNormalSelect 232 ecColumnSelect 233 ecLineSelect 650 ecAutoCompletion "
    "1001 ecUserFirst 490 ecContextHelp 301 ecGotoMarker0 302 ecGotoMarker1 "
    "303 ecGotoMarker2 304 ecGotoMarker3 305 ecGotoMarker4 306 ecGotoMarker5 "
    "307 ecGotoMarker6 308 ecGotoMarker7 309 ecGotoMarker8 310 ecGotoMarker9 "
    "351 ecSetMarker0 352 ecSetMarker1 353 ecSetMarker2 354 ecSetMarker3 355 ecSetMarker4 "
    "356 ecSetMarker5 357 ecSetMarker6 358 ecSetMarker7 359 ecSetMarker8 360 ecSetMarker9 "
    "620 ecUpperCase 621 ecLowerCase 622 ecToggleCase 623 ecTitleCase 625 ecUpperCaseBlock "
    "626 ecLowerCaseBlock 627 ecToggleCaseBlock 630 ecString ";

TEST(EditorCommands, TableHoldsTheVocabularyInOrderAndEveryEntryRoundTrips) {
    std::istringstream expected(kVocabulary);
    std::set<TEditorCommand> numbers;
    for (const auto& entry : kEditorCommandNames) {
        int number = -1;
        std::string name;
        ASSERT_TRUE(expected >> number >> name);
        EXPECT_EQ(entry.Command, number) << name;
        EXPECT_EQ(entry.Name, name);
        EXPECT_EQ(EditorCommandToName(entry.Command), name);
        EXPECT_EQ(EditorCommandFromName(name), entry.Command);
        EXPECT_TRUE(numbers.insert(entry.Command).second) << name << " repeats its number";
    }
    std::string extra;
    EXPECT_FALSE(expected >> extra) << "missing entry " << extra;
}

TEST(EditorCommands, NamesMatchWithoutRegardToCaseOnly) {
    EXPECT_EQ(EditorCommandFromName("ecselectall"), ecSelectAll);
    EXPECT_EQ(EditorCommandFromName("ECCOPY"), ecCopy);
    EXPECT_EQ(EditorCommandFromName("EcUsErFiRsT"), ecUserFirst);
    for (const char* unknown : {"", "ec", "ecCopy ", " ecCopy", "ecCopyX", "ecCop", "201"}) {
        EXPECT_EQ(EditorCommandFromName(unknown), std::nullopt) << '"' << unknown << '"';
    }
}

TEST(EditorCommands, UnknownNumbersAreWrittenAsDecimalText) {
    EXPECT_EQ(EditorCommandToName(1001), "ecUserFirst");
    EXPECT_EQ(EditorCommandToName(1002), "1002");
    EXPECT_EQ(EditorCommandToName(18), "18");
    EXPECT_EQ(EditorCommandToName(65535), "65535");
}

TEST(EditorCommands, ReadingAcceptsNamesAndDecimalNumbers) {
    EXPECT_EQ(ReadEditorCommand("ecPaste"), ecPaste);
    EXPECT_EQ(ReadEditorCommand("1002"), 1002);
    EXPECT_EQ(ReadEditorCommand("65535"), 65535);
    for (const char* bad : {"", "65536", "-1", "+5", "12x", " 12", "0x10", "ecNothing"}) {
        EXPECT_EQ(ReadEditorCommand(bad), std::nullopt) << '"' << bad << '"';
    }
}

}  // namespace
}  // namespace mirevo
