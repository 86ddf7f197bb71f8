#include "textview/WordWrap.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "common/Exception.h"
#include "textview/LineStore.h"

namespace mirevo {

namespace {

IWrapHost& OwningHost(IWrapHost* host) {
    if (host == nullptr) throw Exception("TWordWrapPlugin must be owned by TCustomTextView");
    return *host;
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

void TWordWrapPlugin::LayOutAll() {
    table_.Clear();
    TLineStore& lines = host_.Lines();
    if (rules_.maxRowLength == 0) return;
    std::vector<std::uint8_t> rows;
    for (std::int32_t i = 0; i < lines.Count(); ++i) {
        rows.clear();
        WrapLine(lines.ExpandedLine(i), rules_, rows);
        table_.Append(rows);
    }
}

TLaidOutLines TWordWrapPlugin::LayOut(std::int32_t index, std::int32_t count) {
    TLineStore& lines = host_.Lines();
    TLaidOutLines fresh;
    fresh.rowsPerLine.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = index; i < index + count; ++i) {
        const std::size_t before = fresh.rows.size();
        WrapLine(lines.ExpandedLine(i), rules_, fresh.rows);
        fresh.rowsPerLine.push_back(static_cast<std::int32_t>(fresh.rows.size() - before));
    }
    return fresh;
}

// --- Notifications -------------------------------------------------------------------------

std::int32_t TWordWrapPlugin::LinesInserted(std::int32_t index, std::int32_t count) {
    if (rules_.maxRowLength == 0) return 0;
    MIREVO_ASSERT(index >= 0 && count > 0 && index <= LineCount());
    return table_.Insert(index, LayOut(index, count));
}

std::int32_t TWordWrapPlugin::LinesDeleted(std::int32_t index, std::int32_t count) {
    if (rules_.maxRowLength == 0) return 0;
    MIREVO_ASSERT(index >= 0 && count >= 1 && index <= LineCount() - count);
    const std::int32_t removed = table_.Erase(index, count);
    if (LineCount() == 0) table_.Clear();
    return removed;
}

std::int32_t TWordWrapPlugin::LinesReplaced(std::int32_t index, std::int32_t count) {
    if (rules_.maxRowLength == 0) return 0;
    MIREVO_ASSERT(index >= 0 && count > 0 && index <= LineCount() - count);
    return table_.Replace(index, count, LayOut(index, count));
}

// --- Queries -------------------------------------------------------------------------------

std::int32_t TWordWrapPlugin::RowCount() const { return table_.RowCount(); }

std::int32_t TWordWrapPlugin::GetRowLength(std::int32_t row) const {
    if (row < 1 || row > RowCount()) {
        throw EListError("リストのインデックスが範囲を超えています (" + std::to_string(row) + ")");
    }
    return table_.RowLength(row - 1);
}

TDisplayCoord TWordWrapPlugin::BufferToDisplayPos(const TBufferCoord& position) const {
    MIREVO_ASSERT(position.CharIndex > 0 && position.LineIndex > 0);
    const std::int32_t x = position.CharIndex;
    const std::int32_t line = position.LineIndex;
    if (line > LineCount()) return {x, RowCount() + line - LineCount()};

    const std::int32_t firstRow = table_.FirstRow(line - 1);  // 0-based
    const std::span<const std::uint8_t> rows = table_.RowsOf(line - 1);
    std::int32_t sum = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        sum += rows[r];
        const auto row = firstRow + static_cast<std::int32_t>(r);
        if (sum >= x) return {rows[r] + x - sum, row + 1};
    }
    return {rows.back() + x - sum, firstRow + static_cast<std::int32_t>(rows.size())};
}

TBufferCoord TWordWrapPlugin::DisplayToBufferPos(const TDisplayCoord& position) const {
    MIREVO_ASSERT(position.Column > 0 && position.Row > 0);
    const std::int32_t x = position.Column;
    const std::int32_t row = position.Row;
    if (row > RowCount()) return {x, row - RowCount() + LineCount()};

    const std::int32_t line = table_.LineOfRow(row - 1);
    const std::span<const std::uint8_t> rows = table_.RowsOf(line);
    const auto inLine = static_cast<std::size_t>(row - 1 - table_.FirstRow(line));
    const std::int32_t limit =
        inLine + 1 < rows.size() ? rows[inLine] + 1 : rules_.maxRowLength + 1;
    std::int32_t column = std::min(x, limit);
    for (std::size_t r = 0; r < inLine; ++r) column += rows[r];
    return {column, line + 1};
}

}  // namespace mirevo
