// The text view's native window: its own window class, and the messages translated into
// calls of the portable view. No logic of the view lives here.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/win32/Win32Peer.h"
#include "platform/win32/Win32WindowServices.h"
#include "textview/CustomTextView.h"

namespace mirevo {

class Win32TextViewPeer final : public Win32Peer {
public:
    Win32TextViewPeer(TCustomTextView& view, Win32Host& host)
        : Win32Peer(view, host), view_(view) {}
    ~Win32TextViewPeer() override;

    void Create(HWND parent) override;
    // The frame changes in place: the window keeps its focus, caret and registrations.
    void StateChanged(TControlState what) override;
    void Rescale() override;
    static const char* ClassName();

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Mouse, timer, cursor and dropped files (Win32TextViewMouse.cpp); false when the
    // message is none of them.
    bool HandleMouseMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Clipboard, text and edit-control messages (Win32TextViewEdit.cpp).
    bool HandleEditMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnPaint();
    // True when the view took the key; others go to the default handling.
    bool OnKeyDown(WPARAM key);
    bool OnKeyUp(WPARAM key);
    void OnChar(WPARAM character);
    // The view's context menu at the mouse (lParam in screen pixels), or from the keyboard
    // (lParam -1) at the caret (Win32TextViewMenu.cpp); false for a point outside the client
    // area and for a view that is no edit target.
    bool OnContextMenu(LPARAM lParam);

    // The view's fonts and gutter scaled from their design sizes to the form's density.
    void ApplyViewMetrics();

    TCustomTextView& view_;
    std::unique_ptr<Win32WindowServices> services_;
    TLogFont designFont_;
    TLogFont designGutterFont_;
    std::int32_t designGutterWidth_ = 0;
    std::int32_t designGutterLeft_ = 0;
    std::int32_t designGutterRight_ = 0;
    // A key held with Alt ran a command since Alt went down.
    bool altChordTaken_ = false;
};

}  // namespace mirevo
