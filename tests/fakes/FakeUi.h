// Recording fakes of the ui ports: message boxes, the application host and the clipboard.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/Shell.h"
#include "platform/ApplicationHost.h"
#include "platform/Dialogs.h"

namespace mirevo::testing_support {

struct ShownMessage {
    std::string text;
    std::string caption;
    std::uint32_t flags = 0;
    bool plainDialog = false;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class FakeDialogs final : public IDialogs {
public:
    std::int32_t ShowMessageBox(const std::string& text, const std::string& caption,
                                std::uint32_t flags) override {
        shown.push_back({text, caption, flags, false});
        return answer;
    }
    void MessageDialog(const std::string& text, const std::string& caption) override {
        shown.push_back({text, caption, 0, true});
    }
    std::optional<std::string> AskSaveFileName(const TSaveFileQuestion& question) override {
        asked.push_back(question);
        return savePath;
    }
    std::vector<ShownMessage> shown;
    std::int32_t answer = 1;  // the button every message box returns
    std::vector<TSaveFileQuestion> asked;
    std::optional<std::string> savePath;  // what every save dialog returns
};

// A host without windows: forms run headless; a modal form runs the test's callback.
class FakeHost final : public IApplicationHost {
public:
    void SetApplication(TApplication&) override {}
    void Realize(TForm&) override {}
    void Show(TForm&) override {}
    void RunMessageLoop(TForm&) override {}
    void RunModal(TForm& form) override {
        if (onModal) onModal(form);
    }
    void Unrealize(TForm&) override {}
    std::string ExeName() const override { return exeName; }

    std::string exeName = "C:\\Mirevo\\Mirevo.exe";
    std::function<void(TForm&)> onModal;
};

class FakeClipboard final : public IClipboard {
public:
    void SetText(const std::string& value) override {
        if (failing) throw EClipboardException();
        text = value;
        ++writes;
    }
    std::string GetText() override {
        if (failing) throw EClipboardException();
        return text;
    }
    bool HasText() override { return !text.empty(); }

    std::string text;
    int writes = 0;
    bool failing = false;
};

class FakeShell final : public IShell {
public:
    void Open(std::uintptr_t parentWindow, const std::string& target) override {
        opened.push_back({parentWindow, target});
    }
    std::vector<std::pair<std::uintptr_t, std::string>> opened;
};

}  // namespace mirevo::testing_support
