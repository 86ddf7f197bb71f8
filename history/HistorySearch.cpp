#include "history/HistorySearch.h"

#include "common/Sjis.h"

namespace mirevo {

THistorySearch::THistorySearch(std::string_view text) : lowerText_(AsciiLowerCase(text)) {}

bool THistorySearch::Matches(const THistoryRecord& record) const {
    return lowerText_.empty() || Holds(record.destination) || Holds(record.linkText) ||
           Holds(record.identifier);
}

bool THistorySearch::Holds(std::string_view field) const {
    return PosSjis(lowerText_, AsciiLowerCase(field)) != 0;
}

}  // namespace mirevo
