// The painter: clip to rows and columns, then the gutter.
#include <algorithm>

#include "textview/ViewPainter.h"
#include "textview/ScrollMath.h"

namespace mirevo {

namespace {

std::uint8_t Component(TColorRef color, int shift) {
    return static_cast<std::uint8_t>(color >> shift);
}

}  // namespace

TViewPainter::TViewPainter(TTextDrawer& drawer, IDrawingResources& resources)
    : drawer_(drawer), resources_(resources) {}

void TViewPainter::Paint(IDrawingSurface& canvas, const TPaintScene& s) {
    const TViewLayout& layout = s.layout;
    const std::int32_t cell = layout.CellWidth();
    const std::int32_t rowHeight = layout.RowHeight();
    if (cell <= 0 || rowHeight <= 0) return;
    const TRect clip = canvas.ClipRect();
    const std::int32_t textLeft = layout.TextLeft();
    const std::int32_t gutterWidth = layout.GutterWidth();
    const std::int32_t top = layout.TopLine();
    std::int32_t c1 = layout.LeftChar();
    if (clip.Left > textLeft) c1 += (clip.Left - textLeft) / cell;
    const std::int32_t c2 = layout.LeftChar() + (clip.Right - textLeft + cell - 1) / cell;
    const TRows rows{
        std::max(top + clip.Top / rowHeight, top),
        std::max(std::min(top + (clip.Bottom + rowHeight - 1) / rowHeight, layout.RowCount()), 1)};
    if (clip.Left < gutterWidth) {
        PaintGutter(canvas, s, {clip.Left, clip.Top, gutterWidth, clip.Bottom}, rows);
    }
    if (clip.Right > gutterWidth) {
        PaintTextLines(canvas, s,
                       {std::max(clip.Left, gutterWidth), clip.Top, clip.Right, clip.Bottom}, rows,
                       c1, c2);
    }
}

// --- Gutter --------------------------------------------------------------------------------

void TViewPainter::PaintGutter(IDrawingSurface& canvas, const TPaintScene& s, TRect clip,
                               TRows rows) {
    const TGutter& gutter = s.gutter;
    const TRows lines{s.layout.LineOfRow(rows.First), s.layout.LineOfRow(rows.Last)};
    if (gutter.Gradient()) PaintGutterGradient(canvas, s);
    canvas.SetBrushColor(gutter.Color());
    if (gutter.ShowLineNumbers()) {
        PaintLineNumbers(canvas, s, clip, lines);
    } else if (!gutter.Gradient()) {
        canvas.FillRect(clip);
    }
    if (s.layout.Wrap() && s.wrapGlyph.Visible()) PaintWrapGlyphs(canvas, s, rows);
    if (gutter.BorderStyle() != TGutterBorderStyle::gbsNone &&
        clip.Right >= s.layout.GutterWidth() - 2) {
        PaintGutterBorder(canvas, s, clip);
    }
    PaintMarks(canvas, s, rows.First, lines);
}

void TViewPainter::PaintGutterGradient(IDrawingSurface& canvas, const TPaintScene& s) {
    const TGutter& gutter = s.gutter;
    const std::int32_t width = s.layout.GutterWidth();
    const std::int32_t steps = std::clamp(gutter.GradientSteps(), 2, 256);
    const TColorRef start = canvas.ColorToRgb(gutter.GradientStartColor());
    const TColorRef end = canvas.ColorToRgb(gutter.GradientEndColor());
    const auto blend = [&](int shift, std::int32_t i) {
        const int from = Component(start, shift);
        const int to = Component(end, shift);
        return static_cast<std::uint8_t>((from + MulDiv(i, to - from, steps - 1)) & 0xFF);
    };
    for (std::int32_t i = 0; i < steps; ++i) {
        canvas.SetBrushColor(Rgb(blend(0, i), blend(8, i), blend(16, i)));
        canvas.FillRect({MulDiv(i, width, steps), 0, MulDiv(i + 1, width, steps), s.clientHeight});
    }
}

void TViewPainter::PaintLineNumbers(IDrawingSurface& canvas, const TPaintScene& s,
                                    const TRect& clip, TRows lines) {
    const TGutter& gutter = s.gutter;
    const TViewLayout& layout = s.layout;
    const bool ownFont = gutter.UseFontStyle();
    const bool gradient = gutter.Gradient();
    const std::int32_t gutterWidth = layout.GutterWidth();
    const std::int32_t rowHeight = layout.RowHeight();
    if (ownFont) {
        drawer_.SetBaseFont(&gutter.Font());
    } else {
        drawer_.SetStyle({});
    }
    drawer_.BeginDrawing(canvas);
    try {
        drawer_.SetForeColor(ownFont ? gutter.FontColor() : s.style.fontColor);
        drawer_.SetBackColor(gutter.Color());
        TRect band{clip.Left, clip.Top, std::max(clip.Right, gutterWidth - 2), clip.Top};
        for (std::int32_t line = lines.First; line <= lines.Last; ++line) {
            const std::int32_t top = layout.RowTop(layout.RowOfLine(line));
            if (layout.Wrap() && !gradient && band.Bottom < top) {
                canvas.FillRect({band.Left, band.Bottom, band.Right, top});
            }
            band.Top = top;
            band.Bottom = top + rowHeight;
            std::string text = gutter.FormatLineNumber(line);
            if (s.events.OnGutterGetText) s.events.OnGutterGetText(s.sender, line, text);
            const TSize extent = canvas.TextExtent(text);
            const std::int32_t x = gutterWidth - gutter.RightOffset() - 2 - extent.Width;
            const std::int32_t y = top + (rowHeight - extent.Height) / 2;
            if (gradient) {
                canvas.SetBackgroundMode(TBackgroundMode::Transparent);
                canvas.DrawTextRun(x, y, TTextOutOptions::Clipped, &band, text, {});
                canvas.SetBackgroundMode(TBackgroundMode::Opaque);
            } else {
                canvas.DrawTextRun(x, y, TTextOutOptions::Opaque | TTextOutOptions::Clipped, &band,
                                   text, {});
            }
        }
        if (!gradient && band.Bottom < clip.Bottom) {
            canvas.FillRect({band.Left, band.Bottom, band.Right, clip.Bottom});
        }
    } catch (...) {
        drawer_.EndDrawing();
        if (ownFont) drawer_.SetBaseFont(&s.font);
        throw;
    }
    drawer_.EndDrawing();
    if (ownFont) drawer_.SetBaseFont(&s.font);
}

void TViewPainter::PaintWrapGlyphs(IDrawingSurface& canvas, const TPaintScene& s, TRows rows) {
    const TViewLayout& layout = s.layout;
    if (s.gutter.Gradient()) canvas.SetBrushColor(clNone);
    const std::int32_t x = layout.GutterWidth() - s.gutter.RightOffset() - 2 -
                           ToDevicePixels(s.wrapGlyph.Width(), s.dpi);
    for (std::int32_t row = rows.First; row <= rows.Last; ++row) {
        if (layout.RowOfLine(layout.LineOfRow(row)) == row) continue;
        s.wrapGlyph.Draw(canvas, x, layout.RowTop(row), layout.RowHeight(), s.dpi);
    }
    if (s.gutter.Gradient()) canvas.SetBrushColor(s.gutter.Color());
}

void TViewPainter::PaintGutterBorder(IDrawingSurface& canvas, const TPaintScene& s,
                                     const TRect& clip) {
    const std::int32_t gutterWidth = s.layout.GutterWidth();
    canvas.SetPen(s.gutter.BorderColor(), 1);
    if (s.gutter.BorderStyle() == TGutterBorderStyle::gbsMiddle) {
        canvas.DrawLine(gutterWidth - 2, clip.Top, gutterWidth - 2, clip.Bottom);
        canvas.SetPen(s.gutter.Color(), 1);
    }
    canvas.DrawLine(gutterWidth - 1, clip.Top, gutterWidth - 1, clip.Bottom);
}

void TViewPainter::PaintMarks(IDrawingSurface& canvas, const TPaintScene& s, std::int32_t firstRow,
                              TRows lines) {
    const TViewLayout& layout = s.layout;
    const auto gutterPaint = [&](std::int32_t line, std::int32_t x) {
        if (s.events.OnGutterPaint) {
            s.events.OnGutterPaint(s.sender, line, x, layout.RowTop(layout.RowOfLine(line)));
        }
    };
    if (!s.bookMarks.GlyphsVisible() || s.marks.Empty() || lines.Last < lines.First) {
        for (std::int32_t line = lines.First; line <= lines.Last; ++line) gutterPaint(line, 0);
        return;
    }
    const std::int32_t baseRow = layout.RowOfLine(lines.First);
    std::vector<std::int32_t> offsets(
        static_cast<std::size_t>(std::max(layout.RowOfLine(lines.Last) - baseRow + 1, 1)), 0);
    const auto draw = [&](const TEditMark& mark) {
        const std::int32_t row = layout.RowOfLine(mark.Line());
        if (row < firstRow) return;
        DrawMark(canvas, s, mark, offsets[static_cast<std::size_t>(row - baseRow)],
                 layout.RowTop(row));
    };
    std::vector<const TEditMark*> later;
    for (std::size_t i = 0; i < s.marks.Count(); ++i) {
        const TEditMark& mark = s.marks[i];
        if (!mark.Visible() || mark.Line() < lines.First || mark.Line() > lines.Last) continue;
        if (mark.IsBookmark() == s.bookMarks.DrawBookmarksFirst()) {
            draw(mark);
        } else {
            later.push_back(&mark);
        }
    }
    for (const TEditMark* mark : later) draw(*mark);
    for (std::int32_t line = lines.First; line <= lines.Last; ++line) {
        gutterPaint(line, offsets[static_cast<std::size_t>(layout.RowOfLine(line) - baseRow)]);
    }
}

void TViewPainter::DrawMark(IDrawingSurface& canvas, const TPaintScene& s, const TEditMark& mark,
                            std::int32_t& offset, std::int32_t rowTop) {
    const TBookMarkOpt& options = s.bookMarks;
    IMarkImages* images = options.BookmarkImages();
    const std::int32_t margin = ToDevicePixels(options.LeftMargin(), s.dpi);
    const std::int32_t step = ToDevicePixels(options.Xoffset(), s.dpi);
    if (!mark.InternalImage() && images) {
        if (mark.ImageIndex() < 0 || mark.ImageIndex() >= images->Count()) return;
        if (mark.IsBookmark() == options.DrawBookmarksFirst()) {
            offset = 0;
        } else if (offset == 0) {
            offset = step;
        }
        images->Draw(canvas, margin + offset, rowTop, mark.ImageIndex());
        offset += step;
        return;
    }
    if (mark.ImageIndex() < 0 || mark.ImageIndex() > 9) return;
    if (!bookmarkImages_) {
        bookmarkImages_ =
            std::make_unique<TInternalImage>(resources_, "TextViewInternalImages", 10);
    }
    if (offset == 0) {
        bookmarkImages_->Draw(canvas, mark.ImageIndex(), margin, rowTop, s.layout.RowHeight(),
                              s.dpi);
    }
    offset += step;
}

}  // namespace mirevo
