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

}  // namespace mirevo::testing_support
