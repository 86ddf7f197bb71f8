#include "textview/EditMark.h"

#include <algorithm>

#include "textview/CustomTextView.h"

namespace mirevo {

void TEditMark::RepaintLine(std::int32_t line) const {
    if (owner_ && visible_) owner_->InvalidateGutterLines(line, line);
}

void TEditMark::SetLine(std::int32_t value) {
    if (line_ == value) return;
    const std::int32_t old = line_;
    line_ = value;
    RepaintLine(old);
    RepaintLine(value);
}

void TEditMark::SetImageIndex(std::int32_t value) {
    imageIndex_ = value;
    RepaintLine(line_);
}

void TEditMark::SetVisible(bool value) {
    if (visible_ == value) return;
    visible_ = value;
    if (owner_) owner_->InvalidateGutterLines(line_, line_);
}

void TEditMark::SetInternalImage(bool value) {
    internalImage_ = value;
    RepaintLine(line_);
}

TEditMark& TEditMarkList::Add(std::unique_ptr<TEditMark> mark) {
    marks_.push_back(std::move(mark));
    Changed();
    return *marks_.back();
}

void TEditMarkList::Remove(const TEditMark& mark) {
    std::erase_if(marks_, [&](const auto& held) { return held.get() == &mark; });
    Changed();
}

void TEditMarkList::Clear() {
    marks_.clear();
    Changed();
}

std::vector<TEditMark*> TEditMarkList::GetMarksForLine(std::int32_t line) const {
    std::vector<TEditMark*> result;
    for (const auto& mark : marks_) {
        if (mark->Line() != line) continue;
        result.push_back(mark.get());
        if (result.size() == kMaxMarksPerLine) break;
    }
    return result;
}

void TEditMarkList::Changed() {
    if (OnChange) OnChange(*this);
}

}  // namespace mirevo
