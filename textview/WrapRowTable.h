// TWrapRowTable: the rows of every line of the word-wrap layout, the one byte of each row's
// length in order, with the number of rows of each line.
//
// Lines are kept in chunks of a few hundred, each with its own row lengths and the running row
// totals of its lines, and prefix sums over the chunks (PrefixSums.h) find the chunk of a
// line or of a row. So finding a line's first row or a row's line is logarithmic in the
// number of lines, and a change of a few lines costs what they change plus the size of one
// chunk, however long the text is. A chunk keeps its running totals in 16 bits while it has
// no more than 65535 rows: about 2 bytes a line and 1 a row in all.
//
// Lines and rows are numbered from 0 here. Every line has at least one row.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "textview/PrefixSums.h"

namespace mirevo {

// The rows of consecutive lines as laid out: every row's length, and each line's row count.
struct TLaidOutLines {
    std::vector<std::uint8_t> rows;
    std::vector<std::int32_t> rowsPerLine;
};

class TWrapRowTable {
public:
    std::int32_t LineCount() const { return chunkLines_.Total(); }
    std::int32_t RowCount() const { return chunkRows_.Total(); }

    // Rows before line (0..LineCount(); LineCount() gives RowCount()).
    std::int32_t FirstRow(std::int32_t line) const;
    // The line that holds row (0..RowCount()-1).
    std::int32_t LineOfRow(std::int32_t row) const;
    std::int32_t RowLength(std::int32_t row) const;
    // The row lengths of line (0..LineCount()-1), valid until the next change.
    std::span<const std::uint8_t> RowsOf(std::int32_t line) const;

    // Appends one line with these rows (at least one).
    void Append(std::span<const std::uint8_t> rows);
    // Inserts the lines before index (0..LineCount()); returns the rows added.
    std::int32_t Insert(std::int32_t index, const TLaidOutLines& lines);
    // Removes count lines from index; returns the rows removed.
    std::int32_t Erase(std::int32_t index, std::int32_t count);
    // Puts the lines in place of count lines from index; returns the change of the row count.
    std::int32_t Replace(std::int32_t index, std::int32_t count, const TLaidOutLines& lines);
    // Drops every line and all memory.
    void Clear();

private:
    struct Chunk {
        std::vector<std::uint16_t> narrowEnds;  // rows up to and including each line...
        std::vector<std::int32_t> wideEnds;     // ...here instead past 65535 rows
        std::vector<std::uint8_t> rows;

        std::int32_t Lines() const;
        std::int32_t End(std::int32_t line) const;
        std::int32_t Start(std::int32_t line) const { return line == 0 ? 0 : End(line - 1); }
        std::int32_t LineOfRow(std::int32_t row) const;
        void SetEnds(std::span<const std::int32_t> ends);
        void AppendEnd(std::int32_t end);
    };
    // A line as its chunk and its place there.
    struct Place {
        std::size_t chunk;
        std::int32_t line;
    };
    // The chunk looked up last, with where it starts: a screen's lookups mostly stay in one.
    struct Finger {
        std::size_t chunk = 0;
        std::int32_t firstLine = 0;
        std::int32_t firstRow = 0;
        std::int32_t lines = 0;  // 0 while there is none
        std::int32_t rows = 0;
    };

    const Finger& PointAt(std::size_t chunk) const;
    const Finger& ChunkOfLine(std::int32_t line) const;
    const Finger& ChunkOfRow(std::int32_t row) const;
    Place PlaceOf(std::int32_t line) const;
    // Replaces count lines from the chunk's line `line` by `lines`; returns the row change.
    std::int32_t SpliceInChunk(std::size_t chunk, std::int32_t line, std::int32_t count,
                               const TLaidOutLines& lines);
    // Cuts a chunk past the largest size into chunks of the usual size, and recounts.
    void SplitIfLarge(std::size_t chunk);
    // After an erase from chunk first to chunk last: drops the chunks it emptied and joins a
    // short one to a neighbour.
    void TidyAround(std::size_t first, std::size_t last);
    // Appends the next chunk's lines to the chunk and drops the next one.
    void Merge(std::size_t chunk);
    void Recount();

    std::vector<Chunk> chunks_;
    TPrefixSums chunkLines_;
    TPrefixSums chunkRows_;
    std::vector<std::int32_t> scratch_;  // running totals while a chunk is rewritten
    mutable Finger finger_;              // emptied by every change
};

}  // namespace mirevo
