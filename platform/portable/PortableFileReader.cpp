#include "platform/portable/PortableFileReader.h"

#include <cerrno>
#include <cstdio>
#include <memory>

#include "common/FileErrors.h"

namespace mirevo {

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
}  // namespace

std::optional<std::string> PortableFileReader::ReadWholeFile(const std::string& path) {
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        if (errno == ENOENT) return std::nullopt;
        throw EFOpenError(path, SystemErrorText(errno != 0 ? errno : EIO));
    }
    std::string bytes;
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.append(buffer, count);
    }
    // A folder opens on some systems and only fails when read.
    if (std::ferror(file.get())) throw EFOpenError(path, SystemErrorText(errno != 0 ? errno : EIO));
    return bytes;
}

}  // namespace mirevo
