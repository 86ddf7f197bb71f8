// TWordWrapPlugin: the word-wrap layout of the result view (unit WordWrap).
//
// For every line of the view's store it keeps how many display rows the line takes and how
// many bytes of the expanded line each row shows: one byte per row and four per line. The
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
#include <vector>

#include "textview/BufferPlugin.h"
#include "textview/WordWrapRows.h"
#include "textview/WrapHost.h"

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
    std::int32_t LineCount() const { return static_cast<std::int32_t>(lineRowEnds_.size()); }

private:
    // Rows of count lines from index, laid out anew, with each line's number of rows.
    struct TNewRows {
        std::vector<std::uint8_t> rows;
        std::vector<std::int32_t> rowsPerLine;
    };
    TNewRows LayOut(std::int32_t index, std::int32_t count);
    void LayOutAll();
    void Release();
    std::int32_t RowsBefore(std::int32_t line) const;
    void SetLineEnds(std::int32_t index, std::int32_t firstRow, const TNewRows& fresh);
    void ShiftLineEnds(std::int32_t from, std::int32_t delta);
    void ReserveLines(std::size_t lines);
    void ReserveRows(std::size_t rows);

    IWrapHost& host_;
    TWrapRules rules_;
    std::vector<std::int32_t> lineRowEnds_;  // rows of all lines up to and including each line
    std::vector<std::uint8_t> rowLengths_;
};

}  // namespace mirevo
