// TIniFile: the settings writer. Hands every key to the platform's profile writer at once.
#pragma once

#include <cstdint>
#include <string>

#include "common/Exception.h"
#include "platform/ProfileWriter.h"

namespace mirevo {

// Raised when the profile writer refuses a key: "<path> に書き込めません".
class EIniFileException : public Exception {
public:
    explicit EIniFileException(const std::string& path);
};

class TIniFile {
public:
    // Touches nothing until the first write. The writer must outlive this object.
    TIniFile(std::string path, IProfileWriter& writer);
    // Asks the profile writer to flush its cached copy of the file; never throws.
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const std::string& FileName() const { return path_; }

    // Each stores one key at once and raises EIniFileException when refused; keys written
    // before a refusal stay written.
    void WriteText(const std::string& section, const std::string& key, const std::string& value);
    // Plain decimal text, "-" before negative values.
    void WriteNumber(const std::string& section, const std::string& key, std::int32_t value);
    // "1" for on, "0" for off.
    void WriteFlag(const std::string& section, const std::string& key, bool value);

private:
    std::string path_;
    IProfileWriter& writer_;
};

}  // namespace mirevo
