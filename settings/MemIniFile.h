// TMemIniFile: the settings reader. Loads a whole INI file once and answers lookups from memory.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "common/FileErrors.h"

namespace mirevo {

class IFileReader;

class TMemIniFile {
public:
    // Reads the file at path. A missing file gives a reader without sections, where every
    // lookup returns its default; a file that exists but cannot be read raises EFOpenError.
    TMemIniFile(const std::string& path, IFileReader& files);

    // A reader over text already in memory, as if it had been the file's bytes.
    static TMemIniFile FromText(std::string_view bytes);

    // Section names and keys match regardless of letter case. Of two sections with one name
    // only the last counts; of two entries with one key in it, the last.
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
    // The value read as an integer (see IntegerFromText); fallback when missing or broken.
    std::int32_t ReadNumber(std::string_view section, std::string_view key,
                            std::int32_t fallback) const;
    // On for any integer other than 0; fallback when missing or not an integer.
    bool ReadFlag(std::string_view section, std::string_view key, bool fallback) const;

private:
    TMemIniFile() = default;
    void Load(std::string_view bytes);
    const std::string* Find(std::string_view section, std::string_view key) const;

    using Entries = std::map<std::string, std::string>;  // by IniNameKey of the key
    std::map<std::string, Entries> sections_;            // by IniNameKey of the name
};

}  // namespace mirevo
