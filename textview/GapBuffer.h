// TGapBuffer: a sequence kept in one block of slots with a movable gap of free slots.
//
// An insert or erase moves the gap to the place of the change first, which costs one move per
// element between the old and the new place, and then costs only what it changes. Edits
// that stay near one place, as a user's do, therefore cost what they change, however long
// the sequence is.
//
// The number of slots is the caller's: it changes only through Reallocate and Release, and
// an insert needs a free slot (Free() > 0). T must be default-constructible and movable, and a
// moved-from T must own nothing; an element erased is replaced by a default value at once,
// which frees what it owns.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>

#include "common/Exception.h"

namespace mirevo {

template <typename T>
class TGapBuffer {
public:
    TGapBuffer() = default;
    TGapBuffer(const TGapBuffer&) = delete;
    TGapBuffer& operator=(const TGapBuffer&) = delete;
    TGapBuffer(TGapBuffer&&) noexcept = default;
    TGapBuffer& operator=(TGapBuffer&&) noexcept = default;

    std::size_t Size() const { return slots_ - GapLength(); }
    std::size_t Slots() const { return slots_; }
    std::size_t Free() const { return GapLength(); }
    bool Empty() const { return Size() == 0; }

    T& operator[](std::size_t index) { return data_[Slot(index)]; }
    const T& operator[](std::size_t index) const { return data_[Slot(index)]; }

    // Moves the elements into exactly `slots` slots (at least Size()), the gap at the end.
    void Reallocate(std::size_t slots) {
        MIREVO_ASSERT(slots >= Size());
        if (slots == slots_) return;
        auto fresh = std::make_unique<T[]>(slots);
        std::move(data_.get(), data_.get() + gapStart_, fresh.get());
        std::move(data_.get() + gapEnd_, data_.get() + slots_, fresh.get() + gapStart_);
        gapStart_ = Size();
        gapEnd_ = slots;
        slots_ = slots;
        data_ = std::move(fresh);
    }
    // Drops every element and every slot.
    void Release() { *this = TGapBuffer(); }

    // Inserts value before index (0..Size()); needs a free slot.
    void Insert(std::size_t index, T&& value) {
        MIREVO_ASSERT(index <= Size() && Free() > 0);
        MoveGapTo(index);
        data_[gapStart_++] = std::move(value);
    }
    // Inserts count default values before index (0..Size()); needs count free slots.
    void InsertDefaults(std::size_t index, std::size_t count) {
        MIREVO_ASSERT(index <= Size() && Free() >= count);
        MoveGapTo(index);
        Reset(gapStart_, gapStart_ + count);
        gapStart_ += count;
    }
    void PushBack(T&& value) { Insert(Size(), std::move(value)); }
    // Removes count elements from index; the range must lie inside the sequence.
    void Erase(std::size_t index, std::size_t count) {
        MIREVO_ASSERT(index <= Size() && count <= Size() - index);
        MoveGapTo(index);
        Reset(gapEnd_, gapEnd_ + count);
        gapEnd_ += count;
    }

    // Calls visit(element) for every element in order.
    template <typename Visit>
    void ForEach(Visit&& visit) const {
        std::for_each(data_.get(), data_.get() + gapStart_, visit);
        std::for_each(data_.get() + gapEnd_, data_.get() + slots_, visit);
    }

private:
    std::size_t GapLength() const { return gapEnd_ - gapStart_; }
    std::size_t Slot(std::size_t index) const {
        return index < gapStart_ ? index : index + GapLength();
    }
    void Reset(std::size_t first, std::size_t last) {
        for (std::size_t slot = first; slot < last; ++slot) data_[slot] = T();
    }
    void MoveGapTo(std::size_t index) {
        T* const data = data_.get();
        if (GapLength() == 0) {
            // Nothing to move; moving each element onto itself might empty it.
        } else if (index < gapStart_) {
            std::move_backward(data + index, data + gapStart_, data + gapEnd_);
        } else if (index > gapStart_) {
            std::move(data + gapEnd_, data + gapEnd_ + (index - gapStart_), data + gapStart_);
        }
        const std::size_t gap = GapLength();
        gapStart_ = index;
        gapEnd_ = index + gap;
    }

    std::unique_ptr<T[]> data_;
    std::size_t slots_ = 0;
    std::size_t gapStart_ = 0;
    std::size_t gapEnd_ = 0;
};

}  // namespace mirevo
