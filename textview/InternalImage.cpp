#include "textview/InternalImage.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

#include "textview/Glyph.h"

namespace mirevo {

namespace {

struct TInternalResource {
    std::string Name;  // upper-cased
    std::int32_t Usage = 0;
    TBitmapHandle Bitmap = TBitmapHandle::None;
    IDrawingResources* Resources = nullptr;
};

// Made with the first image, freed with the last.
std::unique_ptr<std::vector<TInternalResource>>& InternalResources() {
    static std::unique_ptr<std::vector<TInternalResource>> list;
    return list;
}

std::string UpperCased(std::string_view name) {
    std::string upper(name);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

TInternalResource* Find(std::string_view key) {
    auto& list = InternalResources();
    if (!list) return nullptr;
    const auto it = std::find_if(list->begin(), list->end(),
                                 [&](const TInternalResource& entry) { return entry.Name == key; });
    return it == list->end() ? nullptr : &*it;
}

TBitmapHandle Acquire(IDrawingResources& resources, const std::string& key, std::string_view name) {
    if (TInternalResource* entry = Find(key)) {
        ++entry->Usage;
        return entry->Bitmap;
    }
    auto& list = InternalResources();
    if (!list) list = std::make_unique<std::vector<TInternalResource>>();
    list->push_back({key, 1, resources.LoadBitmapResource(name), &resources});
    return list->back().Bitmap;
}

void Release(const std::string& key) {
    TInternalResource* entry = Find(key);
    if (!entry || --entry->Usage > 0) return;
    if (entry->Bitmap != TBitmapHandle::None) entry->Resources->FreeBitmap(entry->Bitmap);
    auto& list = InternalResources();
    list->erase(list->begin() + (entry - list->data()));
    if (list->empty()) list.reset();
}

}  // namespace

TInternalImage::TInternalImage(IDrawingResources& resources, std::string_view name,
                               std::int32_t count)
    : key_(UpperCased(name)), bitmap_(Acquire(resources, key_, name)) {
    if (bitmap_ == TBitmapHandle::None || count <= 0) return;
    const TSize size = resources.BitmapSize(bitmap_);
    width_ = (size.Width + count / 2) / count;
    height_ = size.Height;
}

TInternalImage::~TInternalImage() { Release(key_); }

void TInternalImage::Draw(IDrawingSurface& surface, std::int32_t number, std::int32_t x,
                          std::int32_t y, std::int32_t rowHeight, std::uint32_t dpi) const {
    if (bitmap_ == TBitmapHandle::None) return;
    const TRect source{number * width_, 0, (number + 1) * width_, height_};
    DrawPlacedGlyph(surface, bitmap_, PlaceGlyph(source, dpi, x, y, rowHeight), clNone);
}

std::size_t TInternalImage::SharedEntries() {
    const auto& list = InternalResources();
    return list ? list->size() : 0;
}

std::int32_t TInternalImage::UsageCount(std::string_view name) {
    const TInternalResource* entry = Find(UpperCased(name));
    return entry ? entry->Usage : 0;
}

}  // namespace mirevo
