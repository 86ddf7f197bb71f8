// What the main window asks of its result view, and nothing more.
#pragma once

#include <string>

namespace mirevo {

class IResultView {
public:
    virtual ~IResultView() = default;
    // Replaces the whole text; raises no change event.
    virtual void SetWholeText(const std::string& text) = 0;
    // The lines joined by CR LF.
    virtual std::string WholeText() const = 0;
    // Empties the view completely: text, marks, undo and redo history, modified flag.
    // Raises no change event.
    virtual void ClearAll() = 0;
};

}  // namespace mirevo
