// The pieces an affiliate link code is joined from, and the placeholders inside them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace mirevo {

inline constexpr std::string_view PlaceholderA8mat = "[[a8mat]]";       // every occurrence
inline constexpr std::string_view PlaceholderUrl = "[[RakutenUrl]]";    // first only
inline constexpr std::string_view PlaceholderText = "[[RakutenTxt]]";   // first only
inline constexpr std::string_view PlaceholderImage = "[[RakutenImg]]";  // first only

inline constexpr std::string_view LineBreak = "\r\n";
inline constexpr std::string_view BreakTag = "<br />\r\n";

// Built afresh for every run, with ClickHost and PixelDomain of the build.
struct LinkTemplates {
    std::string clickUrl;    // the bare click address
    std::string anchorOpen;  // <a href="click address" target="_blank">
    std::string textClose;   // link text and </a>
    std::string imageClose;  // <img ... src="image URL"></a>
    std::string pixel;       // the impression pixel on server www<serverNumber>
};

LinkTemplates MakeLinkTemplates(std::int32_t serverNumber);

}  // namespace mirevo
