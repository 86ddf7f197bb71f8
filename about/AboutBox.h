// TAboutBox: the modal dialog that names the program, shows the file version and copyright
// line of its own version block, and links to the home page.
#pragma once

#include <string>

#include "about/VersionInfo.h"
#include "ui/Form.h"
#include "ui/StdControls.h"

namespace mirevo {

class IShell;

class TAboutBox : public TForm {
public:
    // Owned by the main window; reads the running executable's version block at once. The
    // home page is the built-in one unless the caller has another.
    TAboutBox(TApplication& application, TForm* owner, IVersionResource& versions, IShell& shell,
              std::string homePage = DefaultHomePage());

    static std::string DefaultHomePage();

    TPanel Panel1;
    TImage ProgramIcon;
    TLabel ProductName;
    TLabel Version;
    TLabel Copyright;
    TLabel Comments;
    TButton OKButton;
    TVersionInfo VersionInfo1;

    // Fills the caption and labels from the application title and the version block.
    void FormCreate(TObject* Sender);
    // Opens the home page in the default browser; the box stays open.
    void CommentsClick(TObject* Sender);

private:
    void Design();
    IShell& shell_;
    const std::string homePage_;
};

}  // namespace mirevo
