#include "ui/Application.h"

#include <stdexcept>

#include "common/Sjis.h"
#include "ui/Form.h"

namespace mirevo {

void TApplication::Run(TForm& mainForm) {
    mainForm_ = &mainForm;
    host_.Realize(mainForm);
    host_.Show(mainForm);
    host_.RunMessageLoop(mainForm);
    mainForm_ = nullptr;
}

std::int32_t TApplication::ShowMessageBox(const std::string& text, std::uint32_t flags) {
    return dialogs_.ShowMessageBox(text, title_, flags);
}

void TApplication::MessageDialog(const std::string& text) { dialogs_.MessageDialog(text, title_); }

void TApplication::ShowException(const std::exception& error) {
    try {
        dialogs_.ShowMessageBox(ErrorBoxText(error.what()), title_, kMbIconError);
    } catch (...) {
        // Nothing is left to report to.
    }
}

std::string ErrorBoxText(const std::string& message) {
    if (message.empty()) return message;
    // Compare the last character's first byte, so a double-byte ending counts as above ".".
    std::size_t last = message.size() - 1;
    if (last > 0 && ByteKindAt(message, last) == ByteKind::Trail) --last;
    return static_cast<unsigned char>(message[last]) > '.' ? message + "." : message;
}

}  // namespace mirevo
