#include "platform/portable/PortableProfileWriter.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>

#include "common/IniText.h"

namespace mirevo {

namespace {

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

}  // namespace

bool PortableProfileWriter::WriteString(const std::string& section, const std::string& key,
                                        const std::string& value, const std::string& path) {
    const auto bytes = ReadBytes(path);
    if (!bytes) return false;
    const auto rewritten = IniTextWithValue(*bytes, section, key, value);
    return rewritten && ReplaceFile(path, *rewritten);
}

void PortableProfileWriter::Flush(const std::string&) {}

}  // namespace mirevo
