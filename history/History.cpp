#include "history/History.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "common/Exception.h"
#include "history/HistoryLine.h"
#include "history/HistorySearch.h"

namespace mirevo {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

void KeepNewest(std::vector<THistoryRecord>& records, std::size_t capacity) {
    if (records.size() <= capacity) return;
    records.erase(records.begin(), records.end() - static_cast<std::ptrdiff_t>(capacity));
}

}  // namespace

struct THistory::Contents {
    std::vector<THistoryRecord> records;  // oldest first, all the file holds
    std::size_t skippedLines = 0;
    std::string_view unendedLine;  // what ends the file's last line, when it has no LF
};

THistory::THistory(IHistoryFile& file, std::size_t capacity) : file_(file), capacity_(capacity) {
    MIREVO_ASSERT(capacity > 0);
    Load();
}

void THistory::Load() { Take(Read()); }

const THistoryRecord& THistory::At(std::size_t index) const {
    MIREVO_ASSERT(index < records_.size());
    return records_[records_.size() - 1 - index];
}

std::vector<std::size_t> THistory::Find(std::string_view search) const {
    const THistorySearch matcher(search);
    std::vector<std::size_t> found;
    for (std::size_t index = 0; index < Count(); ++index) {
        if (matcher.Matches(At(index))) found.push_back(index);
    }
    return found;
}

void THistory::Add(const THistoryRecord& record) {
    MIREVO_ASSERT(IsStorableHistoryRecord(record));
    if (recordsInFile_ >= capacity_) {
        auto records = Read().records;
        records.push_back(record);
        Rewrite(std::move(records));
        return;
    }
    // After a partial line left by a kill the record starts on a line of its own.
    std::string bytes(unendedLine_);
    bytes += HistoryLine(record);
    bytes += kLineBreak;
    file_.Append(bytes);
    records_.push_back(record);
    ++recordsInFile_;
    unendedLine_ = {};
}

void THistory::Delete(const std::vector<std::size_t>& indexes) {
    std::vector<std::size_t> unique(indexes);
    std::sort(unique.begin(), unique.end());
    unique.erase(std::unique(unique.begin(), unique.end()), unique.end());
    std::vector<THistoryRecord> doomed;
    for (const auto index : unique) doomed.push_back(At(index));
    DeleteEqual(doomed);
}

bool THistory::Delete(const THistoryRecord& record) { return DeleteEqual({record}) > 0; }

THistory::Contents THistory::Read() const {
    const std::string bytes = file_.ReadAll();
    Contents contents;
    std::string_view rest(bytes);
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        const auto line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (end == std::string_view::npos) {
            contents.unendedLine = line.ends_with('\r') ? kLineBreak.substr(1) : kLineBreak;
        }
        if (line.empty() || line == "\r") continue;
        auto record = ParseHistoryLine(line);
        if (record) {
            contents.records.push_back(std::move(*record));
        } else {
            ++contents.skippedLines;
        }
    }
    return contents;
}

void THistory::Take(Contents contents) {
    auto& records = contents.records;
    recordsInFile_ = records.size();
    KeepNewest(records, capacity_);
    records_ = std::move(records);
    skippedLines_ = contents.skippedLines;
    unendedLine_ = contents.unendedLine;
}

std::size_t THistory::DeleteEqual(const std::vector<THistoryRecord>& doomed) {
    auto contents = Read();
    auto& records = contents.records;
    std::size_t deleted = 0;
    for (const auto& record : doomed) {
        const auto newest = std::find(records.rbegin(), records.rend(), record);
        if (newest == records.rend()) continue;
        records.erase(std::next(newest).base());
        ++deleted;
    }
    if (deleted == 0) {
        Take(std::move(contents));
    } else {
        Rewrite(std::move(records));
    }
    return deleted;
}

void THistory::Rewrite(std::vector<THistoryRecord> records) {
    KeepNewest(records, capacity_);
    std::string bytes;
    for (const auto& record : records) {
        bytes += HistoryLine(record);
        bytes += kLineBreak;
    }
    file_.Replace(bytes);
    Contents written;
    written.records = std::move(records);
    Take(std::move(written));
}

}  // namespace mirevo
