// Mirevo's entry point.
#include "app/Program.h"
#include "platform/Platform.h"
#include "textview/FontsInfoManager.h"

int main() {
    const auto platform = mirevo::CreatePlatform();
    return mirevo::RunProgram(*platform, mirevo::FontsInfoManager());
}
