// A history file in memory: its bytes, the writes made to it, and failures on demand.
#pragma once

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

}  // namespace mirevo::testing_support
