#include "tests/fakes/FakeProfileWriter.h"

namespace mirevo::testing_support {

FakeProfileWriter::Call FakeProfileWriter::Write(std::string section, std::string key,
                                                 std::string value, std::string path) {
    return {std::move(section), std::move(key), std::move(value), std::move(path), false};
}

FakeProfileWriter::Call FakeProfileWriter::FlushOf(std::string path) {
    return {{}, {}, {}, std::move(path), true};
}

bool FakeProfileWriter::WriteString(const std::string& section, const std::string& key,
                                    const std::string& value, const std::string& path) {
    calls_.push_back(Write(section, key, value, path));
    return refused_ != writes_++;
}

void FakeProfileWriter::Flush(const std::string& path) { calls_.push_back(FlushOf(path)); }

}  // namespace mirevo::testing_support
