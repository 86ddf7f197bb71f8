#include "tests/fakes/FakeWindowServices.h"

#include <algorithm>

namespace mirevo::testing_support {

void FakeWindowServices::Invalidate(const TRect* rect) {
    invalidated_.push_back(rect ? std::optional<TRect>(*rect) : std::nullopt);
}

void FakeWindowServices::ScrollWindow(std::int32_t dx, std::int32_t dy, const TRect* area) {
    scrolls_.push_back({dx, dy, area ? std::optional<TRect>(*area) : std::nullopt});
}

void FakeWindowServices::SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) {
    bars_[bar].Info = info;
}

bool FakeWindowServices::CreateCaret(std::int32_t width, std::int32_t height) {
    caretSize_ = TSize{width, height};
    caretShown_ = false;
    return true;
}

void FakeWindowServices::DestroyCaret() {
    caretSize_.reset();
    caretShown_ = false;
}

bool FakeWindowServices::ShowCaret() {
    if (!caretSize_) return false;
    caretShown_ = true;
    return true;
}

bool FakeWindowServices::HideCaret() {
    if (!caretSize_) return false;
    caretShown_ = false;
    return true;
}

TSize FakeWindowServices::MeasureHint(std::string_view text, std::int32_t maxWidth) {
    return {std::min(static_cast<std::int32_t>(text.size()) * HintCharWidth, maxWidth), HintHeight};
}

void FakeWindowServices::ShowHint(const TRect& screenRect, std::string_view text, TColor color) {
    hint_ = {true, screenRect, std::string(text), color};
}

void FakeWindowServices::ClearRecords() {
    invalidated_.clear();
    scrolls_.clear();
    updates_ = 0;
}

}  // namespace mirevo::testing_support
