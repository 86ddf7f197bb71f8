// Port: the file that keeps the history of generated links, one record a line.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace mirevo {

// One file, named when the implementation is made. Every failure raises an exception that
// names the file and gives the system's reason.
class IHistoryFile {
public:
    virtual ~IHistoryFile() = default;

    // The file's bytes, all of them or an exception (EFOpenError); empty when there is no
    // such file yet.
    virtual std::string ReadAll() = 0;

    // Adds the bytes at the end of the file in one write, creating the file when it is
    // missing. Interrupted, it leaves at most a part of those bytes behind what was there.
    // EFCreateError when the file cannot be opened or written.
    virtual void Append(std::string_view bytes) = 0;

    // Makes the bytes the file's whole content: writes them to a temporary file beside it,
    // flushes that to the disk and renames it over the file, so the file is always either
    // the old one or the new one, never half of either. EFCreateError on failure, which
    // leaves the file as it was and no temporary file behind.
    virtual void Replace(std::string_view bytes) = 0;
};

// Opens files by path for the history: its own file, and the files it is exported to, which
// are written whole by Replace like the history itself.
class IHistoryFiles {
public:
    virtual ~IHistoryFiles() = default;
    virtual std::unique_ptr<IHistoryFile> Open(std::string path) = 0;
};

}  // namespace mirevo
