#include "app/Program.h"

#include "app/MainForm.h"
#include "platform/Platform.h"
#include "textview/ClipboardBlock.h"
#include "textview/FontsInfoManager.h"
#include "ui/Application.h"

namespace mirevo {

int RunProgram(IPlatform& platform) {
    TFontsInfoManager fonts(platform.DrawingResources());
    TApplication application(platform.Host(), platform.Dialogs());
    application.SetTitle("Mirevo");
    SessionSettings settings;
    const auto clipboardFormats = platform.MakeClipboardFormats(kClipboardBlockFormatName);
    TMainForm mainForm(application,
                       {platform.Clipboard(), platform.Files(), platform.ProfileWriter(),
                        platform.Clock(), platform.DragDrop(), platform.VersionResource(),
                        platform.Shell(), fonts, *clipboardFormats, platform.CharTypes(),
                        platform.ClipboardWatch(), platform.HistoryFiles()},
                       settings);
    application.Run(mainForm);
    return 0;
}

}  // namespace mirevo
