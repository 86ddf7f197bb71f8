#include "textview/FontsInfoManager.h"

#include <algorithm>
#include <cstring>

#include "textview/TextDrawerAssert.h"

namespace mirevo {

TFontsInfoManager::TFontsInfoManager(IDrawingResources& resources) : resources_(resources) {}

TFontsInfoManager::~TFontsInfoManager() {
    for (const auto& record : records_) DeleteHandles(*record);
}

TLogFont TFontsInfoManager::KeyOf(const TLogFont& font) {
    TLogFont key = font;
    key.Italic = 0;
    key.Underline = 0;
    key.StrikeOut = 0;
    key.SetFace(font.Face());
    return key;
}

TSharedFontsInfo& TFontsInfoManager::AcquireFontsInfo(const TLogFont& font) {
    const TLogFont key = KeyOf(font);
    const auto found = std::find_if(records_.begin(), records_.end(), [&key](const auto& record) {
        return std::memcmp(&record->Key, &key, sizeof key) == 0;
    });
    TSharedFontsInfo* info = nullptr;
    if (found != records_.end()) {
        info = found->get();
    } else {
        auto record = std::make_unique<TSharedFontsInfo>();
        record->BaseFont = font;
        record->Key = key;
        info = records_.emplace_back(std::move(record)).get();
    }
    ++info->RefCount;
    return *info;
}

void TFontsInfoManager::ReleaseFontsInfo(TSharedFontsInfo& info) {
    const auto found = Find(info);
    MIREVO_TEXTDRAWER_ASSERT(found != records_.end());
    MIREVO_TEXTDRAWER_ASSERT_MSG(info.ActivationCount < info.RefCount,
                                 "Call DeactivateFontsInfo before calling this.");
    if (info.RefCount > 1) {
        --info.RefCount;
    } else {
        records_.erase(found);
    }
}

void TFontsInfoManager::ActivateFontsInfo(TSharedFontsInfo& info) {
    MIREVO_TEXTDRAWER_ASSERT(info.ActivationCount < info.RefCount);
    ++info.ActivationCount;
}

void TFontsInfoManager::DeactivateFontsInfo(TSharedFontsInfo& info) {
    MIREVO_TEXTDRAWER_ASSERT(info.ActivationCount > 0);
    if (--info.ActivationCount == 0) DeleteHandles(info);
}

void TFontsInfoManager::DeleteHandles(TSharedFontsInfo& info) noexcept {
    for (auto& variant : info.Variants) {
        if (variant.Handle == TFontHandle::None) continue;
        resources_.FreeFont(variant.Handle);
        variant.Handle = TFontHandle::None;
    }
}

std::vector<std::unique_ptr<TSharedFontsInfo>>::iterator TFontsInfoManager::Find(
    const TSharedFontsInfo& info) {
    return std::find_if(records_.begin(), records_.end(),
                        [&info](const auto& record) { return record.get() == &info; });
}

}  // namespace mirevo
