// TEditMark and TEditMarkList: marks drawn in the text view's gutter (bookmarks 0..9 and
// plain marks). The program places none; the view supports them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace mirevo {

class TCustomTextView;

class TEditMark {
public:
    // owner may be null (a mark not yet shown); otherwise it must outlive the mark.
    explicit TEditMark(TCustomTextView* owner) : owner_(owner) {}

    std::int32_t Line() const { return line_; }
    void SetLine(std::int32_t value);
    std::int32_t Char() const { return char_; }
    void SetChar(std::int32_t value) { char_ = value; }
    std::int32_t ImageIndex() const { return imageIndex_; }
    void SetImageIndex(std::int32_t value);
    // -1 for a plain mark, 0..9 for a bookmark.
    std::int32_t BookmarkNumber() const { return bookmarkNumber_; }
    void SetBookmarkNumber(std::int32_t value) { bookmarkNumber_ = value; }
    bool IsBookmark() const { return bookmarkNumber_ >= 0; }
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    // Drawn from the view's built-in bookmark glyphs instead of BookmarkImages.
    bool InternalImage() const { return internalImage_; }
    void SetInternalImage(bool value);

private:
    void RepaintLine(std::int32_t line) const;

    TCustomTextView* owner_;
    std::int32_t line_ = 0;
    std::int32_t char_ = 0;
    std::int32_t imageIndex_ = 0;
    std::int32_t bookmarkNumber_ = -1;
    bool visible_ = false;
    bool internalImage_ = false;
};

class TEditMarkList {
public:
    static constexpr std::size_t kMaxMarksPerLine = 16;

    std::function<void(TEditMarkList& sender)> OnChange;

    TEditMark& Add(std::unique_ptr<TEditMark> mark);
    void Remove(const TEditMark& mark);
    void Clear();
    std::size_t Count() const { return marks_.size(); }
    bool Empty() const { return marks_.empty(); }
    TEditMark& operator[](std::size_t index) const { return *marks_[index]; }
    // The marks of one line, at most kMaxMarksPerLine.
    std::vector<TEditMark*> GetMarksForLine(std::int32_t line) const;

private:
    void Changed();
    std::vector<std::unique_ptr<TEditMark>> marks_;
};

}  // namespace mirevo
