// The text view's paint pipeline: clip to rows and columns, gutter, text rows, selection.
#include <algorithm>

#include "textview/CustomTextView.h"
#include "textview/ScrollMath.h"

namespace mirevo {

namespace {

std::uint8_t Component(TColorRef color, int shift) {
    return static_cast<std::uint8_t>(color >> shift);
}

}  // namespace

void TCustomTextView::Paint(IDrawingSurface& canvas) {
    if (layout_.CellWidth() <= 0 || layout_.RowHeight() <= 0) return;
    const TRect clip = canvas.ClipRect();
    const std::int32_t textLeft = layout_.GutterWidth() + 2;
    std::int32_t c1 = layout_.LeftChar();
    if (clip.Left > textLeft) c1 += (clip.Left - textLeft) / layout_.CellWidth();
    const std::int32_t c2 = layout_.LeftChar() +
                            (clip.Right - textLeft + layout_.CellWidth() - 1) / layout_.CellWidth();
    const std::int32_t r1 =
        std::max(layout_.TopLine() + clip.Top / layout_.RowHeight(), layout_.TopLine());
    const std::int32_t r2 = std::max(
        std::min(layout_.TopLine() + (clip.Bottom + layout_.RowHeight() - 1) / layout_.RowHeight(),
                 RowCount()),
        1);
    HideCaret();
    try {
        if (clip.Left < layout_.GutterWidth()) {
            PaintGutter(canvas, {clip.Left, clip.Top, layout_.GutterWidth(), clip.Bottom}, r1, r2);
        }
        if (clip.Right > layout_.GutterWidth()) {
            PaintTextLines(
                canvas,
                {std::max(clip.Left, layout_.GutterWidth()), clip.Top, clip.Right, clip.Bottom}, r1,
                r2, c1, c2);
        }
        canvas.SetBrushColor(Color());
        if (OnPaint) OnPaint(this, canvas);
        if (OnPaintTransient) OnPaintTransient(this, canvas, TTransientType::ttAfter);
    } catch (...) {
        UpdateCaret();
        throw;
    }
    UpdateCaret();
}

// --- Gutter --------------------------------------------------------------------------------

void TCustomTextView::PaintGutter(IDrawingSurface& canvas, TRect clip, std::int32_t firstRow,
                                  std::int32_t lastRow) {
    const std::int32_t firstLine = LineOfRow(firstRow);
    const std::int32_t lastLine = LineOfRow(lastRow);
    if (gutter_.Gradient()) PaintGutterGradient(canvas);
    canvas.SetBrushColor(gutter_.Color());
    if (gutter_.ShowLineNumbers()) {
        PaintLineNumbers(canvas, clip, firstLine, lastLine);
    } else if (!gutter_.Gradient()) {
        canvas.FillRect(clip);
    }
    if (layout_.Wrap() && wordWrapGlyph_.Visible()) PaintWrapGlyphs(canvas, firstRow, lastRow);
    if (gutter_.BorderStyle() != TGutterBorderStyle::gbsNone &&
        clip.Right >= layout_.GutterWidth() - 2) {
        PaintGutterBorder(canvas, clip);
    }
    PaintMarks(canvas, firstRow, firstLine, lastLine);
}

void TCustomTextView::PaintGutterGradient(IDrawingSurface& canvas) {
    const std::int32_t width = layout_.GutterWidth();
    const std::int32_t height = window_ ? window_->ClientSize().Height : canvas.ClipRect().Bottom;
    const std::int32_t steps = std::clamp(gutter_.GradientSteps(), 2, 256);
    const TColorRef start = canvas.ColorToRgb(gutter_.GradientStartColor());
    const TColorRef end = canvas.ColorToRgb(gutter_.GradientEndColor());
    const auto blend = [&](int shift, std::int32_t i) {
        const int from = Component(start, shift);
        const int to = Component(end, shift);
        return static_cast<std::uint8_t>((from + MulDiv(i, to - from, steps - 1)) & 0xFF);
    };
    for (std::int32_t i = 0; i < steps; ++i) {
        canvas.SetBrushColor(Rgb(blend(0, i), blend(8, i), blend(16, i)));
        canvas.FillRect({MulDiv(i, width, steps), 0, MulDiv(i + 1, width, steps), height});
    }
}

void TCustomTextView::PaintLineNumbers(IDrawingSurface& canvas, const TRect& clip,
                                       std::int32_t firstLine, std::int32_t lastLine) {
    const bool ownFont = gutter_.UseFontStyle();
    const bool gradient = gutter_.Gradient();
    if (ownFont) {
        drawer_.SetBaseFont(&gutter_.Font());
    } else {
        drawer_.SetStyle({});
    }
    drawer_.BeginDrawing(canvas);
    try {
        drawer_.SetForeColor(ownFont ? gutter_.FontColor() : style_.fontColor);
        drawer_.SetBackColor(gutter_.Color());
        TRect band{clip.Left, clip.Top, std::max(clip.Right, layout_.GutterWidth() - 2), clip.Top};
        for (std::int32_t line = firstLine; line <= lastLine; ++line) {
            const std::int32_t top = RowTop(RowOfLine(line));
            if (layout_.Wrap() && !gradient && band.Bottom < top) {
                canvas.FillRect({band.Left, band.Bottom, band.Right, top});
            }
            band.Top = top;
            band.Bottom = top + layout_.RowHeight();
            std::string text = gutter_.FormatLineNumber(line);
            if (OnGutterGetText) OnGutterGetText(this, line, text);
            const TSize extent = canvas.TextExtent(text);
            const std::int32_t x = layout_.GutterWidth() - gutter_.RightOffset() - 2 - extent.Width;
            const std::int32_t y = top + (layout_.RowHeight() - extent.Height) / 2;
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
        if (ownFont) drawer_.SetBaseFont(&font_);
        throw;
    }
    drawer_.EndDrawing();
    if (ownFont) drawer_.SetBaseFont(&font_);
}

void TCustomTextView::PaintWrapGlyphs(IDrawingSurface& canvas, std::int32_t firstRow,
                                      std::int32_t lastRow) {
    if (gutter_.Gradient()) canvas.SetBrushColor(clNone);
    const std::int32_t x =
        layout_.GutterWidth() - gutter_.RightOffset() - 2 - wordWrapGlyph_.Width();
    for (std::int32_t row = firstRow; row <= lastRow; ++row) {
        if (RowOfLine(LineOfRow(row)) == row) continue;
        wordWrapGlyph_.Draw(canvas, x, RowTop(row), layout_.RowHeight());
    }
    if (gutter_.Gradient()) canvas.SetBrushColor(gutter_.Color());
}

void TCustomTextView::PaintGutterBorder(IDrawingSurface& canvas, const TRect& clip) {
    const bool middle = gutter_.BorderStyle() == TGutterBorderStyle::gbsMiddle;
    canvas.SetPen(gutter_.BorderColor(), 1);
    if (middle) {
        canvas.DrawLine(layout_.GutterWidth() - 2, clip.Top, layout_.GutterWidth() - 2,
                        clip.Bottom);
        canvas.SetPen(gutter_.Color(), 1);
    }
    canvas.DrawLine(layout_.GutterWidth() - 1, clip.Top, layout_.GutterWidth() - 1, clip.Bottom);
}

void TCustomTextView::PaintMarks(IDrawingSurface& canvas, std::int32_t firstRow,
                                 std::int32_t firstLine, std::int32_t lastLine) {
    const auto gutterPaint = [&](std::int32_t line, std::int32_t x) {
        if (OnGutterPaint) OnGutterPaint(this, line, x, RowTop(RowOfLine(line)));
    };
    if (!bookMarkOptions_.GlyphsVisible() || marks_.Empty() || lastLine < firstLine) {
        for (std::int32_t line = firstLine; line <= lastLine; ++line) gutterPaint(line, 0);
        return;
    }
    const std::int32_t baseRow = RowOfLine(firstLine);
    std::vector<std::int32_t> offsets(
        static_cast<std::size_t>(std::max(RowOfLine(lastLine) - baseRow + 1, 1)), 0);
    const auto draw = [&](const TEditMark& mark) {
        const std::int32_t row = RowOfLine(mark.Line());
        if (row < firstRow) return;
        DrawMark(canvas, mark, offsets[static_cast<std::size_t>(row - baseRow)], RowTop(row));
    };
    std::vector<const TEditMark*> later;
    for (std::size_t i = 0; i < marks_.Count(); ++i) {
        const TEditMark& mark = marks_[i];
        if (!mark.Visible() || mark.Line() < firstLine || mark.Line() > lastLine) continue;
        if (mark.IsBookmark() == bookMarkOptions_.DrawBookmarksFirst()) {
            draw(mark);
        } else {
            later.push_back(&mark);
        }
    }
    for (const TEditMark* mark : later) draw(*mark);
    for (std::int32_t line = firstLine; line <= lastLine; ++line) {
        gutterPaint(line, offsets[static_cast<std::size_t>(RowOfLine(line) - baseRow)]);
    }
}

void TCustomTextView::DrawMark(IDrawingSurface& canvas, const TEditMark& mark, std::int32_t& offset,
                               std::int32_t rowTop) {
    IMarkImages* images = bookMarkOptions_.BookmarkImages();
    if (!mark.InternalImage() && images) {
        if (mark.ImageIndex() < 0 || mark.ImageIndex() >= images->Count()) return;
        if (mark.IsBookmark() == bookMarkOptions_.DrawBookmarksFirst()) {
            offset = 0;
        } else if (offset == 0) {
            offset = bookMarkOptions_.Xoffset();
        }
        images->Draw(canvas, bookMarkOptions_.LeftMargin() + offset, rowTop, mark.ImageIndex());
        offset += bookMarkOptions_.Xoffset();
        return;
    }
    if (mark.ImageIndex() < 0 || mark.ImageIndex() > 9) return;
    if (!internalBookmarkImage_) {
        internalBookmarkImage_ =
            std::make_unique<TInternalImage>(Resources(), "TextViewInternalImages", 10);
    }
    if (offset == 0) {
        internalBookmarkImage_->Draw(canvas, mark.ImageIndex(), bookMarkOptions_.LeftMargin(),
                                     rowTop, layout_.RowHeight());
    }
    offset += bookMarkOptions_.Xoffset();
}

}  // namespace mirevo
