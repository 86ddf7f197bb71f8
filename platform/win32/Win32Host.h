// The application host on Windows: makes native windows for forms, runs the message loops,
// and keeps the fonts and brushes the peers share.
#pragma once

#include <windows.h>

#include <map>
#include <vector>
#include <memory>
#include <tuple>

#include "ui/Application.h"
#include "platform/ApplicationHost.h"
#include "common/Color.h"
#include "ui/Control.h"
#include "ui/Font.h"

namespace mirevo {

class Win32Peer;

class Win32Host final : public IApplicationHost {
public:
    Win32Host();
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    // The application whose error box reports exceptions raised in handlers.
    void SetApplication(TApplication& application) override { application_ = &application; }
    TApplication* Application() const { return application_; }

    void Realize(TForm& form) override;
    void Show(TForm& form) override;
    void RunMessageLoop(TForm& mainForm) override;
    void RunModal(TForm& form) override;
    void Unrealize(TForm& form) override;
    std::string ExeName() const override;

    // Handles one message of the loop: shortcuts, dialog keys, dispatch. Tests drive the
    // program through it.
    void ProcessMessage(MSG& message);
    // Processes every message waiting in the queue, then brings the actions up to date.
    void ProcessPendingMessages();

    // The font at a screen density: its design height scaled.
    HFONT Font(const TFontSpec& request, UINT dpi);
    HBRUSH Brush(TColor color);
    static COLORREF ColorRef(TColor color);

    // Runs a handler, reporting an exception in the application's error box.
    template <typename Handler>
    void Guard(Handler&& handler) noexcept {
        if (application_) {
            application_->Guard(std::forward<Handler>(handler));
        } else {
            try {
                handler();
            } catch (...) {
            }
        }
    }

    // The window classes of forms and of containers (tab sheets, group boxes, panels).
    static const char* FormClass();
    static const char* ContainerClass();

private:
    // Makes the control's window and those of its children; a hidden tab page waits with its
    // children (see Show).
    void CreatePeers(TControl& control, HWND parent);
    // The same without waiting: for a page whose time has come.
    void CreatePeersNow(TControl& control, HWND parent);
    // Makes the form's waiting pages, the shown ones only or all.
    void CreateWaitingPeers(const TForm& form, bool shownPagesOnly);
    bool HandleMenuBarKey(const MSG& message);
    bool HandleShortCut(const MSG& message);
    void UpdateActions(TForm& form);

    TApplication* application_ = nullptr;
    TForm* mainForm_ = nullptr;
    std::map<std::tuple<std::string, std::int32_t, std::uint8_t, bool, UINT>, HFONT> fonts_;
    std::map<TColor, HBRUSH> brushes_;
    // Hidden tab pages that have no windows yet.
    std::vector<TControl*> waitingPages_;
};

}  // namespace mirevo
