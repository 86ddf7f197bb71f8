#include <gtest/gtest.h>

#include "settings/IniFile.h"
#include "settings/MemIniFile.h"
#include "settings/SessionSettings.h"
#include "tests/fakes/FakeProfileWriter.h"
#include "tests/fakes/TempDir.h"

namespace mirevo {
namespace {

using testing_support::FakeProfileWriter;
using Call = FakeProfileWriter::Call;

constexpr char kPath[] = "C:\\Mirevo\\Mirevo.ini";

TEST(IniFile, HandsEveryKeyToTheWriterAtOnceAndFlushesOnRelease) {
    FakeProfileWriter writer;
    {
        TIniFile ini(kPath, writer);
        EXPECT_TRUE(writer.Calls().empty());
        ini.WriteNumber("Form", "Top", 111);
        ini.WriteNumber("Form", "Left", -8);
        ini.WriteFlag("Options", "linefeed", true);
        ini.WriteFlag("Options", "autocopy", false);
        ini.WriteText("Options", "a8matEsy", " as given ");
        EXPECT_EQ(writer.Calls().size(), 5u);
    }
    const std::vector<Call> expected = {
        FakeProfileWriter::Write("Form", "Top", "111", kPath),
        FakeProfileWriter::Write("Form", "Left", "-8", kPath),
        FakeProfileWriter::Write("Options", "linefeed", "1", kPath),
        FakeProfileWriter::Write("Options", "autocopy", "0", kPath),
        FakeProfileWriter::Write("Options", "a8matEsy", " as given ", kPath),
        FakeProfileWriter::FlushOf(kPath),
    };
    EXPECT_EQ(writer.Calls(), expected);
}

TEST(IniFile, RefusedWriteRaisesWithThePathAndStillFlushes) {
    FakeProfileWriter writer;
    writer.RefuseWrite(1);
    try {
        TIniFile ini(kPath, writer);
        ini.WriteText("Form", "Top", "1");
        ini.WriteText("Form", "Left", "2");
        ini.WriteText("Form", "Width", "3");
        FAIL() << "no exception";
    } catch (const EIniFileException& error) {
        EXPECT_EQ(error.Message(), std::string(kPath) + " に書き込めません");
    }
    ASSERT_EQ(writer.Calls().size(), 3u);
    EXPECT_EQ(writer.Calls()[0].key, "Top");
    EXPECT_EQ(writer.Calls()[1].key, "Left");
    EXPECT_TRUE(writer.Calls()[2].flush);
}

TEST(SessionSettings, SavedInOrderAndStoppedByARefusal) {
    const SessionSettings settings{"esy", "txt", "img", true, false, true};
    FakeProfileWriter writer;
    writer.RefuseWrite(4);
    {
        TIniFile ini(kPath, writer);
        EXPECT_THROW(SaveSessionSettings(ini, settings), EIniFileException);
    }
    const std::vector<Call> expected = {
        FakeProfileWriter::Write("Options", "a8matEsy", "esy", kPath),
        FakeProfileWriter::Write("Options", "a8matTxt", "txt", kPath),
        FakeProfileWriter::Write("Options", "a8matImg", "img", kPath),
        FakeProfileWriter::Write("Options", "linefeed", "1", kPath),
        FakeProfileWriter::Write("Options", "autocopy", "0", kPath),
        FakeProfileWriter::FlushOf(kPath),
    };
    EXPECT_EQ(writer.Calls(), expected);
}

TEST(SessionSettings, MissingKeysGiveEmptyOffOffOn) {
    const auto settings = LoadSessionSettings(TMemIniFile::FromText(""));
    EXPECT_EQ(settings.a8matEsy, "");
    EXPECT_EQ(settings.a8matTxt, "");
    EXPECT_EQ(settings.a8matImg, "");
    EXPECT_FALSE(settings.linefeed);
    EXPECT_FALSE(settings.autocopy);
    EXPECT_TRUE(settings.errorcheck);
}

TEST(SessionSettings, LoadsTheSixFromOptions) {
    const auto settings = LoadSessionSettings(TMemIniFile::FromText(
        "[Form]\na8matEsy=wrong\n[options]\nA8MATESY=e\na8matTxt=t\na8matImg=i\n"
        "linefeed=5\nautocopy=-1\nerrorcheck=0\n"));
    EXPECT_EQ(settings.a8matEsy, "e");
    EXPECT_EQ(settings.a8matTxt, "t");
    EXPECT_EQ(settings.a8matImg, "i");
    EXPECT_TRUE(settings.linefeed);
    EXPECT_TRUE(settings.autocopy);
    EXPECT_FALSE(settings.errorcheck);
}

TEST(SessionSettings, BrokenFlagsFallBackToTheirDefaults) {
    const auto settings = LoadSessionSettings(
        TMemIniFile::FromText("[Options]\nlinefeed=yes\nautocopy=on\nerrorcheck=true\n"));
    EXPECT_FALSE(settings.linefeed);
    EXPECT_FALSE(settings.autocopy);
    EXPECT_TRUE(settings.errorcheck);
}

}  // namespace
}  // namespace mirevo
