// The view's clipboard: the private block format that keeps the selection mode with the
// text, and the copy, can-paste and paste rules over the clipboard port.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/ClipboardFormats.h"
#include "textview/Selection.h"
#include "textview/UndoSelectionMode.h"

namespace mirevo {

// The name the private format is registered under.
inline constexpr const char* kClipboardBlockFormatName = "Mirevo TextView Block Type";

struct TClipboardBlock {
    TSelectionMode Mode = TSelectionMode::smNormal;
    std::string Text;
    friend bool operator==(const TClipboardBlock&, const TClipboardBlock&) = default;
};

// The mode byte (0 normal, 1 line, 2 column), the text and a zero byte.
std::string EncodeClipboardBlock(TSelectionMode mode, std::string_view text);
// Another program may put anything under the name: an unknown mode byte reads as
// smNormal, the text ends at the first zero byte or the block's end. Nothing for no bytes.
std::optional<TClipboardBlock> DecodeClipboardBlock(std::string_view bytes);

// Puts text as plain text and as a block in mode; nothing at all for empty text. Raises
// ETextViewError "Clipboard copy operation failed" when the clipboard refused it.
void CopyToClipboard(IClipboardFormats& clipboard, TSelectionMode mode, std::string_view text);
// Copies the selection in its current mode; column blocks always padded.
void CopySelection(IClipboardFormats& clipboard, const TSelection& selection);

// Not read-only, and the clipboard holds plain text or a block.
bool CanPaste(bool readOnly, IClipboardFormats& clipboard);
// What a paste inserts: the block's text and mode when there is a block (ETextViewError
// "Clipboard paste operation failed." when it cannot be read), else the plain text in
// currentMode.
TClipboardBlock TextToPaste(IClipboardFormats& clipboard, TSelectionMode currentMode);

}  // namespace mirevo
