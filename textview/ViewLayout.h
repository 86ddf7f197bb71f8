// TViewLayout: where the text sits on the view. It holds the cell size, the gutter's width,
// the scroll position and the whole rows and columns the client area shows, owns the
// word-wrap layout while word wrap is on, and converts between buffer positions (line and
// byte), display positions (row and column, tabs expanded and rows wrapped) and client
// pixels.
//
// It never paints, scrolls or clamps: the view decides the values and hands them in. A
// layout over a line store needs nothing else, so it can be tried on its own.
#pragma once

#include <bitset>
#include <cstdint>
#include <memory>
#include <optional>

#include "common/Geometry.h"
#include "textview/Coordinates.h"
#include "textview/LineStore.h"
#include "textview/WordWrap.h"
#include "textview/WrapHost.h"

namespace mirevo {

class TViewLayout final : public IWrapHost {
public:
    // The store must outlive the layout; its tab width is the layout's.
    explicit TViewLayout(TLineStore& lines);
    TViewLayout(const TViewLayout&) = delete;
    TViewLayout& operator=(const TViewLayout&) = delete;

    // --- Cells and the text area -----------------------------------------------------------
    std::int32_t CellWidth() const { return cellWidth_; }
    std::int32_t RowHeight() const { return rowHeight_; }
    void SetCellSize(std::int32_t width, std::int32_t height);
    std::int32_t GutterWidth() const { return gutterWidth_; }
    void SetGutterWidth(std::int32_t width) { gutterWidth_ = width; }
    // The text area starts two pixels right of the gutter.
    std::int32_t TextLeft() const { return gutterWidth_ + 2; }
    // The x of column 1 as scrolled (left of the text area once scrolled sideways).
    std::int32_t TextOffset() const { return TextLeft() - (leftChar_ - 1) * cellWidth_; }
    // Whole columns and rows of a client area of this size (none while the cell is empty).
    void FitColumns(std::int32_t clientWidth);
    void FitRows(std::int32_t clientHeight);
    std::int32_t VisibleRows() const { return visibleRows_; }
    std::int32_t VisibleColumns() const override { return visibleColumns_; }

    // --- Scroll position (1-based row and column at the top left) --------------------------
    std::int32_t TopLine() const { return topLine_; }
    void SetTopLine(std::int32_t row) { topLine_ = row; }
    std::int32_t LeftChar() const { return leftChar_; }
    void SetLeftChar(std::int32_t column) { leftChar_ = column; }

    // --- Word wrap -------------------------------------------------------------------------
    // Turning it on lays every line out for the present visible columns.
    void SetWordWrap(bool on);
    // The word-wrap layout, null while word wrap is off. The view forwards the store's
    // changes to it.
    TWordWrapPlugin* Wrap() const { return wordWrap_.get(); }

    // IWrapHost.
    TLineStore& Lines() override { return lines_; }
    std::int32_t TabWidth() const override { return lines_.TabWidth(); }
    // Bytes that belong to words for the word wrap: every byte from 0x21 to 0xFF.
    const std::bitset<256>& IdentChars() const override { return identChars_; }

    // --- Conversions -----------------------------------------------------------------------
    // Positions outside the text are converted as if the line went on with blanks; a
    // position on a double-byte character's trail byte goes to the next character.
    TDisplayCoord BufferToDisplay(const TBufferCoord& p) const;
    TBufferCoord DisplayToBuffer(const TDisplayCoord& d) const;
    // The first row of a line, and the line a row belongs to.
    std::int32_t RowOfLine(std::int32_t line) const;
    std::int32_t LineOfRow(std::int32_t row) const;
    std::int32_t RowCount() const;
    // Where a caret at p shows: with atRowEnd, at the end of the upper row of a wrap point.
    TDisplayCoord CaretDisplayPos(const TBufferCoord& p, bool atRowEnd) const;
    // The cell under a client point, and the cell boundary nearest to it (within the
    // visible rows); both at least row and column 1.
    TDisplayCoord PixelsToRowColumn(std::int32_t x, std::int32_t y) const;
    TDisplayCoord PixelsToNearestRowColumn(std::int32_t x, std::int32_t y) const;
    // The nearest cell boundary with its row within the text's rows (1..RowCount).
    TDisplayCoord NearestCell(std::int32_t x, std::int32_t y) const;
    TPoint RowColumnToPixels(const TDisplayCoord& d) const {
        return {ColumnToX(d.Column), RowTop(d.Row)};
    }
    std::int32_t ColumnToX(std::int32_t column) const {
        return (column - 1) * cellWidth_ + TextOffset();
    }
    std::int32_t RowTop(std::int32_t row) const { return (row - topLine_) * rowHeight_; }

    // --- Areas to repaint, in client pixels; none when nothing of them shows ---------------
    // Lines first..last (either order) of the text area; -1, -1 is all of it, and a last
    // line at or past the text's end reaches the bottom.
    std::optional<TRect> TextLinesArea(std::int32_t first, std::int32_t last, TSize client) const;
    // One line's rows of the text area; without word wrap exactly its row.
    std::optional<TRect> LineArea(std::int32_t line, TSize client) const;
    // The same lines' part of the gutter (-1, -1: the whole gutter).
    std::optional<TRect> GutterLinesArea(std::int32_t first, std::int32_t last, TSize client) const;

private:
    // The rows first..last clipped to the visible ones, as an area from left to right.
    std::optional<TRect> RowsArea(std::int32_t first, std::int32_t last, std::int32_t left,
                                  std::int32_t right) const;

    TLineStore& lines_;
    std::unique_ptr<TWordWrapPlugin> wordWrap_;
    std::bitset<256> identChars_;
    std::int32_t cellWidth_ = 0;
    std::int32_t rowHeight_ = 0;
    std::int32_t gutterWidth_ = 0;
    std::int32_t visibleRows_ = 0;
    std::int32_t visibleColumns_ = 0;
    std::int32_t topLine_ = 1;
    std::int32_t leftChar_ = 1;
};

}  // namespace mirevo
