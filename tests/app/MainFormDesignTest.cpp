// The main window as designed: actions, menus, tool bar, tabs, fields and layout.
#include <tuple>

#include "tests/app/MainFormFixture.h"

namespace mirevo::testing_support {
namespace {

using MainFormDesign = MainFormTest;

TEST_F(MainFormDesign, ActionsCarryTheirCategoryCaptionShortcutImageAndHint) {
    TMainForm& f = Create();
    struct Row {
        TAction* action;
        const char* category;
        const char* caption;
        const char* shortCut;
        std::int32_t image;
        const char* hint;
    };
    const Row rows[] = {
        {&f.ActionExec, "ファイル", "リンク作成", "Ctrl+Enter", 0, ""},
        {&f.ActionSetting, "ファイル", "設定", "", 3, ""},
        {&f.ActionHistory, "ファイル", "履歴", "Ctrl+H", -1, ""},
        {&f.FileExit1, "ファイル", "終了", "", 2, "終了|アプリケーションを終了する"},
        {&f.EditUndo1, "編集", "元に戻す(&U)", "Ctrl+Z", 3, "元に戻す|直前の変更を元に戻す"},
        {&f.EditCut1, "編集", "切り取り(&T)", "Ctrl+X", 0,
         "切り取り|選択部分を切り取り、クリップボードに送る"},
        {&f.EditCopy1, "編集", "コピー(&C)", "Ctrl+C", 1,
         "コピー|選択範囲をクリップボードにコピー"},
        {&f.EditPaste1, "編集", "貼り付け(&P)", "Ctrl+V", 2,
         "貼り付け|クリップボードの内容を貼り付ける"},
        {&f.EditDelete1, "編集", "削除(&D)", "Del", 5, "削除|選択部分を削除する"},
        {&f.EditSelectAll1, "編集", "すべてを選択(&A)", "Ctrl+A", -1,
         "すべてを選択|ドキュメント全体を選択する"},
        {&f.ActionAbout, "ヘルプ", "バージョン情報...(&A)", "", -1, ""},
        {&f.ActionClear, "編集", "クリア", "", 1, ""},
    };
    ASSERT_EQ(f.ActionManager1.Actions().size(), std::size(rows));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.action->Name());
        EXPECT_EQ(row.action->Category, row.category);
        EXPECT_EQ(row.action->Caption, row.caption);
        EXPECT_EQ(ShortCutToText(row.action->ShortCut), row.shortCut);
        EXPECT_EQ(row.action->ImageIndex, row.image);
        EXPECT_EQ(row.action->Hint, row.hint);
    }
}

// Each menu as "caption[image]" items, "-" for a separator.
std::vector<std::string> Describe(const TMenuDefinition& menu, const TImageList& images) {
    std::vector<std::string> items;
    for (const TActionClientItem& item : menu.Items) {
        if (item.IsSeparator()) {
            items.push_back("-");
            continue;
        }
        std::string text = item.ShownCaption();
        const std::string shortCut = ShortCutToText(item.Action->ShortCut);
        if (!shortCut.empty()) text += "\t" + shortCut;
        if (images.Has(item.ImageIndex)) text += "[" + std::to_string(item.ImageIndex) + "]";
        items.push_back(text);
    }
    return items;
}

TEST_F(MainFormDesign, MenuBarHasThreeMenusWithTheirItemsInOrder) {
    TMainForm& f = Create();
    const auto& menus = f.ActionMainMenuBar1.Menus;
    ASSERT_EQ(menus.size(), 3u);
    EXPECT_EQ(menus[0].Caption, "ファイル(&F)");
    EXPECT_EQ(menus[1].Caption, "編集(&E)");
    EXPECT_EQ(menus[2].Caption, "ヘルプ(&H)");
    using V = std::vector<std::string>;
    EXPECT_EQ(Describe(menus[0], f.ImageList1),
              (V{"リンク作成(&M)\tCtrl+Enter[0]", "-", "設定...(&S)[3]", "履歴(&R)...\tCtrl+H", "-",
                 "終了(&X)"}));
    EXPECT_EQ(Describe(menus[1], f.ImageList1),
              (V{"元に戻す(&U)\tCtrl+Z", "-", "切り取り(&T)\tCtrl+X", "コピー(&C)\tCtrl+C",
                 "貼り付け(&P)\tCtrl+V", "削除(&D)\tDel", "-", "すべてを選択(&A)\tCtrl+A",
                 "クリア(&Z)"}));
    EXPECT_EQ(Describe(menus[2], f.ImageList1), (V{"Mirevo について(&A)"}));
    EXPECT_EQ(menus[0].Items[5].ImageIndex, 43);
    EXPECT_EQ(f.ActionMainMenuBar1.ColorMap.HighlightColor, Rgb(247, 246, 238));
    EXPECT_EQ(f.ActionMainMenuBar1.Font().Name, "MS UI Gothic");
}

TEST_F(MainFormDesign, ToolBarRunsLinkClearSettingExitWithTheirImages) {
    TMainForm& f = Create();
    std::vector<std::tuple<std::string, std::int32_t>> items;
    for (const TActionClientItem& item : f.ActionToolBar1.Items) {
        items.emplace_back(item.IsSeparator() ? "-" : item.Action->Name(), item.ImageIndex);
    }
    const std::vector<std::tuple<std::string, std::int32_t>> expected = {
        {"ActionExec", 0},    {"-", -1},       {"ActionClear", 1}, {"-", -1},
        {"ActionSetting", 3}, {"FileExit1", 2}};
    EXPECT_EQ(items, expected);
    EXPECT_EQ(f.ImageList1.Count, 4);
}

TEST_F(MainFormDesign, TabsHoldTheirLabelledFieldsAtTheirPlaces) {
    TMainForm& f = Create();
    struct Row {
        TTabSheet* tab;
        const char* caption;
        TLabeledEdit* edit;
        std::int32_t top;
        const char* label;
    };
    const Row rows[] = {
        {&f.TabSheet1, "簡易リンク", &f.EditUrl1, 16, "リンク先URL： "},
        {&f.TabSheet2, "テキストリンク", &f.EditUrl2, 16, "リンク先URL： "},
        {&f.TabSheet2, "テキストリンク", &f.EditTxt2, 51, "リンク対象テキスト： "},
        {&f.TabSheet3, "画像リンク", &f.EditUrl3, 16, "リンク先URL： "},
        {&f.TabSheet3, "画像リンク", &f.EditImg3, 51, "掲載画像URL： "},
        {&f.TabSheet4, "テキスト＆画像リンク", &f.EditUrl4, 16, "リンク先URL： "},
        {&f.TabSheet4, "テキスト＆画像リンク", &f.EditTxt4, 51, "リンク対象テキスト： "},
        {&f.TabSheet4, "テキスト＆画像リンク", &f.EditImg4, 86, "掲載画像URL： "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.edit->Name());
        EXPECT_EQ(row.tab->Caption(), row.caption);
        EXPECT_EQ(row.edit->Parent(), row.tab);
        EXPECT_EQ(row.edit->Bounds().Left, 118);
        EXPECT_EQ(row.edit->Bounds().Top, row.top);
        EXPECT_EQ(row.edit->Bounds().Width, 270);
        EXPECT_EQ(row.edit->EditLabel.Caption(), row.label);
        EXPECT_EQ(row.edit->Anchors(), akLeft | akTop | akRight);
    }
    EXPECT_EQ(f.PageControl1.Pages().size(), 4u);
}

TEST_F(MainFormDesign, WindowGeometryFontsAndResultArea) {
    TMainForm& f = Create();
    EXPECT_EQ(f.Caption(), "Mirevo");
    EXPECT_EQ(f.Bounds(), (TBounds{192, 111, 416, 360}));
    EXPECT_EQ(f.MinSize(), (TSize{355, 360}));
    EXPECT_EQ(f.Font(), (TFontSpec{"ＭＳ Ｐゴシック", -12, kShiftJisCharSet}));
    EXPECT_EQ(f.ActionMainMenuBar1.Bounds(), (TBounds{0, 0, 408, 23}));
    EXPECT_EQ(f.ActionToolBar1.Bounds(), (TBounds{0, 23, 408, 26}));
    EXPECT_EQ(f.PageControl1.Bounds(), (TBounds{0, 49, 408, 144}));
    EXPECT_EQ(f.LabelResult.Caption(), "リンクコード：");
    EXPECT_EQ(f.LabelResult.Bounds().Left, 13);
    EXPECT_EQ(f.LabelResult.Bounds().Top, 198);
    EXPECT_EQ(f.TextMemo1.Bounds(), (TBounds{12, 214, 383, 72}));
    EXPECT_EQ(f.TextMemo1.Text(), "");  // the design text is cleared at creation
    EXPECT_EQ(f.ButtonCopyResult.Bounds(), (TBounds{12, 295, 383, 25}));
    EXPECT_EQ(f.ButtonCopyResult.Caption(), "クリップボードにコピー");
}

TEST_F(MainFormDesign, ResultViewIsAReadOnlyWrappingCodeView) {
    TTextMemo& view = Create().TextMemo1;
    EXPECT_TRUE(view.ReadOnly());
    EXPECT_TRUE(view.WordWrap());
    EXPECT_EQ(view.RightEdge(), 0);
    EXPECT_EQ(view.ScrollBars(), TScrollStyle::ssVertical);
    EXPECT_EQ(view.Font().Face(), "ＭＳ ゴシック");
    EXPECT_EQ(view.Font().Height, -13);
    EXPECT_EQ(view.Font().CharSet, kShiftJisCharset);
    EXPECT_EQ(view.Gutter().DigitCount(), 2);
    EXPECT_EQ(view.Gutter().Width(), 15);
    EXPECT_EQ(view.Gutter().Font().Face(), "Courier New");
    EXPECT_EQ(view.Gutter().Font().Height, -11);
    using enum TEditorOption;
    EXPECT_EQ(view.Options(),
              (TEditorOptions{eoDragDropEditing, eoGroupUndo, eoShowScrollHint, eoSmartTabDelete,
                              eoSmartTabs, eoTabsToSpaces, eoTrimTrailingSpaces}));
    EXPECT_EQ(view.Clipboard(), &clipboardFormats_);
}

TEST_F(MainFormDesign, ResizingStretchesFieldsResultAndButtonByTheirAnchors) {
    TMainForm& f = Create();
    const TSize client = f.ClientSize();
    f.SetClientSize({client.Width + 100, client.Height + 40});
    EXPECT_EQ(f.EditUrl1.Bounds().Width, 370);
    EXPECT_EQ(f.EditImg4.Bounds().Left, 118);
    EXPECT_EQ(f.PageControl1.Bounds().Width, client.Width + 100);
    EXPECT_EQ(f.TextMemo1.Bounds(), (TBounds{12, 214, 483, 112}));
    EXPECT_EQ(f.ButtonCopyResult.Bounds(), (TBounds{12, 335, 483, 25}));
    EXPECT_EQ(f.LabelResult.Bounds().Top, 198);
}

}  // namespace
}  // namespace mirevo::testing_support
