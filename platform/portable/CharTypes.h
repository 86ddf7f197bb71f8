// The C3 flags of code page 932 from a table, for builds without the Windows classifier.
#pragma once

#include "platform/CharTypes.h"

namespace mirevo {

// The flags of one character: a single byte (0x00..0xFF) or lead << 8 | trail. Unassigned
// codes answer 0.
std::uint16_t CharType3Of(std::uint16_t code);

// A lead byte and the byte after it make one character; a lead byte at the end is one
// character of its own with no flags.
class PortableCharTypes final : public ICharTypes {
public:
    std::optional<std::vector<std::uint16_t>> CharTypes3(std::string_view text) override;
};

}  // namespace mirevo
