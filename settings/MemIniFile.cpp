#include "settings/MemIniFile.h"

#include "common/IntegerText.h"
#include "platform/FileReader.h"
#include "common/IniText.h"

namespace mirevo {

TMemIniFile::TMemIniFile(const std::string& path, IFileReader& files) {
    if (const auto bytes = files.ReadWholeFile(path)) Load(*bytes);
}

TMemIniFile TMemIniFile::FromText(std::string_view bytes) {
    TMemIniFile reader;
    reader.Load(bytes);
    return reader;
}

void TMemIniFile::Load(std::string_view bytes) {
    const std::string_view text = IniTextBeforeNul(bytes);
    Entries* current = nullptr;  // lines before the first header belong nowhere
    for (const auto& span : SplitIniLines(text)) {
        auto line = ClassifyIniLine(text.substr(span.begin, span.contentEnd - span.begin));
        if (line.kind == IniLineKind::Header) {
            current = &sections_[IniNameKey(line.name)];
            current->clear();  // a later section of the same name hides the earlier one
        } else if (line.kind == IniLineKind::Entry && current != nullptr) {
            (*current)[IniNameKey(line.name)] = std::move(line.value);
        }
    }
}

const std::string* TMemIniFile::Find(std::string_view section, std::string_view key) const {
    const auto entries = sections_.find(IniNameKey(section));
    if (entries == sections_.end()) return nullptr;
    const auto entry = entries->second.find(IniNameKey(key));
    return entry == entries->second.end() ? nullptr : &entry->second;
}

std::string TMemIniFile::ReadText(std::string_view section, std::string_view key,
                                  std::string_view fallback) const {
    const auto* value = Find(section, key);
    return value != nullptr ? *value : std::string(fallback);
}

std::int32_t TMemIniFile::ReadNumber(std::string_view section, std::string_view key,
                                     std::int32_t fallback) const {
    const auto* value = Find(section, key);
    return value != nullptr ? IntegerFromText(*value, fallback) : fallback;
}

bool TMemIniFile::ReadFlag(std::string_view section, std::string_view key, bool fallback) const {
    return ReadNumber(section, key, fallback ? 1 : 0) != 0;
}

}  // namespace mirevo
