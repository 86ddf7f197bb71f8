#include "textview/ClipboardBlock.h"

#include "textview/SelectionErrors.h"

namespace mirevo {

std::string EncodeClipboardBlock(TSelectionMode mode, std::string_view text) {
    std::string block(1, static_cast<char>(mode));
    block += text;
    block += '\0';
    return block;
}

std::optional<TClipboardBlock> DecodeClipboardBlock(std::string_view bytes) {
    if (bytes.empty()) return std::nullopt;
    TClipboardBlock block;
    const auto mode = static_cast<unsigned char>(bytes.front());
    if (mode <= static_cast<unsigned char>(TSelectionMode::smColumn))
        block.Mode = static_cast<TSelectionMode>(mode);
    const std::string_view rest = bytes.substr(1);
    block.Text = std::string(rest.substr(0, rest.find('\0')));
    return block;
}

void CopyToClipboard(IClipboardFormats& clipboard, TSelectionMode mode, std::string_view text) {
    if (text.empty()) return;
    if (!clipboard.Put(text, EncodeClipboardBlock(mode, text)))
        throw ETextViewError(kClipboardCopyFailed);
}

void CopySelection(IClipboardFormats& clipboard, const TSelection& selection) {
    CopyToClipboard(clipboard, selection.CurrentMode(),
                    selection.SelectedText(TColumnPadding::Pad));
}

bool CanPaste(bool readOnly, IClipboardFormats& clipboard) {
    return !readOnly && (clipboard.HasText() || clipboard.HasPrivate());
}

TClipboardBlock TextToPaste(IClipboardFormats& clipboard, TSelectionMode currentMode) {
    if (!clipboard.HasPrivate()) return {currentMode, clipboard.GetText()};
    const std::optional<std::string> bytes = clipboard.GetPrivate();
    std::optional<TClipboardBlock> block;
    if (bytes) block = DecodeClipboardBlock(*bytes);
    if (!block) throw ETextViewError(kClipboardPasteFailed);
    return *block;
}

}  // namespace mirevo
