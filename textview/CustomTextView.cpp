#include "textview/CustomTextView.h"

#include <algorithm>

#include "textview/ScrollMath.h"

namespace mirevo {

namespace {

// "Courier New", size 10 at 96 dots per inch.
TLogFont DefaultViewFont() { return MakeLogFont("Courier New", -13, kDefaultCharset); }

// eoAutoSizeMaxScrollWidth: the scroll width grows to the longest of the lines.
void GrowScrollWidthFor(TCustomTextView& view, std::int32_t index, std::int32_t count) {
    if (!view.Options().Contains(TEditorOption::eoAutoSizeMaxScrollWidth)) return;
    for (std::int32_t i = index; i < index + count; ++i) {
        const std::int32_t width = view.Lines().ExpandedLineLength(i);
        if (width > view.MaxScrollWidth()) view.SetMaxScrollWidth(width);
    }
}

}  // namespace

TCustomTextView::TCustomTextView(TControl* parent, std::string name, TFontsInfoManager& fonts,
                                 ICharTypes& charTypes)
    : TControl(parent, std::move(name), TControlKind::Custom),
      fonts_(fonts),
      charTypes_(charTypes),
      font_(DefaultViewFont()),
      drawerFont_(DefaultViewFont()),
      drawer_(TFontStyles{}, &drawerFont_, fonts),
      wordWrapGlyph_(fonts.Resources(), "TextViewWrapped", clLime) {
    TControl::SetColor(clWindow);
    SetBounds({0, 0, 200, 150});
    SetTabStop(true);
    BindLineStore();
    gutter_.OnChange = [this](TGutter&) { GutterChanged(); };
    selectedColor_.OnChange = [this](TSelectedColor&) { InvalidateSelection(); };
    bookMarkOptions_.OnChange = [this](TBookMarkOpt&) { InvalidateGutter(); };
    wordWrapGlyph_.OnChange = [this](TGlyph&) { InvalidateGutter(); };
    marks_.OnChange = [this](TEditMarkList&) { InvalidateGutter(); };
    undoList_.OnItemAdded = [this](TUndoList& list) { editHost_.UndoItemAdded(list); };
    redoList_.OnItemAdded = [this](TUndoList& list) { editHost_.UndoItemAdded(list); };
    keystrokes_.InstallDefaults();
    UpdateSelectionLimits();
    layout_.SetGutterWidth(gutter_.Width());
    SetFont(font_);
}

TCustomTextView::~TCustomTextView() {
    // The peer calls back into the view when it goes, so it goes while the view is whole.
    DetachPeer();
    lines_.OnChanging = nullptr;
    lines_.OnChange = nullptr;
    lines_.OnLinesCleared = nullptr;
    lines_.OnLinesDeleted = nullptr;
    lines_.OnLinesInserted = nullptr;
    lines_.OnLinesReplaced = nullptr;
    marks_.OnChange = nullptr;
    undoList_.OnItemAdded = nullptr;
    redoList_.OnItemAdded = nullptr;
}

void TCustomTextView::BindLineStore() {
    lines_.OnChanging = [this](TLineStore&) { pending_.linesChanging = true; };
    lines_.OnChange = [this](TLineStore&) { ListChanged(); };
    lines_.OnLinesCleared = [this](TLineStore&) { ListCleared(); };
    lines_.OnLinesInserted = [this](TLineStore&, std::int32_t i, std::int32_t n) {
        ListInserted(i, n);
    };
    lines_.OnLinesDeleted = [this](TLineStore&, std::int32_t i, std::int32_t n) {
        ListDeleted(i, n);
    };
    lines_.OnLinesReplaced = [this](TLineStore&, std::int32_t i, std::int32_t n) {
        ListReplaced(i, n);
    };
}

// --- Text ----------------------------------------------------------------------------------

void TCustomTextView::ClearAll() {
    lines_.Clear();
    bookmarks_.fill(nullptr);
    marks_.Clear();
    undoList_.Clear();
    redoList_.Clear();
    SetModified(false);
}

void TCustomTextView::SetModified(bool value) {
    if (modified_ == value) return;
    modified_ = value;
    if (!value && options_.Contains(TEditorOption::eoGroupUndo) && undoList_.HasItems()) {
        undoList_.AppendGroupBreak();
    }
    undoList_.SetUnmodifiedMark(!value);
    StatusChanged({TStatusChange::scModified});
}

// --- Window --------------------------------------------------------------------------------

void TCustomTextView::AttachWindow(IWindowServices* window) {
    if (window_ && !window && options_.Contains(TEditorOption::eoDropFiles)) {
        window_->DragAcceptFiles(false);
    }
    window_ = window;
    if (!window_) {
        caret_.visible = false;
        return;
    }
    if (options_.Contains(TEditorOption::eoDropFiles)) window_->DragAcceptFiles(true);
    SizeOrFontChanged(true);
    UpdateScrollBars();
}

void TCustomTextView::Resized() { SizeOrFontChanged(false); }

// --- Measures ------------------------------------------------------------------------------

void TCustomTextView::RecalcCellSize() {
    const TFontStyles own = StylesOf(font_);
    const TFontStyles used{static_cast<std::uint8_t>(own.Mask() & 3u)};
    drawer_.SetBaseFont(&font_);
    drawer_.SetBaseStyle(used);
    layout_.SetCellSize(drawer_.CharWidth(), drawer_.CharHeight() + extraLineSpacing_);
}

void TCustomTextView::SizeOrFontChanged(bool fontChanged) {
    if (!window_ || layout_.CellWidth() == 0) return;
    const TSize client = window_->ClientSize();
    layout_.FitColumns(client.Width);
    layout_.FitRows(client.Height);
    if (layout_.Wrap()) {
        layout_.Wrap()->DisplayChanged();
        Invalidate();
    }
    if (fontChanged) {
        if (gutter_.ShowLineNumbers()) {
            GutterChanged();
        } else {
            UpdateScrollBars();
        }
        InitializeCaret();
        pending_.caret = false;
        Invalidate();
    } else {
        UpdateScrollBars();
    }
    pending_.scrollBars = false;
    if (!options_.Contains(TEditorOption::eoScrollPastEol)) SetLeftChar(layout_.LeftChar());
    if (!options_.Contains(TEditorOption::eoScrollPastEof)) SetTopLine(layout_.TopLine());
}

void TCustomTextView::GutterChanged() {
    if (gutter_.ShowLineNumbers() && gutter_.AutoSize() && gutter_.Visible()) {
        gutter_.AutoSizeDigits(lines_.Count());
    } else {
        gutter_.ResetEffectiveDigits();
    }
    const std::int32_t width = gutter_.RealGutterWidth(layout_.CellWidth());
    if (width == layout_.GutterWidth()) {
        InvalidateGutter();
        return;
    }
    layout_.SetGutterWidth(std::max(width, 0));
    if (!window_) return;
    layout_.FitColumns(window_->ClientSize().Width);
    if (layout_.Wrap()) layout_.Wrap()->DisplayChanged();
    UpdateScrollBars();
    Invalidate();
}

// --- Painting ------------------------------------------------------------------------------

void TCustomTextView::Paint(IDrawingSurface& canvas) {
    if (layout_.CellWidth() <= 0 || layout_.RowHeight() <= 0) return;
    HideCaret();
    try {
        painter_.Paint(canvas, Scene(canvas));
        canvas.SetBrushColor(Color());
        if (OnPaint) OnPaint(this, canvas);
        if (OnPaintTransient) OnPaintTransient(this, canvas, TTransientType::ttAfter);
    } catch (...) {
        UpdateCaret();
        throw;
    }
    UpdateCaret();
}

TPaintScene TCustomTextView::Scene(IDrawingSurface& canvas) {
    const bool focused = window_ && window_->Focused();
    return {.lines = lines_,
            .layout = layout_,
            .selection = selection_,
            .style = Style(),
            .gutter = gutter_,
            .marks = marks_,
            .bookMarks = bookMarkOptions_,
            .selectedColor = selectedColor_,
            .wrapGlyph = wordWrapGlyph_,
            .font = font_,
            .background = Color(),
            .caret = caret_.place,
            .selectionShown = !Style().hideSelection || focused,
            .showSpecialChars = options_.Contains(TEditorOption::eoShowSpecialChars),
            .clientHeight = window_ ? window_->ClientSize().Height : canvas.ClipRect().Bottom,
            .dpi = PixelsPerInch(),
            .events = *this,
            .sender = this};
}

// --- Coordinates ---------------------------------------------------------------------------

TDisplayCoord TCustomTextView::BufferToDisplay(const TBufferCoord& p) const {
    return layout_.BufferToDisplay(p);
}

TBufferCoord TCustomTextView::DisplayToBuffer(const TDisplayCoord& d) const {
    return layout_.DisplayToBuffer(d);
}

TDisplayCoord TCustomTextView::CaretDisplayPos() const {
    return layout_.CaretDisplayPos(caret_.place, caret_.atRowEnd);
}

TDisplayCoord TCustomTextView::PixelsToRowColumn(std::int32_t x, std::int32_t y) const {
    return layout_.PixelsToRowColumn(x, y);
}

TDisplayCoord TCustomTextView::PixelsToNearestRowColumn(std::int32_t x, std::int32_t y) const {
    return layout_.PixelsToNearestRowColumn(x, y);
}

// --- Update bracket and status -------------------------------------------------------------

void TCustomTextView::UnlockPaint() {
    MIREVO_ASSERT(pending_.locks > 0);
    --pending_.locks;
    if (pending_.locks > 0 || !window_) return;
    if (pending_.scrollBars) UpdateScrollBars();
    const bool caretMoved = pending_.status.Contains(TStatusChange::scCaretX) ||
                            pending_.status.Contains(TStatusChange::scCaretY);
    if (layout_.Wrap() && caretMoved) {
        const TDisplayCoord d = CaretDisplayPos();
        if (d.Column > layout_.VisibleColumns() + 1 && layout_.VisibleColumns() > 0) {
            if (caret_.atRowEnd) {
                caret_.atRowEnd = false;
            } else {
                caret_.place.CharIndex =
                    DisplayToBuffer({layout_.VisibleColumns() + 1, d.Row}).CharIndex;
                pending_.status.Include(TStatusChange::scCaretX);
            }
            RefreshLastCaretColumn();
            pending_.caret = true;
        }
    }
    if (pending_.caret) UpdateCaret();
    if (!pending_.status.Empty()) StatusChanged({});
}

void TCustomTextView::StatusChanged(TStatusChanges changes) {
    pending_.status.Include(changes);
    if (pending_.locks > 0 || !OnStatusChange || pending_.status.Empty()) return;
    const TStatusChanges report = pending_.status;
    pending_.status.Clear();
    OnStatusChange(this, report);
}

// --- Repaint requests ----------------------------------------------------------------------

void TCustomTextView::Invalidate() {
    if (window_ && Visible()) window_->Invalidate(nullptr);
}

void TCustomTextView::InvalidateRect(const TRect& rect) {
    if (!window_ || !Visible()) return;
    if (!pending_.Gather(rect)) window_->Invalidate(&rect);
}

void TCustomTextView::InvalidateGutterLines(std::int32_t first, std::int32_t last) {
    if (!window_ || !Visible()) return;
    const auto area = layout_.GutterLinesArea(first, last, window_->ClientSize());
    if (area) InvalidateRect(*area);
}

void TCustomTextView::InvalidateLines(std::int32_t first, std::int32_t last) {
    if (!window_ || !Visible()) return;
    const auto area = layout_.TextLinesArea(first, last, window_->ClientSize());
    if (area) InvalidateRect(*area);
}

void TCustomTextView::InvalidateLine(std::int32_t line) {
    if (!window_ || !Visible() || line < 1 || line > lines_.Count()) return;
    const auto area = layout_.LineArea(line, window_->ClientSize());
    if (area) InvalidateRect(*area);
}

void TCustomTextView::InvalidateSelection() {
    InvalidateLines(SelectionFirst().LineIndex, SelectionLast().LineIndex);
}

void TCustomTextView::DoOnPaintTransientEx(TTransientType type, bool lock) {
    // Only the outermost ttBefore/ttAfter pair reaches the handler.
    const bool outermost =
        type == TTransientType::ttBefore ? paintTransientLock_ == 0 : paintTransientLock_ <= 1;
    if (lock) {
        if (type == TTransientType::ttBefore) {
            ++paintTransientLock_;
        } else if (paintTransientLock_ > 0) {
            --paintTransientLock_;
        }
    }
    if (!outermost || !OnPaintTransient || !window_) return;
    const auto canvas = window_->OpenDrawingSurface();
    if (!canvas) return;
    canvas->SetBrushColor(Color());
    HideCaret();
    OnPaintTransient(this, *canvas, type);
    UpdateCaret();
}

// --- Line store events ---------------------------------------------------------------------

void TCustomTextView::ListChanged() {
    pending_.linesChanging = false;
    if (!window_) {
        pending_.repaint.reset();
        return;
    }
    UpdateScrollBars();
    selection_.SetEnds(caret_.place, caret_.place);
    if (pending_.repaint) {
        const TRect rect = *pending_.repaint;
        pending_.repaint.reset();
        InvalidateRect(rect);
    }
    if (gutter_.ShowLineNumbers() && gutter_.AutoSize()) gutter_.AutoSizeDigits(lines_.Count());
    if (!options_.Contains(TEditorOption::eoScrollPastEof)) SetTopLine(layout_.TopLine());
}

void TCustomTextView::ListCleared() {
    if (layout_.Wrap()) layout_.Wrap()->Reset();
    undoList_.Clear();
    redoList_.Clear();
    pending_.repaint.reset();
    Invalidate();
    SetCaretXY({1, 1});
    SetTopLine(1);
    SetLeftChar(1);
    StatusChanged({TStatusChange::scAll});
}

void TCustomTextView::ListInserted(std::int32_t index, std::int32_t count) {
    if (layout_.Wrap()) layout_.Wrap()->LinesInserted(index, count);
    GrowScrollWidthFor(*this, index, count);
    InvalidateLines(index + 1, kMaxInt);
    InvalidateGutterLines(index + 1, kMaxInt);
}

void TCustomTextView::ListDeleted(std::int32_t index, std::int32_t count) {
    if (layout_.Wrap()) layout_.Wrap()->LinesDeleted(index, count);
    InvalidateLines(index + 1, kMaxInt);
    InvalidateGutterLines(index + 1, kMaxInt);
}

void TCustomTextView::ListReplaced(std::int32_t index, std::int32_t count) {
    if (layout_.Wrap()) layout_.Wrap()->LinesReplaced(index, count);
    GrowScrollWidthFor(*this, index, count);
    InvalidateLines(index + 1, kMaxInt);
    InvalidateGutterLines(index + 1, kMaxInt);
}

}  // namespace mirevo
