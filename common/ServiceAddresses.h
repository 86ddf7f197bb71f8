// The outside services' addresses the program writes into codes and checks input against.
#pragma once

#include <string>

namespace mirevo {

struct ServiceAddresses {
    std::string clickHost;        // host of the click-redirect endpoint
    std::string pixelDomain;      // domain of the impression-pixel servers
    std::string merchantDomainA;  // the merchant's two domains that make an address acceptable
    std::string merchantDomainB;
    std::string homePage;  // shown and opened by the About box
    friend bool operator==(const ServiceAddresses&, const ServiceAddresses&) = default;
};

}  // namespace mirevo
