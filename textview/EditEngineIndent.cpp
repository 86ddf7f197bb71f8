// Tabs and block indentation: a tab (as blanks with eoTabsToSpaces, to the next word of the
// line above with eoSmartTabs), and the selected lines shifted right or left.
#include <algorithm>
#include <string>
#include <vector>

#include "common/Sjis.h"
#include "textview/EditEngine.h"
#include "textview/LineStoreTabs.h"
#include "textview/LineStoreUpdate.h"
#include "textview/UndoBlock.h"

namespace mirevo {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Display column (1-based) where text placed at a line's start ends.
std::int32_t ColumnAfter(std::string_view text, std::int32_t tabWidth) {
    std::string expanded;
    if (!ConvertTabsFor(tabWidth)(text, tabWidth, expanded))
        return static_cast<std::int32_t>(text.size()) + 1;
    return static_cast<std::int32_t>(expanded.size()) + 1;
}

// The column of the next word start after column in the expanded line; 0 when none.
std::int32_t NextWordColumn(std::string_view expanded, std::int32_t column) {
    auto at = static_cast<std::size_t>(column - 1);
    if (at >= expanded.size()) return 0;
    while (at < expanded.size() && !IsBlank(expanded[at])) ++at;
    while (at < expanded.size() && IsBlank(expanded[at])) ++at;
    return at < expanded.size() ? static_cast<std::int32_t>(at) + 1 : 0;
}

// The leading blanks removed by one unindent from index on: at most tabWidth columns, a tab
// whole.
std::string Unindented(std::string_view line, std::int32_t index, std::int32_t tabWidth) {
    std::size_t at = static_cast<std::size_t>(index - 1);
    std::int32_t columns = 0;
    while (at < line.size() && columns < tabWidth) {
        if (line[at] == '\t') {
            ++at;
            break;
        }
        if (line[at] != ' ') break;
        ++at;
        ++columns;
    }
    const auto from = std::min(static_cast<std::size_t>(index - 1), line.size());
    return std::string(line.substr(from, at - from));
}

}  // namespace

TEditEngine::TLineRange TEditEngine::BlockLines() const {
    if (!selection_.HasSelection())
        return {Caret().LineIndex, std::min(Caret().LineIndex, lines_.Count())};
    const TBufferCoord first = selection_.First();
    const TBufferCoord last = selection_.Last();
    std::int32_t lastLine = last.LineIndex;
    // A selection that ends at a line's start leaves that line alone.
    if (selection_.CurrentMode() == TSelectionMode::smNormal && last.CharIndex == 1 &&
        lastLine > first.LineIndex) {
        --lastLine;
    }
    return {first.LineIndex, std::min(lastLine, lines_.Count())};
}

std::int32_t TEditEngine::BlockColumn() const {
    if (!selection_.HasSelection() || selection_.CurrentMode() != TSelectionMode::smColumn)
        return 1;
    return std::min(selection_.Anchor().CharIndex, selection_.ActiveEnd().CharIndex);
}

void TEditEngine::InsertTab() {
    if (Option(TEditorOption::eoTabIndent) && selection_.HasSelection() &&
        selection_.First().LineIndex != selection_.Last().LineIndex) {
        IndentBlock();
        return;
    }
    const std::string_view line = lines_.Get(Caret().LineIndex - 1);
    const auto end = static_cast<std::int32_t>(line.size()) + 1;
    const std::int32_t column =
        ColumnAfter(line.substr(0, static_cast<std::size_t>(std::min(Caret().CharIndex, end) - 1)),
                    host_.Style().tabWidth) +
        std::max(0, Caret().CharIndex - end);
    std::int32_t width = host_.Style().tabWidth - (column - 1) % host_.Style().tabWidth;
    bool smart = false;
    if (Option(TEditorOption::eoSmartTabs)) {
        for (std::int32_t above = Caret().LineIndex - 1; above >= 1; --above) {
            const std::string expanded(lines_.ExpandedLine(above - 1));
            if (static_cast<std::int32_t>(expanded.size()) < column) continue;
            const std::int32_t target = NextWordColumn(expanded, column);
            if (target > column) {
                width = target - column;
                smart = true;
            }
            break;
        }
    }
    const bool blanks = smart || Option(TEditorOption::eoTabsToSpaces);
    InsertTyped(blanks ? std::string(static_cast<std::size_t>(width), ' ') : std::string("\t"),
                false);
}

void TEditEngine::IndentBlock() {
    const TLineRange range = BlockLines();
    if (range.Last < range.First) return;
    const std::int32_t column = BlockColumn();
    const std::string indent =
        Option(TEditorOption::eoTabsToSpaces)
            ? std::string(static_cast<std::size_t>(host_.Style().tabWidth), ' ')
            : std::string("\t");
    const auto width = static_cast<std::int32_t>(indent.size());
    const TSelectionMode mode = selection_.CurrentMode();
    const TBufferCoord anchor = selection_.Anchor();
    const TBufferCoord active = selection_.ActiveEnd();
    const TBufferCoord caret = Caret();
    Updating([&] {
        TUndoBlock::Around(undoList_, [&] {
            // Undo takes the indents back first, then restores the selection.
            undoList_.RecordChange(TChangeKind::ChangeIndent,
                                   selection_.HasSelection() ? selection_.First() : caret,
                                   selection_.HasSelection() ? selection_.Last() : caret, {}, mode);
            // The column each line was indented at (0: not indented). A column inside a double-byte
            // character indents before it, so no character is split.
            std::vector<std::int32_t> indentedAt(
                static_cast<std::size_t>(range.Last - range.First + 1), 0);
            for (std::int32_t line = range.First; line <= range.Last; ++line) {
                const std::string_view text = lines_.Get(line - 1);
                if (static_cast<std::int32_t>(text.size()) < column - 1) continue;
                std::int32_t at = column;
                if (at - 1 < static_cast<std::int32_t>(text.size()) &&
                    ByteKindAt(text, static_cast<std::size_t>(at - 1)) == ByteKind::Trail) {
                    --at;
                }
                ReplaceRange({at, line}, {at, line}, indent, TSelectionMode::smNormal);
                undoList_.RecordChange(TChangeKind::ChangeInsert, {at, line}, {at + width, line},
                                       {}, TSelectionMode::smNormal);
                indentedAt[static_cast<std::size_t>(line - range.First)] = at;
            }
            const auto shifted = [&](TBufferCoord p) {
                const std::int32_t at =
                    p.LineIndex >= range.First && p.LineIndex <= range.Last
                        ? indentedAt[static_cast<std::size_t>(p.LineIndex - range.First)]
                        : 0;
                const bool moved = at > 0 && p.CharIndex >= at;
                return moved ? TBufferCoord{p.CharIndex + width, p.LineIndex} : p;
            };
            host_.SetActiveSelectionMode(mode);
            host_.SetCaretAndSelection(shifted(caret), shifted(anchor), shifted(active));
        });
    });
}

void TEditEngine::UnindentBlock() {
    const TLineRange range = BlockLines();
    if (range.Last < range.First) return;
    const std::int32_t column = BlockColumn();
    const TBufferCoord first = selection_.HasSelection() ? selection_.First() : Caret();
    const TBufferCoord last = selection_.HasSelection() ? selection_.Last() : Caret();
    // One piece per line from the first end's line to the last end's, as undo reads them.
    std::vector<std::string> removed;
    bool any = false;
    for (std::int32_t line = first.LineIndex; line <= last.LineIndex; ++line) {
        const bool inRange = line >= range.First && line <= range.Last;
        removed.push_back(inRange ? Unindented(lines_.Get(line - 1), column, host_.Style().tabWidth)
                                  : "");
        any = any || !removed.back().empty();
    }
    if (!any) return;
    const TSelectionMode mode = selection_.CurrentMode();
    const TBufferCoord anchor = selection_.Anchor();
    const TBufferCoord active = selection_.ActiveEnd();
    const TBufferCoord caret = Caret();
    Updating([&] {
        std::string saved;
        TLineStoreUpdate::Around(lines_, [&] {
            for (std::size_t i = 0; i < removed.size(); ++i) {
                if (i > 0) saved += "\r\n";
                saved += removed[i];
                if (removed[i].empty()) continue;
                const std::int32_t line = first.LineIndex + static_cast<std::int32_t>(i);
                std::string text(lines_.Get(line - 1));
                text.erase(static_cast<std::size_t>(column - 1), removed[i].size());
                lines_.Put(line - 1, text);
            }
        });
        const auto shifted = [&](TBufferCoord p) {
            const auto i = static_cast<std::size_t>(p.LineIndex - first.LineIndex);
            if (p.LineIndex < first.LineIndex || i >= removed.size()) return p;
            const auto width = static_cast<std::int32_t>(removed[i].size());
            return TBufferCoord{
                p.CharIndex >= column + width ? p.CharIndex - width : std::min(p.CharIndex, column),
                p.LineIndex};
        };
        host_.SetActiveSelectionMode(mode);
        host_.SetCaretAndSelection(shifted(caret), shifted(anchor), shifted(active));
        // Undo and redo find the removed text at the block's column in smColumn, else at the
        // line's start: the record's mode says where it was taken from.
        const TSelectionMode recorded =
            column == 1 && mode == TSelectionMode::smColumn ? TSelectionMode::smNormal : mode;
        undoList_.RecordChange(TChangeKind::ChangeUnindent, first, last, saved, recorded);
    });
}

}  // namespace mirevo
