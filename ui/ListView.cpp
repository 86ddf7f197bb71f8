#include "ui/ListView.h"

#include <algorithm>
#include <numeric>

namespace mirevo {

TListView::TListView(TControl* parent, std::string name)
    : TControl(parent, std::move(name), TControlKind::ListView) {
    SetTabStop(true);
    SetColor(clWindow);
}

void TListView::SetRowCount(std::size_t count) {
    rowCount_ = count;
    const bool hadSelection = !selection_.empty();
    selection_.clear();
    Notify(TControlState::Rows);
    if (hadSelection) Fire(OnSelectItem, this);
}

std::optional<std::size_t> TListView::FirstSelected() const {
    if (selection_.empty()) return std::nullopt;
    return selection_.front();
}

void TListView::Select(std::vector<std::size_t> rows) {
    if (!Take(std::move(rows))) return;
    Notify(TControlState::Selection);
    Fire(OnSelectItem, this);
}

void TListView::SelectAll() {
    std::vector<std::size_t> all(rowCount_);
    std::iota(all.begin(), all.end(), std::size_t{0});
    Select(std::move(all));
}

void TListView::NativeSelectionChanged(std::vector<std::size_t> rows) {
    if (Take(std::move(rows))) Fire(OnSelectItem, this);
}

bool TListView::Take(std::vector<std::size_t> rows) {
    std::erase_if(rows, [this](std::size_t row) { return row >= rowCount_; });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows == selection_) return false;
    selection_ = std::move(rows);
    return true;
}

}  // namespace mirevo
