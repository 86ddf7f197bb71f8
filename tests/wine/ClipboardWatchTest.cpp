// The clipboard watch on the real platform: it hears a change from the clipboard itself, not
// the program's own copies, and stops when its owner goes.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32ClipboardWatch.h"

namespace mirevo {
namespace {

// Puts text on the clipboard opened without an owner window, as no window of this program
// ever does: the watch takes it for another program's copy.
void CopyWithoutOwner(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

void PumpFor(std::chrono::milliseconds time) {
    const auto end = std::chrono::steady_clock::now() + time;
    while (std::chrono::steady_clock::now() < end) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

TEST(ClipboardWatch, ReportsOthersCopiesOnlyAndOnlyWhileWatching) {
    Win32ClipboardWatch watch;
    Win32Clipboard ours;
    std::vector<std::string> heard;
    {
        const auto watching =
            watch.WatchCopies([&](const std::string& text) { heard.push_back(text); });
        CopyWithoutOwner("http://item.example.co.jp/shop/1/");
        PumpFor(std::chrono::milliseconds(300));
        ours.SetText("our own code");
        PumpFor(std::chrono::milliseconds(300));
    }
    CopyWithoutOwner("after the watch ended");
    PumpFor(std::chrono::milliseconds(300));
    EXPECT_EQ(heard, (std::vector<std::string>{"http://item.example.co.jp/shop/1/"}));
}

TEST(ClipboardWatch, AHandlerThatThrowsGoesToTheApplicationsHandler) {
    std::string caught;
    Win32ClipboardWatch watch([&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            caught = e.what();
        }
    });
    const auto watching =
        watch.WatchCopies([](const std::string&) { throw std::runtime_error("handler failed"); });
    CopyWithoutOwner("x");
    PumpFor(std::chrono::milliseconds(300));
    EXPECT_EQ(caught, "handler failed");
}

}  // namespace
}  // namespace mirevo
