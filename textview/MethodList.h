// A chain of event handlers, called from the most recently added to the first, that
// guards itself against re-entry.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace mirevo {

template <class... Args>
class TMethodList {
public:
    using THandler = std::function<void(Args...)>;
    // Names a handler for Remove; 0 names none.
    using THandle = std::uint32_t;

    // An empty handler is not added and gets 0.
    THandle Add(THandler handler) {
        if (!handler) return 0;
        entries_.push_back({++lastHandle_, std::make_shared<const THandler>(std::move(handler))});
        return lastHandle_;
    }

    // An unknown handle is ignored.
    void Remove(THandle handle) {
        std::erase_if(entries_, [&](const auto& e) { return e.Handle == handle; });
    }

    std::int32_t Count() const { return static_cast<std::int32_t>(entries_.size()); }
    bool Running() const { return running_; }

    // Calls the handlers, newest first, while stop() is false (it is asked before each).
    // A nested Call while one runs returns at once; the guard is released also when a handler
    // throws. A handler removed during the run is not called any more; one added during the
    // run waits for the next.
    template <class Stop>
    void Call(Stop stop, Args... args) {
        if (running_) return;
        const TRunGuard guard(running_);
        const std::vector<TEntry> snapshot = entries_;
        for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
            if (stop()) return;
            if (Contains(it->Handle)) (*it->Code)(args...);
        }
    }

    void CallAll(Args... args) {
        Call([] { return false; }, args...);
    }

private:
    struct TEntry {
        THandle Handle;
        // Shared so that a handler that removes itself is not destroyed while it runs.
        std::shared_ptr<const THandler> Code;
    };

    class TRunGuard {
    public:
        explicit TRunGuard(bool& running) : running_(running) { running_ = true; }
        ~TRunGuard() { running_ = false; }
        TRunGuard(const TRunGuard&) = delete;
        TRunGuard& operator=(const TRunGuard&) = delete;

    private:
        bool& running_;
    };

    bool Contains(THandle handle) const {
        for (const auto& entry : entries_) {
            if (entry.Handle == handle) return true;
        }
        return false;
    }

    std::vector<TEntry> entries_;
    THandle lastHandle_ = 0;
    bool running_ = false;
};

}  // namespace mirevo
