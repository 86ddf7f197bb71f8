// The search of the history list: which records a text typed in its search field matches.
#pragma once

#include <string>
#include <string_view>

#include "history/HistoryRecord.h"

namespace mirevo {

// Matches a record whose destination, link text or identifier holds the text, ASCII letters
// in either case, other bytes as they are. A match never starts on the second byte of a
// two-byte character. An empty text matches every record.
class THistorySearch {
public:
    explicit THistorySearch(std::string_view text);

    bool Matches(const THistoryRecord& record) const;

private:
    bool Holds(std::string_view field) const;

    std::string lowerText_;
};

}  // namespace mirevo
