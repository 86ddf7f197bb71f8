// TSettingDialog: the modal dialog "設定" in which the user edits the three a8mat identifiers
// and the three options. It shows what the settings file holds when it opens; OK writes all
// six to the file and into the session settings, Cancel and the close box change nothing.
#pragma once

#include <string>

#include "settings/SessionSettings.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/StdControls.h"

namespace mirevo {

class IFileReader;
class IProfileWriter;

class TSettingDialog : public TForm {
public:
    // Owned by the main window; reads (through files) and writes the settings file at
    // settingsFile and, on OK, the program's session settings.
    TSettingDialog(TApplication& application, TForm* owner, IFileReader& files,
                   IProfileWriter& profileWriter, SessionSettings& settings,
                   std::string settingsFile);

    // Declared in tab order.
    TGroupBox GroupBox1;
    TLabeledEdit EditA8matEsy;
    TLabeledEdit EditA8matTxt;
    TLabeledEdit EditA8matImg;
    TGroupBox GroupBox2;
    TCheckBox CheckBox1;
    TButton btnOK;
    TButton btnCancel;
    TGroupBox GroupBox3;
    TCheckBox CheckBoxErrorChk;
    TCheckBox CheckBoxAutoCopy;
    TCheckBox CheckBoxHttps;
    TCheckBox CheckBoxClipWatch;

    // Fills the controls from the settings file (not from the session settings).
    void FormShow(TObject* Sender);
    // Sets the result to OK first, so the dialog closes after it; writes the six keys trimmed
    // and in order, then puts them into the session settings. When the file cannot be
    // written the error is raised and the dialog stays open with what was typed, so nothing
    // is lost: the user may try again or cancel.
    void btnOKClick(TObject* Sender);

private:
    void Design();
    SessionSettings FromControls() const;

    IFileReader& files_;
    IProfileWriter& profileWriter_;
    SessionSettings& settings_;
    const std::string settingsFile_;
    // The file's values of the later options when the dialog was shown.
    std::optional<bool> storedHttps_;
    std::optional<bool> storedClipwatch_;
};

}  // namespace mirevo
