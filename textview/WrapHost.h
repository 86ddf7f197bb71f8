// IWrapHost: what the word-wrap layout asks of the view that shows the text.
#pragma once

#include <bitset>
#include <cstdint>

namespace mirevo {

class TLineStore;

// The view implements this and outlives every layout it hands itself to.
class IWrapHost {
public:
    virtual ~IWrapHost() = default;

    // The text being laid out; the layout reads expanded lines from it.
    virtual TLineStore& Lines() = 0;
    // Whole cells across the text area; 0 while the view has no width.
    virtual std::int32_t VisibleColumns() const = 0;
    // The tab width the view passed to its line store (1 to 256).
    virtual std::int32_t TabWidth() const = 0;
    // Bytes that belong to words; every other byte is a place where a row may break.
    virtual const std::bitset<256>& IdentChars() const = 0;
};

}  // namespace mirevo
