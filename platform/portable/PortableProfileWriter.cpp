#include "platform/portable/PortableProfileWriter.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

#include "common/IniText.h"
#include "common/Trim.h"

namespace mirevo {

namespace {

constexpr std::string_view kCrLf = "\r\n";

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The file's bytes, empty for a missing file; nullopt when it exists but cannot be read.
std::optional<std::string> ReadBytes(const std::string& path) {
    errno = 0;
    const File file(std::fopen(path.c_str(), "rb"));
    if (!file) return errno == ENOENT ? std::optional<std::string>("") : std::nullopt;
    std::string bytes;
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, count);
    }
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

bool WriteBytes(const std::string& path, std::string_view bytes) {
    File file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}

// Writes a complete copy beside the file and renames it over the file.
bool ReplaceFile(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".mirevo-tmp";
    std::error_code error;
    if (WriteBytes(temporary, bytes)) {
        std::filesystem::rename(temporary, path, error);
        if (!error) return true;
    }
    std::filesystem::remove(temporary, error);
    return false;
}

bool Holds(std::string_view text, std::string_view characters) {
    return text.find_first_of(characters) != std::string_view::npos;
}

bool Storable(const std::string& section, const std::string& key, const std::string& value) {
    using namespace std::string_view_literals;
    const auto breaks = "\r\n\0"sv;
    if (Holds(section, breaks) || Holds(key, breaks) || Holds(value, breaks)) return false;
    // The reader trims the key before it looks at its first character.
    const std::string name = Trim(key);
    if (Holds(name, "=") || name.starts_with(';') || name.starts_with('[')) return false;
    // A name ending in a lead byte would take the closing "]" for its second byte.
    return ClassifyIniLine("[" + section + "]").kind == IniLineKind::Header;
}

// Where the section's entries and the key stand in the counted part of the file.
struct Location {
    std::optional<std::size_t> keyLine;         // the key's line, when the key exists
    std::optional<std::size_t> lastFilledLine;  // the section's last non-blank line
};

std::optional<Location> Locate(std::string_view text, const std::vector<IniLineSpan>& lines,
                               const std::string& section, const std::string& key) {
    // The reader sees names without the blanks at their ends.
    const std::string sectionKey = IniNameKey(Trim(section));
    const std::string keyKey = IniNameKey(Trim(key));
    std::optional<Location> found;
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto& span = lines[i];
        const auto line = ClassifyIniLine(text.substr(span.begin, span.contentEnd - span.begin));
        if (line.kind == IniLineKind::Header) {
            inside = IniNameKey(line.name) == sectionKey;
            // A later section of the same name is the one the reader sees.
            if (inside) found = Location{std::nullopt, i};
        } else if (inside && line.kind != IniLineKind::Blank) {
            found->lastFilledLine = i;
            if (line.kind == IniLineKind::Entry && IniNameKey(line.name) == keyKey) {
                found->keyLine = i;
            }
        }
    }
    return found;
}

// The text with one line put in after the given line, which may lack its break.
std::string InsertAfter(std::string_view text, const IniLineSpan& after, std::string_view line) {
    std::string result(text.substr(0, after.end));
    if (after.end == after.contentEnd) result += kCrLf;
    result += line;
    result += kCrLf;
    result += text.substr(after.end);
    return result;
}

std::string Rewrite(std::string_view text, const std::string& section, const std::string& key,
                    const std::string& value) {
    const auto lines = SplitIniLines(text);
    const std::string entry = key + "=" + value;
    const auto location = Locate(text, lines, section, key);
    if (location && location->keyLine) {
        // The key keeps the spelling it has in the file, as on Windows.
        const auto& span = lines[*location->keyLine];
        const auto line = ClassifyIniLine(text.substr(span.begin, span.contentEnd - span.begin));
        return std::string(text.substr(0, span.begin)) + line.name + "=" + value +
               std::string(text.substr(span.contentEnd));
    }
    if (location) return InsertAfter(text, lines[*location->lastFilledLine], entry);
    std::string result(text);
    if (!result.empty() && result.back() != '\r' && result.back() != '\n') result += kCrLf;
    return result + "[" + section + "]" + std::string(kCrLf) + entry + std::string(kCrLf);
}

}  // namespace

bool PortableProfileWriter::WriteString(const std::string& section, const std::string& key,
                                        const std::string& value, const std::string& path) {
    if (!Storable(section, key, value)) return false;
    const auto bytes = ReadBytes(path);
    if (!bytes) return false;
    // Bytes from a NUL on are invisible to the reader; they stay behind the counted text.
    const std::string_view counted = IniTextBeforeNul(*bytes);
    const std::string_view rest = std::string_view(*bytes).substr(counted.size());
    return ReplaceFile(path, Rewrite(counted, section, key, value) + std::string(rest));
}

void PortableProfileWriter::Flush(const std::string&) {}

}  // namespace mirevo
