// TTextView: the text view with its settings published; the class forms create. It serves
// the form's standard edit actions while it has the focus.
#pragma once

#include "textview/CustomTextView.h"
#include "textview/ViewEditTarget.h"

namespace mirevo {

class TTextView : public TCustomTextView {
public:
    using TCustomTextView::TCustomTextView;

    IEditTarget* AsEditTarget() override { return &editTarget_; }

private:
    TViewEditTarget editTarget_{*this};
};

}  // namespace mirevo
