// The one-line form in which the history file keeps a record.
//
//   MirevoHistory1 TAB time TAB kind TAB destination TAB link text TAB image URL TAB
//   identifier TAB code TAB check
//
// The kind is one digit; the check is the CRC-32 of every byte before its TAB, as eight
// lower-case hex digits, so a line cut short by a kill or damaged on the disk is refused.
// Inside a field, backslash, TAB, CR and LF are written \\ \t \r \n, so a code with line
// breaks stays one line. The fields are Shift-JIS: the second byte of a two-byte character
// is never an escape or the start of one ("表" is 0x95 0x5C and is written as it is). A lead
// byte that stands for no character because a TAB, CR or LF follows it is written with a
// backslash in front, so that the escape after it is not taken for its second byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "history/HistoryRecord.h"

namespace mirevo {

// The marker that opens every line, with the version of the form.
constexpr std::string_view kHistoryLineMarker = "MirevoHistory1";

// The record's line, without a line break. The record must be storable
// (IsStorableHistoryRecord).
std::string HistoryLine(const THistoryRecord& record);

// The check of a line's bytes before it: CRC-32 (the polynomial of zip and PNG) as eight
// lower-case hex digits.
std::string HistoryLineCheck(std::string_view bytes);

// The record a line holds (the line without its break, a CR before the LF included); nullopt
// for a line that is foreign, cut short or damaged, or whose time or kind is invalid.
std::optional<THistoryRecord> ParseHistoryLine(std::string_view line);

}  // namespace mirevo
