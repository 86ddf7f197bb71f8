#include "platform/portable/PortableHistoryFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/FileErrors.h"
#include "tests/fakes/TempDir.h"

namespace mirevo {
namespace {

using testing_support::TempDir;

std::size_t FilesIn(const TempDir& dir) {
    return static_cast<std::size_t>(
        std::distance(std::filesystem::directory_iterator(dir.Path()), {}));
}

TEST(PortableHistoryFile, AppendsAndReplacesWholeFiles) {
    const TempDir dir;
    PortableHistoryFile file(dir.File("history.txt"));
    EXPECT_EQ(file.ReadAll(), "") << "no file yet";
    file.Append("a\r\n");
    file.Append(std::string("b\0\x81\x5C\r\n", 6));
    EXPECT_EQ(file.ReadAll(), std::string("a\r\nb\0\x81\x5C\r\n", 9));
    file.Replace("c\r\n");
    EXPECT_EQ(dir.Read("history.txt"), "c\r\n");
    file.Replace("");
    EXPECT_EQ(dir.Read("history.txt"), "");
    EXPECT_EQ(FilesIn(dir), 1u) << "no temporary file left";
}

TEST(PortableHistoryFile, FailuresNameTheFile) {
    const TempDir dir;
    const auto missing = dir.File("no-such-folder/history.txt");
    PortableHistoryFile file(missing);
    EXPECT_EQ(file.ReadAll(), "");
    try {
        file.Append("a\r\n");
        FAIL() << "no exception";
    } catch (const EFCreateError& error) {
        EXPECT_TRUE(error.Message().starts_with("ファイル \"" + missing + "\" を作成できません. "))
            << error.Message();
    }
    EXPECT_THROW(file.Replace("a\r\n"), EFCreateError);
    EXPECT_THROW(PortableHistoryFile(dir.File("")).ReadAll(), EFOpenError) << "a folder";
}

TEST(PortableHistoryFile, AFailedReplaceLeavesTheFileAndNoTemporary) {
    const TempDir dir;
    const auto path = dir.Write("history.txt", "kept\r\n");
    // A folder in the temporary file's place makes the replace fail.
    std::filesystem::create_directory(path + ".tmp");
    PortableHistoryFile file(path);
    EXPECT_THROW(file.Replace("new\r\n"), EFCreateError);
    EXPECT_EQ(dir.Read("history.txt"), "kept\r\n");
}

}  // namespace
}  // namespace mirevo
