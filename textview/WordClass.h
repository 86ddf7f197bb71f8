// Words in a line of the result view: the word under a double-click and the targets of the
// word-left and word-right moves. Without a highlighter the word characters are "0".."9",
// "A".."Z", "_", "a".."z" and 0xC0..0xFF except 0xD7 and 0xF7.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/CharTypes.h"
#include "textview/Coordinates.h"
#include "textview/LineStore.h"
#include "textview/Selection.h"

namespace mirevo {

bool IsWordChar(unsigned char byte);

// The word class of a C3 flag word: 1 and 2 half-width letters and signs, 3 half-width
// katakana, 4 and 5 full-width letters and signs, 6 katakana, 7 hiragana, 8 ideographs,
// 9 control symbols, 0 anything else.
int WordClassOf(std::uint16_t flags);

// A word as 1-based byte indices: Start up to (not including) End.
struct TWordBounds {
    std::int32_t Start = 1;
    std::int32_t End = 1;
    friend bool operator==(const TWordBounds&, const TWordBounds&) = default;
};

// The word around the 1-based index in line (the caller clamps it as a selection end first).
// Characters of the same kind as the one at index (or before it, when that one is a sign)
// belong to it; half-width letters and signs by the word characters above. Voiced and plain
// kana count as the same kind. Nothing for an index past length + 1: the view then puts its
// caret at length + 1. Raises ETextViewError "GetStringTypeEx failed" when the platform
// cannot classify the line.
std::optional<TWordBounds> WordBoundsAt(std::string_view line, std::int32_t index,
                                        ICharTypes& charTypes);

// Double-click: selects the word at p (clamped as a selection end) and answers where the
// caret goes, its end. Past the line nothing is selected and the caret goes to length + 1.
struct TWordSelection {
    TBufferCoord Caret;
    TSelectionChange Change;
};
TWordSelection SelectWordAt(TSelection& selection, const TLineStore& lines, TBufferCoord p,
                            ICharTypes& charTypes);

// Word right: the start of the next word, or the next line's first word (or double-byte)
// character from the end of a line; unchanged at the end of the last line. Double-byte
// characters are stepped over one at a time.
TBufferCoord NextWordStart(const TLineStore& lines, TBufferCoord p);
// Word left: the start of the previous word, or the end of the previous line from a line's
// start; unchanged at the start of the first line.
TBufferCoord PreviousWordStart(const TLineStore& lines, TBufferCoord p);

}  // namespace mirevo
