#include "linkgen/LinkTemplates.h"

namespace mirevo {

LinkTemplates MakeLinkTemplates(std::int32_t serverNumber, bool https,
                                const ServiceAddresses& service) {
    const std::string scheme = https ? "https://" : "http://";
    const std::string clickUrl =
        scheme + service.clickHost + "/svt/ejp?a8mat=[[a8mat]]&a8ejpredirect=[[RakutenUrl]]";
    return {
        clickUrl,
        "<a href=\"" + clickUrl + "\" target=\"_blank\">",
        "[[RakutenTxt]]</a>",
        "<img border=\"0\" alt=\"\" src=\"[[RakutenImg]]\"></a>",
        "<img border=\"0\" width=\"1\" height=\"1\" src=\"" + scheme + "www" +
            std::to_string(serverNumber) + "." + service.pixelDomain +
            "/0.gif?a8mat=[[a8mat]]\" alt=\"\">",
    };
}

}  // namespace mirevo
