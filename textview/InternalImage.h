// TInternalImage: a strip of equal glyphs from one bitmap resource (the bookmark digits).
// Bitmaps are shared by every image of the process through a usage-counted list.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/DpiScale.h"
#include "platform/DrawingSurface.h"

namespace mirevo {

class TInternalImage {
public:
    // Loads or shares the resource name (case-insensitive) cut into count glyphs.
    // resources must outlive every image made on it.
    TInternalImage(IDrawingResources& resources, std::string_view name, std::int32_t count);
    ~TInternalImage();
    TInternalImage(const TInternalImage&) = delete;
    TInternalImage& operator=(const TInternalImage&) = delete;

    // (bitmap width + count div 2) div count, and the bitmap height.
    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    // Copies glyph number opaquely, fitted into a row of rowHeight at (x, y) and scaled to
    // dpi (see PlaceGlyph).
    void Draw(IDrawingSurface& surface, std::int32_t number, std::int32_t x, std::int32_t y,
              std::int32_t rowHeight, std::uint32_t dpi = kDesignDpi) const;

    // Entries in the process-wide list and the usage count of one (0 when absent).
    static std::size_t SharedEntries();
    static std::int32_t UsageCount(std::string_view name);

private:
    std::string key_;
    TBitmapHandle bitmap_ = TBitmapHandle::None;
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
};

}  // namespace mirevo
