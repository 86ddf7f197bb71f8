// Creation, closing, the link action and the settings file round trip of the main window.
#include "tests/fakes/IniRead.h"
#include "settings/MemIniFile.h"
#include "settings/SettingDialog.h"
#include "tests/app/MainFormFixture.h"

namespace mirevo::testing_support {
namespace {

using MainFormLifecycle = MainFormTest;

TEST_F(MainFormLifecycle, WithoutSettingsFileEverythingTakesItsDefault) {
    TMainForm& f = Create();
    EXPECT_EQ(f.Bounds(), (TBounds{192, 111, 416, 360}));
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), 0);
    EXPECT_EQ(settings_.a8matEsy, "");
    EXPECT_FALSE(settings_.linefeed);
    EXPECT_FALSE(settings_.autocopy);
    EXPECT_TRUE(settings_.errorcheck);
    EXPECT_EQ(f.TextMemo1.Text(), "");
    EXPECT_FALSE(f.ButtonCopyResult.Enabled());
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(MainFormLifecycle, RestoresTopLeftWidthAndPageButNeverHeight) {
    TMainForm& f = Create(
        "[Form]\r\nTop=150\r\nLeft=30\r\nHeight=500\r\nWidth=600\r\nPage=2\r\n"
        "[Options]\r\nlinefeed=1\r\nautocopy=5\r\nerrorcheck=0\r\na8matTxt=T1\r\n");
    EXPECT_EQ(f.Bounds(), (TBounds{30, 150, 600, 360}));
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), 2);
    EXPECT_EQ(settings_.a8matTxt, "T1");
    EXPECT_TRUE(settings_.linefeed);
    EXPECT_TRUE(settings_.autocopy);
    EXPECT_FALSE(settings_.errorcheck);
}

TEST_F(MainFormLifecycle, StoredPageOutsideTheTabsLeavesNoneActiveAndTheLinkSaysError) {
    TMainForm& f = Create(std::string("[Form]\r\nPage=9\r\n") + kIdentifiers);
    EXPECT_EQ(f.PageControl1.ActivePageIndex(), -1);
    f.ActionExec.Execute();
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0], (ShownMessage{"error", "Mirevo", 0, true}));
}

TEST_F(MainFormLifecycle, UnreadableSettingsFileIsReportedAndTheRunTakesTheDefaults) {
    std::filesystem::create_directory(dir_.Path() / "Mirevo.ini");
    TMainForm& f = Create();
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].flags, kMbIconError);
    EXPECT_NE(dialogs_.shown[0].text.find("は開けません"), std::string::npos);
    EXPECT_EQ(f.Bounds(), (TBounds{192, 111, 416, 360}));
    EXPECT_TRUE(settings_.errorcheck);  // the default, not the zeroed value
    EXPECT_FALSE(settings_.linefeed);
}

TEST_F(MainFormLifecycle, ClosingWritesThePlacementAndTab) {
    TMainForm& f = Create();
    f.SetBounds({10, 20, 500, 420});
    f.PageControl1.SetActivePageIndex(3);
    f.FileExit1.Execute();
    EXPECT_TRUE(f.Closed());
    const TMemIniFile ini = ReadIni(dir_.File("Mirevo.ini"));
    EXPECT_EQ(ini.ReadNumber("Form", "Top", 0), 20);
    EXPECT_EQ(ini.ReadNumber("Form", "Left", 0), 10);
    EXPECT_EQ(ini.ReadNumber("Form", "Height", 0), 420);
    EXPECT_EQ(ini.ReadNumber("Form", "Width", 0), 500);
    EXPECT_EQ(ini.ReadNumber("Form", "Page", 0), 3);
    EXPECT_EQ(IniText(), "[Form]\r\nTop=20\r\nLeft=10\r\nHeight=420\r\nWidth=500\r\nPage=3\r\n");
}

TEST_F(MainFormLifecycle, ClosingMaximisedOrMinimisedStoresWhereTheWindowReturnsTo) {
    for (const TWindowState state : {TWindowState::wsMaximized, TWindowState::wsMinimized}) {
        TMainForm& f = Create();
        f.NativePlacementChanged(state, {30, 40, 520, 380});
        f.NativeBoundsChanged({-4, -4, 1288, 1032}, {1280, 1000});
        f.Close();
        EXPECT_EQ(IniText(),
                  "[Form]\r\nTop=40\r\nLeft=30\r\nHeight=380\r\nWidth=520\r\nPage=0\r\n");
    }
}

TEST_F(MainFormLifecycle, ClosingWithNoTabStoresMinusOneAndTheNextStartKeepsHeight) {
    TMainForm& f = Create();
    f.PageControl1.SetActivePageIndex(-1);
    f.SetBounds({192, 111, 416, 500});
    f.Close();
    EXPECT_EQ(ReadIni(dir_.File("Mirevo.ini")).ReadNumber("Form", "Page", 0), -1);
    TMainForm& again = Create();
    EXPECT_EQ(again.Bounds().Height, 360);
}

TEST_F(MainFormLifecycle, UnwritableSettingsFileIsReportedAndTheWindowStillCloses) {
    host_.exeName = dir_.File("missing-folder/Mirevo.exe");
    TMainForm& f = Create();
    f.Close();
    EXPECT_TRUE(f.Closed());
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].text,
              dir_.File("missing-folder/Mirevo.ini") + " に書き込めません.");
    EXPECT_EQ(dialogs_.shown[0].flags, kMbIconError);
}

TEST_F(MainFormLifecycle, LinkActionReadsTheActiveTabAndShowsTheCode) {
    TMainForm& f = Create(kIdentifiers);
    f.EditUrl1.SetText(PageUrl());
    f.EditTxt2.SetText("本");
    f.PageControl1.SetActivePageIndex(1);
    EXPECT_TRUE(f.IsShortCut(ShortCut(vkReturn, scCtrl)));
    const std::string code = f.TextMemo1.Text();
    EXPECT_EQ(code.rfind("<a href=\"http://", 0), 0u) << code;
    EXPECT_NE(code.find("a8mat=TXT&a8ejpredirect=http%3A%2F%2Fitem."), std::string::npos) << code;
    EXPECT_NE(code.find("target=\"_blank\">本</a>"), std::string::npos) << code;
    EXPECT_TRUE(f.ButtonCopyResult.Enabled());
    EXPECT_TRUE(dialogs_.shown.empty());
    EXPECT_EQ(clipboard_.writes, 0);
}

TEST_F(MainFormLifecycle, RefusalsShowTheirMessageAndKeepTheResult) {
    TMainForm& f = Create(kIdentifiers);
    f.EditUrl1.SetText(PageUrl());
    f.ActionExec.Execute();
    const std::string code = f.TextMemo1.Text();
    f.PageControl1.SetActivePageIndex(2);
    f.ActionExec.Execute();  // no image URL
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0],
              (ShownMessage{"「掲載画像URL」 が正しく入力されていません。", "Mirevo", 48, false}));
    EXPECT_EQ(f.TextMemo1.Text(), code);
    EXPECT_TRUE(f.ButtonCopyResult.Enabled());
}

TEST_F(MainFormLifecycle, MissingIdentifierComesFirst) {
    TMainForm& f = Create("[Options]\r\na8matImg=IMG\r\n");
    f.PageControl1.SetActivePageIndex(2);
    f.ActionExec.Execute();
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].text, "「設定」 から 「a8mat」 を入力してください。");
}

TEST_F(MainFormLifecycle, SettingsConfirmedInTheDialogApplyToTheNextLink) {
    TMainForm& f = Create();
    f.EditUrl1.SetText(PageUrl());
    host_.onModal = [&f](TForm& form) {
        auto& dialog = dynamic_cast<TSettingDialog&>(form);
        EXPECT_EQ(dialog.Owner(), &f);
        dialog.EditA8matEsy.SetText(" NEW ");
        dialog.btnOK.Click();
    };
    f.ActionSetting.Execute();
    f.ActionExec.Execute();
    EXPECT_NE(f.TextMemo1.Text().find("a8mat=NEW&"), std::string::npos);
    EXPECT_EQ(ReadIni(dir_.File("Mirevo.ini")).ReadText("Options", "a8matEsy", ""), "NEW");
}

TEST_F(MainFormLifecycle, AboutOpensItsBoxOwnedByTheWindow) {
    TMainForm& f = Create();
    std::string caption;
    host_.onModal = [&](TForm& box) {
        caption = box.Caption();
        EXPECT_EQ(box.Owner(), &f);
    };
    f.ActionAbout.Execute();
    EXPECT_EQ(caption, "Mirevo について");
}

}  // namespace
}  // namespace mirevo::testing_support
