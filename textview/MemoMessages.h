// The answers of TTextMemo's twelve edit-control messages, as functions the view's message
// handler calls after unpacking wParam and lParam. They read the line store, the selection
// and the caret; what changes the view (caret, selection, undo, text) comes back as a
// request the view carries out with its own setters, brackets and undo records.
//
// Lines and offsets count from 0 as a standard multi-line edit control does; offsets count
// every line break as two bytes (see MemoOffsets.h).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "textview/Coordinates.h"
#include "textview/LineStore.h"
#include "textview/Selection.h"
#include "textview/UndoList.h"

namespace mirevo {

// The message numbers the memo answers itself; every other goes to the editor view.
enum class TMemoMessage : std::uint32_t {
    GetSel = 0xB0,
    SetSel = 0xB1,
    GetModify = 0xB8,
    SetModify = 0xB9,
    GetLineCount = 0xBA,
    ReplaceSel = 0xC2,
    GetLine = 0xC4,
    CanUndo = 0xC6,
    Undo = 0xC7,
    GetFirstVisibleLine = 0xCE,
    CharFromPos = 0xD7,
    GetSelText = 0x43E,
};

bool IsMemoMessage(std::uint32_t message);

// EM_GETSEL: the selection's offsets (the caret's without a selection). The view writes
// Start and End through the non-zero addresses and answers Packed().
struct TMemoSelRange {
    std::int32_t Start = 0;
    std::int32_t End = 0;
    std::int32_t Packed() const;
};
TMemoSelRange MemoGetSel(const TLineStore& lines, const TSelection& selection, TBufferCoord caret);

// EM_SETSEL: the view sets its caret to Caret, anchors the selection at the caret's
// resulting (clamped) position and sets the active end to ActiveEnd, then puts the caret
// back at the anchor. Offsets past the text or negative are converted, never refused.
struct TMemoSetSel {
    TBufferCoord Caret;
    TBufferCoord ActiveEnd;
};
TMemoSetSel MemoSetSel(const TLineStore& lines, std::int32_t start, std::int32_t end);
// Carries out EM_SETSEL on the selection alone; returns where the caret goes.
TBufferCoord ApplyMemoSetSel(TSelection& selection, const TMemoSetSel& request);

// EM_GETMODIFY and EM_SETMODIFY (the new flag for the view's modified setter).
constexpr std::int32_t MemoGetModify(bool modified) { return modified ? 1 : 0; }
constexpr bool MemoSetModifyFlag(std::uintptr_t wParam) { return wParam != 0; }

// EM_GETLINECOUNT: buffer lines, not wrapped rows; 0 for an empty view.
inline std::int32_t MemoGetLineCount(const TLineStore& lines) { return lines.Count(); }

// EM_GETLINE. buffer is the caller's buffer with the size its first 16-bit word gave. Copies
// min(size, line length) bytes and a zero byte only when it still fits; never writes at or
// past buffer.size(). Answers the bytes copied; 0 for an index outside the lines.
std::int32_t MemoGetLine(const TLineStore& lines, std::int32_t index, std::span<char> buffer);
// The size word at the start of an EM_GETLINE buffer.
std::uint16_t MemoLineBufferSize(const void* buffer);

// EM_CANUNDO, and EM_UNDO's answer taken before the view undoes: 0 when read-only.
std::int32_t MemoCanUndo(bool readOnly, const TUndoList& undoList);

// EM_REPLACESEL: what the view does, or nothing when read-only. Within one undo block and
// between ttBefore and ttAfter: when RecordDelete, add DeleteRecord; set the selection's
// ends to DeleteRecord's range again; with both undo lists locked replace the selection by
// Text; when RecordPaste, add PasteRecord(first, the selection's end afterwards); close the
// block, keep the caret visible and report scSelection.
struct TMemoReplaceSel {
    std::string Text;
    bool RecordDelete = false;
    bool RecordPaste = false;
    TUndoItem DeleteRecord;  // ChangeDelete: First..Last, selected text, current mode
    TBufferCoord First;
};
std::optional<TMemoReplaceSel> MemoReplaceSel(bool readOnly, const TSelection& selection,
                                              std::uintptr_t canUndo, const char* text);
// The ChangePaste record of step 5: first..end, no text, smNormal.
TUndoItem MemoPasteRecord(TBufferCoord first, TBufferCoord end);

// EM_GETFIRSTVISIBLELINE: the view's 1-based TopLine as a 0-based row.
constexpr std::int32_t MemoGetFirstVisibleLine(std::int32_t topLine) { return topLine - 1; }

// EM_CHARFROMPOS. The view unpacks the point (unsigned 16 bits each), converts it to a
// buffer position and passes it here. The offset counts from 0 like EM_GETSEL's; a position
// below the last line counts the missing lines as empty and stands at their start. Answers
// MAKELONG(offset, 0-based line).
struct TMemoPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};
TMemoPoint MemoUnpackPoint(std::intptr_t lParam);
std::int32_t MemoCharFromPos(const TLineStore& lines, TBufferCoord pointed);

// EM_GETSELTEXT: writes the selected text and a zero byte to buffer (unchecked: the message
// carries no size) and answers the text's length; a null buffer gets nothing and answers 0.
std::int32_t MemoGetSelText(std::string_view selectedText, char* buffer);

}  // namespace mirevo
