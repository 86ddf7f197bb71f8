// TListView: rows in columns under a header, as a report list. The list stores no rows: it
// knows how many there are and asks OnCellText for the text of each cell it shows, so a
// long list costs nothing until it is looked at.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace mirevo {

struct TListColumn {
    std::string Caption;
    std::int32_t Width = 0;
};

class TListView : public TControl {
public:
    TListView(TControl* parent, std::string name);

    // The columns, set before the list is realized.
    std::vector<TListColumn> Columns;
    // The text of a cell; asked only for rows below RowCount.
    std::function<std::string(std::size_t row, std::size_t column)> OnCellText;

    std::size_t RowCount() const { return rowCount_; }
    // Sets the number of rows and shows them afresh; no row stays selected.
    void SetRowCount(std::size_t count);

    // The selected rows in ascending order.
    const std::vector<std::size_t>& Selection() const { return selection_; }
    // The first selected row, or nothing.
    std::optional<std::size_t> FirstSelected() const;
    // Selects the rows given (any order; repeats and rows past the end are dropped).
    void Select(std::vector<std::size_t> rows);
    void SelectAll();
    // The user changed the native selection.
    void NativeSelectionChanged(std::vector<std::size_t> rows);

    // The selection changed, by the user or by the program.
    TNotifyEvent OnSelectItem;
    // The user double-clicked a row.
    TNotifyEvent OnDblClick;
    // The user pressed Delete in the list.
    TNotifyEvent OnDeleteKey;
    void DblClick() { Fire(OnDblClick, this); }
    void DeleteKey() { Fire(OnDeleteKey, this); }

private:
    // Sorted, unique and below the row count; true when it differs from the selection.
    bool Take(std::vector<std::size_t> rows);

    std::size_t rowCount_ = 0;
    std::vector<std::size_t> selection_;
};

}  // namespace mirevo
