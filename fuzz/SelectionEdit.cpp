// Random selections replaced by random text: in every mode the store keeps lines without
// breaks and the caret stays on the text; in the stream mode the result must equal the
// old text with the selected offsets replaced by the new text.
#include "textview/SelectionEdit.h"

#include <cstdint>
#include <cstdlib>
#include <string>

#include "textview/MemoOffsets.h"

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::string Text() {
        std::string text(static_cast<std::size_t>(Byte() % 24), ' ');
        for (char& c : text) c = static_cast<char>("ab \r\n\x82\xa0\x88\x9f"[Byte() % 9]);
        return text;
    }
    mirevo::TBufferCoord Coord() { return {Byte() % 12 - 2, Byte() % 8 - 1}; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Every break as CR LF, as the store's text shows it.
std::string WithCrLf(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            out += text[i];
            continue;
        }
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += "\r\n";
    }
    return out;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    mirevo::TLineStore lines;
    lines.SetText(in.Text());
    mirevo::TSelection selection(lines);
    const auto mode = static_cast<mirevo::TSelectionMode>(in.Byte() % 3);
    selection.SetSelectionMode(mode);
    selection.SetAnchor(in.Coord());
    selection.SetActiveEnd(in.Coord());
    const std::string insert = in.Text();

    const std::string before = lines.Text();
    const bool had = selection.HasSelection();
    const auto from = static_cast<std::size_t>(mirevo::PositionToOffset(lines, selection.First()));
    const auto to = static_cast<std::size_t>(mirevo::PositionToOffset(lines, selection.Last()));
    const mirevo::TSelectionEdit edit = mirevo::ReplaceSelectedText(lines, selection, insert);

    for (std::int32_t i = 0; i < lines.Count(); ++i)
        Check(lines.Get(i).find_first_of("\r\n") == std::string_view::npos);
    Check(edit.Caret.LineIndex >= 1 && edit.Caret.LineIndex <= std::max(1, lines.Count()));
    Check(edit.Caret.CharIndex >= 1);
    Check(edit.DeleteRecord.has_value() == had);
    if (mode == mirevo::TSelectionMode::smNormal) {
        const std::size_t end = had ? to : from;
        Check(lines.Text() == before.substr(0, from) + WithCrLf(insert) + before.substr(end));
        Check(edit.Caret.CharIndex <=
              static_cast<std::int32_t>(lines.Get(edit.Caret.LineIndex - 1).size()) + 1);
    }
    return 0;
}
