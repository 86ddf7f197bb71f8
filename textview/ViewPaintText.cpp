// The text view's text rows: right edge, margin, rows with their selection, area below.
#include <algorithm>

#include "common/Sjis.h"
#include "textview/CustomTextView.h"

namespace mirevo {

namespace {

constexpr char kTabMark = '\xBB';
constexpr char kSpaceMark = '\xB7';
constexpr char kLineEndMark = '\xB6';

bool IsTrail(std::string_view run, std::int32_t column) {
    return column > 1 && column <= static_cast<std::int32_t>(run.size()) &&
           ByteKindAt(run, static_cast<std::size_t>(column - 1)) == ByteKind::Trail;
}

}  // namespace

struct TCustomTextView::TPaintSelection {
    bool Active = false;
    bool Column = false;
    TDisplayCoord Start;
    TDisplayCoord End;
};

TColor TCustomTextView::EditorBackground(std::int32_t line) const {
    return style_.activeLineColor != clNone && line == caret_.LineIndex ? style_.activeLineColor
                                                                        : Color();
}

void TCustomTextView::SetPaintColors(IDrawingSurface& canvas, TColor fg, TColor bg) {
    drawer_.SetForeColor(fg);
    drawer_.SetBackColor(bg);
    canvas.SetBrushColor(bg);
}

TCustomTextView::TPaintSelection TCustomTextView::PaintSelection(std::int32_t firstLine,
                                                                 std::int32_t lastLine) const {
    TPaintSelection selection;
    if (style_.hideSelection && !(window_ && window_->Focused())) return selection;
    const TBufferCoord first = SelectionFirst();
    const TBufferCoord last = SelectionLast();
    if (first == last || last.LineIndex < firstLine || first.LineIndex > lastLine) return selection;
    selection.Active = true;
    selection.Column = ActiveSelectionMode() == TSelectionMode::smColumn;
    selection.Start = BufferToDisplay(first);
    selection.End = BufferToDisplay(last);
    if (selection.Column && selection.Start.Column > selection.End.Column) {
        std::swap(selection.Start.Column, selection.End.Column);
    }
    return selection;
}

void TCustomTextView::PaintTextLines(IDrawingSurface& canvas, TRect clip, std::int32_t firstRow,
                                     std::int32_t lastRow, std::int32_t c1, std::int32_t c2) {
    const std::int32_t firstLine = LineOfRow(firstRow);
    const std::int32_t lastLine = LineOfRow(lastRow);
    const std::int32_t edgeX = style_.rightEdge * layout_.CellWidth() + layout_.TextOffset();
    const bool drawEdge = style_.rightEdge > 0 && edgeX >= clip.Left && edgeX <= clip.Right;
    if (drawEdge) canvas.SetPen(style_.rightEdgeColor, 1);
    if (clip.Left < layout_.GutterWidth() + 2) {
        canvas.SetBrushColor(Color());
        canvas.FillRect({std::max(clip.Left, layout_.GutterWidth()), clip.Top,
                         layout_.GutterWidth() + 2, clip.Bottom});
        clip.Left = layout_.GutterWidth() + 2;
    }
    if (lastLine >= firstLine) {
        const TPaintSelection selection = PaintSelection(firstLine, lastLine);
        drawer_.SetStyle(TFontStyles{static_cast<std::uint8_t>(StylesOf(font_).Mask())});
        drawer_.BeginDrawing(canvas);
        try {
            for (std::int32_t line = firstLine; line <= lastLine; ++line) {
                PaintLine(canvas, clip, line, firstRow, lastRow, c1, c2, selection);
                if (drawEdge) canvas.SetPen(style_.rightEdgeColor, 1);
            }
        } catch (...) {
            drawer_.EndDrawing();
            throw;
        }
        drawer_.EndDrawing();
    }
    const std::int32_t below = RowTop(lastRow) + layout_.RowHeight();
    if (below < clip.Bottom) {
        canvas.SetBrushColor(Color());
        canvas.FillRect({clip.Left, below, clip.Right, clip.Bottom});
        if (drawEdge) canvas.DrawLine(edgeX, below, edgeX, clip.Bottom + 1);
    }
}

void TCustomTextView::PaintLine(IDrawingSurface& canvas, const TRect& clip, std::int32_t line,
                                std::int32_t firstRow, std::int32_t lastRow, std::int32_t c1,
                                std::int32_t c2, const TPaintSelection& selection) {
    const std::string expanded(lines_.ExpandedLine(line - 1));
    TColor fg = style_.fontColor;
    TColor bg = EditorBackground(line);
    bool special = false;
    if (OnSpecialLineColors) OnSpecialLineColors(this, line, special, fg, bg);
    const TColor selFg = special ? bg : selectedColor_.Foreground();
    const TColor selBg = special ? fg : selectedColor_.Background();
    const std::int32_t edgeX = style_.rightEdge * layout_.CellWidth() + layout_.TextOffset();
    const bool drawEdge = style_.rightEdge > 0 && edgeX >= clip.Left && edgeX <= clip.Right;
    const bool showSpecial = options_.Contains(TEditorOption::eoShowSpecialChars);

    const std::int32_t rowFrom = std::max(RowOfLine(line), firstRow);
    const std::int32_t rowTo = std::min(RowOfLine(line + 1) - 1, lastRow);
    for (std::int32_t row = rowFrom; row <= rowTo; ++row) {
        std::int32_t first = c1;
        std::int32_t last = c2;
        if (layout_.Wrap()) {
            first = layout_.Wrap()->DisplayToBufferPos({1, row}).CharIndex;
            last = layout_.Wrap()->DisplayToBufferPos({c2, row}).CharIndex;
        }
        std::int32_t selStart = 0;
        std::int32_t selEnd = 0;
        bool complex = false;
        if (selection.Active && row >= selection.Start.Row && row <= selection.End.Row) {
            selStart = c1;
            selEnd = c2 + 1;
            if (selection.Column || row == selection.Start.Row) {
                if (selection.Start.Column > c2) {
                    selStart = selEnd = 0;
                } else if (selection.Start.Column > c1) {
                    selStart = selection.Start.Column;
                    complex = true;
                }
            }
            if (selStart > 0 && (selection.Column || row == selection.End.Row)) {
                if (selection.End.Column < c1) {
                    selStart = selEnd = 0;
                    complex = false;
                } else if (selection.End.Column < c2) {
                    selEnd = selection.End.Column;
                    complex = true;
                }
            }
        }
        const TRect rowRect{clip.Left, RowTop(row), clip.Right, RowTop(row) + layout_.RowHeight()};
        const bool rangeIsColumns = first == c1 && last == c2;
        std::string run =
            rangeIsColumns ? expanded
                           : expanded.substr(std::min<std::size_t>(first - 1, expanded.size()),
                                             static_cast<std::size_t>(std::max(last - first, 0)));
        const std::int32_t charsBefore = rangeIsColumns ? 0 : first - 1;
        const std::int32_t rangeLength = rangeIsColumns ? c2 : last - first;
        if (showSpecial && static_cast<std::int32_t>(run.size()) < rangeLength &&
            (!layout_.Wrap() || row == RowOfLine(line + 1) - 1)) {
            run.push_back(kLineEndMark);
        }
        if (selection.Active && selection.Column && selStart > 0) {
            if (IsTrail(run, selStart)) ++selStart;
            if (IsTrail(run, selEnd)) ++selEnd;
        }
        TRect token = rowRect;
        if (complex) {
            SetPaintColors(canvas, fg, bg);
            token.Left = std::max(rowRect.Left, ColumnToX(c1));
            token.Right = std::min(rowRect.Right, ColumnToX(selStart));
            PaintToken(canvas, run, charsBefore, c1, selStart - 1, token);
            token.Left = std::max(rowRect.Left, ColumnToX(selEnd));
            token.Right = rowRect.Right;
            PaintToken(canvas, run, charsBefore, selEnd, c2, token);
            SetPaintColors(canvas, selFg, selBg);
            token.Left = std::max(rowRect.Left, ColumnToX(selStart));
            token.Right = std::min(rowRect.Right, ColumnToX(selEnd));
            PaintToken(canvas, run, charsBefore, selStart, selEnd - 1, token);
        } else {
            const bool fully = selStart > 0;
            SetPaintColors(canvas, fully ? selFg : fg, fully ? selBg : bg);
            PaintToken(canvas, run, charsBefore, c1, c2, token);
        }
        if (drawEdge) canvas.DrawLine(edgeX, rowRect.Top, edgeX, rowRect.Bottom + 1);
    }
}

void TCustomTextView::PaintToken(IDrawingSurface& /*canvas*/, std::string& run,
                                 std::int32_t charsBefore, std::int32_t first, std::int32_t last,
                                 TRect& rect) {
    const auto length = static_cast<std::int32_t>(run.size());
    const bool showSpecial = options_.Contains(TEditorOption::eoShowSpecialChars);
    std::vector<std::int32_t> tabs;  // columns that held TAB bytes, for the tab marks
    for (std::int32_t p = std::min(last, length); p >= std::max(first, 1); --p) {
        char& c = run[static_cast<std::size_t>(p - 1)];
        if (showSpecial && c == ' ') c = kSpaceMark;
        if (c == '\t') {
            c = ' ';
            if (showSpecial) tabs.push_back(p);
        }
    }
    if (last < first || rect.IsEmpty()) return;
    std::int32_t x = ColumnToX(first);
    if (first > length) {
        drawer_.ExtTextOut(x, rect.Top, TTextOutOptions::Opaque, &rect, {});
    } else {
        if (first > 1 && IsTrail(run, first)) {
            --first;
            x -= layout_.CellWidth();
        }
        const std::int32_t count = std::min(last - first + 1, length - first + 1);
        drawer_.ExtTextOut(x, rect.Top, TTextOutOptions::Opaque, &rect,
                           std::string_view(run).substr(static_cast<std::size_t>(first - 1),
                                                        static_cast<std::size_t>(count)));
        std::sort(tabs.begin(), tabs.end());
        for (std::size_t i = 0; i < tabs.size();) {
            const std::int32_t p = tabs[i];
            std::int32_t w = 1;
            while ((p + charsBefore + w - 1) % style_.tabWidth != 0) ++w;
            const std::int32_t markX = w % 2 == 1
                                           ? ColumnToX(p + w / 2)
                                           : ColumnToX(p + w / 2 - 1) + layout_.CellWidth() / 2;
            const TRect cell{markX, rect.Top, markX + layout_.CellWidth(),
                             rect.Top + layout_.RowHeight()};
            drawer_.ExtTextOut(markX, rect.Top, TTextOutOptions::Opaque, &cell,
                               std::string_view(&kTabMark, 1));
            while (i < tabs.size() && tabs[i] < p + w) ++i;
        }
    }
    rect.Left = rect.Right;
}

}  // namespace mirevo
