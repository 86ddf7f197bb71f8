#include "tests/fakes/FakeCharTypes.h"

namespace mirevo::testing_support {

std::optional<std::vector<std::uint16_t>> FakeCharTypes::CharTypes3(std::string_view text) {
    asked.emplace_back(text);
    return answer;
}

}  // namespace mirevo::testing_support
