#include "settings/SettingDialog.h"

#include "common/Trim.h"
#include "settings/IniFile.h"
#include "settings/MemIniFile.h"

namespace mirevo {

namespace {
const TFontSpec kDialogFont{"ＭＳ Ｐゴシック", -12, kShiftJisCharSet};
constexpr TAnchors kStretch = akLeft | akTop | akRight;
}  // namespace

TSettingDialog::TSettingDialog(TApplication& application, TForm* owner, IFileReader& files,
                               IProfileWriter& profileWriter, SessionSettings& settings,
                               std::string settingsFile)
    : TForm(application, "SettingDialog", owner),
      GroupBox1(this, "GroupBox1"),
      EditA8matEsy(&GroupBox1, "EditA8matEsy"),
      EditA8matTxt(&GroupBox1, "EditA8matTxt"),
      EditA8matImg(&GroupBox1, "EditA8matImg"),
      GroupBox2(this, "GroupBox2"),
      CheckBox1(&GroupBox2, "CheckBox1"),
      btnOK(this, "btnOK"),
      btnCancel(this, "btnCancel"),
      GroupBox3(this, "GroupBox3"),
      CheckBoxErrorChk(&GroupBox3, "CheckBoxErrorChk"),
      CheckBoxAutoCopy(&GroupBox3, "CheckBoxAutoCopy"),
      CheckBoxHttps(&GroupBox3, "CheckBoxHttps"),
      CheckBoxClipWatch(&GroupBox3, "CheckBoxClipWatch"),
      files_(files),
      profileWriter_(profileWriter),
      settings_(settings),
      settingsFile_(std::move(settingsFile)) {
    Design();
    OnShow = [this](TObject* sender) { FormShow(sender); };
    btnOK.OnClick = [this](TObject* sender) { btnOKClick(sender); };
}

void TSettingDialog::Design() {
    SetCaption("設定");
    SetBorderStyle(TBorderStyle::bsDialog);
    SetPosition(TPosition::poOwnerFormCenter);
    SetFont(kDialogFont);
    SetClientSize({312, 363});
    GroupBox1.SetBounds({8, 8, 296, 117});
    GroupBox1.SetCaption("必須設定項目");
    EditA8matEsy.Place({104, 20, 179, 20}, "a8mat（簡易）：");
    EditA8matTxt.Place({104, 50, 179, 20}, "a8mat（テキスト）：");
    EditA8matImg.Place({104, 80, 179, 20}, "a8mat（画像）：");
    GroupBox2.SetBounds({8, 133, 296, 52});
    GroupBox2.SetCaption("作成したコードの設定");
    CheckBox1.SetBounds({10, 21, 252, 17});
    CheckBox1.SetCaption("改行を入れる");
    btnOK.SetBounds({146, 326, 75, 25});
    btnOK.SetCaption("OK");
    btnOK.Default = true;
    btnCancel.SetBounds({230, 326, 75, 25});
    btnCancel.SetCaption("キャンセル");
    btnCancel.ModalResult = mrCancel;
    GroupBox3.SetBounds({8, 192, 296, 123});
    GroupBox3.SetCaption("その他の設定");
    CheckBoxErrorChk.SetBounds({10, 46, 252, 17});
    CheckBoxErrorChk.SetCaption("入力エラーをチェックする");
    CheckBoxErrorChk.SetChecked(true);
    CheckBoxAutoCopy.SetBounds({10, 21, 252, 17});
    CheckBoxAutoCopy.SetCaption("結果をクリップボードに自動的にコピーする。");
    CheckBoxHttps.SetBounds({10, 71, 252, 17});
    CheckBoxHttps.SetCaption("https で出力する");
    CheckBoxClipWatch.SetBounds({10, 96, 252, 17});
    CheckBoxClipWatch.SetCaption("コピーしたURLを自動で入力する");
    for (TControl* control :
         {static_cast<TControl*>(&GroupBox1), static_cast<TControl*>(&GroupBox2),
          static_cast<TControl*>(&GroupBox3), static_cast<TControl*>(&EditA8matEsy),
          static_cast<TControl*>(&EditA8matTxt), static_cast<TControl*>(&EditA8matImg)}) {
        control->SetAnchors(kStretch);
    }
    btnOK.SetAnchors(akRight | akBottom);
    btnCancel.SetAnchors(akRight | akBottom);
}

void TSettingDialog::FormShow(TObject*) {
    const TMemIniFile ini(settingsFile_, files_);
    const SessionSettings stored = LoadSessionSettings(ini);
    EditA8matEsy.SetText(stored.a8matEsy);
    EditA8matTxt.SetText(stored.a8matTxt);
    EditA8matImg.SetText(stored.a8matImg);
    CheckBox1.SetChecked(stored.linefeed);
    CheckBoxAutoCopy.SetChecked(stored.autocopy);
    CheckBoxErrorChk.SetChecked(stored.errorcheck);
    storedHttps_ = stored.https;
    storedClipwatch_ = stored.clipwatch;
    CheckBoxHttps.SetChecked(stored.https.value_or(false));
    CheckBoxClipWatch.SetChecked(stored.clipwatch.value_or(false));
}

SessionSettings TSettingDialog::FromControls() const {
    SessionSettings chosen{Trim(EditA8matEsy.Text()),
                           Trim(EditA8matTxt.Text()),
                           Trim(EditA8matImg.Text()),
                           CheckBox1.Checked(),
                           CheckBoxAutoCopy.Checked(),
                           CheckBoxErrorChk.Checked(),
                           std::nullopt};
    // Off stays unwritten until the file has held a value for it.
    if (CheckBoxHttps.Checked() || storedHttps_) chosen.https = CheckBoxHttps.Checked();
    if (CheckBoxClipWatch.Checked() || storedClipwatch_) {
        chosen.clipwatch = CheckBoxClipWatch.Checked();
    }
    return chosen;
}

void TSettingDialog::btnOKClick(TObject*) {
    SetModalResult(mrOk);
    try {
        TIniFile ini(settingsFile_, profileWriter_);
        SaveSessionSettings(ini, FromControls());
    } catch (...) {
        SetModalResult(mrNone);
        throw;
    }
    settings_ = FromControls();
}

}  // namespace mirevo
