// THistoryForm: the window "履歴" listing the generated links newest first. A search field
// filters the list as it is typed (destination, link text, identifier); the buttons copy an
// entry's code again, put its fields back into the main window, delete entries and save the
// list as CSV. Down in the search field goes into the list, Enter copies, Delete in the list
// deletes, Escape closes.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "history/History.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/StdControls.h"

namespace mirevo {

class IClipboard;
class IHistoryFiles;

class THistoryForm : public TForm {
public:
    static constexpr TSize kDefaultSize{640, 400};
    static constexpr TSize kMinSize{480, 240};
    static constexpr std::int32_t kMaxExtent = 10000;

    // Shows the history (read again from its file first) at a client size stored before,
    // kept between kMinSize and kMaxExtent. The history and the services must outlive it.
    THistoryForm(TApplication& application, TForm* owner, THistory& history, IClipboard& clipboard,
                 IHistoryFiles& files, TSize size = kDefaultSize);

    // Declared in tab order.
    TLabel LabelSearch;
    TEdit EditSearch;
    TLabel LabelCount;
    TListView ListHistory;
    TLabel LabelStatus;
    TButton btnCopy;
    TButton btnRestore;
    TButton btnDelete;
    TButton btnExport;
    TButton btnClose;

    // Asked to put an entry's fields back into the main window; the window then closes.
    std::function<void(const THistoryRecord&)> OnRestore;

    void FormShow(TObject* Sender);
    void EditSearchChange(TObject* Sender);
    // Takes Down into the list when it has rows.
    bool EditSearchKeyDown(TShortCut key);
    void ListHistorySelectItem(TObject* Sender);
    // Copies the code of the first selected entry.
    void btnCopyClick(TObject* Sender);
    void btnRestoreClick(TObject* Sender);
    // Deletes the selected entries once the user confirms.
    void btnDeleteClick(TObject* Sender);
    // Saves the entries the list shows, in its order, as CSV where the user chooses.
    void btnExportClick(TObject* Sender);

    // The history's indexes of the rows shown, top to bottom.
    const std::vector<std::size_t>& Shown() const { return shown_; }
    // The text of a cell of the list: time, kind, destination, link text, image, identifier.
    std::string CellText(std::size_t row, std::size_t column) const;

private:
    void Design(TSize size);
    void ConnectHandlers();
    // Lists the records matching the search; the first row (or the one at keepRow) is selected.
    void Filter(std::size_t keepRow = 0);
    const THistoryRecord* FirstSelectedRecord() const;

    THistory& history_;
    IClipboard& clipboard_;
    IHistoryFiles& files_;
    std::vector<std::size_t> shown_;
};

}  // namespace mirevo
