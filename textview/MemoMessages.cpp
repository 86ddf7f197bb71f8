#include "textview/MemoMessages.h"

#include <algorithm>
#include <cstring>

#include "textview/MemoOffsets.h"

namespace mirevo {

bool IsMemoMessage(std::uint32_t message) {
    using enum TMemoMessage;
    for (const TMemoMessage known :
         {GetSel, SetSel, GetModify, SetModify, GetLineCount, ReplaceSel, GetLine, CanUndo, Undo,
          GetFirstVisibleLine, CharFromPos, GetSelText})
        if (static_cast<std::uint32_t>(known) == message) return true;
    return false;
}

std::int32_t TMemoSelRange::Packed() const { return MakeLong(Start, End); }

TMemoSelRange MemoGetSel(const TLineStore& lines, const TSelection& selection, TBufferCoord caret) {
    const bool has = selection.HasSelection();
    return {PositionToOffset(lines, has ? selection.First() : caret),
            PositionToOffset(lines, has ? selection.Last() : caret)};
}

TMemoSetSel MemoSetSel(const TLineStore& lines, std::int32_t start, std::int32_t end) {
    return {OffsetToPosition(lines, start), OffsetToPosition(lines, end)};
}

TBufferCoord ApplyMemoSetSel(TSelection& selection, const TMemoSetSel& request) {
    selection.SetAnchor(request.Caret);
    const TBufferCoord caret = selection.Anchor();
    selection.SetActiveEnd(request.ActiveEnd);
    return caret;
}

std::int32_t MemoGetLine(const TLineStore& lines, std::int32_t index, std::span<char> buffer) {
    if (index < 0 || index >= lines.Count()) return 0;
    const std::string_view line = lines.Get(index);
    const std::size_t copied = std::min(buffer.size(), line.size());
    std::copy_n(line.data(), copied, buffer.data());
    if (copied < buffer.size()) buffer[copied] = '\0';
    return static_cast<std::int32_t>(copied);
}

std::uint16_t MemoLineBufferSize(const void* buffer) {
    std::uint16_t size = 0;
    std::memcpy(&size, buffer, sizeof size);
    return size;
}

std::int32_t MemoCanUndo(bool readOnly, const TUndoList& undoList) {
    return !readOnly && undoList.HasItems() ? 1 : 0;
}

std::optional<TMemoReplaceSel> MemoReplaceSel(bool readOnly, const TSelection& selection,
                                              std::uintptr_t canUndo, const char* text) {
    if (readOnly) return std::nullopt;
    TMemoReplaceSel request;
    request.Text = text ? text : "";
    request.First = selection.First();
    request.RecordDelete = canUndo != 0 && selection.HasSelection();
    request.RecordPaste = canUndo != 0;
    TUndoItem& record = request.DeleteRecord;
    record.Kind = TChangeKind::ChangeDelete;
    record.SelectionModeAtChange = selection.CurrentMode();
    record.RangeStart = selection.First();
    record.RangeEnd = selection.Last();
    record.SavedText = selection.SelectedText();
    return request;
}

TUndoItem MemoPasteRecord(TBufferCoord first, TBufferCoord end) {
    TUndoItem record;
    record.Kind = TChangeKind::ChangePaste;
    record.RangeStart = first;
    record.RangeEnd = end;
    return record;
}

TMemoPoint MemoUnpackPoint(std::intptr_t lParam) {
    const auto bits = static_cast<std::uintptr_t>(lParam);
    return {static_cast<std::int32_t>(bits & 0xFFFFu),
            static_cast<std::int32_t>((bits >> 16) & 0xFFFFu)};
}

std::int32_t MemoCharFromPos(const TLineStore& lines, TBufferCoord pointed) {
    const std::int32_t line = std::max(0, pointed.LineIndex - 1);
    std::int32_t charIndex = 1;
    if (line < lines.Count()) {
        const auto length = static_cast<std::int32_t>(lines.Get(line).size());
        charIndex = std::clamp(pointed.CharIndex, 1, length + 1);
    }
    // Lines missing below the text count as empty: only their two break bytes.
    std::int64_t offset = charIndex - 1;
    for (std::int32_t before = 0; before < line; ++before)
        offset += static_cast<std::int64_t>(lines.Get(before).size()) + 2;
    return MakeLong(static_cast<std::int32_t>(offset), line);
}

std::int32_t MemoGetSelText(std::string_view selectedText, char* buffer) {
    if (buffer == nullptr) return 0;
    std::copy(selectedText.begin(), selectedText.end(), buffer);
    buffer[selectedText.size()] = '\0';
    return static_cast<std::int32_t>(selectedText.size());
}

}  // namespace mirevo
