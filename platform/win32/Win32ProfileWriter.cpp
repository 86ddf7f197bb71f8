#include "platform/win32/Win32ProfileWriter.h"

#include "common/FileErrors.h"
#include "common/IniText.h"
#include "platform/win32/Win32FileHandle.h"
#include "platform/win32/Win32FileReader.h"

namespace mirevo {

bool Win32ProfileWriter::WriteString(const std::string& section, const std::string& key,
                                     const std::string& value, const std::string& path) {
    try {
        const std::string bytes = Win32FileReader().ReadWholeFile(path).value_or(std::string());
        const auto rewritten = IniTextWithValue(bytes, section, key, value);
        if (!rewritten) return false;
        ReplaceWholeFile(path, *rewritten);
        return true;
    } catch (const EFOpenError&) {
        return false;
    } catch (const EFCreateError&) {
        return false;
    }
}

void Win32ProfileWriter::Flush(const std::string&) {}

}  // namespace mirevo
