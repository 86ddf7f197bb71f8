#include "linkgen/InputChecks.h"

#include "common/Sjis.h"
#include "linkgen/BuiltInServices.h"

namespace mirevo {

namespace {

bool FoundAfterFirstByte(std::string_view needle, std::string_view text) {
    return PosSjis(needle, text) > 1;
}

}  // namespace

bool UrlAcceptable(std::string_view text, const ServiceAddresses& service) {
    return PosSjis("http://", text) == 1 && (FoundAfterFirstByte(service.merchantDomainA, text) ||
                                             FoundAfterFirstByte(service.merchantDomainB, text));
}

bool UrlAcceptable(std::string_view text) { return UrlAcceptable(text, BuiltInServiceAddresses()); }

bool ImageUrlAcceptable(std::string_view text) {
    return ImageUrlAcceptable(text, BuiltInServiceAddresses());
}

bool ImageUrlAcceptable(std::string_view text, const ServiceAddresses& service) {
    if (!UrlAcceptable(text, service)) return false;
    for (const std::string_view extension : {".jpeg", ".jpg", ".gif", ".png"}) {
        if (FoundAfterFirstByte(extension, text)) return true;
    }
    return false;
}

bool LinkTextAcceptable(std::string_view text) { return !text.empty(); }

}  // namespace mirevo
