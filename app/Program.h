// The program's start: the application titled "Mirevo", its main window and the message loop.
#pragma once

namespace mirevo {

class IPlatform;

// Runs the program until its main window closes; returns the process's exit code.
int RunProgram(IPlatform& platform);

}  // namespace mirevo
