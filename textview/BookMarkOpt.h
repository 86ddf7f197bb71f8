// TBookMarkOpt: how the text view draws bookmarks and other marks in its gutter.
#pragma once

#include <cstdint>
#include <functional>

namespace mirevo {

// A list of equal-sized images to draw marks from; the view does not own it.
class IMarkImages {
public:
    virtual ~IMarkImages() = default;
    virtual std::int32_t Count() const = 0;
    virtual void Draw(class IDrawingSurface& surface, std::int32_t x, std::int32_t y,
                      std::int32_t index) = 0;
};

class TBookMarkOpt {
public:
    std::function<void(TBookMarkOpt& sender)> OnChange;

    IMarkImages* BookmarkImages() const { return bookmarkImages_; }
    void SetBookmarkImages(IMarkImages* value) { Change(bookmarkImages_, value); }
    bool DrawBookmarksFirst() const { return drawBookmarksFirst_; }
    void SetDrawBookmarksFirst(bool value) { Change(drawBookmarksFirst_, value); }
    bool EnableKeys() const { return enableKeys_; }
    void SetEnableKeys(bool value) { enableKeys_ = value; }
    bool GlyphsVisible() const { return glyphsVisible_; }
    void SetGlyphsVisible(bool value) { Change(glyphsVisible_, value); }
    std::int32_t LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(std::int32_t value) { Change(leftMargin_, value); }
    std::int32_t Xoffset() const { return xoffset_; }
    void SetXoffset(std::int32_t value) { Change(xoffset_, value); }

private:
    template <typename T>
    void Change(T& field, T value) {
        if (field == value) return;
        field = value;
        if (OnChange) OnChange(*this);
    }
    IMarkImages* bookmarkImages_ = nullptr;
    bool drawBookmarksFirst_ = true;
    bool enableKeys_ = true;
    bool glyphsVisible_ = true;
    std::int32_t leftMargin_ = 2;
    std::int32_t xoffset_ = 12;
};

}  // namespace mirevo
