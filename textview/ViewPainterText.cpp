// The painter's text rows: right edge, margin, rows with their selection, area below.
#include <algorithm>
#include <optional>
#include <vector>

#include "common/Sjis.h"
#include "textview/ViewPainter.h"

namespace mirevo {

namespace {

constexpr char kTabMark = '\xBB';
constexpr char kSpaceMark = '\xB7';
constexpr char kLineEndMark = '\xB6';

TColor EditorBackground(const TPaintScene& s, std::int32_t line) {
    return s.style.activeLineColor != clNone && line == s.caret.LineIndex ? s.style.activeLineColor
                                                                          : s.background;
}

// The x of the right edge, when it falls within the clip.
std::optional<std::int32_t> RightEdgeIn(const TPaintScene& s, const TRect& clip) {
    const std::int32_t edgeX = s.style.rightEdge * s.layout.CellWidth() + s.layout.TextOffset();
    if (s.style.rightEdge <= 0 || edgeX < clip.Left || edgeX > clip.Right) return std::nullopt;
    return edgeX;
}

}  // namespace

void TViewPainter::SetPaintColors(IDrawingSurface& canvas, TColor fg, TColor bg) {
    drawer_.SetForeColor(fg);
    drawer_.SetBackColor(bg);
    canvas.SetBrushColor(bg);
}

TViewPainter::TSelectionSpan TViewPainter::SelectionSpan(const TPaintScene& s, TRows lines) const {
    TSelectionSpan span;
    if (!s.selectionShown) return span;
    const TBufferCoord first = s.selection.First();
    const TBufferCoord last = s.selection.Last();
    if (first == last || last.LineIndex < lines.First || first.LineIndex > lines.Last) return span;
    span.Active = true;
    span.Column = s.selection.CurrentMode() == TSelectionMode::smColumn;
    span.Start = s.layout.BufferToDisplay(first);
    span.End = s.layout.BufferToDisplay(last);
    if (span.Column && span.Start.Column > span.End.Column) {
        std::swap(span.Start.Column, span.End.Column);
    }
    return span;
}

void TViewPainter::PaintTextLines(IDrawingSurface& canvas, const TPaintScene& s, TRect clip,
                                  TRows rows, std::int32_t c1, std::int32_t c2) {
    const TViewLayout& layout = s.layout;
    const TRows lines{layout.LineOfRow(rows.First), layout.LineOfRow(rows.Last)};
    const std::optional<std::int32_t> edgeX = RightEdgeIn(s, clip);
    if (edgeX) canvas.SetPen(s.style.rightEdgeColor, 1);
    if (clip.Left < layout.TextLeft()) {
        canvas.SetBrushColor(s.background);
        canvas.FillRect(
            {std::max(clip.Left, layout.GutterWidth()), clip.Top, layout.TextLeft(), clip.Bottom});
        clip.Left = layout.TextLeft();
    }
    if (lines.Last >= lines.First) {
        const TSelectionSpan selection = SelectionSpan(s, lines);
        drawer_.SetStyle(TFontStyles{static_cast<std::uint8_t>(StylesOf(s.font).Mask())});
        drawer_.BeginDrawing(canvas);
        try {
            for (std::int32_t line = lines.First; line <= lines.Last; ++line) {
                PaintLine(canvas, s, clip, line, rows, c1, c2, selection);
                if (edgeX) canvas.SetPen(s.style.rightEdgeColor, 1);
            }
        } catch (...) {
            drawer_.EndDrawing();
            throw;
        }
        drawer_.EndDrawing();
    }
    const std::int32_t below = layout.RowTop(rows.Last) + layout.RowHeight();
    if (below < clip.Bottom) {
        canvas.SetBrushColor(s.background);
        canvas.FillRect({clip.Left, below, clip.Right, clip.Bottom});
        if (edgeX) canvas.DrawLine(*edgeX, below, *edgeX, clip.Bottom + 1);
    }
}

void TViewPainter::PaintLine(IDrawingSurface& canvas, const TPaintScene& s, const TRect& clip,
                             std::int32_t line, TRows rows, std::int32_t c1, std::int32_t c2,
                             const TSelectionSpan& selection) {
    const TViewLayout& layout = s.layout;
    const TWordWrapPlugin* wrap = layout.Wrap();
    const std::string expanded(s.lines.ExpandedLine(line - 1));
    TColor fg = s.style.fontColor;
    TColor bg = EditorBackground(s, line);
    bool special = false;
    if (s.events.OnSpecialLineColors) s.events.OnSpecialLineColors(s.sender, line, special, fg, bg);
    const TColor selFg = special ? bg : s.selectedColor.Foreground();
    const TColor selBg = special ? fg : s.selectedColor.Background();
    const std::optional<std::int32_t> edgeX = RightEdgeIn(s, clip);

    const std::int32_t rowFrom = std::max(layout.RowOfLine(line), rows.First);
    const std::int32_t rowTo = std::min(layout.RowOfLine(line + 1) - 1, rows.Last);
    for (std::int32_t row = rowFrom; row <= rowTo; ++row) {
        std::int32_t first = c1;
        std::int32_t last = c2;
        if (wrap) {
            first = wrap->DisplayToBufferPos({1, row}).CharIndex;
            last = wrap->DisplayToBufferPos({c2, row}).CharIndex;
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
        const std::int32_t rowTop = layout.RowTop(row);
        const TRect rowRect{clip.Left, rowTop, clip.Right, rowTop + layout.RowHeight()};
        const bool rangeIsColumns = first == c1 && last == c2;
        std::string run =
            rangeIsColumns ? expanded
                           : expanded.substr(std::min<std::size_t>(first - 1, expanded.size()),
                                             static_cast<std::size_t>(std::max(last - first, 0)));
        const std::int32_t charsBefore = rangeIsColumns ? 0 : first - 1;
        const std::int32_t rangeLength = rangeIsColumns ? c2 : last - first;
        if (s.showSpecialChars && static_cast<std::int32_t>(run.size()) < rangeLength &&
            (!wrap || row == layout.RowOfLine(line + 1) - 1)) {
            run.push_back(kLineEndMark);
        }
        if (selection.Active && selection.Column && selStart > 0) {
            if (OnTrailByte(run, selStart)) ++selStart;
            if (OnTrailByte(run, selEnd)) ++selEnd;
        }
        TRect token = rowRect;
        if (complex) {
            SetPaintColors(canvas, fg, bg);
            token.Left = std::max(rowRect.Left, layout.ColumnToX(c1));
            token.Right = std::min(rowRect.Right, layout.ColumnToX(selStart));
            PaintToken(s, run, charsBefore, c1, selStart - 1, token);
            token.Left = std::max(rowRect.Left, layout.ColumnToX(selEnd));
            token.Right = rowRect.Right;
            PaintToken(s, run, charsBefore, selEnd, c2, token);
            SetPaintColors(canvas, selFg, selBg);
            token.Left = std::max(rowRect.Left, layout.ColumnToX(selStart));
            token.Right = std::min(rowRect.Right, layout.ColumnToX(selEnd));
            PaintToken(s, run, charsBefore, selStart, selEnd - 1, token);
        } else {
            const bool fully = selStart > 0;
            SetPaintColors(canvas, fully ? selFg : fg, fully ? selBg : bg);
            PaintToken(s, run, charsBefore, c1, c2, token);
        }
        if (edgeX) canvas.DrawLine(*edgeX, rowRect.Top, *edgeX, rowRect.Bottom + 1);
    }
}

void TViewPainter::PaintToken(const TPaintScene& s, std::string& run, std::int32_t charsBefore,
                              std::int32_t first, std::int32_t last, TRect& rect) {
    const TViewLayout& layout = s.layout;
    const std::int32_t cell = layout.CellWidth();
    const auto length = static_cast<std::int32_t>(run.size());
    std::vector<std::int32_t> tabs;  // columns that held TAB bytes, for the tab marks
    for (std::int32_t p = std::min(last, length); p >= std::max(first, 1); --p) {
        char& c = run[static_cast<std::size_t>(p - 1)];
        if (s.showSpecialChars && c == ' ') c = kSpaceMark;
        if (c == '\t') {
            c = ' ';
            if (s.showSpecialChars) tabs.push_back(p);
        }
    }
    if (last < first || rect.IsEmpty()) return;
    std::int32_t x = layout.ColumnToX(first);
    if (first > length) {
        drawer_.ExtTextOut(x, rect.Top, TTextOutOptions::Opaque, &rect, {});
    } else {
        if (first > 1 && OnTrailByte(run, first)) {
            --first;
            x -= cell;
        }
        const std::int32_t count = std::min(last - first + 1, length - first + 1);
        drawer_.ExtTextOut(x, rect.Top, TTextOutOptions::Opaque, &rect,
                           std::string_view(run).substr(static_cast<std::size_t>(first - 1),
                                                        static_cast<std::size_t>(count)));
        std::sort(tabs.begin(), tabs.end());
        const std::int32_t tabWidth = s.style.tabWidth;
        for (std::size_t i = 0; i < tabs.size();) {
            const std::int32_t p = tabs[i];
            std::int32_t w = 1;
            while ((p + charsBefore + w - 1) % tabWidth != 0) ++w;
            const std::int32_t markX = w % 2 == 1 ? layout.ColumnToX(p + w / 2)
                                                  : layout.ColumnToX(p + w / 2 - 1) + cell / 2;
            const TRect mark{markX, rect.Top, markX + cell, rect.Top + layout.RowHeight()};
            drawer_.ExtTextOut(markX, rect.Top, TTextOutOptions::Opaque, &mark,
                               std::string_view(&kTabMark, 1));
            while (i < tabs.size() && tabs[i] < p + w) ++i;
        }
    }
    rect.Left = rect.Right;
}

}  // namespace mirevo
