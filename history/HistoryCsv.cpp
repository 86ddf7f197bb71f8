#include "history/HistoryCsv.h"

#include <cstddef>
#include <string_view>

#include "common/Sjis.h"

namespace mirevo {

namespace {

constexpr std::string_view kHeader[] = {"日時",    "種類",  "リンク先", "リンクテキスト",
                                        "画像URL", "a8mat", "コード"};

void AppendField(std::string& csv, std::string_view value) {
    csv += '"';
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char byte = value[i];
        if (IsLeadByte(byte)) {
            if (i + 1 < value.size() && IsTrailByte(value[i + 1])) {
                csv += byte;
                csv += value[++i];
            }
        } else if (byte == '"') {
            csv += "\"\"";
        } else {
            csv += byte;
        }
    }
    csv += '"';
}

template <typename Values>
void AppendRow(std::string& csv, const Values& values) {
    bool first = true;
    for (const std::string_view value : values) {
        if (!first) csv += ',';
        first = false;
        AppendField(csv, value);
    }
    csv += "\r\n";
}

}  // namespace

std::string HistoryCsv(std::span<const THistoryRecord> records) {
    std::string csv;
    AppendRow(csv, kHeader);
    for (const auto& r : records) {
        const std::string_view row[] = {
            r.time, HistoryKindName(r.kind), r.destination, r.linkText, r.imageUrl, r.identifier,
            r.code};
        AppendRow(csv, row);
    }
    return csv;
}

}  // namespace mirevo
