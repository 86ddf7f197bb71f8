#include "platform/portable/PortableHistoryFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

#include "common/FileErrors.h"
#include "platform/portable/PortableFileReader.h"

namespace mirevo {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string ErrnoText() { return SystemErrorText(errno != 0 ? errno : EIO); }

// Writes the bytes to the file opened in the given mode, unbuffered, so that they go to the
// system in one call; raises EFCreateError naming path.
void WriteTo(const std::string& path, const char* mode, std::string_view bytes) {
    errno = 0;
    File file(std::fopen(path.c_str(), mode));
    if (!file) throw EFCreateError(path, ErrnoText());
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const int writeError = errno;
    if (std::fclose(file.release()) != 0 || !written) {
        throw EFCreateError(path, SystemErrorText(writeError != 0 ? writeError : EIO));
    }
}

}  // namespace

PortableHistoryFile::PortableHistoryFile(std::string path) : path_(std::move(path)) {}

std::string PortableHistoryFile::ReadAll() {
    return PortableFileReader().ReadWholeFile(path_).value_or(std::string());
}

void PortableHistoryFile::Append(std::string_view bytes) { WriteTo(path_, "ab", bytes); }

void PortableHistoryFile::Replace(std::string_view bytes) {
    const std::string temporary = path_ + ".tmp";
    std::error_code ignored;
    try {
        WriteTo(temporary, "wb", bytes);
    } catch (const EFCreateError&) {
        std::filesystem::remove(temporary, ignored);
        throw;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path_, error);
    if (error) {
        std::filesystem::remove(temporary, ignored);
        throw EFCreateError(path_, error.message());
    }
}

}  // namespace mirevo
