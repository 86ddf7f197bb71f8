// IBufferPlugin: a layout between the line store and the display, such as the word wrap.
//
// The view holds its plugin through this interface while the feature is on, forwards every
// change of its line store to it and asks it to map positions and count rows:
//   OnLinesCleared            -> Reset()
//   OnLinesInserted(i, n)     -> LinesInserted(i, n)
//   OnLinesDeleted(i, n)      -> LinesDeleted(i, n)
//   OnLinesReplaced(i, n)     -> LinesReplaced(i, n)
//   a new tab width           -> Reset() (after the store got the width)
//   a new VisibleColumns      -> DisplayChanged()
// The notifications return how many display rows were added (negative when removed), so
// the view knows whether the rows after the change moved.
//
// Positions are 1-based. On the buffer side TBufferCoord::CharIndex holds the column in the
// expanded line (a tab counts its expanded width), not a byte index of the stored text: the
// view converts before it asks and after it gets the answer.
#pragma once

#include <cstdint>

#include "textview/Coordinates.h"

namespace mirevo {

class IBufferPlugin {
public:
    virtual ~IBufferPlugin() = default;

    virtual TDisplayCoord BufferToDisplayPos(const TBufferCoord& position) const = 0;
    virtual TBufferCoord DisplayToBufferPos(const TDisplayCoord& position) const = 0;
    virtual std::int32_t RowCount() const = 0;
    // Bytes of the expanded line shown on row (1..RowCount()).
    virtual std::int32_t GetRowLength(std::int32_t row) const = 0;
    // Called after the store inserted count lines before 0-based index; rows added.
    virtual std::int32_t LinesInserted(std::int32_t index, std::int32_t count) = 0;
    // Called after the store removed count lines from index; rows removed.
    virtual std::int32_t LinesDeleted(std::int32_t index, std::int32_t count) = 0;
    // Called after the text of count lines from index changed; change in rows.
    virtual std::int32_t LinesReplaced(std::int32_t index, std::int32_t count) = 0;
    // The view's width may have changed.
    virtual void DisplayChanged() = 0;
    // Lays out everything anew.
    virtual void Reset() = 0;
};

}  // namespace mirevo
