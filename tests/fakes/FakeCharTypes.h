// A character classifier that fails, or answers fixed flags, and records what it was asked.
#pragma once

#include <string>
#include <vector>

#include "platform/CharTypes.h"

namespace mirevo::testing_support {

class FakeCharTypes final : public ICharTypes {
public:
    std::optional<std::vector<std::uint16_t>> CharTypes3(std::string_view text) override;

    std::optional<std::vector<std::uint16_t>> answer;  // nothing: the platform fails
    std::vector<std::string> asked;
};

}  // namespace mirevo::testing_support
