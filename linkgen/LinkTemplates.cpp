#include "linkgen/LinkTemplates.h"

#include "BuildConfig.h"

namespace mirevo {

LinkTemplates MakeLinkTemplates(std::int32_t serverNumber, bool https) {
    const std::string scheme = https ? "https://" : "http://";
    const std::string clickUrl =
        scheme + config::ClickHost + "/svt/ejp?a8mat=[[a8mat]]&a8ejpredirect=[[RakutenUrl]]";
    return {
        clickUrl,
        "<a href=\"" + clickUrl + "\" target=\"_blank\">",
        "[[RakutenTxt]]</a>",
        "<img border=\"0\" alt=\"\" src=\"[[RakutenImg]]\"></a>",
        "<img border=\"0\" width=\"1\" height=\"1\" src=\"" + scheme + "www" +
            std::to_string(serverNumber) + "." + config::PixelDomain +
            "/0.gif?a8mat=[[a8mat]]\" alt=\"\">",
    };
}

}  // namespace mirevo
