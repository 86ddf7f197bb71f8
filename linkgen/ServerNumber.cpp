#include "linkgen/ServerNumber.h"

#include <random>

namespace mirevo {

std::int32_t DrawServerNumber(std::uint64_t seed) {
    std::mt19937_64 generator(seed);
    return std::uniform_int_distribution<std::int32_t>(kFirstServerNumber,
                                                       kLastServerNumber)(generator);
}

}  // namespace mirevo
