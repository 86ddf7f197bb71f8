// A text view with the result view's design in a form of its own, made into real windows
// for a test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "app/ResultViewDesign.h"
#include "platform/win32/Win32CharTypes.h"
#include "platform/win32/Win32Host.h"
#include "platform/win32/Win32Surface.h"
#include "tests/fakes/FakeUi.h"
#include "textview/FontsInfoManager.h"
#include "textview/TextView.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace mirevo::testing_support {

class TextViewWindowFixture : public ::testing::Test {
protected:
    TextViewWindowFixture() {
        form.SetCaption("TextView");
        form.SetBounds({40, 40, 460, 220});
        form.SetClientSize({440, 180});
        view.SetBounds({12, 12, 383, 120});
        ApplyResultViewDesign(view);
    }
    ~TextViewWindowFixture() override { host.Unrealize(form); }

    // Shows the form and answers the view's window.
    HWND Open() {
        host.Realize(form);
        host.Show(form);
        Pump();
        return reinterpret_cast<HWND>(view.Peer()->Handle());
    }
    void Pump() {
        for (int i = 0; i < 3; ++i) host.ProcessPendingMessages();
    }

    Win32Host host;
    FakeDialogs dialogs;
    TApplication application{host, dialogs};
    TForm form{application, "Form1"};
    Win32CharTypes charTypes;
    TFontsInfoManager fonts{Win32DrawingResources()};
    TTextView view{&form, "TextMemo1", fonts, charTypes};
};

}  // namespace mirevo::testing_support
