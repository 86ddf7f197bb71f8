// TWordWrapPlugin: the word-wrap layout of the result view (unit WordWrap).
//
// For every line of the view's store it keeps how many display rows the line takes and how
// many bytes of the expanded line each row shows, in a TWrapRowTable (WrapRowTable.h): about
// one byte per row and two per line, with changes and lookups that cost what they touch. The
// view creates it when word wrap goes on (it lays out every line at once), forwards the
// store's changes to it through IBufferPlugin (see BufferPlugin.h for the wiring) and drops
// it when word wrap goes off. Rows are broken as WordWrapRows.h describes, at the view's
// VisibleColumns (at most 255).
//
// While the view has no width (VisibleColumns 0) the layout is empty, the notifications do
// nothing, and both conversions are the identity; DisplayChanged() with a width lays out
// everything.
//
// Misuse by the view (bad notification ranges, non-positive positions, a negative width)
// raises EAssertionFailed naming WordWrap.cpp. A row out of range in GetRowLength raises
// EListError.
#pragma once

#include <cstdint>

#include "textview/BufferPlugin.h"
#include "textview/WordWrapRows.h"
#include "textview/WrapHost.h"
#include "textview/WrapRowTable.h"

namespace mirevo {

class TWordWrapPlugin final : public IBufferPlugin {
public:
    // host must not be null (raises Exception) and must outlive the plugin.
    explicit TWordWrapPlugin(IWrapHost* host);
    TWordWrapPlugin(const TWordWrapPlugin&) = delete;
    TWordWrapPlugin& operator=(const TWordWrapPlugin&) = delete;

    TDisplayCoord BufferToDisplayPos(const TBufferCoord& position) const override;
    TBufferCoord DisplayToBufferPos(const TDisplayCoord& position) const override;
    std::int32_t RowCount() const override;
    std::int32_t GetRowLength(std::int32_t row) const override;
    std::int32_t LinesInserted(std::int32_t index, std::int32_t count) override;
    std::int32_t LinesDeleted(std::int32_t index, std::int32_t count) override;
    std::int32_t LinesReplaced(std::int32_t index, std::int32_t count) override;
    void DisplayChanged() override;
    void Reset() override;

    // The layout's parameters and size, for the painter and for checks.
    std::int32_t MaxRowLength() const { return rules_.maxRowLength; }
    std::int32_t MinRowLength() const { return rules_.minRowLength; }
    std::int32_t LineCount() const { return table_.LineCount(); }

private:
    // Rows of count lines from index, laid out anew.
    TLaidOutLines LayOut(std::int32_t index, std::int32_t count);
    void LayOutAll();

    IWrapHost& host_;
    TWrapRules rules_;
    TWrapRowTable table_;
};

}  // namespace mirevo
