// The result view's editor options: a set of flags, bit 0 first in declaration order.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace mirevo {

enum class TEditorOption : std::uint8_t {
    eoAltSetsColumnMode,
    eoAutoIndent,
    eoAutoSizeMaxScrollWidth,
    eoDisableScrollArrows,
    eoDragDropEditing,
    eoDropFiles,
    eoEnhanceHomeKey,
    eoEnhanceEndKey,
    eoGroupUndo,
    eoHalfPageScroll,
    eoHideShowScrollbars,
    eoKeepCaretX,
    eoNoCaret,
    eoNoSelection,
    eoRightMouseMovesCursor,
    eoScrollByOneLess,
    eoScrollHintFollows,
    eoScrollPastEof,
    eoScrollPastEol,
    eoShowScrollHint,
    eoShowSpecialChars,
    eoSmartTabDelete,
    eoSmartTabs,
    eoSpecialLineDefaultFg,
    eoTabIndent,
    eoTabsToSpaces,
    eoTrimTrailingSpaces,
};

// A set of TEditorOption as a bit mask.
class TEditorOptions {
public:
    constexpr TEditorOptions() = default;
    constexpr explicit TEditorOptions(std::uint32_t mask) : mask_(mask) {}
    constexpr TEditorOptions(std::initializer_list<TEditorOption> options) {
        for (const auto option : options) mask_ |= Bit(option);
    }

    constexpr bool Contains(TEditorOption option) const { return (mask_ & Bit(option)) != 0; }
    constexpr void Include(TEditorOption option) { mask_ |= Bit(option); }
    constexpr void Exclude(TEditorOption option) { mask_ &= ~Bit(option); }
    constexpr std::uint32_t Mask() const { return mask_; }
    friend constexpr bool operator==(TEditorOptions, TEditorOptions) = default;

private:
    static constexpr std::uint32_t Bit(TEditorOption option) {
        return std::uint32_t{1} << static_cast<unsigned>(option);
    }
    std::uint32_t mask_ = 0;
};

// The default set (mask 0x026C0192).
inline constexpr TEditorOptions kDefaultEditorOptions{0x026C0192u};

}  // namespace mirevo
