// The URL drop target on the real platform: its IDropTarget, its registration, a real drag.
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "droptarget/URLDropTarget.h"
#include "platform/win32/Win32TextDrops.h"
#include "platform/win32/Win32DropTarget.h"
#include "tests/fakes/FakeTextDrops.h"
#include "tests/wine/DropTargetTestObjects.h"

namespace mirevo {
namespace {

using testing_support::DragWatchdog;
using testing_support::FakeTextDrops;
using testing_support::TestDataObject;
using testing_support::TestDropSource;
using Offer = TestDataObject::Offer;

constexpr DWORD kOffered = DROPEFFECT_COPY | DROPEFFECT_LINK;

// OLE's set-up is per thread; each test that needs it gets a fresh one.
template <typename Body>
void OnOwnThread(Body body) {
    std::thread thread(body);
    thread.join();
}

HWND CreateTestWindow(int left) {
    static const ATOM windowClass = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "MirevoDropTargetTest";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        return RegisterClassA(&wc);
    }();
    return CreateWindowExA(WS_EX_TOPMOST, MAKEINTATOM(windowClass), "drop here",
                           WS_POPUP | WS_VISIBLE, left, 100, 200, 200, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// RegisterDragDrop of a probe tells whether the window has a drop target already.
bool HasDropTarget(HWND window) {
    FakeTextDrops unused;
    TURLDropTarget probeTarget(unused, 0);
    Win32DropTarget probe(probeTarget);
    const HRESULT result = RegisterDragDrop(window, &probe);
    if (result == S_OK) RevokeDragDrop(window);
    return result == DRAGDROP_E_ALREADYREGISTERED;
}

class DropTargetComObject : public ::testing::Test {
protected:
    FakeTextDrops drops_;
    TURLDropTarget target_{drops_, 0};
    Win32DropTarget com_{target_};
};

TEST_F(DropTargetComObject, DragStepsAnswerWhatTheHandlersSayAndCopyNeverMove) {
    TestDataObject data(Offer::GlobalText, "x");
    DWORD effect = kOffered;
    EXPECT_EQ(com_.DragEnter(&data, 0, POINTL{1, 2}, &effect), S_OK);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(com_.DragOver(0, POINTL{1, 2}, &effect), S_OK);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    effect = DROPEFFECT_MOVE;  // a source that only moves is refused
    EXPECT_EQ(com_.DragOver(0, POINTL{1, 2}, &effect), S_OK);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    EXPECT_EQ(com_.DragLeave(), S_OK);
    target_.OnDragEnter = [](TURLDropTarget&, std::int32_t& accept) { accept = S_FALSE; };
    target_.OnDragOver = [](TURLDropTarget&, std::int32_t& accept) { accept = E_FAIL; };
    target_.OnDragLeave = [](TURLDropTarget&, std::int32_t& accept) { accept = E_INVALIDARG; };
    effect = kOffered;
    EXPECT_EQ(com_.DragEnter(&data, MK_LBUTTON, POINTL{1, 2}, &effect), S_FALSE);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    EXPECT_EQ(com_.DragOver(MK_LBUTTON, POINTL{3, 4}, &effect), E_FAIL);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    EXPECT_EQ(com_.DragLeave(), E_INVALIDARG);
    EXPECT_TRUE(data.requests.empty());  // the data is not looked at before the drop
}

// Text is taken only from S_OK and global memory, up to its first zero byte and never past
// the block; every medium is released; the drop answers GetData's result, and copy only when
// text was taken.
TEST_F(DropTargetComObject, ADropTakesTextFromGlobalMemoryOnlyAndAlwaysRaisesOnDrop) {
    struct Case {
        const char* what;
        Offer offer;
        std::string text;
        HRESULT answer;
        HRESULT result;
        std::string dropped;
    };
    const Case cases[] = {
        {"address", Offer::GlobalText, "http://mall.example.co.jp/item/", S_OK, S_OK,
         "http://mall.example.co.jp/item/"},
        {"Japanese", Offer::GlobalText, "日本語のテキスト", S_OK, S_OK, "日本語のテキスト"},
        {"empty", Offer::GlobalText, "", S_OK, S_OK, ""},
        {"up to the first zero", Offer::GlobalText, std::string("abc\0def", 7), S_OK, S_OK, "abc"},
        {"no zero byte", Offer::UnterminatedText, "abc\x81", S_OK, S_OK, "abc\x81"},
        {"a stream", Offer::StreamText, "in a stream", S_OK, S_OK, "previous"},
        {"no text", Offer::NoText, "", S_OK, DV_E_FORMATETC, "previous"},
        {"success but not S_OK", Offer::GlobalText, "x", DATA_S_SAMEFORMATETC, DATA_S_SAMEFORMATETC,
         "previous"},
    };
    for (const Case& c : cases) {
        TestDataObject previous(Offer::GlobalText, "previous");
        DWORD effect = kOffered;
        ASSERT_EQ(com_.Drop(&previous, 0, POINTL{}, &effect), S_OK);
        std::vector<std::string> seen;
        target_.OnBeforeDrop = [&](TURLDropTarget& sender) {
            seen.push_back("before " + sender.DroppedText());
        };
        target_.OnDrop = [&](TURLDropTarget& sender) { seen.push_back(sender.DroppedText()); };
        TestDataObject data(c.offer, c.text, c.answer);
        effect = kOffered;
        EXPECT_EQ(com_.Drop(&data, MK_LBUTTON, POINTL{10, 10}, &effect), c.result) << c.what;
        target_.OnBeforeDrop = nullptr;
        target_.OnDrop = nullptr;

        EXPECT_EQ(seen, (std::vector<std::string>{"before previous", c.dropped})) << c.what;
        const bool took = c.dropped != "previous";
        EXPECT_EQ(effect, took ? DWORD{DROPEFFECT_COPY} : DWORD{DROPEFFECT_NONE}) << c.what;
        EXPECT_EQ(data.references, 1) << c.what << ": medium not released";
        EXPECT_EQ(data.StreamReferencesBesidesOurs(), 0u) << c.what;
        ASSERT_EQ(data.requests.size(), 1u) << c.what;
        const FORMATETC& asked = data.requests[0];
        EXPECT_EQ(asked.cfFormat, CF_TEXT);
        EXPECT_EQ(asked.ptd, nullptr);
        EXPECT_EQ(asked.dwAspect, static_cast<DWORD>(DVASPECT_CONTENT));
        EXPECT_EQ(asked.lindex, -1);
        EXPECT_EQ(asked.tymed, 0xFFFFFFFFu);
    }
}

TEST_F(DropTargetComObject, NoExceptionEscapesIntoThePlatform) {
    std::string caught;
    Win32DropTarget guarded(target_, [&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            caught = e.what();
        }
    });
    target_.OnDrop = [](TURLDropTarget&) { throw std::runtime_error("handler failed"); };
    target_.OnDragEnter = [](TURLDropTarget&, std::int32_t&) { throw 42; };
    TestDataObject data(Offer::GlobalText, "x");
    DWORD effect = kOffered;
    EXPECT_EQ(guarded.Drop(&data, 0, POINTL{}, &effect), E_UNEXPECTED);
    EXPECT_EQ(caught, "handler failed");
    EXPECT_EQ(data.references, 1);
    EXPECT_EQ(com_.DragEnter(&data, 0, POINTL{}, &effect), E_UNEXPECTED);  // no handler given
    target_.OnDrop = nullptr;
    EXPECT_EQ(com_.Drop(nullptr, 0, POINTL{}, &effect), E_INVALIDARG);
}

TEST_F(DropTargetComObject, AnswersForIDropTargetOnlyAndIgnoresReferenceCounting) {
    void* object = nullptr;
    EXPECT_EQ(com_.QueryInterface(IID_IDropTarget, &object), S_OK);
    EXPECT_EQ(object, static_cast<IDropTarget*>(&com_));
    EXPECT_EQ(com_.QueryInterface(IID_IUnknown, &object), S_OK);
    EXPECT_EQ(com_.QueryInterface(IID_IDataObject, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    for (int i = 0; i < 3; ++i) com_.Release();  // the object is still there
    EXPECT_EQ(com_.DragLeave(), S_OK);
}

TEST(DropTargetRegistration, RegistersTheOwnersWindowAndRevokesItWhenDestroyed) {
    OnOwnThread([] {
        const HWND window = CreateTestWindow(100);
        ASSERT_NE(window, nullptr);
        Win32TextDrops dragDrop;
        {
            const TURLDropTarget target(dragDrop, reinterpret_cast<std::uintptr_t>(window));
            EXPECT_TRUE(target.Registered());
            EXPECT_TRUE(HasDropTarget(window));
        }
        ASSERT_EQ(OleInitialize(nullptr), S_OK);  // the component balanced its own set-up
        EXPECT_FALSE(HasDropTarget(window));
        OleUninitialize();
        DestroyWindow(window);
    });
}

TEST(DropTargetRegistration, SkipsRegistrationWhereOleWasInitialisedBefore) {
    OnOwnThread([] {
        const HWND first = CreateTestWindow(100);
        const HWND second = CreateTestWindow(400);
        Win32TextDrops dragDrop;
        {
            const TURLDropTarget registered(dragDrop, reinterpret_cast<std::uintptr_t>(first));
            const TURLDropTarget skipped(dragDrop, reinterpret_cast<std::uintptr_t>(second));
            EXPECT_TRUE(registered.Registered());
            EXPECT_FALSE(skipped.Registered());
            EXPECT_TRUE(HasDropTarget(first));
            EXPECT_FALSE(HasDropTarget(second));
        }
        EXPECT_EQ(OleInitialize(nullptr), S_OK);  // both set-ups were balanced
        OleUninitialize();
        DestroyWindow(first);
        DestroyWindow(second);
    });
}

TEST(DropTargetRegistration, LeavesAnotherTargetsRegistrationAlone) {
    OnOwnThread([] {
        const HWND window = CreateTestWindow(100);
        Win32TextDrops dragDrop;
        {
            const TURLDropTarget first(dragDrop, reinterpret_cast<std::uintptr_t>(window));
            {
                const TURLDropTarget second(dragDrop, reinterpret_cast<std::uintptr_t>(window));
                EXPECT_FALSE(second.Registered());
            }
            EXPECT_TRUE(HasDropTarget(window));  // the second did not revoke the first's
        }
        EXPECT_EQ(OleInitialize(nullptr), S_OK);
        EXPECT_FALSE(HasDropTarget(window));
        OleUninitialize();
        DestroyWindow(window);
    });
}

// Cancels a drag that has not ended in time, as an Escape key would, so that a broken drag
// fails the test instead of hanging the run.
struct DragOutcome {
    HRESULT result;
    DWORD effect;
    std::vector<std::string> events;
    std::string droppedText;
};

// Drags data from a source of this program onto a registered window with the platform's own
// drag loop (DoDragDrop): the cursor rests on the window and the source drops after a few
// checks, so no mouse input is needed.
DragOutcome DragOnto(TestDataObject& data, DWORD offered = kOffered) {
    DragOutcome outcome{};
    OnOwnThread([&] {
        const HWND window = CreateTestWindow(100);
        Win32TextDrops dragDrop;
        TURLDropTarget target(dragDrop, reinterpret_cast<std::uintptr_t>(window));
        const auto record = [&](const char* name) {
            return [&outcome, name](TURLDropTarget&, std::int32_t& accept) {
                outcome.events.push_back(name);
                accept = S_OK;
            };
        };
        target.OnDragEnter = record("enter");
        target.OnDragOver = record("over");
        target.OnDragLeave = record("leave");
        target.OnDrop = [&](TURLDropTarget& sender) {
            outcome.events.push_back("drop " + sender.DroppedText());
        };
        SetCursorPos(200, 200);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        TestDropSource source(4);
        outcome.effect = offered;
        {
            const DragWatchdog watchdog;
            outcome.result = DoDragDrop(&data, &source, offered, &outcome.effect);
        }
        outcome.droppedText = target.DroppedText();
        DestroyWindow(window);
    });
    return outcome;
}

TEST(DropTargetDragAndDrop, ADraggedTextReachesTheComponentAsACopy) {
    TestDataObject data(Offer::GlobalText, "http://mall.example.co.jp/dragged");
    const DragOutcome outcome = DragOnto(data);
    EXPECT_EQ(outcome.result, DRAGDROP_S_DROP);
    EXPECT_EQ(outcome.effect, DWORD{DROPEFFECT_COPY});
    ASSERT_GE(outcome.events.size(), 2u);
    EXPECT_EQ(outcome.events.front(), "enter");
    EXPECT_EQ(outcome.events.back(), "drop http://mall.example.co.jp/dragged");
    EXPECT_EQ(std::count(outcome.events.begin(), outcome.events.end(), "leave"), 0);
    EXPECT_EQ(outcome.droppedText, "http://mall.example.co.jp/dragged");
    EXPECT_EQ(data.references, 1);
}

// An editor offers to move what is dragged out of it; moving would delete it there.
TEST(DropTargetDragAndDrop, ASourceOfferingMoveIsAnsweredCopy) {
    TestDataObject data(Offer::GlobalText, "http://mall.example.co.jp/from-an-editor");
    const DragOutcome outcome = DragOnto(data, DROPEFFECT_COPY | DROPEFFECT_MOVE);
    EXPECT_EQ(outcome.result, DRAGDROP_S_DROP);
    EXPECT_EQ(outcome.effect, DWORD{DROPEFFECT_COPY});
    EXPECT_EQ(outcome.droppedText, "http://mall.example.co.jp/from-an-editor");
}

TEST(DropTargetDragAndDrop, ADragWithoutTextStillRaisesOnDrop) {
    TestDataObject data(Offer::NoText, "");
    const DragOutcome outcome = DragOnto(data);
    ASSERT_FALSE(outcome.events.empty());
    EXPECT_EQ(outcome.events.back(), "drop ");
    EXPECT_EQ(outcome.droppedText, "");
    EXPECT_EQ(outcome.effect, DWORD{DROPEFFECT_NONE});
}

}  // namespace
}  // namespace mirevo
