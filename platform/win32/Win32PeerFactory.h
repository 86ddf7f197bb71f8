// Makes the native peer that fits a control's kind.
#pragma once

#include <memory>

#include "platform/win32/Win32Peer.h"

namespace mirevo {

std::unique_ptr<Win32Peer> MakePeer(TControl& control, Win32Host& host);

}  // namespace mirevo
