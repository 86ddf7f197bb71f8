#include "textview/TextMemo.h"

#include <cstring>
#include <span>

#include "textview/MemoMessages.h"
#include "textview/MemoOffsets.h"
#include "textview/PaintLock.h"

namespace mirevo {

namespace {

template <typename T>
T* AddressOf(std::uintptr_t value) {
    return reinterpret_cast<T*>(value);  // NOLINT: a message's pointer argument
}

}  // namespace

std::optional<std::intptr_t> TTextMemo::MemoMessage(std::uint32_t message, std::uintptr_t wParam,
                                                    std::intptr_t lParam) {
    const auto lAddress = static_cast<std::uintptr_t>(lParam);
    switch (static_cast<TMemoMessage>(message)) {
        case TMemoMessage::GetSel:
            return GetSel(wParam, lParam);
        case TMemoMessage::SetSel:
            SetSel(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam));
            return 0;
        case TMemoMessage::GetModify:
            return MemoGetModify(Modified());
        case TMemoMessage::SetModify:
            SetModified(MemoSetModifyFlag(wParam));
            return 0;
        case TMemoMessage::GetLineCount:
            return MemoGetLineCount(Lines());
        case TMemoMessage::ReplaceSel:
            ReplaceSel(wParam, AddressOf<const char>(lAddress));
            return 0;
        case TMemoMessage::GetLine:
            return GetLine(static_cast<std::int32_t>(wParam), AddressOf<char>(lAddress));
        case TMemoMessage::CanUndo:
            return MemoCanUndo(ReadOnly(), UndoList());
        case TMemoMessage::Undo: {
            const std::int32_t answer = MemoCanUndo(ReadOnly(), UndoList());
            Undo();
            return answer;
        }
        case TMemoMessage::GetFirstVisibleLine:
            return MemoGetFirstVisibleLine(TopLine());
        case TMemoMessage::CharFromPos:
            return CharFromPos(lParam);
        case TMemoMessage::GetSelText:
            return MemoGetSelText(SelectedText(), AddressOf<char>(lAddress));
    }
    return std::nullopt;
}

std::intptr_t TTextMemo::GetSel(std::uintptr_t wParam, std::intptr_t lParam) const {
    const TMemoSelRange range = MemoGetSel(Lines(), Selection(), CaretXY());
    if (auto* start = AddressOf<std::int32_t>(wParam)) *start = range.Start;
    if (auto* end = AddressOf<std::int32_t>(static_cast<std::uintptr_t>(lParam))) *end = range.End;
    return static_cast<std::uint32_t>(range.Packed());
}

void TTextMemo::SetSel(std::int32_t start, std::int32_t end) {
    const TMemoSetSel request = MemoSetSel(Lines(), start, end);
    TPaintLock::Around(*this, [&] {
        InternalSetCaretXY(request.Caret);
        SetBlockBegin(CaretXY());
        SetBlockEnd(request.ActiveEnd);
    });
}

void TTextMemo::ReplaceSel(std::uintptr_t canUndo, const char* text) {
    const std::optional<TMemoReplaceSel> request =
        MemoReplaceSel(ReadOnly(), Selection(), canUndo, text);
    if (!request) return;
    DoOnPaintTransient(TTransientType::ttBefore);
    UndoList().OpenBlock();
    try {
        if (request->RecordDelete) {
            UndoList().RecordItem(request->DeleteRecord);
        }
        SetBlockBegin(request->DeleteRecord.RangeStart);
        SetBlockEnd(request->DeleteRecord.RangeEnd);
        UndoList().Lock();
        RedoList().Lock();
        try {
            SetSelectedText(request->Text);
        } catch (...) {
            UndoList().Unlock();
            RedoList().Unlock();
            throw;
        }
        UndoList().Unlock();
        RedoList().Unlock();
        if (request->RecordPaste) {
            UndoList().RecordItem(MemoPasteRecord(request->First, BlockEnd()));
        }
    } catch (...) {
        UndoList().CloseBlock();
        throw;
    }
    UndoList().CloseBlock();
    EnsureCaretVisible();
    StatusChanged({TStatusChange::scSelection});
    DoOnPaintTransient(TTransientType::ttAfter);
}

std::intptr_t TTextMemo::GetLine(std::int32_t index, char* buffer) const {
    if (!buffer || index < 0 || index >= Lines().Count()) return 0;
    const std::uint16_t size = MemoLineBufferSize(buffer);
    return MemoGetLine(Lines(), index, std::span<char>(buffer, size));
}

std::intptr_t TTextMemo::CharFromPos(std::intptr_t lParam) const {
    const TMemoPoint point = MemoUnpackPoint(lParam);
    const TBufferCoord pointed = DisplayToBuffer(PixelsToRowColumn(point.X, point.Y));
    return static_cast<std::uint32_t>(MemoCharFromPos(Lines(), pointed));
}

}  // namespace mirevo
