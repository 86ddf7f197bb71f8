#include "textview/KeyStroke.h"

#include "textview/KeyStrokes.h"

namespace mirevo {

void TKeyStroke::Assign(const TKeyStroke& source) {
    command_ = source.command_;
    firstKey_ = source.firstKey_;
    secondKey_ = source.secondKey_;
    firstShift_ = source.firstShift_;
    secondShift_ = source.secondShift_;
}

// Both strokes are compared with their modifiers: Ctrl+K, B and Ctrl+K, Ctrl+B are
// different bindings.
void TKeyStroke::SetShortCut(TShortCut value) {
    if (value != 0) CheckNoOtherHas(value, ShortCut2());
    ShortCutToKey(value, firstKey_, firstShift_);
}

void TKeyStroke::SetShortCut2(TShortCut value) {
    if (value != 0) CheckNoOtherHas(ShortCut(), value);
    ShortCutToKey(value, secondKey_, secondShift_);
}

std::int32_t TKeyStroke::Index() const { return table_ ? table_->IndexOf(*this) : -1; }

std::string TKeyStroke::DisplayName() const {
    std::string name = EditorCommandToName(command_) + " - " + ShortCutToText(ShortCut());
    if (secondKey_ != 0) name += " " + ShortCutToText(ShortCut2());
    return name;
}

void TKeyStroke::CheckNoOtherHas(TShortCut first, TShortCut second) const {
    if (!table_) return;
    for (std::int32_t i = 0; i < table_->Count(); ++i) {
        const TKeyStroke& other = table_->Items(i);
        if (&other != this && other.ShortCut() == first && other.ShortCut2() == second) {
            throw EKeyStrokeError("Shortcut already exists");
        }
    }
}

}  // namespace mirevo
