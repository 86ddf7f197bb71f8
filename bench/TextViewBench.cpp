// Painting one screen of the text view: a million-line text against a ten-line text, both
// word-wrapped, on a surface that draws nothing.
#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
#include <string>

#include "bench/NullDrawing.h"
#include "platform/portable/CharTypes.h"
#include "textview/FontsInfoManager.h"
#include "textview/TextView.h"

namespace {

using namespace mirevo;

using bench::NullResources;
using bench::NullSurface;

// CPU time of the process: the machine is shared, so wall time would measure the neighbours.
double Now() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

class NullWindow final : public IWindowServices,
                         public IWindowCaret,
                         public IWindowScrolling,
                         public IWindowMouse,
                         public IHintWindow {
public:
    IWindowCaret& Caret() override { return *this; }
    IWindowScrolling& Scrolling() override { return *this; }
    IWindowMouse& Mouse() override { return *this; }
    IHintWindow& Hint() override { return *this; }
    TSize ClientSize() const override { return {400, 300}; }
    std::uint32_t PixelsPerInch() const override { return 96; }
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
    TPoint CursorPos() const override { return {}; }
    TShiftState ShiftState() const override { return {}; }
    bool IsKeyDown(TKeyCode) const override { return false; }
    void SetCursor(TCursor) override {}
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
    NullResources resources{6};
    TFontsInfoManager manager{resources};
    NullWindow window;
    PortableCharTypes charTypes;
    TTextView view{nullptr, "TextView1", manager, charTypes};
};

void BM_PaintScreenMillionLinesVsTen(benchmark::State& state) {
    View large(1000000);
    View small(10);
    NullSurface surface{6};
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
    state.counters["limit"] = 1.5;
}
BENCHMARK(BM_PaintScreenMillionLinesVsTen)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace
