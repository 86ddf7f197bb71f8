#include <gtest/gtest.h>

#include "BuildConfig.h"
#include "linkgen/InputChecks.h"

namespace mirevo {
namespace {

const std::string A = config::MerchantDomainA;
const std::string B = config::MerchantDomainB;

struct CheckCase {
    const char* name;
    std::string text;
    bool url;    // UrlAcceptable
    bool image;  // ImageUrlAcceptable
};

class InputChecksTest : public testing::TestWithParam<CheckCase> {};

TEST_P(InputChecksTest, MarksMerchantAddresses) {
    const auto& c = GetParam();
    EXPECT_EQ(UrlAcceptable(c.text), c.url) << c.text;
    EXPECT_EQ(ImageUrlAcceptable(c.text), c.image) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InputChecksTest,
    testing::Values(CheckCase{"PageOnDomainA", "http://item." + A + "/shop/1/", true, false},
                    CheckCase{"PageOnDomainB", "http://www." + B + "/", true, false},
                    CheckCase{"Https", "https://item." + A + "/", false, false},
                    CheckCase{"UpperCaseScheme", "HTTP://item." + A + "/", false, false},
                    CheckCase{"LeadingSpace", " http://item." + A + "/", false, false},
                    CheckCase{"DomainOnlyInQuery", "http://other.example/?u=" + A, true, false},
                    CheckCase{"OtherDomain", "http://other.example/a.jpg", false, false},
                    CheckCase{"SchemeOnly", "http://", false, false},
                    CheckCase{"Empty", "", false, false},
                    CheckCase{"DomainBehindTrailByte", "http://\x83" + A, false, false},
                    CheckCase{"Jpg", "http://image." + A + "/a.jpg", true, true},
                    CheckCase{"Jpeg", "http://image." + A + "/a.jpeg", true, true},
                    CheckCase{"Gif", "http://image." + B + "/a.gif", true, true},
                    CheckCase{"PngInTheMiddle", "http://image." + A + "/a.png?size=2", true, true},
                    CheckCase{"ExtensionInHost", "http://x.gif." + A + "/", true, true},
                    CheckCase{"UpperCaseExtension", "http://image." + A + "/a.JPG", true, false},
                    CheckCase{"ExtensionWithoutDot", "http://image." + A + "/ajpg", true, false}),
    [](const auto& info) { return info.param.name; });

TEST(LinkTextAcceptable, AnyCharacterIsEnough) {
    EXPECT_FALSE(LinkTextAcceptable(""));
    EXPECT_TRUE(LinkTextAcceptable(" "));
    EXPECT_TRUE(LinkTextAcceptable("\x93\xFA"));
}

}  // namespace
}  // namespace mirevo
