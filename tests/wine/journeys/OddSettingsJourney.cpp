// Starting with a settings file that holds odd or hostile bytes, or that cannot be read or
// written: the program starts, shows what it can, says what went wrong, and loses nothing.
#include <algorithm>
#include <string>
#include <vector>

#include "tests/wine/journeys/Journey.h"

namespace mirevo::journeys {
namespace {

class OddSettings : public Journey {
protected:
    // Opens the settings dialog from the file menu.
    HWND OpenSettings() {
        SetForegroundWindow(Program().Main());
        Click(ClientPoint(Control("ActionMainMenuBar1"), kFileMenu.x, kFileMenu.y));
        if (!Program().WaitForWindow("#32768")) return nullptr;
        Tap(VK_DOWN);
        Tap(VK_DOWN);
        Tap(VK_RETURN);
        return Program().WaitForWindow("MirevoForm", "設定");
    }
    // The text of the message box that appears, which is then closed by Enter.
    std::string AnswerMessageBox() {
        HWND box = Program().WaitForWindow("#32770");
        if (!box) return "(no message box)";
        const std::string text = MessageText(box);
        Shot("message");
        SetForegroundWindow(box);
        Tap(VK_RETURN);
        WaitFor([&] { return !IsWindow(box); });
        return text;
    }
};

TEST_F(OddSettings, AValueEndingInALoneLeadByteShowsAndSavesOnlyItsWholeCharacters) {
    const std::string longValue(3000, 'X');
    folder_.WriteIni("[Options]\r\na8matEsy=\x82\xA0\x82\xA2\x81\r\na8matTxt=T\x81\r\na8matImg=" +
                     longValue + "\r\n");
    Start();
    HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(ControlOf(dialog, "EditA8matEsy")), "\x82\xA0\x82\xA2");
    EXPECT_EQ(TextOf(ControlOf(dialog, "EditA8matTxt")), "T");
    EXPECT_EQ(TextOf(ControlOf(dialog, "EditA8matImg")), longValue);
    Shot("settings");
    Tap(VK_RETURN);  // OK is the default button
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    const std::string ini = folder_.ReadIni();
    EXPECT_NE(ini.find("a8matEsy=\x82\xA0\x82\xA2\r\n"), std::string::npos) << ini.substr(0, 80);
    EXPECT_NE(ini.find("a8matImg=" + longValue + "\r\n"), std::string::npos);
    ASSERT_TRUE(Quit());
}

TEST_F(OddSettings, HostileContentsNeverStopTheStart) {
    std::string random;
    unsigned seed = 12345;
    for (int i = 0; i < 4000; ++i) {
        seed = seed * 1103515245 + 12345;
        random += static_cast<char>(seed >> 16);
    }
    const std::string files[] = {
        std::string("[Form]\r\nTop=1\0\r\nLeft=2\r\n[Options]\r\na8matEsy=A\0B\r\n", 40),
        "\xEF\xBB\xBF[Form]\r\nWidth=600\r\n[Options]\r\na8matTxt=\x81\r\n",
        "[Options]\r\na8matEsy=" + std::string(1 << 20, '\x82') + "\r\n",
        "[Form\x81]\r\nPage=\x81\r\nTop=\xFF\xFF\r\n[\x81\r\n=\x81\r\n\x81=\r\n",
        "[Form]\rTop=-1\n\rLeft=-2147483648\r\nPage=2147483647\r\nWidth=0x\r\n",
        random,
    };
    for (const std::string& file : files) {
        folder_.WriteIni(file);
        Start();
        EXPECT_TRUE(Program().Running());
        HWND dialog = OpenSettings();
        ASSERT_NE(dialog, nullptr) << file.substr(0, 40);
        SetForegroundWindow(dialog);
        Tap(VK_ESCAPE);
        Click(CentreOf(ControlOf(dialog, "btnCancel")));
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
        ASSERT_TRUE(Quit());
    }
}

TEST_F(OddSettings, AFileThatCannotBeReadIsReportedInTheSystemsWords) {
    std::filesystem::create_directory(folder_.Ini());  // a folder where the file should be
    Start();
    const std::string text = AnswerMessageBox();
    EXPECT_NE(text.find("は開けません"), std::string::npos) << text;
    EXPECT_EQ(text.find("Permission denied"), std::string::npos) << text;
    EXPECT_TRUE(Program().Running());
    Shot("started-after-the-error");
    std::filesystem::remove(folder_.Ini());

    folder_.WriteIni("[Options]\r\na8matEsy=E1\r\n");
    HANDLE held = CreateFileA(folder_.Ini().string().c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Quit();
    Start();
    const std::string locked = AnswerMessageBox();
    EXPECT_NE(locked.find("は開けません"), std::string::npos) << locked;
    CloseHandle(held);
}

TEST_F(OddSettings, AServiceValueThatIsNoAddressIsRefusedAtStartAndTheOthersAreUsed) {
    folder_.WriteIni(
        "[Options]\r\na8matEsy=E\r\n[Service]\r\nClickHost=click.real.example\r\n"
        "PixelDomain=\"><script>\r\n");
    Start();
    const std::string text = AnswerMessageBox();
    EXPECT_NE(text.find("PixelDomain"), std::string::npos) << text;
    EXPECT_EQ(text.find("ClickHost"), std::string::npos) << text;
    ClickControl("EditUrl1");
    TypeAscii(PageUrl());
    Chord({VK_CONTROL, VK_RETURN});
    std::string code;
    ASSERT_TRUE(WaitFor([&] { return !(code = TextOf(Control("TextMemo1"))).empty(); }));
    EXPECT_EQ(code.rfind("http://click.real.example/svt/ejp?a8mat=E&", 0), 0u) << code;
    Shot("code-with-the-files-click-host");
    ASSERT_TRUE(Quit());
}

TEST_F(OddSettings, AReadOnlyFileIsReportedAtOkAndAtCloseAndKeepsWhatWasTyped) {
    const std::string original = "[Options]\r\na8matEsy=OLD\r\n";
    folder_.WriteIni(original);
    SetUnwritable(folder_.Ini(), true);
    Start();
    HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr);
    Click(ClientPoint(ControlOf(dialog, "EditA8matEsy"), 5, 5));
    Chord({VK_CONTROL, 'A'});
    TypeAscii("NEW");
    Tap(VK_RETURN);
    const std::string text = AnswerMessageBox();
    EXPECT_NE(text.find("に書き込めません"), std::string::npos) << text;
    ASSERT_TRUE(IsWindow(dialog)) << "the dialog closed and lost what was typed";
    EXPECT_EQ(TextOf(ControlOf(dialog, "EditA8matEsy")), "NEW");
    Shot("still-open-after-the-error");
    SetUnwritable(folder_.Ini(), false);
    SetForegroundWindow(dialog);
    Click(CentreOf(ControlOf(dialog, "btnOK")));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_NE(folder_.ReadIni().find("a8matEsy=NEW"), std::string::npos) << folder_.ReadIni();

    SetUnwritable(folder_.Ini(), true);
    const std::string before = folder_.ReadIni();
    SetForegroundWindow(Program().Main());
    Chord({VK_MENU, VK_F4});
    const std::string atClose = AnswerMessageBox();
    EXPECT_NE(atClose.find("に書き込めません"), std::string::npos) << atClose;
    EXPECT_TRUE(Program().WaitForExit());
    EXPECT_EQ(folder_.ReadIni(), before);
    SetUnwritable(folder_.Ini(), false);
}

// The ways the settings file fails a user: the program reads what it can at the start, and a
// write at OK in the settings dialog or at close that cannot be made is reported, leaves the
// file exactly as it was and no stray file beside it; the dialog stays open with what was
// typed, and the window still closes. Reading a locked file or a folder at the start, and the
// read-only file at OK and at close, are journeys of their own above.
enum class SettingsFault : std::uint8_t {
    ReadOnlyFile,
    ReadOnlyFolder,
    ReadOnlyFolderWithoutFile,
    HeldWithoutSharing,
    FullDisk,
    FolderInItsPlace,
};

struct FaultCase {
    const char* name;
    SettingsFault fault;
    bool fromStart;  // in place before the start, which then reads under it
    bool writes;     // OK and close are tried under it
};

// Name, fault, in place before the start, tried at OK and at close.
const FaultCase kFaultCases[] = {
    {"ReadOnlyFile", SettingsFault::ReadOnlyFile, true, false},
    {"ReadOnlyFolder", SettingsFault::ReadOnlyFolder, true, true},
    {"ReadOnlyFolderWithoutFile", SettingsFault::ReadOnlyFolderWithoutFile, true, true},
    {"HeldWithoutSharing", SettingsFault::HeldWithoutSharing, false, true},
    {"FullDisk", SettingsFault::FullDisk, true, true},
    {"FolderInItsPlace", SettingsFault::FolderInItsPlace, false, true},
};

// Nearly a page of a small file system long, so that a write that rewrote it in place
// would need a second page, which a full disk does not have.
std::string OriginalIni() {
    std::string ini = "[Form]\r\nWidth=500\r\n[Options]\r\na8matEsy=OLD\r\n";
    ini += "; " + std::string(4060 - ini.size() - 4, 'c') + "\r\n";
    return ini;
}

class SettingsFaults : public OddSettings, public ::testing::WithParamInterface<FaultCase> {
protected:
    void TearDown() override {
        if (held_ != INVALID_HANDLE_VALUE) CloseHandle(held_);
        if (mounted_) {
            // Lazily, since a program that failed the journey may still have files open there.
            RunUnixProgram("/usr/bin/umount", "-l \"" + UnixPathOf(folder_.Path()) + "\"");
        }
    }
    // Puts the program's folder on a file system of its own that the program just fits.
    bool MountSmallDisk() {
        const std::string path = UnixPathOf(folder_.Path());
        if (!RunUnixProgram("/usr/bin/mount",
                            "-t tmpfs -o size=9m mirevo-journey \"" + path + "\"") ||
            !WaitFor([&] { return !std::filesystem::exists(folder_.Exe()); })) {
            return false;
        }
        mounted_ = true;
        char exe[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, exe, MAX_PATH);
        std::filesystem::copy_file(std::filesystem::path(exe).parent_path() / "Mirevo.exe",
                                   folder_.Exe());
        return true;
    }
    // Writes a file until the disk takes no more.
    void FillDisk() {
        HANDLE filler = CreateFileA(Filler().string().c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(filler, INVALID_HANDLE_VALUE);
        const std::string block(4096, 'f');
        DWORD written = static_cast<DWORD>(block.size());
        while (written == block.size()) {
            if (!WriteFile(filler, block.data(), static_cast<DWORD>(block.size()), &written,
                           nullptr)) {
                break;
            }
        }
        CloseHandle(filler);
    }
    std::filesystem::path Filler() const { return folder_.Path() / "filler"; }

    void Apply(SettingsFault fault, bool on) {
        switch (fault) {
            case SettingsFault::ReadOnlyFile:
                SetUnwritable(folder_.Ini(), on);
                break;
            case SettingsFault::ReadOnlyFolder:
            case SettingsFault::ReadOnlyFolderWithoutFile:
                SetUnwritable(folder_.Path(), on);
                break;
            case SettingsFault::HeldWithoutSharing:
                if (on) {
                    held_ =
                        CreateFileA(folder_.Ini().string().c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
                    ASSERT_NE(held_, INVALID_HANDLE_VALUE);
                } else {
                    CloseHandle(held_);
                    held_ = INVALID_HANDLE_VALUE;
                }
                break;
            case SettingsFault::FullDisk:
                if (on) {
                    FillDisk();
                } else {
                    std::filesystem::remove(Filler());
                }
                break;
            case SettingsFault::FolderInItsPlace:
                if (on) {
                    std::filesystem::remove(folder_.Ini());
                    std::filesystem::create_directory(folder_.Ini());
                } else {
                    std::filesystem::remove(folder_.Ini());
                }
                break;
        }
    }
    // What lies where the settings file should be, and what else is in the folder.
    std::string IniState() const {
        if (std::filesystem::is_directory(folder_.Ini())) return "(a folder)";
        if (!std::filesystem::exists(folder_.Ini())) return "(nothing)";
        if (held_ == INVALID_HANDLE_VALUE) return folder_.ReadIni();
        // Only the handle that holds it can read it.
        std::string bytes(1 << 16, '\0');
        DWORD read = 0;
        SetFilePointer(held_, 0, nullptr, FILE_BEGIN);
        ReadFile(held_, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
        bytes.resize(read);
        return bytes;
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.Path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    HANDLE held_ = INVALID_HANDLE_VALUE;
    bool mounted_ = false;
};

TEST_P(SettingsFaults, AreReportedAndLeaveTheFileWholeAtStartOkAndClose) {
    const FaultCase& c = GetParam();
    if (c.fault == SettingsFault::FullDisk && !MountSmallDisk()) {
        GTEST_SKIP() << "no small file system could be mounted on the program's folder";
    }
    const bool withFile = c.fault != SettingsFault::ReadOnlyFolderWithoutFile;
    if (withFile) folder_.WriteIni(OriginalIni());
    std::string before;
    std::vector<std::string> entries;
    const auto applyFault = [&] {
        Apply(c.fault, true);
        before = IniState();
        entries = Entries();
    };
    if (c.fromStart) applyFault();
    Start();
    if (c.fromStart) {
        HWND box = Program().WaitForWindow("#32770", {}, std::chrono::milliseconds(1000));
        EXPECT_EQ(box, nullptr) << MessageText(box);
        const RECT r = ScreenRect(Program().Main());
        if (withFile) {
            EXPECT_EQ(r.right - r.left, 500) << "the file was not read";
        }
        Shot("started");
    }
    if (!c.writes) {
        Apply(c.fault, false);
        EXPECT_TRUE(Quit());
        return;
    }
    HWND dialog = OpenSettings();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(ControlOf(dialog, "EditA8matEsy")), withFile ? "OLD" : "");
    if (!c.fromStart) applyFault();
    const std::string typed = "NEW" + std::string(300, 'n');
    SetClipboardText(typed);
    Click(ClientPoint(ControlOf(dialog, "EditA8matEsy"), 5, 5));
    Chord({VK_CONTROL, 'A'});
    Chord({VK_CONTROL, 'V'});
    Tap(VK_RETURN);
    const std::string atOk = AnswerMessageBox();
    EXPECT_NE(atOk.find("\\Mirevo.ini に書き込めません"), std::string::npos) << atOk;
    ASSERT_TRUE(IsWindow(dialog)) << "the dialog closed and lost what was typed";
    EXPECT_EQ(TextOf(ControlOf(dialog, "EditA8matEsy")), typed);
    EXPECT_EQ(IniState(), before);
    EXPECT_EQ(Entries(), entries);
    SetForegroundWindow(dialog);
    Click(CentreOf(ControlOf(dialog, "btnCancel")));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));

    SetForegroundWindow(Program().Main());
    Chord({VK_MENU, VK_F4});
    const std::string atClose = AnswerMessageBox();
    EXPECT_NE(atClose.find("\\Mirevo.ini に書き込めません"), std::string::npos) << atClose;
    EXPECT_TRUE(Program().WaitForExit()) << "the window did not close";
    EXPECT_EQ(IniState(), before);
    EXPECT_EQ(Entries(), entries);
    Apply(c.fault, false);
}

INSTANTIATE_TEST_SUITE_P(, SettingsFaults, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace mirevo::journeys
