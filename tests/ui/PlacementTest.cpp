// A stored window place that would leave the title bar out of reach is brought onto the
// nearest work area; any other place is kept as it is.
#include <gtest/gtest.h>

#include <limits>

#include "ui/Placement.h"

namespace mirevo {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
const TRect kScreen{0, 0, 1280, 1024};
const TRect kRightScreen{1280, 0, 3200, 1080};

struct PlacementCase {
    const char* what;
    TBounds stored;
    std::vector<TRect> areas;
    TBounds expected;
};

class ReachablePlaceCases : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(ReachablePlaceCases, BringsOnlyUnreachableTitleBarsBack) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(ReachablePlace(c.stored, c.areas), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Places, ReachablePlaceCases,
    ::testing::Values(
        PlacementCase{"designed place", {192, 111, 416, 360}, {kScreen}, {192, 111, 416, 360}},
        PlacementCase{
            "partly off the left edge", {-300, 100, 416, 360}, {kScreen}, {-300, 100, 416, 360}},
        PlacementCase{
            "grip just wide enough", {-376, 100, 416, 360}, {kScreen}, {-376, 100, 416, 360}},
        PlacementCase{"grip too narrow", {-377, 100, 416, 360}, {kScreen}, {0, 100, 416, 360}},
        PlacementCase{"far left", {-99999, 111, 416, 360}, {kScreen}, {0, 111, 416, 360}},
        PlacementCase{"far down", {192, 99999, 416, 360}, {kScreen}, {192, 664, 416, 360}},
        PlacementCase{
            "title bar above the top", {192, -40, 416, 360}, {kScreen}, {192, 0, 416, 360}},
        PlacementCase{
            "maximised frame overhang", {-4, -4, 1288, 1032}, {kScreen}, {-4, -4, 1288, 1032}},
        PlacementCase{"32-bit corners", {kMin, kMin, 416, 360}, {kScreen}, {0, 0, 416, 360}},
        PlacementCase{
            "huge width off screen", {kMax, 0, kMax, kMax}, {kScreen}, {0, 0, 1280, 1024}},
        PlacementCase{"on the second monitor",
                      {2000, 500, 416, 360},
                      {kScreen, kRightScreen},
                      {2000, 500, 416, 360}},
        PlacementCase{"monitor gone: nearest one",
                      {4000, 500, 416, 360},
                      {kScreen, kRightScreen},
                      {2784, 500, 416, 360}},
        PlacementCase{"no monitors known", {-99999, 0, 416, 360}, {}, {-99999, 0, 416, 360}}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& c : name) {
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        }
        return name;
    });

TEST(BoundsEdges, StayWithin32BitsForStoredExtremes) {
    EXPECT_EQ((TBounds{kMax, 0, kMax, 0}).Right(), kMax);
    EXPECT_EQ((TBounds{0, kMin, 0, -5}).Bottom(), kMin);
    EXPECT_EQ((TBounds{-10, 0, 30, 0}).Right(), 20);
}

}  // namespace
}  // namespace mirevo
