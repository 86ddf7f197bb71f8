// Editor commands: the 16-bit numbers that key bindings produce and the view executes, and
// their names as form descriptions write them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mirevo {

// 0 (ecNone) is no command; from ecUserFirst (1001) on, numbers are free for the user and
// the view does not execute them itself.
using TEditorCommand = std::uint16_t;

inline constexpr TEditorCommand ecNone = 0;
inline constexpr TEditorCommand ecLeft = 1;
inline constexpr TEditorCommand ecRight = 2;
inline constexpr TEditorCommand ecUp = 3;
inline constexpr TEditorCommand ecDown = 4;
inline constexpr TEditorCommand ecWordLeft = 5;
inline constexpr TEditorCommand ecWordRight = 6;
inline constexpr TEditorCommand ecLineStart = 7;
inline constexpr TEditorCommand ecLineEnd = 8;
inline constexpr TEditorCommand ecPageUp = 9;
inline constexpr TEditorCommand ecPageDown = 10;
inline constexpr TEditorCommand ecPageLeft = 11;
inline constexpr TEditorCommand ecPageRight = 12;
inline constexpr TEditorCommand ecPageTop = 13;
inline constexpr TEditorCommand ecPageBottom = 14;
inline constexpr TEditorCommand ecEditorTop = 15;
inline constexpr TEditorCommand ecEditorBottom = 16;
inline constexpr TEditorCommand ecGotoXY = 17;
inline constexpr TEditorCommand ecSelLeft = 101;
inline constexpr TEditorCommand ecSelRight = 102;
inline constexpr TEditorCommand ecSelUp = 103;
inline constexpr TEditorCommand ecSelDown = 104;
inline constexpr TEditorCommand ecSelWordLeft = 105;
inline constexpr TEditorCommand ecSelWordRight = 106;
inline constexpr TEditorCommand ecSelLineStart = 107;
inline constexpr TEditorCommand ecSelLineEnd = 108;
inline constexpr TEditorCommand ecSelPageUp = 109;
inline constexpr TEditorCommand ecSelPageDown = 110;
inline constexpr TEditorCommand ecSelPageLeft = 111;
inline constexpr TEditorCommand ecSelPageRight = 112;
inline constexpr TEditorCommand ecSelPageTop = 113;
inline constexpr TEditorCommand ecSelPageBottom = 114;
inline constexpr TEditorCommand ecSelEditorTop = 115;
inline constexpr TEditorCommand ecSelEditorBottom = 116;
inline constexpr TEditorCommand ecSelGotoXY = 117;
inline constexpr TEditorCommand ecSelectAll = 199;
inline constexpr TEditorCommand ecDeleteLastChar = 501;
inline constexpr TEditorCommand ecDeleteChar = 502;
inline constexpr TEditorCommand ecDeleteWord = 503;
inline constexpr TEditorCommand ecDeleteLastWord = 504;
inline constexpr TEditorCommand ecDeleteBOL = 505;
inline constexpr TEditorCommand ecDeleteEOL = 506;
inline constexpr TEditorCommand ecDeleteLine = 507;
inline constexpr TEditorCommand ecClearAll = 508;
inline constexpr TEditorCommand ecLineBreak = 509;
inline constexpr TEditorCommand ecInsertLine = 510;
inline constexpr TEditorCommand ecChar = 511;
inline constexpr TEditorCommand ecImeStr = 550;
inline constexpr TEditorCommand ecUndo = 601;
inline constexpr TEditorCommand ecRedo = 602;
inline constexpr TEditorCommand ecCut = 603;
inline constexpr TEditorCommand ecCopy = 201;
inline constexpr TEditorCommand ecPaste = 604;
inline constexpr TEditorCommand ecScrollUp = 211;
inline constexpr TEditorCommand ecScrollDown = 212;
inline constexpr TEditorCommand ecScrollLeft = 213;
inline constexpr TEditorCommand ecScrollRight = 214;
inline constexpr TEditorCommand ecInsertMode = 221;
inline constexpr TEditorCommand ecOverwriteMode = 222;
inline constexpr TEditorCommand ecToggleMode = 223;
inline constexpr TEditorCommand ecBlockIndent = 610;
inline constexpr TEditorCommand ecBlockUnindent = 611;
inline constexpr TEditorCommand ecTab = 612;
inline constexpr TEditorCommand ecShiftTab = 613;
inline constexpr TEditorCommand ecMatchBracket = 250;
inline constexpr TEditorCommand ecCommentBlock = 251;
inline constexpr TEditorCommand ecNormalSelect = 231;
inline constexpr TEditorCommand ecColumnSelect = 232;
inline constexpr TEditorCommand ecLineSelect = 233;
inline constexpr TEditorCommand ecAutoCompletion = 650;
inline constexpr TEditorCommand ecUserFirst = 1001;
inline constexpr TEditorCommand ecContextHelp = 490;
// Passed through the command processor when the view gains and loses the focus; they have
// no names and the view executes nothing for them.
inline constexpr TEditorCommand kFocusGainedCommand = 480;
inline constexpr TEditorCommand kFocusLostCommand = 481;
inline constexpr TEditorCommand ecGotoMarker0 = 301;
inline constexpr TEditorCommand ecGotoMarker1 = 302;
inline constexpr TEditorCommand ecGotoMarker2 = 303;
inline constexpr TEditorCommand ecGotoMarker3 = 304;
inline constexpr TEditorCommand ecGotoMarker4 = 305;
inline constexpr TEditorCommand ecGotoMarker5 = 306;
inline constexpr TEditorCommand ecGotoMarker6 = 307;
inline constexpr TEditorCommand ecGotoMarker7 = 308;
inline constexpr TEditorCommand ecGotoMarker8 = 309;
inline constexpr TEditorCommand ecGotoMarker9 = 310;
inline constexpr TEditorCommand ecSetMarker0 = 351;
inline constexpr TEditorCommand ecSetMarker1 = 352;
inline constexpr TEditorCommand ecSetMarker2 = 353;
inline constexpr TEditorCommand ecSetMarker3 = 354;
inline constexpr TEditorCommand ecSetMarker4 = 355;
inline constexpr TEditorCommand ecSetMarker5 = 356;
inline constexpr TEditorCommand ecSetMarker6 = 357;
inline constexpr TEditorCommand ecSetMarker7 = 358;
inline constexpr TEditorCommand ecSetMarker8 = 359;
inline constexpr TEditorCommand ecSetMarker9 = 360;
inline constexpr TEditorCommand ecUpperCase = 620;
inline constexpr TEditorCommand ecLowerCase = 621;
inline constexpr TEditorCommand ecToggleCase = 622;
inline constexpr TEditorCommand ecTitleCase = 623;
inline constexpr TEditorCommand ecUpperCaseBlock = 625;
inline constexpr TEditorCommand ecLowerCaseBlock = 626;
inline constexpr TEditorCommand ecToggleCaseBlock = 627;
inline constexpr TEditorCommand ecString = 630;

// The commands a read-only view refuses: they change the text.
constexpr bool IsTextChangingCommand(TEditorCommand command) {
    return (command >= ecDeleteLastChar && command <= ecChar) || command == ecImeStr ||
           (command >= ecUndo && command <= ecPaste) ||
           (command >= ecBlockIndent && command <= ecShiftTab) ||
           (command >= ecUpperCase && command <= ecTitleCase) ||
           (command >= ecUpperCaseBlock && command <= ecToggleCaseBlock);
}

struct TEditorCommandName {
    TEditorCommand Command;
    std::string_view Name;
};

// The vocabulary of the commands, in its fixed order (not sorted by number).
extern const std::array<TEditorCommandName, 100> kEditorCommandNames;

// The number of the first entry whose name matches regardless of letter case; none when no
// entry does.
std::optional<TEditorCommand> EditorCommandFromName(std::string_view name);

// The name of the first entry with that number; a number the table lacks as decimal text.
std::string EditorCommandToName(TEditorCommand command);

// Reads a command as a form description stores it: a name, or else a decimal number from 0
// to 65535. None for anything else.
std::optional<TEditorCommand> ReadEditorCommand(std::string_view text);

}  // namespace mirevo
