#include "about/AboutBox.h"

#include "BuildConfig.h"
#include "platform/Shell.h"
#include "ui/Application.h"

namespace mirevo {

namespace {
const TFontSpec kDialogFont{"ＭＳ Ｐゴシック", -12, kShiftJisCharSet};
}  // namespace

std::string TAboutBox::DefaultHomePage() { return config::HomePage; }

TAboutBox::TAboutBox(TApplication& application, TForm* owner, IVersionResource& versions,
                     IShell& shell, std::string homePage)
    : TForm(application, "AboutBox", owner),
      Panel1(this, "Panel1"),
      ProgramIcon(&Panel1, "ProgramIcon"),
      ProductName(&Panel1, "ProductName"),
      Version(&Panel1, "Version"),
      Copyright(&Panel1, "Copyright"),
      Comments(&Panel1, "Comments"),
      OKButton(this, "OKButton"),
      VersionInfo1(versions, application.ExeName()),
      shell_(shell),
      homePage_(std::move(homePage)) {
    Design();
    Comments.OnClick = [this](TObject* sender) { CommentsClick(sender); };
    FormCreate(this);
}

void TAboutBox::Design() {
    SetCaption("バージョン情報");
    SetBorderStyle(TBorderStyle::bsDialog);
    SetPosition(TPosition::poScreenCenter);
    SetFont(kDialogFont);
    SetClientSize({308, 195});
    Panel1.SetBounds({7, 7, 295, 148});
    Panel1.SetAnchors(kAllAnchors);
    Panel1.BevelInner = TBevelCut::bvRaised;
    Panel1.BevelOuter = TBevelCut::bvLowered;
    ProgramIcon.SetBounds({7, 7, 46, 46});
    ProgramIcon.ResourceName = "ABOUTPICTURE";
    ProductName.SetBounds({76, 15, 0, 12});
    ProductName.SetCaption("製品名");
    Version.SetBounds({76, 37, 0, 12});
    Version.SetCaption("バージョン");
    Copyright.SetBounds({7, 73, 0, 12});
    Copyright.SetCaption("著作権表記");
    Comments.SetBounds({7, 95, 281, 36});
    Comments.SetCaption("コメント");
    Comments.WordWrap = true;
    Comments.HandCursor = true;
    Comments.FontColor = clBlue;
    TFontSpec linkFont = kDialogFont;
    linkFont.Underline = true;
    Comments.SetFont(linkFont);
    OKButton.SetBounds({102, 165, 69, 23});
    OKButton.SetCaption("OK");
    OKButton.Default = true;
    OKButton.Cancel = true;  // Escape closes the box as Enter does
    OKButton.ModalResult = mrOk;
}

void TAboutBox::FormCreate(TObject*) {
    SetCaption(Application().Title() + " について");
    ProductName.SetCaption(Application().Title());
    Version.SetCaption(VersionInfo1.FileVersion());
    Copyright.SetCaption(VersionInfo1.LegalCopyright());
    Comments.SetCaption(homePage_);
}

void TAboutBox::CommentsClick(TObject*) {
    const std::uintptr_t window = Peer() ? Peer()->Handle() : 0;
    shell_.Open(window, homePage_);
}

}  // namespace mirevo
