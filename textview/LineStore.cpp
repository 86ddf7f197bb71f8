#include "textview/LineStore.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "textview/LineStoreUpdate.h"

namespace mirevo {

namespace {

std::int32_t GrownCapacity(std::int32_t capacity) {
    return capacity <= 64 ? capacity + 16 : capacity + capacity / 4;
}

std::int32_t RoundUpTo16(std::int32_t n) { return (n + 15) / 16 * 16; }

}  // namespace

TLineStore::LineRecord::LineRecord(LineRecord&& other) noexcept
    : text(std::exchange(other.text, nullptr)),
      data(other.data),
      length(other.length),
      lineState(other.lineState),
      expandedLength(other.expandedLength),
      flags(other.flags),
      ownsText(std::exchange(other.ownsText, false)) {}

TLineStore::LineRecord& TLineStore::LineRecord::operator=(LineRecord&& other) noexcept {
    if (this != &other) {
        if (ownsText) delete[] text;
        text = std::exchange(other.text, nullptr);
        ownsText = std::exchange(other.ownsText, false);
        data = other.data;
        length = other.length;
        lineState = other.lineState;
        expandedLength = other.expandedLength;
        flags = other.flags;
    }
    return *this;
}

TLineStore::LineRecord::~LineRecord() {
    if (ownsText) delete[] text;
}

void TLineStore::LineRecord::SetOwnText(std::string_view value) {
    std::unique_ptr<char[]> copy;
    if (!value.empty()) {
        copy = std::make_unique_for_overwrite<char[]>(value.size());
        std::memcpy(copy.get(), value.data(), value.size());
    }
    if (ownsText) delete[] text;
    text = copy.release();
    ownsText = text != nullptr;
    length = static_cast<std::int32_t>(value.size());
}

TLineStore::TLineStore() = default;

TLineStore::~TLineStore() {
    OnChange = nullptr;
    OnChanging = nullptr;
}

// --- Reading -------------------------------------------------------------------------------

std::string_view TLineStore::Get(std::int32_t index) const {
    return index >= 0 && index < Count() ? lines_[index].View() : std::string_view{};
}

void* TLineStore::Object(std::int32_t index) const {
    return index >= 0 && index < Count() ? lines_[index].data : nullptr;
}

std::int32_t TLineStore::LineState(std::int32_t index) const {
    return index >= 0 && index < Count() ? lines_[index].lineState : 0;
}

std::string TLineStore::Text() const {
    if (lines_.Empty()) return {};
    std::size_t size = 2 * (lines_.Size() - 1);
    lines_.ForEach(
        [&size](const LineRecord& line) { size += static_cast<std::size_t>(line.length); });
    std::string text;
    text.reserve(size + 2);  // every line takes a break, and the last one is cut off
    lines_.ForEach([&text](const LineRecord& line) {
        text += line.View();
        text += "\r\n";
    });
    text.resize(size);
    return text;
}

// --- Changing ------------------------------------------------------------------------------

TLineStore::LineRecord TLineStore::NewRecord(std::string_view text, void* data) {
    LineRecord record;
    record.SetOwnText(text);
    record.data = data;
    return record;
}

void TLineStore::CheckIndex(std::int32_t index, std::int32_t last) const {
    if (index < 0 || index > last) {
        throw ELineStoreError("Invalid stringlist index " + std::to_string(index));
    }
}

void TLineStore::Reallocate(std::int32_t capacity) {
    lines_.Reallocate(static_cast<std::size_t>(capacity));
}

void TLineStore::GrowForOneMore() {
    if (Count() == Capacity()) Reallocate(GrownCapacity(Capacity()));
}

void TLineStore::ReserveForAdds(std::size_t lines) {
    // The capacity that one Add per line would reach, taken in one step.
    const auto needed = static_cast<std::int64_t>(Count()) + static_cast<std::int64_t>(lines);
    std::int32_t capacity = Capacity();
    while (capacity < needed) capacity = GrownCapacity(capacity);
    Reallocate(capacity);
}

// Add and Insert: one line in its own bracket.
void TLineStore::InsertRecord(std::int32_t index, LineRecord&& record) {
    TLineStoreUpdate::Around(*this, [&] {
        GrowForOneMore();
        lines_.Insert(static_cast<std::size_t>(index), std::move(record));
        LongestAfterInsert(index, 1);
        Fire(OnLinesInserted, index, 1);
    });
}

std::size_t TLineStore::SharedLinesIn(std::int32_t first, std::int32_t last) const {
    std::size_t shared = 0;
    for (std::int32_t i = first; i < last; ++i) shared += lines_[i].InSharedBlock() ? 1 : 0;
    return shared;
}

void TLineStore::ReleaseShared(std::size_t lines) {
    shared_.liveLines -= lines;
    if (shared_.liveLines == 0) shared_ = {};
}

std::int32_t TLineStore::Add(std::string_view text) {
    const std::int32_t index = Count();
    Insert(index, text);
    return index;
}

void TLineStore::Insert(std::int32_t index, std::string_view text) {
    CheckIndex(index, Count());
    InsertRecord(index, NewRecord(text, nullptr));
}

template <typename Source>
void TLineStore::AppendAll(std::int32_t sourceCount, const Source& lineOf) {
    if (sourceCount <= 0) return;
    TLineStoreUpdate::Around(*this, [&] {
        const std::int32_t first = Count();
        if (first + sourceCount > Capacity()) Reallocate(RoundUpTo16(first + sourceCount));
        // Room is reserved, so reading from this very store while appending stays valid.
        for (std::int32_t i = 0; i < sourceCount; ++i) {
            const auto [text, data] = lineOf(i);
            lines_.PushBack(NewRecord(text, data));
        }
        LongestAfterInsert(first, sourceCount);
        Fire(OnLinesInserted, first, sourceCount);
    });
}

void TLineStore::AddStrings(const TLineStore& source) {
    AppendAll(source.Count(), [&source](std::int32_t i) {
        return std::pair{source.Get(i), source.Object(i)};
    });
}

void TLineStore::AddStrings(std::span<const std::string> source) {
    AppendAll(static_cast<std::int32_t>(source.size()), [source](std::int32_t i) {
        return std::pair{std::string_view(source[static_cast<std::size_t>(i)]),
                         static_cast<void*>(nullptr)};
    });
}

std::int32_t TLineStore::AddObject(std::string_view text, void* object) {
    const std::int32_t index = Count();
    InsertObject(index, text, object);
    return index;
}

void TLineStore::InsertObject(std::int32_t index, std::string_view text, void* object) {
    CheckIndex(index, Count());
    TLineStoreUpdate::Around(*this, [&] {
        Insert(index, text);
        PutObject(index, object);
    });
}

void TLineStore::Move(std::int32_t currentIndex, std::int32_t newIndex) {
    if (currentIndex == newIndex) return;
    CheckIndex(currentIndex, Count() - 1);
    CheckIndex(newIndex, Count() - 1);
    TLineStoreUpdate::Around(*this, [&] {
        const std::string text(Get(currentIndex));
        void* const object = Object(currentIndex);
        Delete(currentIndex);
        InsertObject(newIndex, text, object);
    });
}

void TLineStore::Assign(const TLineStore& source) {
    if (&source == this) return;
    TLineStoreUpdate::Around(*this, [&] {
        Clear();
        AddStrings(source);
    });
}

std::int32_t TLineStore::IndexOf(std::string_view text) const {
    for (std::int32_t i = 0; i < Count(); ++i) {
        if (lines_[i].View() == text) return i;
    }
    return -1;
}

void TLineStore::Put(std::int32_t index, std::string_view text) {
    if (index == Count()) {
        Add(text);
        return;
    }
    CheckIndex(index, Count() - 1);
    TLineStoreUpdate::Around(*this, [&] {
        const std::size_t shared = SharedLinesIn(index, index + 1);
        LineRecord& line = lines_[index];
        const std::int32_t oldLength = line.expandedLength;
        line.SetOwnText(text);
        ReleaseShared(shared);
        line.flags = ExpandedLengthUnknown;
        line.expandedLength = -1;
        LongestAfterPut(index, oldLength);
        Fire(OnLinesReplaced, index, 1);
    });
}

void TLineStore::PutObject(std::int32_t index, void* object) {
    CheckIndex(index, Count() - 1);
    TLineStoreUpdate::Around(*this, [&] { lines_[index].data = object; });
}

void TLineStore::SetLineState(std::int32_t index, std::int32_t state) {
    CheckIndex(index, Count() - 1);
    TLineStoreUpdate::Around(*this, [&] { lines_[index].lineState = state; });
}

void TLineStore::Delete(std::int32_t index) {
    CheckIndex(index, Count() - 1);
    TLineStoreUpdate::Around(*this, [&] {
        const std::size_t shared = SharedLinesIn(index, index + 1);
        lines_.Erase(static_cast<std::size_t>(index), 1);
        ReleaseShared(shared);
        LongestAfterDelete(index, 1);
        Fire(OnLinesDeleted, index, 1);
    });
}

void TLineStore::DeleteLines(std::int32_t index, std::int32_t count) {
    if (count <= 0) return;
    CheckIndex(index, Count() - 1);
    count = std::min(count, Count() - index);
    const std::size_t shared = SharedLinesIn(index, index + count);
    const auto erase = [&] {
        lines_.Erase(static_cast<std::size_t>(index), static_cast<std::size_t>(count));
        ReleaseShared(shared);
    };
    if (index + count < Count()) {
        // Only moving the following lines is a change the painter must bracket.
        TLineStoreUpdate::Around(*this, erase);
    } else {
        erase();
    }
    LongestAfterDelete(index, count);
    Fire(OnLinesDeleted, index, count);
}

void TLineStore::InsertLines(std::int32_t index, std::int32_t count) {
    CheckIndex(index, Count());
    if (count <= 0) return;
    TLineStoreUpdate::Around(*this, [&] {
        Reallocate(Count() + count);
        lines_.InsertDefaults(static_cast<std::size_t>(index), static_cast<std::size_t>(count));
        for (std::int32_t i = index; i < index + count; ++i) {
            // Zeros throughout: state 0 and a known width of 0, right for an empty line.
            LineRecord& line = lines_[i];
            line.lineState = 0;
            line.expandedLength = 0;
            line.flags = 0;
        }
        LongestAfterInsert(index, count);
        Fire(OnLinesInserted, index, count);
    });
}

void TLineStore::Exchange(std::int32_t index1, std::int32_t index2) {
    CheckIndex(index1, Count() - 1);
    CheckIndex(index2, Count() - 1);
    TLineStoreUpdate::Around(*this, [&] {
        std::swap(lines_[index1], lines_[index2]);
        if (longestLine_ == index1) {
            longestLine_ = index2;
        } else if (longestLine_ == index2) {
            longestLine_ = index1;
        }
        // Both lines now show other text: a layout kept by the view must hear of it.
        if (index1 != index2) {
            Fire(OnLinesReplaced, index1, 1);
            Fire(OnLinesReplaced, index2, 1);
        }
    });
}

void TLineStore::Clear() {
    if (Count() > 0) {
        TLineStoreUpdate::Around(*this, [&] {
            lines_.Release();
            shared_ = {};
            Fire(OnLinesCleared);
        });
    }
    ForgetLongest();
}

TSplitResult TLineStore::AddSharedText(std::string&& bytes, TNulHandling nul) {
    MIREVO_ASSERT(shared_.liveLines == 0);  // called on a cleared store only
    const TSplitResult counted = CountLines(bytes, nul);
    ReserveForAdds(counted.lines);
    bytes.resize(counted.end);
    shared_.bytes = std::move(bytes);
    const char* const block = shared_.bytes.data();
    SplitLines(shared_.bytes, TNulHandling::Ordinary, [&](std::size_t start, std::size_t length) {
        LineRecord record;
        if (length > 0) {
            record.text = block + start;
            record.length = static_cast<std::int32_t>(length);
            ++shared_.liveLines;
        }
        InsertRecord(Count(), std::move(record));
    });
    if (shared_.liveLines == 0) shared_ = {};
    return counted;
}

void TLineStore::SetText(std::string_view text) {
    TLineStoreUpdate::Around(*this, [&] {
        Clear();
        if (!text.empty()) AddSharedText(std::string(text), TNulHandling::EndsText);
    });
}

void TLineStore::AdoptText(std::string&& text) {
    TLineStoreUpdate::Around(*this, [&] {
        Clear();
        if (!text.empty()) AddSharedText(std::move(text), TNulHandling::EndsText);
    });
}

void TLineStore::SetCapacity(std::int32_t capacity) {
    if (capacity < Count() || capacity < 0) {
        throw EListError("Stringlist capacity cannot be smaller than count");
    }
    Reallocate(capacity);
}

void TLineStore::BeginUpdate() {
    if (updateCount_ == 0) Fire(OnChanging);
    ++updateCount_;
}

void TLineStore::EndUpdate() {
    MIREVO_ASSERT(updateCount_ > 0);
    if (--updateCount_ == 0) Fire(OnChange);
}

void TLineStore::Fire(const TNotifyEvent& event) {
    if (event) event(*this);
}

void TLineStore::Fire(const TLinesEvent& event, std::int32_t index, std::int32_t count) {
    if (event) event(*this, index, count);
}

}  // namespace mirevo
