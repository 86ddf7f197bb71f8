// TApplication: the program's title, its main form, the message loop and the top-level error
// box that shows an exception's message and lets the program go on.
#pragma once

#include <exception>
#include <stdexcept>
#include <string>

#include "platform/ApplicationHost.h"
#include "platform/Dialogs.h"
#include "ui/Object.h"

namespace mirevo {

class TForm;

class TApplication : public TObject {
public:
    TApplication(IApplicationHost& host, IDialogs& dialogs) : host_(host), dialogs_(dialogs) {
        host_.SetApplication(*this);
    }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    std::string ExeName() const { return host_.ExeName(); }
    IApplicationHost& Host() { return host_; }
    IDialogs& Dialogs() { return dialogs_; }

    // Realizes and shows the main form, then runs the message loop until it closes.
    void Run(TForm& mainForm);
    TForm* MainForm() const { return mainForm_; }

    // A modal message box with the application title as caption.
    std::int32_t ShowMessageBox(const std::string& text, std::uint32_t flags);
    // The plain message dialog with the application title as caption.
    void MessageDialog(const std::string& text);
    // The error box: the message with "." appended when it ends in a character above ".",
    // the application title as caption, the error icon.
    void ShowException(const std::exception& error);

    // Runs an event handler; an exception it raises is shown in the error box.
    template <typename Handler>
    void Guard(Handler&& handler) noexcept {
        try {
            handler();
        } catch (const std::exception& error) {
            ShowException(error);
        } catch (...) {
            ShowException(std::runtime_error("Unknown error"));
        }
    }

private:
    IApplicationHost& host_;
    IDialogs& dialogs_;
    std::string title_;
    TForm* mainForm_ = nullptr;
};

// The text of the error box for an exception message.
std::string ErrorBoxText(const std::string& message);

}  // namespace mirevo
