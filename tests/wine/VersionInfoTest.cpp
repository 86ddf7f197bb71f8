// The version reader against the real platform and this test program's own version block.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "about/VersionInfo.h"
#include "about/VersionBlock.h"
#include "platform/win32/Win32VersionResource.h"
#include "tests/fakes/TempDir.h"

namespace mirevo {
namespace {

std::vector<std::uint8_t> OwnBlock(Win32VersionResource& resource) {
    return resource.ReadVersionBlock(RunningExecutablePath()).value_or(std::vector<std::uint8_t>{});
}

// The platform's own query, to hold the block reader's answers against.
std::optional<std::vector<std::uint8_t>> PlatformValue(std::vector<std::uint8_t>& block,
                                                       const std::string& path) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), path.c_str(), &value, &length) || !value) return std::nullopt;
    const auto* bytes = static_cast<const std::uint8_t*>(value);
    return std::vector<std::uint8_t>(bytes, bytes + length);
}

std::optional<std::string> PlatformText(std::vector<std::uint8_t>& block, const std::string& path) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(block.data(), path.c_str(), &value, &length) || !value) return std::nullopt;
    return std::string(static_cast<const char*>(value));
}

TEST(VersionInfoOnWindows, ReadsTheRunningExecutablesVersionBlock) {
    Win32VersionResource resource;
    const TVersionInfo info(resource, RunningExecutablePath());
    EXPECT_EQ(info.CompanyName(), "Mirevo Test Company");
    EXPECT_EQ(info.FileDescription(), "テスト用");  // UTF-16 in the block, Shift-JIS here
    EXPECT_EQ(info.FileVersion(), "1, 3, 1, 0");
    EXPECT_EQ(info.Internalname(), "mirevo_wine_tests");
    EXPECT_EQ(info.LegalCopyright(), "Copyright (C) 2026 Mirevo Test");
    EXPECT_EQ(info.LegalTradeMarks(), "");  // not in the table
    EXPECT_EQ(info.OriginalFilename(), "mirevo_wine_tests.exe");
    EXPECT_EQ(info.ProductName(), "Mirevo tests");
    EXPECT_EQ(info.ProductVersion(), "1.3");
    EXPECT_EQ(info.Comments(), "");
    EXPECT_EQ(info.MajorVersion(), "1");
    EXPECT_EQ(info.MinorVersion(), " 3");
    EXPECT_EQ(info.Release(), " 1");
    EXPECT_EQ(info.Build(), " 0");
}

TEST(VersionInfoOnWindows, AFileWithoutVersionBlockIsNotAvailableThroughout) {
    const testing_support::TempDir dir;
    Win32VersionResource resource;
    for (const std::string& path :
         {dir.Write("plain.txt", "no resources here"), dir.File("missing.exe")}) {
        const TVersionInfo info(resource, path);
        EXPECT_EQ(info.CompanyName(), kInfoNotAvailable) << path;
        EXPECT_EQ(info.FileVersion(), kInfoNotAvailable) << path;
        EXPECT_EQ(info.Build(), kInfoNotAvailable) << path;
    }
}

TEST(VersionInfoOnWindows, ThePlatformsQueryAcceptsDoubledBackslashes) {
    Win32VersionResource resource;
    auto block = OwnBlock(resource);
    const std::vector<std::uint8_t> translation = {0x11, 0x04, 0xA4, 0x03, 0x09, 0x04, 0xE4, 0x04};
    EXPECT_EQ(PlatformValue(block, "\\\\VarFileInfo\\\\Translation"), translation);
    EXPECT_EQ(PlatformValue(block, "\\VarFileInfo\\Translation"), translation);
    EXPECT_EQ(PlatformText(block, "\\\\StringFileInfo\\\\041103A4\\\\ProductName"), "Mirevo tests");
    EXPECT_EQ(PlatformText(block, "\\\\StringFileInfo\\\\041103A4\\\\LegalTradeMarks"),
              std::nullopt);
}

// The block reader must read what GetFileVersionInfoA hands out, the UTF-16 form, as the
// platform's own query does.
TEST(VersionInfoOnWindows, TheBlockReaderAgreesWithThePlatform) {
    Win32VersionResource resource;
    auto block = OwnBlock(resource);
    const std::vector<std::uint8_t> copy = block;
    const VersionBlock reader(copy);
    EXPECT_EQ(reader.Form(), VersionBlock::Layout::Wide);
    const auto toCodePage = [&](std::u16string_view text) { return resource.ToCodePage(text); };
    for (const char* name : TVersionInfo::kValueNames) {
        const std::string path = std::string("\\\\StringFileInfo\\\\041103A4\\\\") + name;
        EXPECT_EQ(reader.Text(path, toCodePage), PlatformText(block, path)) << name;
    }
    EXPECT_EQ(reader.Text("\\\\StringFileInfo\\\\041103A4\\\\FileDescription"), "????")
        << "without the platform's conversion";
    const auto fixed = reader.Value("\\");
    ASSERT_TRUE(fixed);
    EXPECT_EQ(std::vector<std::uint8_t>(fixed->begin(), fixed->end()), PlatformValue(block, "\\"));
}

}  // namespace
}  // namespace mirevo
