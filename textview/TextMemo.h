// TTextMemo: the result view's class. It adds to the text view the answers to the standard
// edit-control messages other programs send a multi-line edit (EM_GETSEL, EM_SETSEL,
// EM_GETMODIFY, EM_SETMODIFY, EM_GETLINECOUNT, EM_REPLACESEL, EM_GETLINE, EM_CANUNDO,
// EM_UNDO, EM_GETFIRSTVISIBLELINE, EM_CHARFROMPOS and EM_GETSELTEXT).
//
// Lines and offsets count from 0 as in a standard edit control; offsets count every line
// break as two bytes. Pointer arguments are addresses in this process (the system copies
// them across processes for the messages it knows).
#pragma once

#include <cstdint>
#include <optional>

#include "textview/TextView.h"

namespace mirevo {

class TTextMemo : public TTextView {
public:
    using TTextView::TTextView;

    // The answer to one of the twelve messages; nothing for any other message, which then
    // goes to the view's own handling.
    std::optional<std::intptr_t> MemoMessage(std::uint32_t message, std::uintptr_t wParam,
                                             std::intptr_t lParam);

private:
    std::intptr_t GetSel(std::uintptr_t wParam, std::intptr_t lParam) const;
    void SetSel(std::int32_t start, std::int32_t end);
    void ReplaceSel(std::uintptr_t canUndo, const char* text);
    std::intptr_t GetLine(std::int32_t index, char* buffer) const;
    std::intptr_t CharFromPos(std::intptr_t lParam) const;
};

}  // namespace mirevo
