// The real settings dialog: its controls, tab order, and OK writing through the platform.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "tests/fakes/IniRead.h"
#include "platform/win32/Win32FileReader.h"
#include "platform/win32/Win32Host.h"
#include "platform/win32/Win32Peer.h"
#include "platform/win32/Win32ProfileWriter.h"
#include "settings/MemIniFile.h"
#include "settings/SettingDialog.h"
#include "tests/fakes/FakeUi.h"
#include "tests/wine/RunInLoop.h"

namespace mirevo::testing_support {
namespace {

HWND HandleOf(const TControl& control) { return reinterpret_cast<HWND>(control.Peer()->Handle()); }

class RealSettingDialog : public ::testing::Test {
protected:
    void SetUp() override {
        application_.SetTitle("Mirevo");
        std::filesystem::remove(path_);
    }
    void TearDown() override { std::filesystem::remove(path_); }

    TModalResult Show(std::function<void(TSettingDialog&)> user) {
        TSettingDialog dialog(application_, nullptr, files_, writer_, settings_, path_);
        RunInNextLoop([&] { user(dialog); });
        return dialog.ShowModal();
    }

    Win32Host host_;
    FakeDialogs dialogs_;
    Win32FileReader files_;
    Win32ProfileWriter writer_;
    TApplication application_{host_, dialogs_};
    SessionSettings settings_;
    std::string path_ = (std::filesystem::current_path() / "setting-dialog-test.ini").string();
};

TEST_F(RealSettingDialog, TabKeyVisitsTheControlsInTheirDesignedOrder) {
    std::vector<std::string> visited;
    Show([&](TSettingDialog& d) {
        HWND window = HandleOf(d);
        char caption[64] = {};
        GetWindowTextA(window, caption, sizeof caption);
        EXPECT_STREQ(caption, "設定");
        RECT client;
        GetClientRect(window, &client);
        EXPECT_EQ(client.right, 312);
        EXPECT_EQ(client.bottom, 363);  // two rows more for the later options
        HWND control = GetNextDlgTabItem(window, nullptr, FALSE);
        for (int i = 0; i < 10 && control; ++i) {
            const Win32Peer* peer = Win32Peer::Of(control);
            visited.push_back(peer ? peer->Control().Name() : "?");
            control = GetNextDlgTabItem(window, control, FALSE);
        }
        d.btnCancel.Click();
    });
    EXPECT_EQ(visited,
              (std::vector<std::string>{"EditA8matEsy", "EditA8matTxt", "EditA8matImg", "CheckBox1",
                                        "btnOK", "btnCancel", "CheckBoxErrorChk",
                                        "CheckBoxAutoCopy", "CheckBoxHttps", "CheckBoxClipWatch"}));
}

TEST_F(RealSettingDialog, OkWritesTheFileThroughTheProfileWriter) {
    const TModalResult result = Show([&](TSettingDialog& d) {
        SetWindowTextA(HandleOf(d.EditA8matTxt), " 識別子 ");
        SendMessageA(HandleOf(d.CheckBoxAutoCopy), BM_CLICK, 0, 0);
        SendMessageA(HandleOf(d.btnOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(result, mrOk);
    const TMemIniFile ini = ReadIni(path_);
    EXPECT_EQ(ini.ReadText("Options", "a8matTxt", "?"), "識別子");
    EXPECT_EQ(ini.ReadText("Options", "a8matEsy", "?"), "");
    EXPECT_TRUE(ini.ReadFlag("Options", "autocopy", false));
    EXPECT_TRUE(ini.ReadFlag("Options", "errorcheck", false));
    EXPECT_EQ(settings_.a8matTxt, "識別子");
    EXPECT_TRUE(settings_.autocopy);
}

TEST_F(RealSettingDialog, CloseBoxCancels) {
    const TModalResult result = Show([&](TSettingDialog& d) {
        SetWindowTextA(HandleOf(d.EditA8matEsy), "x");
        PostMessageA(HandleOf(d), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(std::filesystem::exists(path_));
}

}  // namespace
}  // namespace mirevo::testing_support
