// TForm: a top-level window with its controls, its creation, show and close events, and a
// modal result when shown as a dialog.
#pragma once

#include <functional>
#include <vector>

#include "ui/Control.h"
#include "common/KeyCodes.h"

namespace mirevo {

class TApplication;
class TActionList;
class TPageControl;

enum class TCloseAction : std::uint8_t { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

enum class TWindowState : std::uint8_t { wsNormal, wsMinimized, wsMaximized };

enum class TBorderStyle : std::uint8_t { bsSizeable, bsDialog };
enum class TPosition : std::uint8_t { poDesigned, poScreenCenter, poOwnerFormCenter };

using TModalResult = std::int32_t;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;

class TForm : public TControl {
public:
    TForm(TApplication& application, std::string name, TForm* owner = nullptr);
    ~TForm() override;

    TApplication& Application() const { return application_; }
    TForm* Owner() const { return owner_; }

    // Outer bounds are the control's bounds; children are laid out in the client area.
    TSize ClientSize() const override { return clientSize_; }
    void SetClientSize(TSize size);
    // The smallest size the user can give the window: outer, or a client size for a form
    // designed by its client size (a dialog, or a form whose bounds are not set).
    TSize MinSize() const { return minSize_; }
    void SetMinSize(TSize size) { minSize_ = size; }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style) { borderStyle_ = style; }
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }

    // The native window moved or was resized; updates the state without echoing it back.
    void NativeBoundsChanged(const TBounds& outer, TSize client);
    // The native window was maximised, minimised or restored; restored is where it goes
    // (or stays) as a normal window.
    void NativePlacementChanged(TWindowState state, const TBounds& restored);
    TWindowState WindowState() const { return windowState_; }
    // The bounds of the window as a normal window: its bounds, or, while it is maximised or
    // minimised, the bounds it returns to.
    TBounds RestoredBounds() const;

    // The control with the keyboard focus (the native focus when the form has a peer).
    TControl* ActiveControl() const;
    void SetActiveControl(TControl* control) { activeControl_ = control; }

    // Action lists whose shortcuts the form's keyboard handling tries.
    void AddActionList(TActionList& list) { actionLists_.push_back(&list); }
    const std::vector<TActionList*>& ActionLists() const { return actionLists_; }
    // Runs the action bound to a shortcut when it is enabled; true when one ran.
    bool IsShortCut(std::uint16_t shortCut);

    // The page-switching keys (see TPageControl::PageKeyDirection) switch the form's first
    // shown page control from wherever the focus is, and the focus goes to the new page's
    // first field. False for other keys and forms without pages.
    bool SwitchPageByKey(TShortCut shortCut);
    // The first control of the active page that takes the focus by Tab, or null.
    static TControl* FirstTabStopOf(const TPageControl& pages);

    // The Escape key: clicks the form's cancel button; false when it has none.
    bool PressCancel();

    // Closes the form: runs OnClose (an exception is reported and the close goes on), then
    // lets the host take the window away.
    void Close();
    bool Closed() const { return closed_; }

    // Shows the form modally; returns its modal result (mrCancel when closed otherwise).
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    TNotifyEvent OnShow;
    TCloseEvent OnClose;

private:
    TApplication& application_;
    TForm* owner_;
    TSize clientSize_;
    TSize minSize_;
    TBorderStyle borderStyle_ = TBorderStyle::bsSizeable;
    TPosition position_ = TPosition::poDesigned;
    TWindowState windowState_ = TWindowState::wsNormal;
    TBounds restoredBounds_;
    TControl* activeControl_ = nullptr;
    std::vector<TActionList*> actionLists_;
    TModalResult modalResult_ = mrNone;
    bool closed_ = false;
};

}  // namespace mirevo
