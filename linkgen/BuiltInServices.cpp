#include "linkgen/BuiltInServices.h"

#include "BuildConfig.h"

namespace mirevo {

ServiceAddresses BuiltInServiceAddresses() {
    return {config::ClickHost, config::PixelDomain, config::MerchantDomainA,
            config::MerchantDomainB, config::HomePage};
}

}  // namespace mirevo
