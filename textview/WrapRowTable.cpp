#include "textview/WrapRowTable.h"

#include <algorithm>
#include <limits>

#include "common/Exception.h"

namespace mirevo {

namespace {

// Chunks are made this long; one that grows past twice that is cut up again, and one that
// shrinks below a quarter of it joins a neighbour.
constexpr std::int32_t kChunkLines = 256;
constexpr std::int32_t kMaxChunkLines = 2 * kChunkLines;
constexpr std::int32_t kMinChunkLines = kChunkLines / 4;
constexpr std::int32_t kMaxNarrowEnd = std::numeric_limits<std::uint16_t>::max();

std::int32_t SizeOf(const auto& container) { return static_cast<std::int32_t>(container.size()); }

}  // namespace

// --- Chunk ---------------------------------------------------------------------------------

std::int32_t TWrapRowTable::Chunk::Lines() const {
    return wideEnds.empty() ? SizeOf(narrowEnds) : SizeOf(wideEnds);
}

std::int32_t TWrapRowTable::Chunk::End(std::int32_t line) const {
    const auto i = static_cast<std::size_t>(line);
    return wideEnds.empty() ? narrowEnds[i] : wideEnds[i];
}

std::int32_t TWrapRowTable::Chunk::LineOfRow(std::int32_t row) const {
    const auto after = [row](const auto& ends) {
        return static_cast<std::int32_t>(std::upper_bound(ends.begin(), ends.end(), row) -
                                         ends.begin());
    };
    return wideEnds.empty() ? after(narrowEnds) : after(wideEnds);
}

void TWrapRowTable::Chunk::SetEnds(std::span<const std::int32_t> ends) {
    if (ends.empty() || ends.back() <= kMaxNarrowEnd) {
        narrowEnds.resize(ends.size());
        std::transform(ends.begin(), ends.end(), narrowEnds.begin(),
                       [](std::int32_t end) { return static_cast<std::uint16_t>(end); });
        wideEnds = {};
    } else {
        wideEnds.assign(ends.begin(), ends.end());
        narrowEnds = {};
    }
}

void TWrapRowTable::Chunk::AppendEnd(std::int32_t end) {
    if (wideEnds.empty() && end <= kMaxNarrowEnd) {
        narrowEnds.push_back(static_cast<std::uint16_t>(end));
        return;
    }
    if (wideEnds.empty()) {
        wideEnds.assign(narrowEnds.begin(), narrowEnds.end());
        narrowEnds = {};
    }
    wideEnds.push_back(end);
}

// --- Queries -------------------------------------------------------------------------------

const TWrapRowTable::Finger& TWrapRowTable::PointAt(std::size_t chunk) const {
    finger_ = {chunk, chunkLines_.Before(chunk), chunkRows_.Before(chunk), chunks_[chunk].Lines(),
               SizeOf(chunks_[chunk].rows)};
    return finger_;
}

const TWrapRowTable::Finger& TWrapRowTable::ChunkOfLine(std::int32_t line) const {
    MIREVO_ASSERT(line >= 0 && line < LineCount());
    if (line >= finger_.firstLine && line < finger_.firstLine + finger_.lines) return finger_;
    return PointAt(chunkLines_.Find(line));
}

const TWrapRowTable::Finger& TWrapRowTable::ChunkOfRow(std::int32_t row) const {
    MIREVO_ASSERT(row >= 0 && row < RowCount());
    if (row >= finger_.firstRow && row < finger_.firstRow + finger_.rows) return finger_;
    return PointAt(chunkRows_.Find(row));
}

TWrapRowTable::Place TWrapRowTable::PlaceOf(std::int32_t line) const {
    const Finger& chunk = ChunkOfLine(line);
    return {chunk.chunk, line - chunk.firstLine};
}

std::int32_t TWrapRowTable::FirstRow(std::int32_t line) const {
    if (line == LineCount()) return RowCount();
    const Finger& chunk = ChunkOfLine(line);
    return chunk.firstRow + chunks_[chunk.chunk].Start(line - chunk.firstLine);
}

std::int32_t TWrapRowTable::LineOfRow(std::int32_t row) const {
    const Finger& chunk = ChunkOfRow(row);
    return chunk.firstLine + chunks_[chunk.chunk].LineOfRow(row - chunk.firstRow);
}

std::int32_t TWrapRowTable::RowLength(std::int32_t row) const {
    const Finger& chunk = ChunkOfRow(row);
    return chunks_[chunk.chunk].rows[static_cast<std::size_t>(row - chunk.firstRow)];
}

std::span<const std::uint8_t> TWrapRowTable::RowsOf(std::int32_t line) const {
    const Place place = PlaceOf(line);
    const Chunk& chunk = chunks_[place.chunk];
    const auto start = static_cast<std::size_t>(chunk.Start(place.line));
    const auto end = static_cast<std::size_t>(chunk.End(place.line));
    return std::span(chunk.rows).subspan(start, end - start);
}

// --- Changes -------------------------------------------------------------------------------

void TWrapRowTable::Append(std::span<const std::uint8_t> rows) {
    MIREVO_ASSERT(!rows.empty());
    finger_ = {};
    if (chunks_.empty() || chunks_.back().Lines() >= kChunkLines) {
        // A full chunk keeps no spare room: a whole text laid out costs its size and no more.
        if (!chunks_.empty()) chunks_.back().rows.shrink_to_fit();
        chunks_.emplace_back().narrowEnds.reserve(kChunkLines);
        chunkLines_.Append(0);
        chunkRows_.Append(0);
    }
    Chunk& chunk = chunks_.back();
    chunk.rows.insert(chunk.rows.end(), rows.begin(), rows.end());
    chunk.AppendEnd(SizeOf(chunk.rows));
    chunkLines_.Add(chunks_.size() - 1, 1);
    chunkRows_.Add(chunks_.size() - 1, SizeOf(rows));
}

std::int32_t TWrapRowTable::Insert(std::int32_t index, const TLaidOutLines& lines) {
    MIREVO_ASSERT(index >= 0 && index <= LineCount());
    if (lines.rowsPerLine.empty()) return 0;
    if (index == LineCount() && lines.rowsPerLine.size() == 1) {
        Append(lines.rows);
        return SizeOf(lines.rows);
    }
    if (chunks_.empty()) {
        chunks_.emplace_back();
        Recount();
    }
    const Place place =
        index == LineCount() ? Place{chunks_.size() - 1, chunks_.back().Lines()} : PlaceOf(index);
    const std::int32_t added = SpliceInChunk(place.chunk, place.line, 0, lines);
    SplitIfLarge(place.chunk);
    return added;
}

std::int32_t TWrapRowTable::Erase(std::int32_t index, std::int32_t count) {
    MIREVO_ASSERT(index >= 0 && count >= 0 && count <= LineCount() - index);
    if (count == 0) return 0;
    const std::size_t first = PlaceOf(index).chunk;
    std::size_t last = first;
    std::int32_t removed = 0;
    while (count > 0) {
        const Place place = PlaceOf(index);
        const std::int32_t n = std::min(count, chunks_[place.chunk].Lines() - place.line);
        removed -= SpliceInChunk(place.chunk, place.line, n, {});
        count -= n;
        last = place.chunk;
    }
    TidyAround(first, last);
    return removed;
}

std::int32_t TWrapRowTable::Replace(std::int32_t index, std::int32_t count,
                                    const TLaidOutLines& lines) {
    const Place place = PlaceOf(index);
    if (place.line + count > chunks_[place.chunk].Lines()) {
        const std::int32_t removed = Erase(index, count);
        return Insert(index, lines) - removed;
    }
    const std::int32_t delta = SpliceInChunk(place.chunk, place.line, count, lines);
    SplitIfLarge(place.chunk);
    return delta;
}

void TWrapRowTable::Clear() {
    chunks_ = {};
    chunkLines_ = {};
    chunkRows_ = {};
    scratch_ = {};
    finger_ = {};
}

std::int32_t TWrapRowTable::SpliceInChunk(std::size_t index, std::int32_t line, std::int32_t count,
                                          const TLaidOutLines& lines) {
    finger_ = {};
    Chunk& chunk = chunks_[index];
    const std::int32_t oldLines = chunk.Lines();
    MIREVO_ASSERT(line >= 0 && count >= 0 && line + count <= oldLines);
    const std::int32_t first = chunk.Start(line);
    const std::int32_t end = chunk.Start(line + count);
    const std::int32_t delta = SizeOf(lines.rows) - (end - first);

    // One move of the following rows, up or down, then the new lengths in place.
    if (delta > 0) {
        chunk.rows.insert(chunk.rows.begin() + end, static_cast<std::size_t>(delta), 0);
    } else if (delta < 0) {
        chunk.rows.erase(chunk.rows.begin() + end + delta, chunk.rows.begin() + end);
    }
    std::copy(lines.rows.begin(), lines.rows.end(), chunk.rows.begin() + first);

    scratch_.clear();
    for (std::int32_t i = 0; i < line; ++i) scratch_.push_back(chunk.End(i));
    std::int32_t total = first;
    for (const std::int32_t rows : lines.rowsPerLine) scratch_.push_back(total += rows);
    for (std::int32_t i = line + count; i < oldLines; ++i) scratch_.push_back(chunk.End(i) + delta);
    chunk.SetEnds(scratch_);

    chunkLines_.Add(index, chunk.Lines() - oldLines);
    chunkRows_.Add(index, delta);
    return delta;
}

// --- Chunking ------------------------------------------------------------------------------

void TWrapRowTable::SplitIfLarge(std::size_t index) {
    const Chunk& chunk = chunks_[index];
    const std::int32_t lines = chunk.Lines();
    if (lines <= kMaxChunkLines) return;
    const std::int32_t pieces = lines / kChunkLines;
    std::vector<Chunk> cut(static_cast<std::size_t>(pieces));
    std::int32_t line = 0;
    for (std::int32_t piece = 0; piece < pieces; ++piece) {
        const std::int32_t last =
            static_cast<std::int32_t>(static_cast<std::int64_t>(lines) * (piece + 1) / pieces);
        const std::int32_t base = chunk.Start(line);
        scratch_.clear();
        for (; line < last; ++line) scratch_.push_back(chunk.End(line) - base);
        Chunk& fresh = cut[static_cast<std::size_t>(piece)];
        fresh.SetEnds(scratch_);
        fresh.rows.assign(chunk.rows.begin() + base, chunk.rows.begin() + base + scratch_.back());
    }
    chunks_.erase(chunks_.begin() + static_cast<std::ptrdiff_t>(index));
    chunks_.insert(chunks_.begin() + static_cast<std::ptrdiff_t>(index),
                   std::make_move_iterator(cut.begin()), std::make_move_iterator(cut.end()));
    Recount();
}

void TWrapRowTable::TidyAround(std::size_t index, std::size_t last) {
    const auto begin = chunks_.begin() + static_cast<std::ptrdiff_t>(index);
    const auto end = chunks_.begin() + static_cast<std::ptrdiff_t>(last + 1);
    const auto kept = std::remove_if(begin, end, [](const Chunk& c) { return c.Lines() == 0; });
    bool changed = kept != end;
    chunks_.erase(kept, end);
    // Of the chunks an erase touched, only the first and the one now after it can be short.
    for (int pass = 0; pass < 2 && chunks_.size() > 1; ++pass) {
        const std::size_t from = index > 0 ? index - 1 : 0;
        const std::size_t to = std::min(index + 2, chunks_.size());
        std::size_t small = from;
        while (small < to && chunks_[small].Lines() >= kMinChunkLines) ++small;
        if (small == to) break;
        const std::size_t into = small + 1 < chunks_.size() ? small : small - 1;
        Merge(into);
        SplitIfLarge(into);
        changed = true;
    }
    // One recount for every change (a split has counted once already; this is rare).
    if (changed) Recount();
}

void TWrapRowTable::Merge(std::size_t index) {
    Chunk& target = chunks_[index];
    const Chunk& source = chunks_[index + 1];
    scratch_.clear();
    for (std::int32_t i = 0; i < target.Lines(); ++i) scratch_.push_back(target.End(i));
    const std::int32_t base = SizeOf(target.rows);
    for (std::int32_t i = 0; i < source.Lines(); ++i) scratch_.push_back(base + source.End(i));
    target.SetEnds(scratch_);
    target.rows.insert(target.rows.end(), source.rows.begin(), source.rows.end());
    chunks_.erase(chunks_.begin() + static_cast<std::ptrdiff_t>(index + 1));
}

void TWrapRowTable::Recount() {
    finger_ = {};
    std::vector<std::int32_t> lines;
    std::vector<std::int32_t> rows;
    lines.reserve(chunks_.size());
    rows.reserve(chunks_.size());
    for (const Chunk& chunk : chunks_) {
        lines.push_back(chunk.Lines());
        rows.push_back(SizeOf(chunk.rows));
    }
    chunkLines_.Assign(lines);
    chunkRows_.Assign(rows);
}

}  // namespace mirevo
