// The settings dialog against real settings files in a temporary folder.
#include "settings/SettingDialog.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/portable/PortableFileReader.h"
#include "platform/portable/PortableProfileWriter.h"
#include "settings/MemIniFile.h"
#include "tests/fakes/FakeUi.h"
#include "tests/fakes/TempDir.h"
#include "ui/Application.h"

namespace mirevo::testing_support {
namespace {

class SettingDialogTest : public ::testing::Test {
protected:
    SettingDialogTest() { application_.SetTitle("Mirevo"); }

    // Opens the dialog; while it is shown, the test acts as the user.
    TModalResult Open(const std::function<void(TSettingDialog&)>& user) {
        host_.onModal = [&](TForm& form) { user(dynamic_cast<TSettingDialog&>(form)); };
        TSettingDialog dialog(application_, nullptr, files_, writer_, settings_, path_);
        return dialog.ShowModal();
    }
    struct Shown {
        std::string esy, txt, img;
        bool linefeed, autocopy, errorcheck;
        friend bool operator==(const Shown&, const Shown&) = default;
    };
    static Shown Read(const TSettingDialog& d) {
        return {d.EditA8matEsy.Text(), d.EditA8matTxt.Text(),        d.EditA8matImg.Text(),
                d.CheckBox1.Checked(), d.CheckBoxAutoCopy.Checked(), d.CheckBoxErrorChk.Checked()};
    }

    TempDir dir_;
    std::string path_ = dir_.File("Mirevo.ini");
    FakeHost host_;
    FakeDialogs dialogs_;
    PortableFileReader files_;
    PortableProfileWriter writer_;
    TApplication application_{host_, dialogs_};
    SessionSettings settings_{"old", "old", "old", false, false, false};
};

TEST_F(SettingDialogTest, WithoutFileOpensAsDesignedAndOkCreatesTheSixKeys) {
    const TModalResult result = Open([&](TSettingDialog& d) {
        EXPECT_EQ(Read(d), (Shown{"", "", "", false, false, true}));
        d.EditA8matEsy.SetText("  E1 \t");
        d.EditA8matTxt.SetText("T1");
        d.CheckBox1.SetChecked(true);
        d.btnOK.Click();
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(dir_.Read("Mirevo.ini"),
              "[Options]\r\na8matEsy=E1\r\na8matTxt=T1\r\na8matImg=\r\nlinefeed=1\r\n"
              "autocopy=0\r\nerrorcheck=1\r\n");
    EXPECT_EQ(settings_.a8matEsy, "E1");
    EXPECT_EQ(settings_.a8matTxt, "T1");
    EXPECT_EQ(settings_.a8matImg, "");
    EXPECT_TRUE(settings_.linefeed);
    EXPECT_FALSE(settings_.autocopy);
    EXPECT_TRUE(settings_.errorcheck);
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(SettingDialogTest, ShowsTheFileNotTheSessionSettings) {
    dir_.Write("Mirevo.ini", "[Options]\na8matImg=I9\nautocopy=1\nerrorcheck=0\n");
    Open([&](TSettingDialog& d) { EXPECT_EQ(Read(d), (Shown{"", "", "I9", false, true, false})); });
    EXPECT_EQ(settings_.a8matImg, "old");
}

TEST_F(SettingDialogTest, CancelAndTheCloseBoxChangeNothing) {
    const std::string before = "[Options]\r\na8matEsy=keep\r\n";
    dir_.Write("Mirevo.ini", before);
    const auto edit = [](TSettingDialog& d) {
        d.EditA8matEsy.SetText("changed");
        d.CheckBoxAutoCopy.SetChecked(true);
    };
    EXPECT_EQ(Open([&](TSettingDialog& d) {
                  edit(d);
                  d.btnCancel.Click();
              }),
              mrCancel);
    EXPECT_EQ(Open([&](TSettingDialog& d) {
                  edit(d);
                  d.Close();
              }),
              mrCancel);
    EXPECT_EQ(dir_.Read("Mirevo.ini"), before);
    EXPECT_EQ(settings_.a8matEsy, "old");
}

TEST_F(SettingDialogTest, UnreadableFileIsReportedAndTheDialogStillOpensAsDesigned) {
    std::filesystem::create_directory(path_);
    bool opened = false;
    Open([&](TSettingDialog& d) {
        opened = true;
        EXPECT_EQ(Read(d), (Shown{"", "", "", false, false, true}));
    });
    EXPECT_TRUE(opened);
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_NE(dialogs_.shown[0].text.find("は開けません"), std::string::npos);
}

TEST_F(SettingDialogTest, WriteFailureIsReportedAndKeepsTheDialogOpenWithWhatWasTyped) {
    path_ = dir_.File("missing/Mirevo.ini");
    const TModalResult result = Open([&](TSettingDialog& d) {
        d.EditA8matEsy.SetText("new");
        application_.Guard([&] { d.btnOK.Click(); });
        EXPECT_EQ(d.ModalResult(), mrNone);  // still open
        EXPECT_EQ(d.EditA8matEsy.Text(), "new");
        EXPECT_EQ(settings_.a8matEsy, "old");
        ASSERT_EQ(dialogs_.shown.size(), 1u);
        EXPECT_EQ(dialogs_.shown[0].text, path_ + " に書き込めません.");
        // Once the file can be written, OK again saves what was typed.
        std::filesystem::create_directory(dir_.File("missing"));
        application_.Guard([&] { d.btnOK.Click(); });
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(settings_.a8matEsy, "new");
    EXPECT_EQ(dialogs_.shown.size(), 1u);
}

TEST_F(SettingDialogTest, DesignedGeometryAndTabOrder) {
    Open([&](TSettingDialog& d) {
        EXPECT_EQ(d.Caption(), "設定");
        EXPECT_EQ(d.ClientSize(), (TSize{312, 363}));  // two rows more for the later options
        EXPECT_EQ(d.BorderStyle(), TBorderStyle::bsDialog);
        EXPECT_EQ(d.EditA8matTxt.EditLabel.Caption(), "a8mat（テキスト）：");
        EXPECT_EQ(d.CheckBoxAutoCopy.Bounds().Top, 21);
        EXPECT_EQ(d.CheckBoxErrorChk.Bounds().Top, 46);
        std::vector<std::string> order;
        for (const TControl* child : d.GroupBox3.Children()) order.push_back(child->Name());
        EXPECT_EQ(order, (std::vector<std::string>{"CheckBoxErrorChk", "CheckBoxAutoCopy",
                                                   "CheckBoxHttps", "CheckBoxClipWatch"}));
        EXPECT_EQ(d.CheckBoxHttps.Bounds().Top, 71);
        EXPECT_EQ(d.CheckBoxHttps.Caption(), "https で出力する");
        EXPECT_EQ(d.CheckBoxClipWatch.Bounds().Top, 96);
        EXPECT_EQ(d.CheckBoxClipWatch.Caption(), "コピーしたURLを自動で入力する");
        EXPECT_EQ(d.btnOK.Bounds().Top, 326);
        d.SetClientSize({412, 363});
        EXPECT_EQ(d.EditA8matImg.Bounds().Width, 279);
        EXPECT_EQ(d.btnCancel.Bounds().Left, 330);
    });
}

// The later options' keys are written once the user has chosen them, and from then on as
// they are chosen; a file that never had them keeps the six keys alone.
TEST_F(SettingDialogTest, TheLaterOptionsAreWrittenOnlyOnceChosen) {
    struct Option {
        const char* key;
        TCheckBox TSettingDialog::*box;
        std::optional<bool> SessionSettings::*value;
    };
    const Option options[] = {
        {"https", &TSettingDialog::CheckBoxHttps, &SessionSettings::https},
        {"clipwatch", &TSettingDialog::CheckBoxClipWatch, &SessionSettings::clipwatch}};
    struct Case {
        const char* file;
        bool shown;
        bool tick;
        const char* written;  // the option's line after OK, or "" for none; KEY is its key
        std::optional<bool> session;
    };
    const Case cases[] = {
        {"[Options]\r\nerrorcheck=1\r\n", false, false, "", std::nullopt},
        {"[Options]\r\nerrorcheck=1\r\n", false, true, "KEY=1\r\n", true},
        {"[Options]\r\nKEY=1\r\n", true, false, "KEY=0\r\n", false},
        {"[Options]\r\nKEY=0\r\n", false, false, "KEY=0\r\n", false},
        {"[Options]\r\nKEY=\r\n", false, false, "KEY=\r\n", std::nullopt},
        {"[Options]\r\nKEY=yes\r\n", false, true, "KEY=1\r\n", true},
    };
    for (const Option& option : options) {
        const auto named = [&](std::string text) {
            for (auto at = text.find("KEY"); at != std::string::npos; at = text.find("KEY"))
                text.replace(at, 3, option.key);
            return text;
        };
        for (const Case& c : cases) {
            const std::string file = named(c.file);
            dir_.Write("Mirevo.ini", file);
            Open([&](TSettingDialog& d) {
                EXPECT_EQ((d.*option.box).Checked(), c.shown) << file;
                (d.*option.box).SetChecked(c.tick);
                d.btnOK.Click();
            });
            const std::string text = dir_.Read("Mirevo.ini");
            const auto at = text.find(std::string(option.key) + "=");
            const std::string line =
                at == std::string::npos ? "" : text.substr(at, text.find("\r\n", at) + 2 - at);
            EXPECT_EQ(line, named(c.written)) << file;
            EXPECT_EQ(settings_.*option.value, c.session) << file;
        }
    }
}

}  // namespace
}  // namespace mirevo::testing_support
