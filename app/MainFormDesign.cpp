// The main window as designed: geometry, fonts, controls, actions, menu bar and tool bar.
#include "app/MainForm.h"

#include "app/ResultViewDesign.h"
#include "platform/Clipboard.h"
#include "ui/Application.h"

namespace mirevo {

namespace {

const TFontSpec kFormFont{"ＭＳ Ｐゴシック", -12, kShiftJisCharSet};
const TFontSpec kMenuFont{"MS UI Gothic", -12, kShiftJisCharSet};
constexpr TColor kBarHighlight = Rgb(247, 246, 238);
const char kUrlLabel[] = "リンク先URL： ";
const char kTextLabel[] = "リンク対象テキスト： ";
const char kImageLabel[] = "掲載画像URL： ";

TBounds FieldBounds(std::int32_t top) { return {118, top, 270, 20}; }

}  // namespace

TMainForm::TMainForm(TApplication& application, const TMainFormServices& services,
                     SessionSettings& settings)
    : TForm(application, "MainForm"),
      ActionManager1(*this, services.Clipboard),
      ActionExec(ActionManager1, "ActionExec"),
      ActionSetting(ActionManager1, "ActionSetting"),
      ActionHistory(ActionManager1, "ActionHistory"),
      FileExit1(ActionManager1, "FileExit1", TStandardAction::FileExit),
      EditUndo1(ActionManager1, "EditUndo1", TStandardAction::EditUndo),
      EditCut1(ActionManager1, "EditCut1", TStandardAction::EditCut),
      EditCopy1(ActionManager1, "EditCopy1", TStandardAction::EditCopy),
      EditPaste1(ActionManager1, "EditPaste1", TStandardAction::EditPaste),
      EditDelete1(ActionManager1, "EditDelete1", TStandardAction::EditDelete),
      EditSelectAll1(ActionManager1, "EditSelectAll1", TStandardAction::EditSelectAll),
      ActionAbout(ActionManager1, "ActionAbout"),
      ActionClear(ActionManager1, "ActionClear"),
      ActionMainMenuBar1(this, "ActionMainMenuBar1"),
      ActionToolBar1(this, "ActionToolBar1"),
      PageControl1(this, "PageControl1"),
      TabSheet1(PageControl1, "TabSheet1", "簡易リンク"),
      TabSheet2(PageControl1, "TabSheet2", "テキストリンク"),
      TabSheet3(PageControl1, "TabSheet3", "画像リンク"),
      TabSheet4(PageControl1, "TabSheet4", "テキスト＆画像リンク"),
      EditUrl1(&TabSheet1, "EditUrl1"),
      EditUrl2(&TabSheet2, "EditUrl2"),
      EditTxt2(&TabSheet2, "EditTxt2"),
      EditUrl3(&TabSheet3, "EditUrl3"),
      EditImg3(&TabSheet3, "EditImg3"),
      EditUrl4(&TabSheet4, "EditUrl4"),
      EditTxt4(&TabSheet4, "EditTxt4"),
      EditImg4(&TabSheet4, "EditImg4"),
      LabelResult(this, "LabelResult"),
      TextMemo1(this, "TextMemo1", services.Fonts, services.CharTypes),
      ButtonCopyResult(this, "ButtonCopyResult"),
      services_(services),
      settings_(settings) {
    SetCaption("Mirevo");
    SetFont(kFormFont);
    SetBounds({192, 111, 416, 360});
    SetClientSize({408, 333});
    SetMinSize({355, 360});
    AddActionList(ActionManager1);
    ImageList1 = {16, 16, 4, "TOOLBARIMAGES"};
    DesignActions();
    DesignMenuBar();
    DesignToolBar();
    DesignPages();
    DesignResultArea();
    Realign();
    ConnectHandlers();
    // The drop target registers the window, which is made for it here.
    application.Host().Realize(*this);
    URLDropTarget1 = std::make_unique<TURLDropTarget>(
        services.DragDrop, Peer() ? Peer()->Handle() : std::uintptr_t{0});
    URLDropTarget1->OnDrop = [this](TURLDropTarget& sender) { URLDropTarget1Drop(sender); };
    // A failure is reported and the window still opens, as designed where it stopped.
    application.Guard([this] { FormCreate(this); });
}

void TMainForm::DesignActions() {
    auto set = [](TAction& action, const char* category, const char* caption, TShortCut shortCut,
                  std::int32_t image, const char* hint) {
        action.Category = category;
        action.Caption = caption;
        action.ShortCut = shortCut;
        action.ImageIndex = image;
        action.Hint = hint;
    };
    set(ActionExec, "ファイル", "リンク作成", ShortCut(vkReturn, scCtrl), 0, "");
    set(ActionSetting, "ファイル", "設定", scNone, 3, "");
    set(ActionHistory, "ファイル", "履歴", ShortCut('H', scCtrl), -1, "");
    set(FileExit1, "ファイル", "終了", scNone, 2, "終了|アプリケーションを終了する");
    set(EditUndo1, "編集", "元に戻す(&U)", ShortCut('Z', scCtrl), 3,
        "元に戻す|直前の変更を元に戻す");
    set(EditCut1, "編集", "切り取り(&T)", ShortCut('X', scCtrl), 0,
        "切り取り|選択部分を切り取り、クリップボードに送る");
    set(EditCopy1, "編集", "コピー(&C)", ShortCut('C', scCtrl), 1,
        "コピー|選択範囲をクリップボードにコピー");
    set(EditPaste1, "編集", "貼り付け(&P)", ShortCut('V', scCtrl), 2,
        "貼り付け|クリップボードの内容を貼り付ける");
    set(EditDelete1, "編集", "削除(&D)", ShortCut(vkDelete, scNone), 5, "削除|選択部分を削除する");
    set(EditSelectAll1, "編集", "すべてを選択(&A)", ShortCut('A', scCtrl), -1,
        "すべてを選択|ドキュメント全体を選択する");
    set(ActionAbout, "ヘルプ", "バージョン情報...(&A)", scNone, -1, "");
    set(ActionClear, "編集", "クリア", scNone, 1, "");
}

void TMainForm::DesignMenuBar() {
    ActionMainMenuBar1.SetAlign(TAlign::alTop);
    ActionMainMenuBar1.SetBounds({0, 0, 408, 23});
    ActionMainMenuBar1.SetFont(kMenuFont);
    ActionMainMenuBar1.Images = &ImageList1;
    ActionMainMenuBar1.ColorMap = {kBarHighlight, kBarHighlight, clBtnFace};
    const TActionClientItem separator;
    ActionMainMenuBar1.Menus = {
        {"ファイル(&F)",
         {{&ActionExec, "リンク作成(&M)", 0},
          separator,
          {&ActionSetting, "設定...(&S)", 3},
          {&ActionHistory, "履歴(&R)..."},
          separator,
          {&FileExit1, "終了(&X)", 43}}},
        {"編集(&E)",
         {{&EditUndo1},
          separator,
          {&EditCut1},
          {&EditCopy1},
          {&EditPaste1},
          {&EditDelete1},
          separator,
          {&EditSelectAll1},
          {&ActionClear, "クリア(&Z)"}}},
        {"ヘルプ(&H)", {{&ActionAbout, "Mirevo について(&A)"}}},
    };
}

void TMainForm::DesignToolBar() {
    ActionToolBar1.SetAlign(TAlign::alTop);
    ActionToolBar1.SetBounds({0, 23, 408, 26});
    ActionToolBar1.Images = &ImageList1;
    ActionToolBar1.ColorMap = {kBarHighlight, kBarHighlight, clBtnFace};
    const TActionClientItem separator;
    ActionToolBar1.Items = {{&ActionExec, "", 0},    separator,
                            {&ActionClear, "", 1},   separator,
                            {&ActionSetting, "", 3}, {&FileExit1, "", 2}};
}

void TMainForm::DesignPages() {
    PageControl1.SetAlign(TAlign::alTop);
    PageControl1.SetBounds({0, 49, 408, 144});
    EditUrl1.Place(FieldBounds(16), kUrlLabel);
    EditUrl2.Place(FieldBounds(16), kUrlLabel);
    EditTxt2.Place(FieldBounds(51), kTextLabel);
    EditUrl3.Place(FieldBounds(16), kUrlLabel);
    EditImg3.Place(FieldBounds(51), kImageLabel);
    EditUrl4.Place(FieldBounds(16), kUrlLabel);
    EditTxt4.Place(FieldBounds(51), kTextLabel);
    EditImg4.Place(FieldBounds(86), kImageLabel);
    for (TLabeledEdit* edit :
         {&EditUrl1, &EditUrl2, &EditTxt2, &EditUrl3, &EditImg3, &EditUrl4, &EditTxt4, &EditImg4}) {
        edit->SetAnchors(akLeft | akTop | akRight);
        edit->SetClipboard(&services_.Clipboard);
    }
    PageControl1.SetActivePageIndex(0);
}

void TMainForm::DesignResultArea() {
    LabelResult.SetBounds({13, 198, 80, 12});
    LabelResult.SetCaption("リンクコード：");
    DesignResultView();
    ButtonCopyResult.SetBounds({12, 295, 383, 25});
    ButtonCopyResult.SetAnchors(akLeft | akRight | akBottom);
    ButtonCopyResult.SetCaption("クリップボードにコピー");
    ButtonCopyResult.SetEnabled(false);
}

void TMainForm::DesignResultView() {
    TTextMemo& view = TextMemo1;
    view.SetBounds({12, 214, 383, 72});
    view.SetAnchors(kAllAnchors);
    ApplyResultViewDesign(view);
    view.SetClipboard(&services_.ClipboardFormats);
    view.SetText("TextMemo1");
}

void TMainForm::ConnectHandlers() {
    OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
    ActionExec.OnExecute = [this](TObject* sender) { ActionExecExecute(sender); };
    ActionSetting.OnExecute = [this](TObject* sender) { ActionSettingExecute(sender); };
    ActionHistory.OnExecute = [this](TObject* sender) { ActionHistoryExecute(sender); };
    ActionAbout.OnExecute = [this](TObject* sender) { ActionAboutExecute(sender); };
    ActionClear.OnExecute = [this](TObject* sender) { ActionClearExecute(sender); };
    EditUrl1.OnChange = [this](TObject* sender) { EditUrl1Change(sender); };
    EditUrl2.OnChange = [this](TObject* sender) { EditUrl2Change(sender); };
    EditUrl3.OnChange = [this](TObject* sender) { EditUrl3Change(sender); };
    EditUrl4.OnChange = [this](TObject* sender) { EditUrl4Change(sender); };
    EditTxt2.OnChange = [this](TObject* sender) { EditTxt2Change(sender); };
    EditTxt4.OnChange = [this](TObject* sender) { EditTxt4Change(sender); };
    EditImg3.OnChange = [this](TObject* sender) { EditImg3Change(sender); };
    EditImg4.OnChange = [this](TObject* sender) { EditImg4Change(sender); };
    TextMemo1.OnChange = [this](TObject* sender) { TextMemo1Change(sender); };
    ButtonCopyResult.OnClick = [this](TObject* sender) { ButtonCopyResultClick(sender); };
}

// The drop target goes before the window it registered.
TMainForm::~TMainForm() {
    clipboardWatching_.reset();
    URLDropTarget1.reset();
}

}  // namespace mirevo
