// Reads a settings file in a test, through the standard-C++ file reader.
#pragma once

#include <string>

#include "platform/portable/PortableFileReader.h"
#include "settings/MemIniFile.h"

namespace mirevo::testing_support {

inline TMemIniFile ReadIni(const std::string& path) {
    PortableFileReader files;
    return TMemIniFile(path, files);
}

}  // namespace mirevo::testing_support
