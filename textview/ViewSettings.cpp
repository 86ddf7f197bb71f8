// The view's settings: each simple one goes through its style value; fonts, options and word
// wrap do the work of their own.
#include <algorithm>

#include "textview/CustomTextView.h"
#include "textview/ScrollMath.h"

namespace mirevo {

void TCustomTextView::SetColor(TColor value) {
    TControl::SetColor(value);
    Invalidate();
}

namespace {

// A proportional font's fixed-pitch copy; the font itself when it is fixed or cannot be
// measured.
TLogFont FixedPitchFont(IDrawingResources& resources, const TLogFont& font) {
    auto screen = resources.OpenScreenSurface();
    const TFontHandle handle = resources.NewFont(font);
    if (!screen || handle == TFontHandle::None) {
        if (handle != TFontHandle::None) resources.FreeFont(handle);
        return font;
    }
    const TFontHandle old = screen->SelectFont(handle);
    const TTextMetrics metrics = screen->Metrics();
    screen->SelectFont(old);
    resources.FreeFont(handle);
    if (metrics.AveCharWidth == metrics.MaxCharWidth) return font;
    TLogFont fixed = font;
    fixed.PitchAndFamily = static_cast<std::uint8_t>((fixed.PitchAndFamily & 0xF0) | kFixedPitch);
    return fixed;
}

}  // namespace

void TCustomTextView::SetFont(const TLogFont& font) {
    font_ = FixedPitchFont(Resources(), font);
    if (gutter_.ShowLineNumbers()) GutterChanged();
    RecalcCellSize();
    SizeOrFontChanged(true);
}

void TCustomTextView::SetExtraLineSpacing(std::int32_t value) {
    extraLineSpacing_ = value;
    RecalcCellSize();
    SizeOrFontChanged(true);
}

void TCustomTextView::SetMaxScrollWidth(std::int32_t value) {
    value = std::clamp(value, 1, kMaxInt - 1);
    if (maxScrollWidth_ == value) return;
    maxScrollWidth_ = value;
    UpdateSelectionLimits();
    if (options_.Contains(TEditorOption::eoScrollPastEol)) UpdateScrollBars();
}

void TCustomTextView::SetMaxUndo(std::int32_t value) {
    undoList_.SetLimit(value);
    redoList_.SetLimit(value);
}

void TCustomTextView::SetOptions(TEditorOptions value) {
    if (options_ == value) return;
    const TEditorOptions old = options_;
    if (!old.Contains(TEditorOption::eoScrollPastEol)) SetLeftChar(layout_.LeftChar());
    if (!old.Contains(TEditorOption::eoScrollPastEof)) SetTopLine(layout_.TopLine());
    options_ = value;
    UpdateSelectionLimits();
    InternalSetCaretXY(caret_.place);
    if (options_.Contains(TEditorOption::eoScrollPastEol)) {
        selection_.SetEnds(caret_.place, caret_.place);
    }
    const auto changed = [&](TEditorOption option) {
        return old.Contains(option) != options_.Contains(option);
    };
    if (changed(TEditorOption::eoDropFiles) && window_) {
        window_->DragAcceptFiles(options_.Contains(TEditorOption::eoDropFiles));
    }
    if (changed(TEditorOption::eoShowSpecialChars)) Invalidate();
    if (changed(TEditorOption::eoDisableScrollArrows) ||
        changed(TEditorOption::eoHideShowScrollbars) || changed(TEditorOption::eoScrollPastEof) ||
        changed(TEditorOption::eoScrollPastEol)) {
        UpdateScrollBars();
    }
}

void TCustomTextView::ApplyStyle(const TViewStyle& style) {
    const TStyleWork work = WorkFor(Style(), style);
    AssignStyle(style);
    if (work.tabWidth) {
        lines_.SetTabWidth(Style().tabWidth);
        if (layout_.Wrap()) layout_.Wrap()->Reset();
    }
    if (work.caret) InitializeCaret();
    if (work.scrollBars) UpdateScrollBars();
    if (work.frame) Notify(TControlState::Frame);
    if (work.repaintAll) Invalidate();
    if (work.activeLine) InvalidateLine(caret_.place.LineIndex);
    if (work.selection) InvalidateSelection();
    if (!work.status.Empty()) StatusChanged(work.status);
}

void TCustomTextView::SetWordWrap(bool value) {
    if (WordWrap() == value) return;
    Invalidate();
    const TDisplayCoord caret = CaretDisplayPos();
    const bool caretInView = caret.Column >= layout_.LeftChar() &&
                             caret.Column <= layout_.LeftChar() + layout_.VisibleColumns() &&
                             caret.Row >= layout_.TopLine() &&
                             caret.Row <= layout_.TopLine() + layout_.VisibleRows();
    const std::int32_t shownLine = LineOfRow(layout_.TopLine());
    layout_.SetWordWrap(value);
    if (value) SetLeftChar(1);
    caret_.atRowEnd = false;
    UpdateSelectionLimits();
    SetTopLine(RowOfLine(shownLine));
    UpdateScrollBars();
    if (options_.Contains(TEditorOption::eoScrollPastEol)) {
        InternalSetCaretXY(caret_.place);
        selection_.SetEnds(caret_.place, caret_.place);
    }
    if (caretInView) EnsureCaretVisible();
}

}  // namespace mirevo
