// A headless main window over fakes, with its settings file in a temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "BuildConfig.h"
#include "app/MainForm.h"
#include "platform/Clock.h"
#include "platform/portable/PortableFileReader.h"
#include "platform/portable/PortableProfileWriter.h"
#include "platform/portable/CharTypes.h"
#include "tests/fakes/FakeClipboardFormats.h"
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
    std::uint64_t count = 12345;
};

class MainFormTest : public ::testing::Test {
protected:
    MainFormTest() {
        host.exeName = dir.File("Mirevo.exe");
        application.SetTitle("Mirevo");
        // The bitmaps the result view loads.
        resources.AddBitmapResource("TextViewWrapped", {15, 14});
        resources.AddBitmapResource("TextViewInternalImages", {110, 14});
    }

    // Writes the settings file, then creates the window (which reads it).
    TMainForm& Create(const std::string& ini = "") {
        if (!ini.empty()) dir.Write("Mirevo.ini", ini);
        form = std::make_unique<TMainForm>(
            application,
            TMainFormServices{clipboard, files, writer, clock, dragDrop, versions, shell, fonts,
                              clipboardFormats, charTypes},
            settings);
        return *form;
    }
    // Drops text the way the platform would, through the registered drop target.
    void Drop(const std::string& text) {
        dragDrop.registered->BeforeDrop();
        dragDrop.registered->Dropped(text);
    }
    std::string IniText() const { return dir.Read("Mirevo.ini"); }

    static std::string PageUrl() {
        return std::string("http://item.") + config::MerchantDomainA + "/shop/item-1/";
    }
    static std::string ImageUrl() {
        return std::string("http://image.") + config::MerchantDomainB + "/shop/cabinet/a.jpg";
    }
    static constexpr const char* kIdentifiers =
        "[Options]\r\na8matEsy=ESY\r\na8matTxt=TXT\r\na8matImg=IMG\r\n";

    TempDir dir;
    FakeHost host;
    FakeDialogs dialogs;
    FakeClipboard clipboard;
    PortableFileReader files;
    PortableProfileWriter writer;
    FixedClock clock;
    FakeTextDrops dragDrop;
    FakeShell shell;
    RecordingResources resources;
    TFontsInfoManager fonts{resources};
    FakeClipboardFormats clipboardFormats;
    PortableCharTypes charTypes;
    FakeVersionResource versions{
        "C:\\Mirevo\\Mirevo.exe",
        BuildVersionBlock(StandardVersionInfo("041103A4",
                                              {{"FileVersion", "1.3.1.0"},
                                               {"LegalCopyright", "Copyright (C) 2026 Mirevo"}},
                                              {{0x0411, 932}}),
                          VersionBlock::Layout::Wide)};
    TApplication application{host, dialogs};
    SessionSettings settings;
    std::unique_ptr<TMainForm> form;
};

}  // namespace mirevo::testing_support
