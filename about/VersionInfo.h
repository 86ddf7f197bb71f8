// TVersionInfo: the version block of an executable, read once, as fourteen text properties.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "about/VersionInfoParts.h"
#include "platform/VersionResource.h"

namespace mirevo {

class VersionBlock;

// Construct it with the platform's version reader and the full path of the running
// executable (on Windows, RunningExecutablePath() of platform/win32/Win32VersionResource.h);
// it reads that file's version block at once and keeps only the texts. The reader must
// outlive the component only if GetInfo is called again later.
//
// A file without a version block, or whose block has no translation table, reads
// "<info not available>" in all fourteen properties. A string value missing from the table
// reads as empty. The four version parts are split from FileVersion (SplitFileVersion).
class TVersionInfo {
public:
    TVersionInfo(IVersionResource& resource, const std::string& path);

    // Fills all fourteen properties from the version block of the file at path.
    void GetInfo(const std::string& path);

    const std::string& CompanyName() const { return values_[0]; }
    const std::string& FileDescription() const { return values_[1]; }
    const std::string& FileVersion() const { return values_[2]; }
    const std::string& Internalname() const { return values_[3]; }
    const std::string& LegalCopyright() const { return values_[4]; }
    const std::string& LegalTradeMarks() const { return values_[5]; }
    const std::string& OriginalFilename() const { return values_[6]; }
    const std::string& ProductName() const { return values_[7]; }
    const std::string& ProductVersion() const { return values_[8]; }
    const std::string& Comments() const { return values_[9]; }
    const std::string& MajorVersion() const { return parts_.MajorVersion; }
    const std::string& MinorVersion() const { return parts_.MinorVersion; }
    const std::string& Release() const { return parts_.Release; }
    const std::string& Build() const { return parts_.Build; }

    // The string values read, in the order of the properties above.
    static constexpr std::array<const char*, 10> kValueNames = {
        "CompanyName",     "FileDescription",  "FileVersion", "InternalName",   "LegalCopyright",
        "LegalTradeMarks", "OriginalFilename", "ProductName", "ProductVersion", "Comments"};
    // The path of a string value in the table of a language and code page, written with
    // doubled backslashes: "\\\\StringFileInfo\\\\041103A4\\\\CompanyName".
    static std::string StringValuePath(std::uint16_t language, std::uint16_t codePage,
                                       const char* name);

private:
    struct Translation {
        std::uint16_t language;
        std::uint16_t codePage;
    };

    std::optional<Translation> ReadTranslation(const VersionBlock& block) const;
    void ReadValues(const VersionBlock& block, Translation translation);
    void SetAllNotAvailable();

    IVersionResource& resource_;
    std::array<std::string, kValueNames.size()> values_;
    FileVersionParts parts_;
};

}  // namespace mirevo
