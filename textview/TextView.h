// TTextView: the text view with its settings published; the class forms create.
#pragma once

#include "textview/CustomTextView.h"

namespace mirevo {

class TTextView : public TCustomTextView {
public:
    using TCustomTextView::TCustomTextView;
};

}  // namespace mirevo
