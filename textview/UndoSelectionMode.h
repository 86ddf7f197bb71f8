// The selection modes that an undo item remembers with its change.
#pragma once

#include <cstdint>

namespace mirevo {

// How a selection is read: a stream of characters, whole lines, or a rectangle of
// character indices. The numbers are those of the private clipboard format.
enum class TSelectionMode : std::uint8_t {
    smNormal = 0,
    smLine = 1,
    smColumn = 2,
};

}  // namespace mirevo
