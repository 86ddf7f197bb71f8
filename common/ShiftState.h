// The modifier keys and mouse buttons held during a key or mouse event, as a set.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace mirevo {

enum class TShiftFlag : std::uint8_t {
    ssShift,
    ssAlt,
    ssCtrl,
    ssLeft,
    ssRight,
    ssMiddle,
    ssDouble
};

class TShiftState {
public:
    constexpr TShiftState() = default;
    constexpr TShiftState(std::initializer_list<TShiftFlag> flags) {
        for (const auto flag : flags) mask_ |= Bit(flag);
    }

    constexpr bool Contains(TShiftFlag flag) const { return (mask_ & Bit(flag)) != 0; }
    constexpr void Include(TShiftFlag flag) { mask_ |= Bit(flag); }
    constexpr void Exclude(TShiftFlag flag) { mask_ &= static_cast<std::uint8_t>(~Bit(flag)); }
    constexpr bool Empty() const { return mask_ == 0; }
    // Only Shift, Alt and Ctrl: what a key binding stores and compares.
    constexpr TShiftState Modifiers() const { return FromMask(mask_ & kModifierMask); }
    friend constexpr bool operator==(TShiftState, TShiftState) = default;

private:
    static constexpr std::uint8_t kModifierMask = 0x07;
    static constexpr std::uint8_t Bit(TShiftFlag flag) {
        return static_cast<std::uint8_t>(1u << static_cast<unsigned>(flag));
    }
    static constexpr TShiftState FromMask(unsigned mask) {
        TShiftState state;
        state.mask_ = static_cast<std::uint8_t>(mask);
        return state;
    }
    std::uint8_t mask_ = 0;
};

}  // namespace mirevo
