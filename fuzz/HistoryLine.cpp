// Fuzz target: the history's line form reads back what it writes, refuses lines cut short,
// and a history file of any bytes loads, takes a record and gives it back as the newest.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "history/History.h"
#include "history/HistoryLine.h"
#include "tests/fakes/FakeHistoryFile.h"

namespace {

// A record whose five text fields are the input cut into five parts.
mirevo::THistoryRecord RecordOf(std::string_view bytes) {
    mirevo::THistoryRecord record;
    record.time = "2024-05-06 07:08:09";
    record.kind = bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]) % 4;
    std::string* const fields[] = {&record.destination, &record.linkText, &record.imageUrl,
                                   &record.identifier, &record.code};
    const std::size_t count = std::size(fields);
    for (std::size_t i = 0; i < count; ++i) {
        const auto begin = bytes.size() * i / count;
        const auto end = bytes.size() * (i + 1) / count;
        *fields[i] = bytes.substr(begin, end - begin);
    }
    return record;
}

void CheckLine(std::string_view bytes) {
    const auto parsed = mirevo::ParseHistoryLine(bytes);
    if (parsed && mirevo::ParseHistoryLine(mirevo::HistoryLine(*parsed)) != parsed) std::abort();

    const auto record = RecordOf(bytes);
    const auto line = mirevo::HistoryLine(record);
    if (line.find_first_of("\r\n") != std::string::npos) std::abort();
    if (mirevo::ParseHistoryLine(line) != record) std::abort();
    for (const auto cut : {line.size() / 2, line.size() - 1, line.size() - 9, bytes.size()}) {
        if (cut < line.size() && mirevo::ParseHistoryLine(line.substr(0, cut))) std::abort();
    }
}

void CheckFile(std::string_view bytes) {
    mirevo::testing_support::FakeHistoryFile file;
    file.bytes = bytes;
    mirevo::THistory history(file, 3);
    const auto record = RecordOf(bytes);
    history.Add(record);
    const mirevo::THistory reloaded(file, 3);
    if (history.At(0) != record || reloaded.Count() != history.Count()) std::abort();
    for (std::size_t i = 0; i < history.Count(); ++i) {
        if (reloaded.At(i) != history.At(i)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckLine(bytes);
    CheckFile(bytes);
    return 0;
}
