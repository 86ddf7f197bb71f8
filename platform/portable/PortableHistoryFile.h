// The history file in standard C++; a failure's reason is the C library's text for errno.
#pragma once

#include <memory>
#include <string>

#include "platform/HistoryFile.h"

namespace mirevo {

// The temporary copy of a replace is the file's name with ".tmp" added.
class PortableHistoryFile final : public IHistoryFile {
public:
    explicit PortableHistoryFile(std::string path);

    std::string ReadAll() override;
    void Append(std::string_view bytes) override;
    void Replace(std::string_view bytes) override;

private:
    std::string path_;
};

class PortableHistoryFiles final : public IHistoryFiles {
public:
    std::unique_ptr<IHistoryFile> Open(std::string path) override {
        return std::make_unique<PortableHistoryFile>(std::move(path));
    }
};

}  // namespace mirevo
