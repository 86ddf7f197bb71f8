// TMainForm: Mirevo's only main window. Four link-kind tabs with their input fields, the
// actions with menu bar and tool bar, the result view and its copy button. The controls are
// public members, as a form description declares them; the handlers carry the names the
// program's design gives them.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "droptarget/URLDropTarget.h"
#include "history/History.h"
#include "linkgen/BuiltInServices.h"
#include "platform/ClipboardWatch.h"
#include "linkgen/LinkInputs.h"
#include "settings/MemIniFile.h"
#include "settings/SessionSettings.h"
#include "textview/TextMemo.h"
#include "ui/ActionBars.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/PageControl.h"
#include "ui/StdControls.h"

namespace mirevo {

class ICharTypes;
class IClipboard;
class IClipboardWatch;
class IClipboardFormats;
class IClock;
class ITextDrops;
class IFileReader;
class IHistoryFiles;
class IProfileWriter;
class IShell;
class IVersionResource;

// The platform services the main window uses besides its application object.
struct TMainFormServices {
    IClipboard& Clipboard;
    IFileReader& Files;
    IProfileWriter& ProfileWriter;
    IClock& Clock;
    ITextDrops& DragDrop;
    IVersionResource& VersionResource;
    IShell& Shell;
    TFontsInfoManager& Fonts;
    // The result view's clipboard (plain text and its private block format) and the
    // character classes of its double-click.
    IClipboardFormats& ClipboardFormats;
    ICharTypes& CharTypes;
    // Text copied in other programs, while the user wants it entered.
    IClipboardWatch& ClipboardWatch;
    // The history of generated links beside the executable, and the files it is saved to.
    IHistoryFiles& HistoryFiles;
};

class TMainForm : public TForm {
public:
    // Builds the window as designed and runs FormCreate. The settings live as long as the
    // program and are shared with the settings dialog.
    TMainForm(TApplication& application, const TMainFormServices& services,
              SessionSettings& settings);
    ~TMainForm() override;

    TImageList ImageList1;
    TActionList ActionManager1;
    TAction ActionExec;
    TAction ActionSetting;
    TAction ActionHistory;
    TAction FileExit1;
    TAction EditUndo1;
    TAction EditCut1;
    TAction EditCopy1;
    TAction EditPaste1;
    TAction EditDelete1;
    TAction EditSelectAll1;
    TAction ActionAbout;
    TAction ActionClear;
    TActionMainMenuBar ActionMainMenuBar1;
    TActionToolBar ActionToolBar1;
    TPageControl PageControl1;
    TTabSheet TabSheet1;
    TTabSheet TabSheet2;
    TTabSheet TabSheet3;
    TTabSheet TabSheet4;
    TLabeledEdit EditUrl1;
    TLabeledEdit EditUrl2;
    TLabeledEdit EditTxt2;
    TLabeledEdit EditUrl3;
    TLabeledEdit EditImg3;
    TLabeledEdit EditUrl4;
    TLabeledEdit EditTxt4;
    TLabeledEdit EditImg4;
    TLabel LabelResult;
    TTextMemo TextMemo1;
    TButton ButtonCopyResult;
    // Made with the window, which it registers for drops.
    std::unique_ptr<TURLDropTarget> URLDropTarget1;

    // The settings file beside the executable.
    std::string SettingsFile() const;

    void FormCreate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void ActionExecExecute(TObject* Sender);
    void ActionClearExecute(TObject* Sender);
    void ActionSettingExecute(TObject* Sender);
    // Opens the history window; its size is kept in the settings file.
    void ActionHistoryExecute(TObject* Sender);
    // Puts a history entry's fields into the tab of its kind and shows that tab.
    void RestoreFromHistory(const THistoryRecord& record);
    void ActionAboutExecute(TObject* Sender);

    void EditUrl1Change(TObject* Sender);
    void EditUrl2Change(TObject* Sender);
    void EditUrl3Change(TObject* Sender);
    void EditUrl4Change(TObject* Sender);
    void EditTxt2Change(TObject* Sender);
    void EditTxt4Change(TObject* Sender);
    void EditImg3Change(TObject* Sender);
    void EditImg4Change(TObject* Sender);
    // Routes the dropped text into the image or destination fields, or refuses it.
    void URLDropTarget1Drop(TURLDropTarget& Sender);
    // Routes text copied in another program as a drop, but silently and never while a field
    // has the focus (the user is typing there).
    void ClipboardCopied(const std::string& text);

    void ShowResult(const std::string& code);
    void ClearInputs();
    void TextMemo1Change(TObject* Sender);
    void ButtonCopyResultClick(TObject* Sender);

private:
    void DesignActions();
    void DesignMenuBar();
    void DesignToolBar();
    void DesignPages();
    void DesignResultArea();
    void DesignResultView();
    void ConnectHandlers();
    void LoadSettings();
    TMemIniFile ReadSettingsOrDefaults();
    void SavePlacement();
    // A tab's fields: its address field and, where it has them, its text and image fields;
    // none for no tab.
    struct TTabFields {
        TEdit* url = nullptr;
        TEdit* text = nullptr;
        TEdit* image = nullptr;
    };
    TTabFields FieldsOfTab(std::int32_t tabIndex);
    LinkInputs InputsOfTab(std::int32_t tabIndex);
    void ShowRefusal(LinkMessage message);
    // Adds the built code to the history; a failure is raised after the code is shown.
    void RecordInHistory(std::int32_t tabIndex, const std::string& code);
    // The history, read from its file when first needed.
    THistory& History();
    // The identifier the kind's code carries (both, for text and image links).
    std::string IdentifierOfKind(std::int32_t tabIndex) const;
    // Fills the image or destination fields with an acceptable address; false for any other.
    bool RouteAddress(const std::string& text);
    bool AFieldHasTheFocus() const;
    // Watches the clipboard while the setting is on.
    void FollowClipboardSetting();
    // Copies the text of a changed field into every member of its group, then marks or
    // unmarks them all by the group's check.
    template <std::size_t N, typename Check>
    void SynchronizeGroup(const std::array<TEdit*, N>& group, const TEdit& changed,
                          const Check& check);
    bool UrlOk(std::string_view text) const;
    bool ImageUrlOk(std::string_view text) const;
    std::array<TEdit*, 4> UrlGroup() { return {&EditUrl1, &EditUrl2, &EditUrl3, &EditUrl4}; }
    std::array<TEdit*, 2> TextGroup() { return {&EditTxt2, &EditTxt4}; }
    std::array<TEdit*, 2> ImageGroup() { return {&EditImg3, &EditImg4}; }

    const TMainFormServices services_;
    SessionSettings& settings_;
    std::unique_ptr<IClipboardWatching> clipboardWatching_;
    std::unique_ptr<IHistoryFile> historyFile_;
    std::unique_ptr<THistory> history_;
    // The built-in addresses, or those of the settings file's [Service] section.
    ServiceAddresses service_ = BuiltInServiceAddresses();
};

}  // namespace mirevo
