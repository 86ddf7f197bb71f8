// The main window's life: creation, closing, the link action, the result and the clipboard.
#include "app/MainForm.h"

#include "about/AboutBox.h"
#include "app/CodePreview.h"
#include "history/HistoryForm.h"
#include "linkgen/BuiltInServices.h"
#include "linkgen/LinkCode.h"
#include "linkgen/ServerNumber.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/HistoryFile.h"
#include "settings/IniFile.h"
#include "settings/MemIniFile.h"
#include "settings/SettingDialog.h"
#include "settings/ServiceOverride.h"
#include "settings/SettingsFile.h"
#include "ui/Application.h"

namespace mirevo {

namespace {
namespace keys = settings_keys;
const char kCopiedMessage[] = "以下のコードをクリップボードにコピーしました：\r\n\r\n";
bool Marked(const TEdit& edit) { return edit.Color() == clInfoBk; }
InputField FieldOf(const TEdit& edit) { return {edit.Text(), Marked(edit)}; }
LinkOptions OptionsOf(const SessionSettings& s, const ServiceAddresses& service) {
    return {s.a8matEsy, s.a8matTxt, s.a8matImg, s.linefeed, s.errorcheck, s.https.value_or(false),
            service};
}
}  // namespace

std::string TMainForm::SettingsFile() const { return SettingsFilePath(Application().ExeName()); }

void TMainForm::FormCreate(TObject*) {
    SetCaption(Application().Title());
    ClearInputs();
    LoadSettings();
    FollowClipboardSetting();
}

// Each placement value is applied before the next is read, so each default is the window's
// value at that moment.
void TMainForm::LoadSettings() {
    const TMemIniFile ini = ReadSettingsOrDefaults();
    TBounds bounds = Bounds();
    bounds.Top = ini.ReadNumber(keys::kForm, keys::kTop, bounds.Top);
    SetBounds(bounds);
    bounds.Left = ini.ReadNumber(keys::kForm, keys::kLeft, bounds.Left);
    SetBounds(bounds);
    bounds.Width = ini.ReadNumber(keys::kForm, keys::kWidth, bounds.Width);
    SetBounds(bounds);
    PageControl1.SetActivePageIndex(
        ini.ReadNumber(keys::kForm, keys::kPage, PageControl1.ActivePageIndex()));
    settings_ = LoadSessionSettings(ini);
    const TServiceOverride service = ReadServiceOverride(ini, BuiltInServiceAddresses());
    service_ = service.addresses;
    if (!service.refusedKeys.empty()) {
        Application().MessageDialog(ServiceRefusalMessage(SettingsFile(), service.refusedKeys));
    }
}

// A file that cannot be read is reported; the run then goes on as without a file, with
// input checking on, rather than with everything off.
TMemIniFile TMainForm::ReadSettingsOrDefaults() {
    try {
        return TMemIniFile(SettingsFile(), services_.Files);
    } catch (const EFOpenError& error) {
        Application().ShowException(error);
        return TMemIniFile::FromText("");
    }
}

void TMainForm::FormClose(TObject*, TCloseAction&) { SavePlacement(); }

void TMainForm::SavePlacement() {
    TIniFile ini(SettingsFile(), services_.ProfileWriter);
    // A maximised or minimised window is stored where it returns to, so that the next start
    // shows a normal window there.
    const TBounds bounds = RestoredBounds();
    ini.WriteNumber(keys::kForm, keys::kTop, bounds.Top);
    ini.WriteNumber(keys::kForm, keys::kLeft, bounds.Left);
    ini.WriteNumber(keys::kForm, keys::kHeight, bounds.Height);
    ini.WriteNumber(keys::kForm, keys::kWidth, bounds.Width);
    ini.WriteNumber(keys::kForm, keys::kPage, PageControl1.ActivePageIndex());
}

TMainForm::TTabFields TMainForm::FieldsOfTab(std::int32_t tabIndex) {
    switch (tabIndex) {
        case 0:
            return {&EditUrl1, nullptr, nullptr};
        case 1:
            return {&EditUrl2, &EditTxt2, nullptr};
        case 2:
            return {&EditUrl3, nullptr, &EditImg3};
        case 3:
            return {&EditUrl4, &EditTxt4, &EditImg4};
        default:
            return {};
    }
}

LinkInputs TMainForm::InputsOfTab(std::int32_t tabIndex) {
    const TTabFields fields = FieldsOfTab(tabIndex);
    const auto field = [](const TEdit* edit) { return edit ? FieldOf(*edit) : InputField{}; };
    return {field(fields.url), field(fields.text), field(fields.image)};
}

void TMainForm::ActionExecExecute(TObject*) {
    const std::int32_t serverNumber = DrawServerNumber(services_.Clock.Count());
    const std::int32_t tabIndex = PageControl1.ActivePageIndex();
    const LinkCodeResult result = AssembleLinkCode(tabIndex, InputsOfTab(tabIndex),
                                                   OptionsOf(settings_, service_), serverNumber);
    if (result.refusal) {
        ShowRefusal(*result.refusal);
    } else {
        ShowResult(result.code);
        RecordInHistory(tabIndex, result.code);
    }
}

void TMainForm::RecordInHistory(std::int32_t tabIndex, const std::string& code) {
    const LinkInputs inputs = InputsOfTab(tabIndex);
    THistoryRecord record{HistoryTime(services_.Clock.LocalTime()),
                          tabIndex,
                          inputs.url.text,
                          inputs.text.text,
                          inputs.image.text,
                          IdentifierOfKind(tabIndex),
                          code};
    History().Add(record);
}

std::string TMainForm::IdentifierOfKind(std::int32_t tabIndex) const {
    switch (tabIndex) {
        case 0:
            return settings_.a8matEsy;
        case 1:
            return settings_.a8matTxt;
        case 2:
            return settings_.a8matImg;
        default:
            return settings_.a8matTxt + " " + settings_.a8matImg;
    }
}

THistory& TMainForm::History() {
    if (!history_) {
        auto file = services_.HistoryFiles.Open(HistoryFilePath(Application().ExeName()));
        history_ = std::make_unique<THistory>(*file);
        historyFile_ = std::move(file);
    }
    return *history_;
}

void TMainForm::ActionHistoryExecute(TObject*) {
    THistory& history = History();
    const TMemIniFile ini = ReadSettingsOrDefaults();
    const TSize stored{
        ini.ReadNumber(keys::kHistory, keys::kWidth, THistoryForm::kDefaultSize.Width),
        ini.ReadNumber(keys::kHistory, keys::kHeight, THistoryForm::kDefaultSize.Height)};
    THistoryForm form(Application(), this, history, services_.Clipboard, services_.HistoryFiles,
                      stored);
    form.OnRestore = [this](const THistoryRecord& record) { RestoreFromHistory(record); };
    form.ShowModal();
    TIniFile out(SettingsFile(), services_.ProfileWriter);
    out.WriteNumber(keys::kHistory, keys::kWidth, form.ClientSize().Width);
    out.WriteNumber(keys::kHistory, keys::kHeight, form.ClientSize().Height);
}

void TMainForm::RestoreFromHistory(const THistoryRecord& record) {
    const TTabFields fields = FieldsOfTab(record.kind);
    if (!fields.url) return;
    PageControl1.SetActivePageIndex(record.kind);
    fields.url->SetText(record.destination);
    if (fields.text) fields.text->SetText(record.linkText);
    if (fields.image) fields.image->SetText(record.imageUrl);
}

void TMainForm::ShowRefusal(LinkMessage message) {
    const std::string text(LinkMessageText(message));
    if (ChannelOf(message) == MessageChannel::PlainDialog) {
        Application().MessageDialog(text);
    } else {
        Application().ShowMessageBox(text, kWarningBoxFlags);
    }
}

void TMainForm::ActionClearExecute(TObject*) { ClearInputs(); }

void TMainForm::ActionSettingExecute(TObject*) {
    TSettingDialog dialog(Application(), this, services_.Files, services_.ProfileWriter, settings_,
                          SettingsFile());
    dialog.ShowModal();
    FollowClipboardSetting();
}

void TMainForm::ActionAboutExecute(TObject*) {
    TAboutBox box(Application(), this, services_.VersionResource, services_.Shell,
                  service_.homePage);
    box.ShowModal();
}

void TMainForm::ShowResult(const std::string& code) {
    TextMemo1.SetText(code);
    TextMemo1Change(&TextMemo1);
    if (!settings_.autocopy) return;
    services_.Clipboard.SetText(code);
    Application().ShowMessageBox(kCopiedMessage + CodePreview(code), kMbIconInformation);
}

void TMainForm::ClearInputs() {
    for (TEdit* edit :
         {&EditUrl1, &EditUrl2, &EditUrl3, &EditUrl4, &EditTxt2, &EditTxt4, &EditImg3, &EditImg4}) {
        edit->SetText("");
    }
    TextMemo1.ClearAll();
    TextMemo1Change(&TextMemo1);
}

void TMainForm::TextMemo1Change(TObject*) {
    ButtonCopyResult.SetEnabled(!TextMemo1.Text().empty());
}

void TMainForm::ButtonCopyResultClick(TObject*) { services_.Clipboard.SetText(TextMemo1.Text()); }

}  // namespace mirevo
