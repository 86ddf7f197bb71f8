// TPrefixSums: a sequence of non-negative counts with the sum before any element, a change
// of one element and the search for the element that holds a position, each in logarithmic
// time (a binary indexed tree). Appending is logarithmic as well; any other change of the
// sequence's length is an Assign, which is linear.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace mirevo {

class TPrefixSums {
public:
    void Assign(std::span<const std::int32_t> counts);
    void Append(std::int32_t count);
    // Adds delta to element index; the element must stay non-negative.
    void Add(std::size_t index, std::int32_t delta);

    std::size_t Size() const { return tree_.size(); }
    std::int32_t Total() const { return total_; }
    // The sum of the elements before index (0..Size()).
    std::int32_t Before(std::size_t index) const;
    // The element whose range holds position (0-based): the one with Before(i) <= position <
    // Before(i + 1). Size() when position is at or past Total(); a position below 0 gives 0.
    std::size_t Find(std::int32_t position) const;

private:
    std::vector<std::int32_t> tree_;  // entry i sums the elements i - lowbit(i + 1) + 1 .. i
    std::int32_t total_ = 0;
};

}  // namespace mirevo
