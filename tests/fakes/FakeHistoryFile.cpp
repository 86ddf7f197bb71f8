#include "tests/fakes/FakeHistoryFile.h"

#include "common/FileErrors.h"

namespace mirevo::testing_support {

namespace {
constexpr const char* kName = "history.txt";
}  // namespace

std::string FakeHistoryFile::ReadAll() {
    calls.push_back("Read");
    if (failReads) throw EFOpenError(kName, "denied");
    return bytes;
}

void FakeHistoryFile::Append(std::string_view added) {
    calls.push_back("Append " + std::string(added));
    if (failWrites) throw EFCreateError(kName, "denied");
    bytes += added;
}

void FakeHistoryFile::Replace(std::string_view replacement) {
    calls.push_back("Replace " + std::string(replacement));
    if (failWrites) throw EFCreateError(kName, "denied");
    bytes = replacement;
}

namespace {

class OpenedFile final : public IHistoryFile {
public:
    explicit OpenedFile(FakeHistoryFile& file) : file_(file) {}
    std::string ReadAll() override { return file_.ReadAll(); }
    void Append(std::string_view bytes) override { file_.Append(bytes); }
    void Replace(std::string_view bytes) override { file_.Replace(bytes); }

private:
    FakeHistoryFile& file_;
};

}  // namespace

std::unique_ptr<IHistoryFile> FakeHistoryFiles::Open(std::string path) {
    return std::make_unique<OpenedFile>(files[path]);
}

}  // namespace mirevo::testing_support
