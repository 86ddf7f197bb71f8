// The messages with which code assembly refuses to build, and how each is shown.
#pragma once

#include <cstdint>
#include <string_view>

namespace mirevo {

enum class LinkMessage {
    M1,             // an a8mat identifier that the kind needs is empty
    M2,             // destination URL
    M3,             // destination URL and link text
    M4,             // link text
    M5,             // destination URL and image URL
    M6,             // image URL
    M7,             // destination URL, link text and image URL
    M8,             // link text and image URL
    InternalError,  // no tab is active
};

// The text, Shift-JIS.
std::string_view LinkMessageText(LinkMessage message);

enum class MessageChannel {
    WarningBox,   // modal message box, caption "Mirevo", flags kWarningBoxFlags
    PlainDialog,  // the framework's plain message dialog: OK only, no icon
};

// MB_OK | MB_ICONEXCLAMATION.
inline constexpr std::int32_t kWarningBoxFlags = 48;

// M1..M8 go to the warning box, the internal error to the plain dialog.
MessageChannel ChannelOf(LinkMessage message);

}  // namespace mirevo
