#include "settings/IniFile.h"

#include "common/IntegerText.h"

namespace mirevo {

EIniFileException::EIniFileException(const std::string& path)
    : Exception(path + " に書き込めません") {}

TIniFile::TIniFile(std::string path, IProfileWriter& writer)
    : path_(std::move(path)), writer_(writer) {}

TIniFile::~TIniFile() {
    // The answer is not checked: Wine reports failure where Windows reports success.
    try {
        writer_.Flush(path_);
    } catch (...) {
        // A destructor may run while another exception is in flight.
    }
}

void TIniFile::WriteText(const std::string& section, const std::string& key,
                         const std::string& value) {
    if (!writer_.WriteString(section, key, value, path_)) throw EIniFileException(path_);
}

void TIniFile::WriteNumber(const std::string& section, const std::string& key, std::int32_t value) {
    WriteText(section, key, IntegerToText(value));
}

void TIniFile::WriteFlag(const std::string& section, const std::string& key, bool value) {
    WriteText(section, key, value ? "1" : "0");
}

}  // namespace mirevo
