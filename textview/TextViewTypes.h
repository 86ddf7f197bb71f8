// Small value types of the text view's settings, events and scroll messages.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace mirevo {

enum class TCaretType : std::uint8_t { ctVerticalLine, ctHorizontalLine, ctHalfBlock, ctBlock };
enum class TScrollHintFormat : std::uint8_t { shfTopLineOnly, shfTopToBottom };
enum class TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TViewBorderStyle : std::uint8_t { bsNone, bsSingle };
enum class TTransientType : std::uint8_t { ttBefore, ttAfter };

// The scroll-bar request codes, numbered as the platform numbers them.
enum class TScrollCode : std::uint8_t {
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
    Top = 6,
    Bottom = 7,
    EndScroll = 8
};

enum class TStatusChange : std::uint8_t {
    scAll,
    scCaretX,
    scCaretY,
    scLeftChar,
    scTopLine,
    scInsertMode,
    scModified,
    scSelection,
    scReadOnly
};

// A set of TStatusChange.
class TStatusChanges {
public:
    constexpr TStatusChanges() = default;
    constexpr TStatusChanges(std::initializer_list<TStatusChange> changes) {
        for (const auto change : changes) Include(change);
    }
    constexpr bool Contains(TStatusChange change) const { return (mask_ & Bit(change)) != 0; }
    constexpr void Include(TStatusChange change) { mask_ |= Bit(change); }
    constexpr void Include(TStatusChanges changes) { mask_ |= changes.mask_; }
    constexpr bool Empty() const { return mask_ == 0; }
    constexpr void Clear() { mask_ = 0; }
    constexpr std::uint16_t Mask() const { return mask_; }
    friend constexpr bool operator==(TStatusChanges, TStatusChanges) = default;

private:
    static constexpr std::uint16_t Bit(TStatusChange change) {
        return static_cast<std::uint16_t>(1u << static_cast<unsigned>(change));
    }
    std::uint16_t mask_ = 0;
};

}  // namespace mirevo
