// Dragging addresses out of another program onto the window with the mouse, as from an
// editor that offers to move what is dragged: the fields fill, and the source is told copy,
// so it keeps its text.
#include <ole2.h>

#include <functional>
#include <thread>

#include "tests/wine/journeys/Journey.h"
#include "tests/wine/DropTargetTestObjects.h"

namespace mirevo::journeys {
namespace {

using testing_support::DragWatchdog;
using testing_support::TestDataObject;

// Drops when the left button comes up, as a drag started by the mouse does.
class MouseDropSource final : public IDropSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDropSource)) {
            *object = static_cast<IDropSource*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
        if (escape) return DRAGDROP_S_CANCEL;
        return (keys & MK_LBUTTON) ? S_OK : DRAGDROP_S_DROP;
    }
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

// A window of this process where the drag starts, as an editor's text would be: the button
// pressed on it belongs to this thread, which the drag loop reads it from.
class SourceWindow {
public:
    explicit SourceWindow(POINT at) {
        static const ATOM windowClass = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = DefWindowProcA;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "MirevoJourneyDragSource";
            wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
            return RegisterClassA(&wc);
        }();
        window_ = CreateWindowExA(WS_EX_TOPMOST, MAKEINTATOM(windowClass), "editor",
                                  WS_POPUP | WS_VISIBLE, at.x - 40, at.y - 20, 80, 40, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~SourceWindow() { DestroyWindow(window_); }
    SourceWindow(const SourceWindow&) = delete;
    SourceWindow& operator=(const SourceWindow&) = delete;
    // Handles this thread's messages until the button comes down on the window.
    bool WaitForPress() {
        return WaitFor([this] {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageA(&message);
                if (message.message == WM_LBUTTONDOWN && message.hwnd == window_) return true;
            }
            return false;
        });
    }

private:
    HWND window_ = nullptr;
};

class Drops : public Journey {
protected:
    Drops() { OleInitialize(nullptr); }
    ~Drops() override { OleUninitialize(); }

    // Presses the button beside the window, drags the text over it and releases it there;
    // returns the effect the window answered. The drop holds the source until the window's
    // handling of it ends, so whatever the user does meanwhile (answer a message) is done by
    // the hand that dragged.
    DWORD DragOntoWindow(const std::string& text, DWORD offered,
                         const std::function<void()>& meanwhile = {}) {
        const RECT window = ScreenRect(Program().Main());
        const POINT start{window.right + 60, window.top + 100};
        const POINT target{(window.left + window.right) / 2, window.top + 150};
        SourceWindow editor(start);
        Settle();
        MoveTo(start);
        INPUT down{};
        down.type = INPUT_MOUSE;
        down.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        SendInput(1, &down, sizeof down);
        if (!editor.WaitForPress()) return 0xFFFF;
        std::thread hand([&] {
            Settle(std::chrono::milliseconds(300));
            for (int i = 1; i <= 10; ++i) {
                MoveTo({start.x + (target.x - start.x) * i / 10,
                        start.y + (target.y - start.y) * i / 10});
            }
            Settle(std::chrono::milliseconds(300));
            INPUT up{};
            up.type = INPUT_MOUSE;
            up.mi.dwFlags = MOUSEEVENTF_LEFTUP;
            SendInput(1, &up, sizeof up);
            if (meanwhile) meanwhile();
        });
        TestDataObject data(TestDataObject::Offer::GlobalText, text);
        MouseDropSource source;
        DWORD effect = DROPEFFECT_NONE;
        HRESULT result = E_FAIL;
        {
            const DragWatchdog watchdog;
            result = DoDragDrop(&data, &source, offered, &effect);
        }
        hand.join();
        Settle();
        return result == DRAGDROP_S_DROP ? effect : 0xFFFF;
    }
};

TEST_F(Drops, AnEditorOfferingMoveKeepsItsTextAndTheFieldsFill) {
    Start();
    const DWORD move = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    EXPECT_EQ(DragOntoWindow(PageUrl(), move), DWORD{DROPEFFECT_COPY});
    EXPECT_TRUE(WaitFor([&] { return TextOf(Control("EditUrl1")) == PageUrl(); }));
    EXPECT_EQ(TextOf(Control("EditUrl4")), PageUrl());
    EXPECT_EQ(DragOntoWindow(ImageUrl(), move), DWORD{DROPEFFECT_COPY});
    EXPECT_TRUE(WaitFor([&] { return TextOf(Control("EditImg3")) == ImageUrl(); }));
    Shot("after-two-drops");
    // A source that only moves is refused: nothing would be left where it came from.
    EXPECT_EQ(DragOntoWindow("http://item.example.org/other", DROPEFFECT_MOVE),
              DWORD{DROPEFFECT_NONE});
    EXPECT_EQ(TextOf(Control("EditUrl1")), PageUrl());
    EXPECT_EQ(Program().Windows().size(), 1u) << "no message for a refused drag";
}

TEST_F(Drops, TextThatIsNoMerchantAddressIsRefusedWithAMessage) {
    Start();
    std::string message;
    const auto answer = [&] {
        HWND box = Program().WaitForWindow("#32770");
        if (!box) return;
        message = MessageText(box);
        Shot("refused");
        SetForegroundWindow(box);
        Tap(VK_RETURN);
        WaitFor([&] { return !IsWindow(box); });
    };
    EXPECT_EQ(DragOntoWindow("ただの文章", DROPEFFECT_COPY | DROPEFFECT_MOVE, answer),
              DWORD{DROPEFFECT_COPY});
    EXPECT_EQ(message, "楽天のURLではありません。");
    EXPECT_EQ(TextOf(Control("EditUrl1")), "");
}

}  // namespace
}  // namespace mirevo::journeys
