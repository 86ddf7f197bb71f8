// The edit engine on its own: a line store, a selection, undo lists and a host that keeps
// the caret, no view or window.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "textview/EditEngine.h"

namespace mirevo {
namespace {

class FakeEditHost : public IEditHost {
public:
    FakeEditHost(TLineStore& lines, TSelection& selection) : lines_(lines), selection_(selection) {}

    TBufferCoord Caret() const override { return caret_; }
    void SetCaret(const TBufferCoord& p) override {
        MoveCaret(p, true);
        selection_.SetEnds(caret_, caret_);
    }
    // Kept on the text as the view keeps it: a line that exists, at most one past its end
    // unless the options let it go further.
    void MoveCaret(const TBufferCoord& p, bool) override {
        caret_ = p;
        caret_.LineIndex = std::clamp(caret_.LineIndex, 1, std::max(1, lines_.Count()));
        const auto end = static_cast<std::int32_t>(lines_.Get(caret_.LineIndex - 1).size()) + 1;
        if (!options_.Contains(TEditorOption::eoScrollPastEol)) {
            caret_.CharIndex = std::min(caret_.CharIndex, end);
        }
        caret_.CharIndex = std::max(caret_.CharIndex, 1);
    }
    void SetCaretAndSelection(const TBufferCoord& caret, const TBufferCoord& anchor,
                              const TBufferCoord& activeEnd) override {
        caret_ = caret;
        selection_.SetEnds(anchor, activeEnd);
    }
    void BringCaretIntoView() override {}
    void SetActiveSelectionMode(TSelectionMode mode) override { selection_.SetCurrentMode(mode); }
    void BeginUpdate() override { ++depth; }
    void EndUpdate() override {
        EXPECT_GT(depth, 0);
        --depth;
    }
    void SetModified(bool value) override { modified = value; }
    void RunCommand(TEditorCommand command, char character, void* data) override {
        engine->Execute(command, character, data);
    }
    const TViewStyle& Style() const override { return style; }
    TEditorOptions Options() const override { return options_; }
    void SetItemOptions(TEditorOptions options) override {
        options_ = options;
        ++itemOptionChanges;
    }

    TEditEngine* engine = nullptr;
    TViewStyle style;
    std::int32_t depth = 0;
    std::int32_t itemOptionChanges = 0;
    bool modified = false;

private:
    TLineStore& lines_;
    TSelection& selection_;
    TBufferCoord caret_{1, 1};
    TEditorOptions options_ = kDefaultEditorOptions;
};

struct EngineRig {
    explicit EngineRig(std::string_view text) {
        lines.SetText(text);
        host.engine = &engine;
    }
    TLineStore lines;
    TSelection selection{lines};
    TUndoList undoList;
    TUndoList redoList;
    TEditMarkList marks;
    FakeEditHost host{lines, selection};
    TEditEngine engine{host, lines, selection, undoList, redoList, marks};
};

struct Command {
    TEditorCommand Command;
    char Character = 0;
};

struct EditCase {
    const char* name;
    std::string text;
    TBufferCoord caret;
    TBufferCoord selectionEnd;  // the selection runs from the caret to here
    bool overwrite;
    std::vector<Command> commands;
    std::string after;
    TBufferCoord caretAfter;
};

const std::vector<EditCase>& EditCases() {
    static const std::vector<EditCase> cases{
        {"typing", "xy", {1, 1}, {1, 1}, false, {{ecChar, 'a'}, {ecChar, 'b'}}, "abxy", {3, 1}},
        {"overwriting", "ab", {1, 1}, {1, 1}, true, {{ecChar, 'z'}}, "zb", {2, 1}},
        {"a double-byte character typed in two halves",
         "ab",
         {2, 1},
         {2, 1},
         false,
         {{ecChar, '\x82'}, {ecChar, '\xA0'}},
         "a\x82\xA0"
         "b",
         {4, 1}},
        {"typing replaces the selection",
         "abcd",
         {2, 1},
         {4, 1},
         false,
         {{ecChar, 'X'}},
         "aXd",
         {3, 1}},
        {"backspace", "abc", {3, 1}, {3, 1}, false, {{ecDeleteLastChar}}, "ac", {2, 1}},
        {"backspace joins lines",
         "ab\r\ncd",
         {1, 2},
         {1, 2},
         false,
         {{ecDeleteLastChar}},
         "abcd",
         {3, 1}},
        {"delete takes a whole double-byte character",
         "\x82\xA0"
         "b",
         {1, 1},
         {1, 1},
         false,
         {{ecDeleteChar}},
         "b",
         {1, 1}},
        {"delete line", "a\r\nb\r\nc", {1, 2}, {1, 2}, false, {{ecDeleteLine}}, "a\r\nc", {1, 2}},
        {"line break", "ab", {2, 1}, {2, 1}, false, {{ecLineBreak, '\r'}}, "a\r\nb", {1, 2}},
        {"upper case of the selection",
         "abc",
         {1, 1},
         {3, 1},
         false,
         {{ecUpperCaseBlock}},
         "ABc",
         {3, 1}},
        {"several commands",
         "",
         {1, 1},
         {1, 1},
         false,
         {{ecChar, 'a'}, {ecLineBreak, '\r'}, {ecChar, 'b'}, {ecDeleteLastChar}, {ecChar, 'c'}},
         "a\r\nc",
         {2, 2}},
    };
    return cases;
}

TEST(EditEngine, CommandsChangeTheTextAndUndoAndRedoTakeThemBackAndAgain) {
    for (const EditCase& c : EditCases()) {
        SCOPED_TRACE(c.name);
        EngineRig rig(c.text);
        rig.host.style.insertMode = !c.overwrite;
        rig.host.SetCaretAndSelection(c.selectionEnd, c.caret, c.selectionEnd);
        for (const Command& command : c.commands) {
            rig.engine.Execute(command.Command, command.Character, nullptr);
        }
        EXPECT_EQ(rig.lines.Text(), c.after);
        EXPECT_EQ(rig.host.Caret(), c.caretAfter);
        EXPECT_EQ(rig.host.depth, 0);

        for (std::size_t guard = 0; rig.undoList.HasItems() && guard < 20; ++guard) {
            rig.engine.Undo();
        }
        EXPECT_EQ(rig.lines.Text(), c.text) << "after undo";
        for (std::size_t guard = 0; rig.redoList.HasItems() && guard < 20; ++guard) {
            rig.engine.Redo();
        }
        EXPECT_EQ(rig.lines.Text(), c.after) << "after redo";
        EXPECT_EQ(rig.host.depth, 0);
    }
}

TEST(EditEngine, UndoAndRedoRunWithTheCaretFreeAndRefuseWhenReadOnly) {
    EngineRig rig("abc");
    rig.host.SetCaret({4, 1});
    rig.engine.Execute(ecDeleteLastChar, 0, nullptr);
    ASSERT_EQ(rig.lines.Text(), "ab");

    rig.host.style.readOnly = true;
    rig.engine.Undo();
    EXPECT_EQ(rig.lines.Text(), "ab");

    rig.host.style.readOnly = false;
    rig.engine.Undo();
    EXPECT_EQ(rig.lines.Text(), "abc");
    // Each item ran with eoScrollPastEol on, and the options came back afterwards.
    EXPECT_EQ(rig.host.itemOptionChanges, 2);
    EXPECT_EQ(rig.host.Options(), kDefaultEditorOptions);
}

TEST(EditEngine, MarksBelowMoveWithTheLinesAndSetSelectedTextIsOneStep) {
    EngineRig rig("a\r\nb\r\nc");
    TEditMark& mark = rig.marks.Add(std::make_unique<TEditMark>(nullptr));
    mark.SetLine(3);
    rig.host.SetCaret({1, 2});
    rig.engine.Execute(ecDeleteLastChar, 0, nullptr);
    EXPECT_EQ(rig.lines.Text(), "ab\r\nc");
    EXPECT_EQ(mark.Line(), 2);
    rig.engine.Execute(ecLineBreak, '\r', nullptr);
    EXPECT_EQ(mark.Line(), 3);

    EngineRig other("ab");
    other.host.SetCaret({2, 1});
    other.engine.SetSelectedText("1\r\n2\r\n");
    EXPECT_EQ(other.lines.Text(), "a1\r\n2\r\nb");
    EXPECT_EQ(other.host.Caret(), (TBufferCoord{1, 3}));
    other.engine.Undo();
    EXPECT_EQ(other.lines.Text(), "ab");
    EXPECT_FALSE(other.undoList.HasItems());
}

}  // namespace
}  // namespace mirevo
