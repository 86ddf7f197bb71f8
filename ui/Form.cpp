#include "ui/Form.h"

#include "ui/Action.h"
#include "ui/Application.h"
#include "ui/PageControl.h"
#include "ui/StdControls.h"

namespace mirevo {

TForm::TForm(TApplication& application, std::string name, TForm* owner)
    : TControl(nullptr, std::move(name), TControlKind::Form),
      application_(application),
      owner_(owner) {
    SetColor(clBtnFace);
}

TForm::~TForm() {
    if (Peer()) application_.Host().Unrealize(*this);
}

void TForm::SetClientSize(TSize size) {
    clientSize_ = size;
    ClientResized();
}

void TForm::NativeBoundsChanged(const TBounds& outer, TSize client) {
    const TNativeChange native(*this);
    SetBounds(outer);
    SetClientSize(client);
}

void TForm::NativePlacementChanged(TWindowState state, const TBounds& restored) {
    windowState_ = state;
    restoredBounds_ = restored;
}

TBounds TForm::RestoredBounds() const {
    return windowState_ == TWindowState::wsNormal ? Bounds() : restoredBounds_;
}

namespace {
TControl* FindFocused(const TControl& control) {
    for (TControl* child : control.Children()) {
        if (child->Peer() && child->Peer()->Focused()) return child;
        if (TControl* found = FindFocused(*child)) return found;
    }
    return nullptr;
}
}  // namespace

TControl* TForm::ActiveControl() const { return Peer() ? FindFocused(*this) : activeControl_; }

bool TForm::IsShortCut(std::uint16_t shortCut) {
    for (TActionList* list : actionLists_) {
        if (list->IsShortCut(shortCut)) return true;
    }
    return false;
}

namespace {
TButton* FindCancelButton(const TControl& control) {
    for (TControl* child : control.Children()) {
        if (child->Kind() == TControlKind::Button && static_cast<TButton*>(child)->Cancel) {
            return static_cast<TButton*>(child);
        }
        if (TButton* found = FindCancelButton(*child)) return found;
    }
    return nullptr;
}
}  // namespace

namespace {
TPageControl* FindPageControl(const TControl& control) {
    for (TControl* child : control.Children()) {
        if (child->Kind() == TControlKind::PageControl && child->Visible() && child->Enabled()) {
            return static_cast<TPageControl*>(child);
        }
        if (TPageControl* found = FindPageControl(*child)) return found;
    }
    return nullptr;
}

TControl* FirstTabStop(const TControl& control) {
    for (TControl* child : control.Children()) {
        if (!child->Visible() || !child->Enabled()) continue;
        if (child->TabStop()) return child;
        if (TControl* found = FirstTabStop(*child)) return found;
    }
    return nullptr;
}
}  // namespace

TControl* TForm::FirstTabStopOf(const TPageControl& pages) {
    const std::int32_t index = pages.ActivePageIndex();
    if (index < 0) return nullptr;
    return FirstTabStop(*pages.Pages()[static_cast<std::size_t>(index)]);
}

bool TForm::SwitchPageByKey(TShortCut shortCut) {
    const std::optional<bool> forward = TPageControl::PageKeyDirection(shortCut);
    TPageControl* pages = forward ? FindPageControl(*this) : nullptr;
    if (!pages || !pages->SelectNextPage(*forward)) return false;
    if (TControl* first = FirstTabStopOf(*pages)) first->SetFocus();
    return true;
}

bool TForm::PressCancel() {
    TButton* button = FindCancelButton(*this);
    if (button) button->Click();
    return button != nullptr;
}

void TForm::Close() {
    TCloseAction action = TCloseAction::caFree;
    if (OnClose) application_.Guard([&] { OnClose(this, action); });
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    closed_ = true;
    if (Peer()) application_.Host().Unrealize(*this);
}

TModalResult TForm::ShowModal() {
    modalResult_ = mrNone;
    closed_ = false;
    application_.Host().Realize(*this);
    // A failure while filling the form is reported; the form still opens as designed.
    if (OnShow) application_.Guard([this] { OnShow(this); });
    application_.Host().RunModal(*this);
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    return modalResult_;
}

}  // namespace mirevo
