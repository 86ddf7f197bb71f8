// Recording fakes of the drawing ports: counted fonts and screens, a surface logging calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/DrawingSurface.h"
#include "platform/LogFont.h"

namespace mirevo::testing_support {

class RecordingSurface;

// How a fake font measures. The default: cells |Height| pixels high (16 for height 0), "M"
// half as wide plus one for a bold weight, with ABC widths.
struct FakeFontMeasure {
    TTextMetrics Metrics;
    std::optional<TABCWidths> WidthsOfM;
};
FakeFontMeasure DefaultFakeMeasure(const TLogFont& font);

class RecordingResources final : public IDrawingResources {
public:
    RecordingResources();
    ~RecordingResources() noexcept override;

    // Replaceable: how every font measures.
    std::function<FakeFontMeasure(const TLogFont&)> Measure = DefaultFakeMeasure;
    // When false NewFont refuses.
    bool CanCreateFonts = true;

    TFontHandle NewFont(const TLogFont& font) override;
    void FreeFont(TFontHandle font) noexcept override;
    TLogFont DescribeFont(TFontHandle font) override;
    std::unique_ptr<IDrawingSurface> OpenScreenSurface() override;
    TBitmapHandle LoadBitmapResource(std::string_view name) override;
    void FreeBitmap(TBitmapHandle bitmap) noexcept override;
    TSize BitmapSize(TBitmapHandle bitmap) override;

    // A bitmap resource LoadBitmapResource will find.
    void AddBitmapResource(std::string name, TSize size);

    // Fonts in order of creation; freed ones stay listed.
    const std::vector<TLogFont>& CreatedFonts() const { return created_; }
    std::size_t FontsFreed() const { return freed_; }
    std::size_t LiveFonts() const { return created_.size() - freed_; }
    bool IsLive(TFontHandle font) const;
    // The record a handle (live or freed) was made from.
    const TLogFont& FontOf(TFontHandle font) const;

    std::size_t ScreensOpened() const { return screensOpened_; }
    std::size_t OpenScreens() const { return screensOpened_ - screensClosed_; }
    std::size_t LiveBitmaps() const { return liveBitmaps_.size(); }

    // Misuse seen: frees of unknown or freed handles or of fonts selected into a surface,
    // selection of dead fonts.
    const std::vector<std::string>& Errors() const { return errors_; }
    void ReportError(std::string error) { errors_.push_back(std::move(error)); }

private:
    friend class RecordingSurface;
    void Opened(const RecordingSurface* surface) { surfaces_.push_back(surface); }
    void Closed(const RecordingSurface* surface);

    std::vector<TLogFont> created_;
    std::vector<bool> live_;
    std::size_t freed_ = 0;
    std::size_t screensOpened_ = 0;
    std::size_t screensClosed_ = 0;
    std::map<std::string, TSize, std::less<>> bitmapResources_;
    std::map<std::uintptr_t, TSize> liveBitmaps_;
    std::uintptr_t nextBitmap_ = 0x5000;
    std::vector<const RecordingSurface*> surfaces_;
    std::vector<const RecordingSurface*> screens_;
    std::vector<std::string> errors_;
};

class RecordingSurface final : public IDrawingSurface {
public:
    // What SaveState and RestoreState cover.
    struct State {
        TFontHandle Font = TFontHandle::None;
        TColor Fore = clBlack;
        TColor Back = clWhite;
        TBackgroundMode Mode = TBackgroundMode::Opaque;
        friend bool operator==(const State&, const State&) = default;
    };
    struct TextRun {
        std::int32_t X = 0;
        std::int32_t Y = 0;
        TTextOutOptions Options = TTextOutOptions::None;
        std::optional<TRect> Rect;
        std::string Text;
        std::vector<std::int32_t> Spacing;  // as many entries as bytes, or none
        State DrawnWith;
    };
    struct Fill {
        TRect Rect;
        TColor Color = clNone;
    };
    struct Line {
        std::int32_t X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
        TColor Color = clNone;
        std::int32_t Width = 0;
    };
    struct BitmapCopy {
        TBitmapHandle Bitmap = TBitmapHandle::None;
        TRect Source;
        std::int32_t X = 0;
        std::int32_t Y = 0;
        std::optional<TColor> Mask;  // none for an opaque copy
        TColor Brush = clNone;
        TSize Size;  // drawn at: the source's size unless stretched
    };

    explicit RecordingSurface(RecordingResources& resources, TRect clip = {0, 0, 640, 480});
    ~RecordingSurface() noexcept override;

    int SaveState() override;
    void RestoreState(int savedState) override;
    TFontHandle SelectFont(TFontHandle font) override;
    TTextMetrics Metrics() override;
    std::optional<TABCWidths> CharWidths(unsigned char character) override;
    TSize TextExtent(std::string_view text) override;
    void SetForeColor(TColor color) override;
    void SetBackColor(TColor color) override;
    void SetBackgroundMode(TBackgroundMode mode) override;
    TColorRef ColorToRgb(TColor color) override;
    void DrawTextRun(std::int32_t x, std::int32_t y, TTextOutOptions options, const TRect* rect,
                     std::string_view text, std::span<const std::int32_t> spacing) override;
    void SetBrushColor(TColor color) override;
    void FillRect(const TRect& rect) override;
    void SetPen(TColor color, std::int32_t width) override;
    void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void DrawBitmap(TBitmapHandle bitmap, const TRect& source, std::int32_t x,
                    std::int32_t y) override;
    void DrawMaskedBitmap(TBitmapHandle bitmap, const TRect& source, std::int32_t x, std::int32_t y,
                          TColor maskColor) override;
    void DrawBitmapScaled(TBitmapHandle bitmap, const TRect& source, const TRect& dest,
                          TColor maskColor) override;
    TRect ClipRect() override { return clip_; }

    // Every call in order, as "Name(arguments)", numbers in hex: "SetForeColor(ff000008)".
    const std::vector<std::string>& Calls() const { return calls_; }
    // How many calls have this name.
    std::size_t CountCalls(std::string_view name) const;
    void ClearRecords();

    const State& Current() const { return state_; }
    TColor BrushColor() const { return brush_; }
    std::size_t SavedStates() const { return saved_.size(); }
    const std::vector<TextRun>& TextRuns() const { return textRuns_; }
    const std::vector<Fill>& Fills() const { return fills_; }
    const std::vector<Line>& Lines() const { return lines_; }
    const std::vector<BitmapCopy>& BitmapCopies() const { return bitmapCopies_; }

private:
    void Record(std::string_view name, std::initializer_list<std::uint64_t> arguments = {});
    FakeFontMeasure MeasureSelected();

    RecordingResources& resources_;
    TRect clip_;
    State state_;
    TColor brush_ = clWhite;
    TColor pen_ = clBlack;
    std::int32_t penWidth_ = 1;
    std::vector<State> saved_;
    std::vector<std::string> calls_;
    std::vector<TextRun> textRuns_;
    std::vector<Fill> fills_;
    std::vector<Line> lines_;
    std::vector<BitmapCopy> bitmapCopies_;
};

}  // namespace mirevo::testing_support
