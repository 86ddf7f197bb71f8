// The About box over a version block built in the test.
#include "about/AboutBox.h"

#include <gtest/gtest.h>

#include "BuildConfig.h"
#include "tests/fakes/FakeUi.h"
#include "tests/fakes/FakeVersionResource.h"
#include "ui/Application.h"

namespace mirevo::testing_support {
namespace {

class AboutBoxTest : public ::testing::Test {
protected:
    AboutBoxTest() { application_.SetTitle("Mirevo"); }
    static FakeVersionResource Versions(const std::string& path, const std::string& fileVersion) {
        return FakeVersionResource(
            path,
            BuildVersionBlock(StandardVersionInfo("041103A4",
                                                  {{"FileVersion", fileVersion},
                                                   {"LegalCopyright", "Copyright (C) 2026 Mirevo"}},
                                                  {{0x0411, 932}}),
                              VersionBlock::Layout::Wide));
    }
    FakeHost host_;
    FakeDialogs dialogs_;
    FakeShell shell_;
    TApplication application_{host_, dialogs_};
};

TEST_F(AboutBoxTest, ShowsTitleVersionAsStoredCopyrightAndHomePage) {
    FakeVersionResource versions = Versions(host_.exeName, "1, 3, 1, 0");
    TAboutBox box(application_, nullptr, versions, shell_);
    EXPECT_EQ(box.Caption(), "Mirevo について");
    EXPECT_EQ(box.ProductName.Caption(), "Mirevo");
    EXPECT_EQ(box.Version.Caption(), "1, 3, 1, 0");
    EXPECT_EQ(box.Copyright.Caption(), "Copyright (C) 2026 Mirevo");
    EXPECT_EQ(box.Comments.Caption(), config::HomePage);
    EXPECT_EQ(box.ClientSize(), (TSize{308, 195}));
    EXPECT_TRUE(box.Comments.WordWrap);
    EXPECT_TRUE(box.Comments.Font().Underline);
    EXPECT_EQ(box.Comments.FontColor, clBlue);
}

TEST_F(AboutBoxTest, FollowsTheApplicationTitle) {
    application_.SetTitle("Other");
    FakeVersionResource versions = Versions(host_.exeName, "2.0");
    TAboutBox box(application_, nullptr, versions, shell_);
    EXPECT_EQ(box.Caption(), "Other について");
    EXPECT_EQ(box.ProductName.Caption(), "Other");
}

TEST_F(AboutBoxTest, WithoutVersionBlockSaysInfoNotAvailable) {
    FakeVersionResource versions = Versions("C:\\elsewhere.exe", "1.0");
    TAboutBox box(application_, nullptr, versions, shell_);
    EXPECT_EQ(box.Version.Caption(), "<info not available>");
    EXPECT_EQ(box.Copyright.Caption(), "<info not available>");
}

TEST_F(AboutBoxTest, ClickingTheHomePageOpensItAndKeepsTheBoxOpen) {
    FakeVersionResource versions = Versions(host_.exeName, "1.0");
    TAboutBox box(application_, nullptr, versions, shell_);
    host_.onModal = [&](TForm&) { box.Comments.Click(); };
    EXPECT_EQ(box.ShowModal(), mrCancel);
    ASSERT_EQ(shell_.opened.size(), 1u);
    EXPECT_EQ(shell_.opened[0].second, config::HomePage);
}

TEST_F(AboutBoxTest, AHomePageFromTheSettingsFileIsShownAndOpened) {
    FakeVersionResource versions = Versions(host_.exeName, "1.0");
    TAboutBox box(application_, nullptr, versions, shell_, "https://home.real.example/");
    EXPECT_EQ(box.Comments.Caption(), "https://home.real.example/");
    host_.onModal = [&](TForm&) { box.Comments.Click(); };
    box.ShowModal();
    ASSERT_EQ(shell_.opened.size(), 1u);
    EXPECT_EQ(shell_.opened[0].second, "https://home.real.example/");
}

TEST_F(AboutBoxTest, EscapeClosesTheBoxAsEnterDoes) {
    FakeVersionResource versions = Versions(host_.exeName, "1.0");
    TAboutBox box(application_, nullptr, versions, shell_);
    bool pressed = false;
    host_.onModal = [&](TForm& form) { pressed = form.PressCancel(); };
    EXPECT_EQ(box.ShowModal(), mrOk);
    EXPECT_TRUE(pressed);
    // A form without a cancel button (the settings dialog is one) ignores Escape.
    TForm plain(application_, "Plain");
    EXPECT_FALSE(plain.PressCancel());
    EXPECT_EQ(plain.ModalResult(), mrNone);
}

}  // namespace
}  // namespace mirevo::testing_support
