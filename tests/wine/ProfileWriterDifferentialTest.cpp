// The profile writers' layout (the portable writer's, which the Windows writer shares) against
// the system's own writer, over random writes from a fixed seed:
// both files must read the same through the settings reader. Only the readings are compared:
// Wine writes the whole file anew in a layout of its own (names and values trimmed, CR LF
// throughout).
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/Trim.h"
#include "platform/portable/PortableProfileWriter.h"
#include "settings/MemIniFile.h"
#include "tests/fakes/IniRead.h"
#include "tests/fakes/TempDir.h"
#include "tests/wine/Win32PrivateProfileWriter.h"

namespace mirevo {
namespace {

using testing_support::IniName;
using testing_support::IniNames;
using testing_support::ReadEach;
using testing_support::ReadIni;
using testing_support::TempDir;

constexpr std::uint32_t kSeed = 1402;
constexpr int kSequences = 200;

struct Write {
    std::string section, key, value;
    friend bool operator==(const Write&, const Write&) = default;
};

// The text as the platform keeps it: it converts what it is given to UTF-16 and writes the
// file back in the code page, so bytes that are no character of code page 932 (a lead byte
// before a byte that cannot follow it, or at the end) come back as another character or
// not at all. Only text that survives this can be compared byte for byte.
std::string InCodePage(const std::string& text) {
    if (text.empty()) return text;
    const int size = static_cast<int>(text.size());
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(932, 0, text.data(), size, wide.data(), size));
    std::string back(wide.size() * 2, '\0');
    back.resize(WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), back.data(),
                                    static_cast<int>(back.size()), nullptr, nullptr));
    return back;
}

// Starting files, written with LF; each sequence may turn them to CR LF and drop the last
// break. None holds a section or key twice: there the portable writer writes the last one
// (the one the reader sees) and the platform the first, by design.
const std::vector<std::string> kStartFiles = {
    "<none>",
    "",
    "[Form]\nTop=1\nLeft=2\n",
    "; kept\n[Form]\nTop=1\n\n[Options]\na8matEsy=E\n\n",
    "[ form ]\n top = 1 \n[設定]\nキー=値=1\n",
    "[Options]\nlinefeed=1\n[Form]\n",
};

// Pieces the odd names and values are made of: double-byte characters ("ゼ" ends in "]"),
// a lone lead byte, blanks, and the characters the file's syntax gives a meaning.
const std::vector<std::string> kPieces = {"a", "B", "名", "\x83\x5D", "\x83", " ", "\t",
                                          "=", ";", "[",  "]",        "1",    "値"};
const std::vector<std::string> kSections = {"Form", "Options", "設定", "[in]"};
const std::vector<std::string> kKeys = {"Top", "Left", "a8matEsy", "キー", ""};

class Sequence {
public:
    explicit Sequence(std::uint32_t seed) : rng_(seed) {}

    std::string StartFile() {
        std::string text = kStartFiles[Pick(kStartFiles.size())];
        if (text == "<none>") return text;
        if (Pick(2) == 0) text = WithCrLf(text);
        if (Pick(2) == 0 && !text.empty()) text.pop_back();  // no final break (or a lone CR)
        return text;
    }

    std::vector<Write> Writes() {
        const std::vector<std::string> sections = {kSections[Pick(kSections.size())],
                                                   kSections[Pick(kSections.size())], OddSection()};
        const std::vector<std::string> keys = {kKeys[Pick(kKeys.size())], kKeys[Pick(kKeys.size())],
                                               Odd(), Odd()};
        std::vector<Write> writes(1 + Pick(8));
        for (auto& w : writes) {
            w = {Vary(sections[Pick(sections.size())]), Vary(keys[Pick(keys.size())]), Value()};
        }
        return writes;
    }

private:
    std::size_t Pick(std::size_t count) { return rng_() % count; }

    static std::string WithCrLf(const std::string& text) {
        std::string result;
        for (const char c : text) result += c == '\n' ? std::string("\r\n") : std::string(1, c);
        return result;
    }

    std::string Odd() {
        std::string text;
        for (std::size_t n = 1 + Pick(3); n > 0; --n) text += kPieces[Pick(kPieces.size())];
        return text;
    }

    // Wine puts the keys of a section without a name (or of blanks only) at the head of the
    // file under no header, where the reader finds nothing; the portable writer writes "[]".
    // The program names every section it writes, so such names are left out.
    std::string OddSection() {
        std::string name;
        while (Trim(name).empty()) name = Odd();
        return name;
    }

    std::string Value() {
        std::string text;
        for (std::size_t n = Pick(5); n > 0; --n) text += kPieces[Pick(kPieces.size())];
        return text;
    }

    // The same name in another ASCII case, or with blanks around it, now and then.
    std::string Vary(std::string name) {
        if (Pick(3) == 0) {
            for (auto& c : name) {
                if (Pick(2) == 0 && std::isalpha(static_cast<unsigned char>(c))) {
                    c = static_cast<char>(c ^ 0x20);
                }
            }
        }
        if (Pick(6) == 0) name = " " + name;
        if (Pick(6) == 0) name += " ";
        return name;
    }

    std::mt19937 rng_;
};

std::string Shown(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            shown += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            shown += hex;
        }
    }
    return shown;
}

// What the reader answers for every name written and every name either file's lines give.
std::map<IniName, std::string> Reading(const std::string& path, const std::vector<Write>& writes,
                                       const std::string& portable, const std::string& windows) {
    std::set<IniName> names = IniNames(portable);
    names.merge(IniNames(windows));
    for (const auto& w : writes) names.insert({w.section, w.key});
    return ReadEach(ReadIni(path), names);
}

std::string Differences(const std::map<IniName, std::string>& portable,
                        const std::map<IniName, std::string>& windows) {
    std::string text;
    for (const auto& [name, value] : portable) {
        const std::string& other = windows.at(name);
        if (value == other) continue;
        text += "  [" + Shown(name.first) + "] " + Shown(name.second) + ": " + Shown(value) +
                " | " + Shown(other) + "\n";
    }
    return text;
}

std::string Described(const std::string& start, const std::vector<Write>& writes,
                      const std::string& portable, const std::string& windows) {
    std::string text = "start: " + Shown(start) + "\nwrites:\n";
    for (const auto& w : writes) {
        text += "  [" + Shown(w.section) + "] " + Shown(w.key) + " = " + Shown(w.value) + "\n";
    }
    return text + "portable: " + Shown(portable) + "\nwindows:  " + Shown(windows) + "\n";
}

TEST(ProfileWriterDifferential, RandomWritesReadTheSameAsThePlatformsWrites) {
    const TempDir dir;
    testing_support::Win32PrivateProfileWriter windows;
    PortableProfileWriter portable;
    int writes = 0;
    int refused = 0;
    int converted = 0;
    for (int i = 0; i < kSequences; ++i) {
        Sequence sequence(kSeed + i);
        const std::string start = sequence.StartFile();
        std::vector<Write> sequenceWrites = sequence.Writes();
        for (auto& w : sequenceWrites) {
            const Write stored{InCodePage(w.section), InCodePage(w.key), InCodePage(w.value)};
            if (stored != w) ++converted;
            w = stored;
        }
        const std::string windowsName = "w" + std::to_string(i) + ".ini";
        const std::string portableName = "p" + std::to_string(i) + ".ini";
        const auto windowsPath =
            start == "<none>" ? dir.File(windowsName) : dir.Write(windowsName, start);
        const auto portablePath =
            start == "<none>" ? dir.File(portableName) : dir.Write(portableName, start);
        for (const auto& w : sequenceWrites) {
            ++writes;
            // What the portable writer refuses is left out on both sides.
            if (!portable.WriteString(w.section, w.key, w.value, portablePath)) {
                ++refused;
                continue;
            }
            ASSERT_TRUE(windows.WriteString(w.section, w.key, w.value, windowsPath));
        }
        windows.Flush(windowsPath);
        const std::string portableBytes = dir.Read(portableName);
        const std::string windowsBytes = dir.Read(windowsName);
        const auto differences =
            Differences(Reading(portablePath, sequenceWrites, portableBytes, windowsBytes),
                        Reading(windowsPath, sequenceWrites, portableBytes, windowsBytes));
        EXPECT_EQ(differences, "") << "sequence " << i << " (seed " << kSeed + i << ")\n"
                                   << Described(start, sequenceWrites, portableBytes, windowsBytes);
    }
    std::printf(
        "%d sequences from seed %u: %d writes, %d given in the platform's characters, "
        "%d refused by the portable writer\n",
        kSequences, kSeed, writes, converted, refused);
}

}  // namespace
}  // namespace mirevo
