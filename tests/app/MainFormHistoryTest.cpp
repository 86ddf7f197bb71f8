// The main window and its history: every built code recorded with what it was built from,
// the history window opened from the file menu at its stored size, and an entry put back.
#include <filesystem>

#include "history/HistoryForm.h"
#include "platform/portable/PortableHistoryFile.h"
#include "tests/app/MainFormFixture.h"

namespace mirevo::testing_support {
namespace {

class MainFormHistory : public MainFormTest {
protected:
    static constexpr const char* kAllIdentifiers =
        "[Options]\r\na8matEsy=ESY\r\na8matTxt=TXT\r\na8matImg=IMG\r\nerrorcheck=0\r\n";
    std::vector<THistoryRecord> Records() {
        PortableHistoryFile file(dir_.File("Mirevo.history"));
        const THistory history(file);
        std::vector<THistoryRecord> records;
        for (std::size_t i = 0; i < history.Count(); ++i) records.push_back(history.At(i));
        return records;
    }
};

TEST_F(MainFormHistory, EveryBuiltCodeIsRecordedWithItsInputsAndIdentifier) {
    TMainForm& f = Create(kAllIdentifiers);
    const struct {
        std::int32_t tab;
        TEdit* text;
        TEdit* image;
        const char* identifier;
    } tabs[] = {{0, nullptr, nullptr, "ESY"},
                {1, &f.EditTxt2, nullptr, "TXT"},
                {2, nullptr, &f.EditImg3, "IMG"},
                {3, &f.EditTxt4, &f.EditImg4, "TXT IMG"}};
    for (const auto& tab : tabs) {
        SCOPED_TRACE(tab.tab);
        f.PageControl1.SetActivePageIndex(tab.tab);
        f.EditUrl1.SetText(PageUrl() + std::to_string(tab.tab));
        if (tab.text) tab.text->SetText("商品" + std::to_string(tab.tab));
        if (tab.image) tab.image->SetText(ImageUrl());
        clock_.now.second = tab.tab;
        f.ActionExec.Execute();
        const std::vector<THistoryRecord> records = Records();
        ASSERT_EQ(records.size(), static_cast<std::size_t>(tab.tab + 1));
        const THistoryRecord& r = records.front();
        EXPECT_EQ(r.time, "2026-12-08 09:05:0" + std::to_string(tab.tab));
        EXPECT_EQ(r.kind, tab.tab);
        EXPECT_EQ(r.destination, PageUrl() + std::to_string(tab.tab));
        EXPECT_EQ(r.linkText, tab.text ? tab.text->Text() : "");
        EXPECT_EQ(r.imageUrl, tab.image ? ImageUrl() : "");
        EXPECT_EQ(r.identifier, tab.identifier);
        EXPECT_EQ(r.code, f.TextMemo1.Text());
    }
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(MainFormHistory, ARefusedLinkIsNotRecordedAndAFailedRecordKeepsTheCode) {
    TMainForm& f = Create("[Options]\r\na8matEsy=ESY\r\n");
    f.ActionExec.Execute();  // no address
    EXPECT_FALSE(std::filesystem::exists(dir_.File("Mirevo.history")));
    dialogs_.shown.clear();
    std::filesystem::create_directory(dir_.File("Mirevo.history"));  // cannot be appended to
    f.EditUrl1.SetText(PageUrl());
    application_.Guard([&] { f.ActionExec.Execute(); });  // as the window runs its actions
    EXPECT_NE(f.TextMemo1.Text().find("a8mat=ESY"), std::string::npos);
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].flags, kMbIconError);
    EXPECT_NE(dialogs_.shown[0].text.find("Mirevo.history"), std::string::npos);
}

TEST_F(MainFormHistory, TheWindowOpensAtItsStoredSizePutsAnEntryBackAndStoresItsSize) {
    const struct {
        const char* stored;
        TSize opened;
    } cases[] = {
        {"", THistoryForm::kDefaultSize},
        {"[History]\r\nWidth=700\r\nHeight=500\r\n", {700, 500}},
        {"[History]\r\nWidth=-1\r\nHeight=x\r\n", {THistoryForm::kMinSize.Width, 400}},
        {"[History]\r\nWidth=99999999999\r\nHeight=2147483647\r\n",
         {640, THistoryForm::kMaxExtent}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        TMainForm& f = Create(std::string(kAllIdentifiers) + c.stored);
        f.PageControl1.SetActivePageIndex(3);
        f.EditUrl4.SetText(PageUrl());
        f.EditTxt4.SetText("靴");
        f.EditImg4.SetText(ImageUrl());
        f.ActionExec.Execute();
        f.ActionClear.Execute();
        f.PageControl1.SetActivePageIndex(0);
        TSize opened;
        host_.onModal = [&](TForm& form) {
            auto& history = dynamic_cast<THistoryForm&>(form);
            opened = history.ClientSize();
            history.btnRestore.Click();
        };
        f.ActionHistory.Execute();
        EXPECT_EQ(opened, c.opened);
        EXPECT_EQ(f.PageControl1.ActivePageIndex(), 3);
        EXPECT_EQ(f.EditUrl1.Text(), PageUrl());
        EXPECT_EQ(f.EditTxt4.Text(), "靴");
        EXPECT_EQ(f.EditImg4.Text(), ImageUrl());
        EXPECT_NE(IniText().find("[History]\r\nWidth=" + std::to_string(opened.Width) +
                                 "\r\nHeight=" + std::to_string(opened.Height) + "\r\n"),
                  std::string::npos)
            << IniText();
        std::filesystem::remove(dir_.File("Mirevo.history"));
        std::filesystem::remove(dir_.File("Mirevo.ini"));
    }
}

}  // namespace
}  // namespace mirevo::testing_support
