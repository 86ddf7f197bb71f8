#include "textview/Selection.h"

#include <algorithm>

#include "common/Sjis.h"

namespace mirevo {

void TSelectionChange::Repaint(std::int32_t first, std::int32_t last) {
    if (first > last) std::swap(first, last);
    if (!Repaints()) {
        FirstLine = first;
        LastLine = last;
        return;
    }
    FirstLine = std::min(FirstLine, first);
    LastLine = std::max(LastLine, last);
}

void TSelectionChange::Merge(const TSelectionChange& other) {
    Changed = Changed || other.Changed;
    if (other.Repaints()) Repaint(other.FirstLine, other.LastLine);
}

TBufferCoord TSelection::First() const { return std::min(anchor_, activeEnd_); }

TBufferCoord TSelection::Last() const { return std::max(anchor_, activeEnd_); }

bool TSelection::HasSelection() const {
    if (anchor_.CharIndex != activeEnd_.CharIndex) return true;
    return anchor_.LineIndex != activeEnd_.LineIndex && currentMode_ != TSelectionMode::smColumn;
}

std::int32_t TSelection::LastLineIndex() const { return std::max(1, lines_.Count()); }

std::int32_t TSelection::LineLength(std::int32_t lineIndex) const {
    return static_cast<std::int32_t>(lines_.Get(lineIndex - 1).size());
}

TBufferCoord TSelection::Clamp(TBufferCoord p) const {
    p.CharIndex = std::max(1, p.CharIndex);
    p.LineIndex = std::clamp(p.LineIndex, 1, LastLineIndex());
    // The scroll width's limit may cut a character of a longer line: the end goes before it.
    const std::int32_t limit = std::max(1, limits_.MaxScrollWidth + 1);
    if (limits_.ScrollPastEol && !limits_.WordWrap && p.CharIndex > limit)
        p = OffTrailByte({limit, p.LineIndex});
    if (currentMode_ == TSelectionMode::smNormal)
        p.CharIndex = std::min(p.CharIndex, LineLength(p.LineIndex) + 1);
    return p;
}

TSelectionChange TSelection::AdoptSelectionMode() {
    TSelectionChange change;
    if (currentMode_ == selectionMode_) return change;
    change.Changed = true;
    change.Repaint(First().LineIndex, Last().LineIndex);
    currentMode_ = selectionMode_;
    return change;
}

TSelectionChange TSelection::SetAnchor(TBufferCoord p) {
    TSelectionChange change = AdoptSelectionMode();
    p = Clamp(p);
    if (HasSelection()) {
        change.Changed = true;
        change.Repaint(std::min(p.LineIndex, First().LineIndex),
                       std::max(p.LineIndex, Last().LineIndex));
    } else if (anchor_ != p || activeEnd_ != p) {
        change.Changed = true;
    }
    anchor_ = p;
    activeEnd_ = p;
    return change;
}

TBufferCoord TSelection::OffTrailByte(TBufferCoord p) const {
    const std::string_view line = lines_.Get(p.LineIndex - 1);
    if (p.CharIndex >= 2 &&
        ByteKindAt(line, static_cast<std::size_t>(p.CharIndex - 1)) == ByteKind::Trail)
        --p.CharIndex;
    return p;
}

TSelectionChange TSelection::SetActiveEnd(TBufferCoord p) {
    if (limits_.NoSelection) return {};
    TSelectionChange change = AdoptSelectionMode();
    p = Clamp(p);
    if (p == activeEnd_) return change;
    p = OffTrailByte(p);
    if (p == activeEnd_) return change;
    change.Changed = true;
    const bool indexChanged = p.CharIndex != activeEnd_.CharIndex;
    if (currentMode_ != TSelectionMode::smColumn) {
        change.Repaint(activeEnd_.LineIndex, p.LineIndex);
    } else if (!indexChanged) {
        if (anchor_.CharIndex != p.CharIndex) change.Repaint(activeEnd_.LineIndex, p.LineIndex);
    } else {
        change.Repaint(std::min({anchor_.LineIndex, activeEnd_.LineIndex, p.LineIndex}),
                       std::max({anchor_.LineIndex, activeEnd_.LineIndex, p.LineIndex}));
    }
    activeEnd_ = p;
    return change;
}

void TSelection::SetEnds(TBufferCoord anchor, TBufferCoord activeEnd) {
    anchor_ = anchor;
    activeEnd_ = activeEnd;
}

TSelectionChange TSelection::MoveCaretAndSelection(TBufferCoord before, TBufferCoord after,
                                                   TExtend extend) {
    if (extend == TExtend::No) return SetAnchor(after);
    TSelectionChange change;
    if (!HasSelection()) change = SetAnchor(before);
    change.Merge(SetActiveEnd(after));
    return change;
}

TSelectionChange TSelection::SelectAll() {
    const std::int32_t last = std::max(1, lines_.Count());
    TSelectionChange change = SetAnchor({1, 1});
    change.Merge(SetActiveEnd({LineLength(last) + 1, last}));
    change.Changed = true;
    return change;
}

bool TSelection::PointInSelection(TBufferCoord p) const {
    const TBufferCoord first = First();
    const TBufferCoord last = Last();
    if (!HasSelection() || p.LineIndex < first.LineIndex || p.LineIndex > last.LineIndex)
        return false;
    switch (currentMode_) {
        case TSelectionMode::smLine:
            return true;
        case TSelectionMode::smColumn:
            return p.CharIndex >= std::min(first.CharIndex, last.CharIndex) &&
                   p.CharIndex < std::max(first.CharIndex, last.CharIndex);
        case TSelectionMode::smNormal:
            break;
    }
    return (p.LineIndex > first.LineIndex || p.CharIndex >= first.CharIndex) &&
           (p.LineIndex < last.LineIndex || p.CharIndex < last.CharIndex);
}

std::string TSelection::SelectedText(TColumnPadding padding) const {
    if (!HasSelection()) return {};
    return TextBetween(lines_, First(), Last(), currentMode_, padding);
}

}  // namespace mirevo
