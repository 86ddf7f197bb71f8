#include "textview/WordWrap.h"

#include <algorithm>
#include <string>

#include "common/Exception.h"
#include "textview/LineStore.h"

namespace mirevo {

namespace {

IWrapHost& OwningHost(IWrapHost* host) {
    if (host == nullptr) throw Exception("TWordWrapPlugin must be owned by TCustomTextView");
    return *host;
}

// Raises the capacity to the next multiple of granule strictly above the request. Growing
// by at least half keeps a text set one line at a time linear.
template <typename T>
void Reserve(std::vector<T>& array, std::size_t request, std::size_t granule) {
    if (request <= array.capacity()) return;
    const std::size_t wanted = std::max(request, array.capacity() + array.capacity() / 2);
    array.reserve((wanted / granule + 1) * granule);
}

}  // namespace

TWordWrapPlugin::TWordWrapPlugin(IWrapHost* host) : host_(OwningHost(host)) { Reset(); }

// --- Layout --------------------------------------------------------------------------------

void TWordWrapPlugin::Reset() {
    const std::int32_t visible = host_.VisibleColumns();
    MIREVO_ASSERT(visible >= 0);
    rules_ = TWrapRules::For(visible, host_.TabWidth(), host_.IdentChars());
    LayOutAll();
}

void TWordWrapPlugin::DisplayChanged() {
    if (std::min(host_.VisibleColumns(), kMaxWrappedRowLength) != rules_.maxRowLength) Reset();
}

void TWordWrapPlugin::Release() {
    lineRowEnds_ = {};
    rowLengths_ = {};
}

void TWordWrapPlugin::LayOutAll() {
    TLineStore& lines = host_.Lines();
    if (lines.Count() == 0 || rules_.maxRowLength == 0) {
        Release();
        return;
    }
    lineRowEnds_.clear();
    rowLengths_.clear();
    ReserveLines(static_cast<std::size_t>(lines.Count()));
    std::vector<std::uint8_t> rows;
    for (std::int32_t i = 0; i < lines.Count(); ++i) {
        rows.clear();
        WrapLine(lines.ExpandedLine(i), rules_, rows);
        ReserveRows(rowLengths_.size() + rows.size());
        rowLengths_.insert(rowLengths_.end(), rows.begin(), rows.end());
        lineRowEnds_.push_back(static_cast<std::int32_t>(rowLengths_.size()));
    }
}

TWordWrapPlugin::TNewRows TWordWrapPlugin::LayOut(std::int32_t index, std::int32_t count) {
    TLineStore& lines = host_.Lines();
    TNewRows fresh;
    fresh.rowsPerLine.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = index; i < index + count; ++i) {
        const std::size_t before = fresh.rows.size();
        WrapLine(lines.ExpandedLine(i), rules_, fresh.rows);
        fresh.rowsPerLine.push_back(static_cast<std::int32_t>(fresh.rows.size() - before));
    }
    return fresh;
}

std::int32_t TWordWrapPlugin::RowsBefore(std::int32_t line) const {
    return line == 0 ? 0 : lineRowEnds_[static_cast<std::size_t>(line - 1)];
}

void TWordWrapPlugin::SetLineEnds(std::int32_t index, std::int32_t firstRow,
                                  const TNewRows& fresh) {
    std::int32_t end = firstRow;
    auto entry = lineRowEnds_.begin() + index;
    for (const std::int32_t rows : fresh.rowsPerLine) *entry++ = end += rows;
}

void TWordWrapPlugin::ShiftLineEnds(std::int32_t from, std::int32_t delta) {
    if (delta == 0) return;
    for (auto entry = lineRowEnds_.begin() + from; entry != lineRowEnds_.end(); ++entry) {
        *entry += delta;
    }
}

void TWordWrapPlugin::ReserveLines(std::size_t lines) { Reserve(lineRowEnds_, lines, 256); }

void TWordWrapPlugin::ReserveRows(std::size_t rows) { Reserve(rowLengths_, rows, 512); }

// --- Notifications -------------------------------------------------------------------------

std::int32_t TWordWrapPlugin::LinesInserted(std::int32_t index, std::int32_t count) {
    if (rules_.maxRowLength == 0) return 0;
    MIREVO_ASSERT(index >= 0 && count > 0 && index <= LineCount());
    const TNewRows fresh = LayOut(index, count);
    const std::int32_t firstRow = RowsBefore(index);
    const auto added = static_cast<std::int32_t>(fresh.rows.size());

    ReserveLines(lineRowEnds_.size() + static_cast<std::size_t>(count));
    lineRowEnds_.insert(lineRowEnds_.begin() + index, static_cast<std::size_t>(count), 0);
    SetLineEnds(index, firstRow, fresh);
    ShiftLineEnds(index + count, added);

    ReserveRows(rowLengths_.size() + fresh.rows.size());
    rowLengths_.insert(rowLengths_.begin() + firstRow, fresh.rows.begin(), fresh.rows.end());
    return added;
}

std::int32_t TWordWrapPlugin::LinesDeleted(std::int32_t index, std::int32_t count) {
    if (rules_.maxRowLength == 0) return 0;
    MIREVO_ASSERT(index >= 0 && count >= 1 && index <= LineCount() - count);
    const std::int32_t firstRow = RowsBefore(index);
    const std::int32_t removed = RowsBefore(index + count) - firstRow;
    rowLengths_.erase(rowLengths_.begin() + firstRow, rowLengths_.begin() + firstRow + removed);
    lineRowEnds_.erase(lineRowEnds_.begin() + index, lineRowEnds_.begin() + index + count);
    ShiftLineEnds(index, -removed);
    if (lineRowEnds_.empty()) Release();
    return removed;
}

std::int32_t TWordWrapPlugin::LinesReplaced(std::int32_t index, std::int32_t count) {
    if (rules_.maxRowLength == 0) return 0;
    MIREVO_ASSERT(index >= 0 && count > 0 && index <= LineCount() - count);
    const TNewRows fresh = LayOut(index, count);
    const std::int32_t firstRow = RowsBefore(index);
    const std::int32_t oldEnd = RowsBefore(index + count);
    const std::int32_t delta = static_cast<std::int32_t>(fresh.rows.size()) - (oldEnd - firstRow);

    // One move of the following rows, up or down, then the new lengths in place.
    if (delta > 0) {
        ReserveRows(rowLengths_.size() + static_cast<std::size_t>(delta));
        rowLengths_.insert(rowLengths_.begin() + oldEnd, static_cast<std::size_t>(delta), 0);
    } else if (delta < 0) {
        rowLengths_.erase(rowLengths_.begin() + oldEnd + delta, rowLengths_.begin() + oldEnd);
    }
    std::copy(fresh.rows.begin(), fresh.rows.end(), rowLengths_.begin() + firstRow);
    SetLineEnds(index, firstRow, fresh);
    ShiftLineEnds(index + count, delta);
    return delta;
}

// --- Queries -------------------------------------------------------------------------------

std::int32_t TWordWrapPlugin::RowCount() const {
    return static_cast<std::int32_t>(rowLengths_.size());
}

std::int32_t TWordWrapPlugin::GetRowLength(std::int32_t row) const {
    if (row < 1 || row > RowCount()) {
        throw EListError("リストのインデックスが範囲を超えています (" + std::to_string(row) + ")");
    }
    return rowLengths_[static_cast<std::size_t>(row - 1)];
}

TDisplayCoord TWordWrapPlugin::BufferToDisplayPos(const TBufferCoord& position) const {
    MIREVO_ASSERT(position.CharIndex > 0 && position.LineIndex > 0);
    const std::int32_t x = position.CharIndex;
    const std::int32_t line = position.LineIndex;
    if (line > LineCount()) return {x, RowCount() + line - LineCount()};

    const std::int32_t lastRow = RowsBefore(line) - 1;  // 0-based
    std::int32_t sum = 0;
    for (std::int32_t row = RowsBefore(line - 1); row <= lastRow; ++row) {
        const std::int32_t length = rowLengths_[static_cast<std::size_t>(row)];
        sum += length;
        if (sum >= x) return {length + x - sum, row + 1};
    }
    return {rowLengths_[static_cast<std::size_t>(lastRow)] + x - sum, lastRow + 1};
}

TBufferCoord TWordWrapPlugin::DisplayToBufferPos(const TDisplayCoord& position) const {
    MIREVO_ASSERT(position.Column > 0 && position.Row > 0);
    const std::int32_t x = position.Column;
    const std::int32_t row = position.Row;
    if (row > RowCount()) return {x, row - RowCount() + LineCount()};

    // Every line has a row, so the line holding row is the first whose end reaches it.
    const auto found = std::lower_bound(lineRowEnds_.begin(), lineRowEnds_.end(), row);
    const auto line = static_cast<std::int32_t>(found - lineRowEnds_.begin());
    const std::int32_t firstRow = RowsBefore(line);  // 0-based
    const std::int32_t rowIndex = row - 1;
    const std::int32_t limit = rowIndex + 1 < *found
                                   ? rowLengths_[static_cast<std::size_t>(rowIndex)] + 1
                                   : rules_.maxRowLength + 1;
    std::int32_t column = std::min(x, limit);
    for (std::int32_t r = firstRow; r < rowIndex; ++r) {
        column += rowLengths_[static_cast<std::size_t>(r)];
    }
    return {column, line + 1};
}

}  // namespace mirevo
