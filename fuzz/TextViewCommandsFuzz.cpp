// Random text, then random commands (moves, selections, edits, undo, redo, clipboard) on a
// writable or read-only view, with word wrap on or off. After every command the caret and
// both selection ends lie on the text and never on the second byte of a double-byte
// character, a read-only text stays as it was, and the wrap layout equals a fresh one. In
// the end, undoing every step gives the text back.
//
// The text holds no tabs (tabs become blanks with eoTabsToSpaces), so byte indices and
// display columns agree and the view's layout can be compared position by position.
#include <algorithm>
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/Sjis.h"
#include "platform/portable/CharTypes.h"
#include "tests/fakes/FakeClipboardFormats.h"
#include "tests/fakes/FakeWindowServices.h"
#include "tests/fakes/RecordingSurface.h"
#include "tests/textview/WordWrapInvariants.h"
#include "textview/FontsInfoManager.h"
#include "textview/TextView.h"
#include "textview/WrapHost.h"

namespace {

using namespace mirevo;

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool More() const { return pos_ < size_; }
    std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    // Whole characters only: ASCII, blanks, line breaks and double-byte characters.
    std::string Text(std::size_t most) {
        static constexpr std::string_view kPieces[] = {
            "a", "Z", "_", ".", " ", "  ", "\r\n", "\n", "\x82\xA0", "\x88\x9F", "\x82\x61"};
        std::string text;
        const std::size_t count = Byte() % most;
        for (std::size_t i = 0; i < count; ++i) text += kPieces[Byte() % std::size(kPieces)];
        return text;
    }
    // A position on a line of the text, maybe past its end, off the second byte of a
    // character (ecGotoXY takes the index as it is).
    TBufferCoord Coord(const TLineStore& lines) {
        TBufferCoord p{Byte() % 14 - 1, std::clamp(Byte() % 8 - 1, 1, std::max(1, lines.Count()))};
        const std::string_view line = lines.Get(p.LineIndex - 1);
        if (p.CharIndex > 1 && static_cast<std::size_t>(p.CharIndex) <= line.size() &&
            ByteKindAt(line, static_cast<std::size_t>(p.CharIndex - 1)) == ByteKind::Trail) {
            --p.CharIndex;
        }
        return p;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

constexpr TEditorCommand kCommands[] = {
    ecLeft,
    ecRight,
    ecUp,
    ecDown,
    ecWordLeft,
    ecWordRight,
    ecLineStart,
    ecLineEnd,
    ecPageUp,
    ecPageDown,
    ecEditorTop,
    ecEditorBottom,
    ecGotoXY,
    ecSelLeft,
    ecSelRight,
    ecSelUp,
    ecSelDown,
    ecSelWordLeft,
    ecSelWordRight,
    ecSelLineStart,
    ecSelLineEnd,
    ecSelGotoXY,
    ecSelectAll,
    ecNormalSelect,
    ecColumnSelect,
    ecLineSelect,
    ecToggleMode,
    ecCopy,
    ecCut,
    ecPaste,
    ecDeleteLastChar,
    ecDeleteChar,
    ecDeleteWord,
    ecDeleteLastWord,
    ecDeleteBOL,
    ecDeleteEOL,
    ecDeleteLine,
    ecLineBreak,
    ecInsertLine,
    ecChar,
    ecChar,
    ecChar,
    ecImeStr,
    ecTab,
    ecShiftTab,
    ecBlockIndent,
    ecBlockUnindent,
    ecUpperCase,
    ecLowerCase,
    ecToggleCase,
    ecTitleCase,
    ecUpperCaseBlock,
    ecLowerCaseBlock,
    ecToggleCaseBlock,
    ecUndo,
    ecUndo,
    ecUndo,
    ecRedo,
    ecRedo,
    ecClearAll,
};

constexpr char kCharacters[] = {'a', 'Z', ' ', '_', '\x82', '\xA0', '\x88', '\x9F', '\x61'};

// Names the broken invariant, so a failing input can be told from the others (a macro for
// __LINE__: clang 14 over libstdc++ has no std::source_location).
void CheckAt(bool condition, int line) {
    if (condition) return;
    std::fprintf(stderr, "invariant at line %d failed\n", line);
    std::abort();
}
#define CHECK(...) CheckAt((__VA_ARGS__), __LINE__)

// p lies on the text: line 1..max(1, count), index from 1, at most length + 1 unless the
// view lets it pass the end, and never on a trail byte.
void CheckOnText(const TLineStore& lines, TBufferCoord p, bool pastEnd) {
    CHECK(p.LineIndex >= 1 && p.LineIndex <= std::max(1, lines.Count()));
    CHECK(p.CharIndex >= 1);
    const std::string_view line = lines.Get(p.LineIndex - 1);
    const auto end = static_cast<std::int32_t>(line.size()) + 1;
    CHECK(pastEnd || p.CharIndex <= end);
    if (p.CharIndex < end)
        CHECK(ByteKindAt(line, static_cast<std::size_t>(p.CharIndex - 1)) != ByteKind::Trail);
}

// What a fresh word-wrap layout of the view's text needs: the view's own settings.
class ViewWrapHost : public IWrapHost {
public:
    explicit ViewWrapHost(TTextView& view) : view_(view) {}
    TLineStore& Lines() override { return view_.Lines(); }
    std::int32_t VisibleColumns() const override { return view_.VisibleColumns(); }
    std::int32_t TabWidth() const override { return view_.TabWidth(); }
    const std::bitset<256>& IdentChars() const override { return view_.IdentChars(); }

private:
    TTextView& view_;
};

// The view's layout, read through its conversions, equals a plugin laid out afresh.
void CheckLayout(TTextView& view) {
    ViewWrapHost host(view);
    TWordWrapPlugin fresh(&host);
    CHECK(testing_support::CheckWrapInvariants(fresh, view.Lines()).empty());
    CHECK(view.RowCount() == (view.Lines().Count() == 0 ? 0 : fresh.RowCount()));
    // Every position of the lines near the top and near the caret, up to their 64th byte and
    // around the caret, and the ends of every line: pastes may double the text at every step,
    // and a check of every position made the longest inputs spend seconds in the check.
    const TBufferCoord caret = view.CaretXY();
    for (std::int32_t line = 1; line <= view.Lines().Count(); ++line) {
        const auto length = static_cast<std::int32_t>(view.Lines().Get(line - 1).size());
        const bool near = line <= 16 || std::abs(line - caret.LineIndex) <= 16;
        const auto checked = [&](std::int32_t index) {
            if (index == 1 || index == length + 1) return true;
            return near && (index <= 64 ||
                            (line == caret.LineIndex && std::abs(index - caret.CharIndex) <= 32));
        };
        for (std::int32_t index = 1; index <= length + 1; ++index) {
            if (!checked(index)) continue;
            CHECK(view.BufferToDisplay({index, line}) == fresh.BufferToDisplayPos({index, line}));
        }
    }
}

void CheckView(TTextView& view) {
    CheckOnText(view.Lines(), view.CaretXY(),
                view.Options().Contains(TEditorOption::eoScrollPastEol));
    // Column and line selections may reach past the end of a shorter line, and a change of
    // SelectionMode keeps the ends where they are, so only the caret is held to the end.
    CheckOnText(view.Lines(), view.BlockBegin(), true);
    CheckOnText(view.Lines(), view.BlockEnd(), true);
    if (view.WordWrap()) CheckLayout(view);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    testing_support::RecordingResources resources;
    resources.AddBitmapResource("TextViewWrapped", {15, 14});
    resources.AddBitmapResource("TextViewInternalImages", {110, 14});
    TFontsInfoManager fonts(resources);
    testing_support::FakeWindowServices window({60 + in.Byte() % 4 * 50, 120});
    testing_support::FakeClipboardFormats clipboard;
    clipboard.text = in.Text(6);
    PortableCharTypes charTypes;
    TTextView view(nullptr, "TextView1", fonts, charTypes);
    view.SetFont(MakeLogFont("Courier New", -13, kDefaultCharset));
    view.AttachWindow(&window);
    view.SetClipboard(&clipboard);

    const std::uint8_t setup = in.Byte();
    TEditorOptions options = view.Options();
    if (setup & 1) options.Exclude(TEditorOption::eoScrollPastEol);
    if (setup & 2) options.Exclude(TEditorOption::eoGroupUndo);
    if (setup & 4) options.Include(TEditorOption::eoTabIndent);
    view.SetOptions(options);
    view.SetWordWrap((setup & 8) != 0);
    view.SetText(in.Text(40));
    const bool readOnly = (setup & 16) != 0;
    view.SetReadOnly(readOnly);
    const std::string original = view.Text();
    // Undoing every step gives the text back, unless ClearAll forgot the steps or a column
    // block came back padded with blanks.
    bool undoable = true;

    for (int step = 0; step < 48 && in.More(); ++step) {
        const TEditorCommand command = kCommands[in.Byte() % std::size(kCommands)];
        const char character = kCharacters[in.Byte() % std::size(kCharacters)];
        TBufferCoord target = in.Coord(view.Lines());
        std::string ime = in.Text(4);
        void* argument = command == ecImeStr ? static_cast<void*>(ime.data())
                         : command == ecGotoXY || command == ecSelGotoXY
                             ? static_cast<void*>(&target)
                             : nullptr;
        view.ProcessCommand(command, character, argument);
        CheckView(view);
        if (readOnly) CHECK(view.Text() == original);
        if (command == ecClearAll || command == ecColumnSelect) undoable = false;
    }
    // Nor when the undo list reached its limit and let the oldest steps go.
    if (undoable && !view.UndoList().HistoryTruncated()) {
        while (view.CanUndo()) view.ProcessCommand(ecUndo, 0, nullptr);
        CHECK(view.Text() == original);
    }
    return 0;
}
