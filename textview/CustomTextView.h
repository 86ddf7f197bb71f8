// TCustomTextView: the result text view as a control, the front of its parts: the layout
// (cells, rows, scroll position and the conversions between buffer, display and pixel
// positions), the edit engine (editing, undo and redo), the painter, the mouse tracker,
// the selection and the line store. It keeps the caret, the scroll bars and the update
// bracket, and raises the events.
//
// It draws on any IDrawingSurface and asks its window for everything else through
// IWindowServices. Without window services (before the window exists, or headless) it
// keeps its state but paints, scrolls and shows no caret; the platform peer calls
// AttachWindow when the window is made.
//
// Every key binding, input-method string and focus change becomes an editor command that
// runs through ProcessCommand; a read-only view refuses the commands that change the text.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/DpiScale.h"
#include "platform/CharTypes.h"
#include "platform/ClipboardFormats.h"
#include "platform/WindowServices.h"
#include "textview/CaretState.h"
#include "textview/CommandHooks.h"
#include "textview/EditEngine.h"
#include "textview/FontsInfoManager.h"
#include "textview/KeyInput.h"
#include "textview/KeyStrokes.h"
#include "textview/KeyView.h"
#include "textview/MouseTracker.h"
#include "textview/PendingWork.h"
#include "textview/TextViewEvents.h"
#include "textview/TextViewSettings.h"
#include "textview/ViewEditHost.h"
#include "textview/ViewPainter.h"
#include "ui/Control.h"

namespace mirevo {

class TCustomTextView : public TControl,
                        public IKeyView,
                        public TTextViewEvents,
                        public TTextViewSettings {
public:
    // Fonts are shared through fonts (and its resources give the glyph bitmaps); charTypes
    // gives the character classes a double-click selects words by. Both must outlive the view.
    TCustomTextView(TControl* parent, std::string name, TFontsInfoManager& fonts,
                    ICharTypes& charTypes);
    ~TCustomTextView() override;

    // --- Text ------------------------------------------------------------------------------
    TLineStore& Lines() { return lines_; }
    const TLineStore& Lines() const { return lines_; }
    // All lines joined by CR LF.
    std::string Text() const { return lines_.Text(); }
    // Replaces the whole text (no OnChange).
    void SetText(std::string_view text) { lines_.SetText(text); }
    // Empties text, marks and both undo lists and resets the modified flag (no OnChange).
    void ClearAll();
    TUndoList& UndoList() { return undoList_; }
    TUndoList& RedoList() { return redoList_; }
    bool Modified() const { return modified_; }
    void SetModified(bool value);

    // --- Window ----------------------------------------------------------------------------
    // The platform peer hands in its window's services when the window exists and takes
    // them away (null) before it goes.
    void AttachWindow(IWindowServices* window);
    bool HandleAllocated() const { return window_ != nullptr; }
    IWindowServices* Window() const { return window_; }
    // The density the window is shown at; the design's while there is no window.
    std::uint32_t PixelsPerInch() const { return window_ ? window_->PixelsPerInch() : kDesignDpi; }

    // Messages of the window, translated by the peer.
    void Paint(IDrawingSurface& canvas);
    void Resized();
    void VScroll(TScrollCode code, std::int32_t position);
    void HScroll(TScrollCode code, std::int32_t position);
    void MouseWheel(std::int32_t delta, bool ctrl);
    void FocusGained();
    void FocusLost();
    // The input method was switched on or off: its composition font becomes the view's.
    void ImeOpenStatusChanged();
    // Keys: OnKeyDown (OnKeyUp, OnKeyPress) first, then the handler chains, then the key
    // bindings, whose commands run through ProcessCommand; characters become ecChar.
    void KeyDown(TKeyCode& key, TShiftState shift);
    void KeyUp(TKeyCode& key, TShiftState shift);
    void KeyPress(char& key);
    // Keys held with Alt go the same way as KeyDown: a key the bindings do not take is
    // left as it was, for the window. Their characters are the view's only when it took
    // the key (then true, and the character is dropped).
    bool TakeSystemChar() { return keyInput_.TakeSystemChar(); }
    // A string the input method delivered whole (ecImeStr); its characters, which follow as
    // single character messages, are then ignored.
    void ImeString(std::string_view text);
    // What the dialog manager should leave to the view besides arrows and characters.
    bool WantsTabKey() const { return Style().wantTabs; }
    bool WantsAllKeys() const { return Style().wantReturns; }

    // --- Settings --------------------------------------------------------------------------
    // The simple ones are TTextViewSettings; these do work of their own.
    // The view's colour (hides TControl::SetColor to repaint).
    void SetColor(TColor value);
    // The text font; the view keeps a fixed-pitch copy of a proportional one. (The control's
    // own TFontSpec font is not used by the view.)
    const TLogFont& Font() const { return font_; }
    void SetFont(const TLogFont& font);
    std::int32_t ExtraLineSpacing() const { return extraLineSpacing_; }
    void SetExtraLineSpacing(std::int32_t value);
    TGutter& Gutter() { return gutter_; }
    std::int32_t MaxScrollWidth() const { return maxScrollWidth_; }
    void SetMaxScrollWidth(std::int32_t value);
    std::int32_t MaxUndo() const { return undoList_.Limit(); }
    void SetMaxUndo(std::int32_t value);
    TEditorOptions Options() const { return options_; }
    void SetOptions(TEditorOptions value);
    TSelectedColor& SelectedColor() { return selectedColor_; }
    bool WordWrap() const { return layout_.Wrap() != nullptr; }
    void SetWordWrap(bool value);
    TGlyph& WordWrapGlyph() { return wordWrapGlyph_; }
    TBookMarkOpt& BookMarkOptions() { return bookMarkOptions_; }
    TEditMarkList& Marks() { return marks_; }
    // Bytes that belong to words for the word wrap: every byte from 0x21 to 0xFF.
    const std::bitset<256>& IdentChars() const { return layout_.IdentChars(); }

    // --- Measures --------------------------------------------------------------------------
    // The layout holds the measures and does the conversions below.
    const TViewLayout& Layout() const { return layout_; }
    std::int32_t CharWidth() const { return layout_.CellWidth(); }
    std::int32_t LineHeight() const { return layout_.RowHeight(); }
    std::int32_t GutterWidth() const { return layout_.GutterWidth(); }
    std::int32_t TextOffset() const { return layout_.TextOffset(); }
    std::int32_t VisibleRows() const { return layout_.VisibleRows(); }
    std::int32_t VisibleColumns() const { return layout_.VisibleColumns(); }
    void RecalcCellSize();
    void SizeOrFontChanged(bool fontChanged);
    void GutterChanged();

    // --- Coordinates (the layout's) --------------------------------------------------------
    TDisplayCoord BufferToDisplay(const TBufferCoord& p) const;
    TBufferCoord DisplayToBuffer(const TDisplayCoord& d) const;
    std::int32_t RowOfLine(std::int32_t line) const { return layout_.RowOfLine(line); }
    std::int32_t LineOfRow(std::int32_t row) const { return layout_.LineOfRow(row); }
    std::int32_t RowCount() const { return layout_.RowCount(); }
    // The caret's display position (the end of the upper row at a wrap point when the
    // caret-at-row-end flag is set).
    TDisplayCoord CaretDisplayPos() const;
    TDisplayCoord PixelsToRowColumn(std::int32_t x, std::int32_t y) const;
    TDisplayCoord PixelsToNearestRowColumn(std::int32_t x, std::int32_t y) const;
    TPoint RowColumnToPixels(const TDisplayCoord& d) const { return layout_.RowColumnToPixels(d); }

    // --- Scrolling -------------------------------------------------------------------------
    std::int32_t TopLine() const { return layout_.TopLine(); }
    void SetTopLine(std::int32_t value);
    std::int32_t LeftChar() const { return layout_.LeftChar(); }
    void SetLeftChar(std::int32_t value);
    void UpdateScrollBars();
    // The scroll hint's text for the current TopLine.
    std::string ScrollHintText() const;

    // --- Caret -----------------------------------------------------------------------------
    std::int32_t CaretX() const { return caret_.place.CharIndex; }
    std::int32_t CaretY() const { return caret_.place.LineIndex; }
    TBufferCoord CaretXY() const { return caret_.place; }
    // Moves the caret and collapses the selection onto it.
    void SetCaretXY(const TBufferCoord& p);
    // Moves the caret, keeping the selection.
    void InternalSetCaretXY(const TBufferCoord& p, bool ensureVisible = true);
    void SetCaretFromDisplay(const TDisplayCoord& d);
    void EnsureCaretVisible(bool forceToMiddle = false);
    // Horizontal and vertical caret moves of the commands; selecting extends the selection.
    void MoveCaretHorz(std::int32_t dx, bool selecting);
    void MoveCaretVert(std::int32_t dy, bool selecting);
    bool CaretAtRowEnd() const { return caret_.atRowEnd; }
    bool ShowCaretWithoutFocus() const { return caret_.showWithoutFocus; }
    void SetShowCaretWithoutFocus(bool value);
    void InitializeCaret();
    void UpdateCaret();
    void HideCaret();
    bool CaretVisible() const { return caret_.visible; }

    // --- Selection (ViewSelection.cpp) ----------------------------------------------------
    const TSelection& Selection() const { return selection_; }
    // The anchor and the active end. Setting the anchor collapses the selection there;
    // setting the active end extends it. Both clamp, repaint and report scSelection.
    TBufferCoord BlockBegin() const { return selection_.Anchor(); }
    TBufferCoord BlockEnd() const { return selection_.ActiveEnd(); }
    void SetBlockBegin(const TBufferCoord& p);
    void SetBlockEnd(const TBufferCoord& p);
    // The mode chosen for new selections, and the mode of the present one.
    TSelectionMode SelectionMode() const { return selection_.SelectionMode(); }
    void SetSelectionMode(TSelectionMode value);
    TSelectionMode ActiveSelectionMode() const { return selection_.CurrentMode(); }
    void SetActiveSelectionMode(TSelectionMode value);
    TBufferCoord SelectionFirst() const { return selection_.First(); }
    TBufferCoord SelectionLast() const { return selection_.Last(); }
    bool HasSelection() const { return selection_.HasSelection(); }
    bool PointInSelection(const TBufferCoord& p) const { return selection_.PointInSelection(p); }
    std::string SelectedText() const { return edit_.SelectedText(); }
    // Replaces the selection (or inserts at the caret) in one undo block; does not consult
    // ReadOnly.
    void SetSelectedText(std::string_view text) { edit_.SetSelectedText(text); }
    void SelectAll();
    void ClearSelection();
    // Selects the word at p (a double-click); raises ETextViewError when the platform
    // cannot classify the line.
    void SelectWordAt(const TBufferCoord& p);
    // A navigation step: extending starts the selection at before and moves its active
    // end to after; otherwise the selection collapses at after. The caret goes to after.
    void MoveCaretAndSelection(const TBufferCoord& before, const TBufferCoord& after, bool extend);
    // Caret (kept out of view's scrolling), anchor and active end at once, the mode kept.
    void SetCaretAndSelection(const TBufferCoord& caret, const TBufferCoord& anchor,
                              const TBufferCoord& activeEnd);

    // --- Clipboard (ViewClipboard.cpp) -----------------------------------------------------
    // The clipboard the copy, cut and paste commands use; without one they do nothing.
    void SetClipboard(IClipboardFormats* clipboard) { clipboard_ = clipboard; }
    IClipboardFormats* Clipboard() const { return clipboard_; }
    // Nothing without a selection. Raises ETextViewError "Clipboard copy operation failed".
    void CopyToClipboard();
    // Refused when read-only; one undo block.
    void CutToClipboard();
    // Only when CanPaste; raises ETextViewError "Clipboard paste operation failed." when
    // the private block cannot be read.
    void PasteFromClipboard();
    bool CanPaste() const;

    // --- Undo and redo (the edit engine) ---------------------------------------------------
    // Both refuse in a read-only view.
    bool CanUndo() const { return !Style().readOnly && undoList_.HasItems(); }
    bool CanRedo() const { return !Style().readOnly && redoList_.HasItems(); }
    void Undo() { edit_.Undo(); }
    void Redo() { edit_.Redo(); }

    // --- Commands (ViewCommands.cpp) -------------------------------------------------------
    // The command processor: OnProcessCommand (OnProcessUserCommand from ecUserFirst on),
    // the hooks before, the command, the hooks after, OnCommandProcessed.
    void ProcessCommand(TEditorCommand command, char character, void* data) override;
    // Runs one command inside an update bracket; the text-changing ones only when writable.
    virtual void ExecuteCommand(TEditorCommand command, char character, void* data);
    using THookedCommandEvent = mirevo::THookedCommandEvent;
    // See TCommandHooks.
    void RegisterCommandHandler(THookedCommandEvent hook, void* handlerData);
    void UnregisterCommandHandler(void* handlerData);
    TKeyStrokes& Keystrokes() { return keystrokes_; }
    TKbdHandler& KbdHandler() { return kbdHandler_; }

    // --- Bookmarks (ViewBookmarks.cpp) -----------------------------------------------------
    // Slots 0..9; placing and clearing is no change of the text (allowed when read-only).
    void SetBookMark(std::int32_t number, std::int32_t x, std::int32_t y);
    void ClearBookMark(std::int32_t number);
    void GotoBookMark(std::int32_t number);
    // The slot's position when it holds a mark.
    std::optional<TBufferCoord> GetBookMark(std::int32_t number) const;
    bool IsBookmark(std::int32_t number) const { return GetBookMark(number).has_value(); }

    // --- Editing of a writable view (the edit engine) --------------------------------------
    // The text-changing commands, for a view that is not read-only.
    void ExecuteEditCommand(TEditorCommand command, char character, void* data);

    // --- Mouse (ViewMouse.cpp) -------------------------------------------------------------
    // The mouse messages of the window, x and y in client pixels; MouseTracker.h describes
    // the gestures they make.
    void MouseDown(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y);
    void MouseMove(TShiftState shift, std::int32_t x, std::int32_t y);
    void MouseUp(TMouseButton button, TShiftState shift, std::int32_t x, std::int32_t y);
    // Selects the word under the mouse, except over the gutter; the press that came with the
    // double-click (ssDouble) has done nothing more than OnMouseDown.
    void DblClick();
    // The scroll timer runs every kScrollTimerInterval milliseconds exactly while the mouse is
    // outside the text area during a drag-select or a drag; the window calls the tick for
    // kScrollTimerId. It scrolls by a row (a page with Shift) per row height of distance.
    static constexpr std::uintptr_t kScrollTimerId = 1;
    static constexpr std::uint32_t kScrollTimerInterval = 100;
    void ScrollTimerTick();
    bool ScrollTimerRunning() const { return mouse_.ScrollTimerOn(); }
    // The window lost the mouse capture: the timer stops and a drag is cancelled.
    void CaptureChanged();
    // The cursor for the mouse at (x, y): the gutter's over the gutter, the arrow over a
    // selection that can be dragged, else Cursor(); then OnMouseCursor and the mouse-cursor
    // chain may change it.
    TCursor CursorAt(std::int32_t x, std::int32_t y);
    // The shape over the text; the I-beam unless set.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor value) { cursor_ = value; }
    // Files dropped from the shell at (x, y): raises OnDropFiles.
    void DropFiles(std::int32_t x, std::int32_t y, const std::vector<std::string>& files);

    // --- Drag-and-drop editing (ViewDrag.cpp) ----------------------------------------------
    // The drag of the selection (see MouseTracker.h) and its target's side.
    enum class TDragState : std::uint8_t { dsDragEnter, dsDragLeave, dsDragMove };
    using TDragTarget = mirevo::TDragTarget;
    void SetDragTargetLocator(TDragTargetLocator locator) { mouse_.SetLocator(std::move(locator)); }
    bool Dragging() const { return mouse_.Dragging(); }
    // Ends a running drag without a drop.
    void CancelDrag();
    // As a target: accepts a text view's selection unless read-only (Ctrl copies); the caret
    // follows the mouse, and in the source view the edges scroll.
    void DragOver(TCustomTextView* source, std::int32_t x, std::int32_t y, TDragState state,
                  bool& accept);
    // As a target: inserts the source's selection at the nearest cell to (x, y) in one undo
    // block and leaves it selected with the caret at its start. Within one view the text
    // moves (Ctrl copies) unless dropped on itself; from another view it is copied (Shift
    // moves). A read-only view refuses.
    void DragDrop(TCustomTextView* source, std::int32_t x, std::int32_t y);

    // --- Update bracket and status ---------------------------------------------------------
    void LockPaint() { ++pending_.locks; }
    // Raises EAssertionFailed without a matching LockPaint. Closing the outermost bracket
    // brings scroll bars, caret and status up to date.
    void UnlockPaint();
    std::int32_t PaintLock() const { return pending_.locks; }
    void StatusChanged(TStatusChanges changes);
    TStatusChanges PendingChanges() const { return pending_.status; }

    // --- Repaint requests ------------------------------------------------------------------
    void Invalidate();
    void InvalidateRect(const TRect& rect);
    void InvalidateGutter() { InvalidateGutterLines(-1, -1); }
    void InvalidateGutterLines(std::int32_t first, std::int32_t last);
    void InvalidateLines(std::int32_t first, std::int32_t last);
    void InvalidateLine(std::int32_t line);
    void InvalidateSelection();
    // Brackets for OnPaintTransient; only the outermost pair raises it.
    void DoOnPaintTransientEx(TTransientType type, bool lock);
    void DoOnPaintTransient(TTransientType type) { DoOnPaintTransientEx(type, false); }

protected:
    IDrawingResources& Resources() const { return fonts_.Resources(); }
    // The framework's key steps (the OnKey events) and the input-method count of IKeyView.
    void DoKeyDown(TKeyCode& key, TShiftState shift) override;
    void DoKeyUp(TKeyCode& key, TShiftState shift) override;
    void DoKeyPress(char& key) override;
    bool CountOffImeChar() override;

private:
    // What the painter reads.
    TPaintScene Scene(IDrawingSurface& canvas);

    // Caret (Caret.cpp).
    void ShowCaret();
    void RefreshLastCaretColumn();
    void RecreateCaret();

    // Selection (ViewSelection.cpp).
    void ApplySelectionChange(const TSelectionChange& change);
    void UpdateSelectionLimits();

    // Mouse (ViewMouse.cpp).
    // The mouse is captured for a drag-select (a drag has the capture too, but is no select).
    bool MouseCaptured() const;
    void ComputeScroll(std::int32_t x, std::int32_t y);
    void StopScrollTimer();
    void ApplyTimerChange(TTimerChange change);
    // Drag (ViewDrag.cpp).
    void BeginDrag(TShiftState shift, std::int32_t x, std::int32_t y);
    void DragMove(TShiftState shift, std::int32_t x, std::int32_t y);
    void FinishDrag(TShiftState shift, std::int32_t x, std::int32_t y);
    void InsertDropped(const std::string& text, const TBufferCoord& at, TChangeKind kind);

    friend class TViewEditHost;

    // Line store events.
    void ListChanged();
    void ListCleared();
    void ListInserted(std::int32_t index, std::int32_t count);
    void ListDeleted(std::int32_t index, std::int32_t count);
    void ListReplaced(std::int32_t index, std::int32_t count);
    void BindLineStore();
    // Every simple setting goes through here: the work follows from the old and new value.
    void ApplyStyle(const TViewStyle& style) override;

    TFontsInfoManager& fonts_;
    ICharTypes& charTypes_;
    TLineStore lines_;
    TViewLayout layout_{lines_};
    TSelection selection_{lines_};
    TUndoList undoList_;
    TUndoList redoList_;
    TKeyStrokes keystrokes_;
    TKbdHandler kbdHandler_;
    TKeyInput keyInput_{*this, keystrokes_, kbdHandler_};
    std::int32_t imeCharsPending_ = 0;
    TCommandHooks commandHooks_;
    std::array<TEditMark*, 10> bookmarks_{};
    IClipboardFormats* clipboard_ = nullptr;
    TMouseTracker mouse_;
    TCursor cursor_ = crIBeam;

    IWindowServices* window_ = nullptr;

    TLogFont font_;
    TLogFont drawerFont_;
    TTextDrawer drawer_;
    TViewPainter painter_{drawer_, fonts_.Resources()};
    TGutter gutter_;
    TSelectedColor selectedColor_;
    TBookMarkOpt bookMarkOptions_;
    TGlyph wordWrapGlyph_;
    TEditMarkList marks_;

    std::int32_t extraLineSpacing_ = 0;
    std::int32_t maxScrollWidth_ = 1024;
    TEditorOptions options_ = kDefaultEditorOptions;
    bool modified_ = false;

    TCaretState caret_;
    std::int32_t wheelAccumulator_ = 0;
    std::int32_t paintTransientLock_ = 0;
    TPendingWork pending_;
    bool thumbTracking_ = false;
    TViewEditHost editHost_{*this};
    TEditEngine edit_{editHost_, lines_, selection_, undoList_, redoList_, marks_};
};

}  // namespace mirevo
