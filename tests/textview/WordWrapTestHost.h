// A view stand-in for the word-wrap layout: owns a line store and forwards its changes to
// the attached plugin the way the result view does. Header-only, shared by the unit tests
// and the fuzz target.
#pragma once

#include <bitset>
#include <cstdint>
#include <memory>

#include "textview/LineStore.h"
#include "textview/WordWrap.h"
#include "textview/WrapHost.h"

namespace mirevo::testing_support {

// The result view's identifier characters: every byte from '!' on.
inline std::bitset<256> DefaultIdentChars() {
    std::bitset<256> chars;
    for (int c = 0x21; c <= 0xFF; ++c) chars.set(static_cast<std::size_t>(c));
    return chars;
}

class WrapTestHost : public IWrapHost {
public:
    explicit WrapTestHost(std::int32_t visibleColumns, std::int32_t tabWidth = 8)
        : visibleColumns_(visibleColumns) {
        lines_.SetTabWidth(tabWidth);
        lines_.OnLinesCleared = [this](TLineStore&) {
            if (wrap_) wrap_->Reset();
        };
        lines_.OnLinesInserted = [this](TLineStore&, std::int32_t index, std::int32_t count) {
            if (wrap_) lastDelta_ = wrap_->LinesInserted(index, count);
        };
        lines_.OnLinesDeleted = [this](TLineStore&, std::int32_t index, std::int32_t count) {
            if (wrap_) lastDelta_ = -wrap_->LinesDeleted(index, count);
        };
        lines_.OnLinesReplaced = [this](TLineStore&, std::int32_t index, std::int32_t count) {
            if (wrap_) lastDelta_ = wrap_->LinesReplaced(index, count);
        };
    }

    TLineStore& Lines() override { return lines_; }
    std::int32_t VisibleColumns() const override { return visibleColumns_; }
    std::int32_t TabWidth() const override { return lines_.TabWidth(); }
    const std::bitset<256>& IdentChars() const override { return identChars_; }

    // Turns word wrap on: a new plugin lays everything out.
    TWordWrapPlugin& AttachWrap() {
        wrap_ = std::make_unique<TWordWrapPlugin>(this);
        return *wrap_;
    }
    // Turns word wrap off: the plugin goes.
    void DetachWrap() { wrap_.reset(); }
    TWordWrapPlugin& Wrap() { return *wrap_; }
    void SetVisibleColumns(std::int32_t columns) {
        visibleColumns_ = columns;
        if (wrap_) wrap_->DisplayChanged();
    }
    void SetTabWidth(std::int32_t width) {
        lines_.SetTabWidth(width);
        if (wrap_) wrap_->Reset();
    }
    // Rows added (negative: removed) by the last line notification.
    std::int32_t LastDelta() const { return lastDelta_; }

private:
    TLineStore lines_;
    std::int32_t visibleColumns_;
    std::bitset<256> identChars_ = DefaultIdentChars();
    std::unique_ptr<TWordWrapPlugin> wrap_;
    std::int32_t lastDelta_ = 0;
};

}  // namespace mirevo::testing_support
