// Fuzz target: a value read from a settings file and handed to a native control holds whole
// characters only, so a converter that walks the zero-terminated text two bytes at a lead
// byte never steps onto the terminator or past it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "common/Sjis.h"
#include "settings/MemIniFile.h"

namespace {

// Walks the text the way a code-page converter given a zero-terminated string does; the
// buffer is exactly as long as the text and its terminator, so the sanitizers see any read
// past it.
std::size_t ConvertedCharacters(std::string_view text) {
    const auto buffer = std::make_unique<char[]>(text.size() + 1);
    if (!text.empty()) std::memcpy(buffer.get(), text.data(), text.size());
    buffer[text.size()] = '\0';
    std::size_t characters = 0;
    for (const char* p = buffer.get(); *p != '\0'; ++characters) {
        if (mirevo::IsLeadByte(*p)) {
            if (p[1] == '\0') std::abort();  // the terminator taken as a second byte
            p += 2;
        } else {
            p += 1;
        }
    }
    return characters;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The value of the first key, as the settings dialog shows it.
    const auto ini = mirevo::TMemIniFile::FromText("[Options]\r\na8matEsy=" + std::string(bytes));
    const std::string stored = ini.ReadText("Options", "a8matEsy", "");
    const std::string value = stored.substr(0, stored.find('\0'));
    const std::string_view shown = mirevo::WholeCharacters(value);
    if (shown.size() + 1 < value.size()) std::abort();  // at most the lone byte goes
    ConvertedCharacters(shown);
    ConvertedCharacters(mirevo::WholeCharacters(bytes.substr(0, bytes.find('\0'))));
    return 0;
}
