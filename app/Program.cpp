#include "app/Program.h"

#include "app/MainForm.h"
#include "platform/Platform.h"
#include "ui/Application.h"

namespace mirevo {

int RunProgram(IPlatform& platform) {
    TApplication application(platform.Host(), platform.Dialogs());
    application.SetTitle("Mirevo");
    SessionSettings settings;
    TMainForm mainForm(application,
                       {platform.Clipboard(), platform.ProfileWriter(), platform.Clock(),
                        platform.DragDrop(), platform.VersionResource(), platform.Shell()},
                       settings);
    application.Run(mainForm);
    return 0;
}

}  // namespace mirevo
