// A headless main window over fakes, with its settings file in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "BuildConfig.h"
#include "app/MainForm.h"
#include "platform/Clock.h"
#include "platform/portable/PortableFileReader.h"
#include "platform/portable/PortableHistoryFile.h"
#include "platform/portable/PortableProfileWriter.h"
#include "platform/portable/CharTypes.h"
#include "tests/fakes/FakeClipboardFormats.h"
#include "tests/fakes/FakeClipboardWatch.h"
#include "tests/fakes/FakeTextDrops.h"
#include "tests/fakes/FakeUi.h"
#include "tests/fakes/FakeVersionResource.h"
#include "tests/fakes/RecordingSurface.h"
#include "textview/FontsInfoManager.h"
#include "tests/fakes/TempDir.h"
#include "ui/Application.h"

namespace mirevo::testing_support {

class FixedClock final : public IClock {
public:
    std::uint64_t Count() override { return ++count; }
    TLocalTime LocalTime() override { return now; }
    std::uint64_t count = 12345;
    TLocalTime now{2026, 12, 8, 9, 5, 7};
};

class MainFormTest : public ::testing::Test {
public:
    // Addresses the field checks take; public for tables built outside a test.
    static std::string PageUrl() {
        return std::string("http://item.") + config::MerchantDomainA + "/shop/item-1/";
    }
    static std::string ImageUrl() {
        return std::string("http://image.") + config::MerchantDomainB + "/shop/cabinet/a.jpg";
    }

protected:
    MainFormTest() {
        host_.exeName = dir_.File("Mirevo.exe");
        application_.SetTitle("Mirevo");
        // The bitmaps the result view loads.
        resources_.AddBitmapResource("TextViewWrapped", {15, 14});
        resources_.AddBitmapResource("TextViewInternalImages", {110, 14});
    }

    // Writes the settings file, then creates the window (which reads it).
    TMainForm& Create(const std::string& ini = "") {
        if (!ini.empty()) dir_.Write("Mirevo.ini", ini);
        form_ = std::make_unique<TMainForm>(
            application_,
            TMainFormServices{clipboard_, files_, writer_, clock_, dragDrop_, versions_, shell_,
                              fonts_, clipboardFormats_, charTypes_, clipboardWatch_,
                              historyFiles_},
            settings_);
        return *form_;
    }
    // Drops text the way the platform would, through the registered drop target.
    void Drop(const std::string& text) {
        dragDrop_.registered->BeforeDrop();
        dragDrop_.registered->Dropped(text);
    }
    std::string IniText() const { return dir_.Read("Mirevo.ini"); }

    static constexpr const char* kIdentifiers =
        "[Options]\r\na8matEsy=ESY\r\na8matTxt=TXT\r\na8matImg=IMG\r\n";

    TempDir dir_;
    FakeHost host_;
    FakeDialogs dialogs_;
    FakeClipboard clipboard_;
    PortableFileReader files_;
    PortableHistoryFiles historyFiles_;
    PortableProfileWriter writer_;
    FixedClock clock_;
    FakeTextDrops dragDrop_;
    FakeShell shell_;
    RecordingResources resources_;
    TFontsInfoManager fonts_{resources_};
    FakeClipboardFormats clipboardFormats_;
    PortableCharTypes charTypes_;
    FakeClipboardWatch clipboardWatch_;
    FakeVersionResource versions_{
        "C:\\Mirevo\\Mirevo.exe",
        BuildVersionBlock(StandardVersionInfo("041103A4",
                                              {{"FileVersion", "1.3.1.0"},
                                               {"LegalCopyright", "Copyright (C) 2026 Mirevo"}},
                                              {{0x0411, 932}}),
                          VersionBlock::Layout::Wide)};
    TApplication application_{host_, dialogs_};
    SessionSettings settings_;
    std::unique_ptr<TMainForm> form_;
};

}  // namespace mirevo::testing_support
