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
        application.SetTitle("Mirevo");
        iniPath = SettingsFilePath(host.ExeName());
        std::filesystem::remove(iniPath);
    }
    void TearDown() override {
        form.reset();
        std::filesystem::remove(iniPath);
    }
    TMainForm& Open(const std::string& ini) {
        std::ofstream(iniPath, std::ios::binary) << ini;
        form = std::make_unique<TMainForm>(
            application,
            TMainFormServices{clipboard, files, writer, clock, dragDrop, versions, shell, fonts,
                              clipboardFormats, charTypes, clipboardWatch},
            settings);
        host.Realize(*form);
        host.Show(*form);
        Pump();
        return *form;
    }
    void Pump() {
        for (int i = 0; i < 3; ++i) host.ProcessPendingMessages();
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

    Win32Host host;
    FakeDialogs dialogs;
    Win32Clipboard clipboard;
    Win32FileReader files;
    Win32ProfileWriter writer;
    CountingClock clock;
    Win32TextDrops dragDrop;
    Win32VersionResource versions;
    FakeShell shell;
    Win32ClipboardFormats clipboardFormats{kClipboardBlockFormatName};
    Win32CharTypes charTypes;
    Win32ClipboardWatch clipboardWatch;
    TFontsInfoManager fonts{Win32DrawingResources()};
    TApplication application{host, dialogs};
    SessionSettings settings;
    std::unique_ptr<TMainForm> form;
    std::string iniPath;
};

}  // namespace mirevo::testing_support
