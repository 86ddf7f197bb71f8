// The version reader against the real platform and this test program's own version block.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "about/VersionInfo.h"
#include "platform/portable/VersionBlock.h"
#include "platform/win32/Win32VersionResource.h"
#include "tests/fakes/TempDir.h"

namespace mirevo {
namespace {

std::vector<std::uint8_t> OwnBlock(Win32VersionResource& resource) {
    std::vector<std::uint8_t> block(resource.BlockSize(RunningExecutablePath()));
    EXPECT_TRUE(resource.ReadBlock(RunningExecutablePath(), block));
    return block;
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
    EXPECT_EQ(resource.QueryValue(block, "\\\\VarFileInfo\\\\Translation"), translation);
    EXPECT_EQ(resource.QueryValue(block, "\\VarFileInfo\\Translation"), translation);
    EXPECT_EQ(resource.QueryText(block, "\\\\StringFileInfo\\\\041103A4\\\\ProductName"),
              "Mirevo tests");
    EXPECT_EQ(resource.QueryText(block, "\\\\StringFileInfo\\\\041103A4\\\\LegalTradeMarks"),
              std::nullopt);
}

// The portable reader must read what GetFileVersionInfoA hands out: the UTF-16 form.
TEST(VersionInfoOnWindows, ThePortableReaderAgreesWithThePlatform) {
    Win32VersionResource resource;
    auto block = OwnBlock(resource);
    const std::vector<std::uint8_t> copy = block;
    const VersionBlock portable(copy);
    EXPECT_EQ(portable.Form(), VersionBlock::Layout::Wide);
    for (const char* name : TVersionInfo::kValueNames) {
        const std::string path = std::string("\\\\StringFileInfo\\\\041103A4\\\\") + name;
        const auto expected = resource.QueryText(block, path);
        if (std::string(name) == "FileDescription") {
            EXPECT_EQ(portable.Text(path), "????") << name;  // no code page table portably
        } else {
            EXPECT_EQ(portable.Text(path), expected) << name;
        }
    }
    const auto fixed = portable.Value("\\");
    ASSERT_TRUE(fixed);
    EXPECT_EQ(std::vector<std::uint8_t>(fixed->begin(), fixed->end()),
              resource.QueryValue(block, "\\"));
}

}  // namespace
}  // namespace mirevo
