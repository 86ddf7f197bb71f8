// The pieces an affiliate link code is joined from, and the placeholders inside them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/ServiceAddresses.h"

namespace mirevo {

inline constexpr std::string_view kPlaceholderA8mat = "[[a8mat]]";       // every occurrence
inline constexpr std::string_view kPlaceholderUrl = "[[RakutenUrl]]";    // first only
inline constexpr std::string_view kPlaceholderText = "[[RakutenTxt]]";   // first only
inline constexpr std::string_view kPlaceholderImage = "[[RakutenImg]]";  // first only

inline constexpr std::string_view kLineBreak = "\r\n";
inline constexpr std::string_view kBreakTag = "<br />\r\n";

// Built afresh for every run, with the service's click host and pixel domain, over http or,
// with https on, over https.
struct LinkTemplates {
    std::string clickUrl;    // the bare click address
    std::string anchorOpen;  // <a href="click address" target="_blank">
    std::string textClose;   // link text and </a>
    std::string imageClose;  // <img ... src="image URL"></a>
    std::string pixel;       // the impression pixel on server www<serverNumber>
};

LinkTemplates MakeLinkTemplates(std::int32_t serverNumber, bool https,
                                const ServiceAddresses& service);

}  // namespace mirevo
