// The process's registry of fonts in use, shared by reference count with their 16 variants.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/DrawingSurface.h"
#include "platform/LogFont.h"
#include "textview/FontStyle.h"

namespace mirevo {

// One style variant of a shared font: its handle (None until a stock first uses it) and the
// cell it was measured to, in pixels.
struct TFontVariant {
    TFontHandle Handle = TFontHandle::None;
    std::int32_t CharAdvance = 0;
    std::int32_t CharHeight = 0;
};

// One distinct logical font. Owned by the registry; stocks hold it by reference count.
struct TSharedFontsInfo {
    std::int32_t RefCount = 0;         // stocks holding the record
    std::int32_t ActivationCount = 0;  // stocks using its handles
    TLogFont BaseFont{};               // copy of the font it was made from
    TLogFont Key{};                    // see TFontsInfoManager::KeyOf
    std::array<TFontVariant, TFontStyles::kVariantCount> Variants{};  // by style mask
};

// The registry. The program makes one over the platform's drawing resources and hands it to
// its views; tests make their own over fake
// resources. Handles are made by the stocks through Resources() and deleted here, all
// together, when the last stock using a record deactivates it. GUI thread only.
class TFontsInfoManager {
public:
    explicit TFontsInfoManager(IDrawingResources& resources);
    TFontsInfoManager(const TFontsInfoManager&) = delete;
    TFontsInfoManager& operator=(const TFontsInfoManager&) = delete;
    // Frees the records still held and their handles; at program end only records of views
    // that outlive the registry remain.
    ~TFontsInfoManager();

    IDrawingResources& Resources() const { return resources_; }

    // The record of the font's key, made and appended on first request; its reference count
    // is raised by one.
    TSharedFontsInfo& AcquireFontsInfo(const TLogFont& font);
    // Lowers the reference count; the last release frees the record. The caller must have
    // deactivated it first.
    void ReleaseFontsInfo(TSharedFontsInfo& info);
    void ActivateFontsInfo(TSharedFontsInfo& info);
    // The last deactivation deletes every handle of the 16 variants.
    void DeactivateFontsInfo(TSharedFontsInfo& info);

    std::size_t RecordCount() const { return records_.size(); }

    // The font with italic, underline and strike-out cleared and the face name's tail zeroed:
    // two keys are byte-for-byte equal exactly when they describe the same font.
    static TLogFont KeyOf(const TLogFont& font);

private:
    void DeleteHandles(TSharedFontsInfo& info) noexcept;
    std::vector<std::unique_ptr<TSharedFontsInfo>>::iterator Find(const TSharedFontsInfo& info);

    IDrawingResources& resources_;
    std::vector<std::unique_ptr<TSharedFontsInfo>> records_;  // in order of creation
};

}  // namespace mirevo
