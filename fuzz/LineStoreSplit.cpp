// Splitting outside text into lines: setting it and loading it as a stream.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "textview/LineStore.h"

namespace {

using mirevo::TLineStore;

void Require(bool condition) {
    if (!condition) std::abort();
}

// The walk one character at a time; stopAtNul for setting the text.
std::vector<std::string> ReferenceSplit(const std::string& text, bool stopAtNul) {
    std::vector<std::string> lines;
    const auto ends = [&](std::size_t p) {
        return p >= text.size() || (stopAtNul && text[p] == '\0');
    };
    std::size_t p = 0;
    while (!ends(p)) {
        std::string line;
        while (!ends(p) && text[p] != '\r' && text[p] != '\n') line += text[p++];
        lines.push_back(line);
        if (!ends(p) && text[p] == '\r') ++p;
        if (!ends(p) && text[p] == '\n') ++p;
    }
    return lines;
}

std::vector<std::string> LinesOf(const TLineStore& store) {
    std::vector<std::string> lines;
    for (std::int32_t i = 0; i < store.Count(); ++i) lines.emplace_back(store.Get(i));
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    TLineStore store;
    store.SetText(bytes);
    Require(LinesOf(store) == ReferenceSplit(bytes, true));
    std::size_t joined = 0;
    for (const auto& line : LinesOf(store)) joined += line.size() + 2;
    Require(store.Text().size() == (joined == 0 ? 0 : joined - 2));

    std::istringstream stream(bytes);
    store.LoadFromStream(stream);
    std::vector<std::string> expected = ReferenceSplit(bytes, false);
    if (!bytes.empty() && (bytes.back() == '\r' || bytes.back() == '\n')) expected.emplace_back();
    Require(LinesOf(store) == expected);

    // Whatever the style, saving and loading again gives the same lines.
    std::ostringstream saved;
    store.SaveToStream(saved);
    std::istringstream again(saved.str());
    TLineStore reloaded;
    reloaded.LoadFromStream(again);
    Require(LinesOf(reloaded) == LinesOf(store) || (store.Count() == 1 && store.Get(0).empty()));
    return 0;
}
