// The settings reader on Windows: its letter case against the system's, and its open error.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "tests/fakes/IniRead.h"
#include "common/Sjis.h"
#include "settings/MemIniFile.h"
#include "common/IniText.h"
#include "tests/fakes/TempDir.h"

namespace mirevo {
namespace {

using testing_support::ReadIni;

using testing_support::TempDir;

std::string SystemUpper(std::string text) {
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// True for a character that the code page maps to Unicode and back to the same bytes; the
// others (unassigned codes, the second spelling of duplicated characters) have no case.
bool RoundTrips(const std::string& character) {
    wchar_t wide[4];
    const int length = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, character.data(),
                                           static_cast<int>(character.size()), wide, 4);
    if (length == 0) return false;
    char back[8];
    BOOL defaulted = FALSE;
    const int backLength =
        WideCharToMultiByte(932, 0, wide, length, back, sizeof back, nullptr, &defaulted);
    return !defaulted && std::string(back, backLength) == character;
}

// Every character of code page 932 that round-trips: single bytes, and each lead byte with
// each trail byte.
std::vector<std::string> AllCharacters() {
    std::vector<std::string> characters;
    for (int first = 0x20; first <= 0xFF; ++first) {
        if (!IsLeadByte(static_cast<unsigned char>(first))) {
            characters.emplace_back(1, static_cast<char>(first));
        } else {
            for (int second = 0x40; second <= 0xFC; ++second) {
                characters.push_back({static_cast<char>(first), static_cast<char>(second)});
            }
        }
    }
    std::erase_if(characters, [](const auto& c) { return !RoundTrips(c); });
    return characters;
}

TEST(MemIniFileOnWindows, NamesCompareInTheSystemsUpperCase) {
    std::vector<std::string> differing;
    for (const auto& character : AllCharacters()) {
        if (IniNameKey(character) != SystemUpper(character)) differing.push_back(character);
    }
    std::string list;
    for (const auto& c : differing) {
        char hex[16];
        std::snprintf(hex, sizeof hex, " %02X%02X", static_cast<unsigned char>(c[0]),
                      c.size() > 1 ? static_cast<unsigned char>(c[1]) : 0);
        list += hex;
    }
    EXPECT_TRUE(differing.empty()) << differing.size() << " differ:" << list;
}

TEST(MemIniFileOnWindows, FolderAtThePathCannotBeOpened) {
    const TempDir dir;
    const auto path = dir.File("Mirevo.ini");
    CreateDirectoryA(path.c_str(), nullptr);
    try {
        const TMemIniFile ini = ReadIni(path);
        FAIL() << "no exception";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.Message().rfind("ファイル \"" + path + "\". ", 0), 0u) << error.Message();
        std::printf("open error: %s\n", error.Message().c_str());
    }
}

TEST(MemIniFileOnWindows, ReadsAFileWithAJapanesePath) {
    const TempDir dir;
    const auto folder = dir.File("設定");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const auto path = folder + "\\Mirevo.ini";
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const char text[] = "[Form]\r\nTop=150\r\n";
    DWORD written = 0;
    WriteFile(file, text, sizeof text - 1, &written, nullptr);
    CloseHandle(file);
    EXPECT_EQ(ReadIni(path).ReadNumber("Form", "Top", 0), 150);
}

}  // namespace
}  // namespace mirevo
