// Reads commands and key bindings as a form description would give them: command texts,
// and shortcut pairs set one by one into a table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "textview/EditorCommands.h"
#include "textview/KeyStrokes.h"

namespace {

using namespace mirevo;

void Check(bool condition) {
    if (!condition) std::abort();
}

void ReadCommandText(std::string_view text) {
    const auto command = ReadEditorCommand(text);
    if (!command) return;
    Check(ReadEditorCommand(EditorCommandToName(*command)) == command);
}

TShortCut Take16(const std::uint8_t*& data, std::size_t& size) {
    const TShortCut value = size >= 2 ? static_cast<TShortCut>(data[0] << 8 | data[1]) : 0;
    const std::size_t used = size >= 2 ? 2 : size;
    data += used;
    size -= used;
    return value;
}

// A set either succeeds and shows the value, or refuses a duplicate and keeps the old one.
void SetStroke(TKeyStroke& item, bool second, TShortCut value) {
    const TShortCut before = second ? item.ShortCut2() : item.ShortCut();
    try {
        second ? item.SetShortCut2(value) : item.SetShortCut(value);
        TKeyCode key = 0;
        TShiftState shift;
        ShortCutToKey(value, key, shift);
        Check((second ? item.ShortCut2() : item.ShortCut()) == ShortCut(key, shift));
    } catch (const EKeyStrokeError&) {
        Check(value != 0);
        Check((second ? item.ShortCut2() : item.ShortCut()) == before);
    }
}

void BuildTable(const std::uint8_t* data, std::size_t size) {
    TKeyStrokes table;
    table.InstallDefaults();
    while (size >= 5) {
        const std::uint8_t op = *data++;
        --size;
        const TShortCut first = Take16(data, size);
        const TShortCut second = Take16(data, size);
        TKeyStroke& item = op % 4 == 0 ? table.AppendItem() : table.Items(op % table.Count());
        item.SetCommand(static_cast<TEditorCommand>(first ^ second));
        SetStroke(item, false, first);
        SetStroke(item, true, second);
        Check(item.DisplayName().starts_with(EditorCommandToName(item.Command()) + " - "));
        Check(table.FindShortCutPair(item.ShortCut(), item.ShortCut2()) <= item.Index());
    }
    TKeyStrokes copy;
    copy.Assign(table);
    Check(copy.Count() == table.Count());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ReadCommandText(std::string_view(reinterpret_cast<const char*>(data), size));
    BuildTable(data, size);
    return 0;
}
