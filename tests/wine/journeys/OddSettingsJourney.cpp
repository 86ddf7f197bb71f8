// Starting with a settings file that holds odd or hostile bytes, or that cannot be read or
// written: the program starts, shows what it can, says what went wrong, and loses nothing.
#include <string>

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

}  // namespace
}  // namespace mirevo::journeys
