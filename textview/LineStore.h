// TLineStore: the result view's text as an array of lines, with cached display widths and
// change events.
//
// The view owns one store. It reads lines by 0-based index, changes them through the
// operations below, and subscribes to the six events to keep its layout (the word wrap) and
// its painting in step. Every change runs inside an update bracket: BeginUpdate fires
// OnChanging when the first bracket opens, EndUpdate fires OnChange when the last one
// closes, and the line events fire at once in between. So a stand-alone call fires
// OnChanging, its line event, OnChange; inside an outer bracket only the line events fire.
//
// Reads outside 0..Count()-1 are safe and give an empty value. A change at a bad index
// raises ELineStoreError "Invalid stringlist index %d" and changes nothing.
//
// Text is 8-bit Shift-JIS; a double-byte character counts as two columns. Tabs are expanded
// for display with TabWidth() (see LineStoreTabs.h); each line caches its expanded length.
//
// Memory: 32 bytes a line plus its text. A text set or loaded at once is kept as one block
// that its lines point into; a line added or replaced later has its own allocation. The
// records are kept in a gap buffer (GapBuffer.h) whose slots are the capacity, so edits near
// one place cost what they change, however many lines there are.
//
// The longest line, once asked for, is kept up to date by every change; only a change that
// shortens or removes the longest line itself, or a new tab width, makes the next ask scan
// every line again.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "textview/GapBuffer.h"
#include "textview/LineStoreErrors.h"
#include "textview/LineStoreSplit.h"
#include "textview/LineStoreTabs.h"

namespace mirevo {

// How the stream and file forms end lines.
enum class TLineBreakStyle : std::uint8_t { CrLf = 0, Lf = 1, Cr = 2 };

class TLineStore {
public:
    using TNotifyEvent = std::function<void(TLineStore& sender)>;
    using TLinesEvent =
        std::function<void(TLineStore& sender, std::int32_t index, std::int32_t count)>;

    TLineStore();
    // Fires no event: OnChanging and OnChange are emptied first, lines go without OnLines*.
    ~TLineStore();
    TLineStore(const TLineStore&) = delete;
    TLineStore& operator=(const TLineStore&) = delete;

    // Events; an empty one is skipped.
    TNotifyEvent OnChanging;  // before the first change of an update bracket
    TNotifyEvent OnChange;    // after the last change of an update bracket
    TNotifyEvent OnLinesCleared;
    TLinesEvent OnLinesDeleted;   // (first removed index, number removed)
    TLinesEvent OnLinesInserted;  // (first new index, number added)
    TLinesEvent OnLinesReplaced;  // (first changed index, number changed)

    // --- Reading -------------------------------------------------------------------------
    std::int32_t Count() const { return static_cast<std::int32_t>(lines_.Size()); }
    std::int32_t Capacity() const { return static_cast<std::int32_t>(lines_.Slots()); }
    // The line's text; valid until that line is replaced or removed. Empty outside the lines.
    std::string_view Get(std::int32_t index) const;
    // The object slot (not owned); nullptr outside the lines.
    void* Object(std::int32_t index) const;
    // The highlighter state slot; 0 outside the lines, -1 for lines added with text.
    std::int32_t LineState(std::int32_t index) const;
    // All lines joined by CR LF, no break after the last one.
    std::string Text() const;

    // --- Changing ------------------------------------------------------------------------
    // Appends a line; fires OnLinesInserted(index, 1) and returns the index.
    std::int32_t Add(std::string_view text);
    // Inserts a line before index (0..Count(); Count() appends).
    void Insert(std::int32_t index, std::string_view text);
    // Appends every line of source (with its objects) in one allocation and fires
    // OnLinesInserted once. Nothing happens for an empty source.
    void AddStrings(const TLineStore& source);
    void AddStrings(std::span<const std::string> source);
    // Add and Insert that also fill the object slot, in one bracket.
    std::int32_t AddObject(std::string_view text, void* object);
    void InsertObject(std::int32_t index, std::string_view text, void* object);
    // Moves a line (text, object) to newIndex as Delete then Insert, in one bracket.
    void Move(std::int32_t currentIndex, std::int32_t newIndex);
    // Clear, then every line of source with its object, in one bracket.
    void Assign(const TLineStore& source);
    // Index of the first line whose bytes equal text exactly, or -1.
    std::int32_t IndexOf(std::string_view text) const;
    // Replaces line index (OnLinesReplaced); index Count() appends exactly like Add.
    void Put(std::int32_t index, std::string_view text);
    void PutObject(std::int32_t index, void* object);
    void SetLineState(std::int32_t index, std::int32_t state);
    void Delete(std::int32_t index);
    // Removes up to count lines from index; count <= 0 does nothing, not even a check.
    void DeleteLines(std::int32_t index, std::int32_t count);
    // Inserts count empty lines before index (0..Count()); sets the capacity to exactly
    // Count() + count.
    void InsertLines(std::int32_t index, std::int32_t count);
    // Swaps two whole lines; the cached longest line follows its line. Fires
    // OnLinesReplaced(index1, 1) then OnLinesReplaced(index2, 1) unless they are the same.
    void Exchange(std::int32_t index1, std::int32_t index2);
    // Drops every line and the storage; fires OnLinesCleared when there were lines.
    void Clear();
    // Clear, then one Add per line of text (see LineStoreSplit.h: a NUL ends the text).
    void SetText(std::string_view text);
    // SetText that keeps the string's own buffer for the lines instead of copying it.
    void AdoptText(std::string&& text);
    // Raises EListError when capacity < Count().
    void SetCapacity(std::int32_t capacity);

    void BeginUpdate();
    void EndUpdate();

    // --- Display widths ------------------------------------------------------------------
    std::int32_t TabWidth() const { return tabWidth_; }
    // The view keeps its width between 1 and 256; a change forgets every cached width.
    void SetTabWidth(std::int32_t tabWidth);
    // The line with tabs expanded, one byte per column. A line without tabs is its stored
    // text; an expansion lives in a buffer of the store. Either way the view is valid only
    // until the next call or change. Empty outside the lines.
    std::string_view ExpandedLine(std::int32_t index);
    // Columns of the expanded line; 0 outside the lines.
    std::int32_t ExpandedLineLength(std::int32_t index);
    // Greatest expanded length over all lines (0 for none); kept up to date once asked for.
    std::int32_t LongestLineLength();
    // The cached index of the longest line, -1 when unknown or every line is empty. The
    // earliest of equally long lines wins, except that Exchange carries it with its line.
    std::int32_t LongestLineIndex() const { return longestLine_; }

    // --- Streams and files ---------------------------------------------------------------
    TLineBreakStyle LineBreakStyle() const { return lineBreakStyle_; }
    void SetLineBreakStyle(TLineBreakStyle style) { lineBreakStyle_ = style; }
    // When false, loading turns a final break into an empty last line and saving writes
    // no break after the last line, so a load and save give back the same bytes.
    bool BreakAfterLastLine() const { return breakAfterLastLine_; }
    void SetBreakAfterLastLine(bool value) { breakAfterLastLine_ = value; }

    // Replaces the lines by the whole stream from position 0 (NUL is an ordinary byte) and
    // sets LineBreakStyle from the breaks seen. Raises EReadError when the stream fails.
    void LoadFromStream(std::istream& stream);
    // Writes every line with the LineBreakStyle break in one write; EWriteError on failure.
    void SaveToStream(std::ostream& stream) const;
    // EFOpenError when the file cannot be opened.
    void LoadFromFile(const std::string& fileName);
    // Creates or truncates the file (EFCreateError) and writes through a 16384-byte buffer.
    void SaveToFile(const std::string& fileName) const;

private:
    enum LineFlag : std::uint8_t { HasTabs = 1, HasNoTabs = 2, ExpandedLengthUnknown = 4 };

    // One line: 32 bytes. Its text is its own allocation, or a piece of the shared block
    // (see SharedBlock); an empty line has no text at all.
    struct LineRecord {
        const char* text = nullptr;
        void* data = nullptr;
        std::int32_t length = 0;
        std::int32_t lineState = -1;
        std::int32_t expandedLength = -1;
        std::uint8_t flags = ExpandedLengthUnknown;
        bool ownsText = false;

        LineRecord() = default;
        LineRecord(LineRecord&& other) noexcept;
        LineRecord& operator=(LineRecord&& other) noexcept;
        ~LineRecord();

        std::string_view View() const { return {text, static_cast<std::size_t>(length)}; }
        bool InSharedBlock() const { return text != nullptr && !ownsText; }
        void SetOwnText(std::string_view value);
    };

    // A whole text set or loaded at once is kept as one block that its lines point into, so
    // a large text costs one allocation instead of one per line. The block goes with the
    // last line that uses it.
    struct SharedBlock {
        std::string bytes;
        std::size_t liveLines = 0;
    };

    static LineRecord NewRecord(std::string_view text, void* data);
    void CheckIndex(std::int32_t index, std::int32_t last) const;
    void GrowForOneMore();
    void Reallocate(std::int32_t capacity);
    void ReserveForAdds(std::size_t lines);
    void InsertRecord(std::int32_t index, LineRecord&& record);
    template <typename Source>
    void AppendAll(std::int32_t sourceCount, const Source& lineOf);
    // Adds every line of bytes (Add's events each) as pieces of the shared block.
    TSplitResult AddSharedText(std::string&& bytes, TNulHandling nul);
    // Lines of first..last-1 that point into the shared block.
    std::size_t SharedLinesIn(std::int32_t first, std::int32_t last) const;
    // That many lines stopped using the block; the last one frees it.
    void ReleaseShared(std::size_t lines);
    // Expands line index, refreshes its cache and returns the expansion.
    std::string_view Expand(std::int32_t index);
    // Keeping the longest line after a change, while it is known.
    void ForgetLongest();
    void ConsiderForLongest(std::int32_t index);
    void LongestAfterInsert(std::int32_t index, std::int32_t count);
    void LongestAfterDelete(std::int32_t index, std::int32_t count);
    void LongestAfterPut(std::int32_t index, std::int32_t oldLength);
    void Fire(const TNotifyEvent& event);
    void Fire(const TLinesEvent& event, std::int32_t index, std::int32_t count);
    std::string JoinedForSaving() const;

    SharedBlock shared_;
    TGapBuffer<LineRecord> lines_;
    TLineBreakStyle lineBreakStyle_ = TLineBreakStyle::CrLf;
    bool breakAfterLastLine_ = false;
    std::int32_t tabWidth_ = 8;
    TConvertTabs convertTabs_ = ConvertTabsFor(tabWidth_);
    std::int32_t longestLine_ = -1;
    bool longestKnown_ = false;  // longestLine_ is the result of a scan kept up to date
    std::int32_t updateCount_ = 0;
    std::string expanded_;  // the last expansion handed out by ExpandedLine
};

}  // namespace mirevo
