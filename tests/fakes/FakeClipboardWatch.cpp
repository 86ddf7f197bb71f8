#include "tests/fakes/FakeClipboardWatch.h"

namespace mirevo::testing_support {

namespace {

class FakeWatching final : public IClipboardWatching {
public:
    explicit FakeWatching(IClipboardWatch::TCopied& slot) : slot_(slot) {}
    ~FakeWatching() override { slot_ = nullptr; }

private:
    IClipboardWatch::TCopied& slot_;
};

}  // namespace

std::unique_ptr<IClipboardWatching> FakeClipboardWatch::WatchCopies(TCopied copied) {
    ++watchesStarted;
    copied_ = std::move(copied);
    return std::make_unique<FakeWatching>(copied_);
}

}  // namespace mirevo::testing_support
