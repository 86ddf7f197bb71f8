// Mirevo's entry point.
#include "app/Program.h"
#include "platform/Platform.h"

int main() {
    const auto platform = mirevo::CreatePlatform();
    return mirevo::RunProgram(*platform);
}
