#include "settings/ServiceOverride.h"

#include <gtest/gtest.h>

#include "settings/MemIniFile.h"

namespace mirevo {
namespace {

const ServiceAddresses kBuiltIn{"click.built.in", "pixel.built.in", "a.built.in", "b.built.in",
                                "http://home.built.in/"};

TEST(ServiceOverride, PlainValuesReplaceTheBuiltInOnesAndOthersAreRefusedByKey) {
    struct Case {
        const char* section;
        ServiceAddresses expected;
        std::vector<std::string> refused;
    };
    const Case cases[] = {
        {"", kBuiltIn, {}},
        {"ClickHost=\r\nHomePage=\r\n", kBuiltIn, {}},
        {"ClickHost=click.real.example\r\nPixelDomain=px.real.example\r\nMerchantDomainA=shop."
         "example.co.jp\r\nMerchantDomainB=Shop-2.example\r\nHomePage=https://real.example/m/\r\n",
         {"click.real.example", "px.real.example", "shop.example.co.jp", "Shop-2.example",
          "https://real.example/m/"},
         {}},
        {"ClickHost=click "
         "real\r\nPixelDomain=px/x\r\nMerchantDomainA=\"a\"\r\nMerchantDomainB=b\x01"
         "c\r\nHomePage=home.example\r\n",
         kBuiltIn,
         {"ClickHost", "PixelDomain", "MerchantDomainA", "MerchantDomainB", "HomePage"}},
        {"ClickHost=.dot\r\nPixelDomain=dash-\r\nMerchantDomainA=a..b\r\nMerchantDomainB=\x8a\x79"
         "\x93\x56.jp\r\nHomePage=http://\r\n",
         kBuiltIn,
         {"ClickHost", "PixelDomain", "MerchantDomainA", "MerchantDomainB", "HomePage"}},
        {"ClickHost=http://click.example\r\nHomePage=http://a b/\r\nPixelDomain=ok.example\r\n",
         {"click.built.in", "ok.example", "a.built.in", "b.built.in", "http://home.built.in/"},
         {"ClickHost", "HomePage"}},
        {"HomePage=https://x.example/<script>\r\n", kBuiltIn, {"HomePage"}},
    };
    for (const Case& c : cases) {
        const auto ini = TMemIniFile::FromText(std::string("[Service]\r\n") + c.section);
        const TServiceOverride result = ReadServiceOverride(ini, kBuiltIn);
        EXPECT_EQ(result.addresses, c.expected) << c.section;
        EXPECT_EQ(result.refusedKeys, c.refused) << c.section;
    }
}

TEST(ServiceOverride, HostNamesAtTheirEdges) {
    EXPECT_TRUE(IsPlainHostName(std::string(253, 'a')));
    EXPECT_FALSE(IsPlainHostName(std::string(254, 'a')));
    EXPECT_FALSE(IsPlainHostName(""));
    EXPECT_FALSE(IsPlainHostName(std::string("a\0b", 3)));
    EXPECT_TRUE(IsPlainWebAddress("http://a"));
    EXPECT_FALSE(IsPlainWebAddress("ftp://a"));
    EXPECT_FALSE(IsPlainWebAddress("http://a\x7f"));
    EXPECT_TRUE(IsPlainWebAddress("http://a/\x93\xFA\x96\x7B"));
    EXPECT_FALSE(IsPlainWebAddress("http://a/\x93\xFA\x96"));  // ends in a lone lead byte
}

TEST(ServiceOverride, TheMessageNamesTheFileAndTheRefusedKeys) {
    EXPECT_EQ(ServiceRefusalMessage("C:\\M\\Mirevo.ini", {"ClickHost", "HomePage"}),
              "ファイル \"C:\\M\\Mirevo.ini\" の [Service] の ClickHost、HomePage "
              "はアドレスとして使えない値なので、組み込みの値を使います。");
}

}  // namespace
}  // namespace mirevo
