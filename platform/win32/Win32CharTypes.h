// The C3 flags from GetStringTypeExA for the user's default locale.
#pragma once

#include "platform/CharTypes.h"

namespace mirevo {

class Win32CharTypes final : public ICharTypes {
public:
    std::optional<std::vector<std::uint16_t>> CharTypes3(std::string_view text) override;
};

}  // namespace mirevo
