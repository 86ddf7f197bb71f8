// Port: what the application object needs of the platform's windowing.
#pragma once

#include <cstdint>
#include <string>

namespace mirevo {

class TApplication;
class TForm;

class IApplicationHost {
public:
    virtual ~IApplicationHost() = default;
    // The application whose error box reports what handlers raise; set by its constructor.
    virtual void SetApplication(TApplication& application) = 0;
    // Makes the native windows of a form and its controls and attaches their peers.
    virtual void Realize(TForm& form) = 0;
    // Shows a realized form.
    virtual void Show(TForm& form) = 0;
    // Runs the message loop until the main form is gone.
    virtual void RunMessageLoop(TForm& mainForm) = 0;
    // Shows a form modally and returns when its modal result is set or it is closed.
    virtual void RunModal(TForm& form) = 0;
    // Destroys the native windows of a form (its controls keep their state).
    virtual void Unrealize(TForm& form) = 0;
    // The full path of the running executable.
    virtual std::string ExeName() const = 0;
};

}  // namespace mirevo
