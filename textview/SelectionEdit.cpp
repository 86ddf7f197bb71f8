#include "textview/SelectionEdit.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/Sjis.h"
#include "textview/LineStoreUpdate.h"

namespace mirevo {

namespace {

// Pieces between breaks; a break at the end leaves an empty last piece.
std::vector<std::string> Pieces(std::string_view text) {
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            pieces.back() += text[i];
            continue;
        }
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        pieces.emplace_back();
    }
    return pieces;
}

std::string LineOf(const TLineStore& lines, std::int32_t lineIndex) {
    return std::string(lines.Get(lineIndex - 1));
}

// Makes sure line lineIndex exists.
void EnsureLine(TLineStore& lines, std::int32_t lineIndex) {
    while (lines.Count() < lineIndex) lines.Add("");
}

// Bytes [from, to) of a line, 0-based and clipped, widened or narrowed so that no
// double-byte character is cut: characters not wholly inside stay.
std::pair<std::size_t, std::size_t> WholeCharacters(std::string_view line, std::int32_t from,
                                                    std::int32_t to) {
    auto begin = static_cast<std::size_t>(std::clamp<std::int64_t>(from, 0, line.size()));
    auto end = static_cast<std::size_t>(std::clamp<std::int64_t>(to, begin, line.size()));
    if (begin < line.size() && ByteKindAt(line, begin) == ByteKind::Trail) ++begin;
    if (end > begin && end < line.size() && ByteKindAt(line, end) == ByteKind::Trail) --end;
    return {begin, std::max(begin, end)};
}

void RemoveNormal(TLineStore& lines, TBufferCoord first, TBufferCoord last) {
    const std::string head =
        LineOf(lines, first.LineIndex)
            .substr(0, static_cast<std::size_t>(std::max(0, first.CharIndex - 1)));
    const std::string tail = LineOf(lines, last.LineIndex);
    const auto cut = std::min(tail.size(), static_cast<std::size_t>(last.CharIndex - 1));
    lines.Put(first.LineIndex - 1, head + tail.substr(cut));
    lines.DeleteLines(first.LineIndex, last.LineIndex - first.LineIndex);
}

// The bytes of a line that a column block from first to last takes.
std::pair<std::size_t, std::size_t> ColumnBytes(std::string_view line, TBufferCoord first,
                                                TBufferCoord last) {
    return WholeCharacters(line, std::min(first.CharIndex, last.CharIndex) - 1,
                           std::max(first.CharIndex, last.CharIndex) - 1);
}

// What RemoveColumns takes, line by line: no blanks for the halves of cut characters and no
// padding, so that undo puts back exactly that.
std::string RemovedColumns(const TLineStore& lines, TBufferCoord first, TBufferCoord last) {
    std::string text;
    for (std::int32_t line = first.LineIndex; line <= last.LineIndex; ++line) {
        if (line > first.LineIndex) text += "\r\n";
        const std::string_view bytes = lines.Get(line - 1);
        const auto [begin, end] = ColumnBytes(bytes, first, last);
        text += bytes.substr(begin, end - begin);
    }
    return text;
}

void RemoveColumns(TLineStore& lines, TBufferCoord first, TBufferCoord last) {
    for (std::int32_t line = first.LineIndex; line <= last.LineIndex; ++line) {
        std::string text = LineOf(lines, line);
        const auto [begin, end] = ColumnBytes(text, first, last);
        if (begin == end) continue;
        text.erase(begin, end - begin);
        lines.Put(line - 1, text);
    }
}

// Removes the selection; answers where the insertion goes.
TBufferCoord RemoveSelection(TLineStore& lines, const TSelection& selection) {
    const TBufferCoord first = selection.First();
    const TBufferCoord last = selection.Last();
    switch (selection.CurrentMode()) {
        case TSelectionMode::smLine:
            // An empty store has no line to remove, though it counts as one.
            lines.DeleteLines(first.LineIndex - 1,
                              std::min(last.LineIndex, lines.Count()) - first.LineIndex + 1);
            return {1, first.LineIndex};
        case TSelectionMode::smColumn:
            RemoveColumns(lines, first, last);
            return {std::min(first.CharIndex, last.CharIndex), first.LineIndex};
        case TSelectionMode::smNormal:
            break;
    }
    RemoveNormal(lines, first, last);
    return first;
}

// The line padded with blanks so that index is at most its length + 1.
std::string PaddedTo(std::string line, std::int32_t index) {
    if (static_cast<std::int32_t>(line.size()) < index - 1)
        line.resize(static_cast<std::size_t>(index - 1), ' ');
    return line;
}

TBufferCoord InsertStream(TLineStore& lines, TBufferCoord at,
                          const std::vector<std::string>& pieces) {
    EnsureLine(lines, at.LineIndex);
    const std::string line = PaddedTo(LineOf(lines, at.LineIndex), at.CharIndex);
    const std::string head = line.substr(0, static_cast<std::size_t>(at.CharIndex - 1));
    const std::string tail = line.substr(static_cast<std::size_t>(at.CharIndex - 1));
    if (pieces.size() == 1) {
        lines.Put(at.LineIndex - 1, head + pieces[0] + tail);
        return {at.CharIndex + static_cast<std::int32_t>(pieces[0].size()), at.LineIndex};
    }
    lines.Put(at.LineIndex - 1, head + pieces.front());
    for (std::size_t i = 1; i + 1 < pieces.size(); ++i)
        lines.Insert(at.LineIndex - 1 + static_cast<std::int32_t>(i), pieces[i]);
    const auto lastLine = at.LineIndex + static_cast<std::int32_t>(pieces.size()) - 1;
    lines.Insert(lastLine - 1, pieces.back() + tail);
    return {static_cast<std::int32_t>(pieces.back().size()) + 1, lastLine};
}

TUndoItem Record(TChangeKind kind, TBufferCoord start, TBufferCoord end, std::string text,
                 TSelectionMode mode) {
    TUndoItem item;
    item.Kind = kind;
    item.RangeStart = start;
    item.RangeEnd = end;
    item.SavedText = std::move(text);
    item.SelectionModeAtChange = mode;
    return item;
}

// Adds to records what undo needs to take a column block back: the caret where it went in
// (restored last), a line break for each line the block appends (joined again after the
// lines are emptied), then what each line took, its padding included.
TBufferCoord InsertColumns(TLineStore& lines, TBufferCoord at,
                           const std::vector<std::string>& pieces,
                           std::vector<TUndoItem>& records) {
    records.push_back(Record(TChangeKind::ChangeCaret, at, at, "", TSelectionMode::smNormal));
    // An empty store counts as one line, so its first line is not an appended one.
    const std::int32_t oldCount = std::max(1, lines.Count());
    const auto oldLastLength =
        static_cast<std::int32_t>(lines.Count() > 0 ? lines.Get(oldCount - 1).size() : 0);
    std::vector<TUndoItem> insertions;
    TBufferCoord caret = at;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const auto lineIndex = at.LineIndex + static_cast<std::int32_t>(i);
        if (lineIndex > oldCount) {
            const TBufferCoord above{lineIndex - 1 == oldCount ? oldLastLength + 1 : 1,
                                     lineIndex - 1};
            records.push_back(
                Record(TChangeKind::ChangeLineBreak, above, above, "", TSelectionMode::smNormal));
        }
        EnsureLine(lines, lineIndex);
        std::string line = LineOf(lines, lineIndex);
        const std::size_t oldLength = line.size();
        line = PaddedTo(std::move(line), at.CharIndex);
        // Never between the two bytes of a character: a column inside one goes before it.
        auto where = static_cast<std::size_t>(at.CharIndex - 1);
        if (where < line.size() && ByteKindAt(line, where) == ByteKind::Trail) --where;
        line.insert(where, pieces[i]);
        lines.Put(lineIndex - 1, line);
        caret = {static_cast<std::int32_t>(where + pieces[i].size()) + 1, lineIndex};
        const auto start = static_cast<std::int32_t>(std::min(where, oldLength)) + 1;
        if (caret.CharIndex > start) {
            insertions.push_back(Record(TChangeKind::ChangeInsert, {start, lineIndex}, caret, "",
                                        TSelectionMode::smNormal));
        }
    }
    records.insert(records.end(), insertions.begin(), insertions.end());
    return caret;
}

// Whole lines that end the store and are replaced by nothing take the line break before
// them along, which their text (no break after the store's last line) does not hold: such
// a deletion is recorded as the stream from the end of the line before, so that undo brings
// back every line. Replaced by text, they leave a line in their place.
TUndoItem DeletionRecord(const TLineStore& lines, const TSelection& selection, TSelectionMode mode,
                         bool removedWhole) {
    const TBufferCoord first = selection.First();
    const TBufferCoord last = selection.Last();
    if (mode == TSelectionMode::smColumn)
        return Record(TChangeKind::ChangeDelete, first, last, RemovedColumns(lines, first, last),
                      mode);
    if (!removedWhole || mode != TSelectionMode::smLine || first.LineIndex <= 1 ||
        last.LineIndex < lines.Count()) {
        return Record(TChangeKind::ChangeDelete, first, last, selection.SelectedText(), mode);
    }
    const auto lengthOf = [&](std::int32_t line) {
        return static_cast<std::int32_t>(lines.Get(line - 1).size());
    };
    const TBufferCoord start{lengthOf(first.LineIndex - 1) + 1, first.LineIndex - 1};
    const std::int32_t lastLine = std::min(last.LineIndex, lines.Count());
    const TBufferCoord end{lengthOf(lastLine) + 1, lastLine};
    return Record(TChangeKind::ChangeDelete, start, end, "\r\n" + selection.SelectedText(),
                  TSelectionMode::smNormal);
}

// A stream over several lines that starts behind its first line's end starts at that end:
// the rest of its last line joins the first there, and undo puts the text back there.
void FirstEndOnItsLine(const TLineStore& lines, TSelection& selection) {
    const TBufferCoord first = selection.First();
    if (first.LineIndex == selection.Last().LineIndex || first.LineIndex < 1 ||
        first.LineIndex > lines.Count())
        return;
    const auto end = static_cast<std::int32_t>(lines.Get(first.LineIndex - 1).size()) + 1;
    if (first.CharIndex <= end) return;
    const TBufferCoord onLine{end, first.LineIndex};
    if (selection.Anchor() == first) {
        selection.SetEnds(onLine, selection.ActiveEnd());
    } else {
        selection.SetEnds(selection.Anchor(), onLine);
    }
}

}  // namespace

TSelectionEdit ReplaceSelectedText(TLineStore& lines, TSelection& selection,
                                   std::string_view text) {
    TSelectionEdit edit;
    const TSelectionMode mode =
        selection.HasSelection() ? selection.CurrentMode() : selection.SelectionMode();
    if (selection.HasSelection() && mode == TSelectionMode::smNormal)
        FirstEndOnItsLine(lines, selection);
    if (selection.HasSelection())
        edit.DeleteRecord = DeletionRecord(lines, selection, mode, text.empty());
    selection.SetCurrentMode(mode);
    return TLineStoreUpdate::Around(lines, [&] {
        TBufferCoord at =
            selection.HasSelection() ? RemoveSelection(lines, selection) : selection.First();
        at.CharIndex = std::max(1, at.CharIndex);
        at.LineIndex = std::max(1, at.LineIndex);
        if (mode == TSelectionMode::smLine) at.CharIndex = 1;
        // Whole lines removed at the end leave the caret on the new last line.
        if (text.empty()) at.LineIndex = std::min(at.LineIndex, std::max(1, lines.Count()));
        // A column block keeps the double-byte characters its edge cut, so its first end may
        // now fall inside one: the caret goes to that character's start.
        if (text.empty() && at.LineIndex <= lines.Count()) {
            const std::string_view line = lines.Get(at.LineIndex - 1);
            const auto index = static_cast<std::size_t>(at.CharIndex - 1);
            if (index < line.size() && ByteKindAt(line, index) == ByteKind::Trail) --at.CharIndex;
        }
        edit.Caret = at;
        if (!text.empty()) {
            const std::vector<std::string> pieces = Pieces(text);
            // Text put in past a line's end pads the line with blanks; the record covers them,
            // so that undo takes them away too.
            // A line that is not there yet is made empty, and padded from its start.
            TBufferCoord recordStart = at;
            const auto length = at.LineIndex <= lines.Count()
                                    ? static_cast<std::int32_t>(lines.Get(at.LineIndex - 1).size())
                                    : 0;
            recordStart.CharIndex = std::min(at.CharIndex, length + 1);
            if (mode == TSelectionMode::smColumn) {
                edit.Caret = InsertColumns(lines, at, pieces, edit.InsertRecords);
            } else {
                edit.Caret = InsertStream(lines, at, pieces);
                edit.InsertRecords.push_back(
                    Record(TChangeKind::ChangeInsert, recordStart, edit.Caret, "", mode));
            }
        }
        selection.SetEnds(edit.Caret, edit.Caret);
        return edit;
    });
}

void RestoreColumns(TLineStore& lines, TBufferCoord at, std::string_view text) {
    TLineStoreUpdate::Around(lines, [&] {
        const std::vector<std::string> pieces = Pieces(text);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            if (pieces[i].empty()) continue;
            const auto lineIndex = at.LineIndex + static_cast<std::int32_t>(i);
            EnsureLine(lines, lineIndex);
            std::string line = PaddedTo(LineOf(lines, lineIndex), at.CharIndex);
            // The deletion kept a character the column cut and took what followed it.
            auto where = static_cast<std::size_t>(at.CharIndex - 1);
            if (where < line.size() && ByteKindAt(line, where) == ByteKind::Trail) ++where;
            line.insert(where, pieces[i]);
            lines.Put(lineIndex - 1, line);
        }
    });
}

}  // namespace mirevo
