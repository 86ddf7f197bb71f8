// Private clipboard blocks from the input, as another program could put them: decoding must
// give a valid mode and a text without zero bytes, and encoding that again must decode the
// same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "textview/ClipboardBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto block = mirevo::DecodeClipboardBlock(bytes);
    if (!block) {
        if (size != 0) std::abort();
        return 0;
    }
    if (static_cast<unsigned>(block->Mode) > 2) std::abort();
    if (block->Text.find('\0') != std::string::npos || block->Text.size() >= size) std::abort();
    const std::string again = mirevo::EncodeClipboardBlock(block->Mode, block->Text);
    if (again.size() != block->Text.size() + 2 || mirevo::DecodeClipboardBlock(again) != block)
        std::abort();
    return 0;
}
