// Port: the platform's modal message boxes.
#pragma once

#include <cstdint>
#include <string>

namespace mirevo {

// Flags of a message box, as the platform numbers them.
inline constexpr std::uint32_t kMbOk = 0;
inline constexpr std::uint32_t kMbIconError = 16;
inline constexpr std::uint32_t kMbIconExclamation = 48;
inline constexpr std::uint32_t kMbIconInformation = 64;

class IDialogs {
public:
    virtual ~IDialogs() = default;
    // A modal message box owned by the active window; returns the button pressed.
    virtual std::int32_t ShowMessageBox(const std::string& text, const std::string& caption,
                                        std::uint32_t flags) = 0;
    // The toolkit's plain message dialog: one OK button, no icon, centred on the screen.
    virtual void MessageDialog(const std::string& text, const std::string& caption) = 0;
};

}  // namespace mirevo
