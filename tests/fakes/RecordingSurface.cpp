#include "tests/fakes/RecordingSurface.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace mirevo::testing_support {

namespace {
constexpr std::uintptr_t kFirstFont = 0x100;

std::size_t FontIndex(TFontHandle font) { return static_cast<std::uintptr_t>(font) - kFirstFont; }

std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(value));
    return text;
}
}  // namespace

FakeFontMeasure DefaultFakeMeasure(const TLogFont& font) {
    const std::int32_t height = font.Height == 0 ? 16 : std::abs(font.Height);
    const std::int32_t widthOfM = height / 2 + (font.Weight >= kFontWeightBold ? 1 : 0);
    FakeFontMeasure measure;
    measure.Metrics.Height = height;
    measure.Metrics.Ascent = height * 7 / 8;
    measure.Metrics.Descent = height - measure.Metrics.Ascent;
    measure.Metrics.AveCharWidth = widthOfM;
    measure.Metrics.MaxCharWidth = 2 * widthOfM;
    measure.Metrics.Weight = font.Weight;
    measure.Metrics.CharSet = font.CharSet;
    measure.WidthsOfM = TABCWidths{1, widthOfM - 2, 1};
    return measure;
}

// ---- RecordingResources

RecordingResources::RecordingResources() = default;
RecordingResources::~RecordingResources() noexcept = default;

TFontHandle RecordingResources::NewFont(const TLogFont& font) {
    if (!CanCreateFonts) return TFontHandle::None;
    created_.push_back(font);
    live_.push_back(true);
    return TFontHandle{kFirstFont + created_.size() - 1};
}

void RecordingResources::FreeFont(TFontHandle font) noexcept {
    if (!IsLive(font)) {
        ReportError("FreeFont of a dead font " + Hex(static_cast<std::uintptr_t>(font)));
        return;
    }
    for (const RecordingSurface* surface : surfaces_) {
        if (surface->Current().Font == font) ReportError("FreeFont of a selected font");
    }
    live_[FontIndex(font)] = false;
    ++freed_;
}

bool RecordingResources::IsLive(TFontHandle font) const {
    const std::size_t index = FontIndex(font);
    return font != TFontHandle::None && index < live_.size() && live_[index];
}

const TLogFont& RecordingResources::FontOf(TFontHandle font) const {
    return created_.at(FontIndex(font));
}

TLogFont RecordingResources::DescribeFont(TFontHandle font) {
    if (!IsLive(font)) return {};
    return FontOf(font);
}

std::unique_ptr<IDrawingSurface> RecordingResources::OpenScreenSurface() {
    ++screensOpened_;
    auto screen = std::make_unique<RecordingSurface>(*this, TRect{0, 0, 1280, 1024});
    screens_.push_back(screen.get());
    return screen;
}

void RecordingResources::Closed(const RecordingSurface* surface) {
    std::erase(surfaces_, surface);
    if (std::erase(screens_, surface) > 0) ++screensClosed_;
}

void RecordingResources::AddBitmapResource(std::string name, TSize size) {
    bitmapResources_[std::move(name)] = size;
}

TBitmapHandle RecordingResources::LoadBitmapResource(std::string_view name) {
    const auto found = bitmapResources_.find(name);
    if (found == bitmapResources_.end()) return TBitmapHandle::None;
    liveBitmaps_[++nextBitmap_] = found->second;
    return TBitmapHandle{nextBitmap_};
}

void RecordingResources::FreeBitmap(TBitmapHandle bitmap) noexcept {
    if (liveBitmaps_.erase(static_cast<std::uintptr_t>(bitmap)) == 0) {
        ReportError("FreeBitmap of a dead bitmap " + Hex(static_cast<std::uintptr_t>(bitmap)));
    }
}

TSize RecordingResources::BitmapSize(TBitmapHandle bitmap) {
    const auto found = liveBitmaps_.find(static_cast<std::uintptr_t>(bitmap));
    return found == liveBitmaps_.end() ? TSize{} : found->second;
}

// ---- RecordingSurface

RecordingSurface::RecordingSurface(RecordingResources& resources, TRect clip)
    : resources_(resources), clip_(clip) {
    resources_.Opened(this);
}

RecordingSurface::~RecordingSurface() noexcept { resources_.Closed(this); }

void RecordingSurface::Record(std::string_view name,
                              std::initializer_list<std::uint64_t> arguments) {
    std::string call(name);
    call += '(';
    for (auto it = arguments.begin(); it != arguments.end(); ++it) {
        if (it != arguments.begin()) call += ',';
        call += Hex(*it);
    }
    calls_.push_back(call + ')');
}

std::size_t RecordingSurface::CountCalls(std::string_view name) const {
    return std::count_if(calls_.begin(), calls_.end(), [name](const std::string& call) {
        return call.size() > name.size() && call.compare(0, name.size(), name) == 0 &&
               call[name.size()] == '(';
    });
}

void RecordingSurface::ClearRecords() {
    calls_.clear();
    textRuns_.clear();
    fills_.clear();
    lines_.clear();
    bitmapCopies_.clear();
}

int RecordingSurface::SaveState() {
    Record("SaveState");
    saved_.push_back(state_);
    return static_cast<int>(saved_.size());
}

void RecordingSurface::RestoreState(int savedState) {
    Record("RestoreState", {static_cast<std::uint64_t>(savedState)});
    if (savedState < 1 || static_cast<std::size_t>(savedState) > saved_.size()) {
        resources_.ReportError("RestoreState of an unknown state " + std::to_string(savedState));
        return;
    }
    state_ = saved_[savedState - 1];
    saved_.resize(savedState - 1);
}

TFontHandle RecordingSurface::SelectFont(TFontHandle font) {
    Record("SelectFont", {static_cast<std::uintptr_t>(font)});
    // None stands for the context's own font, given back after a measurement.
    if (font != TFontHandle::None && !resources_.IsLive(font)) {
        resources_.ReportError("SelectFont of a dead font " +
                               Hex(static_cast<std::uintptr_t>(font)));
    }
    return std::exchange(state_.Font, font);
}

FakeFontMeasure RecordingSurface::MeasureSelected() {
    if (!resources_.IsLive(state_.Font)) {
        resources_.ReportError("measuring without a live font");
        return resources_.Measure(TLogFont{});
    }
    return resources_.Measure(resources_.FontOf(state_.Font));
}

TTextMetrics RecordingSurface::Metrics() {
    Record("Metrics");
    return MeasureSelected().Metrics;
}

std::optional<TABCWidths> RecordingSurface::CharWidths(unsigned char character) {
    Record("CharWidths", {character});
    if (character != 'M') return std::nullopt;
    return MeasureSelected().WidthsOfM;
}

TSize RecordingSurface::TextExtent(std::string_view text) {
    Record("TextExtent");
    const TTextMetrics metrics = MeasureSelected().Metrics;
    return {static_cast<std::int32_t>(text.size()) * metrics.AveCharWidth, metrics.Height};
}

void RecordingSurface::SetForeColor(TColor color) {
    Record("SetForeColor", {color});
    state_.Fore = color;
}

void RecordingSurface::SetBackColor(TColor color) {
    Record("SetBackColor", {color});
    state_.Back = color;
}

void RecordingSurface::SetBackgroundMode(TBackgroundMode mode) {
    Record("SetBackgroundMode", {static_cast<std::uint64_t>(mode)});
    state_.Mode = mode;
}

// System colours get fixed stand-ins: window white, window text black, others grey-ish.
TColorRef RecordingSurface::ColorToRgb(TColor color) {
    if (!IsSystemColor(color)) return color & 0xFFFFFFu;
    switch (color) {
        case clWindow:
            return 0xFFFFFF;
        case clWindowText:
            return 0x000000;
        default:
            return (color & 0xFFu) * 0x010101u;
    }
}

void RecordingSurface::DrawTextRun(std::int32_t x, std::int32_t y, TTextOutOptions options,
                                   const TRect* rect, std::string_view text,
                                   std::span<const std::int32_t> spacing) {
    Record("DrawTextRun", {static_cast<std::uint64_t>(x), static_cast<std::uint64_t>(y),
                           static_cast<std::uint64_t>(options), text.size()});
    if (!spacing.empty() && spacing.size() < text.size()) {
        resources_.ReportError("spacing array shorter than the text");
    }
    TextRun run;
    run.X = x;
    run.Y = y;
    run.Options = options;
    if (rect != nullptr) run.Rect = *rect;
    run.Text = std::string(text);
    run.Spacing.assign(spacing.begin(), spacing.end());
    run.DrawnWith = state_;
    textRuns_.push_back(std::move(run));
}

void RecordingSurface::SetBrushColor(TColor color) {
    Record("SetBrushColor", {color});
    brush_ = color;
}

void RecordingSurface::FillRect(const TRect& rect) {
    Record("FillRect");
    if (brush_ != clNone) fills_.push_back({rect, brush_});
}

void RecordingSurface::SetPen(TColor color, std::int32_t width) {
    Record("SetPen", {color, static_cast<std::uint64_t>(width)});
    pen_ = color;
    penWidth_ = width;
}

void RecordingSurface::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                std::int32_t y2) {
    Record("DrawLine");
    lines_.push_back({x1, y1, x2, y2, pen_, penWidth_});
}

void RecordingSurface::DrawBitmap(TBitmapHandle bitmap, const TRect& source, std::int32_t x,
                                  std::int32_t y) {
    Record("DrawBitmap");
    bitmapCopies_.push_back(
        {bitmap, source, x, y, std::nullopt, brush_, {source.Width(), source.Height()}});
}

void RecordingSurface::DrawMaskedBitmap(TBitmapHandle bitmap, const TRect& source, std::int32_t x,
                                        std::int32_t y, TColor maskColor) {
    Record("DrawMaskedBitmap");
    bitmapCopies_.push_back(
        {bitmap, source, x, y, maskColor, brush_, {source.Width(), source.Height()}});
}

void RecordingSurface::DrawBitmapScaled(TBitmapHandle bitmap, const TRect& source,
                                        const TRect& dest, TColor maskColor) {
    Record("DrawBitmapScaled");
    const std::optional<TColor> mask =
        maskColor == clNone ? std::nullopt : std::optional<TColor>(maskColor);
    bitmapCopies_.push_back(
        {bitmap, source, dest.Left, dest.Top, mask, brush_, {dest.Width(), dest.Height()}});
}

}  // namespace mirevo::testing_support
