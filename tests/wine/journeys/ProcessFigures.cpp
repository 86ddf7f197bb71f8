#include "tests/wine/journeys/ProcessFigures.h"

#include <psapi.h>
#include <winternl.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace mirevo::journeys {

namespace {

// The layout Windows gives the table on 64-bit systems, which Wine follows: 65,536 entries of
// 24 bytes, the object's type at byte 14, zero for a free entry.
constexpr std::size_t kGdiEntries = 0x10000;
constexpr std::size_t kGdiEntrySize = 24;
constexpr std::size_t kGdiTypeOffset = 14;
constexpr std::size_t kPebGdiTable = 0xF8;

long GdiTableEntries(HANDLE process) {
    using Query = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
        return -1;
    }
    void* table = nullptr;
    SIZE_T read = 0;
    if (!ReadProcessMemory(
            process, static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + kPebGdiTable,
            &table, sizeof table, &read) ||
        !table) {
        return -1;
    }
    std::vector<unsigned char> entries(kGdiEntries * kGdiEntrySize);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size(), &read)) return -1;
    long used = 0;
    for (std::size_t i = 0; i < kGdiEntries; ++i) {
        if (entries[i * kGdiEntrySize + kGdiTypeOffset] != 0) ++used;
    }
    return used;
}

struct WindowCount {
    DWORD process;
    long count = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM data) {
    ++reinterpret_cast<WindowCount*>(data)->count;
    return TRUE;
}

BOOL CALLBACK CountTop(HWND window, LPARAM data) {
    auto& count = *reinterpret_cast<WindowCount*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == count.process) {
        ++count.count;
        EnumChildWindows(window, CountChild, data);
    }
    return TRUE;
}

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The Unix process's /proc folder, as the Windows side sees it (files there are opened by the
// Wine server, so "self" would be the server): the one whose command line names exe.
std::filesystem::path UnixProcessFolder(const std::filesystem::path& exe) {
    const std::string folder = exe.parent_path().filename().string();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("Z:\\proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        const std::string command = ReadAll(entry.path() / "cmdline");
        if (command.find(folder) != std::string::npos &&
            command.find("Mirevo.exe") != std::string::npos) {
            return entry.path();
        }
    }
    return {};
}

long StatusKiB(const std::string& status, const std::string& field) {
    const std::size_t at = status.find("\n" + field + ":");
    return at == std::string::npos ? -1 : std::atol(status.c_str() + at + field.size() + 2);
}

}  // namespace

bool FiguresFromWine() {
    return GetProcAddress(GetModuleHandleA("ntdll"), "wine_get_version") != nullptr;
}

ProcessFigures FiguresOf(HANDLE process, const std::filesystem::path& exe) {
    ProcessFigures f;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    const bool counted = GetProcessMemoryInfo(
        process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    if (!FiguresFromWine()) {
        f.gdi = static_cast<long>(GetGuiResources(process, GR_GDIOBJECTS));
        f.user = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
        DWORD handles = 0;
        if (GetProcessHandleCount(process, &handles)) f.handles = static_cast<long>(handles);
        if (counted) f.privateKiB = static_cast<long>(memory.PrivateUsage / 1024);
        return f;
    }
    f.gdi = GdiTableEntries(process);
    WindowCount windows{GetProcessId(process)};
    EnumWindows(CountTop, reinterpret_cast<LPARAM>(&windows));
    f.user = windows.count;
    if (counted) f.privateKiB = static_cast<long>(memory.PagefileUsage / 1024);
    const std::filesystem::path unix = UnixProcessFolder(exe);
    if (!unix.empty()) {
        std::error_code error;
        f.handles = static_cast<long>(
            std::distance(std::filesystem::directory_iterator(unix / "fd", error), {}));
        f.committedKiB = StatusKiB("\n" + ReadAll(unix / "status"), "VmData");
    }
    return f;
}

}  // namespace mirevo::journeys
