// TGutter: the settings of the strip at the left of the text view (width, line numbers,
// colours, border, gradient). Every setter that changes a value fires OnChange.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

#include "common/Color.h"
#include "platform/LogFont.h"

namespace mirevo {

enum class TGutterBorderStyle : std::uint8_t { gbsNone, gbsMiddle, gbsRight };

class TGutter {
public:
    TGutter();

    std::function<void(TGutter& sender)> OnChange;

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) { Change(autoSize_, value); }
    TGutterBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TGutterBorderStyle value) { Change(borderStyle_, value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value) { Change(color_, value); }
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor value) { Change(borderColor_, value); }
    std::int32_t Cursor() const { return cursor_; }
    void SetCursor(std::int32_t value) { cursor_ = value; }
    // Clamped to 2..12; also sets EffectiveDigitCount.
    std::int32_t DigitCount() const { return digitCount_; }
    void SetDigitCount(std::int32_t value);
    const TLogFont& Font() const { return font_; }
    void SetFont(const TLogFont& value);
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor value) { Change(fontColor_, value); }
    bool LeadingZeros() const { return leadingZeros_; }
    void SetLeadingZeros(bool value) { Change(leadingZeros_, value); }
    // Negative offsets become 0.
    std::int32_t LeftOffset() const { return leftOffset_; }
    void SetLeftOffset(std::int32_t value) { Change(leftOffset_, std::max(value, 0)); }
    std::int32_t RightOffset() const { return rightOffset_; }
    void SetRightOffset(std::int32_t value) { Change(rightOffset_, std::max(value, 0)); }
    bool ShowLineNumbers() const { return showLineNumbers_; }
    void SetShowLineNumbers(bool value) { Change(showLineNumbers_, value); }
    bool UseFontStyle() const { return useFontStyle_; }
    void SetUseFontStyle(bool value) { Change(useFontStyle_, value); }
    bool Visible() const { return visible_; }
    void SetVisible(bool value) { Change(visible_, value); }
    // Width without line numbers; negative values become 0.
    std::int32_t Width() const { return width_; }
    void SetWidth(std::int32_t value) { Change(width_, std::max(value, 0)); }
    bool ZeroStart() const { return zeroStart_; }
    void SetZeroStart(bool value) { Change(zeroStart_, value); }
    // Negative values become 0; ZeroStart is set exactly when it is 0.
    std::int32_t LineNumberStart() const { return lineNumberStart_; }
    void SetLineNumberStart(std::int32_t value);
    bool Gradient() const { return gradient_; }
    void SetGradient(bool value) { Change(gradient_, value); }
    TColor GradientStartColor() const { return gradientStartColor_; }
    void SetGradientStartColor(TColor value) { Change(gradientStartColor_, value); }
    TColor GradientEndColor() const { return gradientEndColor_; }
    void SetGradientEndColor(TColor value) { Change(gradientEndColor_, value); }
    // Values below 2 become 2.
    std::int32_t GradientSteps() const { return gradientSteps_; }
    void SetGradientSteps(std::int32_t value) { Change(gradientSteps_, std::max(value, 2)); }

    // The digits the numbers take now (DigitCount, or more when AutoSize widened it).
    std::int32_t EffectiveDigitCount() const { return effectiveDigitCount_; }
    // Widens the number column to the highest number of lineCount lines; a change notifies.
    void AutoSizeDigits(std::int32_t lineCount);
    // EffectiveDigitCount := DigitCount, without notifying.
    void ResetEffectiveDigits() { effectiveDigitCount_ = digitCount_; }

    // The number shown for a 1-based line, right-aligned in EffectiveDigitCount characters.
    std::string FormatLineNumber(std::int32_t line) const;
    // The pixel width for a cell width: 0 when invisible, the numbers' width with line
    // numbers, else Width.
    std::int32_t RealGutterWidth(std::int32_t cellWidth) const;

    // Copies everything but the gradient and border settings, then notifies.
    void Assign(const TGutter& source);

private:
    template <typename T>
    void Change(T& field, T value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void Changed();
    std::int32_t HighestNumber(std::int32_t lineCount) const;

    bool autoSize_ = false;
    TGutterBorderStyle borderStyle_ = TGutterBorderStyle::gbsMiddle;
    TColor color_ = clBtnFace;
    TColor borderColor_ = clWindow;
    std::int32_t cursor_ = 0;
    std::int32_t digitCount_ = 4;
    std::int32_t effectiveDigitCount_ = 4;
    TLogFont font_;
    TColor fontColor_ = clWindowText;
    bool leadingZeros_ = false;
    std::int32_t leftOffset_ = 16;
    std::int32_t rightOffset_ = 2;
    bool showLineNumbers_ = false;
    bool useFontStyle_ = true;
    bool visible_ = true;
    std::int32_t width_ = 30;
    bool zeroStart_ = false;
    std::int32_t lineNumberStart_ = 1;
    bool gradient_ = false;
    TColor gradientStartColor_ = clWindow;
    TColor gradientEndColor_ = clBtnFace;
    std::int32_t gradientSteps_ = 48;
};

}  // namespace mirevo
