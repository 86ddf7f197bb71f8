// The case commands: upper, lower, toggled and title case of the word at the caret or of
// the selection. Only ASCII letters change; double-byte characters are left alone, also
// where their second byte looks like a letter.
#include <algorithm>
#include <string>
#include <vector>

#include "common/Sjis.h"
#include "textview/EditEngine.h"
#include "textview/SelectionText.h"
#include "textview/UndoBlock.h"
#include "textview/WordClass.h"

namespace mirevo {

namespace {

bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
char ToUpper(char c) { return IsLower(c) ? static_cast<char>(c - 'a' + 'A') : c; }
char ToLower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

std::string WithCase(std::string text, TEditorCommand command) {
    bool wordStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsLeadByte(text[i]) && i + 1 < text.size()) {
            ++i;
            wordStart = true;
            continue;
        }
        char& c = text[i];
        const bool inWord = IsWordChar(static_cast<unsigned char>(c));
        switch (command) {
            case ecUpperCase:
            case ecUpperCaseBlock:
                c = ToUpper(c);
                break;
            case ecLowerCase:
            case ecLowerCaseBlock:
                c = ToLower(c);
                break;
            case ecToggleCase:
            case ecToggleCaseBlock:
                c = IsUpper(c) ? ToLower(c) : ToUpper(c);
                break;
            default:  // title case
                c = wordStart ? ToUpper(c) : ToLower(c);
                break;
        }
        wordStart = !inWord;
    }
    return text;
}

struct TSegment {
    TBufferCoord First;
    TBufferCoord Last;
    std::string Old;
    std::string New;
};

// The single-byte word characters around p, as a segment of its line; empty when none.
TSegment WordSegment(const TLineStore& lines, TBufferCoord p) {
    const std::string_view line = lines.Get(p.LineIndex - 1);
    const auto isWordByte = [&](std::int32_t index) {
        const auto at = static_cast<std::size_t>(index - 1);
        return index >= 1 && at < line.size() && ByteKindAt(line, at) == ByteKind::Single &&
               IsWordChar(static_cast<unsigned char>(line[at]));
    };
    std::int32_t start = std::min(p.CharIndex, static_cast<std::int32_t>(line.size()) + 1);
    std::int32_t end = start;
    while (isWordByte(start - 1)) --start;
    while (isWordByte(end)) ++end;
    return {{start, p.LineIndex}, {end, p.LineIndex}, {}, {}};
}

// The selection as stream pieces: one for a stream or whole lines, one per line for columns.
std::vector<TSegment> SelectionSegments(const TLineStore& lines, const TSelection& selection) {
    const TBufferCoord first = selection.First();
    const TBufferCoord last = selection.Last();
    const auto endOf = [&](std::int32_t line) {
        return static_cast<std::int32_t>(lines.Get(line - 1).size()) + 1;
    };
    switch (selection.CurrentMode()) {
        case TSelectionMode::smLine: {
            const std::int32_t lastLine = std::min(last.LineIndex, std::max(1, lines.Count()));
            return {{{1, first.LineIndex}, {endOf(lastLine), lastLine}, {}, {}}};
        }
        case TSelectionMode::smColumn: {
            std::vector<TSegment> segments;
            const std::int32_t left = std::min(first.CharIndex, last.CharIndex);
            const std::int32_t right = std::max(first.CharIndex, last.CharIndex);
            for (std::int32_t line = first.LineIndex; line <= last.LineIndex; ++line) {
                const std::int32_t end = endOf(line);
                segments.push_back(
                    {{std::min(left, end), line}, {std::min(right, end), line}, {}, {}});
            }
            return segments;
        }
        case TSelectionMode::smNormal:
            break;
    }
    return {{first, last, {}, {}}};
}

bool OnTrailByte(const TLineStore& lines, TBufferCoord p) {
    return p.CharIndex > 1 &&
           ByteKindAt(lines.Get(p.LineIndex - 1), static_cast<std::size_t>(p.CharIndex - 1)) ==
               ByteKind::Trail;
}

// A segment that starts or ends on the second byte of a character (a column edge through
// it) takes that character in whole, so that no end recorded for undo splits it.
TSegment WholeCharacters(const TLineStore& lines, TSegment segment) {
    if (OnTrailByte(lines, segment.First)) --segment.First.CharIndex;
    if (OnTrailByte(lines, segment.Last)) ++segment.Last.CharIndex;
    return segment;
}

// A segment over several lines that starts behind its first line's end starts at that end:
// its text holds nothing of the gap, and the new text goes in where the old one began.
TSegment StartOnItsLine(const TLineStore& lines, TSegment segment) {
    if (segment.First.LineIndex >= segment.Last.LineIndex) return segment;
    const auto end = static_cast<std::int32_t>(lines.Get(segment.First.LineIndex - 1).size()) + 1;
    segment.First.CharIndex = std::min(segment.First.CharIndex, end);
    return segment;
}

}  // namespace

void TEditEngine::ChangeCase(TEditorCommand command) {
    const bool blockForm = command >= ecUpperCaseBlock;
    if (blockForm && !selection_.HasSelection()) return;
    std::vector<TSegment> segments = selection_.HasSelection()
                                         ? SelectionSegments(lines_, selection_)
                                         : std::vector<TSegment>{WordSegment(lines_, Caret())};
    bool changes = false;
    for (TSegment& segment : segments) {
        segment = StartOnItsLine(lines_, WholeCharacters(lines_, segment));
        segment.Old = TextBetween(lines_, segment.First, segment.Last, TSelectionMode::smNormal);
        segment.New = WithCase(segment.Old, command);
        changes = changes || segment.New != segment.Old;
    }
    if (!changes) return;
    const TSelectionMode mode = selection_.CurrentMode();
    const TBufferCoord anchor = selection_.Anchor();
    const TBufferCoord active = selection_.ActiveEnd();
    const TBufferCoord caret = Caret();
    Updating([&] {
        TUndoBlock::Around(undoList_, [&] {
            // Undo puts the old text back silently, then the selection and the caret as they were.
            undoList_.RecordChange(TChangeKind::ChangeCaret, caret, caret, {}, mode);
            undoList_.RecordChange(TChangeKind::ChangeSelection, anchor, active, {}, mode);
            for (const TSegment& segment : segments) {
                if (segment.New == segment.Old) continue;
                ReplaceRange(segment.First, segment.Last, {}, TSelectionMode::smNormal);
                undoList_.RecordChange(TChangeKind::ChangeSilentDeleteAfterCaret, segment.First,
                                       segment.Last, segment.Old, TSelectionMode::smNormal);
                const TBufferCoord end = ReplaceRange(segment.First, segment.First, segment.New,
                                                      TSelectionMode::smNormal)
                                             .Caret;
                undoList_.RecordChange(TChangeKind::ChangeInsert, segment.First, end, {},
                                       TSelectionMode::smNormal);
            }
            host_.SetActiveSelectionMode(mode);
            host_.SetCaretAndSelection(caret, anchor, active);
            // Redo ends with this item, so the caret comes back where the command left it.
            undoList_.RecordChange(TChangeKind::ChangeCaret, caret, caret, {}, mode);
        });
    });
}

}  // namespace mirevo
