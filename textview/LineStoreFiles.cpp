// The line store's stream and file forms.
#include <cerrno>

#include <fstream>
#include <istream>
#include <ostream>
#include <string>
#include <utility>

#include "textview/LineStore.h"
#include "textview/LineStoreUpdate.h"

namespace mirevo {

namespace {

constexpr std::size_t kFileWriteBufferSize = 16384;

std::string_view BreakText(TLineBreakStyle style) {
    switch (style) {
        case TLineBreakStyle::Lf:
            return "\n";
        case TLineBreakStyle::Cr:
            return "\r";
        case TLineBreakStyle::CrLf:
            break;
    }
    return "\r\n";
}

// Reads the rest of the stream; the stream's own failures become EReadError.
std::string ReadAll(std::istream& stream) {
    std::string buffer;
    char chunk[65536];
    while (true) {
        const std::streamsize got = stream.rdbuf() ? stream.rdbuf()->sgetn(chunk, sizeof chunk) : 0;
        if (got <= 0) break;
        buffer.append(chunk, static_cast<std::size_t>(got));
    }
    if (stream.bad()) throw EReadError("Stream read error");
    return buffer;
}

void WriteOrThrow(std::ostream& stream, std::string_view bytes) {
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!stream) throw EWriteError("Stream write error");
}

// Collects small pieces and writes them to the file in blocks; a piece larger than the
// block enlarges it, so every piece is written whole.
class TFileWriteBuffer {
public:
    explicit TFileWriteBuffer(std::ostream& file) : file_(file) { buffer_.reserve(capacity_); }
    TFileWriteBuffer(const TFileWriteBuffer&) = delete;
    TFileWriteBuffer& operator=(const TFileWriteBuffer&) = delete;
    // Flushes what is left; a failure here cannot be reported, Finish() reports it.
    ~TFileWriteBuffer() {
        try {
            Flush();
        } catch (...) {
        }
    }

    void Write(std::string_view piece) {
        if (buffer_.size() + piece.size() > capacity_) Flush();
        if (piece.size() > capacity_) {
            capacity_ = piece.size();
            buffer_.reserve(capacity_);
        }
        buffer_.append(piece);
    }
    void Finish() { Flush(); }

private:
    void Flush() {
        if (buffer_.empty()) return;
        const std::string pending = std::exchange(buffer_, {});
        buffer_.reserve(capacity_);
        WriteOrThrow(file_, pending);
    }

    std::ostream& file_;
    std::size_t capacity_ = kFileWriteBufferSize;
    std::string buffer_;
};

}  // namespace

// --- Streams and files ---------------------------------------------------------------------

void TLineStore::LoadFromStream(std::istream& stream) {
    TLineStoreUpdate::Around(*this, [&] {
        stream.clear();
        stream.seekg(0);
        stream.clear();  // a stream that cannot seek is read from where it stands
        std::string buffer = ReadAll(stream);
        Clear();
        const bool endsWithBreak =
            !buffer.empty() && (buffer.back() == '\r' || buffer.back() == '\n');
        const TSplitResult split = AddSharedText(std::move(buffer), TNulHandling::Ordinary);
        if (!breakAfterLastLine_ && endsWithBreak) Add({});
        if (split.sawCr && !split.sawLf) {
            lineBreakStyle_ = TLineBreakStyle::Cr;
        } else if (split.sawLf && !split.sawCr) {
            lineBreakStyle_ = TLineBreakStyle::Lf;
        } else {
            lineBreakStyle_ = TLineBreakStyle::CrLf;
        }
    });
}

std::string TLineStore::JoinedForSaving() const {
    const std::string_view lineBreak = BreakText(lineBreakStyle_);
    std::string joined;
    for (std::int32_t i = 0; i < Count(); ++i) {
        joined += lines_[i].View();
        if (i + 1 < Count() || breakAfterLastLine_) joined += lineBreak;
    }
    return joined;
}

void TLineStore::SaveToStream(std::ostream& stream) const {
    const std::string joined = JoinedForSaving();
    if (!joined.empty()) WriteOrThrow(stream, joined);
}

void TLineStore::LoadFromFile(const std::string& fileName) {
    errno = 0;
    std::ifstream file(fileName, std::ios::binary);
    if (!file.is_open()) throw EFOpenError(fileName, SystemErrorText(errno != 0 ? errno : EIO));
    LoadFromStream(file);
}

void TLineStore::SaveToFile(const std::string& fileName) const {
    std::ofstream file;
    file.rdbuf()->pubsetbuf(nullptr, 0);  // our own block buffer does the batching
    file.open(fileName, std::ios::binary | std::ios::trunc);
    if (!file.is_open()) throw EFCreateError("Cannot create file \"" + fileName + "\"");
    TFileWriteBuffer writer(file);
    const std::string_view lineBreak = BreakText(lineBreakStyle_);
    for (std::int32_t i = 0; i < Count(); ++i) {
        writer.Write(lines_[i].View());
        if (i + 1 < Count() || breakAfterLastLine_) writer.Write(lineBreak);
    }
    writer.Finish();
}

}  // namespace mirevo
