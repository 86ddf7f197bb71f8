// TSelectedColor: the colours of selected text in the text view.
#pragma once

#include <functional>

#include "common/Color.h"

namespace mirevo {

class TSelectedColor {
public:
    std::function<void(TSelectedColor& sender)> OnChange;

    TColor Background() const { return background_; }
    void SetBackground(TColor value) { Change(background_, value); }
    TColor Foreground() const { return foreground_; }
    void SetForeground(TColor value) { Change(foreground_, value); }

private:
    void Change(TColor& field, TColor value) {
        if (field == value) return;
        field = value;
        if (OnChange) OnChange(*this);
    }
    TColor background_ = clHighlight;
    TColor foreground_ = clHighlightText;
};

}  // namespace mirevo
