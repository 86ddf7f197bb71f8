// The process's drawing resources on Windows, and the program's fonts registry over them.
#include <windows.h>

#include <bit>
#include <cstddef>
#include <string>

#include "platform/win32/Win32Convert.h"
#include "platform/win32/Win32Surface.h"
#include "textview/FontsInfoManager.h"

namespace mirevo {

namespace {

template <typename Handle>
Handle ToGdi(auto handle) {
    return reinterpret_cast<Handle>(static_cast<std::uintptr_t>(handle));
}

class Win32Resources final : public IDrawingResources {
public:
    TFontHandle NewFont(const TLogFont& font) override {
        const LOGFONTA record = win32::ToLogFontA(font);
        return TFontHandle{reinterpret_cast<std::uintptr_t>(CreateFontIndirectA(&record))};
    }

    void FreeFont(TFontHandle font) noexcept override { DeleteObject(ToGdi<HFONT>(font)); }

    TLogFont DescribeFont(TFontHandle font) override {
        LOGFONTA record{};
        GetObjectA(ToGdi<HFONT>(font), sizeof record, &record);
        return win32::FromLogFontA(record);
    }

    std::unique_ptr<IDrawingSurface> OpenScreenSurface() override {
        return CreateWin32ScreenSurface();
    }

    TBitmapHandle LoadBitmapResource(std::string_view name) override {
        const std::string terminated(name);
        const HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), terminated.c_str());
        return TBitmapHandle{reinterpret_cast<std::uintptr_t>(bitmap)};
    }

    void FreeBitmap(TBitmapHandle bitmap) noexcept override {
        DeleteObject(ToGdi<HBITMAP>(bitmap));
    }

    TSize BitmapSize(TBitmapHandle bitmap) override {
        BITMAP info{};
        if (GetObjectA(ToGdi<HBITMAP>(bitmap), sizeof info, &info) == 0) return {};
        return {info.bmWidth, info.bmHeight};
    }
};

}  // namespace

IDrawingResources& Win32DrawingResources() {
    static Win32Resources resources;
    return resources;
}

}  // namespace mirevo
