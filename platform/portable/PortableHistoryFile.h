// The history file in standard C++; a failure's reason is the C library's text for errno.
#pragma once

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

}  // namespace mirevo
