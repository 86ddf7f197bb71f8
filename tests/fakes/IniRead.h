// Reads a settings file in a test, through the standard-C++ file reader, and lists what a
// file's lines name, so that two files can be compared by what the reader answers.
#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "common/IniText.h"
#include "platform/portable/PortableFileReader.h"
#include "settings/MemIniFile.h"

namespace mirevo::testing_support {

inline TMemIniFile ReadIni(const std::string& path) {
    PortableFileReader files;
    return TMemIniFile(path, files);
}

using IniName = std::pair<std::string, std::string>;  // section, key

// The section and key of every entry line of the bytes, trimmed as the reader trims them;
// an entry before the first header counts under the empty section name.
inline std::set<IniName> IniNames(std::string_view bytes) {
    const std::string_view text = IniTextBeforeNul(bytes);
    std::set<IniName> names;
    std::string section;
    for (const auto& span : SplitIniLines(text)) {
        const auto line = ClassifyIniLine(text.substr(span.begin, span.contentEnd - span.begin));
        if (line.kind == IniLineKind::Header) section = line.name;
        if (line.kind == IniLineKind::Entry) names.insert({section, line.name});
    }
    return names;
}

// What the reader answers for each name: the value, or "<missing>".
inline std::map<IniName, std::string> ReadEach(const TMemIniFile& ini,
                                               const std::set<IniName>& names) {
    std::map<IniName, std::string> values;
    for (const auto& [section, key] : names) {
        values[{section, key}] = ini.ReadText(section, key, "<missing>");
    }
    return values;
}

}  // namespace mirevo::testing_support
