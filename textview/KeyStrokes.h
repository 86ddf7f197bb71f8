// The key-binding table of a view: an ordered list of bindings with its lookups and the
// default bindings every view installs when it is created.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "textview/KeyStroke.h"

namespace mirevo {

class TKeyStrokes {
public:
    static constexpr std::int32_t kDefaultBindingCount = 82;

    TKeyStrokes() = default;
    TKeyStrokes(const TKeyStrokes&) = delete;
    TKeyStrokes& operator=(const TKeyStrokes&) = delete;

    std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
    // An index out of range is an assertion failure. References stay valid until the item
    // is deleted or the table cleared.
    TKeyStroke& Items(std::int32_t index);
    const TKeyStroke& Items(std::int32_t index) const;
    std::int32_t IndexOf(const TKeyStroke& item) const;

    // Appends an empty binding and returns it.
    TKeyStroke& AppendItem();
    // Appends a one-stroke binding without any duplicate check.
    TKeyStroke& AppendBinding(TEditorCommand command, TKeyCode key, TShiftState shift);
    void Delete(std::int32_t index);
    void Clear() { items_.clear(); }

    // Makes this table a copy of source, item by item in order.
    void Assign(const TKeyStrokes& source);

    // Index of the first matching binding, or -1. Shift states compare by Shift, Alt, Ctrl.
    std::int32_t FindOneStroke(TKeyCode key, TShiftState shift) const;
    std::int32_t FindTwoStroke(TKeyCode key, TShiftState shift, TKeyCode key2,
                               TShiftState shift2) const;
    std::int32_t FindShortCutPair(TShortCut shortCut, TShortCut shortCut2) const;

    // Replaces the table by the 82 default bindings, in their order.
    void InstallDefaults();

private:
    template <class Match>
    std::int32_t FindFirst(Match match) const;

    std::vector<std::unique_ptr<TKeyStroke>> items_;
};

}  // namespace mirevo
