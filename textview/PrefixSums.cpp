#include "textview/PrefixSums.h"

#include <bit>

#include "common/Exception.h"

namespace mirevo {

namespace {

// The number of elements that 1-based entry n of the tree sums.
std::size_t Span(std::size_t n) { return n & (~n + 1); }

}  // namespace

void TPrefixSums::Assign(std::span<const std::int32_t> counts) {
    tree_.assign(counts.begin(), counts.end());
    total_ = 0;
    for (std::size_t n = 1; n <= tree_.size(); ++n) {
        total_ += counts[n - 1];
        const std::size_t parent = n + Span(n);
        if (parent <= tree_.size()) tree_[parent - 1] += tree_[n - 1];
    }
}

void TPrefixSums::Append(std::int32_t count) {
    MIREVO_ASSERT(count >= 0);
    const std::size_t n = tree_.size() + 1;
    // Entry n sums the new element and the Span(n) - 1 elements before it.
    tree_.push_back(count + Before(n - 1) - Before(n - Span(n)));
    total_ += count;
}

void TPrefixSums::Add(std::size_t index, std::int32_t delta) {
    MIREVO_ASSERT(index < tree_.size());
    for (std::size_t n = index + 1; n <= tree_.size(); n += Span(n)) tree_[n - 1] += delta;
    total_ += delta;
}

std::int32_t TPrefixSums::Before(std::size_t index) const {
    MIREVO_ASSERT(index <= tree_.size());
    std::int32_t sum = 0;
    for (std::size_t n = index; n > 0; n -= Span(n)) sum += tree_[n - 1];
    return sum;
}

std::size_t TPrefixSums::Find(std::int32_t position) const {
    if (position < 0) return 0;
    std::size_t n = 0;
    std::int32_t rest = position;
    for (std::size_t step = std::bit_floor(tree_.size()); step > 0; step /= 2) {
        if (n + step <= tree_.size() && tree_[n + step - 1] <= rest) {
            n += step;
            rest -= tree_[n - 1];
        }
    }
    return n;
}

}  // namespace mirevo
