// The input fields: groups that mirror each other and carry one mark, and dropped addresses.
#include "app/MainForm.h"
#include "linkgen/InputChecks.h"
#include "ui/Application.h"

namespace mirevo {

namespace {
const char kNotMerchantUrl[] = "楽天のURLではありません。";

template <std::size_t N>
void Mark(const std::array<TEdit*, N>& group, bool marked) {
    for (TEdit* member : group) member->SetColor(marked ? clInfoBk : clWindow);
}
}  // namespace

// All texts are written before any colour is set; a write fires the member's own handler,
// and writes of an unchanged text are skipped, so the cascade ends with one verdict.
template <std::size_t N, typename Check>
void TMainForm::SynchronizeGroup(const std::array<TEdit*, N>& group, const TEdit& changed,
                                 const Check& check) {
    const std::string text = changed.Text();
    for (TEdit* member : group) member->SetText(text);
    Mark(group, check(text));
}

bool TMainForm::UrlOk(std::string_view text) const { return UrlAcceptable(text, service_); }
bool TMainForm::ImageUrlOk(std::string_view text) const {
    return ImageUrlAcceptable(text, service_);
}

void TMainForm::EditUrl1Change(TObject*) {
    SynchronizeGroup(UrlGroup(), EditUrl1, [this](std::string_view t) { return UrlOk(t); });
}
void TMainForm::EditUrl2Change(TObject*) {
    SynchronizeGroup(UrlGroup(), EditUrl2, [this](std::string_view t) { return UrlOk(t); });
}
void TMainForm::EditUrl3Change(TObject*) {
    SynchronizeGroup(UrlGroup(), EditUrl3, [this](std::string_view t) { return UrlOk(t); });
}
void TMainForm::EditUrl4Change(TObject*) {
    SynchronizeGroup(UrlGroup(), EditUrl4, [this](std::string_view t) { return UrlOk(t); });
}
void TMainForm::EditTxt2Change(TObject*) {
    SynchronizeGroup(TextGroup(), EditTxt2, LinkTextAcceptable);
}
void TMainForm::EditTxt4Change(TObject*) {
    SynchronizeGroup(TextGroup(), EditTxt4, LinkTextAcceptable);
}
void TMainForm::EditImg3Change(TObject*) {
    SynchronizeGroup(ImageGroup(), EditImg3, [this](std::string_view t) { return ImageUrlOk(t); });
}
void TMainForm::EditImg4Change(TObject*) {
    SynchronizeGroup(ImageGroup(), EditImg4, [this](std::string_view t) { return ImageUrlOk(t); });
}

void TMainForm::URLDropTarget1Drop(TURLDropTarget& Sender) {
    if (!RouteAddress(Sender.DroppedText())) Application().MessageDialog(kNotMerchantUrl);
}

bool TMainForm::RouteAddress(const std::string& text) {
    if (ImageUrlOk(text)) {
        for (TEdit* member : ImageGroup()) member->SetText(text);
        Mark(ImageGroup(), true);
    } else if (UrlOk(text)) {
        for (TEdit* member : UrlGroup()) member->SetText(text);
        Mark(UrlGroup(), true);
    } else {
        return false;
    }
    return true;
}

void TMainForm::ClipboardCopied(const std::string& text) {
    if (!AFieldHasTheFocus()) RouteAddress(text);
}

bool TMainForm::AFieldHasTheFocus() const {
    const TEdit* fields[] = {&EditUrl1, &EditUrl2, &EditTxt2, &EditUrl3,
                             &EditImg3, &EditUrl4, &EditTxt4, &EditImg4};
    for (const TEdit* field : fields) {
        if (field->Focused()) return true;
    }
    return false;
}

void TMainForm::FollowClipboardSetting() {
    if (!settings_.clipwatch.value_or(false)) {
        clipboardWatching_.reset();
    } else if (!clipboardWatching_) {
        clipboardWatching_ = services_.ClipboardWatch.WatchCopies(
            [this](const std::string& text) { ClipboardCopied(text); });
    }
}

}  // namespace mirevo
