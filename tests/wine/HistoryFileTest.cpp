// The history file on Windows: appends, replaces, and the system's refusals named.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <utility>

#include "common/FileErrors.h"
#include "history/History.h"
#include "platform/win32/Win32HistoryFile.h"
#include "tests/fakes/TempDir.h"

namespace mirevo {
namespace {

using testing_support::TempDir;

std::size_t FilesIn(const TempDir& dir) {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(dir.Path()), {}));
}

// The message of the EFCreateError the call raises; empty when it raises none.
template <typename Call>
std::string CreateErrorOf(Call call) {
    try {
        call();
    } catch (const EFCreateError& error) {
        return error.Message();
    }
    return {};
}

TEST(Win32HistoryFile, AppendsAndReplacesWholeFiles) {
    const TempDir dir;
    Win32HistoryFile file(dir.File("Mirevo.history"));
    EXPECT_EQ(file.ReadAll(), "");
    file.Append("a\r\n");
    file.Append(std::string("表\0\r\n", 5));
    EXPECT_EQ(file.ReadAll(), std::string("a\r\n表\0\r\n", 8));
    file.Replace("b\r\n");
    EXPECT_EQ(dir.Read("Mirevo.history"), "b\r\n");
    file.Append("c\r\n");
    EXPECT_EQ(dir.Read("Mirevo.history"), "b\r\nc\r\n");
    EXPECT_EQ(FilesIn(dir), 1u) << "no temporary file left";
}

TEST(Win32HistoryFile, AppendsGoToTheEndWhileAnotherHandleWrites) {
    const TempDir dir;
    const auto path = dir.File("Mirevo.history");
    Win32HistoryFile first(path);
    Win32HistoryFile second(path);
    first.Append("1\r\n");
    second.Append("2\r\n");
    first.Append("3\r\n");
    EXPECT_EQ(dir.Read("Mirevo.history"), "1\r\n2\r\n3\r\n");
}

TEST(Win32HistoryFile, AMissingFolderIsNamedWithTheSystemsReason) {
    const TempDir dir;
    const auto path = dir.File("no-such-folder\\Mirevo.history");
    Win32HistoryFile file(path);
    EXPECT_EQ(file.ReadAll(), "");
    const std::string prefix = "ファイル \"" + path + "\" を作成できません. ";
    const auto appended = CreateErrorOf([&] { file.Append("a\r\n"); });
    EXPECT_TRUE(appended.starts_with(prefix)) << appended;
    EXPECT_GT(appended.size(), prefix.size()) << "the reason";
    EXPECT_FALSE(CreateErrorOf([&] { file.Replace("a\r\n"); }).empty());
}

bool Writable(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// The read-only attribute, and under Wine, where the tests run as root and root writes any
// file, the immutable flag of the Unix file (chattr), taken off again at the end.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(std::string path) : path_(std::move(path)) {
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
        if (Writable(path_)) Chattr("+i", false);
    }
    ~ReadOnlyFile() {
        if (immutable_) Chattr("-i", true);
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

private:
    void Chattr(const char* flag, bool writable) {
        using Convert = char* (*)(const wchar_t*);
        const auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_unix_file_name")));
        char* const unixPath =
            convert ? convert(std::filesystem::path(path_).wstring().c_str()) : nullptr;
        if (!unixPath) return;
        std::string command = std::string("/usr/bin/chattr ") + flag + " \"" + unixPath + "\"";
        HeapFree(GetProcessHeap(), 0, unixPath);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessA("Z:\\usr\\bin\\chattr", command.data(), nullptr, nullptr, FALSE, 0,
                            nullptr, nullptr, &startup, &process)) {
            return;
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        immutable_ = !writable;
        // The handle of a Unix program may be signalled before it has finished: wait for
        // the effect.
        for (int i = 0; i < 200 && Writable(path_) != writable; ++i) Sleep(50);
    }

    std::string path_;
    bool immutable_ = false;
};

TEST(Win32HistoryFile, AReadOnlyFileStaysAsItWas) {
    const TempDir dir;
    const auto path = dir.Write("Mirevo.history", "kept\r\n");
    Win32HistoryFile file(path);
    std::string appended, replaced;
    {
        const ReadOnlyFile readOnly(path);
        ASSERT_FALSE(Writable(path));
        appended = CreateErrorOf([&] { file.Append("a\r\n"); });
        replaced = CreateErrorOf([&] { file.Replace("b\r\n"); });
        EXPECT_EQ(file.ReadAll(), "kept\r\n");
    }
    EXPECT_TRUE(appended.starts_with("ファイル \"" + path + "\" を作成できません. ")) << appended;
    EXPECT_TRUE(replaced.starts_with("ファイル \"" + path + "\" を作成できません. ")) << replaced;
    EXPECT_EQ(dir.Read("Mirevo.history"), "kept\r\n");
    EXPECT_EQ(FilesIn(dir), 1u) << "no temporary file left";
}

// The store over the real file: a record cut short by a kill is skipped and the next one
// starts a fresh line; at the capacity the file is replaced by the newest.
TEST(Win32HistoryFile, CarriesTheHistory) {
    const TempDir dir;
    const auto path = dir.File("Mirevo.history");
    Win32HistoryFile file(path);
    const auto record = [](std::int32_t kind) {
        return THistoryRecord{
            "2024-05-06 07:08:09", kind, "https://example.com/表", "テキスト", "", "ID",
            "<a>\r\n</a>"};
    };
    THistory history(file, 3);
    history.Add(record(0));
    file.Append(dir.Read("Mirevo.history").substr(0, 30));
    history.Load();
    EXPECT_EQ(history.SkippedLines(), 1u);
    for (std::int32_t kind = 1; kind < 4; ++kind) history.Add(record(kind));
    const THistory reloaded(file, 3);
    ASSERT_EQ(reloaded.Count(), 3u);
    EXPECT_EQ(reloaded.At(0), record(3));
    EXPECT_EQ(reloaded.At(2), record(1));
    EXPECT_EQ(reloaded.SkippedLines(), 0u);
    EXPECT_EQ(FilesIn(dir), 1u);
}

}  // namespace
}  // namespace mirevo
