#include "textview/ViewLayout.h"

#include <algorithm>
#include <cmath>

#include "common/Sjis.h"
#include "textview/ScrollMath.h"

namespace mirevo {

namespace {

// Every byte from "!" on: rows then break only after blanks and control characters. (The
// double-click's word characters are the platform's character classes, not these.)
std::bitset<256> DefaultIdentChars() {
    std::bitset<256> chars;
    for (std::size_t c = 0x21; c <= 0xFF; ++c) chars.set(c);
    return chars;
}

}  // namespace

TViewLayout::TViewLayout(TLineStore& lines) : lines_(lines), identChars_(DefaultIdentChars()) {}

void TViewLayout::SetCellSize(std::int32_t width, std::int32_t height) {
    cellWidth_ = width;
    rowHeight_ = height;
}

void TViewLayout::FitColumns(std::int32_t clientWidth) {
    if (cellWidth_ > 0) visibleColumns_ = std::max(clientWidth - TextLeft(), 0) / cellWidth_;
}

void TViewLayout::FitRows(std::int32_t clientHeight) {
    visibleRows_ = rowHeight_ > 0 ? clientHeight / rowHeight_ : 0;
}

void TViewLayout::SetWordWrap(bool on) {
    if (on == (wordWrap_ != nullptr)) return;
    if (on) {
        wordWrap_ = std::make_unique<TWordWrapPlugin>(this);
    } else {
        wordWrap_.reset();
    }
}

TDisplayCoord TViewLayout::BufferToDisplay(const TBufferCoord& p) const {
    TDisplayCoord result{p.CharIndex, p.LineIndex};
    if (p.LineIndex >= 1 && p.LineIndex - 1 < lines_.Count()) {
        const std::string_view s = lines_.Get(p.LineIndex - 1);
        const std::int32_t tabWidth = TabWidth();
        std::int32_t x = 0;
        for (std::int32_t i = 0; i < p.CharIndex - 1; ++i) {
            const bool tab =
                i < static_cast<std::int32_t>(s.size()) && s[static_cast<std::size_t>(i)] == '\t';
            x += tab ? tabWidth - x % tabWidth : 1;
        }
        result.Column = x + 1;
    }
    if (wordWrap_ && result.Column > 0 && result.Row > 0) {
        result = wordWrap_->BufferToDisplayPos({result.Column, result.Row});
    }
    return result;
}

TBufferCoord TViewLayout::DisplayToBuffer(const TDisplayCoord& d) const {
    TBufferCoord result{d.Column, d.Row};
    if (wordWrap_ && d.Column > 0 && d.Row > 0) result = wordWrap_->DisplayToBufferPos(d);
    const std::int32_t column = result.CharIndex;
    if (result.LineIndex < 1 || result.LineIndex > lines_.Count()) return result;
    const std::string_view s = lines_.Get(result.LineIndex - 1);
    const auto length = static_cast<std::int32_t>(s.size());
    const std::int32_t tabWidth = TabWidth();
    std::int32_t i = 0;
    for (std::int32_t x = 0; x < column;) {
        ++i;
        const bool tab = i <= length && s[static_cast<std::size_t>(i - 1)] == '\t';
        x += tab ? tabWidth - x % tabWidth : 1;
    }
    result.CharIndex = i;
    if (OnTrailByte(s, i)) ++result.CharIndex;
    return result;
}

std::int32_t TViewLayout::RowOfLine(std::int32_t line) const {
    return wordWrap_ ? BufferToDisplay({1, line}).Row : line;
}

std::int32_t TViewLayout::LineOfRow(std::int32_t row) const {
    return wordWrap_ ? DisplayToBuffer({1, row}).LineIndex : row;
}

std::int32_t TViewLayout::RowCount() const {
    if (!wordWrap_) return lines_.Count();
    return lines_.Count() == 0 ? 0 : wordWrap_->RowCount();
}

TDisplayCoord TViewLayout::CaretDisplayPos(const TBufferCoord& p, bool atRowEnd) const {
    TDisplayCoord d = BufferToDisplay(p);
    if (wordWrap_ && atRowEnd && d.Row > 1 && d.Row - 1 <= wordWrap_->RowCount()) {
        d.Row -= 1;
        d.Column = wordWrap_->GetRowLength(d.Row) + 1;
    }
    return d;
}

TDisplayCoord TViewLayout::PixelsToRowColumn(std::int32_t x, std::int32_t y) const {
    if (cellWidth_ <= 0 || rowHeight_ <= 0) return {1, 1};
    return {std::max(1, (x - TextLeft()) / cellWidth_ + leftChar_),
            std::max(1, y / rowHeight_ + topLine_)};
}

TDisplayCoord TViewLayout::PixelsToNearestRowColumn(std::int32_t x, std::int32_t y) const {
    if (cellWidth_ <= 0 || rowHeight_ <= 0) return {1, 1};
    if (y >= visibleRows_ * rowHeight_) y = std::max(visibleRows_ * rowHeight_ - 1, 0);
    const double cells = static_cast<double>(x - TextLeft()) / cellWidth_;
    return {std::max(1, static_cast<std::int32_t>(std::nearbyint(cells)) + leftChar_),
            std::max(1, y / rowHeight_ + topLine_)};
}

TDisplayCoord TViewLayout::NearestCell(std::int32_t x, std::int32_t y) const {
    TDisplayCoord d = PixelsToNearestRowColumn(x, y);
    d.Row = std::clamp(d.Row, 1, std::max(1, RowCount()));
    return d;
}

std::optional<TRect> TViewLayout::RowsArea(std::int32_t first, std::int32_t last, std::int32_t left,
                                           std::int32_t right) const {
    first = std::max(first, topLine_);
    last = std::min(last, topLine_ + visibleRows_);
    if (last < first) return std::nullopt;
    return TRect{left, RowTop(first), right, RowTop(last) + rowHeight_};
}

std::optional<TRect> TViewLayout::TextLinesArea(std::int32_t first, std::int32_t last,
                                                TSize client) const {
    if (first == -1 && last == -1) return TRect{gutterWidth_, 0, client.Width, client.Height};
    first = std::max(first, 1);
    last = std::max(last, 1);
    if (last < first) std::swap(first, last);
    if (last >= lines_.Count()) last = kMaxInt;
    if (wordWrap_) {
        first = RowOfLine(first);
        if (last < lines_.Count()) last = RowOfLine(last + 1) - 1;
    }
    return RowsArea(first, last, gutterWidth_, client.Width);
}

std::optional<TRect> TViewLayout::LineArea(std::int32_t line, TSize client) const {
    if (wordWrap_) return TextLinesArea(line, line, client);
    return RowsArea(line, line, gutterWidth_, client.Width);
}

std::optional<TRect> TViewLayout::GutterLinesArea(std::int32_t first, std::int32_t last,
                                                  TSize client) const {
    if (first == -1 && last == -1) return TRect{0, 0, gutterWidth_, client.Height};
    if (last < first) std::swap(first, last);
    if (wordWrap_) {
        first = RowOfLine(first);
        last = last > lines_.Count() ? kMaxInt : RowOfLine(last);
    }
    return RowsArea(first, last, 0, gutterWidth_);
}

}  // namespace mirevo
