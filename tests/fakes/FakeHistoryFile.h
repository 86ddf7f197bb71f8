// A history file in memory: its bytes, the writes made to it, and failures on demand.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/HistoryFile.h"

namespace mirevo::testing_support {

class FakeHistoryFile final : public IHistoryFile {
public:
    std::string ReadAll() override;
    void Append(std::string_view bytes) override;
    void Replace(std::string_view bytes) override;

    // The file's content.
    std::string bytes;
    // "Read", "Append <bytes>", "Replace <bytes>", in call order.
    std::vector<std::string> calls;
    // Reads raise EFOpenError, writes EFCreateError, leaving the bytes as they are.
    bool failReads = false;
    bool failWrites = false;
};

// Files in memory by path; each opened file is the fake kept under its path.
class FakeHistoryFiles final : public IHistoryFiles {
public:
    std::unique_ptr<IHistoryFile> Open(std::string path) override;
    std::map<std::string, FakeHistoryFile> files;
};

}  // namespace mirevo::testing_support
