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
        form_.SetCaption("TextView");
        form_.SetBounds({40, 40, 460, 220});
        form_.SetClientSize({440, 180});
        view_.SetBounds({12, 12, 383, 120});
        ApplyResultViewDesign(view_);
    }
    ~TextViewWindowFixture() override { host_.Unrealize(form_); }

    // Shows the form and answers the view's window.
    HWND Open() {
        host_.Realize(form_);
        host_.Show(form_);
        Pump();
        return reinterpret_cast<HWND>(view_.Peer()->Handle());
    }
    void Pump() {
        for (int i = 0; i < 3; ++i) host_.ProcessPendingMessages();
    }

    Win32Host host_;
    FakeDialogs dialogs_;
    TApplication application_{host_, dialogs_};
    TForm form_{application_, "Form1"};
    Win32CharTypes charTypes_;
    TFontsInfoManager fonts_{Win32DrawingResources()};
    TTextView view_{&form_, "TextMemo1", fonts_, charTypes_};
};

}  // namespace mirevo::testing_support
