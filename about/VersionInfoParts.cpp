#include "about/VersionInfoParts.h"

namespace mirevo {

namespace {

// The text of rest before its first separator, leaving rest after it; empty, with rest kept
// whole, when rest holds no separator.
std::string TakePiece(std::string_view& rest, char separator) {
    const std::size_t at = rest.find(separator);
    if (at == std::string_view::npos) return {};
    std::string piece(rest.substr(0, at));
    rest.remove_prefix(at + 1);
    return piece;
}

}  // namespace

FileVersionParts SplitFileVersion(std::string_view fileVersion) {
    const bool hasDot = fileVersion.find('.') != std::string_view::npos;
    if (!hasDot && fileVersion.find(',') == std::string_view::npos) {
        const std::string none(kInfoNotAvailable);
        return {none, none, none, none};
    }
    const char separator = hasDot ? '.' : ',';
    const std::size_t first = fileVersion.find(separator);
    std::string_view rest = fileVersion.substr(first + 1);
    FileVersionParts parts;
    parts.MajorVersion = fileVersion.substr(0, first);
    parts.MinorVersion = TakePiece(rest, separator);
    parts.Release = TakePiece(rest, separator);
    parts.Build = rest;
    return parts;
}

}  // namespace mirevo
