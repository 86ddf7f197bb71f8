// The history window over a history in memory: what it lists, how the search filters, and
// what its buttons do to the clipboard, the main window, the file and an exported file.
#include "history/HistoryForm.h"

#include <gtest/gtest.h>

#include "common/FileErrors.h"
#include "history/HistoryCsv.h"
#include "history/HistoryLine.h"
#include "tests/fakes/FakeHistoryFile.h"
#include "tests/fakes/FakeUi.h"
#include "ui/Application.h"

namespace mirevo::testing_support {
namespace {

THistoryRecord Record(int kind, const std::string& destination, const std::string& text,
                      const std::string& identifier) {
    return {"2026-12-0" + std::to_string(kind + 1) + " 10:00:00",
            kind,
            destination,
            text,
            kind >= 2 ? "https://img.example/" + text + ".jpg" : "",
            identifier,
            "<a>" + text + "</a>"};
}

class HistoryFormTest : public ::testing::Test {
protected:
    HistoryFormTest() {
        // Oldest first, as in the file.
        for (const THistoryRecord& record :
             {Record(0, "https://shop.example/a", "", "ESY"),
              Record(1, "https://shop.example/b", "靴\tと\r\n鞄", "TXT"),
              Record(3, "https://other.example/c", "Boots", "TXT IMG")}) {
            file_.bytes += HistoryLine(record) + "\r\n";
        }
    }
    THistoryForm& Show(TSize size = THistoryForm::kDefaultSize) {
        form_ = std::make_unique<THistoryForm>(application_, nullptr, history_, clipboard_, files_,
                                               size);
        form_->OnRestore = [this](const THistoryRecord& record) { restored_.push_back(record); };
        form_->ShowModal();
        return *form_;
    }
    std::vector<std::string> Column(std::size_t column) const {
        std::vector<std::string> cells;
        for (std::size_t row = 0; row < form_->ListHistory.RowCount(); ++row) {
            cells.push_back(form_->CellText(row, column));
        }
        return cells;
    }

    FakeHost host_;
    FakeDialogs dialogs_;
    TApplication application_{host_, dialogs_};
    FakeClipboard clipboard_;
    FakeHistoryFile file_;
    THistory history_{file_};
    FakeHistoryFiles files_;
    std::unique_ptr<THistoryForm> form_;
    std::vector<THistoryRecord> restored_;
};

using V = std::vector<std::string>;

TEST_F(HistoryFormTest, ListsNewestFirstOneLineARowWithTheNewestSelected) {
    // Another copy of the program added a record after this one read the file.
    file_.bytes += HistoryLine(Record(2, "https://shop.example/d", "pic", "IMG")) + "\r\n";
    THistoryForm& form = Show();
    EXPECT_EQ(Column(0), (V{"2026-12-03 10:00:00", "2026-12-04 10:00:00", "2026-12-02 10:00:00",
                            "2026-12-01 10:00:00"}));
    EXPECT_EQ(Column(1), (V{"画像リンク", "テキスト＆画像リンク", "テキストリンク", "簡易リンク"}));
    EXPECT_EQ(Column(3), (V{"pic", "Boots", "靴 と  鞄", ""}));
    EXPECT_EQ(Column(4),
              (V{"https://img.example/pic.jpg", "https://img.example/Boots.jpg", "", ""}));
    EXPECT_EQ(Column(5), (V{"IMG", "TXT IMG", "TXT", "ESY"}));
    EXPECT_EQ(form.CellText(0, 6), "");
    EXPECT_EQ(form.CellText(4, 0), "");
    EXPECT_EQ(form.ListHistory.Selection(), std::vector<std::size_t>{0});
    EXPECT_EQ(form.LabelCount.Caption(), "4 件");
    EXPECT_EQ(form.Caption(), "履歴");
}

TEST_F(HistoryFormTest, TheSearchFiltersAsTypedAndTheButtonsFollowWhatIsSelected) {
    THistoryForm& form = Show();
    struct Case {
        const char* typed;
        V destinations;
        const char* count;
    };
    const Case cases[] = {
        {"shop", {"https://shop.example/b", "https://shop.example/a"}, "2 件（全 3 件）"},
        {"BOOTS", {"https://other.example/c"}, "1 件（全 3 件）"},
        {"靴", {"https://shop.example/b"}, "1 件（全 3 件）"},
        {"img", {"https://other.example/c"}, "1 件（全 3 件）"},  // the identifier
        {"nothing", {}, "0 件（全 3 件）"},
        {"",
         {"https://other.example/c", "https://shop.example/b", "https://shop.example/a"},
         "3 件"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        form.EditSearch.NativeTextChanged(c.typed);
        EXPECT_EQ(Column(2), c.destinations);
        EXPECT_EQ(form.LabelCount.Caption(), c.count);
        const bool any = !c.destinations.empty();
        EXPECT_EQ(form.ListHistory.Selection().size(), any ? 1u : 0u);
        for (TButton* button : {&form.btnCopy, &form.btnRestore, &form.btnDelete, &form.btnExport})
            EXPECT_EQ(button->Enabled(), any) << button->Name();
    }
    form.ListHistory.NativeSelectionChanged({});
    EXPECT_FALSE(form.btnCopy.Enabled());
    EXPECT_FALSE(form.btnDelete.Enabled());
    EXPECT_TRUE(form.btnExport.Enabled());
}

// Down alone leaves the search for the list while it has rows; every other key stays with
// the field.
TEST_F(HistoryFormTest, DownGoesFromTheSearchIntoTheListWhenItHasRows) {
    THistoryForm& form = Show();
    struct Case {
        const char* typed;
        TShortCut key;
        bool taken;
    };
    const Case cases[] = {
        {"", kKeyDown, true},
        {"shop", kKeyDown, true},
        {"nothing", kKeyDown, false},
        {"", kKeyUp, false},
        {"", kKeyNext, false},
        {"", static_cast<TShortCut>(kKeyDown | kShortCutShift), false},
        {"", static_cast<TShortCut>(kKeyDown | kShortCutCtrl), false},
        {"", kKeyReturn, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " " + std::to_string(c.key));
        form.EditSearch.NativeTextChanged(c.typed);
        form.EditSearch.SetFocus();
        EXPECT_EQ(form.EditSearch.KeyDown(c.key), c.taken);
        EXPECT_EQ(form.ActiveControl(),
                  c.taken ? static_cast<TControl*>(&form.ListHistory) : &form.EditSearch);
    }
    // The row the list selected for the search is where the keys go on from.
    EXPECT_EQ(form.ListHistory.Selection(), std::vector<std::size_t>{0});
}

TEST_F(HistoryFormTest, CopyAndRestoreTakeTheFirstSelectedEntry) {
    THistoryForm& form = Show();
    form.SetModalResult(mrNone);  // as while the window is open
    form.ListHistory.NativeSelectionChanged({2, 1});
    form.btnCopy.Click();
    EXPECT_EQ(clipboard_.text, "<a>靴\tと\r\n鞄</a>");
    form.ListHistory.DblClick();
    EXPECT_EQ(clipboard_.writes, 2);
    EXPECT_EQ(form.ModalResult(), mrNone);
    form.btnRestore.Click();
    ASSERT_EQ(restored_.size(), 1u);
    EXPECT_EQ(restored_[0], history_.At(1));
    EXPECT_EQ(form.ModalResult(), mrOk);
    EXPECT_TRUE(form.btnCopy.Default);
    EXPECT_TRUE(form.btnClose.Cancel);
}

TEST_F(HistoryFormTest, DeletesTheSelectedEntriesOnlyWhenTheUserSaysYes) {
    THistoryForm& form = Show();
    form.ListHistory.NativeSelectionChanged({0, 1});
    dialogs_.answer = 7;  // いいえ
    form.ListHistory.DeleteKey();
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].text, "選択した 2 件の履歴を削除しますか？");
    EXPECT_EQ(dialogs_.shown[0].flags, kMbYesNo | kMbIconQuestion | kMbDefButton2);
    EXPECT_EQ(history_.Count(), 3u);
    dialogs_.answer = kIdYes;
    form.btnDelete.Click();
    EXPECT_EQ(Column(2), V{"https://shop.example/a"});
    EXPECT_EQ(file_.bytes, HistoryLine(Record(0, "https://shop.example/a", "", "ESY")) + "\r\n");
    EXPECT_EQ(form.ListHistory.Selection(), std::vector<std::size_t>{0});
    EXPECT_EQ(form.LabelCount.Caption(), "1 件");
}

TEST_F(HistoryFormTest, AFailedDeleteLeavesTheListAndTheFile) {
    THistoryForm& form = Show();
    dialogs_.answer = kIdYes;
    file_.failWrites = true;
    const std::string before = file_.bytes;
    EXPECT_THROW(form.btnDelete.Click(), EFCreateError);
    EXPECT_EQ(file_.bytes, before);
    EXPECT_EQ(form.ListHistory.RowCount(), 3u);
}

TEST_F(HistoryFormTest, ExportsTheShownRowsInTheirOrderWhereTheUserChooses) {
    THistoryForm& form = Show();
    form.EditSearch.NativeTextChanged("shop");
    form.btnExport.Click();  // cancelled
    ASSERT_EQ(dialogs_.asked.size(), 1u);
    EXPECT_EQ(dialogs_.asked[0].suggestedName, "履歴.csv");
    EXPECT_EQ(dialogs_.asked[0].extension, "csv");
    EXPECT_TRUE(files_.files.empty());
    dialogs_.savePath = "C:\\out\\list.csv";
    form.btnExport.Click();
    const std::vector<THistoryRecord> shown = {history_.At(1), history_.At(2)};
    EXPECT_EQ(files_.files["C:\\out\\list.csv"].bytes, HistoryCsv(shown));
    EXPECT_EQ(files_.files["C:\\out\\list.csv"].calls.size(), 1u);  // one whole replace
}

TEST_F(HistoryFormTest, AStoredSizeIsKeptWithinItsLimits) {
    const struct {
        TSize stored;
        TSize shown;
    } cases[] = {
        {{700, 500}, {700, 500}},
        {{0, -5}, THistoryForm::kMinSize},
        {{INT32_MIN, INT32_MAX}, {THistoryForm::kMinSize.Width, THistoryForm::kMaxExtent}},
        {{479, 241}, {480, 241}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Show(c.stored).ClientSize(), c.shown);
    }
}

TEST_F(HistoryFormTest, AFileThatCannotBeReadAgainLeavesWhatWasRead) {
    history_.Load();
    file_.failReads = true;
    THistoryForm& form = Show();
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].flags, kMbIconError);
    EXPECT_EQ(form.ListHistory.RowCount(), 3u);
    EXPECT_TRUE(form.btnCopy.Enabled());
}

TEST_F(HistoryFormTest, CountsLinesThatHoldNoRecord) {
    file_.bytes += "damaged line\r\n";
    EXPECT_EQ(Show().LabelStatus.Caption(), "読めない行 1");
}

}  // namespace
}  // namespace mirevo::testing_support
