#include "platform/win32/Win32VersionResource.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace mirevo {

namespace {

struct QueryResult {
    const std::uint8_t* data;
    std::size_t length;
};

std::optional<QueryResult> Query(std::span<std::uint8_t> block, const std::string& subBlock) {
    void* value = nullptr;
    UINT length = 0;
    if (block.empty() || !VerQueryValueA(block.data(), subBlock.c_str(), &value, &length) ||
        value == nullptr) {
        return std::nullopt;
    }
    return QueryResult{static_cast<const std::uint8_t*>(value), length};
}

bool Inside(std::span<const std::uint8_t> block, const std::uint8_t* at) {
    return at >= block.data() && at < block.data() + block.size();
}

}  // namespace

std::uint32_t Win32VersionResource::BlockSize(const std::string& path) {
    DWORD unused = 0;
    return GetFileVersionInfoSizeA(path.c_str(), &unused);
}

bool Win32VersionResource::ReadBlock(const std::string& path, std::span<std::uint8_t> block) {
    return GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) !=
           FALSE;
}

std::optional<std::vector<std::uint8_t>> Win32VersionResource::QueryValue(
    std::span<std::uint8_t> block, const std::string& subBlock) {
    const auto found = Query(block, subBlock);
    if (!found) return std::nullopt;
    const std::size_t available =
        Inside(block, found->data) ? block.data() + block.size() - found->data : found->length;
    return std::vector<std::uint8_t>(found->data, found->data + std::min(found->length, available));
}

std::optional<std::string> Win32VersionResource::QueryText(std::span<std::uint8_t> block,
                                                           const std::string& subBlock) {
    const auto found = Query(block, subBlock);
    if (!found) return std::nullopt;
    // The reported length counts characters, not bytes, on some systems; the text ends at
    // its zero byte, and never past the block the platform wrote it into.
    const char* text = reinterpret_cast<const char*>(found->data);
    const std::size_t limit =
        Inside(block, found->data) ? block.data() + block.size() - found->data : found->length;
    return std::string(text, strnlen(text, limit));
}

std::string RunningExecutablePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace mirevo
