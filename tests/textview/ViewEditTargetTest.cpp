// The text view as the Edit menu's target: which standard actions it offers, read-only and
// writable.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "tests/fakes/FakeClipboardFormats.h"
#include "tests/textview/TextViewFixture.h"
#include "ui/EditTarget.h"

namespace mirevo::testing_support {
namespace {

struct TargetCase {
    const char* name;
    bool readOnly;
    const char* text;
    bool selectAll;
    bool clipboardText;
    bool typedFirst;  // a change the undo list holds
    // Undo, cut, copy, paste, delete, select all.
    const char* enabled;
};

void PrintTo(const TargetCase& c, std::ostream* out) { *out << c.name; }

class ViewEditTarget : public TextViewFixture, public ::testing::WithParamInterface<TargetCase> {
protected:
    std::string Enabled(const IEditTarget& target) {
        std::string states;
        for (const bool on : {target.CanUndoNow(), target.CanCutNow(), target.CanCopyNow(),
                              target.CanPasteNow(clipboard_.HasText()), target.CanDeleteNow(),
                              target.CanSelectAllNow()}) {
            states += on ? '1' : '0';
        }
        return states;
    }

    FakeClipboardFormats clipboard_;
};

TEST_P(ViewEditTarget, OffersWhatCanBeDone) {
    const TargetCase& c = GetParam();
    view_->SetClipboard(&clipboard_);
    view_->SetText(c.text);
    if (c.typedFirst) view_->ProcessCommand(ecChar, 'x', nullptr);
    view_->SetReadOnly(c.readOnly);
    if (c.selectAll) view_->SelectAll();
    if (c.clipboardText) clipboard_.text = "clip";
    IEditTarget* target = view_->AsEditTarget();
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(Enabled(*target), c.enabled);
}

const TargetCase kTargetCases[] = {
    {"ReadOnlyEmpty", true, "", false, true, false, "000000"},
    {"ReadOnlyWithText", true, "code", false, true, false, "000001"},
    {"ReadOnlyWithASelection", true, "code", true, true, false, "001001"},
    {"ReadOnlyAfterAChange", true, "code", true, true, true, "001001"},
    {"WritableEmpty", false, "", false, false, false, "000000"},
    {"WritableWithText", false, "code", false, true, false, "000101"},
    {"WritableWithASelection", false, "code", true, false, false, "011011"},
    {"WritableAfterAChange", false, "code", false, false, true, "100001"},
};

INSTANTIATE_TEST_SUITE_P(States, ViewEditTarget, ::testing::ValuesIn(kTargetCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mirevo::testing_support
