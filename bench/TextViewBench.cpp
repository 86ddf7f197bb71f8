// Painting one screen of the text view: a million-line text against a ten-line text, both
// word-wrapped, on a surface that draws nothing.
#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
#include <string>

#include "textview/FontsInfoManager.h"
#include "textview/TextView.h"

namespace {

using namespace mirevo;

// CPU time of the process: the machine is shared, so wall time would measure the neighbours.
double Now() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

class NullSurface final : public IDrawingSurface {
public:
    int SaveState() override { return 1; }
    void RestoreState(int) override {}
    TFontHandle SelectFont(TFontHandle font) override { return font; }
    TTextMetrics Metrics() override { return {13, 11, 2, 0, 0, 6, 12, 400, 0, 0, 128}; }
    std::optional<TABCWidths> CharWidths(unsigned char) override { return TABCWidths{1, 4, 1}; }
    TSize TextExtent(std::string_view text) override {
        return {static_cast<std::int32_t>(text.size()) * 6, 13};
    }
    void SetForeColor(TColor) override {}
    void SetBackColor(TColor) override {}
    void SetBackgroundMode(TBackgroundMode) override {}
    TColorRef ColorToRgb(TColor color) override { return color & 0xFFFFFF; }
    void DrawTextRun(std::int32_t, std::int32_t, TTextOutOptions, const TRect*,
                     std::string_view text, std::span<const std::int32_t>) override {
        benchmark::DoNotOptimize(text.data());
    }
    void SetBrushColor(TColor) override {}
    void FillRect(const TRect&) override {}
    void SetPen(TColor, std::int32_t) override {}
    void DrawLine(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void DrawBitmap(TBitmapHandle, const TRect&, std::int32_t, std::int32_t) override {}
    void DrawMaskedBitmap(TBitmapHandle, const TRect&, std::int32_t, std::int32_t,
                          TColor) override {}
    TRect ClipRect() override { return {0, 0, 400, 300}; }
};

class NullResources final : public IDrawingResources {
public:
    TFontHandle NewFont(const TLogFont&) override { return TFontHandle{++next_}; }
    void FreeFont(TFontHandle) noexcept override {}
    TLogFont DescribeFont(TFontHandle) override { return {}; }
    std::unique_ptr<IDrawingSurface> OpenScreenSurface() override {
        return std::make_unique<NullSurface>();
    }
    TBitmapHandle LoadBitmapResource(std::string_view) override { return TBitmapHandle{1}; }
    void FreeBitmap(TBitmapHandle) noexcept override {}
    TSize BitmapSize(TBitmapHandle) override { return {15, 14}; }

private:
    std::uintptr_t next_ = 0;
};

class NullWindow final : public IWindowServices {
public:
    TSize ClientSize() const override { return {400, 300}; }
    void Invalidate(const TRect*) override {}
    void ScrollWindow(std::int32_t, std::int32_t, const TRect*) override {}
    void Update() override {}
    std::unique_ptr<IDrawingSurface> OpenDrawingSurface() override { return nullptr; }
    void ShowScrollBar(TScrollBarKind, bool) override {}
    void SetScrollInfo(TScrollBarKind, const TScrollInfo&) override {}
    void EnableScrollArrows(TScrollBarKind, TScrollArrows) override {}
    TScrollInfo ScrollTrackInfo(TScrollBarKind) const override { return {}; }
    bool CreateCaret(std::int32_t, std::int32_t) override { return true; }
    void DestroyCaret() override {}
    void SetCaretPos(std::int32_t, std::int32_t) override {}
    bool ShowCaret() override { return true; }
    bool HideCaret() override { return true; }
    void SetTimer(std::uintptr_t, std::uint32_t) override {}
    void KillTimer(std::uintptr_t) override {}
    void SetCapture() override {}
    void ReleaseCapture() override {}
    bool HasCapture() const override { return false; }
    bool Focused() const override { return true; }
    void SetFocus() override {}
    std::int32_t WheelScrollLines() const override { return 3; }
    TSize DragDistance() const override { return {4, 4}; }
    std::int32_t VerticalScrollArrowHeight() const override { return 17; }
    void SetCompositionWindow(TPoint) override {}
    void SetCompositionFont(const TLogFont&) override {}
    void DragAcceptFiles(bool) override {}
    TPoint ClientToScreen(TPoint point) const override { return point; }
    TSize MeasureHint(std::string_view, std::int32_t) override { return {}; }
    void ShowHint(const TRect&, std::string_view, TColor) override {}
    void HideHint() override {}
};

std::string Code(std::size_t lines) {
    const std::string line =
        "<a href=\"https://click.example.net/svt/ejp?a8mat=2BXYZ1+ABCDEF\" rel=\"nofollow\">link "
        "text</a>\r\n";
    std::string text;
    text.reserve(lines * line.size());
    for (std::size_t i = 0; i < lines; ++i) text += line;
    return text;
}

struct View {
    explicit View(std::size_t lines) {
        view.AttachWindow(&window);
        view.SetWordWrap(true);
        view.Gutter().SetWidth(15);
        view.SetText(Code(lines));
        view.SetTopLine(view.RowCount() / 2);
    }
    NullResources resources;
    TFontsInfoManager manager{resources};
    NullWindow window;
    TTextView view{nullptr, "TextView1", manager};
};

void BM_PaintScreenMillionLinesVsTen(benchmark::State& state) {
    View large(1000000);
    View small(10);
    NullSurface surface;
    double largeTime = 0;
    double smallTime = 0;
    for (auto _ : state) {
        const double t0 = Now();
        for (int i = 0; i < 20; ++i) large.view.Paint(surface);
        const double t1 = Now();
        for (int i = 0; i < 20; ++i) small.view.Paint(surface);
        smallTime += Now() - t1;
        largeTime += t1 - t0;
    }
    state.counters["large_vs_small"] = smallTime > 0 ? largeTime / smallTime : 0;
}
BENCHMARK(BM_PaintScreenMillionLinesVsTen)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace
