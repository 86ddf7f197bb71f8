// TSelection: the result view's selection over its line store: two ends, the chosen and the
// current mode, the clamping rules, and the reads (ordered ends, text, hit test).
//
// The view owns one per line store and keeps the caret itself. Every setter returns a
// TSelectionChange that says which lines to repaint and whether to report scSelection, so
// the selection never paints or notifies by itself. Ends are 1-based TBufferCoord values;
// an empty store counts as one empty line.
#pragma once

#include <cstdint>
#include <string>

#include "textview/Coordinates.h"
#include "textview/LineStore.h"
#include "textview/SelectionText.h"
#include "textview/UndoSelectionMode.h"

namespace mirevo {

// What a selection change asks of the view. Lines are 1-based buffer lines.
struct TSelectionChange {
    bool Changed = false;  // report scSelection
    std::int32_t FirstLine = 0;
    std::int32_t LastLine = -1;  // nothing to repaint while LastLine < FirstLine

    bool Repaints() const { return FirstLine <= LastLine; }
    // Adds the lines first..last (in either order) to the repaint.
    void Repaint(std::int32_t first, std::int32_t last);
    void Merge(const TSelectionChange& other);
};

// The view's settings that limit where an end may go.
struct TSelectionLimits {
    bool ScrollPastEol = false;  // eoScrollPastEol
    bool WordWrap = false;
    std::int32_t MaxScrollWidth = 1024;
    bool NoSelection = false;  // eoNoSelection: the active end never moves
};

class TSelection {
public:
    explicit TSelection(const TLineStore& lines) : lines_(lines) {}

    void SetLimits(const TSelectionLimits& limits) { limits_ = limits; }
    const TSelectionLimits& Limits() const { return limits_; }

    // The published SelectionMode, taken by the next end that is set.
    TSelectionMode SelectionMode() const { return selectionMode_; }
    void SetSelectionMode(TSelectionMode mode) { selectionMode_ = mode; }
    // The mode in force now. Undo and redo set it directly to the mode of their item.
    TSelectionMode CurrentMode() const { return currentMode_; }
    void SetCurrentMode(TSelectionMode mode) { currentMode_ = mode; }

    TBufferCoord Anchor() const { return anchor_; }
    TBufferCoord ActiveEnd() const { return activeEnd_; }
    // The ends ordered by line, then by byte.
    TBufferCoord First() const;
    TBufferCoord Last() const;
    // The ends differ in byte index, or in line outside smColumn (a column of zero width
    // selects nothing).
    bool HasSelection() const;

    // p as a selection end under the current mode: index at least 1 (at most MaxScrollWidth
    // + 1 with ScrollPastEol and no word wrap, at most length + 1 in smNormal), line within
    // 1..count.
    TBufferCoord Clamp(TBufferCoord p) const;

    // Collapses the selection at p (clamped), after taking SelectionMode as current mode.
    TSelectionChange SetAnchor(TBufferCoord p);
    // Moves the active end to p (clamped, never on the second byte of a double-byte
    // character), after taking SelectionMode. Does nothing with NoSelection.
    TSelectionChange SetActiveEnd(TBufferCoord p);
    // Both ends as given, unclamped, the current mode kept: for the view's "set caret and
    // selection" and for the collapse at the end of a store update.
    void SetEnds(TBufferCoord anchor, TBufferCoord activeEnd);
    // A navigation step from before to after: extending starts a selection at before when
    // there is none and moves the active end to after; otherwise the selection collapses at
    // after. The view then sets its caret to after (and adds its group break first).
    enum class TExtend : bool { No = false, Yes = true };
    TSelectionChange MoveCaretAndSelection(TBufferCoord before, TBufferCoord after, TExtend extend);
    // Anchor at (1, 1), active end at the end of the last line ((1, 1) for an empty store);
    // the view puts its caret at ActiveEnd().
    TSelectionChange SelectAll();

    // True when p lies inside a non-empty selection, by the current mode.
    bool PointInSelection(TBufferCoord p) const;
    // The selected text by the current mode; empty without a selection.
    std::string SelectedText(TColumnPadding padding = TColumnPadding::Pad) const;

    // p, or the start of the character whose second byte it stands on.
    TBufferCoord OffTrailByte(TBufferCoord p) const;

private:
    // Takes SelectionMode as current mode; a change repaints the old and the new selection.
    TSelectionChange AdoptSelectionMode();
    std::int32_t LastLineIndex() const;
    std::int32_t LineLength(std::int32_t lineIndex) const;

    const TLineStore& lines_;
    TSelectionLimits limits_;
    TSelectionMode selectionMode_ = TSelectionMode::smNormal;
    TSelectionMode currentMode_ = TSelectionMode::smNormal;
    TBufferCoord anchor_;
    TBufferCoord activeEnd_;
};

}  // namespace mirevo
