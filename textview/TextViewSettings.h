// TTextViewSettings: the text view's simple settings as published properties over one style
// value. Each setter builds the new value and hands it to ApplyStyle, where the view does
// what WorkFor says the change asks; no setter repaints by itself.
#pragma once

#include <algorithm>
#include <cstdint>

#include "textview/ViewStyle.h"

namespace mirevo {

class TTextViewSettings {
public:
    const TViewStyle& Style() const { return style_; }

    TColor FontColor() const { return style_.fontColor; }
    void SetFontColor(TColor value) { Set(&TViewStyle::fontColor, value); }
    TColor ActiveLineColor() const { return style_.activeLineColor; }
    void SetActiveLineColor(TColor value) { Set(&TViewStyle::activeLineColor, value); }
    // The window's frame follows at once.
    TViewBorderStyle BorderStyle() const { return style_.borderStyle; }
    void SetBorderStyle(TViewBorderStyle value) { Set(&TViewStyle::borderStyle, value); }
    bool HideSelection() const { return style_.hideSelection; }
    void SetHideSelection(bool value) { Set(&TViewStyle::hideSelection, value); }
    TCaretType InsertCaret() const { return style_.insertCaret; }
    void SetInsertCaret(TCaretType value) { Set(&TViewStyle::insertCaret, value); }
    TCaretType OverwriteCaret() const { return style_.overwriteCaret; }
    void SetOverwriteCaret(TCaretType value) { Set(&TViewStyle::overwriteCaret, value); }
    bool InsertMode() const { return style_.insertMode; }
    void SetInsertMode(bool value) { Set(&TViewStyle::insertMode, value); }
    bool ReadOnly() const { return style_.readOnly; }
    void SetReadOnly(bool value) { Set(&TViewStyle::readOnly, value); }
    std::int32_t RightEdge() const { return style_.rightEdge; }
    void SetRightEdge(std::int32_t value) { Set(&TViewStyle::rightEdge, value); }
    TColor RightEdgeColor() const { return style_.rightEdgeColor; }
    void SetRightEdgeColor(TColor value) { Set(&TViewStyle::rightEdgeColor, value); }
    TColor ScrollHintColor() const { return style_.scrollHintColor; }
    void SetScrollHintColor(TColor value) { Set(&TViewStyle::scrollHintColor, value); }
    TScrollHintFormat ScrollHintFormat() const { return style_.scrollHintFormat; }
    void SetScrollHintFormat(TScrollHintFormat value) { Set(&TViewStyle::scrollHintFormat, value); }
    TScrollStyle ScrollBars() const { return style_.scrollBars; }
    void SetScrollBars(TScrollStyle value) { Set(&TViewStyle::scrollBars, value); }
    // Clamped to 1..256.
    std::int32_t TabWidth() const { return style_.tabWidth; }
    void SetTabWidth(std::int32_t value) { Set(&TViewStyle::tabWidth, std::clamp(value, 1, 256)); }
    bool WantReturns() const { return style_.wantReturns; }
    void SetWantReturns(bool value) { Set(&TViewStyle::wantReturns, value); }
    bool WantTabs() const { return style_.wantTabs; }
    void SetWantTabs(bool value) { Set(&TViewStyle::wantTabs, value); }

protected:
    TTextViewSettings() = default;
    ~TTextViewSettings() = default;
    TTextViewSettings(const TTextViewSettings&) = delete;
    TTextViewSettings& operator=(const TTextViewSettings&) = delete;

    // Does the work from the present value to style, which it makes the present one with
    // AssignStyle before the work that reads it.
    virtual void ApplyStyle(const TViewStyle& style) = 0;
    void AssignStyle(const TViewStyle& style) { style_ = style; }

    template <typename T>
    void Set(T TViewStyle::*field, T value) {
        TViewStyle style = style_;
        style.*field = value;
        ApplyStyle(style);
    }

private:
    TViewStyle style_;
};

}  // namespace mirevo
