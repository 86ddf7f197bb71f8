// Message boxes and the save dialog on Windows.
#pragma once

#include "platform/Dialogs.h"

namespace mirevo {

class Win32Dialogs final : public IDialogs {
public:
    std::int32_t ShowMessageBox(const std::string& text, const std::string& caption,
                                std::uint32_t flags) override;
    void MessageDialog(const std::string& text, const std::string& caption) override;
    std::optional<std::string> AskSaveFileName(const TSaveFileQuestion& question) override;
};

}  // namespace mirevo
