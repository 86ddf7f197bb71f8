// Actions: commands with a caption, shortcut, image and hint, shared by menu and tool bar.
// The standard actions act on the focused control of their form or close it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/Object.h"
#include "ui/ShortCut.h"

namespace mirevo {

class TActionList;
class TForm;
class IEditTarget;
class IClipboard;

enum class TStandardAction : std::uint8_t {
    None,
    FileExit,
    EditUndo,
    EditCut,
    EditCopy,
    EditPaste,
    EditDelete,
    EditSelectAll
};

class TAction : public TObject {
public:
    TAction(TActionList& list, std::string name, TStandardAction standard = TStandardAction::None);

    const std::string& Name() const { return name_; }
    TStandardAction Standard() const { return standard_; }

    std::string Category;
    std::string Caption;
    TShortCut ShortCut = scNone;
    std::int32_t ImageIndex = -1;
    // "short|long": the short part is the tool tip.
    std::string Hint;
    TNotifyEvent OnExecute;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // Brings Enabled up to date (standard actions follow the focused control).
    void Update();
    // Updates, then runs the action when enabled; true when it ran.
    bool Execute();

private:
    IEditTarget* Target() const;
    bool StandardEnabled() const;
    void ExecuteStandard();

    TActionList& list_;
    std::string name_;
    TStandardAction standard_;
    bool enabled_ = true;
};

class TActionList : public TObject {
public:
    // The form whose focused control the standard edit actions act on.
    TActionList(TForm& form, IClipboard& clipboard) : form_(form), clipboard_(clipboard) {}

    TForm& Form() const { return form_; }
    IClipboard& Clipboard() const { return clipboard_; }
    const std::vector<TAction*>& Actions() const { return actions_; }
    void Add(TAction& action) { actions_.push_back(&action); }
    TAction* Find(const std::string& name) const;

    // Runs the enabled action bound to the shortcut; false when none ran, so the key goes on
    // to the focused control.
    bool IsShortCut(TShortCut shortCut);
    void UpdateAll();

private:
    TForm& form_;
    IClipboard& clipboard_;
    std::vector<TAction*> actions_;
};

}  // namespace mirevo
