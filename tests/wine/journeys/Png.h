// Writes pictures as PNG files (uncompressed deflate blocks: the journeys' screenshots are
// looked at, not archived).
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace mirevo::journeys {

// A picture of width x height pixels, rows top to bottom, each pixel red, green, blue.
struct TPicture {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<std::uint8_t> Rgb;
};

// Returns false when the file cannot be written.
bool WritePng(const std::filesystem::path& path, const TPicture& picture);

}  // namespace mirevo::journeys
