// Field groups, marks, drops, the result view, the clipboard and the standard edit actions.
#include "tests/app/MainFormFixture.h"

#include "settings/SettingDialog.h"

namespace mirevo::testing_support {
namespace {

using MainFormFields = MainFormTest;

std::vector<std::string> Texts(std::initializer_list<const TEdit*> edits) {
    std::vector<std::string> texts;
    for (const TEdit* edit : edits) texts.push_back(edit->Text());
    return texts;
}

bool AllMarked(std::initializer_list<const TEdit*> edits, bool marked) {
    for (const TEdit* edit : edits) {
        if ((edit->Color() == clInfoBk) != marked) return false;
        if (edit->Color() != clInfoBk && edit->Color() != clWindow) return false;
    }
    return true;
}

TEST_F(MainFormFields, TypingIntoOneUrlFieldMirrorsAndMarksAllFour) {
    TMainForm& f = Create();
    const std::initializer_list<const TEdit*> urls = {&f.EditUrl1, &f.EditUrl2, &f.EditUrl3,
                                                      &f.EditUrl4};
    int changes = 0;
    const auto previous = f.EditUrl4.OnChange;
    f.EditUrl4.OnChange = [&](TObject* sender) {
        ++changes;
        previous(sender);
    };
    f.EditUrl3.SetText(PageUrl());
    EXPECT_EQ(Texts(urls), std::vector<std::string>(4, PageUrl()));
    EXPECT_TRUE(AllMarked(urls, true));
    EXPECT_EQ(changes, 1);
    f.EditUrl2.SetText("https" + PageUrl().substr(4));
    EXPECT_TRUE(AllMarked(urls, false));
    EXPECT_TRUE(AllMarked({&f.EditTxt2, &f.EditImg3}, false));  // other groups untouched
}

TEST_F(MainFormFields, TextAndImageGroupsFollowTheirOwnChecks) {
    TMainForm& f = Create();
    f.EditTxt4.SetText(" ");
    EXPECT_EQ(f.EditTxt2.Text(), " ");
    EXPECT_TRUE(AllMarked({&f.EditTxt2, &f.EditTxt4}, true));
    f.EditTxt2.SetText("");
    EXPECT_TRUE(AllMarked({&f.EditTxt2, &f.EditTxt4}, false));
    f.EditImg3.SetText(ImageUrl());
    EXPECT_EQ(f.EditImg4.Text(), ImageUrl());
    EXPECT_TRUE(AllMarked({&f.EditImg3, &f.EditImg4}, true));
    f.EditImg4.SetText(PageUrl());
    EXPECT_TRUE(AllMarked({&f.EditImg3, &f.EditImg4}, false));
}

TEST_F(MainFormFields, DropsAreRoutedByTheFieldChecks) {
    TMainForm& f = Create();
    const std::initializer_list<const TEdit*> urls = {&f.EditUrl1, &f.EditUrl2, &f.EditUrl3,
                                                      &f.EditUrl4};
    const std::initializer_list<const TEdit*> images = {&f.EditImg3, &f.EditImg4};

    Drop(ImageUrl());
    EXPECT_EQ(Texts(images), std::vector<std::string>(2, ImageUrl()));
    EXPECT_TRUE(AllMarked(images, true));
    EXPECT_EQ(Texts(urls), std::vector<std::string>(4, ""));

    Drop(PageUrl());
    EXPECT_EQ(Texts(urls), std::vector<std::string>(4, PageUrl()));
    EXPECT_TRUE(AllMarked(urls, true));
    EXPECT_EQ(Texts(images), std::vector<std::string>(2, ImageUrl()));
    EXPECT_TRUE(dialogs_.shown.empty());

    Drop("not an address");
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0], (ShownMessage{"楽天のURLではありません。", "Mirevo", 0, true}));
    EXPECT_EQ(Texts(urls), std::vector<std::string>(4, PageUrl()));
}

TEST_F(MainFormFields, ADropWithoutTextRoutesThePreviousDropAgain) {
    TMainForm& f = Create();
    dragDrop_.registered->Dropped(std::nullopt);  // the data had no text to give
    ASSERT_EQ(dialogs_.shown.size(), 1u);         // nothing dropped yet: refused
    EXPECT_EQ(dialogs_.shown[0].text, "楽天のURLではありません。");
    Drop(PageUrl());
    f.ActionClear.Execute();
    dragDrop_.registered->Dropped(std::nullopt);
    EXPECT_EQ(f.EditUrl2.Text(), PageUrl());
    EXPECT_EQ(dialogs_.shown.size(), 1u);
}

TEST_F(MainFormFields, TheStoredHttpsOptionReachesTheCode) {
    for (const char* https : {"", "https=0\r\n", "https=1\r\n"}) {
        TMainForm& f = Create(std::string(kIdentifiers) + https);
        f.EditUrl1.SetText(PageUrl());
        f.ActionExec.Execute();
        const bool on = std::string(https) == "https=1\r\n";
        EXPECT_EQ(f.TextMemo1.Text().rfind(on ? "https://" : "http://", 0), 0u) << https;
    }
}

// Copied addresses are routed as drops while the setting is on, silently, and never while a
// field has the focus.
TEST_F(MainFormFields, AddressesCopiedElsewhereFillTheFieldsWhileTheSettingIsOn) {
    TMainForm& off = Create(std::string(kIdentifiers) + "clipwatch=0\r\n");
    EXPECT_FALSE(clipboardWatch_.Watching());
    clipboardWatch_.CopyElsewhere(PageUrl());
    EXPECT_EQ(off.EditUrl1.Text(), "");

    TMainForm& f = Create(std::string(kIdentifiers) + "clipwatch=1\r\n");
    ASSERT_TRUE(clipboardWatch_.Watching());
    f.SetActiveControl(nullptr);  // the user is in another program
    clipboardWatch_.CopyElsewhere(ImageUrl());
    EXPECT_EQ(Texts({&f.EditImg3, &f.EditImg4}), std::vector<std::string>(2, ImageUrl()));
    EXPECT_EQ(f.EditUrl1.Text(), "");
    clipboardWatch_.CopyElsewhere(PageUrl());
    EXPECT_EQ(f.EditUrl3.Text(), PageUrl());
    clipboardWatch_.CopyElsewhere("not an address");
    EXPECT_EQ(f.EditUrl3.Text(), PageUrl());
    EXPECT_TRUE(dialogs_.shown.empty());  // never a message for the clipboard

    f.SetActiveControl(&f.EditTxt2);  // typing in a field: left alone
    clipboardWatch_.CopyElsewhere(ImageUrl() + "?other");
    EXPECT_EQ(f.EditImg3.Text(), ImageUrl());
}

TEST_F(MainFormFields, TheSettingsDialogStartsAndStopsTheClipboardWatch) {
    TMainForm& f = Create(kIdentifiers);
    EXPECT_FALSE(clipboardWatch_.Watching());
    for (const bool on : {true, false, true}) {
        host_.onModal = [&](TForm& form) {
            auto& dialog = dynamic_cast<TSettingDialog&>(form);
            dialog.CheckBoxClipWatch.SetChecked(on);
            dialog.btnOK.Click();
        };
        f.ActionSetting.Execute();
        EXPECT_EQ(clipboardWatch_.Watching(), on);
    }
    EXPECT_EQ(clipboardWatch_.watchesStarted, 2);
}

// The settings file's [Service] section puts other addresses in without a rebuild; a value
// that is no address is refused at start and the built-in one kept.
TEST_F(MainFormFields, TheServiceSectionReplacesTheBuiltInAddresses) {
    TMainForm& f = Create(std::string(kIdentifiers) +
                          "[Service]\r\nClickHost=click.real.example\r\n"
                          "MerchantDomainA=shop.real.example\r\nPixelDomain=bad/value\r\n"
                          "HomePage=https://home.real.example/\r\n");
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_NE(dialogs_.shown[0].text.find("PixelDomain"), std::string::npos);
    dialogs_.shown.clear();
    f.EditUrl1.SetText(PageUrl());  // the built-in domain A no longer counts
    EXPECT_EQ(f.EditUrl1.Color(), clWindow);
    f.EditUrl1.SetText(std::string("http://item.") + config::MerchantDomainB + "/1/");
    EXPECT_EQ(f.EditUrl1.Color(), clInfoBk);  // B is the built-in one still
    f.EditUrl1.SetText("http://item.shop.real.example/1/");
    EXPECT_EQ(f.EditUrl1.Color(), clInfoBk);
    f.PageControl1.SetActivePageIndex(1);
    f.EditTxt2.SetText("item");
    f.ActionExec.Execute();
    const std::string code = f.TextMemo1.Text();
    EXPECT_EQ(code.rfind("<a href=\"http://click.real.example/", 0), 0u) << code;
    EXPECT_NE(code.find("." + std::string(config::PixelDomain) + "/0.gif"), std::string::npos);
}

TEST_F(MainFormFields, AutomaticCopyPutsTheCodeOnTheClipboardAndSaysSo) {
    TMainForm& f = Create(std::string(kIdentifiers) + "autocopy=1\r\n");
    f.EditUrl1.SetText(PageUrl());
    f.ActionExec.Execute();
    const std::string code = f.TextMemo1.Text();
    EXPECT_EQ(clipboard_.text, code);
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    // The box shows the code cut short; the clipboard has all of it.
    EXPECT_EQ(dialogs_.shown[0],
              (ShownMessage{"以下のコードをクリップボードにコピーしました：\r\n\r\n" +
                                code.substr(0, 80) + "…",
                            "Mirevo", 64, false}));
}

TEST_F(MainFormFields, ClipboardFailureIsReportedAfterTheCodeIsShown) {
    TMainForm& f = Create(std::string(kIdentifiers) + "autocopy=1\r\n");
    clipboard_.failing = true;
    f.EditUrl1.SetText(PageUrl());
    application_.Guard([&] { f.ActionExec.Execute(); });
    EXPECT_NE(f.TextMemo1.Text(), "");
    EXPECT_TRUE(f.ButtonCopyResult.Enabled());
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0],
              (ShownMessage{"クリップボードを開くことができません.", "Mirevo", 16, false}));
}

TEST_F(MainFormFields, CopyButtonCopiesTheViewAndClearEmptiesEverything) {
    TMainForm& f = Create(kIdentifiers);
    f.EditUrl1.SetText(PageUrl());
    f.EditTxt2.SetText("t");
    f.EditImg4.SetText(ImageUrl());
    f.ActionExec.Execute();
    f.ButtonCopyResult.Click();
    EXPECT_EQ(clipboard_.text, f.TextMemo1.Text());
    EXPECT_TRUE(dialogs_.shown.empty());

    f.ActionClear.Execute();
    const std::initializer_list<const TEdit*> all = {&f.EditUrl1, &f.EditUrl2, &f.EditUrl3,
                                                     &f.EditUrl4, &f.EditTxt2, &f.EditTxt4,
                                                     &f.EditImg3, &f.EditImg4};
    EXPECT_EQ(Texts(all), std::vector<std::string>(8, ""));
    EXPECT_TRUE(AllMarked(all, false));
    EXPECT_EQ(f.TextMemo1.Text(), "");
    EXPECT_FALSE(f.ButtonCopyResult.Enabled());
}

TEST_F(MainFormFields, StandardEditActionsFollowTheFocusedControl) {
    TMainForm& f = Create();
    auto enabled = [&] {
        f.ActionManager1.UpdateAll();
        std::string states;
        for (TAction* a : {&f.EditUndo1, &f.EditCut1, &f.EditCopy1, &f.EditPaste1, &f.EditDelete1,
                           &f.EditSelectAll1}) {
            states += a->Enabled() ? '1' : '0';
        }
        return states;
    };
    EXPECT_EQ(enabled(), "000000");  // nothing focused
    f.EditUrl1.SetFocus();
    EXPECT_EQ(enabled(), "000000");  // empty field, empty clipboard
    f.EditUrl1.SetText("abc");
    f.EditUrl1.SetSelection(1, 1);
    clipboard_.text = "x";
    EXPECT_EQ(enabled(), "011111");
    f.EditCut1.Execute();
    EXPECT_EQ(clipboard_.text, "b");
    EXPECT_EQ(f.EditUrl2.Text(), "ac");  // the cut changed the text, so the group follows
    EXPECT_EQ(enabled(), "100101");

    f.TextMemo1.SetText("code");
    f.TextMemo1.SetFocus();
    EXPECT_EQ(enabled(), "000001");  // the read-only view offers nothing that changes it
    f.TextMemo1.SelectAll();
    EXPECT_EQ(enabled(), "001001");
    for (TAction* refused : {&f.EditCut1, &f.EditDelete1, &f.EditPaste1, &f.EditUndo1}) {
        refused->Execute();
    }
    EXPECT_EQ(f.TextMemo1.Text(), "code");
    EXPECT_EQ(clipboardFormats_.puts, 0);
    f.EditCopy1.Execute();
    EXPECT_EQ(clipboardFormats_.text, std::optional<std::string>("code"));
    EXPECT_EQ(clipboardFormats_.privateData,
              std::optional<std::string>(std::string("\0code\0", 6)));
}

}  // namespace
}  // namespace mirevo::testing_support
