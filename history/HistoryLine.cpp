#include "history/HistoryLine.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

#include "common/Exception.h"
#include "common/Sjis.h"

namespace mirevo {

namespace {

constexpr char kSeparator = '\t';
constexpr std::size_t kFieldCount = 9;  // marker, seven of the record, check
constexpr std::size_t kCheckDigits = 8;
constexpr std::string_view kHexDigits = "0123456789abcdef";

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < table.size(); ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr auto kCrcTable = MakeCrcTable();

}  // namespace

std::string HistoryLineCheck(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc = kCrcTable[(crc ^ static_cast<unsigned char>(byte)) & 0xFFu] ^ (crc >> 8);
    }
    crc ^= 0xFFFFFFFFu;
    std::string text(kCheckDigits, '0');
    for (std::size_t i = kCheckDigits; i-- > 0; crc >>= 4) text[i] = kHexDigits[crc & 0xFu];
    return text;
}

namespace {

bool IsBreakOrTab(char byte) { return byte == '\t' || byte == '\r' || byte == '\n'; }

void AppendEscaped(std::string& line, std::string_view value) {
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char byte = value[i];
        if (IsLeadByte(byte) && i + 1 < value.size()) {
            if (IsBreakOrTab(value[i + 1])) {
                line += '\\';
                line += byte;
            } else {
                line += byte;
                line += value[++i];
            }
        } else if (byte == '\\') {
            line += "\\\\";
        } else if (byte == '\t') {
            line += "\\t";
        } else if (byte == '\r') {
            line += "\\r";
        } else if (byte == '\n') {
            line += "\\n";
        } else {
            line += byte;
        }
    }
}

// The byte an escape stands for; nullopt for no escape of ours.
std::optional<char> Unescaped(char byte) {
    switch (byte) {
        case '\\':
            return '\\';
        case 't':
            return '\t';
        case 'r':
            return '\r';
        case 'n':
            return '\n';
        default:
            return IsLeadByte(byte) ? std::optional<char>(byte) : std::nullopt;
    }
}

std::optional<std::string> UnescapedField(std::string_view field) {
    std::string value;
    value.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char byte = field[i];
        if (IsLeadByte(byte)) {
            value += byte;
            if (i + 1 < field.size()) value += field[++i];
        } else if (byte == '\\') {
            const auto escaped = i + 1 < field.size() ? Unescaped(field[++i]) : std::nullopt;
            if (!escaped) return std::nullopt;
            value += *escaped;
        } else if (byte == '\r') {
            return std::nullopt;  // never written bare
        } else {
            value += byte;
        }
    }
    return value;
}

// The fields between TABs; a TAB is never the second byte of a character.
std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t begin = 0;
    for (;;) {
        const auto end = line.find(kSeparator, begin);
        fields.push_back(line.substr(begin, end - begin));
        if (end == std::string_view::npos) return fields;
        begin = end + 1;
    }
}

std::optional<std::int32_t> KindOf(std::string_view field) {
    if (field.size() != 1 || field[0] < '0' || field[0] >= '0' + kHistoryKindCount) {
        return std::nullopt;
    }
    return field[0] - '0';
}

}  // namespace

std::string HistoryLine(const THistoryRecord& record) {
    MIREVO_ASSERT(IsStorableHistoryRecord(record));
    std::string line(kHistoryLineMarker);
    line += kSeparator;
    line += record.time;
    line += kSeparator;
    line += static_cast<char>('0' + record.kind);
    for (const auto* value : {&record.destination, &record.linkText, &record.imageUrl,
                              &record.identifier, &record.code}) {
        line += kSeparator;
        AppendEscaped(line, *value);
    }
    line += kSeparator;
    line += HistoryLineCheck(std::string_view(line).substr(0, line.size() - 1));
    return line;
}

std::optional<THistoryRecord> ParseHistoryLine(std::string_view line) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    const auto fields = SplitFields(line);
    if (fields.size() != kFieldCount || fields[0] != kHistoryLineMarker) return std::nullopt;
    const auto checked = line.substr(0, line.size() - fields.back().size() - 1);
    if (fields.back() != HistoryLineCheck(checked)) return std::nullopt;
    const auto kind = KindOf(fields[2]);
    if (!IsHistoryTime(fields[1]) || !kind) return std::nullopt;
    THistoryRecord record;
    record.time = fields[1];
    record.kind = *kind;
    std::string* const values[] = {&record.destination, &record.linkText, &record.imageUrl,
                                   &record.identifier, &record.code};
    for (std::size_t i = 0; i < std::size(values); ++i) {
        auto value = UnescapedField(fields[3 + i]);
        if (!value) return std::nullopt;
        *values[i] = std::move(*value);
    }
    return record;
}

}  // namespace mirevo
