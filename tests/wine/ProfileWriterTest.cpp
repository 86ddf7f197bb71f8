// The profile writers, read back by TMemIniFile and laid out as the system's own profile writer
// lays a file out.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <iterator>
#include <vector>

#include "tests/fakes/IniRead.h"
#include "platform/portable/PortableProfileWriter.h"
#include "platform/win32/Win32ProfileWriter.h"
#include "settings/IniFile.h"
#include "settings/MemIniFile.h"
#include "tests/fakes/TempDir.h"
#include "tests/wine/Win32PrivateProfileWriter.h"

namespace mirevo {
namespace {

using testing_support::ReadIni;

using testing_support::TempDir;
using testing_support::Win32PrivateProfileWriter;

struct Write {
    std::string section, key, value;
};

// Replacements, new keys and sections, other letter cases, Japanese text, "=" in values.
const std::vector<Write> kWrites = {
    {"Form", "Top", "111"},        {"Form", "Left", "192"},
    {"Options", "a8matEsy", "E1"}, {"Form", "Top", "-5"},
    {"FORM", "width", "416"},      {"Options", "a8matTxt", "日本語のテキスト"},
    {"設定", "キー", "値=1"},      {"Options", "A8MATESY", "E2"},
    {"Form", "Height", ""},        {"Options", "linefeed", "1"},
};

void WriteAll(IProfileWriter& writer, const std::string& path) {
    TIniFile ini(path, writer);
    for (const auto& w : kWrites) ini.WriteText(w.section, w.key, w.value);
}

std::string Lookups(const std::string& path) {
    const TMemIniFile ini = ReadIni(path);
    std::string seen;
    for (const auto& w : kWrites) seen += ini.ReadText(w.section, w.key, "<missing>") + "\n";
    return seen;
}

TEST(ProfileWriter, WhatWindowsWritesReadsBack) {
    const TempDir dir;
    const auto path = dir.File("Mirevo.ini");
    Win32ProfileWriter writer;
    WriteAll(writer, path);
    const TMemIniFile ini = ReadIni(path);
    EXPECT_EQ(ini.ReadNumber("Form", "Top", 0), -5);
    EXPECT_EQ(ini.ReadNumber("Form", "Left", 0), 192);
    EXPECT_EQ(ini.ReadNumber("Form", "Width", 0), 416);
    EXPECT_EQ(ini.ReadText("Form", "Height", "<missing>"), "");
    EXPECT_EQ(ini.ReadText("Options", "a8matEsy", ""), "E2");
    EXPECT_EQ(ini.ReadText("Options", "a8matTxt", ""), "日本語のテキスト");
    EXPECT_EQ(ini.ReadText("設定", "キー", ""), "値=1");
    EXPECT_TRUE(ini.ReadFlag("Options", "linefeed", false));
}

TEST(ProfileWriter, BothWritersLayOutTheFileAsTheSystemDoes) {
    const std::string handWritten = "; kept\r\n[form]\r\ntop = 1\r\n\r\n[Options]\r\nx=1\r\n";
    for (const std::string& before : {std::string(), handWritten}) {
        const TempDir dir;
        Win32PrivateProfileWriter system;
        Win32ProfileWriter windows;
        PortableProfileWriter portable;
        for (const char* name : {"system.ini", "windows.ini", "portable.ini"}) {
            if (!before.empty()) dir.Write(name, before);
        }
        WriteAll(system, dir.File("system.ini"));
        WriteAll(windows, dir.File("windows.ini"));
        WriteAll(portable, dir.File("portable.ini"));
        const std::string seen = Lookups(dir.File("system.ini"));
        EXPECT_EQ(Lookups(dir.File("windows.ini")), seen) << before;
        EXPECT_EQ(Lookups(dir.File("portable.ini")), seen) << before;
        if (before.empty()) {
            // The system rewrites a hand-written file's lines in its own spacing; on a file of
            // its own making the bytes agree.
            EXPECT_EQ(dir.Read("windows.ini"), dir.Read("system.ini"));
            EXPECT_EQ(dir.Read("portable.ini"), dir.Read("system.ini"));
        } else {
            EXPECT_EQ(ReadIni(dir.File("windows.ini")).ReadText("Options", "x", ""), "1");
        }
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3)
            << "a temporary file was left behind";
    }
}

TEST(ProfileWriter, RefusedWriteNamesThePath) {
    const TempDir dir;
    const auto path = dir.File("no-such-folder\\Mirevo.ini");
    Win32ProfileWriter writer;
    TIniFile ini(path, writer);
    try {
        ini.WriteNumber("Form", "Top", 1);
        FAIL() << "no exception";
    } catch (const EIniFileException& error) {
        EXPECT_EQ(error.Message(), path + " に書き込めません");
    }
}

}  // namespace
}  // namespace mirevo
