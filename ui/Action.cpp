#include "ui/Action.h"

#include "platform/Clipboard.h"
#include "ui/Control.h"
#include "ui/EditTarget.h"
#include "ui/Form.h"

namespace mirevo {

TAction::TAction(TActionList& list, std::string name, TStandardAction standard)
    : list_(list), name_(std::move(name)), standard_(standard) {
    list_.Add(*this);
}

IEditTarget* TAction::Target() const {
    TControl* focused = list_.Form().ActiveControl();
    return focused ? focused->AsEditTarget() : nullptr;
}

bool TAction::StandardEnabled() const {
    const IEditTarget* target = Target();
    if (!target) return false;
    switch (standard_) {
        case TStandardAction::EditUndo:
            return target->CanUndoNow();
        case TStandardAction::EditCut:
            return target->CanCutNow();
        case TStandardAction::EditDelete:
            return target->CanDeleteNow();
        case TStandardAction::EditCopy:
            return target->CanCopyNow();
        case TStandardAction::EditPaste:
            return target->CanPasteNow(list_.Clipboard().HasText());
        case TStandardAction::EditSelectAll:
            return target->CanSelectAllNow();
        default:
            return true;
    }
}

void TAction::Update() {
    if (standard_ == TStandardAction::None || standard_ == TStandardAction::FileExit) return;
    enabled_ = StandardEnabled();
}

bool TAction::Execute() {
    Update();
    if (!enabled_) return false;
    if (standard_ == TStandardAction::None) {
        Fire(OnExecute, this);
    } else {
        ExecuteStandard();
    }
    return true;
}

void TAction::ExecuteStandard() {
    if (standard_ == TStandardAction::FileExit) {
        list_.Form().Close();
        return;
    }
    IEditTarget* target = Target();
    switch (standard_) {
        case TStandardAction::EditUndo:
            target->Undo();
            break;
        case TStandardAction::EditCut:
            target->Cut();
            break;
        case TStandardAction::EditCopy:
            target->Copy();
            break;
        case TStandardAction::EditPaste:
            target->Paste();
            break;
        case TStandardAction::EditDelete:
            target->DeleteSelection();
            break;
        case TStandardAction::EditSelectAll:
            target->SelectAll();
            break;
        default:
            break;
    }
}

TAction* TActionList::Find(const std::string& name) const {
    for (TAction* action : actions_) {
        if (action->Name() == name) return action;
    }
    return nullptr;
}

bool TActionList::IsShortCut(TShortCut shortCut) {
    if (shortCut == scNone) return false;
    for (TAction* action : actions_) {
        if (action->ShortCut == shortCut) return action->Execute();
    }
    return false;
}

void TActionList::UpdateAll() {
    for (TAction* action : actions_) action->Update();
}

}  // namespace mirevo
