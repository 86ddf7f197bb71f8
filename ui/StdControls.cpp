#include "ui/StdControls.h"

#include "ui/Form.h"

namespace mirevo {

void TButton::Click() {
    Fire(OnClick, this);
    if (ModalResult != 0) {
        if (TForm* form = OwnerForm()) form->SetModalResult(ModalResult);
    }
}

void TCheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Notify(TControlState::Checked);
}

}  // namespace mirevo
