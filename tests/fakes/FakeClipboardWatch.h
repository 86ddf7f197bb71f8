// The clipboard watch for tests: a test copies "in another program" with CopyElsewhere.
#pragma once

#include <memory>
#include <string>

#include "platform/ClipboardWatch.h"

namespace mirevo::testing_support {

class FakeClipboardWatch final : public IClipboardWatch {
public:
    std::unique_ptr<IClipboardWatching> WatchCopies(TCopied copied) override;

    // Reports the text to the watcher, if one is watching.
    void CopyElsewhere(const std::string& text) const {
        if (copied_) copied_(text);
    }
    bool Watching() const { return static_cast<bool>(copied_); }
    int watchesStarted = 0;

private:
    TCopied copied_;
};

}  // namespace mirevo::testing_support
