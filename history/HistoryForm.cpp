#include "history/HistoryForm.h"

#include <algorithm>
#include <array>

#include "history/HistoryCsv.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/HistoryFile.h"
#include "ui/Application.h"

namespace mirevo {

namespace {

const TFontSpec kFormFont{"ＭＳ Ｐゴシック", -12, kShiftJisCharSet};
constexpr std::size_t kColumnCount = 6;

std::int32_t Extent(std::int32_t stored, std::int32_t minimum) {
    return std::clamp(stored, minimum, THistoryForm::kMaxExtent);
}

// A list row is one line: breaks and other control bytes show as spaces (no control byte is
// the second byte of a character).
std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return text;
}

std::string Count(std::size_t count) { return std::to_string(count) + " 件"; }

}  // namespace

THistoryForm::THistoryForm(TApplication& application, TForm* owner, THistory& history,
                           IClipboard& clipboard, IHistoryFiles& files, TSize size)
    : TForm(application, "HistoryForm", owner),
      LabelSearch(this, "LabelSearch"),
      EditSearch(this, "EditSearch"),
      LabelCount(this, "LabelCount"),
      ListHistory(this, "ListHistory"),
      LabelStatus(this, "LabelStatus"),
      btnCopy(this, "btnCopy"),
      btnRestore(this, "btnRestore"),
      btnDelete(this, "btnDelete"),
      btnExport(this, "btnExport"),
      btnClose(this, "btnClose"),
      history_(history),
      clipboard_(clipboard),
      files_(files) {
    Design(size);
    ConnectHandlers();
    EditSearch.SetClipboard(&clipboard);
}

void THistoryForm::Design(TSize size) {
    SetCaption("履歴");
    SetPosition(TPosition::poOwnerFormCenter);
    SetFont(kFormFont);
    SetMinSize(kMinSize);
    SetClientSize({640, 400});
    LabelSearch.SetBounds({8, 12, 40, 12});
    LabelSearch.SetCaption("検索：");
    EditSearch.SetBounds({48, 8, 400, 20});
    EditSearch.SetColor(clWindow);
    EditSearch.SetAnchors(akLeft | akTop | akRight);
    LabelCount.SetBounds({456, 12, 176, 12});
    LabelCount.RightAligned = true;
    LabelCount.SetAnchors(akTop | akRight);
    ListHistory.SetBounds({8, 36, 624, 318});
    ListHistory.SetAnchors(kAllAnchors);
    ListHistory.Columns = {{"日時", 140},           {"種類", 124},    {"リンク先", 200},
                           {"リンクテキスト", 110}, {"画像URL", 160}, {"a8mat", 80}};
    LabelStatus.SetBounds({8, 369, 104, 12});
    LabelStatus.SetAnchors(akLeft | akBottom);
    const auto button = [](TButton& b, std::int32_t left, std::int32_t width, const char* caption) {
        b.SetBounds({left, 363, width, 25});
        b.SetCaption(caption);
        b.SetAnchors(akRight | akBottom);
    };
    button(btnCopy, 120, 120, "コードをコピー(&C)");
    button(btnRestore, 248, 110, "入力欄に戻す(&I)");
    button(btnDelete, 366, 75, "削除(&D)");
    button(btnExport, 449, 100, "CSV 保存(&S)...");
    button(btnClose, 557, 75, "閉じる");
    btnCopy.Default = true;
    btnClose.Cancel = true;
    btnClose.ModalResult = mrCancel;
    SetClientSize({Extent(size.Width, kMinSize.Width), Extent(size.Height, kMinSize.Height)});
}

void THistoryForm::ConnectHandlers() {
    OnShow = [this](TObject* sender) { FormShow(sender); };
    EditSearch.OnChange = [this](TObject* sender) { EditSearchChange(sender); };
    ListHistory.OnCellText = [this](std::size_t row, std::size_t column) {
        return CellText(row, column);
    };
    ListHistory.OnSelectItem = [this](TObject* sender) { ListHistorySelectItem(sender); };
    ListHistory.OnDblClick = [this](TObject* sender) { btnCopyClick(sender); };
    ListHistory.OnDeleteKey = [this](TObject* sender) { btnDeleteClick(sender); };
    EditSearch.OnKeyDown = [this](TShortCut key) { return EditSearchKeyDown(key); };
    btnCopy.OnClick = [this](TObject* sender) { btnCopyClick(sender); };
    btnRestore.OnClick = [this](TObject* sender) { btnRestoreClick(sender); };
    btnDelete.OnClick = [this](TObject* sender) { btnDeleteClick(sender); };
    btnExport.OnClick = [this](TObject* sender) { btnExportClick(sender); };
}

// Down goes from the search into the list, onto its selected row, as below any filter field.
bool THistoryForm::EditSearchKeyDown(TShortCut key) {
    if (key != kKeyDown || ListHistory.RowCount() == 0) return false;
    ListHistory.SetFocus();
    return true;
}

// What another copy of the program added since is shown too; lines that hold no record are
// counted, so the user knows the file was damaged.
void THistoryForm::FormShow(TObject*) {
    SetActiveControl(&EditSearch);
    EditSearch.SetFocus();
    Filter();  // what was read before stays listed when the file cannot be read again
    history_.Load();
    Filter();
    if (history_.SkippedLines() > 0) {
        LabelStatus.SetCaption("読めない行 " + std::to_string(history_.SkippedLines()));
    }
}

void THistoryForm::EditSearchChange(TObject*) { Filter(); }

void THistoryForm::Filter(std::size_t keepRow) {
    shown_ = history_.Find(EditSearch.Text());
    ListHistory.SetRowCount(shown_.size());
    if (!shown_.empty()) ListHistory.Select({std::min(keepRow, shown_.size() - 1)});
    std::string count = Count(shown_.size());
    if (shown_.size() != history_.Count()) count += "（全 " + Count(history_.Count()) + "）";
    LabelCount.SetCaption(count);
    ListHistorySelectItem(&ListHistory);
}

void THistoryForm::ListHistorySelectItem(TObject*) {
    const std::size_t selected = ListHistory.Selection().size();
    btnCopy.SetEnabled(selected > 0);
    btnRestore.SetEnabled(selected > 0);
    btnDelete.SetEnabled(selected > 0);
    btnExport.SetEnabled(!shown_.empty());
}

std::string THistoryForm::CellText(std::size_t row, std::size_t column) const {
    if (row >= shown_.size()) return {};
    const THistoryRecord& record = history_.At(shown_[row]);
    const std::array<std::string_view, kColumnCount> cells = {
        record.time,        HistoryKindName(record.kind),
        record.destination, record.linkText,
        record.imageUrl,    record.identifier};
    return column < cells.size() ? OneLine(std::string(cells[column])) : std::string();
}

const THistoryRecord* THistoryForm::FirstSelectedRecord() const {
    const auto row = ListHistory.FirstSelected();
    return row ? &history_.At(shown_[*row]) : nullptr;
}

void THistoryForm::btnCopyClick(TObject*) {
    const THistoryRecord* record = FirstSelectedRecord();
    if (!record) return;
    clipboard_.SetText(record->code);
    LabelStatus.SetCaption("コピーしました");
}

void THistoryForm::btnRestoreClick(TObject*) {
    const THistoryRecord* record = FirstSelectedRecord();
    if (!record) return;
    if (OnRestore) OnRestore(*record);
    SetModalResult(mrOk);
}

void THistoryForm::btnDeleteClick(TObject*) {
    const std::vector<std::size_t>& rows = ListHistory.Selection();
    if (rows.empty()) return;
    const std::string question = "選択した " + Count(rows.size()) + "の履歴を削除しますか？";
    if (Application().ShowMessageBox(question, kMbYesNo | kMbIconQuestion | kMbDefButton2) !=
        kIdYes) {
        return;
    }
    std::vector<std::size_t> doomed;
    doomed.reserve(rows.size());
    for (const std::size_t row : rows) doomed.push_back(shown_[row]);
    const std::size_t firstRow = rows.front();
    history_.Delete(doomed);
    Filter(firstRow);
    LabelStatus.SetCaption("削除しました");
}

void THistoryForm::btnExportClick(TObject*) {
    if (shown_.empty()) return;
    const auto path = Application().Dialogs().AskSaveFileName(
        {"履歴を CSV で保存", "履歴.csv", "CSV ファイル", "csv"});
    if (!path) return;
    std::vector<THistoryRecord> records;
    records.reserve(shown_.size());
    for (const std::size_t index : shown_) records.push_back(history_.At(index));
    files_.Open(*path)->Replace(HistoryCsv(records));
    LabelStatus.SetCaption("保存しました");
}

}  // namespace mirevo
