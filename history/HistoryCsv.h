// The history list as CSV for a spreadsheet.
#pragma once

#include <span>
#include <string>

#include "history/HistoryRecord.h"

namespace mirevo {

// A header row (日時, 種類, リンク先, リンクテキスト, 画像URL, a8mat, コード) and a row for each
// record in the order given. Every field is quoted with its quotes doubled, line breaks in a
// field kept as they are; rows end in CR LF. The bytes are Shift-JIS with no byte-order mark,
// which is what a spreadsheet on a Japanese system reads a CSV file as. Kinds are written as
// their tabs' names. A lead byte that stands for no character is left out: a reader would
// take the byte after it, the closing quote perhaps, as its second byte.
std::string HistoryCsv(std::span<const THistoryRecord> records);

}  // namespace mirevo
