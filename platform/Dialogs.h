// Port: the platform's modal message boxes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace mirevo {

// Flags of a message box, as the platform numbers them.
inline constexpr std::uint32_t kMbOk = 0;
inline constexpr std::uint32_t kMbYesNo = 4;
inline constexpr std::uint32_t kMbIconQuestion = 32;
inline constexpr std::uint32_t kMbIconError = 16;
inline constexpr std::uint32_t kMbIconExclamation = 48;
inline constexpr std::uint32_t kMbIconInformation = 64;
inline constexpr std::uint32_t kMbDefButton2 = 256;
// The button a message box returns for "yes".
inline constexpr std::int32_t kIdYes = 6;

// What a save dialog offers: its caption, the name it suggests, and the one kind of file it
// lists (a description and an extension without the dot, added when the user types none).
struct TSaveFileQuestion {
    std::string caption;
    std::string suggestedName;
    std::string kindDescription;
    std::string extension;
};

class IDialogs {
public:
    virtual ~IDialogs() = default;
    // A modal message box owned by the active window; returns the button pressed.
    virtual std::int32_t ShowMessageBox(const std::string& text, const std::string& caption,
                                        std::uint32_t flags) = 0;
    // The toolkit's plain message dialog: one OK button, no icon, centred on the screen.
    virtual void MessageDialog(const std::string& text, const std::string& caption) = 0;
    // The platform's save dialog owned by the active window, which asks before a file is
    // overwritten; the chosen path, or nothing when the user cancels.
    virtual std::optional<std::string> AskSaveFileName(const TSaveFileQuestion& question) = 0;
};

}  // namespace mirevo
