#include "textview/WordClass.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/Sjis.h"
#include "textview/SelectionErrors.h"

namespace mirevo {

namespace {

// Characters of a line by kind, as word moves see them.
enum class Kind { Word, Break, Double };

struct Char {
    std::int32_t start;  // 0-based byte index
    Kind kind;
};

std::vector<Char> CharsOf(std::string_view line) {
    std::vector<Char> chars;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        const auto start = static_cast<std::int32_t>(i);
        if (IsLeadByte(byte) && i + 1 < line.size()) {
            chars.push_back({start, Kind::Double});
            ++i;
        } else {
            chars.push_back({start, IsWordChar(byte) ? Kind::Word : Kind::Break});
        }
    }
    return chars;
}

std::int32_t LengthOf(const TLineStore& lines, std::int32_t lineIndex) {
    return static_cast<std::int32_t>(lines.Get(lineIndex - 1).size());
}

// Kana with and without voicing marks are one kind of character.
bool SameKind(std::uint16_t a, std::uint16_t b) { return (a & ~C3Diacritic) == (b & ~C3Diacritic); }

bool StopsWord(std::uint16_t flags, unsigned char byte, std::uint16_t reference) {
    switch (WordClassOf(flags)) {
        case 1:
        case 2:
            return !IsWordChar(byte);
        case 5:
        case 9:
            return true;
        default:
            return !SameKind(flags, reference);
    }
}

}  // namespace

bool IsWordChar(unsigned char byte) {
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || byte == '_' ||
           (byte >= 'a' && byte <= 'z') || (byte >= 0xC0 && byte != 0xD7 && byte != 0xF7);
}

int WordClassOf(std::uint16_t flags) {
    if (flags == C3Symbol) return 9;
    const bool signOrLexical = (flags & (C3Symbol | C3Lexical)) != 0;
    if (flags & C3HalfWidth) {
        if (flags == C3HalfWidth || flags == (C3HalfWidth | C3Alpha)) return 1;
        if (signOrLexical) return 2;
        return (flags & C3Katakana) ? 3 : 0;
    }
    if (flags == C3FullWidth || flags == (C3FullWidth | C3Alpha)) return 4;
    if (signOrLexical) return 5;
    if (flags & C3Katakana) return 6;
    if (flags & C3Hiragana) return 7;
    if (flags & C3Ideograph) return 8;
    return 0;
}

std::optional<TWordBounds> WordBoundsAt(std::string_view line, std::int32_t index,
                                        ICharTypes& charTypes) {
    const std::string text = std::string(line) + '\0';
    if (index < 1 || index > static_cast<std::int32_t>(text.size())) return std::nullopt;
    const auto types = charTypes.CharTypes3(text);
    std::vector<std::int32_t> starts;  // byte index of each character
    for (std::size_t i = 0; i < text.size(); ++i) {
        starts.push_back(static_cast<std::int32_t>(i));
        if (IsLeadByte(text[i]) && i + 1 < text.size()) ++i;
    }
    if (!types || types->size() != starts.size()) throw ETextViewError(kCharTypesFailed);

    const auto at = static_cast<std::size_t>(
        std::upper_bound(starts.begin(), starts.end(), index - 1) - starts.begin() - 1);
    const std::uint16_t reference =
        ((*types)[at] & C3Symbol) && at > 0 ? (*types)[at - 1] : (*types)[at];
    const auto stops = [&](std::size_t k) {
        return StopsWord((*types)[k], static_cast<unsigned char>(text[starts[k]]), reference);
    };
    std::size_t end = at;
    while (end < starts.size() && !stops(end)) ++end;
    std::size_t start = at;
    while (start > 0 && !stops(start - 1)) --start;
    // The appended zero byte only ends the text; it never belongs to the word.
    const auto byteOf = [&](std::size_t k) {
        return k < starts.size()
                   ? std::min(starts[k] + 1, static_cast<std::int32_t>(line.size()) + 1)
                   : static_cast<std::int32_t>(line.size()) + 1;
    };
    return TWordBounds{byteOf(start), byteOf(end)};
}

TWordSelection SelectWordAt(TSelection& selection, const TLineStore& lines, TBufferCoord p,
                            ICharTypes& charTypes) {
    p = selection.Clamp(p);
    const std::string_view line = lines.Get(p.LineIndex - 1);
    const auto bounds = WordBoundsAt(line, p.CharIndex, charTypes);
    if (!bounds) return {{static_cast<std::int32_t>(line.size()) + 1, p.LineIndex}, {}};
    TSelectionChange change = selection.SetAnchor({bounds->Start, p.LineIndex});
    change.Merge(selection.SetActiveEnd({bounds->End, p.LineIndex}));
    change.Repaint(p.LineIndex, p.LineIndex);
    change.Changed = true;
    return {{bounds->End, p.LineIndex}, change};
}

TBufferCoord NextWordStart(const TLineStore& lines, TBufferCoord p) {
    p.CharIndex = std::max(1, p.CharIndex);
    const std::int32_t length = LengthOf(lines, p.LineIndex);
    if (p.CharIndex > length) {
        if (p.LineIndex >= lines.Count()) return p;
        const std::vector<Char> chars = CharsOf(lines.Get(p.LineIndex));
        const auto found = std::find_if(chars.begin(), chars.end(),
                                        [](const Char& c) { return c.kind != Kind::Break; });
        return {found == chars.end() ? 1 : found->start + 1, p.LineIndex + 1};
    }
    const std::vector<Char> chars = CharsOf(lines.Get(p.LineIndex - 1));
    // The character holding the byte at p (p may stand on a second byte).
    const auto at = std::prev(
        std::upper_bound(chars.begin(), chars.end(), std::max(0, p.CharIndex - 1),
                         [](std::int32_t byte, const Char& c) { return byte < c.start; }));
    const auto afterAt = std::next(at);
    auto scan = at;
    while (scan != chars.end() && scan->kind == Kind::Word) ++scan;
    const auto word =
        std::find_if(scan, chars.end(), [](const Char& c) { return c.kind == Kind::Word; });
    const auto dbcs =
        std::find_if(afterAt, chars.end(), [](const Char& c) { return c.kind == Kind::Double; });
    const auto target = dbcs < word ? dbcs : word;
    return {target == chars.end() ? length + 1 : target->start + 1, p.LineIndex};
}

TBufferCoord PreviousWordStart(const TLineStore& lines, TBufferCoord p) {
    const std::int32_t c = std::min(p.CharIndex, LengthOf(lines, p.LineIndex) + 1);
    if (c <= 1) {
        if (p.LineIndex <= 1) return p;
        return {LengthOf(lines, p.LineIndex - 1) + 1, p.LineIndex - 1};
    }
    const std::vector<Char> chars = CharsOf(lines.Get(p.LineIndex - 1));
    // Characters that start before the 1-based position x, newest first.
    const auto lastBefore = [&](std::int32_t x, Kind kind) -> const Char* {
        for (auto it = chars.rbegin(); it != chars.rend(); ++it)
            if (it->start + 1 < x && it->kind == kind) return &*it;
        return nullptr;
    };
    std::int32_t target = c;
    const Char* before = nullptr;
    for (const Char& ch : chars)
        if (ch.start + 1 < c) before = &ch;
    if (before && before->kind == Kind::Break) {
        const Char* word = lastBefore(target, Kind::Word);
        target = word ? word->start + 2 : 1;
    }
    const Char* gap = lastBefore(target, Kind::Break);
    target = gap ? gap->start + 2 : 1;
    const Char* dbcs = lastBefore(c, Kind::Double);
    if (dbcs && dbcs->start + 1 > target) target = dbcs->start + 1;
    return {target, p.LineIndex};
}

}  // namespace mirevo
