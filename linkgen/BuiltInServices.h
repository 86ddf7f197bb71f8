// The service addresses the program was built with.
#pragma once

#include "common/ServiceAddresses.h"

namespace mirevo {

ServiceAddresses BuiltInServiceAddresses();

}  // namespace mirevo
