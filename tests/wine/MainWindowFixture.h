// The real main window over the Windows platform, made and shown for a test, with helpers
// to pump its messages and press keys as the keyboard would.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/MainForm.h"
#include "platform/Clock.h"
#include "platform/win32/Win32CharTypes.h"
#include "platform/win32/Win32ClipboardWatch.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32ClipboardFormats.h"
#include "platform/win32/Win32TextDrops.h"
#include "platform/win32/Win32FileReader.h"
#include "platform/win32/Win32HistoryFile.h"
#include "platform/win32/Win32Host.h"
#include "platform/win32/Win32Surface.h"
#include "platform/win32/Win32ProfileWriter.h"
#include "platform/win32/Win32VersionResource.h"
#include "settings/SettingsFile.h"
#include "tests/fakes/FakeUi.h"
#include "textview/ClipboardBlock.h"
#include "textview/FontsInfoManager.h"
#include "ui/Application.h"

namespace mirevo::testing_support {

class CountingClock final : public IClock {
public:
    std::uint64_t Count() override { return ++count_; }
    TLocalTime LocalTime() override { return {2026, 12, 8, 9, 5, 7}; }

private:
    std::uint64_t count_ = 0;
};

inline HWND HandleOf(const TControl& control) {
    return reinterpret_cast<HWND>(control.Peer()->Handle());
}

inline std::string TextOf(HWND hwnd) {
    char buffer[4096] = {};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        application_.SetTitle("Mirevo");
        iniPath_ = SettingsFilePath(host_.ExeName());
        std::filesystem::remove(iniPath_);
    }
    void TearDown() override {
        form_.reset();
        std::filesystem::remove(iniPath_);
    }
    // The window as made, before it first shows.
    TMainForm& Make(const std::string& ini) {
        std::ofstream(iniPath_, std::ios::binary) << ini;
        form_ = std::make_unique<TMainForm>(
            application_,
            TMainFormServices{clipboard_, files_, writer_, clock_, dragDrop_, versions_, shell_,
                              fonts_, clipboardFormats_, charTypes_, clipboardWatch_,
                              historyFiles_},
            settings_);
        host_.Realize(*form_);
        return *form_;
    }
    TMainForm& Open(const std::string& ini) {
        Make(ini);
        host_.Show(*form_);
        Pump();
        return *form_;
    }
    void Pump() {
        for (int i = 0; i < 3; ++i) host_.ProcessPendingMessages();
    }
    // Presses a key with Ctrl held, as the keyboard would deliver it to the focused window.
    void PressWithCtrl(HWND target, WPARAM key) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        PostMessageA(target, WM_KEYDOWN, key, 1);
        Pump();
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }
    void Type(HWND target, const std::string& text) {
        for (const char c : text) PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), 1);
        Pump();
    }

    Win32Host host_;
    FakeDialogs dialogs_;
    Win32Clipboard clipboard_;
    Win32FileReader files_;
    Win32HistoryFiles historyFiles_;
    Win32ProfileWriter writer_;
    CountingClock clock_;
    Win32TextDrops dragDrop_;
    Win32VersionResource versions_;
    FakeShell shell_;
    Win32ClipboardFormats clipboardFormats_{kClipboardBlockFormatName};
    Win32CharTypes charTypes_;
    Win32ClipboardWatch clipboardWatch_;
    TFontsInfoManager fonts_{Win32DrawingResources()};
    TApplication application_{host_, dialogs_};
    SessionSettings settings_;
    std::unique_ptr<TMainForm> form_;
    std::string iniPath_;
};

}  // namespace mirevo::testing_support
