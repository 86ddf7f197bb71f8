#include "textview/Gutter.h"

namespace mirevo {

namespace {

// "Courier New", size 8 at 96 dots per inch.
TLogFont DefaultGutterFont() { return MakeLogFont("Courier New", -11, kDefaultCharset); }

std::int32_t DecimalDigits(std::int32_t number) {
    std::int32_t digits = 1;
    for (; number >= 10; number /= 10) ++digits;
    return digits;
}

}  // namespace

TGutter::TGutter() : font_(DefaultGutterFont()) {}

void TGutter::SetDigitCount(std::int32_t value) {
    value = std::clamp(value, 2, 12);
    if (digitCount_ == value) return;
    digitCount_ = value;
    effectiveDigitCount_ = value;
    Changed();
}

void TGutter::SetFont(const TLogFont& value) {
    font_ = value;
    Changed();
}

void TGutter::SetLineNumberStart(std::int32_t value) {
    value = std::max(value, 0);
    zeroStart_ = value == 0;
    Change(lineNumberStart_, value);
}

std::int32_t TGutter::HighestNumber(std::int32_t lineCount) const {
    if (zeroStart_) return lineCount - 1;
    if (lineNumberStart_ > 1) return lineCount + lineNumberStart_ - 1;
    return lineCount;
}

void TGutter::AutoSizeDigits(std::int32_t lineCount) {
    const std::int32_t digits =
        std::max(DecimalDigits(std::max(HighestNumber(lineCount), 0)), digitCount_);
    if (digits == effectiveDigitCount_) return;
    effectiveDigitCount_ = digits;
    Changed();
}

std::string TGutter::FormatLineNumber(std::int32_t line) const {
    std::string number = std::to_string(zeroStart_             ? line - 1
                                        : lineNumberStart_ > 1 ? line + lineNumberStart_ - 1
                                                               : line);
    const auto width = static_cast<std::size_t>(effectiveDigitCount_);
    if (number.size() < width) number.insert(0, width - number.size(), ' ');
    if (leadingZeros_) {
        for (std::size_t i = 0; i + 1 < width && number[i] == ' '; ++i) number[i] = '0';
    }
    return number;
}

std::int32_t TGutter::RealGutterWidth(std::int32_t cellWidth) const {
    if (!visible_) return 0;
    if (showLineNumbers_) return leftOffset_ + rightOffset_ + effectiveDigitCount_ * cellWidth + 2;
    return width_;
}

void TGutter::Assign(const TGutter& source) {
    font_ = source.font_;
    fontColor_ = source.fontColor_;
    useFontStyle_ = source.useFontStyle_;
    color_ = source.color_;
    visible_ = source.visible_;
    width_ = source.width_;
    showLineNumbers_ = source.showLineNumbers_;
    leadingZeros_ = source.leadingZeros_;
    zeroStart_ = source.zeroStart_;
    leftOffset_ = source.leftOffset_;
    rightOffset_ = source.rightOffset_;
    digitCount_ = source.digitCount_;
    autoSize_ = source.autoSize_;
    effectiveDigitCount_ = source.effectiveDigitCount_;
    lineNumberStart_ = source.lineNumberStart_;
    Changed();
}

void TGutter::Changed() {
    if (OnChange) OnChange(*this);
}

}  // namespace mirevo
