// The program's start: the application titled "Mirevo", its main window and the message loop.
#pragma once

namespace mirevo {

class IPlatform;
class TFontsInfoManager;

// Runs the program until its main window closes; returns the process's exit code. fonts is
// the process's font registry over the platform's drawing resources.
int RunProgram(IPlatform& platform, TFontsInfoManager& fonts);

}  // namespace mirevo
