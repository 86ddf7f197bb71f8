// THistory: the records of every generated link, kept in the history file one record a line.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "history/HistoryRecord.h"
#include "platform/HistoryFile.h"

namespace mirevo {

// Holds the newest records of the file, at most its capacity; index 0 is the newest.
//
// A new record is appended to the file as one whole line, so a kill in the middle leaves at
// most a partial last line, which the next load skips; the record after it then starts on a
// line of its own. Whatever rewrites the file (dropping the oldest beyond the capacity,
// deleting) reads it again first, so what another copy of the program appended meanwhile
// stays, and replaces it whole through the file port. Lines that hold no record of ours
// (damaged, cut short, foreign, invalid fields) are skipped and counted, never fatal; a
// rewrite leaves them out. Blank lines are passed over without counting. A last line
// without its break is read when its check shows it whole.
//
// File errors come from the port (EFOpenError, EFCreateError); after one the history is as
// it was before the call. Misuse (an index out of range, a record that cannot be stored)
// raises EAssertionFailed.
class THistory {
public:
    static constexpr std::size_t kCapacity = 10000;

    // Reads the file. The file must outlive the history.
    explicit THistory(IHistoryFile& file, std::size_t capacity = kCapacity);

    // Reads the file again, for what another copy of the program wrote.
    void Load();

    std::size_t Count() const { return records_.size(); }
    // The record at index, 0 being the newest.
    const THistoryRecord& At(std::size_t index) const;
    // The lines the last read of the file skipped.
    std::size_t SkippedLines() const { return skippedLines_; }

    // The indexes, newest first, of the records whose destination, link text or identifier
    // holds the search text, ASCII letters in either case; every index for an empty text.
    std::vector<std::size_t> Find(std::string_view search) const;

    // Adds a record as the newest (it must be storable: IsStorableHistoryRecord). At the
    // capacity the oldest go and the file is rewritten instead of appended to.
    void Add(const THistoryRecord& record);

    // Deletes the records at the indexes (any order; repeats count once).
    void Delete(const std::vector<std::size_t>& indexes);
    // Deletes the newest record equal to the given one; false when the file holds none.
    bool Delete(const THistoryRecord& record);

private:
    struct Contents;
    Contents Read() const;
    void Take(Contents contents);
    // Reads the file, deletes from it one record equal to each given, and writes the rest
    // back; the number deleted.
    std::size_t DeleteEqual(const std::vector<THistoryRecord>& doomed);
    // Replaces the file with the newest records up to the capacity, then holds them.
    void Rewrite(std::vector<THistoryRecord> records);

    IHistoryFile& file_;
    std::size_t capacity_;
    std::vector<THistoryRecord> records_;  // oldest first, as in the file
    std::size_t recordsInFile_ = 0;
    std::size_t skippedLines_ = 0;
    std::string_view unendedLine_;  // CR LF or LF after a last line without its LF
};

}  // namespace mirevo
