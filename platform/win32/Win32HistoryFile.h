// The history file on Windows: an append is one WriteFile on a handle opened for appending
// only; a replace writes "<name>.tmp", flushes it and moves it over the file, writing through.
// A failure's reason is the system's own message, in the system's language.
#pragma once

#include <memory>
#include <string>

#include "platform/HistoryFile.h"

namespace mirevo {

class Win32HistoryFile final : public IHistoryFile {
public:
    explicit Win32HistoryFile(std::string path);

    std::string ReadAll() override;
    void Append(std::string_view bytes) override;
    void Replace(std::string_view bytes) override;

private:
    std::string path_;
};

class Win32HistoryFiles final : public IHistoryFiles {
public:
    std::unique_ptr<IHistoryFile> Open(std::string path) override {
        return std::make_unique<Win32HistoryFile>(std::move(path));
    }
};

}  // namespace mirevo
