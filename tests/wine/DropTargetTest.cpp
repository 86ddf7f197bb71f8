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
#include "platform/win32/Win32DragDrop.h"
#include "platform/win32/Win32DropTarget.h"
#include "tests/fakes/FakeDragDrop.h"
#include "tests/wine/DropTargetTestObjects.h"

namespace mirevo {
namespace {

using testing_support::DragWatchdog;
using testing_support::FakeDragDropService;
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
    FakeDragDropService unused;
    TURLDropTarget probeTarget(unused, 0);
    Win32DropTarget probe(probeTarget);
    const HRESULT result = RegisterDragDrop(window, &probe);
    if (result == S_OK) RevokeDragDrop(window);
    return result == DRAGDROP_E_ALREADYREGISTERED;
}

class DropTargetComObject : public ::testing::Test {
protected:
    HRESULT Drop(TestDataObject& data) {
        DWORD effect = kOffered;
        const HRESULT result = com.Drop(&data, MK_LBUTTON, POINTL{10, 10}, &effect);
        // Copy for a drop that took its text, none for any other: never what was offered.
        EXPECT_EQ(effect, target.DropTookText() ? DWORD{DROPEFFECT_COPY} : DWORD{DROPEFFECT_NONE});
        EXPECT_EQ(data.references, 1) << "medium not released";
        return result;
    }

    FakeDragDropService service;
    TURLDropTarget target{service, 0};
    Win32DropTarget com{target};
    int drops = 0;
};

TEST_F(DropTargetComObject, DragStepsAnswerWhatTheHandlersSayAndCopyNeverMove) {
    TestDataObject data(Offer::GlobalText, "x");
    DWORD effect = kOffered;
    EXPECT_EQ(com.DragEnter(&data, 0, POINTL{1, 2}, &effect), S_OK);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(com.DragOver(0, POINTL{1, 2}, &effect), S_OK);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    effect = DROPEFFECT_MOVE;  // a source that only moves is refused
    EXPECT_EQ(com.DragOver(0, POINTL{1, 2}, &effect), S_OK);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    EXPECT_EQ(com.DragLeave(), S_OK);
    target.OnDragEnter = [](TURLDropTarget&, std::int32_t& accept) { accept = S_FALSE; };
    target.OnDragOver = [](TURLDropTarget&, std::int32_t& accept) { accept = E_FAIL; };
    target.OnDragLeave = [](TURLDropTarget&, std::int32_t& accept) { accept = E_INVALIDARG; };
    effect = kOffered;
    EXPECT_EQ(com.DragEnter(&data, MK_LBUTTON, POINTL{1, 2}, &effect), S_FALSE);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_COPY});
    EXPECT_EQ(com.DragOver(MK_LBUTTON, POINTL{3, 4}, &effect), E_FAIL);
    EXPECT_EQ(effect, DWORD{DROPEFFECT_NONE});
    EXPECT_EQ(com.DragLeave(), E_INVALIDARG);
    EXPECT_TRUE(data.requests.empty());  // the data is not looked at before the drop
}

TEST_F(DropTargetComObject, ADropOfTextInGlobalMemoryFillsDroppedText) {
    target.OnDrop = [&](TURLDropTarget& sender) {
        EXPECT_EQ(sender.DroppedText(), "http://mall.example.co.jp/item/");
        ++drops;
    };
    TestDataObject data(Offer::GlobalText, "http://mall.example.co.jp/item/");
    EXPECT_EQ(Drop(data), S_OK);
    EXPECT_EQ(drops, 1);
    ASSERT_EQ(data.requests.size(), 1u);
    const FORMATETC& asked = data.requests[0];
    EXPECT_EQ(asked.cfFormat, CF_TEXT);
    EXPECT_EQ(asked.ptd, nullptr);
    EXPECT_EQ(asked.dwAspect, static_cast<DWORD>(DVASPECT_CONTENT));
    EXPECT_EQ(asked.lindex, -1);
    EXPECT_EQ(asked.tymed, 0xFFFFFFFFu);
}

TEST_F(DropTargetComObject, TextInAStreamOrNoTextKeepsThePreviousDropsText) {
    TestDataObject first(Offer::GlobalText, "日本語のテキスト");
    ASSERT_EQ(Drop(first), S_OK);
    target.OnDrop = [&](TURLDropTarget& sender) {
        EXPECT_EQ(sender.DroppedText(), "日本語のテキスト");
        ++drops;
    };
    TestDataObject stream(Offer::StreamText, "in a stream");
    EXPECT_EQ(Drop(stream), S_OK);
    EXPECT_EQ(stream.StreamReferencesBesidesOurs(), 0u);
    TestDataObject none(Offer::NoText, "");
    EXPECT_EQ(Drop(none), DV_E_FORMATETC);
    EXPECT_EQ(drops, 2);
}

TEST_F(DropTargetComObject, NoExceptionEscapesIntoThePlatform) {
    std::string caught;
    Win32DropTarget guarded(target, [&](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            caught = e.what();
        }
    });
    target.OnDrop = [](TURLDropTarget&) { throw std::runtime_error("handler failed"); };
    target.OnDragEnter = [](TURLDropTarget&, std::int32_t&) { throw 42; };
    TestDataObject data(Offer::GlobalText, "x");
    DWORD effect = kOffered;
    EXPECT_EQ(guarded.Drop(&data, 0, POINTL{}, &effect), E_UNEXPECTED);
    EXPECT_EQ(caught, "handler failed");
    EXPECT_EQ(data.references, 1);
    EXPECT_EQ(com.DragEnter(&data, 0, POINTL{}, &effect), E_UNEXPECTED);  // no handler given
    target.OnDrop = nullptr;
    EXPECT_EQ(com.Drop(nullptr, 0, POINTL{}, &effect), E_INVALIDARG);
}

TEST_F(DropTargetComObject, AnswersForIDropTargetOnlyAndIgnoresReferenceCounting) {
    void* object = nullptr;
    EXPECT_EQ(com.QueryInterface(IID_IDropTarget, &object), S_OK);
    EXPECT_EQ(object, static_cast<IDropTarget*>(&com));
    EXPECT_EQ(com.QueryInterface(IID_IUnknown, &object), S_OK);
    EXPECT_EQ(com.QueryInterface(IID_IDataObject, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    for (int i = 0; i < 3; ++i) com.Release();  // the object is still there
    EXPECT_EQ(com.DragLeave(), S_OK);
}

TEST(DropTargetRegistration, RegistersTheOwnersWindowAndRevokesItWhenDestroyed) {
    OnOwnThread([] {
        const HWND window = CreateTestWindow(100);
        ASSERT_NE(window, nullptr);
        Win32DragDropService dragDrop;
        {
            const TURLDropTarget target(dragDrop, reinterpret_cast<std::uintptr_t>(window));
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
        Win32DragDropService dragDrop;
        {
            const TURLDropTarget registered(dragDrop, reinterpret_cast<std::uintptr_t>(first));
            const TURLDropTarget skipped(dragDrop, reinterpret_cast<std::uintptr_t>(second));
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
        ASSERT_EQ(OleInitialize(nullptr), S_OK);
        FakeDragDropService unused;
        TURLDropTarget other(unused, 0);
        Win32DropTarget otherCom(other);
        ASSERT_EQ(RegisterDragDrop(window, &otherCom), S_OK);
        {
            TURLDropTarget receiver(unused, 0);
            const Win32DropRegistration registration(window, receiver, {});
            EXPECT_EQ(registration.Result(), DRAGDROP_E_ALREADYREGISTERED);
        }
        EXPECT_TRUE(HasDropTarget(window));
        RevokeDragDrop(window);
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
        Win32DragDropService dragDrop;
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
