// The built program carries the project's version in its version block and its manifest, and
// its manifest asks for the Japanese code page.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace mirevo {
namespace {

std::string FixedVersion(const VS_FIXEDFILEINFO& info, bool product) {
    const DWORD high = product ? info.dwProductVersionMS : info.dwFileVersionMS;
    const DWORD low = product ? info.dwProductVersionLS : info.dwFileVersionLS;
    return std::to_string(HIWORD(high)) + "." + std::to_string(LOWORD(high)) + "." +
           std::to_string(HIWORD(low)) + "." + std::to_string(LOWORD(low));
}

TEST(ProgramVersion, TheVersionBlockHoldsTheProjectsVersionEverywhere) {
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSizeA(MIREVO_PROGRAM, &unused);
    ASSERT_GT(size, 0u) << MIREVO_PROGRAM;
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(MIREVO_PROGRAM, 0, size, block.data()));
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &length));
    const auto& fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(FixedVersion(fixed, false), MIREVO_PROJECT_VERSION);
    EXPECT_EQ(FixedVersion(fixed, true), MIREVO_PROJECT_VERSION);
    for (const char* name : {"FileVersion", "ProductVersion"}) {
        const std::string path = std::string("\\StringFileInfo\\041103A4\\") + name;
        ASSERT_TRUE(VerQueryValueA(block.data(), path.c_str(), &value, &length)) << name;
        EXPECT_EQ(std::string(static_cast<const char*>(value)), MIREVO_PROJECT_VERSION) << name;
    }
}

TEST(ProgramVersion, TheManifestNamesTheProjectsVersionAndTheJapaneseCodePage) {
    const HMODULE program = LoadLibraryExA(MIREVO_PROGRAM, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    const HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const auto* text = static_cast<const char*>(LockResource(LoadResource(program, found)));
    const std::string manifest(text, SizeofResource(program, found));
    FreeLibrary(program);
    EXPECT_NE(manifest.find(std::string("name=\"Mirevo\" version=\"") + MIREVO_PROJECT_VERSION +
                            "\""),
              std::string::npos)
        << manifest;
    // The Japanese code page on Windows 11 whatever the system locale.
    EXPECT_NE(manifest.find("WindowsSettings\">ja-JP</activeCodePage>"), std::string::npos);
}

}  // namespace
}  // namespace mirevo
