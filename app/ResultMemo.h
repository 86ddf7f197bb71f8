// The result view for now: a read-only, word-wrapping multi-line edit behind IResultView.
#pragma once

#include "app/ResultView.h"
#include "ui/Edit.h"

namespace mirevo {

class TResultMemo : public TMemo, public IResultView {
public:
    TResultMemo(TControl* parent, std::string name);
    void SetWholeText(const std::string& text) override { AssignText(text); }
    std::string WholeText() const override { return Text(); }
    void ClearAll() override { AssignText(""); }
};

}  // namespace mirevo
