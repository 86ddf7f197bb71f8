#include "common/DpiScale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace mirevo {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(DpiScale, ScalesAndRoundsHalfAwayFromZero) {
    struct Case {
        std::int32_t Design;
        std::uint32_t Dpi;
        std::int32_t Device;
    };
    for (const Case& c : {Case{0, 144, 0},
                          {13, 96, 13},
                          {13, 120, 16},
                          {13, 144, 20},
                          {-13, 120, -16},
                          {-13, 144, -20},
                          {1, 144, 2},
                          {-1, 144, -2},
                          {3, 72, 2},
                          {500, 192, 1000},
                          {kMax, 192, kMax},
                          {kMin, 192, kMin},
                          {kMax, 96, kMax},
                          {7, 0, 7}}) {
        SCOPED_TRACE(testing::Message() << c.Design << " at " << c.Dpi);
        EXPECT_EQ(ToDevicePixels(c.Design, c.Dpi), c.Device);
    }
    EXPECT_EQ(ToDesignPixels(20, 144), 13);
    EXPECT_EQ(ToDesignPixels(-751, 144), -501);
    EXPECT_EQ(ToDesignPixels(5, 0), 5);
}

// What is laid out, shown and read back keeps its design size at every density.
TEST(DpiScale, DesignSizesSurviveTheRoundTrip) {
    for (const std::uint32_t dpi : {96u, 97u, 120u, 144u, 168u, 192u, 240u, 288u, 480u}) {
        for (std::int32_t design = -2000; design <= 12000; design += 7) {
            ASSERT_EQ(ToDesignPixels(ToDevicePixels(design, dpi), dpi), design) << dpi;
        }
    }
}

}  // namespace
}  // namespace mirevo
